// Polygon scan conversion: pixel (x, y) is in when the point (x, y) lies inside, points on left and
// top edges counting and points on right and bottom edges not.
#include "platform/Region.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace salon;

namespace {

// Independent of the span builder: a point test. Edges count for the half-open range of rows
// [top, bottom) and a crossing counts when it lies at or left of the point, compared exactly.
bool pointInside(const std::vector<Point>& pts, const std::vector<int32_t>& counts, FillRule rule, int64_t x,
                 int64_t y)
{
    int crossings = 0, winding = 0;
    size_t start = 0;
    for (int32_t c : counts) {
        for (int32_t i = 0; i < c; ++i) {
            Point a = pts[start + size_t(i)], b = pts[start + size_t((i + 1) % c)];
            int dir = 1;
            if (a.y == b.y) continue;
            if (a.y > b.y) {
                std::swap(a, b);
                dir = -1;
            }
            if (y < a.y || y >= b.y) continue;
            // crossing x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y) <= x
            int64_t lhs = int64_t(a.x) * (b.y - a.y) + (y - a.y) * (int64_t(b.x) - a.x);
            if (lhs <= x * (int64_t(b.y) - a.y)) {
                ++crossings;
                winding += dir;
            }
        }
        start += size_t(c);
    }
    return rule == FillRule::EvenOdd ? (crossings & 1) : winding != 0;
}

std::string picture(const Region& r, int w, int h)
{
    std::string s;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) s += r.contains(x, y) ? '#' : '.';
        s += '\n';
    }
    return s;
}

} // namespace

TEST(RegionScan, TriangleRowYHoldsTheFirstTenMinusYPixels)
{
    const Point tri[] = {{0, 0}, {10, 0}, {0, 10}};
    Region r = Region::polygon(tri, FillRule::EvenOdd);
    for (int y = -1; y <= 11; ++y)
        for (int x = -1; x <= 11; ++x)
            EXPECT_EQ(r.contains(x, y), y >= 0 && y < 10 && x >= 0 && x < 10 - y) << x << "," << y;
    EXPECT_EQ(r.bounds(), (Rect{0, 0, 10, 10}));
}

TEST(RegionScan, SlantedEdgesRoundToTheFirstPixelRightOfTheEdge)
{
    // Left edge from (0,0) to (3,9): crosses row y at x = y / 3, so row 4 starts at 2 (4/3 up).
    // Right edge from (10,0) to (13,9): row 4 ends before 12.
    const Point quad[] = {{0, 0}, {10, 0}, {13, 9}, {3, 9}};
    Region r = Region::polygon(quad, FillRule::EvenOdd);
    for (int y = 0; y < 9; ++y) {
        int first = (y + 2) / 3, end = 10 + (y + 2) / 3;
        for (int x = -1; x < 15; ++x) EXPECT_EQ(r.contains(x, y), x >= first && x < end) << x << "," << y;
    }
    EXPECT_FALSE(r.contains(5, 9));
}

TEST(RegionScan, RectanglePolygonCoversLeftTopInclusiveRightBottomExclusive)
{
    for (FillRule rule : {FillRule::EvenOdd, FillRule::Winding}) {
        // Either orientation, any starting corner.
        const Point cw[] = {{2, 3}, {7, 3}, {7, 8}, {2, 8}};
        const Point ccw[] = {{7, 8}, {7, 3}, {2, 3}, {2, 8}};
        EXPECT_EQ(Region::polygon(cw, rule), Region::rect(2, 3, 7, 8));
        EXPECT_EQ(Region::polygon(ccw, rule), Region::rect(2, 3, 7, 8));
        EXPECT_EQ(Region::polygon(cw, rule).kind(), Region::Kind::Simple);
    }
}

