// Scaling, mirroring, quarter turns, the non-linear stretches, fits, canvas and copies.
#include "library/imaging/PictureBasics.h"
#include "library/imaging/PixelArrays.h"
#include "library/imaging/Transforms.h"

#include "platform/Numbers.h"
#include "platform/StretchKernels.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace pixol::transforms {

bool sizeOf(const salon::Surface& obj, int32_t& width, int32_t& height)
{
    width = obj.drawableWidth();
    height = obj.drawableHeight();
    return width > 0 && height > 0;
}

bool replaceWith(salon::Surface& obj, const salon::Bitmap& pixels)
{
    if (!pixels::clearSized(obj, pixels.width, pixels.height)) return false;
    if (!obj.writeRows(pixels)) return false;
    obj.keepImage();
    return true;
}

namespace {
// What a 15/16-bit display keeps of every pixel: blue and red 5 bits, green 6.
void reduceRows(salon::Bitmap& b)
{
    for (int32_t y = 0; y < b.height; ++y) {
        uint8_t* r = b.row(y);
        for (int32_t x = 0; x < b.width; ++x) {
            r[3 * x] &= 248;
            r[3 * x + 1] &= 252;
            r[3 * x + 2] &= 248;
        }
    }
}
} // namespace

salon::Bitmap readType3(salon::Surface& obj, int32_t colourDepth)
{
    salon::Bitmap b = obj.readRows();
    if (!b.isNull() && (colourDepth == 15 || colourDepth == 16)) reduceRows(b);
    return b;
}

namespace {
salon::Bitmap crop(const salon::Bitmap& b, int32_t sx, int32_t sy, int32_t w, int32_t h)
{
    salon::Bitmap out = salon::Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y) std::copy_n(b.row(y + sy) + 3 * sx, size_t(3 * w), out.row(y));
    return out;
}

// `part` copied into `onto` at (dx, dy), cut at onto's edges.
void paste(salon::Bitmap& onto, const salon::Bitmap& part, int32_t dx, int32_t dy)
{
    const int32_t x0 = std::max(dx, 0), y0 = std::max(dy, 0);
    const int32_t x1 = std::min(dx + part.width, onto.width), y1 = std::min(dy + part.height, onto.height);
    for (int32_t y = y0; y < y1; ++y)
        std::copy_n(part.row(y - dy) + 3 * (x0 - dx), size_t(3 * std::max(x1 - x0, 0)), onto.row(y) + 3 * x0);
}

salon::Bitmap stretched(const salon::Bitmap& b, int32_t sw, int32_t sh, int32_t nw, int32_t nh)
{
    return salon::stretchHalftone(b, salon::Rect{0, 0, sw, sh}, nw, nh);
}

// The object keeps its size and loses its persistent picture; `pixels` lands at (dx, dy) on the
// background colour, written straight into the drawn image.
void showOnCleared(salon::Surface& obj, const salon::Bitmap& pixels, int32_t dx, int32_t dy)
{
    const int32_t w = obj.drawableWidth(), h = obj.drawableHeight();
    salon::Bitmap& image = obj.image();
    const bool covered = dx <= 0 && dy <= 0 && dx + pixels.width >= w && dy + pixels.height >= h;
    if (covered && image.bitsPerPixel == 24 && image.width == w && image.height == h) {
        // Nothing of the background would stay: the old image is simply painted over.
        salon::Bitmap shown = std::move(image);
        paste(shown, pixels, dx, dy);
        takeImage(obj, std::move(shown));
        return;
    }
    obj.clearPicture();
    paste(image, pixels, dx, dy);
}
} // namespace

