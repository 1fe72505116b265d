// Rotation by any angle: every pixel under the rotated outline (grown by 2 pixels) takes the
// bilinear mix of its four source neighbours. The left and upper weights carry 0.996 so that the
// sum stays below 256 and a byte never wraps.
#include "library/imaging/PixelArrays.h"
#include "library/imaging/Transforms.h"

#include "platform/Bilinear.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace pixol::transforms {

namespace {
// Growth by n diagonal steps: each step unites the region with its four diagonal moves, taken of
// the region as it was at the start of the step (for any region wider than a pixel: a square).
salon::Region grownDiagonally(const salon::Region& r, int32_t n)
{
    salon::Region a = r;
    for (int32_t step = 0; step < n; ++step) {
        const salon::Region start = a;
        for (const salon::Point d : {salon::Point{-1, -1}, salon::Point{-1, 1}, salon::Point{1, 1}, salon::Point{1, -1}})
            a.unite(start.offsetted(d.x, d.y));
    }
    return a;
}

// Where the rotated picture (rw x rh, the array less its extra column and row) and a W x H object
// overlap when the one is centred on the other: `from` in the rotated picture, `to` in the object.
struct CentredWindow {
    int32_t fromX, fromY, toX, toY, width, height;
};
CentredWindow centred(int32_t w, int32_t h, int32_t rw, int32_t rh)
{
    CentredWindow c{};
    c.toX = rw < w ? (w - rw) / 2 : 0;
    c.toY = rh < h ? (h - rh) / 2 : 0;
    c.fromX = w < rw ? (rw - w) / 2 : 0;
    c.fromY = h < rh ? (rh - h) / 2 : 0;
    c.width = std::min(w - c.toX, rw - c.fromX);
    c.height = std::min(h - c.toY, rh - c.fromY);
    return c;
}

bool rotateInto(const salon::Bitmap& picture, float u, Rotated& out, salon::PixelKernel kernel, bool centredOnly);
} // namespace

bool rotatePixels(const salon::Bitmap& picture, float u, Rotated& out)
{
    static const salon::PixelKernel fastest = salon::fastestPixelKernel();
    return rotatePixels(picture, u, out, fastest);
}

bool rotatePixels(const salon::Bitmap& picture, float u, Rotated& out, salon::PixelKernel kernel)
{
    return rotateInto(picture, u, out, kernel, false);
}

namespace {
// centredOnly: only the pixels that show when the result is centred on a W x H object are mixed;
// the rest of the array stays black.
bool rotateInto(const salon::Bitmap& picture, float u, Rotated& out, salon::PixelKernel kernel, bool centredOnly)
{
    const int32_t w = picture.width, h = picture.height;
    if (w < 1 || h < 1 || !std::isfinite(u)) return false;
    // The source with a one-pixel black frame (and one more column and row, which the mix at the
    // far edge reads with weight 0).
    const int32_t aw = w + 3, ah = h + 3, as = salon::rowBytes24(aw);
    // Four bytes beyond the last row: the vector form reads a pixel four bytes at a time.
    std::vector<uint8_t> a(size_t(as) * size_t(ah) + 4, 0);
#if defined(__SSE2__)
    const bool vector = kernel != salon::PixelKernel::Plain;
#else
    const bool vector = false;
#endif
    for (int32_t y = 0; y < h; ++y)
        std::copy_n(picture.row(y), size_t(3 * w), a.data() + size_t(y + 1) * size_t(as) + 3);

    const float c = std::cos(u), s = std::sin(u);
    const float cx[4] = {0, float(w - 1), 0, float(w - 1)}, cy[4] = {0, 0, float(h - 1), float(h - 1)};
    float rx[4], ry[4];
    float minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int k = 0; k < 4; ++k) {
        rx[k] = cx[k] * c - cy[k] * s;
        ry[k] = cx[k] * s + cy[k] * c;
        minX = std::min(minX, rx[k]);
        maxX = std::max(maxX, rx[k]);
        minY = std::min(minY, ry[k]);
        maxY = std::max(maxY, ry[k]);
    }
    out.dX = -minX;
    out.dY = -minY;
    const int32_t nw = salon::roundHalfEven(maxX - minX + 2.0f), nh = salon::roundHalfEven(maxY - minY + 2.0f);
    out.pixels = salon::Bitmap::rgb24(nw, nh);

