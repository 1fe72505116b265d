#pragma once
// The polygon picture files: NLG ("PLG3", one region) and NSG ("PLG4", a numbered set of regions),
// both carrying the reference picture size the regions were drawn for. The payload of both is the
// region data block of the region toolkit (Region::data()): header size 32, kind 1, rectangle
// count, rectangle bytes, bounding box, then the rectangles.
//
// NLG, 32-bit little-endian fields:       NSG:
//   0  "PLG3"                               0  "PLG4"
//   4  file length = 24 + S                 4  file length
//   8  S / 4                                8  m, the number of regions
//  12  S, region data bytes                12  T, region data words of all regions
//  16  reference width, 20 height          16  reference width, 20 height
//  24  the region data                     24  m first indices (1-based words, 0 = empty region),
//                                               then m word counts, m byte sizes, then T words
//
// The parsers check every field against the file before they allocate anything: a damaged file is
// an error, never a partial result.
#include "platform/Region.h"
#include "platform/Result.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pixol::formats {

struct NlgContents {
    int32_t refWidth = 0, refHeight = 0;
    std::vector<int32_t> data;  // the region data block, S / 4 words
};

struct NsgContents {
    int32_t refWidth = 0, refHeight = 0;
    std::vector<std::vector<int32_t>> regions;  // one block per region; empty for an empty slot
};

salon::Result<NlgContents> parseNlg(std::span<const uint8_t> file);
// `data` must be a whole region data block (at least the 8 header words).
std::vector<uint8_t> encodeNlg(std::span<const int32_t> data, int32_t refWidth, int32_t refHeight);

salon::Result<NsgContents> parseNsg(std::span<const uint8_t> file);
std::vector<uint8_t> encodeNsg(const NsgContents& contents);

// The region of the first `sizeBytes` bytes of a region data block, each rectangle mapped through
// `map`. Blocks of 65000 bytes or more were built on the original platform in chunks of 4000
// rectangles whose count came from the size rather than the header; the result here is that same
// pixel set, made in one step. Invalid when the size does not fit the words, the header is not
// 32 / 1 or (below 65000 bytes) the header's count does not fit the size.
salon::Region regionFromData(std::span<const int32_t> words, int64_t sizeBytes, const salon::Region::Transform& map);

// The scale from the reference size to the wanted size: 1 unless all four are non-zero.
salon::Region::Transform referenceScale(int32_t refWidth, int32_t refHeight, int32_t width, int32_t height);

} // namespace pixol::formats
