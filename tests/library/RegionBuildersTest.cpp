// Regions from point lists, polygon sets and packed stores; drawing polygon sets and filling
// regions with the library's brushes.
#include "RegionTestSupport.h"
#include "library/Pixolf.h"
#include "library/imaging/RegionBuilders.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

using namespace pixol;
using namespace regiontest;
using salon::Region;

namespace {

SingleArray singles(std::vector<float> v, int32_t lower = 0)
{
    SingleArray a;
    a.lower = lower;
    a.values = std::move(v);
    return a;
}

LongArray longs(std::vector<int32_t> v, int32_t lower = 0)
{
    LongArray a;
    a.lower = lower;
    a.values = std::move(v);
    return a;
}

// The outline of (l, t)-(r, b) with `perSide` points on each side (collinear points included).
void addSquare(std::vector<float>& xs, std::vector<float>& ys, std::vector<int32_t>& counts, float l, float t, float r,
               float b, int perSide)
{
    const float corners[5][2] = {{l, t}, {r, t}, {r, b}, {l, b}, {l, t}};
    for (int s = 0; s < 4; ++s)
        for (int i = 0; i < perSide; ++i) {
            const float f = float(i) / float(perSide);
            xs.push_back(corners[s][0] + (corners[s + 1][0] - corners[s][0]) * f);
            ys.push_back(corners[s][1] + (corners[s + 1][1] - corners[s][1]) * f);
        }
    counts.push_back(4 * perSide);
}

} // namespace

TEST(PolygonBuilder, ChunksEndBeforeThePolygonThatPassesTheLimit)
{
    struct Case {
        std::vector<int32_t> counts;
        std::vector<size_t> chunkSizes;  // polygons per chunk
    };
    for (const Case& c : {Case{{6000, 6000}, {1, 1}}, Case{{5999, 6000}, {2}}, Case{{13000}, {1}},
                          Case{{3, 13000, 3}, {1, 1, 1}}, Case{{4000, 4000, 3999, 1}, {3, 1}}}) {
        std::vector<size_t> got;
        size_t point = 0;
        for (const regions::PolygonChunk& ch : regions::polygonChunks(c.counts)) {
            got.push_back(ch.count);
            EXPECT_EQ(point, ch.firstPoint);
            point += ch.points;
        }
        EXPECT_EQ(c.chunkSizes, got);
    }
}

TEST(PolygonBuilder, TwelveThousandPointsInTwoChunksKeepTheEvenOddRule)
{
    Pixolf lib;
    std::vector<float> xs, ys;
    std::vector<int32_t> counts;
    addSquare(xs, ys, counts, 0, 0, 100, 100, 1500);
    addSquare(xs, ys, counts, 50, 50, 150, 120, 1500);
    ASSERT_EQ(12000u, xs.size());
    ASSERT_EQ(2u, regions::polygonChunks(counts).size());
    SingleArray bx = singles(xs), by = singles(ys);
    LongArray plg = longs(counts);
    int32_t h = lib.RgnSSetRgn(bx, by, plg, 2, 12000);
    const Region expected = Region::rect(0, 0, 100, 100).xored(Region::rect(50, 50, 150, 120));
    EXPECT_EQ(expected, regionAt(h));
    EXPECT_FALSE(regionAt(h).contains(60, 60));  // inside both: outside by even-odd
    lib.TsRgn(h);

    // Drawn in one pass the overlap stays unfilled too.
    salon::Surface s(160, 130);
    s.fillRect({0, 0, 160, 130}, 0);
    s.fillStyle = salon::FillStyle::Solid;
    s.fillColour = 0xFFFFFF;
    s.drawStyle = salon::DrawStyle::Transparent;
    const int32_t dc = lib.deviceContext(s);
    ASSERT_EQ(1, lib.PlgKresli(dc, bx, by, plg, 2));
    EXPECT_EQ(0xFFFFFFu, s.image().pixel(10, 10));
    EXPECT_EQ(0u, s.image().pixel(60, 60));
    EXPECT_EQ(0xFFFFFFu, s.image().pixel(140, 110));
    EXPECT_EQ(0, lib.PlgKresli(dc, bx, by, plg, 3));  // more polygons than counts
    LongArray tooMany = longs({6000, 6001});
    EXPECT_EQ(0, lib.PlgKresli(dc, bx, by, tooMany, 2));  // more points than given
    lib.releaseDeviceContext(dc);
}

