#include "EngineFixture.h"

#include "editor/engine/FaceTransform.h"

#include <gtest/gtest.h>

using namespace salon;
using namespace salon::test;

namespace {

// 21 x 21, every row the same: column j has blue 10 j, green 200 - 5 j, red 0.
PixelBuffer columnRamp()
{
    PixelBuffer b = PixelBuffer::allocate(21, 21);
    for (int32_t y = 0; y < 21; ++y)
        for (int32_t x = 0; x < 21; ++x) {
            b.pixel(x, y)[0] = uint8_t(10 * x);
            b.pixel(x, y)[1] = uint8_t(200 - 5 * x);
        }
    b.Valid = true;
    return b;
}

PixelBuffer transposed(const PixelBuffer& s)
{
    PixelBuffer t = PixelBuffer::allocate(s.Height, s.Width);
    for (int32_t y = 0; y < s.Height; ++y)
        for (int32_t x = 0; x < s.Width; ++x) std::copy_n(s.pixel(x, y), 3, t.pixel(y, x));
    t.Valid = s.Valid;
    return t;
}

} // namespace

TEST(FaceTransform, DeformationLevelsMapToTenthSteps)
{
    const float expected[11] = {0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 0.0f, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f};
    for (int32_t level = -5; level <= 5; ++level) EXPECT_EQ(expected[level + 5], DeformFactor(level)) << level;
    EXPECT_EQ(0.0f, DeformFactor(6));
}

TEST(FaceTransform, TurnWithFactorOneReproducesThePicture)
{
    PixelBuffer b = columnRamp();
    for (size_t i = 0; i < b.Data.size(); ++i) b.Data[i] = uint8_t(i * 37 + 11);
    const Bitmap original = b.toBitmap();  // pixels only: row padding carries nothing
    ASSERT_TRUE(DeformTurnPixels(b, 1.0f));
    EXPECT_EQ(original, b.toBitmap());
    ASSERT_TRUE(DeformTiltPixels(b, 1.0f));
    EXPECT_EQ(original, b.toBitmap());
}

// Blue of column j is 10 j. Worked by hand from S(j) = (2 - f) + j (2f - 2) / 20:
//  f = 1.5: S = 0.5, 0.55, 0.6, ...; A = 0, 0.5, 1.05, 1.65, 2.3
//    i = 0: u = 1 >= S -> column 0 = 0
//    i = 1: k = 0, u = 0.5 < 0.55, two columns: 0.5/0.55 x 0 + 0.05/0.55 x 10 = 0.91 -> 1
//    i = 2: k = 1, u = 0.95 >= 0.6 -> column 1 = 10
//    i = 3: k = 1, u = 0.35 < 0.65: 0.35/0.65 x 10 + 0.3/0.65 x 20 = 14.6 -> 15
//  f = 0.2: S = 1.8, 1.72, ...; A = 0, 1.8
//    i = 0: two columns: 1/1.8 x 0 + 0.8/1.8 x 10 = 4.4 -> 4
//    i = 1: k = 1, u = 0.2, u + 1 < 1.72, three columns:
//           0.2/1.72 x 10 + 1/1.72 x 20 + 0.52/1.72 x 30 = 21.9 -> 22
//    i = 20: the last column copies column k = 20 -> 200
//  f = 1.6, i = 19 (W - 2): k = 17, u = 0.14, s = 1.54 would take three columns, but at the last
//    but one column the third is left out: 0.14/1.54 x 170 + 1/1.54 x 180 = 132.3 -> 132
//    (with the third term, + 0.4/1.54 x 190, it would be 182)
TEST(FaceTransform, TurnAndTiltWeighTheCoveredSourceColumns)
{
    struct Case {
        float f;
        int32_t column;
        uint8_t blue;
    } cases[] = {{1.5f, 0, 0}, {1.5f, 1, 1}, {1.5f, 2, 10}, {1.5f, 3, 15},
                 {0.2f, 0, 4}, {0.2f, 1, 22}, {0.2f, 20, 200}, {1.6f, 19, 132}};
    for (const Case& c : cases) {
        PixelBuffer turn = columnRamp();
        ASSERT_TRUE(DeformTurnPixels(turn, c.f));
        PixelBuffer tilt = transposed(columnRamp());
        ASSERT_TRUE(DeformTiltPixels(tilt, c.f));
        for (int32_t row : {0, 13, 20}) {
            EXPECT_EQ(c.blue, turn.pixel(c.column, row)[0]) << c.f << " column " << c.column;
            EXPECT_EQ(c.blue, tilt.pixel(row, c.column)[0]) << c.f << " row " << c.column;
        }
    }
    // f > 1 widens the left side: the left half now shows fewer source columns.
    PixelBuffer turn = columnRamp();
    DeformTurnPixels(turn, 1.5f);
    EXPECT_LT(turn.pixel(10, 0)[0], 100);
}

