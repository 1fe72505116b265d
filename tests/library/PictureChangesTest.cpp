#include "library/Pixolf.h"
#include "library/frame/LibraryState.h"
#include "platform/Numbers.h"

#include "PaintedSurface.h"

#include <gtest/gtest.h>

#include <functional>

using namespace pixol;
using salon::packRgb;

namespace {
using pixol::test::painted;
int32_t addRegion(const salon::Region& r) { return int32_t(state().regions.add(r)); }
} // namespace

TEST(ScaleWithShape, ScalesPictureAndShapeAndListsTheEdgeBand)
{
    Pixolf lib;
    // 11 x 6 (the odd width loses a column: 10 x 6), a white square x 2..5, y 1..4 on black.
    salon::Surface s = painted(11, 6, [](int32_t x, int32_t y) {
        return x >= 2 && x < 6 && y >= 1 && y < 5 ? packRgb(255, 255, 255) : 0u;
    });
    LongArray tx, ty, td;
    SingleArray tj;
    int32_t n = 0, mean = 0;
    int32_t r = lib.RgnScaleSPC(s, 2.0f, 1.0f, tx, ty, td, tj, n, mean);
    ASSERT_NE(0, r);
    EXPECT_EQ(20, s.drawableWidth());
    EXPECT_EQ(6, s.drawableHeight());
    EXPECT_EQ((salon::Rect{4, 1, 12, 5}), state().regions.find(uint32_t(r))->bounds());
    // Half-column spans weigh 0.5 x 1 / (0.5 / 0.996): 255 x 0.996 = 253.98 -> 254 everywhere inside.
    EXPECT_EQ(254, mean);
    // One diagonal step leaves 6 x 2 of the 8 x 4 shape: 20 edge pixels, listed from the top row.
    EXPECT_EQ(20, n);
    EXPECT_EQ(1, tx.lower);
    EXPECT_EQ(20, tx.upper());
    EXPECT_EQ(4, tx(1));
    EXPECT_EQ(1, ty(1));
    EXPECT_EQ(11, tx(8));
    EXPECT_EQ(4, tx(9));
    EXPECT_EQ(2, ty(9));
    EXPECT_EQ(int32_t(packRgb(254, 254, 254)), td(5));
    EXPECT_FLOAT_EQ(1.0f, tj(20));
    lib.TsRgn(r);
}

TEST(ScaleWithShape, BrightPointsAreCappedAtTwiceTheMean)
{
    Pixolf lib;
    // A 4 x 4 square of 20 with one corner of 255, factor 1: bytes x 0.996 -> 20 and 254;
    // mean (15 x 20 + 254) / 16 = 34.6 -> 35.
    salon::Surface s = painted(8, 8, [](int32_t x, int32_t y) {
        if (x == 2 && y == 2) return packRgb(255, 255, 255);
        return x >= 2 && x < 6 && y >= 2 && y < 6 ? packRgb(20, 20, 20) : 0u;
    });
    LongArray tx, ty, td;
    SingleArray tj;
    int32_t n = 0, mean = 0;
    int32_t r = lib.RgnScaleSPC(s, 1.0f, 1.0f, tx, ty, td, tj, n, mean, 1);
    ASSERT_NE(0, r);
    EXPECT_EQ(35, mean);
    EXPECT_EQ(2, tx(1));
    EXPECT_FLOAT_EQ(2.0f, tj(1));
    EXPECT_FLOAT_EQ(20.0f / 35.0f, tj(2));
    lib.TsRgn(r);
}

TEST(ScaleWithShape, RefusedScalesAndBlackPicturesChangeNothing)
{
    Pixolf lib;
    salon::Surface s = painted(9, 6, [](int32_t x, int32_t) { return x == 3 ? packRgb(90, 90, 90) : 0u; });
    const salon::Bitmap before = s.readRows();
    LongArray tx, ty, td;
    SingleArray tj;
    int32_t n = -1, mean = -1;
    const int32_t regions = lib.regionCount();
    EXPECT_EQ(0, lib.RgnScaleSPC(s, 25.0f, 1.0f, tx, ty, td, tj, n, mean));
    EXPECT_EQ(0, lib.RgnScaleSPC(s, 1.0f, 0.01f, tx, ty, td, tj, n, mean));
    EXPECT_EQ(0, lib.RgnScaleSPC(s, 1.0f, 1.0f, tx, ty, td, tj, n, mean, 0));
    EXPECT_EQ(9, s.drawableWidth());  // not even the width was evened
    EXPECT_EQ(before, s.readRows());
    salon::Surface black = painted(8, 8, [](int32_t, int32_t) { return packRgb(7, 7, 7); });
    EXPECT_EQ(0, lib.RgnScaleSPC(black, 1.0f, 1.0f, tx, ty, td, tj, n, mean));
    EXPECT_EQ(-1, n);
    EXPECT_EQ(regions, lib.regionCount());
}