int32_t scale(salon::Surface& obj, int32_t& dX, int32_t& dY, float dpX, float dpY, bool resize)
{
    int32_t w, h;
    if (!sizeOf(obj, w, h) || w < 2 || h < 2 || !std::isfinite(dpX) || !std::isfinite(dpY)) return 0;
    const float fw = dpX * float(w), fh = dpY * float(h);
    if (!(fw > 1.0f && fw < 2001.0f && fh > 1.0f && fh < 2001.0f)) return 0;
    const int32_t nw = salon::roundHalfEven(fw), nh = salon::roundHalfEven(fh);
    if (nw < 2 || nw > 2000 || nh < 2 || nh > 2000) return 0;
    const salon::Bitmap s = stretched(obj.image(), w, h, nw, nh);
    if (resize) {
        dX = (nw - w) / 2;
        dY = (nh - h) / 2;
        return replaceWith(obj, s) ? 1 : 0;
    }
    dX = dY = 0;
    // Enlarged: the centre W x H of the scaled picture; reduced: all of it in the centre.
    const int32_t ox = std::abs(nw - w) / 2, oy = std::abs(nh - h) / 2;
    showOnCleared(obj, s, nw > w ? -ox : ox, nh > h ? -oy : oy);
    return 1;
}

namespace {
// Row `src` (w >= 2 pixels) into `dst` right to left, four bytes at a time: the fourth lands on
// the next target pixel, written right after. The last source pixel is read as three bytes
// (nothing of the row follows it), the last target pixel written as three.
void reversedCopy(uint8_t* dst, const uint8_t* src, int32_t w)
{
    const uint8_t* p = src + 3 * size_t(w - 1);
    std::memcpy(dst, p, 3);
    for (int32_t x = 1; x < w - 1; ++x) {
        uint32_t v;
        std::memcpy(&v, p - 3 * size_t(x), 4);
        std::memcpy(dst + 3 * size_t(x), &v, 4);
    }
    std::memcpy(dst + 3 * size_t(w - 1), src, 3);
}

// The mirror made in place, a pair of rows at a time through one spare row: every pixel is read
// and written once, as a copy into a new picture would, without a second picture.
void mirror(salon::Bitmap& b, bool flipX, bool flipY)
{
    const int32_t w = b.width, h = b.height;
    const size_t bytes = size_t(3) * size_t(w);
    std::vector<uint8_t> spare(bytes);
    auto take = [&](uint8_t* to, const uint8_t* from) {
        if (flipX) reversedCopy(to, from, w);
        else std::memcpy(to, from, bytes);
    };
    if (!flipY) {
        for (int32_t y = 0; y < h; ++y) {
            take(spare.data(), b.row(y));
            std::memcpy(b.row(y), spare.data(), bytes);
        }
        return;
    }
    for (int32_t y = 0; y < h / 2; ++y) {
        uint8_t *top = b.row(y), *bottom = b.row(h - 1 - y);
        take(spare.data(), top);
        take(top, bottom);
        std::memcpy(bottom, spare.data(), bytes);
    }
    if (flipX && h % 2 != 0) {
        take(spare.data(), b.row(h / 2));
        std::memcpy(b.row(h / 2), spare.data(), bytes);
    }
}
} // namespace

int32_t flip(salon::Surface& obj, bool flipX, bool flipY)
{
    int32_t w, h;
    if ((!flipX && !flipY) || !sizeOf(obj, w, h) || w < 2 || h < 2) return 0;
    salon::Bitmap& image = obj.image();
    if (image.bitsPerPixel != 24 || image.width != w || image.height != h) return 0;
    // Mirrored where it lies, then shown with no persistent picture, as a cleared object that
    // took the mirrored rows.
    salon::Bitmap mirrored = std::move(image);
    mirror(mirrored, flipX, flipY);
    return takeImage(obj, std::move(mirrored)) ? 1 : 0;
}

