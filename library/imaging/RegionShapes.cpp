#include "RegionShapes.h"

#include "RegionBuilders.h"
#include "RegionHandles.h"
#include "RegionToolkit.h"
#include "RegionTrace.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace pixol::regions {

using salon::Point;
using salon::Rect;
using salon::Region;

namespace {

bool polygonArraysFit(const SingleArray& xs, const SingleArray& ys, const LongArray& counts, int32_t polygons,
                      int32_t points)
{
    const bool pointArrays = xs.lower == 0 && ys.lower == 0 && xs.upper() >= 3 && ys.upper() >= 3;
    const bool countArray = counts.lower == 0 && (counts.upper() >= 1 || (counts.upper() == 0 && polygons == 1));
    return pointArrays && countArray && polygons >= 1 && polygons <= counts.size() && points >= 0 &&
           points <= xs.size() && points <= ys.size();
}

bool factorInRange(float f, float lo, float hi) { return f >= lo && f <= hi; }

// The data array of some rectangles of a region, with the bounding rectangle (0, 0, right, bottom)
// of the whole region.
std::vector<int32_t> dataOf(const std::vector<Rect>& rects, const Rect& box)
{
    std::vector<int32_t> d{32, 1, int32_t(rects.size()), int32_t(16 * rects.size()), 0, 0, box.right, box.bottom};
    d.reserve(8 + 4 * rects.size());
    for (const Rect& r : rects) d.insert(d.end(), {r.left, r.top, r.right, r.bottom});
    return d;
}

} // namespace

int32_t analyse(int32_t& h, SingleArray& xs, SingleArray& ys, LongArray& counts, int32_t& polygons, int32_t& points)
{
    auto fail = [&] {
        counts.redim(0, 0);
        polygons = 0;
        points = 0;
        return 0;
    };
    if (testRegion(h, 0) != 1) return fail();
    const std::vector<std::vector<Point>> loops = traceBoundary(*regionOf(h));
    size_t total = 0;
    for (const auto& l : loops) total += l.size();
    if (loops.empty() || total > size_t(INT32_MAX)) return fail();
    SingleArray nx, ny;
    LongArray nc;
    nx.redim(0, int32_t(total) - 1);
    ny.redim(0, int32_t(total) - 1);
    nc.redim(0, int32_t(loops.size()) - 1);
    size_t i = 0;
    for (size_t k = 0; k < loops.size(); ++k) {
        nc.values[k] = int32_t(loops[k].size());
        for (const Point& p : loops[k]) {
            nx.values[i] = float(p.x);
            ny.values[i] = float(p.y);
            ++i;
        }
    }
    xs = std::move(nx);
    ys = std::move(ny);
    counts = std::move(nc);
    polygons = int32_t(loops.size());
    points = int32_t(total);
    return 1;
}

int32_t transformShape(ShapeOp op, int32_t* h, SingleArray& xs, SingleArray& ys, const LongArray& counts,
                       int32_t polygons, int32_t points, const ShapeParams& p)
{
    if (!polygonArraysFit(xs, ys, counts, polygons, points)) return 0;
    // The counts are checked before any vertex moves.
    int64_t used = 0;
    for (int32_t k = 0; k < polygons; ++k) {
        if (counts(k) < 2) return 0;
        used += counts(k);
    }
    if (used > points) return 0;
    if (op == ShapeOp::Scale && !(factorInRange(p.x, 0.04f, 20.0f) && factorInRange(p.y, 0.04f, 20.0f))) return 0;
    if (op == ShapeOp::Flip && !p.flipX && !p.flipY) return 0;
    Rect box;
    if (op != ShapeOp::Set) {
        if (testRegion(*h, 0) != 1) return 0;
        box = regionOf(*h)->bounds();
    }
    const float l = float(box.left), t = float(box.top), r = float(box.right), b = float(box.bottom);
    float cnX = 0, cnY = 0, c = 1, s = 0;
    if (op == ShapeOp::Turn) {
        c = std::cos(p.angle);
        s = std::sin(p.angle);
        cnX = *p.cnX;
        cnY = *p.cnY;
        if (cnX == 0 && cnY == 0) {
            float minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
            for (auto [x, y] : {std::pair{l, t}, std::pair{r, t}, std::pair{r, b}, std::pair{l, b}}) {
                const float rx = x * c - y * s, ry = x * s + y * c;
                minX = std::min(minX, rx);
                maxX = std::max(maxX, rx);
                minY = std::min(minY, ry);
                maxY = std::max(maxY, ry);
            }
            if (p.corner) {
                cnX = l - minX;
                cnY = t - minY;
            } else {
                cnX = (l + r) / 2.0f - (minX + maxX) / 2.0f;
                cnY = (t + b) / 2.0f - (minY + maxY) / 2.0f;
            }
            *p.cnX = cnX;
            *p.cnY = cnY;
        }
    }
    const float sx = p.prX != 0 ? float(p.prX) : l + r, sy = p.prY != 0 ? float(p.prY) : t + b;
    for (int32_t i = 0; i < points; ++i) {
        const float x = xs(i), y = ys(i);
        float nx = x, ny = y;
        switch (op) {
        case ShapeOp::Set: break;
        case ShapeOp::Offset: nx = x + p.x; ny = y + p.y; break;
        case ShapeOp::Scale: nx = x * p.x; ny = y * p.y; break;
        case ShapeOp::Flip:
            if (p.flipX) nx = sx - x;
            if (p.flipY) ny = sy - y;
            break;
        case ShapeOp::Right: nx = sy - y; ny = x; break;
        case ShapeOp::Left: nx = y; ny = sx - x; break;
        case ShapeOp::Turn: nx = x * c - y * s + cnX; ny = x * s + y * c + cnY; break;
        case ShapeOp::Deform:
            nx = x * p.t1 + y * p.t2 + x * y * p.q1 + float(p.ddx);
            ny = x * p.t4 + y * p.t3 + x * y * p.q2 + float(p.ddy);
            break;
        }
        xs(i) = nx;
        ys(i) = ny;
    }
    auto set = polygonSet(xs, ys, counts, polygons, points);
    if (!set) return 0;
    int32_t made = handOut(fromPolygons(set->points, set->counts));
    testRegion(made, 0);
    return made;
}

