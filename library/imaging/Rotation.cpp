// Rotation by any angle: every pixel under the rotated outline (grown by 2 pixels) takes the
// bilinear mix of its four source neighbours. The left and upper weights carry 0.996 so that the
// sum stays below 256 and a byte never wraps.
#include "library/imaging/PictureBasics.h"
#include "library/imaging/Transforms.h"

#include "platform/Numbers.h"
#include "platform/RotationKernels.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

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

// The source with a one-pixel black frame and one more column and row, which the mix at the far
// edge reads with weight 0; `keep` masks every channel (a 15/16-bit display's reduction, or all
// bits).
struct Framed {
    std::vector<uint8_t> bytes;
    int32_t rowBytes = 0;
};
Framed framed(const salon::Bitmap& picture, const uint8_t keep[3])
{
    const int32_t w = picture.width, h = picture.height;
    Framed f;
    f.rowBytes = salon::rowBytes24(w + 3);
    f.bytes.assign(size_t(f.rowBytes) * size_t(h + 3), 0);
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* s = picture.row(y);
        uint8_t* d = f.bytes.data() + size_t(y + 1) * size_t(f.rowBytes) + 3;
        if (keep[0] == 255 && keep[1] == 255 && keep[2] == 255) {
            std::memcpy(d, s, size_t(3) * size_t(w));
            continue;
        }
        for (int32_t i = 0; i < 3 * w; i += 3) {
            d[i] = s[i] & keep[0];
            d[i + 1] = s[i + 1] & keep[1];
            d[i + 2] = s[i + 2] & keep[2];
        }
    }
    return f;
}

// The rotation of a W x H picture by u: the array's size, where the rotated origin lies in it and
// the pixels the mix reaches.
struct Turn {
    int32_t w = 0, h = 0, nw = 0, nh = 0;
    float c = 1, s = 0, dX = 0, dY = 0;
    salon::Region cover;
};
bool turnOf(int32_t w, int32_t h, float u, Turn& t)
{
    if (w < 1 || h < 1 || !std::isfinite(u)) return false;
    t.w = w;
    t.h = h;
    t.c = std::cos(u);
    t.s = std::sin(u);
    const float cx[4] = {0, float(w - 1), 0, float(w - 1)}, cy[4] = {0, 0, float(h - 1), float(h - 1)};
    float rx[4], ry[4];
    float minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int k = 0; k < 4; ++k) {
        rx[k] = cx[k] * t.c - cy[k] * t.s;
        ry[k] = cx[k] * t.s + cy[k] * t.c;
        minX = std::min(minX, rx[k]);
        maxX = std::max(maxX, rx[k]);
        minY = std::min(minY, ry[k]);
        maxY = std::max(maxY, ry[k]);
    }
    t.dX = -minX;
    t.dY = -minY;
    t.nw = salon::roundHalfEven(maxX - minX + 2.0f);
    t.nh = salon::roundHalfEven(maxY - minY + 2.0f);
    // Corners in outline order (0,0), (W-1,0), (W-1,H-1), (0,H-1).
    const int order[4] = {0, 1, 3, 2};
    salon::Point quad[4];
    for (int k = 0; k < 4; ++k)
        quad[k] = {salon::roundHalfEven(rx[order[k]] + t.dX), salon::roundHalfEven(ry[order[k]] + t.dY)};
    t.cover = grownDiagonally(salon::Region::polygon(quad, salon::FillRule::EvenOdd), 2);
    return true;
}