namespace {
// The picture turned a quarter: clockwise B(H - 1 - y, x) = A(x, y), anticlockwise
// B(y, W - 1 - x) = A(x, y). Written row by row of B in tiles, so that the rows of A a tile reads
// stay in the cache while its pixels are picked down their columns (64 x 64 pixels: the tile's
// parts of A and B take 24 kB, within a first-level data cache).
salon::Bitmap turnedQuarter(const salon::Bitmap& a, bool clockwise)
{
    const int32_t w = a.width, h = a.height;
    salon::Bitmap b = salon::Bitmap::rgb24(h, w);
    constexpr int32_t tile = 64;
    const ptrdiff_t down = clockwise ? -ptrdiff_t(a.rowBytes()) : ptrdiff_t(a.rowBytes());
    // A pixel is copied as 4 bytes: the fourth is read from what follows it in A and lands on the
    // next pixel of B's row, which is written after it. Not so the last pixel of B's row (the next
    // row's first is written already), nor, turning clockwise, the last pixel of an A without row
    // padding (nothing follows it): B's last row reads it first.
    const bool tight = a.rowBytes() == 3 * w;
    for (int32_t by0 = 0; by0 < w; by0 += tile)
        for (int32_t bx0 = 0; bx0 < h; bx0 += tile) {
            const int32_t by1 = std::min(by0 + tile, w), bx1 = std::min(bx0 + tile, h);
            for (int32_t by = by0; by < by1; ++by) {
                // B's row by is A's column by (clockwise, read upwards) or W - 1 - by (downwards).
                const uint8_t* s = clockwise ? a.row(h - 1 - bx0) + 3 * size_t(by) : a.row(bx0) + 3 * size_t(w - 1 - by);
                uint8_t* d = b.row(by) + 3 * size_t(bx0);
                const int32_t wide = (clockwise && tight && by == w - 1) ? bx0 : (bx1 == h ? bx1 - 1 : bx1);
                int32_t bx = bx0;
                for (; bx < wide; ++bx, s += down, d += 3) {
                    uint32_t v;
                    std::memcpy(&v, s, 4);
                    std::memcpy(d, &v, 4);
                }
                for (; bx < bx1; ++bx, s += down, d += 3) std::memcpy(d, s, 3);
            }
        }
    return b;
}
} // namespace

int32_t quarterTurn(salon::Surface& obj, bool clockwise, int32_t& dX, int32_t& dY, bool resize, int32_t colourDepth)
{
    int32_t w, h;
    if (!sizeOf(obj, w, h)) return 0;
    const salon::Bitmap& image = obj.image();
    if (image.bitsPerPixel != 24 || image.width != w || image.height != h) return 0;
    // Turned straight from the drawn image; a 15/16-bit display's reduction applies per pixel, so
    // it may as well come after the turn.
    salon::Bitmap b = turnedQuarter(image, clockwise);
    if (colourDepth == 15 || colourDepth == 16) reduceRows(b);
    dX = (h - w) / 2;
    dY = (w - h) / 2;
    if (resize) {
        if (!takeImage(obj, std::move(b))) return 0;
        obj.keepImage();
        return 1;
    }
    const int32_t side = std::min(w, h);
    if (w == h)
        showOnCleared(obj, b, 0, 0);
    else if (h < w)
        showOnCleared(obj, crop(b, 0, (w - h) / 2, side, side), (w - h) / 2, 0);
    else
        showOnCleared(obj, crop(b, (h - w) / 2, 0, side, side), 0, (h - w) / 2);
    return 1;
}

bool nonLinearPixels(salon::Bitmap& picture, float value, bool vertical)
{
    if (!(value >= 0.2f && value <= 1.8f)) return false;
    const int32_t n = vertical ? picture.height : picture.width;  // the stretched direction
    const int32_t across = vertical ? picture.width : picture.height;
    if (n < 2 || across < 1 || picture.bitsPerPixel != 24) return false;  // one line has no weights to spread
    // The editor's head turn and tilt run the same stretch; the library mixes the last but one line
    // from two lines with the weights that remain.
    static const salon::PixelKernel fastest = salon::fastestPixelKernel();
    const std::vector<salon::NonlinearTap> taps = salon::stretchTaps(n, value, salon::LastButOne::TwoTermRest);
    salon::Bitmap out = salon::Bitmap::rgb24(picture.width, picture.height);
    const salon::StretchImage image{picture.pixels.data(), size_t(picture.rowBytes()), out.pixels.data(),
                                    size_t(out.rowBytes()), picture.width, picture.height};
    if (vertical)
        salon::stretchDownColumns(image, taps, fastest);
    else
        salon::stretchAlongRows(image, taps, fastest);
    picture = std::move(out);
    return true;
}

