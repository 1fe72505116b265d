#pragma once
// The hairstyle model file (".DSL"): two pictures of the model at the same size, three byte masks
// over rectangles of the picture, two polygon sets, a few scalars and, in the extended version, a
// name and a block of region data. Positions are 1-based; every number is a 32-bit little-endian
// Long; the 63 header Longs H0..H62 at positions 9..260 are the table of contents.
//
// The editor's files start "JSDL", the library's "JDSL"; the rest of the layout is the same.
// This is the one parser and the one writer of the layout: the editor's reader, the library's
// SuCtiDSL / SuPisDSL and the authoring tool all go through it.
#include "platform/Result.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace salon::dsl {

inline constexpr char EditorMagic[] = "JSDL";
inline constexpr char LibraryMagic[] = "JDSL";

struct Mask {
    int32_t x = 0, y = 0;          // first column and row (model coordinates)
    int32_t width = 0, height = 0;
    std::vector<uint8_t> bytes;    // width * height, columns fastest
    uint8_t at(int32_t mx, int32_t my) const { return bytes[size_t(my - y) * size_t(width) + size_t(mx - x)]; }
    bool contains(int32_t mx, int32_t my) const
    {
        return mx >= x && my >= y && int64_t(mx) < int64_t(x) + width && int64_t(my) < int64_t(y) + height;
    }
    friend bool operator==(const Mask&, const Mask&) = default;
};

struct PolygonSet {
    std::vector<int32_t> counts;               // points per polygon
    std::vector<std::array<int32_t, 2>> points; // (x, y)
    friend bool operator==(const PolygonSet&, const PolygonSet&) = default;
};

struct Model {
    bool extended = true;          // header at 221 with name and region data
    int32_t faceAngle = 0;         // H0, hundredths of a degree
    int32_t skinColour = 0;        // H1, packed
    int32_t hairColour = 0;        // H2, packed
    int32_t width = 0, height = 0; // of both pictures
    std::array<int32_t, 10> bitmapHeader{};  // the 40-byte header as stored (10 Longs)
    std::vector<uint8_t> picture1; // RowBytes * height, top row first, BGR
    std::vector<uint8_t> picture2;
    // Mask 3 lies over rectangle 2: its bytes are always mask2.width * mask2.height, addressed like
    // mask 2. Its own x/y/width/height are the stored fields H19..H22 (equal to rectangle 2 in
    // every well-made file), carried through for the library interface.
    Mask mask1, mask2, mask3;
    PolygonSet set1, set2;
    int32_t rangeFlag = 0;         // H35
    int32_t rangeLow = 0;          // H44
    int32_t rangeHigh = 0;         // H45
    int32_t extra1 = 0, extra2 = 0;  // H46, H47: carried through
    std::string name;              // extended only
    std::vector<int32_t> regionData; // extended only: H50 Longs
    friend bool operator==(const Model&, const Model&) = default;
};

// Parses a whole file held in memory. The magic must equal `magic`. Every header size and position
// is checked against the file before anything is allocated; a file that does not fit is an Error.
// checkLength: the stored length at position 5 must equal the real length and the extended block
// (name, region data) must fit (the library's reader). Without it (the editor's reader) a broken
// extended block is ignored, as the editor never reads it.
// Error messages are the reader's own text "Nejedná se o správný typ souboru".
Result<Model> parse(std::span<const uint8_t> file, const char* magic, bool checkLength);

// The 10 Longs of the 40-byte bitmap information header of a top-down 24-bit picture.
std::array<int32_t, 10> standardBitmapHeader(int32_t width, int32_t height);

// The extended layout with the given magic, header positions computed in table order.
std::vector<uint8_t> serialize(const Model& model, const char* magic);

} // namespace salon::dsl
