#include "library/imaging/OutlineTransforms.h"

#include "library/imaging/Transforms.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace pixol::outline {

namespace {
// Outlines are scanned only within this square: far beyond any picture a surface can hold, and
// small enough that a wild vertex cannot make the scan run for minutes.
constexpr salon::Rect OutlineReach{-65536, -65536, 65536, 65536};
} // namespace

bool valid(const PolygonSet& s)
{
    if (s.x.lower != 0 || s.y.lower != 0 || s.x.upper() < 3 || s.y.upper() < 3) return false;
    if (s.counts.lower != 0 || s.counts.upper() < 1) return false;
    if (s.polygons < 1 || s.polygons > s.counts.size() || s.points < 2) return false;
    if (s.points > s.x.size() || s.points > s.y.size()) return false;
    int64_t sum = 0;
    for (int32_t k = 0; k < s.polygons; ++k) {
        if (s.counts(k) < 2) return false;
        sum += s.counts(k);
    }
    return sum == s.points;
}

Mapped map(const PolygonSet& s, const std::function<void(float&, float&)>& vertex)
{
    Mapped m;
    m.x.assign(s.x.values.begin(), s.x.values.begin() + s.points);
    m.y.assign(s.y.values.begin(), s.y.values.begin() + s.points);
    std::vector<salon::Point> pts(size_t(s.points));
    for (size_t i = 0; i < pts.size(); ++i) {
        vertex(m.x[i], m.y[i]);
        if (!std::isfinite(m.x[i]) || !std::isfinite(m.y[i]) || std::fabs(m.x[i]) > 1e9f || std::fabs(m.y[i]) > 1e9f) {
            m.region = salon::Region::invalid();
            return m;
        }
        pts[i] = {salon::roundHalfEven(m.x[i]), salon::roundHalfEven(m.y[i])};
    }
    const std::vector<int32_t> counts(s.counts.values.begin(), s.counts.values.begin() + s.polygons);
    m.region = salon::Region::polygons(pts, counts, salon::FillRule::EvenOdd, OutlineReach);
    return m;
}

void commit(PolygonSet& s, const Mapped& m)
{
    std::copy(m.x.begin(), m.x.end(), s.x.values.begin());
    std::copy(m.y.begin(), m.y.end(), s.y.values.begin());
}

bool rotate(const salon::Surface& obj, const salon::Region& reference, const PolygonSet& set, float u,
            int32_t colourDepth, RotationOutcome& out)
{
    out.picture = obj;
    int32_t w, h;
    if (!transforms::sizeOf(out.picture, w, h) || w < 2 || h < 2 || !std::isfinite(u)) return false;
    transforms::Rotated r;
    if (!transforms::rotatePixels(transforms::readType3(out.picture, colourDepth), u, r)) return false;

    const float c = std::cos(u), s = std::sin(u);
    float cnX = r.dX, cnY = r.dY;
    if (cnX == 0.0f && cnY == 0.0f) {
        // No shift from the picture (no turn to speak of): the outline's box keeps its top-left.
        const salon::Rect b = reference.bounds();
        float minX = 0, minY = 0;
        bool first = true;
        for (const salon::Point p : {salon::Point{b.left, b.top}, salon::Point{b.right, b.top},
                                     salon::Point{b.left, b.bottom}, salon::Point{b.right, b.bottom}}) {
            const float x = float(p.x) * c - float(p.y) * s, y = float(p.x) * s + float(p.y) * c;
            minX = first ? x : std::min(minX, x);
            minY = first ? y : std::min(minY, y);
            first = false;
        }
        cnX = float(b.left) - minX;
        cnY = float(b.top) - minY;
    }
    const Mapped turned = map(set, [&](float& x, float& y) {
        const float nx = x * c - y * s + cnX, ny = x * s + y * c + cnY;
        x = nx;
        y = ny;
    });
    if (!turned.region.isValid() || turned.region.isEmpty()) return false;
    const salon::Rect b = turned.region.bounds();
    const int32_t nw = r.pixels.width, nh = r.pixels.height;
    const int32_t x0 = std::max(b.left - 1, 0), y0 = std::max(b.top - 1, 0);
    const int32_t x1 = std::min(b.right + 1, nw - 1), y1 = std::min(b.bottom + 1, nh - 1);
    if (x1 <= x0 || y1 <= y0) return false;
    salon::Bitmap cut = salon::Bitmap::rgb24(x1 - x0, y1 - y0);
    for (int32_t y = 0; y < cut.height; ++y)
        std::copy_n(r.pixels.row(y + y0) + 3 * x0, size_t(3 * cut.width), cut.row(y));
    if (!transforms::replaceWith(out.picture, cut)) return false;

    // Half a pixel of the turned outline falls on the side the turn pushes it to; the quadrant of
    // the angle says which.
    float o = 0, p = 0;
    if (s > 0 && c > 0) o = s;
    else if (s > 0 && c < 0) { o = 1; p = -c; }
    else if (s < 0 && c < 0) { o = -c; p = 1; }
    else if (s < 0 && c > 0) p = -s;
    // The offset applies to the turned vertices, not the caller's.
    Mapped moved;
    moved.x = turned.x;
    moved.y = turned.y;
    std::vector<salon::Point> pts(moved.x.size());
    const float mx = o - float(x0), my = p - float(y0);
    for (size_t i = 0; i < pts.size(); ++i) {
        moved.x[i] += mx;
        moved.y[i] += my;
        pts[i] = {salon::roundHalfEven(moved.x[i]), salon::roundHalfEven(moved.y[i])};
    }
    const std::vector<int32_t> counts(set.counts.values.begin(), set.counts.values.begin() + set.polygons);
    moved.region = salon::Region::polygons(pts, counts, salon::FillRule::EvenOdd, OutlineReach);
    if (!moved.region.isValid() || moved.region.isEmpty()) return false;
    out.outline = std::move(moved);
    out.dX = ((x1 - x0) - w) / 2;
    out.dY = ((y1 - y0) - h) / 2;
    return true;
}

} // namespace pixol::outline