int32_t nonLinear(salon::Surface& obj, float value, bool vertical, int32_t colourDepth)
{
    int32_t w, h;
    if (!sizeOf(obj, w, h)) return 0;
    salon::Bitmap b = readType3(obj, colourDepth);
    if (!nonLinearPixels(b, value, vertical)) return 0;
    return replaceWith(obj, b) ? 1 : 0;
}

int32_t fitSize(uint8_t typ, int32_t& prX, int32_t& prY, int32_t pnlX, int32_t pnlY, int32_t& nPrX, int32_t& nPrY,
                float& dsX, float& dsY)
{
    if (typ < 1 || typ > 5) return 0;
    int32_t result = 1;
    if (typ == 1 || typ == 4 || typ == 5) {
        // Kept as the interface has always done it: the width loses a column even when it was
        // already even; the result says whether it was odd.
        result = (prX % 2 != 0) ? -1 : 1;
        prX -= 1;
    }
    if (prX <= 0 || prY <= 0) return 0;
    const float rx = float(pnlX) / float(prX), ry = float(pnlY) / float(prY);
    switch (typ) {
    case 2: dsX = rx; dsY = ry; break;
    case 3: dsX = dsY = std::min(rx, ry); break;
    case 4: {
        dsX = rx;
        dsY = ry;
        const int32_t n = salon::roundHalfEven(dsX * float(prX));
        if (n % 2 != 0) dsX = float(n - 1) / float(prX);
        break;
    }
    case 5: {
        float s = std::min(rx, ry);
        const int32_t n = salon::roundHalfEven(s * float(prX));
        if (n % 2 != 0) s = float(n - 1) / float(prX);
        dsX = dsY = s;
        break;
    }
    default: break;
    }
    const float fx = dsX * float(prX), fy = dsY * float(prY);
    if (!std::isfinite(fx) || !std::isfinite(fy) || std::fabs(fx) > 2.0e9f || std::fabs(fy) > 2.0e9f) return 0;
    nPrX = salon::roundHalfEven(fx);
    nPrY = salon::roundHalfEven(fy);
    return result;
}

int32_t fitObject(salon::Surface& obj, uint8_t typ, int32_t pnlX, int32_t pnlY, int32_t& nPrX, int32_t& nPrY,
                  float& dsX, float& dsY)
{
    int32_t w, h;
    if (!sizeOf(obj, w, h) || typ < 1 || typ > 5) return 0;
    if (typ != 1 && (pnlX < 1 || pnlY < 1)) return 0;
    const int32_t c = w % 2;
    int32_t nw = w, nh = h, sw = w;
    switch (typ) {
    case 1: nw = w - c; sw = w - c; break;
    case 2: nw = pnlX; nh = pnlY; break;
    case 3: {
        const float s = std::min(float(pnlX) / float(w), float(pnlY) / float(h));
        nw = salon::roundHalfEven(s * float(w));
        nh = salon::roundHalfEven(s * float(h));
        break;
    }
    case 4: nw = pnlX - pnlX % 2; nh = pnlY; sw = w - c; break;
    case 5: {
        float s = std::min(float(pnlX) / float(w), float(pnlY) / float(h));
        nw = salon::roundHalfEven(s * float(w));
        if (nw % 2 != 0) {
            nw -= 1;
            s = float(nw) / float(w);
        }
        nh = salon::roundHalfEven(s * float(h));
        sw = w - c;
        break;
    }
    default: break;
    }
    if (nw < 1 || nh < 1 || sw < 1) return 0;
    if (!(typ == 1 && c == 0)) {
        const salon::Bitmap src = obj.readRows();
        const salon::Bitmap out = (typ == 1) ? crop(src, 0, 0, nw, nh) : stretched(src, sw, h, nw, nh);
        if (!replaceWith(obj, out)) return 0;
    }
    sizeOf(obj, nPrX, nPrY);
    dsX = float(nPrX) / float(w);
    dsY = float(nPrY) / float(h);
    return 1;
}

