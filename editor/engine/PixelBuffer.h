#pragma once
// A copy of a surface's pixels, as the engine touches them one by one.
//
// Layout: Height rows of RowBytes bytes, top row first, each pixel blue, green, red, rows padded to
// a multiple of 4 bytes (RowBytes = 3 x Width rounded up to a multiple of 4). The record's Data is
// 1-based, Data(i, j) with i the byte in the row (1..RowBytes) and j the row (1..Height); here it is
// one 0-based vector with Data(i, j) at Data[(j - 1) * RowBytes + (i - 1)] - use at(i, j) to keep
// the record's numbering, or pixel(x, y) for 0-based pixel coordinates.
#include "platform/Bitmap.h"

#include <array>
#include <cstdint>
#include <vector>

namespace salon {

// The 40-byte bitmap information header of a top-down 24-bit picture: size 40, width, -height,
// 1 plane, 24 bits, no compression, image size 0, 2834 pixels per metre both ways, no colours.
std::array<uint8_t, 40> bitmapInfoHeader(int32_t width, int32_t height);

struct PixelBuffer {
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t RowBytes = 0;
    std::vector<uint8_t> Data;
    bool Valid = false;
    std::array<uint8_t, 40> Header{};

    // Width x Height of black pixels with Header, RowBytes and Data set up; Valid stays False.
    [[nodiscard]] static PixelBuffer allocate(int32_t width, int32_t height);
    // A valid buffer holding a 24-bit picture.
    [[nodiscard]] static PixelBuffer fromBitmap(const Bitmap& picture);
    [[nodiscard]] Bitmap toBitmap() const;

    // The record's 1-based Data(i, j).
    uint8_t& at(int32_t i, int32_t j) { return Data[size_t(j - 1) * size_t(RowBytes) + size_t(i - 1)]; }
    uint8_t at(int32_t i, int32_t j) const { return Data[size_t(j - 1) * size_t(RowBytes) + size_t(i - 1)]; }
    // Blue of pixel (x, y), 0-based; green and red follow.
    uint8_t* pixel(int32_t x, int32_t y) { return Data.data() + size_t(y) * size_t(RowBytes) + size_t(3 * x); }
    const uint8_t* pixel(int32_t x, int32_t y) const { return Data.data() + size_t(y) * size_t(RowBytes) + size_t(3 * x); }
    bool contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
    // Data really holds Height rows of RowBytes bytes for Width pixels.
    bool hasShape() const
    {
        return Width > 0 && Height > 0 && RowBytes >= 3 * Width && Data.size() == size_t(RowBytes) * size_t(Height);
    }
};

} // namespace salon
