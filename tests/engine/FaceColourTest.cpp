#include "EngineFixture.h"

#include "editor/engine/FaceColour.h"
#include "editor/engine/Swatches.h"

#include <gtest/gtest.h>

using namespace salon;
using namespace salon::test;

namespace {

PixelBuffer filled(int32_t w, int32_t h, uint8_t b, uint8_t g, uint8_t r)
{
    PixelBuffer p = PixelBuffer::allocate(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            p.pixel(x, y)[0] = b;
            p.pixel(x, y)[1] = g;
            p.pixel(x, y)[2] = r;
        }
    p.Valid = true;
    return p;
}

void set(PixelBuffer& p, int32_t x, int32_t y, uint8_t b, uint8_t g, uint8_t r)
{
    p.pixel(x, y)[0] = b;
    p.pixel(x, y)[1] = g;
    p.pixel(x, y)[2] = r;
}

std::array<uint8_t, 3> at(const PixelBuffer& p, int32_t x, int32_t y) { return {p.pixel(x, y)[0], p.pixel(x, y)[1], p.pixel(x, y)[2]}; }
using BGR = std::array<uint8_t, 3>;

} // namespace

TEST(Swatches, TableValuesAreChannelSumsExceptSwatch21)
{
    for (int32_t k = 0; k < SwatchCount; ++k) {
        const Swatch& s = SwatchTable[size_t(k)];
        if (k == 21) EXPECT_EQ(213, s.value);
        else EXPECT_EQ(s.red + s.green + s.blue, s.value) << k;
    }
    EXPECT_EQ(packRgb(140, 109, 73), SwatchColours(16));
    EXPECT_EQ(0u, SwatchColours(49));
    EXPECT_EQ(-1, SwatchValue(-1));
}

TEST(Swatches, BrightnessClassesFollowTheSum)
{
    EXPECT_EQ(1, SwatchClass(SwatchColours(16)));  // 322
    EXPECT_EQ(3, SwatchClass(SwatchColours(0)));   // 100
    EXPECT_EQ(2, SwatchClass(SwatchColours(7)));   // 132
    // Green carries red / 256: R 1 + G 119 is 120 in whole bytes, but 120.004 with the fraction.
    EXPECT_EQ(3, SwatchClass(packRgb(0, 120, 0)));
    EXPECT_EQ(2, SwatchClass(packRgb(1, 119, 0)));
}

// Face pixels under mask 1 (x 1..3, y 0): (1,0) BGR 100,80,60 at 255; (2,0) 50,40,30 at 100;
// (3,0) white at 7 (ignored). Averages B 75, G 60, R 45; skin R 90, G 90, B 150 gives with
// divisor 1.2: kB = kR = 1 + (2 - 1)/1.2 = 1.8333, kG = 1 + (1.5 - 1)/1.2 = 1.4167.
//   (1,0): alpha 1, beta 0: 100 x 1.8333 = 183.3 -> 183, 80 x 1.4167 -> 113, 60 x 1.8333 -> 110
//   (2,0): corrected 92, 57, 55; alpha = 100/255, beta = (1 - alpha) 0.995 = 0.6048; base
//          200, 100, 0: 200 x 0.6048 + 0.3922 x 92 = 157.04 -> 157; 83; 21.57 -> 22
// With divisor 1.6: kB = kR = 1.625, kG = 1.3125 -> (2,0) = 153, 81, 19 and (1,0) = 162, 105, 98.
TEST(FaceColour, MatchCorrectsTowardTheSkinAndBlendsByMask1)
{
    dsl::Mask mask1{1, 0, 3, 1, {255, 100, 7}};
    PixelBuffer face = filled(5, 2, 0, 0, 0);
    set(face, 1, 0, 100, 80, 60);
    set(face, 2, 0, 50, 40, 30);
    set(face, 3, 0, 255, 255, 255);
    PixelBuffer base = filled(5, 2, 9, 9, 9);
    set(base, 2, 0, 200, 100, 0);
    const uint32_t skin = packRgb(90, 90, 150);

    struct Case {
        bool strong;
        BGR full, partial;
    } cases[] = {{true, {183, 113, 110}, {157, 83, 22}}, {false, {162, 105, 98}, {153, 81, 19}}};
    for (const Case& c : cases) {
        PixelBuffer work = filled(5, 2, 1, 2, 3);
        MatchFaceColour(face, base, mask1, skin, c.strong, work);
        EXPECT_EQ(c.full, at(work, 1, 0));
        EXPECT_EQ(c.partial, at(work, 2, 0));
        EXPECT_EQ((BGR{1, 2, 3}), at(work, 3, 0));  // mask below 8: the work keeps model picture 1
        EXPECT_EQ((BGR{1, 2, 3}), at(work, 0, 0));  // outside rectangle 1
    }
}

