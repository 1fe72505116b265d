#include "library/imaging/ScaleWithShape.h"

#include "library/imaging/PixelArrays.h"
#include "library/imaging/Transforms.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pixol::shapes {

salon::Region nonBlack(const salon::Bitmap& picture)
{
    std::vector<salon::Rect> runs;
    for (int32_t y = 0; y < picture.height; ++y) {
        const uint8_t* row = picture.row(y);
        int32_t x = 0;
        while (x < picture.width) {
            auto in = [&](int32_t i) { return row[3 * i] > 7 || row[3 * i + 1] > 7 || row[3 * i + 2] > 7; };
            while (x < picture.width && !in(x)) ++x;
            const int32_t x0 = x;
            while (x < picture.width && in(x)) ++x;
            if (x > x0) runs.push_back({x0, y, x, y + 1});
        }
    }
    return salon::Region::fromRects(runs);
}

salon::Region shrunkOctagon(const salon::Region& r, int32_t n)
{
    salon::Region a = r;
    for (int32_t i = 1; i <= n && !a.isEmpty(); ++i) {
        const salon::Region start = a;
        static const salon::Point diagonal[4] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}};
        static const salon::Point cross[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
        for (const salon::Point d : (i % 2 == 1) ? diagonal : cross) a.intersect(start.offsetted(d.x, d.y));
    }
    return a;
}

bool scaleWithShape(salon::Surface& obj, float dpX, float dpY, int32_t edge, int32_t colourDepth,
                    salon::Region& shape, EdgePoints& pts)
{
    if (!(dpX >= 0.04f && dpX <= 20.0f && dpY >= 0.04f && dpY <= 20.0f) || edge < 1 || edge > 16) return false;
    int32_t w, h;
    if (!transforms::sizeOf(obj, w, h)) return false;
    // An even width first: an odd one loses its last column.
    if (w % 2 != 0) {
        int32_t nx, ny;
        float fx, fy;
        if (!transforms::fitObject(obj, 1, 0, 0, nx, ny, fx, fy)) return false;
        w = nx;
        h = ny;
    }
    if (w < 2) return false;
    const float fw = float(w) * dpX, fh = float(h) * dpY;
    int32_t nw = salon::fix(fw);
    if (nw % 2 != 0) nw += 1;
    const int32_t nh = salon::roundHalfEven(fh);
    if (nw < 2 || nh < 1 || int64_t(nw) * nh > (int64_t(64) << 20)) return false;
    const float sx = float(nw) / float(w), sy = float(nh) / float(h);

    // The shape scaled as its outline would be: every rectangle corner scaled and rounded, which
    // gives the pixels of the scaled boundary polygons filled even-odd.
    const salon::Bitmap before = transforms::readType3(obj, colourDepth);
    const salon::Region r = nonBlack(obj.readRows());
    if (!r.isValid() || r.isEmpty()) return false;
    salon::Region s = salon::Region::fromData(r.data(), salon::Region::Transform{sx, 0, 0, sy, 0, 0});
    s.intersect(salon::Region::rect(0, 0, nw, nh));
    if (!s.isValid() || s.isEmpty()) return false;

    salon::ByteArray from, to;
    pixels::fromBitmap(before, from);
    if (!transforms::resample(w, h, nw, nh, from, to)) return false;
    if (!pixels::obnovObrPole(obj, nw, nh, to, 0)) return false;
    const salon::Bitmap after = pixels::toBitmap(to, nw, nh);

    auto bytes = [&](int32_t x, int32_t y) { return after.row(y) + 3 * x; };
    int64_t sum = 0, count = 0;
    for (const salon::Rect& q : s.rects())
        for (int32_t y = q.top; y < q.bottom; ++y)
            for (int32_t x = q.left; x < q.right; ++x) {
                const uint8_t* p = bytes(x, y);
                sum += p[0] + p[1] + p[2];
                ++count;
            }
    pts.mean = salon::roundHalfEven(double(sum) / 3.0 / double(count));

    salon::Region inner = shrunkOctagon(s, edge);
    // A shape thinner than the band is all edge.
    const salon::Region band = inner.isEmpty() ? s : s.subtracted(inner);
    int64_t n = 0;
    for (const salon::Rect& q : band.rects()) n += int64_t(q.width()) * q.height();
    if (n < 1 || n > (int64_t(64) << 20)) return false;
    pts.count = int32_t(n);
    pts.x.redim(1, pts.count);
    pts.y.redim(1, pts.count);
    pts.colour.redim(1, pts.count);
    pts.brightness.redim(1, pts.count);
    int32_t i = 1;
    for (const salon::Rect& q : band.rects())
        for (int32_t y = q.top; y < q.bottom; ++y)
            for (int32_t x = q.left; x < q.right; ++x, ++i) {
                const uint8_t* p = bytes(x, y);
                const int32_t v = salon::roundHalfEven(float(p[0] + p[1] + p[2]) / 3.0f);
                pts.x(i) = x;
                pts.y(i) = y;
                pts.colour(i) = int32_t(salon::packRgb(p[2], p[1], p[0]));
                // Checked before dividing, so a mean of 0 gives 2 instead of a division by zero.
                pts.brightness(i) = v >= 2 * pts.mean ? 2.0f : float(v) / float(pts.mean);
            }
    shape = std::move(s);
    return true;
}

} // namespace pixol::shapes
