#include "platform/Bitmap.h"

#include "platform/Numbers.h"

#include <cassert>

namespace salon {

Bitmap Bitmap::rgb24(int32_t w, int32_t h)
{
    Bitmap b;
    if (w <= 0 || h <= 0) return b;
    b.width = w;
    b.height = h;
    b.bitsPerPixel = 24;
    b.pixels.assign(size_t(b.rowBytes()) * size_t(h), 0);
    return b;
}

Bitmap Bitmap::indexed(int32_t w, int32_t h, uint16_t bits, std::vector<uint32_t> palette)
{
    assert(bits == 1 || bits == 4 || bits == 8);
    Bitmap b;
    b.bitsPerPixel = bits;
    b.palette = std::move(palette);
    if (w <= 0 || h <= 0) return b;
    b.width = w;
    b.height = h;
    b.pixels.assign(size_t(b.rowBytes()) * size_t(h), 0);
    return b;
}

uint32_t Bitmap::pixel(int32_t x, int32_t y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height || pixels.empty()) return 0;
    const uint8_t* r = row(y);
    auto fromPalette = [&](uint32_t index) -> uint32_t {
        // A damaged file may name an entry beyond its palette; black is what the platform shows.
        return index < palette.size() ? palette[index] : 0;
    };
    switch (bitsPerPixel) {
    case 1: return fromPalette((r[x >> 3] >> (7 - (x & 7))) & 1);
    case 4: return fromPalette((x & 1) ? (r[x >> 1] & 0x0F) : (r[x >> 1] >> 4));
    case 8: return fromPalette(r[x]);
    case 24: {
        const uint8_t* p = r + 3 * size_t(x);
        return packRgb(p[2], p[1], p[0]);
    }
    case 32: {
        const uint8_t* p = r + 4 * size_t(x);
        return packRgb(p[2], p[1], p[0]);
    }
    default: return 0;
    }
}

void Bitmap::setPixel(int32_t x, int32_t y, uint32_t colour)
{
    assert(bitsPerPixel == 24);
    if (bitsPerPixel != 24 || x < 0 || y < 0 || x >= width || y >= height) return;
    uint8_t* p = row(y) + 3 * size_t(x);
    p[0] = blueOf(colour);
    p[1] = greenOf(colour);
    p[2] = redOf(colour);
}

Bitmap Bitmap::toRgb24() const
{
    if (bitsPerPixel == 24) return *this;
    Bitmap out = rgb24(width, height);
    for (int32_t y = 0; y < out.height; ++y) {
        uint8_t* d = out.row(y);
        for (int32_t x = 0; x < out.width; ++x, d += 3) {
            uint32_t c = pixel(x, y);
            d[0] = blueOf(c);
            d[1] = greenOf(c);
            d[2] = redOf(c);
        }
    }
    return out;
}

} // namespace salon
