// Scaling, mirroring, quarter turns, the non-linear stretches, resampling, fits, canvas and copies.
#include "library/imaging/PixelArrays.h"
#include "library/imaging/Transforms.h"

#include "platform/Numbers.h"
#include "platform/StretchKernels.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

salon::Bitmap readType3(salon::Surface& obj, int32_t colourDepth)
{
    salon::Bitmap b = obj.readRows();
    if (!b.isNull() && (colourDepth == 15 || colourDepth == 16))
        for (int32_t y = 0; y < b.height; ++y) {
            uint8_t* r = b.row(y);
            for (int32_t x = 0; x < b.width; ++x) {
                r[3 * x] &= 248;
                r[3 * x + 1] &= 252;
                r[3 * x + 2] &= 248;
            }
        }
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
// background colour.
void showOnCleared(salon::Surface& obj, const salon::Bitmap& pixels, int32_t dx, int32_t dy)
{
    obj.clearPicture();
    if (dx == 0 && dy == 0 && pixels.width == obj.drawableWidth() && pixels.height == obj.drawableHeight()) {
        obj.writeRows(pixels);  // covers it all: nothing of the background stays
        return;
    }
    salon::Bitmap img = obj.readRows();
    paste(img, pixels, dx, dy);
    obj.writeRows(img);
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
    const salon::Bitmap s = stretched(obj.readRows(), w, h, nw, nh);
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

int32_t flip(salon::Surface& obj, bool flipX, bool flipY)
{
    int32_t w, h;
    if ((!flipX && !flipY) || !sizeOf(obj, w, h) || w < 2 || h < 2) return 0;
    // Read in place: the mirror is complete before the object is cleared and written.
    const salon::Bitmap& src = obj.image();
    salon::Bitmap out = salon::Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* s = src.row(flipY ? h - 1 - y : y);
        uint8_t* d = out.row(y);
        if (!flipX) {
            std::copy_n(s, size_t(3 * w), d);
            continue;
        }
        // Four bytes at a time: the fourth lands on the next pixel, written right after. The last
        // source pixel is read as three bytes (nothing of the row follows it), the last target
        // pixel written as three.
        const uint8_t* p = s + 3 * size_t(w - 1);
        d[0] = p[0];
        d[1] = p[1];
        d[2] = p[2];
        for (int32_t x = 1; x < w - 1; ++x) {
            uint32_t v;
            std::memcpy(&v, p - 3 * size_t(x), 4);
            std::memcpy(d + 3 * size_t(x), &v, 4);
        }
        uint32_t v;
        std::memcpy(&v, s, 4);
        std::memcpy(d + 3 * size_t(w - 1), &v, 3);
    }
    showOnCleared(obj, out, 0, 0);
    return 1;
}

int32_t quarterTurn(salon::Surface& obj, bool clockwise, int32_t& dX, int32_t& dY, bool resize, int32_t colourDepth)
{
    int32_t w, h;
    if (!sizeOf(obj, w, h)) return 0;
    const salon::Bitmap a = readType3(obj, colourDepth);
    salon::Bitmap b = salon::Bitmap::rgb24(h, w);
    // Clockwise: B(H - 1 - y, x) = A(x, y); anticlockwise: B(y, W - 1 - x) = A(x, y). In tiles,
    // so that the rows of B a tile writes stay in the cache while it reads along the rows of A.
    constexpr int32_t tile = 32;
    const size_t bStride = size_t(b.rowBytes());
    for (int32_t y0 = 0; y0 < h; y0 += tile)
        for (int32_t x0 = 0; x0 < w; x0 += tile) {
            const int32_t y1 = std::min(y0 + tile, h), x1 = std::min(x0 + tile, w);
            for (int32_t y = y0; y < y1; ++y) {
                const uint8_t* s = a.row(y) + 3 * size_t(x0);
                const int32_t bx = clockwise ? h - 1 - y : y;
                for (int32_t x = x0; x < x1; ++x, s += 3) {
                    const int32_t by = clockwise ? x : w - 1 - x;
                    uint8_t* d = b.pixels.data() + size_t(by) * bStride + 3 * size_t(bx);
                    d[0] = s[0];
                    d[1] = s[1];
                    d[2] = s[2];
                }
            }
        }
    dX = (h - w) / 2;
    dY = (w - h) / 2;
    if (resize) return replaceWith(obj, b) ? 1 : 0;
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

namespace {
// The source columns (rows) one destination column covers and their fractions.
struct Span {
    int32_t first = 0;
    std::vector<float> weights;
};

std::vector<Span> spans(int32_t from, int32_t to, float step)
{
    std::vector<Span> out(static_cast<size_t>(to));
    const float end = float(from) - 0.01f;
    for (int32_t i = 0; i < to; ++i) {
        const float a = float(i) * step;
        const float b = std::min(float(i + 1) * step, end);
        // Single-precision products of large sizes may round up to the edge; no span starts past it.
        const int32_t j0 = std::min(salon::fix(a), from - 1), j1 = std::min(salon::fix(b), from - 1);
        Span& sp = out[size_t(i)];
        sp.first = j0;
        if (j1 <= j0) {
            sp.weights.push_back(std::max(b - a, 0.0f));
            continue;
        }
        sp.weights.push_back(float(j0 + 1) - a);
        for (int32_t j = j0 + 1; j < j1; ++j) sp.weights.push_back(1.0f);
        sp.weights.push_back(b - float(j1));
    }
    return out;
}
} // namespace

int32_t resample(int32_t bmX, int32_t bmY, int32_t nmX, int32_t nmY, const ByteArray& from, ByteArray& to)
{
    if (bmX < 1 || bmY < 1 || nmX < 1 || nmY < 1) return 0;  // a zero target has no spans
    if (int64_t(nmX) * nmY > (int64_t(64) << 20) || nmX > (1 << 20) || nmY > (1 << 20)) return 0;
    if (!pixels::fits(from, bmX, bmY)) return 0;
    const float sx = float(bmX) / float(nmX), sy = float(bmY) / float(nmY);
    const std::vector<Span> cols = spans(bmX, nmX, sx);
    std::vector<Span> rows = spans(bmY, nmY, sy);
    const float norm = sx * sy / 0.996f;
    for (Span& r : rows)
        for (float& w : r.weights) w /= norm;

    ByteArray out;
    pixels::make(out, nmX, nmY);
    const int32_t ss = pixels::stride(bmX), ds = pixels::stride(nmX);
    // The column spans laid out flat: span x takes count[x] weights from weight[at[x]] on.
    std::vector<int32_t> firstCol(size_t(nmX), 0), at(size_t(nmX), 0), count(size_t(nmX), 0);
    std::vector<float> weight;
    for (int32_t x = 0; x < nmX; ++x) {
        const Span& c = cols[size_t(x)];
        firstCol[size_t(x)] = c.first;
        at[size_t(x)] = int32_t(weight.size());
        count[size_t(x)] = int32_t(c.weights.size());
        weight.insert(weight.end(), c.weights.begin(), c.weights.end());
    }
    // Each pixel's sum, one lane per channel: every channel takes the same products in the same
    // order as one at a time would, so the bytes are the same.
    std::vector<float> acc(size_t(4 * nmX));
    // The source row as floats, with one more float for the fourth lane of the last pixel.
    std::vector<float> line(size_t(3 * bmX + 1), 0.0f);
    for (int32_t y = 0; y < nmY; ++y) {
        std::fill(acc.begin(), acc.end(), 0.0f);
        const Span& r = rows[size_t(y)];
        for (size_t k = 0; k < r.weights.size(); ++k) {
            const uint8_t* src = from.values.data() + size_t(r.first + int32_t(k)) * size_t(ss);
            const float rw = r.weights[k];
#if defined(__SSE2__)
            for (int32_t i = 0; i < 3 * bmX; ++i) line[size_t(i)] = float(src[i]);
#endif
            for (int32_t x = 0; x < nmX; ++x) {
                const float* cw = weight.data() + at[size_t(x)];
                float* a = acc.data() + 4 * size_t(x);
#if defined(__SSE2__)
                const float* p = line.data() + 3 * size_t(firstCol[size_t(x)]);
                __m128 sum = _mm_loadu_ps(a);
                for (int32_t j = 0; j < count[size_t(x)]; ++j, p += 3)
                    sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(cw[j] * rw), _mm_loadu_ps(p)));
                _mm_storeu_ps(a, sum);
#else
                const uint8_t* p = src + 3 * size_t(firstCol[size_t(x)]);
                for (int32_t j = 0; j < count[size_t(x)]; ++j, p += 3) {
                    const float wt = cw[j] * rw;
                    a[0] += wt * float(p[0]);
                    a[1] += wt * float(p[1]);
                    a[2] += wt * float(p[2]);
                }
#endif
            }
        }
        uint8_t* d = out.values.data() + size_t(y) * size_t(ds);
#if defined(__SSE2__)
        // Rounded to nearest even (the default mode) and clamped to 0..255 by saturation, as
        // toByte does for sums that stay far below 2^31.
        for (int32_t x = 0; x < nmX; ++x) {
            const __m128i n = _mm_cvtps_epi32(_mm_loadu_ps(acc.data() + 4 * size_t(x)));
            const uint32_t v = uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(_mm_packs_epi32(n, n), n)));
            std::memcpy(d + 3 * size_t(x), &v, 3);
        }
#else
        for (int32_t x = 0; x < nmX; ++x)
            for (int c = 0; c < 3; ++c) d[3 * x + c] = salon::toByte(acc[4 * size_t(x) + size_t(c)]);
#endif
    }
    to = std::move(out);
    return 1;
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