TEST(QuadBuilder, QuadsAreUnitedAndBadCountsRefused)
{
    Pixolf lib;
    // Two rectangles and a diamond, the second rectangle wound the other way.
    SingleArray xs = singles({0, 4, 4, 0, 10, 10, 6, 6, 20, 24, 20, 16}, 1);
    SingleArray ys = singles({0, 0, 3, 3, 0, 2, 2, 0, 0, 4, 8, 4}, 1);
    int32_t h = lib.RgnSgRectPlg(xs, ys, 12);
    const salon::Point diamond[] = {{20, 0}, {24, 4}, {20, 8}, {16, 4}};
    const Region expected = Region::rect(0, 0, 4, 3)
                                .united(Region::rect(6, 0, 10, 2))
                                .united(Region::polygon(diamond, salon::FillRule::Winding));
    EXPECT_EQ(expected, regionAt(h));
    lib.TsRgn(h);
    EXPECT_EQ(0, lib.RgnSgRectPlg(xs, ys, 6));   // not whole quadrilaterals
    EXPECT_EQ(0, lib.RgnSgRectPlg(xs, ys, 16));  // more than the arrays hold
    EXPECT_EQ(0, lib.RgnSgRectPlg(xs, ys, 0));   // nothing: no region
    SingleArray shorter = singles({0, 4, 4, 0}, 1);
    EXPECT_EQ(0, lib.RgnSgRectPlg(xs, shorter, 4));
}

TEST(QuadBuilder, MoreThanOneChunkOfQuadsLosesNoArea)
{
    std::vector<salon::Point> pts;
    Region expected;
    for (int32_t i = 0; i < 3000; ++i) {  // 12000 points: two chunks
        const int32_t x = (i % 60) * 3, y = (i / 60) * 2;
        for (salon::Point p : {salon::Point{x, y}, {x + 2, y}, {x + 2, y + 1}, {x, y + 1}}) pts.push_back(p);
        expected.unite(Region::rect(x, y, x + 2, y + 1));
    }
    EXPECT_EQ(expected, regions::fromQuads(pts));
}

TEST(RgnCreate, ReadsTheChosenRegionOfAPackedStore)
{
    Pixolf lib;
    const std::vector<int32_t> a = Region::rect(0, 0, 3, 3).data();
    const std::vector<int32_t> b = Region::rect(5, 5, 7, 9).united(Region::rect(1, 9, 2, 10)).data();
    LongArray sizes = longs({int32_t(a.size()), int32_t(b.size())}, 1);
    std::vector<int32_t> all = a;
    all.insert(all.end(), b.begin(), b.end());
    LongArray store = longs(all, 1);
    int32_t h = lib.RgnCreate(2, 2, sizes, store);
    EXPECT_EQ(Region::fromData(b), regionAt(h));
    lib.TsRgn(h);
    EXPECT_EQ(0, lib.RgnCreate(2, 3, sizes, store));
    EXPECT_EQ(0, lib.RgnCreate(2, 0, sizes, store));
    LongArray lying = longs({int32_t(a.size()), int32_t(b.size()) + 1}, 1);
    EXPECT_EQ(0, lib.RgnCreate(2, 2, lying, store));  // runs past the store
    LongArray emptyData = longs(Region().data(), 1), one = longs({8}, 1);
    EXPECT_EQ(0, lib.RgnCreate(1, 1, one, emptyData));  // an empty region is no result
}