TEST(FaceColour, FaceOfTheSkinColourIsOnlyBlended)
{
    dsl::Mask mask1{0, 0, 2, 1, {255, 255}};
    PixelBuffer face = filled(2, 1, 120, 150, 200);
    PixelBuffer work = filled(2, 1, 0, 0, 0);
    MatchFaceColour(face, filled(2, 1, 9, 9, 9), mask1, packRgb(200, 150, 120), true, work);
    EXPECT_EQ((BGR{120, 150, 200}), at(work, 0, 0));
}

TEST(FaceColour, MaskWithoutAnyValueOf8LeavesTheWorkAlone)
{
    dsl::Mask mask1{0, 0, 3, 1, {0, 7, 3}};
    PixelBuffer work = filled(3, 1, 4, 5, 6);
    const PixelBuffer before = work;
    MatchFaceColour(filled(3, 1, 50, 50, 50), filled(3, 1, 9, 9, 9), mask1, packRgb(200, 150, 120), true, work);
    EXPECT_EQ(before.Data, work.Data);
}

TEST(FaceColour, MasksReachingPastThePictureAreCutToIt)
{
    dsl::Mask mask1{-2, -2, 10, 10, std::vector<uint8_t>(100, 255)};
    dsl::Mask mask2 = mask1, mask3 = mask1;
    PixelBuffer work = filled(3, 3, 4, 5, 6);
    MatchFaceColour(filled(3, 3, 50, 50, 50), filled(3, 3, 9, 9, 9), mask1, packRgb(50, 50, 50), true, work);
    EXPECT_EQ((BGR{50, 50, 50}), at(work, 2, 2));
    BlendHair(filled(3, 3, 255, 255, 255), mask2, mask3, work);
    RecolourHair(SwatchColours(3), packRgb(60, 40, 20), filled(3, 3, 255, 255, 255), filled(3, 3, 0, 0, 0), mask2, mask3, work);
}

// A mask at the far end of the coordinate range (a damaged model the steps are handed anyway):
// its right edge lies beyond 32 bits, and none of it is on the pictures, so nothing changes.
TEST(FaceColour, MasksAtTheEndOfTheCoordinateRangeChangeNothing)
{
    for (int32_t at : {INT32_MAX - 2, INT32_MAX}) {
        dsl::Mask mask{at, at, 5, 5, std::vector<uint8_t>(25, 255)};
        PixelBuffer work = filled(3, 3, 4, 5, 6);
        const PixelBuffer before = work;
        MatchFaceColour(filled(3, 3, 50, 50, 50), filled(3, 3, 9, 9, 9), mask, packRgb(50, 50, 50), true, work);
        BlendHair(filled(3, 3, 255, 255, 255), mask, mask, work);
        RecolourHair(SwatchColours(3), packRgb(60, 40, 20), filled(3, 3, 255, 255, 255), filled(3, 3, 0, 0, 0), mask,
                     mask, work);
        EXPECT_EQ(before.Data, work.Data) << at;
        EXPECT_FALSE(mask.contains(0, 0));
        EXPECT_TRUE(mask.contains(INT32_MAX, INT32_MAX));
    }
}

// The 0.995 of the face match, pinned between 0.9945 and 0.9955. A black face under a skin colour
// of 5, 5, 5 (the smallest average the match divides by) keeps k = 1, so only base x beta counts:
//   mask 80: beta = (1 - 80/255) 0.995 = 0.68287; 200 x beta = 136.57 -> 137 (0.9945 gives 136)
//   mask 11: beta = (1 - 11/255) 0.995 = 0.95208; 200 x beta = 190.42 -> 190 (0.9955 gives 191)
TEST(FaceColour, TheMatchWeighsTheBaseByExactly0995)
{
    dsl::Mask mask1{0, 0, 2, 1, {80, 11}};
    PixelBuffer work = filled(2, 1, 0, 0, 0);
    MatchFaceColour(filled(2, 1, 0, 0, 0), filled(2, 1, 200, 200, 200), mask1, packRgb(5, 5, 5), true, work);
    EXPECT_EQ((BGR{137, 137, 137}), at(work, 0, 0));
    EXPECT_EQ((BGR{190, 190, 190}), at(work, 1, 0));
}