TEST(PolygonCut, CopiesThePolygonsPixelsIntoTheOtherPictureMoved)
{
    Pixolf lib;
    auto pic = [](int32_t x, int32_t y) { return packRgb(uint8_t(x + 1), uint8_t(y + 1), 50); };
    salon::Surface a = painted(10, 10, pic), b = painted(10, 10, [](int32_t, int32_t) { return 0u; });
    LongArray v, xs, ys, counts;
    v.redim(0, 1);
    v.values = {3, 1};
    xs.redim(0, 3);
    ys.redim(0, 3);
    xs.values = {2, 5, 5, 2};
    ys.values = {2, 2, 4, 4};
    counts.redim(0, 0);
    counts.values = {4};
    int32_t taken = 0, rgn = 0;
    ASSERT_EQ(1, lib.SuOrezRng(a, b, v, xs, ys, counts, taken, rgn));
    EXPECT_EQ(1, taken);
    EXPECT_EQ((salon::Rect{5, 3, 8, 5}), state().regions.find(uint32_t(rgn))->bounds());
    EXPECT_EQ(pic(2, 2), b.image().pixel(5, 3));
    EXPECT_EQ(pic(4, 3), b.image().pixel(7, 4));
    EXPECT_EQ(0u, b.image().pixel(4, 3));
    EXPECT_EQ(0u, b.image().pixel(8, 4));
    lib.TsRgn(rgn);

    // Asking for more polygons than the table has, a polygon of two points, or a cut that lands
    // outside the target: 0, and the target keeps its pixels.
    salon::Surface c = painted(10, 10, [](int32_t, int32_t) { return 0u; });
    taken = 2;
    EXPECT_EQ(0, lib.SuOrezRng(a, c, v, xs, ys, counts, taken, rgn));
    EXPECT_EQ(2, taken);
    taken = 0;
    counts.values = {2};
    EXPECT_EQ(0, lib.SuOrezRng(a, c, v, xs, ys, counts, taken, rgn));
    counts.values = {4};
    v.values = {40, 0};
    EXPECT_EQ(0, lib.SuOrezRng(a, c, v, xs, ys, counts, taken, rgn));
    EXPECT_EQ(0u, c.image().pixel(5, 3));
}

TEST(PictureChanges, EachTypeChangesThePixelsByItsRule)
{
    Pixolf lib;
    // red 100, green 150, blue 200: grey 0.299 x 100 + 0.587 x 150 + 0.114 x 200 = 140.75.
    const struct { int32_t typ, data1, result; uint8_t r, g, b; } cases[] = {
        {1, 0, 1, 141, 141, 141},   {2, 0, 1, 155, 105, 55},   {3, 100, 1, 200, 250, 255},
        {3, -120, 1, 0, 30, 80},    {4, 200, 1, 72, 172, 255}, {4, 0, 1, 128, 128, 128},
        {5, 140, 1, 255, 255, 255}, {5, 141, 1, 0, 0, 0},      {3, 256, 0, 100, 150, 200},
        {4, 501, 0, 100, 150, 200}, {6, 0, 0, 100, 150, 200},  {0, 0, 0, 100, 150, 200}};
    for (auto c : cases) {
        salon::Surface s = painted(3, 2, [](int32_t, int32_t) { return packRgb(100, 150, 200); });
        EXPECT_EQ(c.result, lib.PbObrZme1(c.typ, s, c.data1)) << c.typ << " " << c.data1;
        EXPECT_EQ(packRgb(c.r, c.g, c.b), s.image().pixel(2, 1)) << c.typ << " " << c.data1;
    }
}

TEST(PictureChanges, ARegionLimitsTheChange)
{
    Pixolf lib;
    salon::Surface s = painted(4, 4, [](int32_t, int32_t) { return packRgb(10, 20, 30); });
    int32_t rgn = addRegion(salon::Region::rect(2, 0, 10, 2));
    ASSERT_EQ(1, lib.PbObrZme1(2, s, 0, rgn));
    EXPECT_EQ(packRgb(245, 235, 225), s.image().pixel(3, 1));
    EXPECT_EQ(packRgb(10, 20, 30), s.image().pixel(1, 1));
    EXPECT_EQ(packRgb(10, 20, 30), s.image().pixel(3, 2));
    const int32_t stale = rgn;
    lib.TsRgn(rgn);
    EXPECT_EQ(0, lib.PbObrZme1(2, s, 0, stale));  // a deleted region is not "the whole picture"
    EXPECT_EQ(packRgb(10, 20, 30), s.image().pixel(1, 1));
}

TEST(CoverageArrays, InsideAndOutsideValuesWithTheirRangeAndArea)
{
    Pixolf lib;
    int32_t rgn = addRegion(salon::Region::rect(1, 1, 3, 2));
    ByteArray a;
    int32_t lo = -1, hi = -1;
    ASSERT_EQ(2, lib.SuPostPole(rgn, 4, 3, a, 200, 10, lo, hi, true));
    EXPECT_EQ(1, lib.SuPostPole(rgn, 4, 3, a, 200, 10, lo, hi));
    EXPECT_EQ(3, a.ubound(1));
    EXPECT_EQ(2, a.ubound(2));
    EXPECT_EQ(200, a(1, 1));
    EXPECT_EQ(200, a(2, 1));
    EXPECT_EQ(10, a(3, 1));
    EXPECT_EQ(10, a(1, 0));
    EXPECT_EQ(10, lo);
    EXPECT_EQ(200, hi);
    // Covering the whole array: only the inside value occurs.
    int32_t all = addRegion(salon::Region::rect(-5, -5, 5, 5));
    ASSERT_EQ(1, lib.SuPostPole(all, 2, 1, a, 30, 90, lo, hi));
    EXPECT_EQ(30, lo);
    EXPECT_EQ(30, hi);
    lib.TsRgn(all);
    // Values outside a byte, a region beside the array, a missing region.
    EXPECT_EQ(0, lib.SuPostPole(rgn, 4, 3, a, 256, 0, lo, hi));
    EXPECT_EQ(0, lib.SuPostPole(rgn, 1, 1, a, 1, 0, lo, hi));  // (1, 1) lies beside a 1 x 1 array
    EXPECT_EQ(0, lib.SuPostPole(0, 4, 3, a, 1, 0, lo, hi));
    EXPECT_EQ(1, a.ubound(1));  // the last success (2 x 1) is kept
    EXPECT_EQ(0, a.ubound(2));
    lib.TsRgn(rgn);
}
