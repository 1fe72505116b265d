#include "RegionTrace.h"

#include <algorithm>
#include <cstdint>

namespace pixol::regions {

using salon::Point;
using salon::Rect;
using salon::Region;

namespace {

struct Edge {
    Point from, to;
    bool used = false;
};

struct Band {
    int32_t top, bottom;
    std::vector<std::pair<int32_t, int32_t>> spans;  // [left, right), sorted, neither overlapping nor touching
};

std::vector<Band> bandsOf(const Region& r)
{
    std::vector<Band> bands;
    for (const Rect& rc : r.rects()) {
        if (bands.empty() || bands.back().top != rc.top) bands.push_back(Band{rc.top, rc.bottom, {}});
        bands.back().spans.push_back({rc.left, rc.right});
    }
    return bands;
}

// The horizontal edges at height y between the coverage above and the coverage below: where only
// the lower band covers, a top edge running right; where only the upper one does, a bottom edge
// running left.
void horizontalEdges(int32_t y, const std::vector<std::pair<int32_t, int32_t>>& above,
                     const std::vector<std::pair<int32_t, int32_t>>& below, std::vector<Edge>& out)
{
    std::vector<int32_t> xs;
    for (auto [l, r] : above) xs.insert(xs.end(), {l, r});
    for (auto [l, r] : below) xs.insert(xs.end(), {l, r});
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    size_t ia = 0, ib = 0;
    auto covers = [](const std::vector<std::pair<int32_t, int32_t>>& s, size_t& i, int32_t x) {
        while (i < s.size() && s[i].second <= x) ++i;
        return i < s.size() && s[i].first <= x;
    };
    int32_t runStart = 0;
    int runKind = 0;  // 0 none, 1 top edge, -1 bottom edge
    for (size_t k = 0; k < xs.size(); ++k) {
        const int32_t x = xs[k];
        const bool a = covers(above, ia, x), b = covers(below, ib, x);
        const int kind = a == b ? 0 : b ? 1 : -1;
        if (kind == runKind) continue;
        if (runKind == 1) out.push_back(Edge{{runStart, y}, {x, y}});
        if (runKind == -1) out.push_back(Edge{{x, y}, {runStart, y}});
        runStart = x;
        runKind = kind;
    }
}

int turnRank(Point d0, Point d1)
{
    // Clockwise on the screen first, then straight on, then anticlockwise.
    const int64_t cross = int64_t(d0.x) * d1.y - int64_t(d0.y) * d1.x;
    return cross > 0 ? 0 : cross == 0 ? 1 : 2;
}

Point direction(const Edge& e)
{
    return Point{(e.to.x > e.from.x) - (e.to.x < e.from.x), (e.to.y > e.from.y) - (e.to.y < e.from.y)};
}

} // namespace

std::vector<std::vector<Point>> traceBoundary(const Region& r)
{
    std::vector<std::vector<Point>> loops;
    if (!r.isValid() || r.isEmpty()) return loops;
    const std::vector<Band> bands = bandsOf(r);
    std::vector<Edge> edges;
    static const std::vector<std::pair<int32_t, int32_t>> none;
    for (size_t i = 0; i < bands.size(); ++i) {
        const Band& b = bands[i];
        const bool joined = i > 0 && bands[i - 1].bottom == b.top;
        horizontalEdges(b.top, joined ? bands[i - 1].spans : none, b.spans, edges);
        for (auto [l, rt] : b.spans) {
            edges.push_back(Edge{{l, b.bottom}, {l, b.top}});
            edges.push_back(Edge{{rt, b.top}, {rt, b.bottom}});
        }
        const bool joinedBelow = i + 1 < bands.size() && bands[i + 1].top == b.bottom;
        if (!joinedBelow) horizontalEdges(b.bottom, b.spans, none, edges);
    }
    // Edges by their start point, so each corner finds its way on in logarithmic time.
    std::vector<size_t> byStart(edges.size());
    for (size_t i = 0; i < edges.size(); ++i) byStart[i] = i;
    auto key = [&](size_t i) { return std::pair{edges[i].from.y, edges[i].from.x}; };
    std::sort(byStart.begin(), byStart.end(), [&](size_t a, size_t b) { return key(a) < key(b); });

    // Top edges come first in edge order within a band, so loops start at a top-left corner.
    for (size_t s = 0; s < edges.size(); ++s) {
        if (edges[s].used) continue;
        std::vector<Point> loop;
        size_t cur = s;
        while (true) {
            Edge& e = edges[cur];
            e.used = true;
            loop.push_back(e.from);
            if (e.to == edges[s].from) break;
            const std::pair<int32_t, int32_t> at{e.to.y, e.to.x};
            auto it = std::lower_bound(byStart.begin(), byStart.end(), at,
                                       [&](size_t i, const std::pair<int32_t, int32_t>& k) { return key(i) < k; });
            size_t best = edges.size();
            for (; it != byStart.end() && key(*it) == at; ++it)
                if (!edges[*it].used &&
                    (best == edges.size() || turnRank(direction(e), direction(edges[*it])) <
                                                 turnRank(direction(e), direction(edges[best]))))
                    best = *it;
            if (best == edges.size()) break;  // cannot happen on a closed boundary
            cur = best;
        }
        // Keep the corners only.
        std::vector<Point> corners;
        const size_t n = loop.size();
        for (size_t i = 0; i < n; ++i) {
            const Point p = loop[(i + n - 1) % n], c = loop[i], q = loop[(i + 1) % n];
            const bool straight = (p.x == c.x && c.x == q.x) || (p.y == c.y && c.y == q.y);
            if (!straight) corners.push_back(c);
        }
        loops.push_back(std::move(corners));
    }
    return loops;
}

} // namespace pixol::regions
