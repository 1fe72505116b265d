#include "crop/CropGeometry.h"

#include <gtest/gtest.h>

using namespace trimlet;

namespace {

struct FitCase {
    int32_t w0, h0;
    float scale;
    int32_t dw, dh, left, top;
};

class PreviewFitTest : public testing::TestWithParam<FitCase> {};

TEST_P(PreviewFitTest, FitsIntoTheAreaCentred)
{
    const FitCase c = GetParam();
    const PreviewFit fit = fitPreview(c.w0, c.h0);
    EXPECT_FLOAT_EQ(fit.scale, c.scale);
    EXPECT_EQ(fit.width, c.dw);
    EXPECT_EQ(fit.height, c.dh);
    EXPECT_EQ(fit.left, c.left);
    EXPECT_EQ(fit.top, c.top);
}

INSTANTIATE_TEST_SUITE_P(
    WideTallAndEmpty, PreviewFitTest,
    testing::Values(FitCase{660, 480, 0.5f, 330, 240, 250, 80},      // wide: the width decides
                    FitCase{300, 720, 0.5f, 150, 360, 340, 20},      // tall: the height decides
                    FitCase{1000, 800, 0.33f, 330, 264, 250, 68},
                    FitCase{330, 360, 1.0f, 330, 360, 250, 20},       // exactly the area's proportion
                    FitCase{1001, 3, 330.0f / 1001.0f, 330, 1, 250, 199},  // 0.989 rounds to 1
                    FitCase{0, 0, 0.0f, 0, 0, 415, 200}));           // nothing loaded

TEST(StripLayout, StripsFrameThePreviewTenPixelsThick)
{
    const auto s = initialStrips(fitPreview(660, 480));  // preview 330 x 240 at (250, 80)
    EXPECT_EQ(s[LeftStrip], (StripRect{240, 70, 10, 260}));
    EXPECT_EQ(s[RightStrip], (StripRect{580, 70, 10, 260}));
    EXPECT_EQ(s[TopStrip], (StripRect{240, 70, 350, 10}));
    EXPECT_EQ(s[BottomStrip], (StripRect{240, 320, 350, 10}));
}

struct DragCase {
    const char* name;
    int strip;
    int32_t x, y;  // pointer, twips relative to the strip, start (75, 75)
    bool applied;
    StripRect rect;
    int32_t refX, refY;
};

class StripDragTest : public testing::TestWithParam<DragCase> {};

TEST_P(StripDragTest, OneMoveFromTheStart)
{
    const auto strips = initialStrips(fitPreview(660, 480));
    const DragCase c = GetParam();
    const DragStep step = dragStrip(c.strip, strips[c.strip], strips[c.strip], 75, 75, 75, 75, c.x, c.y);
    EXPECT_EQ(step.applied, c.applied);
    EXPECT_EQ(step.rect, c.rect);
    EXPECT_EQ(step.referenceX, c.refX);
    EXPECT_EQ(step.referenceY, c.refY);
}

INSTANTIATE_TEST_SUITE_P(
    EachStrip, StripDragTest,
    testing::Values(
        DragCase{"LeftInwards", LeftStrip, 75 + 20 * 15, 75, true, {240, 70, 30, 260}, 75, 75},
        // 29 twips are one whole pixel: the twips are truncated, not rounded
        DragCase{"LeftTruncatesTwips", LeftStrip, 75 + 29, 75, true, {240, 70, 11, 260}, 75, 75},
        DragCase{"LeftOutwardsStaysTen", LeftStrip, 75 - 15, 75, false, {240, 70, 10, 260}, 75, 75},
        DragCase{"LeftIgnoresVertical", LeftStrip, 75, 75 + 600, true, {240, 70, 10, 260}, 75, 75},
        DragCase{"RightInwardsMovesOrigin", RightStrip, 75 - 20 * 15, 75, true, {560, 70, 30, 260}, 375, 75},
        DragCase{"RightOutwardsStaysTen", RightStrip, 75 + 15, 75, false, {580, 70, 10, 260}, 75, 75},
        DragCase{"TopInwards", TopStrip, 75, 75 + 7 * 15, true, {240, 70, 350, 17}, 75, 75},
        DragCase{"TopOutwardsStaysTen", TopStrip, 75, 75 - 15, false, {240, 70, 350, 10}, 75, 75},
        DragCase{"BottomInwardsMovesOrigin", BottomStrip, 75, 75 - 7 * 15, true, {240, 313, 350, 17}, 75, 180},
        DragCase{"BottomOutwardsStaysTen", BottomStrip, 75, 75 + 15, false, {240, 320, 350, 10}, 75, 75}),
    [](const testing::TestParamInfo<DragCase>& info) { return std::string(info.param.name); });

TEST(StripDrag, RightStripFollowsThePointerOverSeveralMoves)
{
    // A view reports positions relative to the strip as it stands after the previous move; the
    // reference point makes up for the strip's own movement.
    const StripRect committed{580, 70, 10, 260};
    int32_t left = committed.left, refX = 75;
    const int32_t grabAt = committed.left * 15 + 75;  // absolute twips of the grab
    for (int32_t absPx : {570, 565, 551, 560, 575, 540}) {
        const int32_t pointerAbs = grabAt + (absPx - committed.left) * 15;
        const StripRect working{left, committed.top, committed.left + committed.width - left, committed.height};
        const DragStep step = dragStrip(RightStrip, committed, working, 75, 75, refX, 75, pointerAbs - left * 15, 75);
        ASSERT_TRUE(step.applied);
        refX = step.referenceX;
        left = step.rect.left;
        EXPECT_EQ(step.rect.left, absPx);
        EXPECT_EQ(step.rect.left + step.rect.width, committed.left + committed.width);
    }
}

struct CutCase {
    int32_t w0, h0;
    int32_t leftW, rightW, topH, bottomH;
    Cut cut;
};

class CutTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutTest, StripsBecomeSourcePixels)
{
    const CutCase c = GetParam();
    auto strips = initialStrips(fitPreview(c.w0, c.h0));
    strips[LeftStrip].width = c.leftW;
    strips[RightStrip].width = c.rightW;
    strips[TopStrip].height = c.topH;
    strips[BottomStrip].height = c.bottomH;
    const auto cut = cutInSource(c.w0, c.h0, fitPreview(c.w0, c.h0).scale, strips);
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->x, c.cut.x);
    EXPECT_EQ(cut->y, c.cut.y);
    EXPECT_EQ(cut->width, c.cut.width);
    EXPECT_EQ(cut->height, c.cut.height);
}