TEST(FaceTransform, DeformationRefusesFactorsAndPicturesOutOfRange)
{
    for (float f : {0.19f, 1.81f}) {
        PixelBuffer b = columnRamp();
        EXPECT_FALSE(DeformTurnPixels(b, f));
        EXPECT_FALSE(DeformTiltPixels(b, f));
        EXPECT_EQ(columnRamp().Data, b.Data);
    }
    PixelBuffer small = PixelBuffer::allocate(20, 30);
    EXPECT_FALSE(DeformTurnPixels(small, 1.2f));
}

TEST(FaceTransform, AnglesAreNormalisedIntoZeroTo360)
{
    struct Case {
        float in, out;
    } cases[] = {{-0.6f, 359.4f}, {0.4f, 0.4f}, {360.0f, 360.0f}, {725.0f, 5.0f}, {-720.0f, 0.0f},
                 {1.0e30f, std::fmod(1.0e30f, 360.0f)}, {NAN, 0.0f}};
    for (const Case& c : cases) {
        float a = c.in;
        NormaliseAngle(a);
        EXPECT_NEAR(c.out, a, 1e-4f) << c.in;
    }
}

// Angle 0 on a 22 x 31 picture with P(i, j) = 8 i + 2 j (1-based, blue). The centre is
// (23 / 2, 23 / 2) = (11.5, 11.5) from the width alone; X0 = Y0 = nearest(11.5) = 12 (ties to
// even), so every destination pixel samples half-way: xs = x - 0.5, ys = y - 0.5, with
// a = b = 0.5 x 0.996 = 0.498:
//   (2, 2): 10 x 0.498 x 0.498 + 18 x 0.5 x 0.498 + 12 x 0.498 x 0.5 + 20 x 0.25 = 14.95 -> 15
//   (5, 3): P(4,2) 36, P(5,2) 44, P(4,3) 38, P(5,3) 46 -> 40.85 -> 41
//   (22, 5): the last column still has its right neighbour (ix + 1 = 22) -> 180
//   (1, y) and (x, 1): the sample point lies left of or above the first pixel -> black
// A centre taken from the height (16) would sample whole rows instead (ys = y).
TEST(FaceTransform, RotationSamplesAroundTheWidthCentreWithTheFactors)
{
    PixelBuffer b = PixelBuffer::allocate(22, 31);
    for (int32_t y = 1; y <= 31; ++y)
        for (int32_t x = 1; x <= 22; ++x) b.pixel(x - 1, y - 1)[0] = uint8_t(8 * x + 2 * y);
    b.Valid = true;
    const PixelBuffer r = RotatedPixels(b, 0.0f);
    struct Case {
        int32_t x, y;
        uint8_t blue;
    } cases[] = {{2, 2, 15}, {5, 3, 41}, {22, 5, 180}, {21, 5, 172}, {4, 31, 89}, {10, 20, 115}, {1, 1, 0}, {1, 9, 0}, {9, 1, 0}};
    for (const Case& c : cases) EXPECT_EQ(c.blue, r.pixel(c.x - 1, c.y - 1)[0]) << c.x << "," << c.y;
}

// A quarter turn of a 21 x 21 picture: cx = cy = 11, X0 = 11, Y0 = -11, so destination (x, y)
// samples source (y, 22 - x) with weights 0.996 x 0.996 (the tiny fractions the constant
// 3.141529 leaves are far below half a step here). Column 21 has no right neighbour: black.
TEST(FaceTransform, QuarterTurnMovesRowsIntoColumns)
{
    PixelBuffer b = PixelBuffer::allocate(21, 21);
    for (int32_t y = 0; y < 21; ++y)
        for (int32_t x = 0; x < 21; ++x) b.pixel(x, y)[2] = 200;
    b.pixel(4, 16)[2] = 100;  // source (5, 17), 1-based
    b.Valid = true;
    const PixelBuffer r = RotatedPixels(b, 90.0f);
    // Destination (5, 5): source (5, 17) -> 100 x 0.992 = 99.2 -> 99 (plus a trace of its neighbours).
    EXPECT_EQ(99, r.pixel(4, 4)[2]);
    EXPECT_EQ(198, r.pixel(9, 9)[2]);  // 200 x 0.992016 = 198.4
    EXPECT_EQ(0, r.pixel(9, 20)[2]);   // y = 21 needs source column 22
}