TEST(RegionScan, NestedSquaresMakeARingUnlessWindingAddsUp)
{
    const Point outerCw[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const Point innerCw[] = {{3, 3}, {7, 3}, {7, 7}, {3, 7}};
    const Point innerCcw[] = {{3, 3}, {3, 7}, {7, 7}, {7, 3}};
    const Region ring = Region::rect(0, 0, 10, 10).subtracted(Region::rect(3, 3, 7, 7));
    auto set = [&](const Point* inner) {
        std::vector<Point> p(std::begin(outerCw), std::end(outerCw));
        p.insert(p.end(), inner, inner + 4);
        return p;
    };
    const int32_t counts[] = {4, 4};
    EXPECT_EQ(Region::polygons(set(innerCw), counts, FillRule::EvenOdd), ring);
    EXPECT_EQ(Region::polygons(set(innerCcw), counts, FillRule::EvenOdd), ring);
    EXPECT_EQ(Region::polygons(set(innerCw), counts, FillRule::Winding), Region::rect(0, 0, 10, 10));
    EXPECT_EQ(Region::polygons(set(innerCcw), counts, FillRule::Winding), ring);
    EXPECT_EQ(ring.rects().size(), 4u);
}

TEST(RegionScan, SelfIntersectingStarHasAHoleOnlyUnderEvenOdd)
{
    const Point star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
    Region evenOdd = Region::polygon(star, FillRule::EvenOdd);
    Region winding = Region::polygon(star, FillRule::Winding);
    EXPECT_FALSE(evenOdd.contains(10, 10)) << picture(evenOdd, 21, 20);
    EXPECT_TRUE(winding.contains(10, 10)) << picture(winding, 21, 20);
    // The points of the star are in both; the difference is exactly the inner pentagon.
    EXPECT_TRUE(evenOdd.contains(10, 3));
    EXPECT_TRUE(evenOdd.contains(2, 7));
    Region pentagon = winding.subtracted(evenOdd);
    EXPECT_TRUE(evenOdd.intersected(pentagon).isEmpty());
    EXPECT_EQ(evenOdd.subtracted(winding).kind(), Region::Kind::Empty);
    EXPECT_TRUE(pentagon.contains(10, 10));
    EXPECT_FALSE(pentagon.contains(10, 3));
}

TEST(RegionScan, RandomPolygonSetsMatchThePointTest)
{
    std::mt19937 rng(20240611);
    for (int round = 0; round < 300; ++round) {
        std::uniform_int_distribution<int> nPolys(1, 3), nPts(3, 7), coord(-3, 24);
        std::vector<Point> pts;
        std::vector<int32_t> counts;
        for (int p = nPolys(rng); p > 0; --p) {
            int n = nPts(rng);
            counts.push_back(n);
            for (int i = 0; i < n; ++i) pts.push_back(Point{coord(rng), coord(rng)});
        }
        for (FillRule rule : {FillRule::EvenOdd, FillRule::Winding}) {
            Region r = Region::polygons(pts, counts, rule);
            ASSERT_TRUE(r.isValid());
            for (int y = -4; y <= 25; ++y)
                for (int x = -4; x <= 25; ++x)
                    ASSERT_EQ(r.contains(x, y), pointInside(pts, counts, rule, x, y))
                        << "round " << round << " rule " << int(rule) << " at " << x << "," << y;
        }
    }
}

TEST(RegionScan, DegenerateAndMalformedPolygonSets)
{
    const Point line[] = {{0, 0}, {10, 10}};
    EXPECT_TRUE(Region::polygon(line, FillRule::EvenOdd).isEmpty());
    const Point flat[] = {{0, 5}, {10, 5}, {20, 5}};
    EXPECT_TRUE(Region::polygon(flat, FillRule::Winding).isEmpty());

    const Point pts[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    const int32_t tooMany[] = {5};
    const int32_t tooFew[] = {3};
    const int32_t single[] = {1, 3};
    const int32_t negative[] = {-1, 5};
    EXPECT_FALSE(Region::polygons(pts, tooMany, FillRule::EvenOdd).isValid());
    EXPECT_FALSE(Region::polygons(pts, tooFew, FillRule::EvenOdd).isValid());
    EXPECT_FALSE(Region::polygons(pts, single, FillRule::EvenOdd).isValid());
    EXPECT_FALSE(Region::polygons(pts, negative, FillRule::EvenOdd).isValid());
    EXPECT_TRUE(Region::polygons({}, {}, FillRule::EvenOdd).isEmpty());
}

TEST(RegionScan, HugeCoordinatesDoNotOverflow)
{
    const Point tall[] = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {2000000000, 2000000000},
                          {-2000000000, 2000000000}};
    Region r = Region::polygon(tall, FillRule::EvenOdd);
    EXPECT_EQ(r, Region::rect(-2000000000, -2000000000, 2000000000, 2000000000));
    // A slanted edge whose product of spans exceeds 64 bits: row 0 of this triangle.
    const Point wide[] = {{-2000000000, -1}, {2000000000, -1}, {-2000000000, 1}};
    Region w = Region::polygon(wide, FillRule::EvenOdd);
    EXPECT_EQ(w.bounds(), (Rect{-2000000000, -1, 2000000000, 1}));
    EXPECT_TRUE(w.contains(-1, 0));
    EXPECT_FALSE(w.contains(0, 0));  // the slanted edge passes exactly through (0, 0)
    // Four billion rows of a steep spike hold only a few distinct spans; they must not be walked.
    const Point spike[] = {{0, -2000000000}, {3, 2000000000}, {-3, 2000000000}};
    Region sp = Region::polygon(spike, FillRule::EvenOdd);
    EXPECT_LE(sp.rectCount(), 8u);
    for (int x = -3; x <= 3; ++x) EXPECT_EQ(sp.contains(x, 0), x >= -1 && x <= 1) << x;
    EXPECT_FALSE(sp.contains(0, -2000000000)) << "the apex row has no width";
    EXPECT_TRUE(sp.contains(0, -1999999999));
    EXPECT_TRUE(sp.contains(2, 1999999999));
    EXPECT_FALSE(sp.contains(3, 1999999999));
}

TEST(RegionScan, ManySmallSquaresInOneSetEqualTheirUnion)
{
    // 12,000 points: 3,000 squares of 3 x 3 on a grid.
    std::vector<Point> pts;
    std::vector<int32_t> counts;
    std::vector<Rect> rects;
    for (int i = 0; i < 3000; ++i) {
        int x = (i % 60) * 5, y = (i / 60) * 4;
        pts.insert(pts.end(), {{x, y}, {x + 3, y}, {x + 3, y + 3}, {x, y + 3}});
        counts.push_back(4);
        rects.push_back(Rect{x, y, x + 3, y + 3});
    }
    EXPECT_EQ(Region::polygons(pts, counts, FillRule::EvenOdd), Region::fromRects(rects));
}

TEST(RegionScan, EllipsesKeepThePlatformExtentAndAreSymmetric)
{
    for (Rect box : {Rect{0, 0, 10, 10}, Rect{3, -2, 20, 7}, Rect{0, 0, 3, 40}, Rect{10, 10, 0, 0}}) {
        Region e = Region::ellipse(box);
        const int l = std::min(box.left, box.right), t = std::min(box.top, box.bottom);
        const int r = std::max(box.left, box.right) - 1, b = std::max(box.top, box.bottom) - 1;
        ASSERT_EQ(e.bounds(), (Rect{l, t, r, b})) << picture(e, 20, 40);
        for (int y = t; y < b; ++y) {
            int count = 0;
            for (int x = l; x < r; ++x) {
                count += e.contains(x, y);
                EXPECT_EQ(e.contains(x, y), e.contains(l + r - 1 - x, y));
                EXPECT_EQ(e.contains(x, y), e.contains(x, t + b - 1 - y));
            }
            EXPECT_GT(count, 0) << "row " << y;
        }
        const double area = 3.14159265 * (r - l) * (b - t) / 4.0;
        size_t n = 0;
        for (const Rect& rc : e.rects()) n += size_t(rc.width()) * size_t(rc.height());
        EXPECT_NEAR(double(n), area, 0.1 * area + (r - l) + (b - t));  // whole pixels along the rim
    }
}

TEST(RegionScan, RoundedRectanglesNotchOnlyTheCorners)
{
    Region rr = Region::roundRect(Rect{0, 0, 21, 11}, 8, 6);
    EXPECT_EQ(rr.bounds(), (Rect{0, 0, 20, 10}));
    EXPECT_FALSE(rr.contains(0, 0));
    EXPECT_FALSE(rr.contains(19, 9));
    EXPECT_TRUE(rr.contains(10, 0));
    EXPECT_TRUE(rr.contains(0, 5));
    EXPECT_TRUE(rr.contains(19, 5));
    // Corners below 2 pixels make a plain rectangle of the platform's extent.
    EXPECT_EQ(Region::roundRect(Rect{0, 0, 10, 10}, 1, 8), Region::rect(0, 0, 9, 9));
    EXPECT_TRUE(Region::ellipse(Rect{5, 5, 5, 9}).isEmpty());
}
