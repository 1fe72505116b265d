#include "editor/engine/RegionMasks.h"

#include "editor/engine/Engine.h"
#include "platform/Surface.h"

#include <algorithm>

namespace salon {

namespace {

// The points and counts of polygons [first, last): the counts and the slice of points they use.
// False when the counts ask for more points than there are or a count is negative.
bool slice(const PolygonArrays& set, int32_t first, int32_t last, std::vector<Point>& points,
           std::vector<int32_t>& counts)
{
    int64_t start = 0;
    for (int32_t k = 0; k < first; ++k) start += set.counts[size_t(k)];
    int64_t total = 0;
    counts.assign(set.counts.begin() + first, set.counts.begin() + last);
    for (int32_t c : counts) {
        if (c < 0) return false;
        total += c;
    }
    if (start < 0 || start + total > int64_t(set.points.size())) return false;
    points.resize(size_t(total));
    for (int64_t i = 0; i < total; ++i) {
        const auto& p = set.points[size_t(start + i)];
        points[size_t(i)] = {p[0], p[1]};
    }
    return true;
}

bool usable(const PolygonArrays& set, int32_t n)
{
    return set.pointsBase == 0 && set.countsBase == 0 && n >= 0 && size_t(n) <= set.counts.size();
}

} // namespace

std::vector<std::pair<int32_t, int32_t>> PolygonBatches(std::span<const int32_t> counts, int32_t n)
{
    std::vector<std::pair<int32_t, int32_t>> batches;
    n = std::clamp<int32_t>(n, 0, int32_t(counts.size()));
    int32_t start = 0;
    int64_t total = 0;
    for (int32_t k = 0; k <= n; ++k) {
        if (k == n || total + counts[size_t(k)] >= PolygonBatchPoints) {
            if (k > start) batches.emplace_back(start, k);
            start = k;
            total = 0;
        }
        if (k < n) total += counts[size_t(k)];
    }
    return batches;
}

std::optional<Region> PolygonsToRgn(const PolygonArrays& set, int32_t n, std::optional<Rect> clip)
{
    const Rect within = clip.value_or(Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
    if (!usable(set, n)) return std::nullopt;
    std::vector<Point> points;
    std::vector<int32_t> counts;
    std::optional<Region> result;
    const int64_t lastIndex = int64_t(set.points.size()) - 1;
    if (lastIndex < PolygonBatchPoints) {
        if (!slice(set, 0, n, points, counts)) return std::nullopt;
        result = Region::polygons(points, counts, FillRule::EvenOdd, within);
    } else {
        // The platform's polygon fill is limited in points per call: fill in batches and combine
        // them by XOR, which is what the even-odd rule does across polygons anyway.
        for (auto [first, last] : PolygonBatches(set.counts, n)) {
            if (!slice(set, first, last, points, counts)) return std::nullopt;
            Region part = Region::polygons(points, counts, FillRule::EvenOdd, within);
            if (!part.isValid()) return std::nullopt;
            if (result) result->xorWith(part);
            else result = std::move(part);
        }
    }
    if (!KeepRgnIfFilled(result)) return std::nullopt;
    return result;
}

std::optional<Region> OutsideRgn(int32_t width, int32_t height, std::optional<Region>& region)
{
    if (!KeepRgnIfValid(region)) return std::nullopt;
    std::optional<Region> outside = Region::rect(0, 0, width, height).subtracted(*region);
    if (!KeepRgnIfValid(outside)) return std::nullopt;
    return outside;
}

void DrawPolygons(Surface& surface, const PolygonArrays& set, int32_t n)
{
    // At least four points and two count entries, as the program has always required.
    if (n < 1 || !usable(set, n) || set.points.size() < 4 || set.counts.size() < 2) return;
    std::vector<Point> points;
    std::vector<int32_t> counts;
    if (int64_t(set.points.size()) - 1 < PolygonBatchPoints) {
        if (slice(set, 0, n, points, counts)) surface.drawPolygons(points, counts, FillRule::EvenOdd);
        return;
    }
    for (auto [first, last] : PolygonBatches(set.counts, n)) {
        if (!slice(set, first, last, points, counts)) return;
        surface.drawPolygons(points, counts, FillRule::EvenOdd);
        surface.keepImage();
    }
}

bool RgnHasArea(std::optional<Region>& region)
{
    if (!region) return false;
    switch (region->kind()) {
    case Region::Kind::Simple:
    case Region::Kind::Complex: return true;
    case Region::Kind::Empty: return false;
    case Region::Kind::Invalid: break;
    }
    region.reset();
    return false;
}

bool KeepRgnIfValid(std::optional<Region>& region)
{
    if (region && region->isValid()) return true;
    region.reset();
    return false;
}

bool KeepRgnIfFilled(std::optional<Region>& region)
{
    if (region && (region->kind() == Region::Kind::Simple || region->kind() == Region::Kind::Complex)) return true;
    region.reset();
    return false;
}

// ---- the engine's forms, by surface index ----

std::optional<Region> Engine::OutsideRgn(int32_t index, std::optional<Region>& region) const
{
    if (!validIndex(index)) return std::nullopt;
    const Surface& s = Surfaces[size_t(index)];
    return salon::OutsideRgn(s.width(), s.height(), region);
}

void Engine::DrawPolygons(int32_t index, const dsl::PolygonSet& set)
{
    if (!validIndex(index)) return;
    salon::DrawPolygons(Surfaces[size_t(index)], PolygonArrays{set.points, set.counts},
                        int32_t(set.counts.size()));
}

} // namespace salon
