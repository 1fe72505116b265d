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

// One rectangle outline l, t, r, b as a polygon set, and its region's handle.
struct Outline {
    SingleArray x, y;
    LongArray counts;
    int32_t region = 0;
    Outline(float l, float t, float r, float b)
    {
        x.redim(0, 3);
        y.redim(0, 3);
        counts.redim(0, 1);
        x.values = {l, r, r, l};
        y.values = {t, t, b, b};
        counts.values = {4, 0};
        region = int32_t(state().regions.add(salon::Region::rect(int32_t(l), int32_t(t), int32_t(r), int32_t(b))));
    }
    ~Outline() { state().regions.remove(uint32_t(region)); }
};

salon::Rect boundsOf(int32_t handle)
{
    const salon::Region* r = state().regions.find(uint32_t(handle));
    return r ? r->bounds() : salon::Rect{-1, -1, -1, -1};
}

auto pic = [](int32_t x, int32_t y) { return packRgb(uint8_t(10 + x), uint8_t(10 + y), 0); };
} // namespace

TEST(OutlineTransforms, QuarterTurnsKeepAWholePictureOutlineOnTheWholeTurnedPicture)
{
    Pixolf lib;
    for (bool clockwise : {true, false}) {
        salon::Surface s = painted(5, 3, pic);
        Outline o(0, 0, 5, 3);
        int32_t dX = 9, dY = 9;
        int32_t r = clockwise ? lib.PsObrRotRO(s, o.region, o.x, o.y, o.counts, 1, 4, dX, dY)
                                    : lib.PsObrRotLO(s, o.region, o.x, o.y, o.counts, 1, 4, dX, dY);
        ASSERT_NE(0, r) << clockwise;
        EXPECT_EQ(3, s.drawableWidth());
        EXPECT_EQ(5, s.drawableHeight());
        EXPECT_EQ((salon::Rect{0, 0, 3, 5}), boundsOf(r));
        EXPECT_EQ(-1, dX);
        EXPECT_EQ(1, dY);
        // The top-left corner of the old picture went to the top right (clockwise) or bottom left.
        EXPECT_EQ(pic(0, 0), clockwise ? s.image().pixel(2, 0) : s.image().pixel(0, 4));
        lib.TsRgn(r);
    }
}

TEST(OutlineTransforms, MirroringPivotsOnThePictureEdges)
{
    Pixolf lib;
    salon::Surface s = painted(6, 4, pic);
    Outline o(0, 0, 2, 4);  // the left two columns
    int32_t r = lib.PsObrFlipO(s, o.region, o.x, o.y, o.counts, 1, 4, true, false);
    ASSERT_NE(0, r);
    EXPECT_EQ((salon::Rect{4, 0, 6, 4}), boundsOf(r));
    EXPECT_EQ(pic(0, 1), s.image().pixel(5, 1));  // the outline's pixels moved with it
    EXPECT_EQ(6.0f, o.x(0));
    lib.TsRgn(r);
}

TEST(OutlineTransforms, ScalingScalesTheOutlineAboutTheOrigin)
{
    Pixolf lib;
    salon::Surface s = painted(10, 10, pic);
    Outline o(1, 1, 3, 3);
    int32_t dX, dY;
    int32_t r = lib.PsObrScaleO(s, o.region, o.x, o.y, o.counts, 1, 4, dX, dY, 2.0f, 1.5f);
    ASSERT_NE(0, r);
    EXPECT_EQ((salon::Rect{2, 2, 6, 4}), boundsOf(r));  // 1.5 -> 2, 4.5 -> 4 (ties to even)
    EXPECT_EQ(20, s.drawableWidth());
    EXPECT_EQ(15, s.drawableHeight());
    EXPECT_EQ(5, dX);
    EXPECT_EQ(2, dY);
    lib.TsRgn(r);
}

TEST(OutlineTransforms, AFailingStepChangesNeitherPictureNorOutline)
{
    Pixolf lib;
    salon::Surface s = painted(200, 200, pic);
    const salon::Bitmap before = s.readRows();
    Outline o(10, 10, 50, 50);
    const int32_t regions = lib.regionCount();
    int32_t dX = 7, dY = 7;
    // The outline could be scaled by 15, the picture cannot (3000 > 2000).
    EXPECT_EQ(0, lib.PsObrScaleO(s, o.region, o.x, o.y, o.counts, 1, 4, dX, dY, 15.0f, 15.0f));
    EXPECT_EQ(0, lib.PsObrScaleO(s, o.region, o.x, o.y, o.counts, 1, 4, dX, dY, 25.0f, 1.0f));
    EXPECT_EQ(0, lib.PsObrFlipO(s, o.region, o.x, o.y, o.counts, 1, 4, false, false));
    // Counts that do not add up to the points, and too few points.
    EXPECT_EQ(0, lib.PsObrRotRO(s, o.region, o.x, o.y, o.counts, 1, 3, dX, dY));
    EXPECT_EQ(0, lib.PsObrRotRO(s, o.region, o.x, o.y, o.counts, 2, 4, dX, dY));
    EXPECT_EQ(10.0f, o.x(0));
    EXPECT_EQ(50.0f, o.y(2));
    EXPECT_EQ(7, dX);
    EXPECT_EQ(before, s.readRows());
    EXPECT_EQ(regions, lib.regionCount());
}

TEST(OutlineTransforms, AnEmptyOutlineRegionIsReleasedAndNothingIsDone)
{
    Pixolf lib;
    salon::Surface s = painted(6, 6, pic);
    Outline o(0, 0, 2, 2);
    state().regions.remove(uint32_t(o.region));
    o.region = int32_t(state().regions.add(salon::Region()));
    const int32_t regions = lib.regionCount();
    int32_t dX, dY;
    EXPECT_EQ(0, lib.PsObrRotaceO(s, o.region, o.x, o.y, o.counts, 1, 4, dX, dY, 0.5f));
    EXPECT_EQ(0, o.region);
    EXPECT_EQ(regions - 1, lib.regionCount());
    EXPECT_EQ(6, s.drawableWidth());
}

TEST(OutlineTransforms, RotationCutsThePictureToTheTurnedOutlineAndKeepsThemInRegister)
{
    Pixolf lib;
    // 4 x 2 turned by single-precision pi / 2: the picture is 3 x 5 with offsets (1, 0); the
    // outline (0,0)-(4,2) turns to x from -1 to 1, y from 0 to 4; cut x 0..2, y 0..4; the
    // quadrant correction (sin u, 0) = (1, 0) moves it onto the 2 x 4 picture exactly.
    salon::Surface s = painted(4, 2, [](int32_t, int32_t) { return packRgb(200, 200, 200); });
    Outline o(0, 0, 4, 2);
    int32_t dX = 0, dY = 0;
    int32_t r = lib.PsObrRotaceO(s, o.region, o.x, o.y, o.counts, 1, 4, dX, dY, 1.5707963f);
    ASSERT_NE(0, r);
    EXPECT_EQ(2, s.drawableWidth());
    EXPECT_EQ(4, s.drawableHeight());
    EXPECT_EQ((salon::Rect{0, 0, 2, 4}), boundsOf(r));
    EXPECT_EQ(-1, dX);
    EXPECT_EQ(1, dY);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 2; ++x) EXPECT_GE(salon::redOf(s.image().pixel(x, y)), 198) << x << "," << y;
    EXPECT_NEAR(2.0f, o.x(0), 1e-5f);
    lib.TsRgn(r);
}
