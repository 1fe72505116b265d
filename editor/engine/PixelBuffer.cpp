#include "PixelBuffer.h"

#include "platform/Numbers.h"

#include <algorithm>

namespace salon {

namespace {
void put32(uint8_t* p, int32_t v)
{
    uint32_t u = uint32_t(v);
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(u >> (8 * i));
}
} // namespace

std::array<uint8_t, 40> bitmapInfoHeader(int32_t width, int32_t height)
{
    std::array<uint8_t, 40> h{};
    put32(&h[0], 40);
    put32(&h[4], width);
    put32(&h[8], -height);
    h[12] = 1;   // planes
    h[14] = 24;  // bits per pixel
    put32(&h[24], 2834);
    put32(&h[28], 2834);
    return h;
}

PixelBuffer PixelBuffer::allocate(int32_t width, int32_t height)
{
    PixelBuffer b;
    b.Width = width;
    b.Height = height;
    b.RowBytes = rowBytes24(width);
    b.Header = bitmapInfoHeader(width, height);
    if (width > 0 && height > 0) b.Data.assign(size_t(b.RowBytes) * size_t(height), 0);
    return b;
}

PixelBuffer PixelBuffer::fromBitmap(const Bitmap& picture)
{
    const Bitmap rgb = picture.bitsPerPixel == 24 ? picture : picture.toRgb24();
    PixelBuffer b = allocate(rgb.width, rgb.height);
    if (rgb.isNull() || rgb.pixels.size() < b.Data.size()) return b;
    std::copy_n(rgb.pixels.begin(), b.Data.size(), b.Data.begin());
    b.Valid = true;
    return b;
}

Bitmap PixelBuffer::toBitmap() const
{
    if (!hasShape()) return {};
    Bitmap out = Bitmap::rgb24(Width, Height);
    const size_t n = size_t(3 * Width);
    for (int32_t y = 0; y < Height; ++y) std::copy_n(pixel(0, y), n, out.row(y));
    return out;
}

} // namespace salon