// The 0.996 of the hair blend, pinned between 0.9955 and 0.9965: a = 2, b = 200 gives
// t = 400 / 65536 = 0.0061035 and u = (1 - t) 0.996 = 0.989921.
//   work 150, model 3: 148.488 + 0.0183 = 148.507 -> 149 (0.9955 gives 148)
//   work 150, model 0: 148.488 -> 148 (0.9965 gives 149)
TEST(FaceColour, TheHairBlendKeepsExactly0996OfTheWork)
{
    dsl::Mask mask2{0, 0, 2, 1, {2, 2}};
    dsl::Mask mask3{0, 0, 2, 1, {200, 200}};
    PixelBuffer model1 = filled(2, 1, 3, 3, 3);
    set(model1, 1, 0, 0, 0, 0);
    PixelBuffer work = filled(2, 1, 150, 150, 150);
    BlendHair(model1, mask2, mask3, work);
    EXPECT_EQ((BGR{149, 149, 149}), at(work, 0, 0));
    EXPECT_EQ((BGR{148, 148, 148}), at(work, 1, 0));
}

// t = a b / 65536, u = (1 - t) 0.996:
//   a 128, b 255: t = 0.49805, u = 0.49995; work 200, model 100 -> 99.99 + 49.80 = 149.8 -> 150
//   a 255, b 255, both 255: 255 (u = 0.00777, t = 0.99220: 254.99)
//   a 255, b 128: t = 0.49805, u = 0.49995; work 10, model 250 -> 5.0 + 124.5 = 129.5 -> 130
TEST(FaceColour, BlendHairLaysModelPicture1OverTheWork)
{
    dsl::Mask mask2{0, 0, 4, 1, {128, 255, 255, 0}};
    dsl::Mask mask3{0, 0, 4, 1, {255, 255, 128, 255}};
    PixelBuffer model1 = filled(4, 1, 100, 100, 100);
    set(model1, 1, 0, 255, 255, 255);
    set(model1, 2, 0, 250, 250, 250);
    PixelBuffer work = filled(4, 1, 200, 200, 200);
    set(work, 1, 0, 255, 255, 255);
    set(work, 2, 0, 10, 10, 10);
    BlendHair(model1, mask2, mask3, work);
    EXPECT_EQ((BGR{150, 150, 150}), at(work, 0, 0));
    EXPECT_EQ((BGR{255, 255, 255}), at(work, 1, 0));
    EXPECT_EQ((BGR{130, 130, 130}), at(work, 2, 0));
    EXPECT_EQ((BGR{200, 200, 200}), at(work, 3, 0));  // mask 2 is 0
}

// Target swatch 16 (R 140, G 109, B 73): Gt = 28044 / 256 = 109.546875, class 1,
// K = 1.2 (Gt + Rt) = 299.456. Model hair R 60, G 40, B 20: Gh = 10300 / 256 = 40.234375,
// Sh = 120.234375; pR = 1.16439, pG = 0.91111, pB = 0.60715.
//   model1 BGR 20,40,60 -> L = 120, n = 72.86, 109.33, 139.73
//   b = 200: w = 0.8, a = 255: alpha 0.8 over base 100 -> 78.29, 107.47, 131.78 -> 78, 107, 132
//   b = 250: w = q K / (nG + nR) = 1.2 -> 1: the target itself, 73, 109, 140
// Target swatch 7 (R 70, G 37, B 25), class 2, over a dark model hair R = G = B = 20
// (Sh = 60.08): model1 100,100,100 (L 300) gives w = 2 x 1.2 x 60.08 / 300 = 0.4806 -> squared
// 0.2310; a = 200: alpha = 0.1812 over base 50, 60, 70 -> 64, 83, 121.
// Target swatch-like R 23, G 18, B 14 (class 3) over hair 6,6,6 and model1 90 (L 270):
// w = 0.2405 cubed = 0.01388 -> 52, 63, 74 over base 50, 60, 70.
TEST(FaceColour, RecolourKeepsTheHairsLightAndShade)
{
    struct Case {
        uint32_t colour, hair;
        BGR model1;
        BGR base;
        uint8_t a, b;
        BGR expected;
    } cases[] = {
        {SwatchColours(16), packRgb(60, 40, 20), {20, 40, 60}, {100, 100, 100}, 255, 200, {78, 107, 132}},
        {SwatchColours(16), packRgb(60, 40, 20), {20, 40, 60}, {100, 100, 100}, 255, 250, {73, 109, 140}},
        {SwatchColours(7), packRgb(20, 20, 20), {100, 100, 100}, {50, 60, 70}, 200, 250, {64, 83, 121}},
        {packRgb(23, 18, 14), packRgb(6, 6, 6), {90, 90, 90}, {50, 60, 70}, 255, 250, {52, 63, 74}},
        // A target without red and green has no nG + nR to divide by: full weight, L x pB = 199.6.
        {packRgb(0, 0, 200), packRgb(60, 40, 20), {20, 40, 60}, {100, 100, 100}, 255, 250, {200, 0, 0}},
        {SwatchColours(16), packRgb(60, 40, 20), {20, 40, 60}, {100, 100, 100}, 2, 250, {1, 2, 3}},  // a below 3
        {SwatchColours(16), packRgb(60, 40, 20), {20, 40, 60}, {100, 100, 100}, 255, 2, {1, 2, 3}},  // b below 3
    };
    for (const Case& c : cases) {
        dsl::Mask mask2{0, 0, 1, 1, {c.a}}, mask3{0, 0, 1, 1, {c.b}};
        PixelBuffer model1 = filled(1, 1, c.model1[0], c.model1[1], c.model1[2]);
        PixelBuffer base = filled(1, 1, c.base[0], c.base[1], c.base[2]);
        PixelBuffer work = filled(1, 1, 1, 2, 3);
        RecolourHair(c.colour, c.hair, model1, base, mask2, mask3, work);
        EXPECT_EQ(c.expected, at(work, 0, 0)) << c.colour << " a " << int(c.a) << " b " << int(c.b);
    }
}

