#include "editor/shell/Stamp.h"

#include "editor/shell/texts/Texts.h"
#include "platform/Ui.h"

#include <gtest/gtest.h>

#include <cmath>

namespace salon {
namespace {

Bitmap filled(int32_t w, int32_t h, uint8_t b, uint8_t g, uint8_t r)
{
    Bitmap bm = Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            uint8_t* p = bm.row(y) + 3 * x;
            p[0] = b;
            p[1] = g;
            p[2] = r;
        }
    return bm;
}

void setPixel(Bitmap& bm, int32_t x, int32_t y, uint8_t v)
{
    uint8_t* p = bm.row(y) + 3 * x;
    p[0] = p[1] = p[2] = v;
}

uint8_t blue(const Bitmap& bm, int32_t x, int32_t y) { return bm.row(y)[3 * x]; }

TEST(StampWeights, CentreWeightsAreQuarterForFineAndCappedFourTenthsForCoarse)
{
    const StampWeights fine = stampWeights(0.0f, 8, StampCoverage::Fine);
    EXPECT_FLOAT_EQ(fine.a, 0.25f);
    EXPECT_FLOAT_EQ(fine.b, 0.75f);
    const StampWeights coarse = stampWeights(0.0f, 8, StampCoverage::Coarse);
    EXPECT_FLOAT_EQ(coarse.a, 0.4f);
    EXPECT_FLOAT_EQ(coarse.b, 0.596f);
    // Past the cap the coarse weights are the plain ones again: dist 4 of 20 gives a = 0.4 exactly,
    // not above the cap, so b = 0.6.
    const StampWeights edge = stampWeights(4.0f, 20, StampCoverage::Coarse);
    EXPECT_FLOAT_EQ(edge.a, 0.4f);
    EXPECT_FLOAT_EQ(edge.b, 0.6f);
}

TEST(StampDisc, CentrePixelTakesTheCoverageShareOfTheSample)
{
    struct Case {
        StampCoverage coverage;
        uint8_t expected;  // old 200, sample 0
    };
    // fine: 200 * 0.75 = 150; coarse: 200 * 0.596 = 119.2 -> 119
    for (const Case c : {Case{StampCoverage::Fine, 150}, Case{StampCoverage::Coarse, 119}}) {
        Bitmap bm = filled(60, 60, 200, 200, 200);
        for (int32_t y = 0; y < 60; ++y)
            for (int32_t x = 0; x < 30; ++x) setPixel(bm, x, y, 0);  // sample side black
        ASSERT_TRUE(stampDisc(PixelRows::of(bm), 45, 30, 8, c.coverage, 10, 30));
        EXPECT_EQ(blue(bm, 45, 30), c.expected);
    }
}

TEST(StampDisc, PixelsAtTheRadiusOrBeyondAreNeverChanged)
{
    for (int32_t size = 0; size < 4; ++size) {
        const int32_t r = stampRadius(size);
        Bitmap bm = filled(80, 80, 200, 200, 200);
        // Sample from the black left half, stamp on the right half.
        for (int32_t y = 0; y < 80; ++y)
            for (int32_t x = 0; x < 40; ++x) setPixel(bm, x, y, 0);
        const Bitmap before = bm;
        const int32_t cx = 60, cy = 40;
        stampDisc(PixelRows::of(bm), cx, cy, r, StampCoverage::Coarse, cx - 40, cy);
        for (int32_t y = 0; y < 80; ++y)
            for (int32_t x = 40; x < 80; ++x) {
                const float d = std::sqrt(float((x - cx) * (x - cx) + (y - cy) * (y - cy)));
                if (d >= float(r)) {
                    EXPECT_EQ(blue(bm, x, y), blue(before, x, y)) << "r " << r << " at " << x << "," << y;
                } else if (d <= float(r - 1)) {  // nearer the rim the share of black can round away
                    EXPECT_LT(blue(bm, x, y), 200) << "r " << r << " at " << x << "," << y;
                }
            }
    }
}

TEST(StampDisc, DiscPixelsWhoseSampleFallsOutsideStayUnchanged)
{
    // Sample point 3 pixels from the left edge: disc columns more than 3 left of the centre have
    // their sample outside the picture.
    Bitmap bm = filled(50, 50, 100, 100, 100);
    for (int32_t y = 0; y < 50; ++y) setPixel(bm, 3, y, 0);
    setPixel(bm, 0, 25, 0);
    const Bitmap before = bm;
    ASSERT_TRUE(stampDisc(PixelRows::of(bm), 30, 25, 8, StampCoverage::Fine, 3, 25));
    for (int32_t x = 22; x < 27; ++x) EXPECT_EQ(blue(bm, x, 25), blue(before, x, 25)) << x;  // sample x < 0
    EXPECT_NE(blue(bm, 27, 25), blue(before, 27, 25));  // sample column 0 exists
    EXPECT_EQ(blue(bm, 30, 25), 75);                      // centre: 100 * 0.75 + 0 * 0.25
}

TEST(StampDisc, CoarseSelfStampDarkensByTheWeightsShortOfOne)
{
    Bitmap bm = filled(40, 40, 250, 100, 7);
    ASSERT_TRUE(stampDisc(PixelRows::of(bm), 20, 20, 8, StampCoverage::Coarse, 20, 20));
    const uint8_t* p = bm.row(20) + 3 * 20;
    // v * 0.596 + v * 0.4 = 0.996 v
    EXPECT_EQ(p[0], 249);  // 249.0
    EXPECT_EQ(p[1], 100);  // 99.6
    EXPECT_EQ(p[2], 7);    // 6.972
    Bitmap fine = filled(40, 40, 250, 250, 250);
    stampDisc(PixelRows::of(fine), 20, 20, 8, StampCoverage::Fine, 20, 20);
    EXPECT_EQ(blue(fine, 20, 20), 250);  // fine weights add up to 1
}

TEST(StampDisc, CentreOutsideThePicturePaintsNothing)
{
    Bitmap bm = filled(30, 30, 10, 10, 10);
    setPixel(bm, 5, 5, 200);
    const Bitmap before = bm;
    for (auto [x, y] : {std::pair{-1, 5}, {5, -1}, {30, 5}, {5, 30}})
        EXPECT_FALSE(stampDisc(PixelRows::of(bm), x, y, 20, StampCoverage::Coarse, 5, 5));
    EXPECT_EQ(bm, before);
}

TEST(StampDisc, LaterDiscPixelsCanSampleEarlierPaintedOnes)
{
    // Sample one row above the centre: the row being painted reads the row painted just before.
    Bitmap bm = filled(30, 30, 100, 100, 100);
    setPixel(bm, 15, 10, 0);  // only dark pixel, directly above the first row of the disc
    stampDisc(PixelRows::of(bm), 15, 12, 2, StampCoverage::Fine, 15, 11);
    // Row 11 (dy = -1, dist 1, a = 0.125): 100 * 0.875 + 0 * 0.125 = 87.5 -> 88 (half to even)
    EXPECT_EQ(blue(bm, 15, 11), 88);
    // Row 12 (centre, a = 0.25) samples row 11 as just painted: 100 * 0.75 + 88 * 0.25 = 97
    EXPECT_EQ(blue(bm, 15, 12), 97);
}

TEST(ViewToComposite, ScalesBySumOfSidesAndRoundsHalfToEven)
{
    // composite 512 x 560, view 256 x 280: f = 2
    EXPECT_EQ(viewToComposite(10.25f, 3.0f, 512, 560, 256, 280).x, 20);  // 20.5 -> 20
    EXPECT_EQ(viewToComposite(10.75f, 3.0f, 512, 560, 256, 280).x, 22);  // 21.5 -> 22
    EXPECT_EQ(viewToComposite(10.0f, 3.0f, 512, 560, 256, 280).y, 6);
}

struct StampFixture : ::testing::Test {
    Bitmap composite = filled(100, 100, 200, 200, 200);
    ScriptedUi ui;
    int undoRecords = 0;
    int changes = 0;
    std::vector<int32_t> tMarks, qMarks;
    Bitmap shown;
    StampTool tool{StampHost{
        [this] { return &composite; }, [] { return 100; }, [] { return 100; }, [this] { ++undoRecords; },
        [this] { ++changes; }, [this](const Bitmap& b) { shown = b; }, [this](int32_t i) { tMarks.push_back(i); },
        [this](int32_t i) { qMarks.push_back(i); }, &ui}};
};

TEST_F(StampFixture, LeftClickWithoutSampleShowsText33AndPaintsNothing)
{
    const Bitmap before = composite;
    tool.Picture2_MouseDown(mouse::Left, 0, 50, 50);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, ResText(33));
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
    EXPECT_TRUE(ui.messages[0].title.empty());
    EXPECT_EQ(composite, before);
    EXPECT_EQ(changes, 0);
}

