#pragma once
// The help text file "NpvHair.tmf": one rich-text (RTF) page per help topic.
//
// Layout, positions counted from 1, numbers 32-bit little-endian:
//   1..16          header: "NPVHAIR TMF" and a version byte (12), the page count at 13
//   17 + 8p        index entry of page p: offset, length
//   offset..+11    a 12-byte page record: "PAGE", the page number, the text length
//   offset + 12    the page's text, `length` bytes of RTF
// The editor reads only the index and the texts; the header and the page records let the file be
// checked and read by eye. The reader checks every offset and length against the file before it
// takes a byte, so a damaged file gives no page rather than garbage.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace salon {

inline constexpr const char* HelpFileName = "NpvHair.tmf";

std::vector<uint8_t> buildHelpFile(const std::vector<std::string>& pages);

// Page p of a help file held in memory; none when the index has no such entry or it points outside.
std::optional<std::string> helpPage(const std::vector<uint8_t>& file, int32_t page);
// The same, read from disk (the file is small: read whole).
std::optional<std::string> readHelpPage(const std::filesystem::path& file, int32_t page);
// The page count the header states, or the number of index entries that fit before the first text
// when the header is not ours.
int32_t helpPageCount(const std::vector<uint8_t>& file);

} // namespace salon