TEST(CopySingleRgn, CopiesRegionAndArraysOrEmptiesTheCopies)
{
    Pixolf lib;
    int32_t h = handleOf(Region::rect(0, 0, 4, 4));
    SingleArray xs = singles({0, 4, 4, 0}), ys = singles({0, 0, 4, 4});
    LongArray one = longs({4});  // a single polygon, count array 0..0
    int32_t ha = 0, pa = 0, na = 0;
    SingleArray xa, ya;
    LongArray ca;
    ASSERT_EQ(1, lib.CopySingleRgn(h, xs, ys, one, 1, 4, ha, xa, ya, ca, pa, na));
    EXPECT_NE(h, ha);
    EXPECT_EQ(regionAt(h), regionAt(ha));
    EXPECT_EQ(xs.values, xa.values);
    EXPECT_EQ(ys.values, ya.values);
    EXPECT_EQ(one.values, ca.values);
    EXPECT_EQ((std::vector<int32_t>{1, 4}), (std::vector<int32_t>{pa, na}));

    const int32_t before = lib.regionCount();
    int32_t hb = 0;
    SingleArray shifted = singles({0, 4, 4, 0}, 1);
    EXPECT_EQ(0, lib.CopySingleRgn(h, shifted, ys, one, 1, 4, hb, xa, ya, ca, pa, na));
    EXPECT_EQ(before, lib.regionCount());  // the copy made is released
    EXPECT_EQ(1, xa.size());
    EXPECT_EQ(1, ca.size());
    EXPECT_EQ((std::vector<int32_t>{0, 0}), (std::vector<int32_t>{pa, na}));
    EXPECT_EQ(0, lib.CopySingleRgn(h, xs, ys, one, 2, 4, hb, xa, ya, ca, pa, na));  // two polygons, one count
    EXPECT_EQ(4, xs.size());  // the source is untouched
    lib.TsRgn(h);
    lib.TsRgn(ha);
}

TEST(RgnVybarvit, FillsWithEachKindOfBrushNumber)
{
    Pixolf lib;
    auto& set = state().brushSet;
    const auto savedSet = set;
    set[0] = BrushTable::StockBase + 5;
    for (int i = 0; i < 5; ++i) set[size_t(6 + i)] = BrushTable::StockBase + i;
    salon::Bitmap tile = salon::Bitmap::rgb24(2, 2);
    tile.setPixel(0, 0, 0x0000FF);
    tile.setPixel(1, 1, 0x0000FF);
    set[1] = state().brushes.add(Brush{Brush::Kind::Pattern, 0, tile});

    salon::Surface s(10, 6);
    int32_t h = handleOf(Region::rect(1, 1, 5, 4));
    auto paint = [&](int32_t number, int32_t colour = 0) {
        s.fillRect({0, 0, 10, 6}, 0x010101);
        return lib.RgnVybarvit(s, h, number, colour);
    };
    ASSERT_EQ(1, paint(0));
    EXPECT_EQ(0x010101u, s.image().pixel(2, 2));  // the null brush paints nothing
    ASSERT_EQ(1, paint(1));
    EXPECT_EQ(0xFFFFFFu, s.image().pixel(2, 2));
    EXPECT_EQ(0x010101u, s.image().pixel(0, 0));
    ASSERT_EQ(1, paint(5));
    EXPECT_EQ(0u, s.image().pixel(4, 3));
    ASSERT_EQ(1, paint(6));  // pattern 1, tiled from the surface's origin
    EXPECT_EQ(0x0000FFu, s.image().pixel(1, 1));
    EXPECT_EQ(0u, s.image().pixel(2, 1));
    EXPECT_EQ(0x0000FFu, s.image().pixel(2, 2));
    EXPECT_EQ(0x010101u, s.image().pixel(5, 1));
    salon::ScriptedUi ui;
    lib.useUi(&ui);
    ASSERT_EQ(1, paint(12, 0x123456));
    EXPECT_EQ(0x123456u, s.image().pixel(3, 2));
    EXPECT_EQ(1, ui.eventsProcessed);  // the caller's window events run after a fill
    lib.useUi(nullptr);

    lib.seedRandom(42);
    ASSERT_EQ(1, paint(11));
    std::mt19937 again(42);
    uint32_t expected = 0;
    for (int ch = 0; ch < 3; ++ch) {
        const float u = std::generate_canonical<float, 24>(again);
        expected |= uint32_t(std::min(salon::roundHalfEven(u * 256.0f), 255)) << (8 * ch);
    }
    EXPECT_EQ(expected, s.image().pixel(1, 1));

    EXPECT_EQ(0, paint(13));
    set[2] = 0;
    EXPECT_EQ(0, paint(7));  // pattern 2 is missing
    int32_t gone = handleOf(Region::rect(0, 0, 2, 2)), keep = gone;
    lib.TsRgn(keep);
    EXPECT_EQ(0, lib.RgnVybarvit(s, gone, 1));
    state().brushes.remove(set[1]);
    set = savedSet;
    lib.TsRgn(h);
}