TEST_F(StampFixture, RightClickTakesSampleAndResetsToRadius20Fine)
{
    tool.StampSize = 1;
    tool.Coverage = 2;
    tool.Picture2_MouseDown(mouse::Right, 0, 30, 40);
    EXPECT_EQ(tool.SampleTaken, 1);
    EXPECT_EQ(tool.SampleX, 30);
    EXPECT_EQ(tool.SampleY, 40);
    EXPECT_EQ(tool.StampSize, 3);
    EXPECT_EQ(tool.Coverage, 1);
    EXPECT_EQ(tMarks, std::vector<int32_t>{3});
    EXPECT_EQ(qMarks, std::vector<int32_t>{0});
    EXPECT_EQ(shown.width, StampTool::SampleDisplaySize);
    EXPECT_EQ(changes, 0);
}

TEST_F(StampFixture, ClicksWithAKeyHeldRecordNoUndoStep)
{
    tool.Picture2_MouseDown(mouse::Right, 0, 20, 20);
    tool.Picture2_MouseDown(mouse::Left, 0, 60, 60);
    tool.Picture2_MouseDown(mouse::Left, 1, 62, 60);  // Shift
    tool.Picture2_MouseDown(mouse::Left, 2, 64, 60);  // Ctrl
    EXPECT_EQ(undoRecords, 2);  // the sample click and the first stroke click
    EXPECT_EQ(changes, 3);
}