    // Corners in outline order (0,0), (W-1,0), (W-1,H-1), (0,H-1).
    const int order[4] = {0, 1, 3, 2};
    salon::Point quad[4];
    for (int k = 0; k < 4; ++k)
        quad[k] = {salon::roundHalfEven(rx[order[k]] + out.dX), salon::roundHalfEven(ry[order[k]] + out.dY)};
    salon::Region cover = grownDiagonally(salon::Region::polygon(quad, salon::FillRule::EvenOdd), 2);
    if (centredOnly) {
        const CentredWindow c = centred(w, h, nw - 1, nh - 1);
        cover.intersect(salon::Region::rect(c.fromX, c.fromY, c.fromX + c.width, c.fromY + c.height));
    } else {
        cover.intersect(salon::Region::rect(0, 0, nw, nh));
    }
    if (!cover.isValid()) return false;

    for (const salon::Rect& r : cover.rects())
        for (int32_t y = r.top; y < r.bottom; ++y) {
            uint8_t* dst = out.pixels.row(y);
            const int32_t yr = salon::roundHalfEven(float(y) - out.dY);
            for (int32_t x = r.left; x < r.right; ++x) {
                const int32_t xr = salon::roundHalfEven(float(x) - out.dX);
                const float k = float(xr) * c + float(yr) * s + 1.0f;
                const float l = float(yr) * c - float(xr) * s + 1.0f;
                if (!(k >= 0.0f) || !(l >= 0.0f)) continue;
                const int32_t m = salon::fix(k), n = salon::fix(l);
                if (m > w + 1 || n > h + 1) continue;
                const float fx = k - float(m), fy = l - float(n);
                const float p = (1.0f - fx) * 0.996f, q = (1.0f - fy) * 0.996f;
                const uint8_t* a0 = a.data() + size_t(n) * size_t(as) + 3 * size_t(m);
                // The library's formula multiplies the weights first: (P R) A + (fx R) B + ...
                constexpr salon::BilinearOrder weightsFirst = salon::BilinearOrder::WeightsFirst;
#if defined(__SSE2__)
                if (vector) {
                    // A fourth byte (0) may go to the next pixel of the span, which is written
                    // after this one or stays black.
                    salon::bilinearSse2<weightsFirst>(a0, size_t(as), fx, fy, p, q, dst + 3 * x, x + 1 < r.right);
                    continue;
                }
#endif
                salon::bilinearPlain<weightsFirst>(a0, size_t(as), fx, fy, p, q, dst + 3 * x);
            }
        }
    return true;
}
} // namespace

int32_t rotate(salon::Surface& obj, float u, float& dX, float& dY, bool resize, int32_t colourDepth)
{
    int32_t w, h;
    if (!sizeOf(obj, w, h)) return 0;
    Rotated r;
    static const salon::PixelKernel fastest = salon::fastestPixelKernel();
    if (!rotateInto(readType3(obj, colourDepth), u, r, fastest, !resize)) return 0;
    dX = r.dX;
    dY = r.dY;
    const int32_t nw = r.pixels.width, nh = r.pixels.height;
    if (resize) {
        // The extra column and row of the rotated array are left out: the rows are written into an
        // object one pixel smaller each way, which takes what fits.
        if (!pixels::clearSized(obj, std::max(nw - 1, 1), std::max(nh - 1, 1)) || !obj.writeRows(r.pixels)) return 0;
        obj.keepImage();
        return 1;
    }
    // The rotated picture (NW - 1 wide) centred on the W x H object.
    salon::Bitmap result = salon::Bitmap::rgb24(w, h);
    const CentredWindow c = centred(w, h, nw - 1, nh - 1);
    for (int32_t y = 0; y < c.height; ++y)
        std::copy_n(r.pixels.row(y + c.fromY) + 3 * c.fromX, size_t(3 * c.width), result.row(y + c.toY) + 3 * c.toX);
    return replaceWith(obj, result) ? 1 : 0;
}

} // namespace pixol::transforms
