#pragma once
// The library's text files, "Pixol" + three-digit language + ".STX". Layout (little-endian):
//   0     "SYTX"
//   4     not used
//   8     count n of texts, 1..1000
//   12    n text positions (1-based file positions of each text's first byte); room for 1000
//   4012  n text lengths in bytes; room for 1000
//   8012  the texts, Windows-1250 bytes, no terminators
// The tables start at fixed offsets whatever n is. A file is taken only whole: every entry must lie
// inside the file, so that a later read never reaches past its end.
#include "library/frame/LibraryState.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pixol {

inline constexpr int32_t MaxTexts = 1000;
inline constexpr size_t TextTableBytes = 12 + 2 * 4 * MaxTexts;  // where the texts start when written

// The index of a text file's bytes; none when the magic, the count or any entry is wrong. An entry of
// length 0 is valid wherever it points.
std::optional<TextTable> parseTextFile(std::span<const uint8_t> bytes);

// The file name for a language: 1 -> "Pixol001.STX", 1234 -> "Pixol1234.STX".
std::string textFileName(int32_t language);

// A text file holding texts 1..texts.size() (UTF-8 in, Windows-1250 out); none when a text has a
// character the code page lacks or there are more than 1000 texts.
std::optional<std::vector<uint8_t>> buildTextFile(const std::vector<std::string>& texts);

// Text k of the file at `path` through its table (the file is opened anew, as texts are rarely read
// and the file may be replaced while a program runs); "" when the read fails.
std::string readText(const std::string& nativePath, const TextTable& table, int32_t k);

} // namespace pixol
