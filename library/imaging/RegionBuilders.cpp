#include "RegionBuilders.h"

#include "platform/Numbers.h"

#include <cmath>

namespace pixol::regions {

using salon::Point;
using salon::Region;

namespace {

constexpr size_t QuadChunkPoints = 10000;
constexpr int64_t PolygonChunkPoints = 11999;

std::optional<int32_t> whole(float v)
{
    if (!(v > -2147483648.5f && v < 2147483647.5f)) return std::nullopt;  // NaN too
    return salon::roundHalfEven(v);
}

} // namespace

std::optional<std::vector<Point>> pointList(const salon::BoundedArray<float>& xs, const salon::BoundedArray<float>& ys,
                                            int32_t first, int32_t count)
{
    if (count < 0) return std::nullopt;
    if (count == 0) return std::vector<Point>{};
    const int32_t last = int32_t(int64_t(first) + count - 1);
    if (int64_t(first) + count - 1 > INT32_MAX || !xs.has(first) || !xs.has(last) || !ys.has(first) || !ys.has(last))
        return std::nullopt;
    std::vector<Point> pts;
    pts.reserve(size_t(count));
    for (int32_t i = 0; i < count; ++i) {
        auto x = whole(xs(first + i)), y = whole(ys(first + i));
        if (!x || !y) return std::nullopt;
        pts.push_back(Point{*x, *y});
    }
    return pts;
}

Region fromQuads(std::span<const Point> points)
{
    const size_t usable = points.size() / 4 * 4;
    Region out;
    for (size_t start = 0; start < usable; start += QuadChunkPoints) {
        const size_t n = std::min(QuadChunkPoints, usable - start);
        const std::vector<int32_t> counts(n / 4, 4);
        Region chunk = Region::polygons(points.subspan(start, n), counts, salon::FillRule::Winding);
        if (!chunk.isValid()) return Region::invalid();
        out.unite(chunk);
    }
    return out;
}

std::vector<PolygonChunk> polygonChunks(std::span<const int32_t> counts)
{
    std::vector<PolygonChunk> chunks;
    PolygonChunk cur;
    int64_t running = 0;
    size_t point = 0;
    for (size_t k = 0; k < counts.size(); ++k) {
        running += counts[k];
        if (running > PolygonChunkPoints && cur.count > 0) {
            chunks.push_back(cur);
            cur = PolygonChunk{k, 0, point, 0};
            running = counts[k];
        }
        ++cur.count;
        cur.points += size_t(counts[k]);
        point += size_t(counts[k]);
    }
    if (cur.count > 0) chunks.push_back(cur);
    return chunks;
}

Region fromPolygons(std::span<const Point> points, std::span<const int32_t> counts)
{
    int64_t total = 0;
    for (int32_t c : counts) {
        if (c < 2) return Region::invalid();
        total += c;
    }
    if (counts.empty() || total > int64_t(points.size())) return Region::invalid();
    Region out;
    bool firstChunk = true;
    for (const PolygonChunk& c : polygonChunks(counts)) {
        Region part = Region::polygons(points.subspan(c.firstPoint, c.points), counts.subspan(c.first, c.count),
                                       salon::FillRule::EvenOdd);
        if (!part.isValid()) return Region::invalid();
        out = firstChunk ? std::move(part) : out.xored(part);
        firstChunk = false;
    }
    return out;
}

std::optional<PolygonSet> polygonSet(const salon::BoundedArray<float>& xs, const salon::BoundedArray<float>& ys,
                                     const salon::LongArray& counts, int32_t polygons, int32_t pointCount)
{
    if (polygons < 1 || counts.lower != 0 || xs.lower != 0 || ys.lower != 0 || !counts.has(polygons - 1))
        return std::nullopt;
    PolygonSet set;
    int64_t total = 0;
    for (int32_t k = 0; k < polygons; ++k) {
        const int32_t c = counts(k);
        if (c < 2) return std::nullopt;
        total += c;
        set.counts.push_back(c);
    }
    if (total > INT32_MAX || (pointCount >= 0 && total > pointCount)) return std::nullopt;
    auto pts = pointList(xs, ys, 0, int32_t(total));
    if (!pts) return std::nullopt;
    set.points = std::move(*pts);
    return set;
}

} // namespace pixol::regions