// Rows are read by the source's own RowBytes and written by the destination's, which always has
// the usual layout: 16 pixels are 48 bytes, a multiple of 4, so the destination has no padding
// while this source carries 5 bytes of it. (A sanitizer build also sees every write stay inside.)
TEST(FaceTransform, RotationReadsAndWritesEachBufferByItsOwnRowLayout)
{
    PixelBuffer usual = PixelBuffer::allocate(16, 5);
    for (size_t i = 0; i < usual.Data.size(); ++i) usual.Data[i] = uint8_t(i * 29 + 3);
    usual.Valid = true;
    PixelBuffer padded = usual;
    padded.RowBytes = 53;
    padded.Data.assign(size_t(53 * 5), 0xEE);
    for (int32_t y = 0; y < 5; ++y) std::copy_n(usual.pixel(0, y), 48, padded.pixel(0, y));
    for (float angle : {0.0f, 8.0f, 351.0f}) {
        const PixelBuffer want = RotatedPixels(usual, angle), got = RotatedPixels(padded, angle);
        EXPECT_EQ(48, got.RowBytes);
        EXPECT_EQ(want.Data, got.Data) << angle;
    }
}

class FaceOnModel : public TempDir {
protected:
    ScriptedUi ui;
    Engine engine{ui};

    void load(int32_t modelW, int32_t modelH, int32_t photoW, int32_t photoH)
    {
        engine.ModelFile = writeModel("m.dsl", makeModel(modelW, modelH, {0, 0, modelW, modelH}));
        ASSERT_TRUE(engine.LoadModel());
        engine.PhotoFile = writePhoto("p.bmp", makePhoto(photoW, photoH));
        ASSERT_TRUE(engine.LoadPhoto(true));
        engine.FaceLoaded = true;
        engine.EditMode = 2;
    }
};

TEST_F(FaceOnModel, SmallAnglesAreNotRotatedAndNegativeOnesWrapAround)
{
    load(60, 60, 40, 50);
    const Bitmap loaded = engine.Surfaces[7].image();
    engine.Angle = 0.4f;
    engine.RenderFace(true);
    EXPECT_EQ(loaded, engine.Surfaces[1].image());
    EXPECT_EQ(0.4f, engine.Angle);

    engine.Angle = -0.6f;
    engine.RenderFace(true);
    EXPECT_EQ(359.4f, engine.Angle);
    EXPECT_NE(loaded, engine.Surfaces[1].image());
}

TEST_F(FaceOnModel, RenderFaceSkipsWhenTurnTiltAndAngleAreUnchanged)
{
    load(60, 60, 40, 50);
    engine.UndoStep(0);  // history entry 1 = the current (untransformed) state
    engine.Surfaces[1].fillRect({0, 0, 5, 5}, 0x00FF00);
    const Bitmap marked = engine.Surfaces[1].image();
    engine.FaceX = 7;  // position is not the face's business
    engine.RenderFace(false);
    EXPECT_EQ(marked, engine.Surfaces[1].image());
    engine.DeformH = 2;
    engine.RenderFace(false);
    EXPECT_NE(marked, engine.Surfaces[1].image());
}

TEST_F(FaceOnModel, MirrorTurnTiltAndRotationApplyInThatOrder)
{
    load(60, 60, 40, 50);
    engine.Mirror = 1;
    engine.DeformH = 3;
    engine.DeformV = -2;
    engine.Angle = 12.0f;
    engine.RenderFace(true);

    PixelBuffer expected = PixelBuffer::fromBitmap(makePhoto(40, 50));
    for (int32_t y = 0; y < 50; ++y)
        for (int32_t l = 0, r = 39; l < r; ++l, --r) std::swap_ranges(expected.pixel(l, y), expected.pixel(l, y) + 3, expected.pixel(r, y));
    ASSERT_TRUE(DeformTurnPixels(expected, 1.3f));
    ASSERT_TRUE(DeformTiltPixels(expected, 0.8f));
    expected = RotatedPixels(expected, 12.0f);
    EXPECT_EQ(expected.Data, engine.GetPixels(1).Data);
}

// FaceX = -50 with ScaleX = 2 and a 300-pixel photo: SW = 600, oX = -25, so the face layer gets
// source columns 25..299 stretched into 0..549 and stays black from 550 on.
TEST_F(FaceOnModel, FaceMovedPastTheLeftEdgeIsCutThere)
{
    load(600, 100, 300, 40);
    engine.ScaleX = 2.0f;
    engine.FaceX = -50;
    engine.ComposeResult();
    ASSERT_TRUE(engine.LastComposeDrew);
    const Bitmap& face = engine.Surfaces[6].image();
    EXPECT_EQ(packRgb(77, 10, 25), face.pixel(0, 10));
    EXPECT_EQ(packRgb(77, 10, 25), face.pixel(1, 10));
    EXPECT_EQ(packRgb(77, 10, 26), face.pixel(2, 10));
    EXPECT_EQ(packRgb(77, 10, 299 - 256), face.pixel(549, 10));
    EXPECT_EQ(0u, face.pixel(550, 10));
    EXPECT_EQ(0u, face.pixel(10, 40));  // below the photo (height 40, scale 1)
}

