#pragma once
// An owned picture in the layout of a device-independent bitmap: rows top row first, each row padded
// to a multiple of 4 bytes. 24-bit pixels are blue, green, red. Indexed pictures (1, 4, 8 bits) carry
// a palette of packed colours (red + 256 * green + 65536 * blue).
#include <cstdint>
#include <span>
#include <vector>

namespace salon {

struct Bitmap {
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bitsPerPixel = 24;
    std::vector<uint32_t> palette;
    std::vector<uint8_t> pixels;

    [[nodiscard]] static Bitmap rgb24(int32_t w, int32_t h);            // zero (black) pixels
    [[nodiscard]] static Bitmap indexed(int32_t w, int32_t h, uint16_t bits, std::vector<uint32_t> palette);

    bool isNull() const { return width <= 0 || height <= 0; }
    int32_t rowBytes() const { return ((width * bitsPerPixel + 31) / 32) * 4; }
    uint8_t* row(int32_t y) { return pixels.data() + size_t(y) * size_t(rowBytes()); }
    const uint8_t* row(int32_t y) const { return pixels.data() + size_t(y) * size_t(rowBytes()); }

    // Packed colour of pixel (x, y) whatever the depth; setPixel only for 24-bit pictures.
    uint32_t pixel(int32_t x, int32_t y) const;
    void setPixel(int32_t x, int32_t y, uint32_t colour);

    // The same picture as 24 bits per pixel (a copy when it already is).
    [[nodiscard]] Bitmap toRgb24() const;

    friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

} // namespace salon
