// The polygon scan splits edges by the clip and jumps over repeated rows; whatever the points, it
// must give the pixels of the plainest scan there is: every row of the clip, every edge, crossings
// sorted and paired. Seeded random sets of every kind of wildness are compared with that walk.
#include "platform/Region.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>
#include <random>
#include <span>
#include <utility>
#include <vector>

using namespace salon;

namespace {

__extension__ typedef __int128 Int128;

struct PolygonSet {
    std::vector<Point> points;
    std::vector<int32_t> counts;
};

// First pixel column at or right of where the edge a-b (a.y < b.y) crosses row y.
int64_t crossingOf(Point a, Point b, int64_t y)
{
    const Int128 num = Int128(y - a.y) * (int64_t(b.x) - a.x), den = int64_t(b.y) - a.y;
    Int128 q = num / den;
    if (num % den != 0 && num > 0) ++q;
    return a.x + int64_t(q);
}

// Row by row over the whole clip, every edge of every polygon on every row.
Region walkedScan(const PolygonSet& set, FillRule rule, const Rect& clip)
{
    std::vector<Rect> rects;
    std::vector<std::pair<int64_t, int>> xs;
    for (int64_t y = clip.top; y < clip.bottom; ++y) {
        xs.clear();
        size_t start = 0;
        for (int32_t c : set.counts) {
            for (int32_t i = 0; i < c; ++i) {
                Point a = set.points[start + size_t(i)], b = set.points[start + size_t((i + 1) % c)];
                int dir = 1;
                if (a.y > b.y) std::swap(a, b), dir = -1;
                if (a.y == b.y || y < a.y || y >= b.y) continue;
                xs.emplace_back(crossingOf(a, b, y), dir);
            }
            start += size_t(c);
        }
        std::sort(xs.begin(), xs.end());
        auto add = [&](int64_t l, int64_t r) {
            l = std::max<int64_t>(l, clip.left);
            r = std::min<int64_t>(r, clip.right);
            if (l < r) rects.push_back(Rect{int32_t(l), int32_t(y), int32_t(r), int32_t(y + 1)});
        };
        int wind = 0;
        int64_t from = 0;
        for (size_t k = 0; k < xs.size(); ++k) {
            if (rule == FillRule::EvenOdd) {
                if (k % 2 == 1) add(xs[k - 1].first, xs[k].first);
                continue;
            }
            const int before = wind;
            wind += xs[k].second;
            if (before == 0 && wind != 0) from = xs[k].first;
            else if (before != 0 && wind == 0) add(from, xs[k].first);
        }
    }
    return Region::fromRects(rects);
}

// A coordinate from one of several scales, so that edges pass the clip's sides at every angle:
// near the clip, a few hundred away, far away, and at the 32-bit limits.
int32_t wildCoordinate(std::mt19937& rng)
{
    switch (rng() % 4) {
    case 0: return int32_t(rng() % 61) - 30;
    case 1: return int32_t(rng() % 1201) - 600;
    case 2: return int32_t(int64_t(rng() % 2000001) - 1000000);
    default: return int32_t(rng());  // anywhere in the 32-bit plane
    }
}

PolygonSet randomSet(std::mt19937& rng, int polygons, int maxPoints, int32_t (*coordinate)(std::mt19937&))
{
    PolygonSet set;
    for (int p = 0; p < polygons; ++p) {
        const int n = 2 + int(rng() % uint32_t(maxPoints - 1));
        for (int i = 0; i < n; ++i) set.points.push_back(Point{coordinate(rng), coordinate(rng)});
        set.counts.push_back(n);
    }
    return set;
}

Rect randomClip(std::mt19937& rng)
{
    const int32_t l = int32_t(rng() % 81) - 40, t = int32_t(rng() % 81) - 40;
    return Rect{l, t, l + 1 + int32_t(rng() % 90), t + 1 + int32_t(rng() % 90)};
}

void expectSameAsWalk(const PolygonSet& set, const Rect& clip, int round)
{
    for (FillRule rule : {FillRule::EvenOdd, FillRule::Winding}) {
        const Region scanned = Region::polygons(set.points, set.counts, rule, clip);
        ASSERT_TRUE(scanned.isValid()) << "round " << round;
        ASSERT_EQ(scanned, walkedScan(set, rule, clip)) << "round " << round << " rule " << int(rule);
    }
}

} // namespace

TEST(RegionScanWalk, WildPointsAtEveryScaleGiveTheWalkedPixels)
{
    std::mt19937 rng(202612);
    for (int round = 0; round < 600; ++round)
        expectSameAsWalk(randomSet(rng, 1 + int(rng() % 3), 40, wildCoordinate), randomClip(rng), round);
}

TEST(RegionScanWalk, ManyCrossingEdgesNearTheClipGiveTheWalkedPixels)
{
    // Dense sets around the clip: many edges enter and leave through its sides on nearby rows, and
    // rows repeat often enough for the scan to jump.
    std::mt19937 rng(77);
    auto near = [](std::mt19937& r) { return int32_t(r() % 241) - 120; };
    for (int round = 0; round < 150; ++round)
        expectSameAsWalk(randomSet(rng, 1 + int(rng() % 4), 300, near), randomClip(rng), round);
}

TEST(RegionScanWalk, SteepAndVerticalEdgesOverManyRowsGiveTheWalkedPixels)
{
    // Tall thin shapes whose crossings repeat for long runs of rows: the jumps must land exactly
    // on the rows where a crossing moves.
    std::mt19937 rng(3);
    auto tall = [](std::mt19937& r) { return int32_t(r() % 4001) - 2000; };
    for (int round = 0; round < 200; ++round) {
        PolygonSet set = randomSet(rng, 1 + int(rng() % 2), 8, tall);
        for (Point& p : set.points) p.x = int32_t(uint32_t(p.x) % 9);  // columns 0..8 only
        const Rect clip{-5, -400, 20, 400};
        expectSameAsWalk(set, clip, round);
    }
}

TEST(RegionScanWalk, ClipSidesInsideAndOutsideThePolygonAgree)
{
    // A square seen through clips that cut it on every side, hold it whole, or miss it.
    const PolygonSet square{{{0, 0}, {50, 0}, {50, 50}, {0, 50}}, {4}};
    for (const Rect clip : {Rect{10, 10, 20, 20}, Rect{-10, -10, 60, 60}, Rect{45, -5, 70, 5}, Rect{50, 0, 60, 50},
                            Rect{-20, 0, 0, 50}, Rect{0, 50, 50, 60}})
        expectSameAsWalk(square, clip, 0);
    EXPECT_EQ(Region::polygons(square.points, square.counts, FillRule::EvenOdd, Rect{10, 10, 20, 20}),
              Region::rect(10, 10, 20, 20));
}

TEST(RegionScanWalk, TwoHundredThousandWildPointsCostLittle)
{
    // Random points over the whole 32-bit plane, seen through a large picture-sized reach: once
    // the scan walked every active edge on each of the 130,000 rows, minutes of work.
    std::mt19937 rng(9);
    std::vector<Point> points(200000);
    for (Point& p : points) p = Point{int32_t(rng()), int32_t(rng())};
    const int32_t count = int32_t(points.size());
    const auto start = std::chrono::steady_clock::now();
    const Region r = Region::polygons(points, std::span<const int32_t>(&count, 1), FillRule::EvenOdd,
                                      Rect{-65536, -65536, 66000, 66000});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(r.isValid());
    EXPECT_LT(seconds, 10.0);
}