TEST_F(FaceOnModel, FaceMovedWhollyOffTheModelLeavesItBlack)
{
    load(60, 60, 40, 50);
    engine.FaceX = -40;
    engine.ComposeResult();
    EXPECT_FALSE(engine.LastComposeDrew);
    EXPECT_EQ(0u, engine.Surfaces[6].image().pixel(5, 5));
}

// Offsets and scales at the ends of their ranges: the arithmetic that cuts the face at the model's
// edges must not wrap (-(-2147483648) has no 32-bit value), and such a face lies off the model.
TEST_F(FaceOnModel, ExtremeOffsetsAndScalesLeaveTheModelBlackWithoutWrapping)
{
    load(60, 60, 40, 50);
    const struct {
        int32_t x, y;
        float sx, sy;
    } cases[] = {
        {INT32_MIN, INT32_MIN, 1.0f, 1.0f},
        {INT32_MIN, 0, 0.001f, 1.0f},
        {-5, -5, 1e-9f, 1e-9f},
        {INT32_MAX, INT32_MAX, 1.0f, 1.0f},
        {0, 0, 3e38f, 3e38f},
        {-1000000, 0, 1e-6f, 1.0f},
    };
    for (const auto& c : cases) {
        engine.FaceX = c.x, engine.FaceY = c.y, engine.ScaleX = c.sx, engine.ScaleY = c.sy;
        engine.ComposeResult();
        EXPECT_FALSE(engine.LastComposeDrew) << c.x << ", " << c.y << " at " << c.sx;
        EXPECT_EQ(0u, engine.Surfaces[Composite].image().pixel(30, 30));
    }
}

TEST_F(FaceOnModel, CompositeShowsTheFaceInsideTheCutOutAndTheModelOutside)
{
    engine.ModelFile = writeModel("m.dsl", makeModel(60, 60, {10, 10, 30, 30}));
    ASSERT_TRUE(engine.LoadModel());
    engine.PhotoFile = writePhoto("p.bmp", makePhoto(40, 50));
    engine.FaceLoaded = true;
    engine.EditMode = 2;
    ASSERT_TRUE(engine.LoadPhoto(true));
    const Bitmap& c = engine.Surfaces[5].image();
    EXPECT_EQ(packRgb(77, 15, 15), c.pixel(15, 15));    // the photo, unscaled at (0, 0)
    EXPECT_EQ(packRgb(200, 5, 5), c.pixel(5, 5));       // the model's picture 1
    EXPECT_EQ(packRgb(200, 45, 45), c.pixel(45, 45));
}

TEST_F(FaceOnModel, CompositeIsTheFaceLayerThroughTheCutOutPixelForPixel)
{
    dsl::Model m = makeModel(90, 80, {10, 10, 70, 70});
    m.set1 = {{4, 4}, {{10, 10}, {70, 10}, {70, 70}, {10, 70}, {30, 30}, {50, 25}, {45, 50}, {25, 45}}};  // a ring
    engine.ModelFile = writeModel("ring.dsl", m);
    ASSERT_TRUE(engine.LoadModel());
    engine.PhotoFile = writePhoto("p.bmp", makePhoto(40, 50));
    ASSERT_TRUE(engine.LoadPhoto(true));
    engine.FaceLoaded = true;
    engine.EditMode = 2;
    engine.ScaleX = 1.7f;
    engine.ScaleY = 1.3f;
    engine.FaceX = -9;
    engine.FaceY = 4;
    engine.ComposeResult();
    const Bitmap& composite = engine.Surfaces[5].image();
    const Bitmap& face = engine.Surfaces[6].image();
    const Bitmap& model = engine.Surfaces[2].image();
    int inside = 0;
    for (int32_t y = 0; y < 80; ++y)
        for (int32_t x = 0; x < 90; ++x) {
            const bool cut = engine.CutRgn->contains(x, y);
            inside += cut;
            ASSERT_EQ(cut ? face.pixel(x, y) : model.pixel(x, y), composite.pixel(x, y)) << x << "," << y;
        }
    EXPECT_GT(inside, 2000);
    EXPECT_FALSE(engine.CutRgn->contains(40, 40));  // the hole of the ring shows the model
}