int32_t scaleRegion(int32_t& h, float sx, float sy, bool novy)
{
    if (!factorInRange(sx, 0.04f, 20.0f) || !factorInRange(sy, 0.04f, 20.0f) || testRegion(h, 0) != 1) return 0;
    const std::vector<int32_t> data = regionOf(h)->data();
    if (data.size() * 4 < 36) return 0;
    Region scaled = Region::fromData(data, Region::Transform{sx, 0, 0, sy, 0, 0});
    if (!scaled.isValid() || scaled.isEmpty()) return 0;
    return deliver(h, std::move(scaled), novy);
}

int32_t flipRegion(int32_t& h, bool flipX, bool flipY, bool novy)
{
    if ((!flipX && !flipY) || testRegion(h, 0) != 1) return 0;
    const Region& r = *regionOf(h);
    const Rect box = r.bounds();
    std::vector<Rect> rects = r.rects();
    for (Rect& rc : rects) {
        if (flipX) rc = Rect{box.left + box.right - rc.right, rc.top, box.left + box.right - rc.left, rc.bottom};
        if (flipY) rc = Rect{rc.left, box.top + box.bottom - rc.bottom, rc.right, box.top + box.bottom - rc.top};
    }
    // Back to band order: a horizontal mirror reverses each band, a vertical one the bands.
    std::sort(rects.begin(), rects.end(),
              [](const Rect& x, const Rect& y) { return x.top != y.top ? x.top < y.top : x.left < y.left; });
    return deliver(h, Region::fromData(dataOf(rects, box)), novy);
}

std::vector<int32_t> labelParts(const std::vector<Rect>& rects, int32_t& partCount)
{
    // Union-find over the rectangles; each pair of touching rectangles is found once, by walking
    // the spans of two neighbouring bands side by side.
    std::vector<int32_t> parent(rects.size());
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](int32_t i) {
        while (parent[size_t(i)] != i) {
            parent[size_t(i)] = parent[size_t(parent[size_t(i)])];
            i = parent[size_t(i)];
        }
        return i;
    };
    std::vector<std::pair<size_t, size_t>> bands;  // [first, end)
    for (size_t i = 0; i < rects.size(); ++i)
        if (i == 0 || rects[i].top != rects[i - 1].top) bands.push_back({i, i + 1});
        else bands.back().second = i + 1;
    for (size_t k = 0; k + 1 < bands.size(); ++k) {
        auto [a, aEnd] = bands[k];
        auto [b, bEnd] = bands[k + 1];
        if (rects[a].bottom != rects[b].top) continue;
        while (a < aEnd && b < bEnd) {
            if (rects[a].left < rects[b].right && rects[b].left < rects[a].right) {
                const int32_t ra = find(int32_t(a)), rb = find(int32_t(b));
                if (ra != rb) parent[size_t(std::max(ra, rb))] = std::min(ra, rb);
            }
            if (rects[a].right < rects[b].right) ++a;
            else ++b;
        }
    }
    std::vector<int32_t> label(rects.size(), -1), partOfRoot(rects.size(), -1);
    partCount = 0;
    for (size_t i = 0; i < rects.size(); ++i) {
        const int32_t root = find(int32_t(i));
        if (partOfRoot[size_t(root)] < 0) partOfRoot[size_t(root)] = partCount++;
        label[i] = partOfRoot[size_t(root)];
    }
    return label;
}