int32_t canvas(salon::Surface& obj, int32_t bmX, int32_t bmY, int32_t colour, int32_t xLe, int32_t yLe)
{
    int32_t w, h;
    if (bmX < 5 || bmX > 5000 || bmY < 5 || bmY > 5000 || colour < 0 || colour > 0xFFFFFF) return 0;
    if (!sizeOf(obj, w, h) || w < 6 || h < 6) return 0;
    salon::Bitmap out = salon::Bitmap::rgb24(bmX, bmY);
    for (int32_t y = 0; y < bmY; ++y)
        for (int32_t x = 0; x < bmX; ++x) out.setPixel(x, y, uint32_t(colour));
    paste(out, obj.readRows(), xLe, yLe);
    return replaceWith(obj, out) ? 1 : 0;
}

int32_t copyImage(salon::Surface& dst, const salon::Surface& src, int32_t rasterOp)
{
    using salon::RasterOp;
    static const RasterOp known[] = {RasterOp::SrcCopy,    RasterOp::SrcPaint,    RasterOp::SrcAnd,
                                     RasterOp::SrcInvert,  RasterOp::SrcErase,    RasterOp::NotSrcCopy,
                                     RasterOp::NotSrcErase, RasterOp::MergePaint, RasterOp::DstInvert,
                                     RasterOp::Blackness,  RasterOp::Whiteness};
    const RasterOp op = RasterOp(uint32_t(rasterOp));
    if (std::find(std::begin(known), std::end(known), op) == std::end(known)) return 0;
    int32_t w, h;
    if (!sizeOf(src, w, h) || &dst == &src) return 0;
    if (dst.drawableWidth() != w || dst.drawableHeight() != h) {
        const int32_t frame = 4 * dst.borderStyle();
        if (!dst.setSize(w + frame, h + frame)) return 0;
    }
    salon::bitBlt(dst, 0, 0, w, h, src, 0, 0, op);
    return 1;
}

int32_t copyRegionBox(const salon::Region& region, salon::Surface& dst, const salon::Surface& src, int32_t& dX,
                      int32_t& dY, bool largerCut)
{
    int32_t w, h;
    if (!region.isValid() || region.isEmpty() || !sizeOf(src, w, h) || &dst == &src) return 0;
    const salon::Rect b = region.bounds();
    if (b.left > w - 2 || b.top > h - 2 || b.right < 2 || b.bottom < 2) return 0;
    dX = std::max(b.left, 0);
    dY = std::max(b.top, 0);
    const salon::Bitmap s = src.readRows();
    if (largerCut) {
        const int32_t cw = std::min(w, b.right) - dX, ch = std::min(h, b.bottom) - dY;
        return replaceWith(dst, crop(s, dX, dY, cw, ch)) ? 1 : 0;
    }
    if (!pixels::clearSized(dst, b.width(), b.height())) return 0;
    salon::Bitmap img = dst.readRows();
    // The box may reach past the source; the part that exists lands where the box says.
    const int32_t cw = std::min(w, b.right) - dX, ch = std::min(h, b.bottom) - dY;
    paste(img, crop(s, dX, dY, cw, ch), dX - b.left, dY - b.top);
    dst.writeRows(img);
    dst.keepImage();
    return 1;
}

} // namespace pixol::transforms