// The mix of every pixel of `t.cover` within `window` (array coordinates), written to `out` with
// array pixel (x, y) at out pixel (x + toX, y + toY). `out` starts black.
bool mix(const Framed& src, const Turn& t, const salon::Rect& window, salon::Bitmap& out, int32_t toX, int32_t toY,
         salon::PixelKernel kernel)
{
    salon::Region cover = t.cover;
    cover.intersect(salon::Region::rect(window.left, window.top, window.right, window.bottom));
    if (!cover.isValid()) return false;
    // Destination (x, y) takes xr = round(x - dX), yr = round(y - dY) of the turned picture and
    // samples the framed source at k = xr c + yr s + 1, l = yr c - xr s + 1, when both are at least 0
    // and the pairs fix(k), fix(k) + 1 and fix(l), fix(l) + 1 lie in the array.
    salon::RotationSampling f{};
    f.source = src.bytes.data();
    f.sourceRowBytes = size_t(src.rowBytes);
    f.sourceBytes = src.bytes.size();
    f.c = t.c;
    f.s = t.s;
    f.shiftX = t.dX;
    f.addX = f.addY = 1.0f;
    f.subX = f.subY = 0.0f;
    f.lowest = 0.0f;
    f.lowIndex = 0;
    f.highX = t.w + 1;
    f.highY = t.h + 1;
    f.origin = 0;
    // The library's formula multiplies the weights first: (P R) A + (fx R) B + ...
    f.order = salon::BilinearOrder::WeightsFirst;
    for (const salon::Rect& r : cover.rects())
        for (int32_t y = r.top; y < r.bottom; ++y) {
            const float yr = float(salon::roundHalfEven(float(y) - t.dY));
            uint8_t* dst = out.row(y + toY) + size_t(3) * size_t(r.left + toX);
            salon::rotateSpan(f, yr, r.left, r.right, dst, kernel);
        }
    return true;
}

uint8_t const keepAll[3] = {255, 255, 255};
uint8_t const keepReduced[3] = {248, 252, 248};

salon::PixelKernel fastestKernel()
{
    static const salon::PixelKernel fastest = salon::fastestPixelKernel();
    return fastest;
}
} // namespace

bool rotatePixels(const salon::Bitmap& picture, float u, Rotated& out)
{
    return rotatePixels(picture, u, out, fastestKernel());
}

bool rotatePixels(const salon::Bitmap& picture, float u, Rotated& out, salon::PixelKernel kernel)
{
    Turn t;
    if (picture.bitsPerPixel != 24 || !turnOf(picture.width, picture.height, u, t)) return false;
    out.dX = t.dX;
    out.dY = t.dY;
    out.pixels = salon::Bitmap::rgb24(t.nw, t.nh);
    return mix(framed(picture, keepAll), t, salon::Rect{0, 0, t.nw, t.nh}, out.pixels, 0, 0, kernel);
}

int32_t rotate(salon::Surface& obj, float u, float& dX, float& dY, bool resize, int32_t colourDepth)
{
    int32_t w, h;
    Turn t;
    if (!sizeOf(obj, w, h) || !turnOf(w, h, u, t)) return 0;
    const salon::Bitmap& image = obj.image();
    if (image.bitsPerPixel != 24 || image.width != w || image.height != h) return 0;
    // Read straight from the drawn image, as a type 3 read gives it.
    const bool reduced = colourDepth == 15 || colourDepth == 16;
    const Framed src = framed(image, reduced ? keepReduced : keepAll);
    salon::Bitmap result;
    if (resize) {
        // The extra column and row of the rotated array are left out: the object, one pixel
        // smaller each way, takes what fits.
        const int32_t rw = std::max(t.nw - 1, 1), rh = std::max(t.nh - 1, 1);
        result = salon::Bitmap::rgb24(rw, rh);
        if (!mix(src, t, salon::Rect{0, 0, rw, rh}, result, 0, 0, fastestKernel())) return 0;
    } else {
        // The rotated picture (NW - 1 wide) centred on the W x H object, on black.
        const CentredWindow c = centred(w, h, t.nw - 1, t.nh - 1);
        result = salon::Bitmap::rgb24(w, h);
        const salon::Rect window{c.fromX, c.fromY, c.fromX + c.width, c.fromY + c.height};
        if (!mix(src, t, window, result, c.toX - c.fromX, c.toY - c.fromY, fastestKernel())) return 0;
    }
    if (!takeImage(obj, std::move(result))) return 0;
    obj.keepImage();
    dX = t.dX;
    dY = t.dY;
    return 1;
}

} // namespace pixol::transforms