TEST(FaceColour, ColourZeroIsTheModelsOwnHair)
{
    dsl::Mask mask2{0, 0, 1, 1, {128}}, mask3{0, 0, 1, 1, {255}};
    PixelBuffer model1 = filled(1, 1, 100, 100, 100);
    PixelBuffer work = filled(1, 1, 200, 200, 200), blended = work;
    RecolourHair(0, packRgb(60, 40, 20), model1, filled(1, 1, 0, 0, 0), mask2, mask3, work);
    BlendHair(model1, mask2, mask3, blended);
    EXPECT_EQ(blended.Data, work.Data);
}

class ColourCommands : public TempDir {
protected:
    ScriptedUi ui;
    Engine engine{ui};

    void SetUp() override
    {
        TempDir::SetUp();
        dsl::Model m = makeModel(60, 60, {10, 10, 40, 50});
        m.rangeFlag = 1;
        m.rangeLow = 60;
        m.rangeHigh = 150;
        engine.ModelFile = writeModel("m.dsl", m);
        engine.PhotoFile = writePhoto("p.bmp", makePhoto(40, 50));
        ASSERT_TRUE(engine.ModelChosen());
        ASSERT_TRUE(engine.LoadPhoto(true));
        engine.FaceLoaded = true;
        engine.EditMode = 2;
    }
};

TEST_F(ColourCommands, SwatchesOutsideTheModelsRangeDoNothing)
{
    engine.FaceColourCommand(0);
    const Bitmap before = engine.Surfaces[5].image();
    EXPECT_FALSE(engine.SwatchClick(13));  // value 55
    EXPECT_FALSE(engine.SwatchClick(42));  // value 151
    EXPECT_EQ(before, engine.Surfaces[5].image());
    EXPECT_EQ(0u, engine.HairChoice);
    EXPECT_TRUE(engine.SwatchClick(12));   // value 67
    EXPECT_EQ(SwatchColours(12), engine.HairChoice);
    EXPECT_NE(before, engine.Surfaces[5].image());
    EXPECT_FALSE(engine.SwatchClick(49));
}

TEST_F(ColourCommands, OwnColourAfterASwatchRestoresTheModelsHair)
{
    engine.FaceColourCommand(1);
    const Bitmap own = engine.Surfaces[5].image();
    ASSERT_TRUE(engine.SwatchClick(12));
    EXPECT_NE(own, engine.Surfaces[5].image());
    engine.OwnHairColour();
    EXPECT_EQ(own, engine.Surfaces[5].image());
}

TEST_F(ColourCommands, FaceColourCommandSetsTheStrengthAndShowsTheHourglass)
{
    engine.FaceColourCommand(0);
    EXPECT_TRUE(engine.StrongMatch);
    const Bitmap strong = engine.Surfaces[5].image();
    engine.FaceColourCommand(1);
    EXPECT_FALSE(engine.StrongMatch);
    EXPECT_NE(strong, engine.Surfaces[5].image());
    ASSERT_GE(ui.cursors.size(), 2u);
    EXPECT_EQ(Cursor::Hourglass, ui.cursors[ui.cursors.size() - 2]);
    EXPECT_EQ(Cursor::Default, ui.cursors.back());
    // Outside mask 1 the composite is model picture 1.
    EXPECT_EQ(engine.Surfaces[2].image().pixel(55, 55), engine.Surfaces[5].image().pixel(55, 55));
}