int32_t splitParts(int32_t& h, int32_t& rest, float sx, float sy, LongArray& scaled, int32_t& count, LongArray& sizes,
                   LongArray& store)
{
    if (!factorInRange(sx, 0.1f, 5.0f) || !factorInRange(sy, 0.1f, 5.0f) || testRegion(h, 0) != 1) return 0;
    const Region& r = *regionOf(h);
    const std::vector<Rect> rects = r.rects();
    const Rect box = r.bounds();
    int32_t parts = 0;
    const std::vector<int32_t> label = labelParts(rects, parts);
    std::vector<std::vector<Rect>> byPart(static_cast<size_t>(parts));
    for (size_t i = 0; i < rects.size(); ++i) byPart[size_t(label[i])].push_back(rects[i]);

    std::vector<int32_t> scaledParts;
    std::vector<std::vector<int32_t>> kept;
    auto failAll = [&] {
        for (int32_t& s : scaledParts) release(s);
        return 0;
    };
    for (const std::vector<Rect>& part : byPart) {
        const std::vector<int32_t> data = dataOf(part, box);
        Region big = Region::fromData(data, Region::Transform{sx, 0, 0, sy, 0, 0});
        Region plain = Region::fromData(data);
        if (!big.isValid() || !plain.isValid()) return failAll();
        if (plain.isEmpty()) continue;
        if (big.isEmpty()) {
            // Too small to survive the scale: it goes to the caller's remainder region.
            int32_t piece = handOut(std::move(plain));
            if (combine(rest, piece, 12) == 0) release(piece);
            if (rest == 0) return failAll();
            continue;
        }
        scaledParts.push_back(handOut(std::move(big)));
        kept.push_back(plain.data());
    }
    count = int32_t(kept.size());
    const int32_t dim = std::max(count, int32_t(1));
    scaled.redim(1, dim);
    sizes.redim(1, dim);
    size_t total = 0;
    for (size_t k = 0; k < kept.size(); ++k) {
        scaled.values[k] = scaledParts[k];
        sizes.values[k] = int32_t(kept[k].size());
        total += kept[k].size();
    }
    store.redim(1, std::max(int32_t(total), int32_t(1)));
    size_t at = 0;
    for (const auto& d : kept) {
        std::copy(d.begin(), d.end(), store.values.begin() + ptrdiff_t(at));
        at += d.size();
    }
    return 1;
}

Region thickLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width)
{
    if (width < 1) return Region::invalid();
    const int32_t a = width / 2, b = width - a;
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    if (x1 == x2 || y1 == y2) {
        const Rect box{x1 - a, std::min(y1, y2) - a, x2 + b + 1, std::max(y1, y2) + b + 1};
        return Region::roundRect(box, width, width);
    }
    const float u = std::atan(float(y2 - y1) / float(x2 - x1));
    const float su = std::sin(u), cu = std::cos(u);
    const float h = (width == 1 || (width == 2 && u > 0)) ? float(b) + 0.5f : float(b);
    auto whole = [](float v) { return salon::roundHalfEven(v); };
    const Point p3{whole(float(x1) - h * su), whole(float(y1) + h * cu)};
    const Point p2{whole(float(x2) - h * su), whole(float(y2) + h * cu)};
    const float ox = (h + float(a)) * su, oy = -(h + float(a)) * cu;
    const Point p1{whole(float(p2.x) + ox), whole(float(p2.y) + oy)};
    const Point p0{whole(float(p3.x) + ox), whole(float(p3.y) + oy)};
    const Point quad[] = {p0, p1, p2, p3};
    Region r = Region::ellipse(Rect{x1 - a, y1 - a, x1 + b + 1, y1 + b + 1});
    r.unite(Region::ellipse(Rect{x2 - a, y2 - a, x2 + b + 1, y2 + b + 1}));
    r.unite(fromQuads(quad));
    return r;
}

int32_t line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width)
{
    int32_t made = handOut(thickLine(x1, y1, x2, y2, width));
    testRegion(made, 0);
    return made;
}

int32_t lineAdd(int32_t& h, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width)
{
    // The input is consumed whatever happens, so a caller that drops its handle never leaks it.
    Region base;
    if (const Region* r = regionOf(h)) base = *r;
    release(h);
    Region shape = thickLine(x1, y1, x2, y2, width);
    if (!shape.isValid()) return 0;
    int32_t made = handOut(base.united(shape));
    testRegion(made, 0);
    return made;
}

} // namespace pixol::regions
