#include "editor/engine/Engine.h"
#include "editor/engine/RegionMasks.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace salon;

namespace {

using Pt = std::array<int32_t, 2>;

struct Set {
    std::vector<Pt> points;
    std::vector<int32_t> counts;
    void add(std::vector<Pt> polygon)
    {
        counts.push_back(int32_t(polygon.size()));
        points.insert(points.end(), polygon.begin(), polygon.end());
    }
    PolygonArrays arrays(int32_t pointsBase = 0) const { return {points, counts, pointsBase, 0}; }
    int32_t n() const { return int32_t(counts.size()); }
};

std::vector<Pt> square(int32_t l, int32_t t, int32_t r, int32_t b) { return {{l, t}, {r, t}, {r, b}, {l, b}}; }

// A closed star-like outline of `points` vertices around (cx, cy), radius wobbling between r and
// r + 15, so that neighbouring polygons overlap in odd ways.
std::vector<Pt> wobble(int32_t cx, int32_t cy, int32_t r, int32_t points, int32_t phase)
{
    std::vector<Pt> out;
    for (int32_t i = 0; i < points; ++i) {
        const double a = 2 * M_PI * i / points;
        const double rr = r + 15 * std::sin(a * (7 + phase));
        out.push_back({cx + int32_t(std::lround(rr * std::cos(a))), cy + int32_t(std::lround(rr * std::sin(a)))});
    }
    return out;
}

} // namespace

TEST(RegionMasks, NestedSquaresMakeARing)
{
    Set s;
    s.add(square(10, 10, 50, 50));
    s.add(square(20, 20, 40, 40));
    auto r = PolygonsToRgn(s.arrays(), s.n());
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->contains(10, 10));
    EXPECT_TRUE(r->contains(19, 30));
    EXPECT_FALSE(r->contains(20, 20));
    EXPECT_FALSE(r->contains(39, 39));
    EXPECT_TRUE(r->contains(40, 40));
    EXPECT_FALSE(r->contains(50, 30));
}

TEST(RegionMasks, BatchesCloseBeforeReaching12000Points)
{
    const std::vector<int32_t> tenOf3000(10, 3000);
    using B = std::vector<std::pair<int32_t, int32_t>>;
    EXPECT_EQ((B{{0, 3}, {3, 6}, {6, 9}, {9, 10}}), PolygonBatches(tenOf3000, 10));
    // 11999 points still fit one batch; the next polygon starts a new one.
    EXPECT_EQ((B{{0, 2}, {2, 3}}), PolygonBatches(std::vector<int32_t>{6000, 5999, 4}, 3));
    // A polygon of 12000 points or more stands alone in its batch.
    EXPECT_EQ((B{{0, 1}, {1, 2}, {2, 3}}), PolygonBatches(std::vector<int32_t>{5, 12000, 5}, 3));
}

TEST(RegionMasks, BatchedSetEqualsTheSetFilledInOnePiece)
{
    Set s;
    for (int32_t k = 0; k < 10; ++k) s.add(wobble(300 + 40 * (k % 4), 300 + 35 * (k / 4), 150 + 5 * k, 3000, k));
    ASSERT_EQ(30000u, s.points.size());
    auto batched = PolygonsToRgn(s.arrays(), s.n());
    ASSERT_TRUE(batched);

    std::vector<Point> pts;
    for (const Pt& p : s.points) pts.push_back({p[0], p[1]});
    const Region whole = Region::polygons(pts, s.counts, FillRule::EvenOdd);
    EXPECT_EQ(whole, *batched);
    EXPECT_GT(batched->rectCount(), 100u);
}

TEST(RegionMasks, ArraysThatDoNotStartAtZeroGiveNoRegion)
{
    Set s;
    s.add(square(0, 0, 10, 10));
    EXPECT_TRUE(PolygonsToRgn(s.arrays(0), 1));
    EXPECT_FALSE(PolygonsToRgn(s.arrays(1), 1));
}

TEST(RegionMasks, ACutOutWithoutAreaIsNoRegion)
{
    Set s;
    s.add({{5, 5}, {5, 5}, {5, 5}});
    EXPECT_FALSE(PolygonsToRgn(s.arrays(), 1));
    Set missing;  // counts asking for more points than there are
    missing.points = {{0, 0}, {10, 0}, {10, 10}};
    missing.counts = {4};
    EXPECT_FALSE(PolygonsToRgn(missing.arrays(), 1));
}

TEST(RegionMasks, OutsideOfACutOutCoveringEverythingIsEmptyAndAccepted)
{
    std::optional<Region> all = Region::rect(0, 0, 40, 40);
    auto outside = OutsideRgn(40, 40, all);
    ASSERT_TRUE(outside);
    EXPECT_TRUE(outside->isEmpty());

    std::optional<Region> part = Region::rect(10, 10, 20, 20);
    auto rest = OutsideRgn(40, 40, part);
    ASSERT_TRUE(rest);
    EXPECT_TRUE(rest->contains(0, 0));
    EXPECT_FALSE(rest->contains(15, 15));

    std::optional<Region> none;
    EXPECT_FALSE(OutsideRgn(40, 40, none));
}

TEST(RegionMasks, RegionTestsKeepOrDeleteByKind)
{
    struct Case {
        std::optional<Region> region;
        bool hasArea, valid, filled;
    };
    Case cases[] = {
        {Region::rect(0, 0, 5, 5), true, true, true},
        {Region(), false, true, false},
        {Region::invalid(), false, false, false},
        {std::nullopt, false, false, false},
    };
    for (Case& c : cases) {
        auto a = c.region, b = c.region, d = c.region;
        EXPECT_EQ(c.hasArea, RgnHasArea(a));
        EXPECT_EQ(c.valid, KeepRgnIfValid(b));
        EXPECT_EQ(c.filled, KeepRgnIfFilled(d));
        // An empty region survives RgnHasArea; an invalid one is deleted by every test.
        EXPECT_EQ(c.valid, a.has_value());
        EXPECT_EQ(c.valid, b.has_value());
        EXPECT_EQ(c.filled, d.has_value());
    }
}

TEST(RegionMasks, FaceMaskOfASinglePolygonIsNotDrawn)
{
    ScriptedUi ui;
    Engine engine(ui);
    Surface& mask = engine.Surfaces[9];
    mask.setSize(40, 40);
    mask.fillRect({0, 0, 40, 40}, 0xFFFFFF);
    const Bitmap white = mask.image();

    dsl::PolygonSet one{{4}, {{0, 0}, {20, 0}, {20, 20}, {0, 20}}};
    engine.DrawPolygons(9, one);
    EXPECT_EQ(white, mask.image());

    dsl::PolygonSet two{{4, 4}, {{0, 0}, {20, 0}, {20, 20}, {0, 20}, {30, 30}, {38, 30}, {38, 38}, {30, 38}}};
    engine.DrawPolygons(9, two);
    EXPECT_EQ(0u, mask.image().pixel(10, 10));
    EXPECT_EQ(0u, mask.image().pixel(33, 33));
    EXPECT_EQ(0xFFFFFFu, mask.image().pixel(25, 25));
}