INSTANTIATE_TEST_SUITE_P(
    Strips, CutTest,
    testing::Values(CutCase{660, 480, 10, 10, 10, 10, {0, 0, 660, 480}},  // untouched: the whole picture
                    CutCase{660, 480, 30, 20, 15, 40, {40, 10, 600, 410}},
                    // scale 0.33: 1 / 0.33 = 3.03 -> 3; 5 / 0.33 = 15.15 -> 15; 3 / 0.33 = 9.09 -> 9
                    CutCase{1000, 800, 11, 14, 13, 10, {3, 9, 985, 791}},
                    // strips pushed past each other leave nothing
                    CutCase{660, 480, 200, 200, 10, 10, {380, 0, -100, 480}}));

TEST(StripDrag, AMoveBelowTheMinimumLeavesTheStripWhereTheDragPutIt)
{
    const StripRect committed{240, 70, 10, 260}, working{240, 70, 30, 260};
    const DragStep step = dragStrip(LeftStrip, committed, working, 75, 75, 75, 75, 0, 75);
    EXPECT_FALSE(step.applied);
    EXPECT_EQ(step.rect, working);
}

TEST(Cut, NoPictureIsAnArithmeticFailure)
{
    const auto strips = initialStrips(fitPreview(0, 0));
    EXPECT_FALSE(cutInSource(0, 0, 0.0f, strips).has_value());
}

TEST(Cut, RoundsHalfToEven)
{
    // 825 wide gives scale 0.4: 1 / 0.4 = 2.5 goes down to 2, 3 / 0.4 = 7.5 up to 8.
    const float scale = fitPreview(825, 400).scale;
    ASSERT_FLOAT_EQ(scale, 0.4f);
    auto strips = initialStrips(fitPreview(825, 400));
    strips[LeftStrip].width = 11;
    strips[TopStrip].height = 13;
    const auto cut = cutInSource(825, 400, scale, strips);
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->x, 2);
    EXPECT_EQ(cut->y, 8);
    EXPECT_EQ(cut->width, 823);
    EXPECT_EQ(cut->height, 392);
}

struct ReductionCase {
    int32_t w, h;
    float factor;
    int32_t nw, nh;
};

class ReductionTest : public testing::TestWithParam<ReductionCase> {};

TEST_P(ReductionTest, FitsInto354By472)
{
    const ReductionCase c = GetParam();
    const Reduction r = reduceToFit(c.w, c.h);
    EXPECT_FLOAT_EQ(r.factor, c.factor);
    EXPECT_EQ(r.width, c.nw);
    EXPECT_EQ(r.height, c.nh);
    EXPECT_LE(r.width, OutputMaxWidth);
    EXPECT_LE(r.height, OutputMaxHeight);
}

INSTANTIATE_TEST_SUITE_P(
    WideTallAndSmall, ReductionTest,
    testing::Values(ReductionCase{1000, 800, 0.354f, 354, 283},   // 283.2
                    ReductionCase{300, 720, 472.0f / 720.0f, 197, 472},  // 196.67
                    ReductionCase{354, 472, 1.0f, 354, 472},       // already fits: own size
                    ReductionCase{200, 100, 1.0f, 200, 100},
                    ReductionCase{708, 472, 0.5f, 354, 236},
                    ReductionCase{354, 473, 472.0f / 473.0f, 353, 472}));  // one too high shrinks both

} // namespace
