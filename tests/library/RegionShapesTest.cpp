// Polygon descriptions of regions and the shape transforms, region scaling and mirroring, part
// splitting and thick lines.
#include "RegionTestSupport.h"
#include "library/Pixolf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <map>

using namespace pixol;
using namespace regiontest;
using salon::Region;

namespace {

struct PolygonSet {
    SingleArray xs, ys;
    LongArray counts;
    int32_t polygons = 0, points = 0;
};

PolygonSet analysed(Pixolf& lib, const Pixels& p)
{
    PolygonSet s;
    int32_t h = handleOf(regionOf(p));
    EXPECT_EQ(1, lib.RgnAnalyzuj(h, s.xs, s.ys, s.counts, s.polygons, s.points));
    lib.TsRgn(h);
    return s;
}

template <class F>
Pixels mapPixels(const Pixels& p, F f)
{
    Pixels out;
    for (auto q : p) out.insert(f(q));
    return out;
}

// Four-connected parts of a pixel set, in the order of their top-most, then left-most pixel.
std::vector<Pixels> partsOf(const Pixels& p)
{
    std::vector<Pixels> parts;
    std::set<std::pair<int32_t, int32_t>> seen;
    std::vector<std::pair<int32_t, int32_t>> order;
    for (auto [x, y] : p) order.push_back({y, x});
    std::sort(order.begin(), order.end());
    for (auto [y0, x0] : order) {
        if (seen.count({x0, y0})) continue;
        Pixels part;
        std::deque<std::pair<int32_t, int32_t>> q{{x0, y0}};
        seen.insert({x0, y0});
        while (!q.empty()) {
            auto [x, y] = q.front();
            q.pop_front();
            part.insert({x, y});
            for (auto [dx, dy] : crossMoves)
                if (p.count({x + dx, y + dy}) && seen.insert({x + dx, y + dy}).second) q.push_back({x + dx, y + dy});
        }
        parts.push_back(part);
    }
    return parts;
}

} // namespace

TEST(RgnAnalyzuj, PolygonsGiveBackTheSamePixelsOnRandomRegions)
{
    Pixolf lib;
    std::mt19937 rng(1207);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        const Pixels p = randomPixels(rng, 3 + round % 17, 2 + round % 13, 30 + round);  // holes, corner touches
        if (p.empty()) continue;
        const PolygonSet s = analysed(lib, p);
        ASSERT_GT(s.polygons, 0);
        EXPECT_EQ(s.polygons, s.counts.size());
        EXPECT_EQ(s.points, s.xs.size());
        int64_t sum = 0;
        for (int32_t c : s.counts.values) sum += c;
        EXPECT_EQ(s.points, sum);
        // Corners only, every edge horizontal or vertical.
        int32_t at = 0;
        for (int32_t k = 0; k < s.polygons; ++k) {
            const int32_t n = s.counts(k);
            for (int32_t i = 0; i < n; ++i) {
                const float ax = s.xs(at + i), ay = s.ys(at + i);
                const float bx = s.xs(at + (i + 1) % n), by = s.ys(at + (i + 1) % n);
                const float cx = s.xs(at + (i + 2) % n), cy = s.ys(at + (i + 2) % n);
                EXPECT_TRUE((ax == bx) != (ay == by));
                EXPECT_FALSE((ax == bx && bx == cx) || (ay == by && by == cy));
            }
            at += n;
        }
        int32_t back = lib.RgnSSetRgn(s.xs, s.ys, s.counts, s.polygons, s.points);
        EXPECT_EQ(p, pixelsOf(regionAt(back)));
        lib.TsRgn(back);
    }
}

TEST(RgnAnalyzuj, SquareWithAHoleAndCornerTouchingPixels)
{
    Pixolf lib;
    Pixels ring = rectPixels(0, 0, 9, 9);
    for (auto q : rectPixels(3, 3, 6, 6)) ring.erase(q);
    PolygonSet s = analysed(lib, ring);
    EXPECT_EQ(2, s.polygons);
    EXPECT_EQ(8, s.points);
    int32_t back = lib.RgnSSetRgn(s.xs, s.ys, s.counts, s.polygons, s.points);
    EXPECT_EQ(ring, pixelsOf(regionAt(back)));
    lib.TsRgn(back);

    const Pixels diagonal{{0, 0}, {1, 1}, {2, 2}, {2, 0}};  // touch at corners only
    s = analysed(lib, diagonal);
    EXPECT_EQ(4, s.polygons);  // every pixel its own loop: loops meet but never cross
    back = lib.RgnSSetRgn(s.xs, s.ys, s.counts, s.polygons, s.points);
    EXPECT_EQ(diagonal, pixelsOf(regionAt(back)));
    lib.TsRgn(back);

    int32_t empty = handleOf(Region());
    s.counts.redim(0, 5);
    EXPECT_EQ(0, lib.RgnAnalyzuj(empty, s.xs, s.ys, s.counts, s.polygons, s.points));
    EXPECT_EQ(0, empty);
    EXPECT_EQ(1, s.counts.size());
    EXPECT_EQ(0, s.polygons);
    EXPECT_EQ(0, s.points);
}

