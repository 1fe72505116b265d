#pragma once
// The picture contents file ("ISWG"): up to 200 small pictures of a common cell size, with a title
// and a short name. Little-endian; offsets 0-based:
//     0  "ISWG"            16  picture count (0..200)      72  index: 200 x (1-based file position,
//     4  file length       20  title, 40 bytes                  length in bytes)
//     8  cell width        60  short name, 12 bytes      1672  the pictures, each a whole picture file
//    12  cell height
// Text fields are Windows-1250, blank-padded.
#include "platform/Result.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pixol::formats {

inline constexpr int32_t ContentsHeaderBytes = 1672;
inline constexpr int32_t ContentsMaxPictures = 200;

struct ContentsHeader {
    int32_t cellWidth = 0, cellHeight = 0, count = 0;
    std::string title, shortName;  // UTF-8, trimmed
    struct Entry {
        int32_t position = 0, length = 0;  // position 1-based
    };
    std::array<Entry, ContentsMaxPictures> index{};
};

// The header of a file of `fileLength` bytes whose first bytes are `head` (at least the header).
// The length field must equal the file length, the count be 0..200, and each of the `count` index
// entries lie inside the file.
salon::Result<ContentsHeader> parseContentsHeader(std::span<const uint8_t> head, uint64_t fileLength);

// A whole file from a header and pictures (the writer the tests and the fuzz seeds use).
std::vector<uint8_t> encodeContentsFile(int32_t cellWidth, int32_t cellHeight, const std::string& title,
                                        const std::string& shortName, const std::vector<std::vector<uint8_t>>& pictures);

} // namespace pixol::formats