TEST_F(StampFixture, DroppedSampleMakesTheStampAskAgain)
{
    tool.Picture2_MouseDown(mouse::Right, 0, 20, 20);
    EXPECT_TRUE(tool.DropSample());
    EXPECT_FALSE(tool.DropSample());
    tool.Picture2_MouseDown(mouse::Left, 0, 60, 60);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(StampFixture, ButtonsSetRadiusAndCoverageAndOutOfRangeCoverageCountsAsFine)
{
    tool.TSipka_MouseUp(2, mouse::Left);
    tool.QSipka_MouseUp(1, mouse::Left);
    EXPECT_EQ(stampRadius(tool.StampSize), 16);
    EXPECT_EQ(tool.Coverage, 2);
    tool.TSipka_MouseUp(0, mouse::Right);  // right clicks open help, they choose nothing
    EXPECT_EQ(tool.StampSize, 2);
    tool.Coverage = 7;
    tool.Picture2_MouseDown(mouse::Right, 0, 20, 20);
    tool.Coverage = 7;
    tool.Picture2_MouseDown(mouse::Left, 0, 20, 20);
    EXPECT_EQ(tool.Coverage, 1);
}

TEST(SampleDisplay, ShowsTheSampleAtTheCentreAndWhiteOutsideTheDisc)
{
    Bitmap comp = filled(100, 100, 10, 20, 30);
    const Bitmap d = sampleDisplay(comp, 50, 50, 8, 44, 44);
    const uint8_t* c = d.row(22) + 3 * 22;
    EXPECT_EQ(c[0], 10);
    EXPECT_EQ(c[2], 30);
    EXPECT_EQ(d.row(0)[0], 255);
    EXPECT_EQ(d.row(22)[3 * 31], 255);  // distance 9 > radius 8
}

} // namespace
} // namespace salon