TEST(ShapeTransforms, EachMovesThePixelsAsItsFormulaSays)
{
    Pixolf lib;
    std::mt19937 rng(77);
    const Pixels p = randomPixels(rng, 11, 7, 60);
    const Region r = regionOf(p);
    const salon::Rect box = r.bounds();
    struct Case {
        const char* name;
        std::function<int32_t(int32_t&, PolygonSet&)> run;
        std::function<std::pair<int32_t, int32_t>(std::pair<int32_t, int32_t>)> pixel;
    };
    const int32_t lr = box.left + box.right, tb = box.top + box.bottom;
    const std::vector<Case> cases = {
        {"offset", [&](int32_t& h, PolygonSet& s) { return lib.RgnSOffset(h, s.xs, s.ys, s.counts, s.polygons, s.points, 5, -3); },
         [](auto q) { return std::pair{q.first + 5, q.second - 3}; }},
        {"flip x", [&](int32_t& h, PolygonSet& s) { return lib.RgnSFlip(h, s.xs, s.ys, s.counts, s.polygons, s.points, true, false); },
         [&](auto q) { return std::pair{lr - q.first - 1, q.second}; }},
        {"flip y about 20", [&](int32_t& h, PolygonSet& s) { return lib.RgnSFlip(h, s.xs, s.ys, s.counts, s.polygons, s.points, false, true, 0, 20); },
         [&](auto q) { return std::pair{q.first, 20 - q.second - 1}; }},
        {"quarter right", [&](int32_t& h, PolygonSet& s) { return lib.RgnS90R(h, s.xs, s.ys, s.counts, s.polygons, s.points); },
         [&](auto q) { return std::pair{tb - q.second - 1, q.first}; }},
        {"quarter left", [&](int32_t& h, PolygonSet& s) { return lib.RgnS90L(h, s.xs, s.ys, s.counts, s.polygons, s.points); },
         [&](auto q) { return std::pair{q.second, lr - q.first - 1}; }},
        {"deform as a move", [&](int32_t& h, PolygonSet& s) { return lib.RgnSDeform(h, s.xs, s.ys, s.counts, s.polygons, s.points, 1, 0, 1, 0, 0, 0, -2, 4); },
         [](auto q) { return std::pair{q.first - 2, q.second + 4}; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PolygonSet s = analysed(lib, p);
        int32_t h = handleOf(r);
        int32_t out = c.run(h, s);
        EXPECT_EQ(mapPixels(p, c.pixel), pixelsOf(regionAt(out)));
        EXPECT_EQ(r, regionAt(h));  // the shape's region is only read
        lib.TsRgn(out);
        lib.TsRgn(h);
    }
    // Scaling by 2 doubles every pixel into a 2 x 2 block.
    PolygonSet s = analysed(lib, p);
    int32_t h = handleOf(r);
    int32_t out = lib.RgnSScale(h, s.xs, s.ys, s.counts, s.polygons, s.points, 2, 2);
    Pixels doubled;
    for (auto [x, y] : p)
        for (auto q : rectPixels(2 * x, 2 * y, 2 * x + 2, 2 * y + 2)) doubled.insert(q);
    EXPECT_EQ(doubled, pixelsOf(regionAt(out)));
    lib.TsRgn(out);
    EXPECT_EQ(0, lib.RgnSScale(h, s.xs, s.ys, s.counts, s.polygons, s.points, 0.03f, 1));
    EXPECT_EQ(0, lib.RgnSFlip(h, s.xs, s.ys, s.counts, s.polygons, s.points, false, false));
    lib.TsRgn(h);
}

TEST(ShapeTransforms, ArraysAreCheckedBeforeAnyVertexMoves)
{
    Pixolf lib;
    int32_t h = handleOf(Region::rect(0, 0, 4, 4));
    PolygonSet s = analysed(lib, rectPixels(0, 0, 4, 4));
    ASSERT_EQ(0, s.counts.upper());  // one polygon: counts dimensioned 0..0
    const std::vector<float> xs0 = s.xs.values;
    int32_t moved = lib.RgnSOffset(h, s.xs, s.ys, s.counts, 1, 4, 1, 0);
    EXPECT_EQ(rectPixels(1, 0, 5, 4), pixelsOf(regionAt(moved)));
    lib.TsRgn(moved);
    s.xs.values = xs0;
    LongArray lying = s.counts;
    lying(0) = 5;  // more points than PocetBodu
    EXPECT_EQ(0, lib.RgnSOffset(h, s.xs, s.ys, lying, 1, 4, 1, 0));
    EXPECT_EQ(0, lib.RgnSOffset(h, s.xs, s.ys, s.counts, 2, 4, 1, 0));  // two polygons, one count
    EXPECT_EQ(0, lib.RgnSOffset(h, s.xs, s.ys, s.counts, 1, 5, 1, 0));  // more points than the arrays
    EXPECT_EQ(xs0, s.xs.values);
    SingleArray three;
    three.redim(0, 2);
    EXPECT_EQ(0, lib.RgnSOffset(h, three, three, s.counts, 1, 3, 1, 0));
    int32_t empty = handleOf(Region());
    EXPECT_EQ(0, lib.RgnSOffset(empty, s.xs, s.ys, s.counts, 1, 4, 1, 0));
    EXPECT_EQ(0, empty);  // the empty reference is released
    lib.TsRgn(h);
}

TEST(ShapeTransforms, QuarterTurnKeepsTheTopLeftCornerAndReturnsThePlacement)
{
    Pixolf lib;
    const Pixels p = rectPixels(10, 20, 16, 23);
    PolygonSet s = analysed(lib, p);
    int32_t h = handleOf(regionOf(p));
    float cnX = 0, cnY = 0;
    int32_t out = lib.RgnSOtoc(h, s.xs, s.ys, s.counts, s.polygons, s.points, 3.141592654f / 2, cnX, cnY);
    EXPECT_EQ(Region::rect(10, 20, 13, 26), regionAt(out));
    EXPECT_TRUE(cnX != 0 || cnY != 0);
    lib.TsRgn(out);
    // About the centre: the box keeps its middle.
    PolygonSet c = analysed(lib, p);
    float mX = 0, mY = 0;
    out = lib.RgnSOtoc(h, c.xs, c.ys, c.counts, c.polygons, c.points, 3.141592654f / 2, mX, mY, false);
    const salon::Rect b = regionAt(out).bounds();
    EXPECT_EQ(26, b.left + b.right);
    EXPECT_NEAR(43, b.top + b.bottom, 1);  // half-pixel corners round half to even
    lib.TsRgn(out);
    // Given placements are used as they are.
    PolygonSet g = analysed(lib, p);
    float gX = 100, gY = 0;
    out = lib.RgnSOtoc(h, g.xs, g.ys, g.counts, g.polygons, g.points, 0, gX, gY);
    EXPECT_EQ(Region::rect(110, 20, 116, 23), regionAt(out));
    EXPECT_EQ(100.0f, gX);
    lib.TsRgn(out);
    lib.TsRgn(h);
}

TEST(RegionScaleAndFlip, RectanglesScaleAndMirrorInTheirBox)
{
    Pixolf lib;
    std::mt19937 rng(8);
    const Pixels p = randomPixels(rng, 13, 9, 50);
    const salon::Rect box = regionOf(p).bounds();
    for (auto [fx, fy] : {std::pair{true, false}, std::pair{false, true}, std::pair{true, true}}) {
        int32_t h = handleOf(regionOf(p));
        int32_t f = lib.RgnFlip(h, fx, fy);
        EXPECT_EQ(mapPixels(p,
                            [&](auto q) {
                                return std::pair{fx ? box.left + box.right - 1 - q.first : q.first,
                                                 fy ? box.top + box.bottom - 1 - q.second : q.second};
                            }),
                  pixelsOf(regionAt(f)));
        lib.TsRgn(f);
        lib.TsRgn(h);
    }
    int32_t h = handleOf(regionOf(p));
    EXPECT_EQ(0, lib.RgnFlip(h, false, false));
    EXPECT_EQ(0, lib.RgnScale(h, 0.03f, 1));
    EXPECT_EQ(0, lib.RgnScale(h, 1, 20.5f));
    int32_t s = lib.RgnScale(h, 3, 2);
    Pixels scaled;
    for (auto [x, y] : p)
        for (auto q : rectPixels(3 * x, 2 * y, 3 * x + 3, 2 * y + 2)) scaled.insert(q);
    EXPECT_EQ(scaled, pixelsOf(regionAt(s)));
    const int32_t old = h;
    int32_t half = lib.RgnScale(h, 0.5f, 0.5f, false);  // corners rounded half to even
    EXPECT_EQ(half, h);
    EXPECT_FALSE(regionAt(old).isValid());
    lib.TsRgn(s);
    lib.TsRgn(h);
}

TEST(RgnOmal, SplitsIntoFourConnectedPartsInOrder)
{
    Pixolf lib;
    std::mt19937 rng(4242);
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(round);
        const Pixels p = randomPixels(rng, 14, 11, 40 + 4 * round);
        const std::vector<Pixels> parts = partsOf(p);
        int32_t h = handleOf(regionOf(p)), rest = handleOf(Region());
        LongArray qhr, poct1, poct2;
        int32_t cit = -1;
        ASSERT_EQ(1, lib.RgnOmal(h, rest, 2, 1, qhr, cit, poct1, poct2));
        ASSERT_EQ(int32_t(parts.size()), cit);
        for (int32_t k = 1; k <= cit; ++k) {
            int32_t plain = lib.RgnCreate(cit, k, poct1, poct2);
            EXPECT_EQ(parts[size_t(k - 1)], pixelsOf(regionAt(plain)));
            Pixels wide;
            for (auto [x, y] : parts[size_t(k - 1)])
                for (auto q : rectPixels(2 * x, y, 2 * x + 2, y + 1)) wide.insert(q);
            EXPECT_EQ(wide, pixelsOf(regionAt(qhr(k))));
            lib.TsRgn(plain);
            lib.TsRgn(qhr(k));
        }
        EXPECT_TRUE(regionAt(rest).isEmpty());
        lib.TsRgn(h);
        lib.TsRgn(rest);
    }
}

TEST(RgnOmal, PartsTooSmallForTheScaleGoToTheRemainder)
{
    Pixolf lib;
    Pixels p = rectPixels(20, 20, 60, 50);
    p.insert({3, 3});  // scaled by 0.1 its corners both round to 0: nothing is left of it
    int32_t h = handleOf(regionOf(p)), rest = handleOf(Region::rect(100, 100, 101, 101));
    LongArray qhr, poct1, poct2;
    int32_t cit = 0;
    ASSERT_EQ(1, lib.RgnOmal(h, rest, 0.1f, 0.1f, qhr, cit, poct1, poct2));
    EXPECT_EQ(1, cit);
    EXPECT_EQ(Region::rect(2, 2, 6, 5), regionAt(qhr(1)));
    EXPECT_EQ((Pixels{{3, 3}, {100, 100}}), pixelsOf(regionAt(rest)));
    lib.TsRgn(qhr(1));
    lib.TsRgn(rest);

    // Without a remainder region the call fails and leaves nothing behind.
    const int32_t before = lib.regionCount();
    int32_t none = 0;
    EXPECT_EQ(0, lib.RgnOmal(h, none, 0.1f, 0.1f, qhr, cit, poct1, poct2));
    EXPECT_EQ(before, lib.regionCount());
    EXPECT_EQ(0, lib.RgnOmal(h, none, 5.5f, 1, qhr, cit, poct1, poct2));
    lib.TsRgn(h);
}

TEST(RgnLine, BranchesAndOwnership)
{
    Pixolf lib;
    int32_t none = lib.RgnLine(0, 0, 10, 10, 0);
    EXPECT_EQ(0, none);
    // Vertical: the rounded rectangle around both ends.
    int32_t v = lib.RgnLine(5, 2, 5, 12, 3);
    EXPECT_EQ(Region::roundRect({4, 1, 8, 15}, 3, 3), regionAt(v));
    // Sloped: both end circles and the band between them.
    int32_t d = lib.RgnLine(20, 10, 0, 0, 4);
    const Region& line = regionAt(d);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{20, 10}, std::pair{10, 5}, std::pair{6, 3}}) EXPECT_TRUE(line.contains(x, y));
    EXPECT_FALSE(line.contains(0, 10));
    EXPECT_FALSE(line.contains(20, 0));
    EXPECT_TRUE(Region::ellipse({-2, -2, 3, 3}).subtracted(line).isEmpty());

    const int32_t before = lib.regionCount();
    int32_t base = handleOf(Region::rect(100, 100, 102, 102)), keep = base;
    int32_t sum = lib.RgnLineAdd(base, 5, 2, 5, 12, 3);
    EXPECT_EQ(0, base);
    EXPECT_FALSE(regionAt(keep).isValid());
    EXPECT_EQ(regionAt(v).united(Region::rect(100, 100, 102, 102)), regionAt(sum));
    int32_t again = handleOf(Region::rect(0, 0, 1, 1));
    EXPECT_EQ(0, lib.RgnLineAdd(again, 0, 0, 1, 1, 0));  // no line: still consumed
    EXPECT_EQ(0, again);
    EXPECT_EQ(before + 1, lib.regionCount());
    for (int32_t* x : {&v, &d, &sum}) lib.TsRgn(*x);
}
