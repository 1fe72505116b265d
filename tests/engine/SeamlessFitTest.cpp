// The seamless fit: the gradient-domain blend through mask 1, its place in the face-colour command
// and the swatches, and what a failed blend leaves.
#include "EngineFixture.h"
#include "editor/engine/FaceColour.h"
#include "editor/shell/texts/Texts.h"

#include <gtest/gtest.h>

namespace salon {
namespace {

using test::makeModel;
using test::TempDir;

PixelBuffer flat(int32_t w, int32_t h, uint8_t b, uint8_t g, uint8_t r)
{
    PixelBuffer p = PixelBuffer::allocate(w, h);
    p.Valid = true;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            uint8_t* q = p.pixel(x, y);
            q[0] = b, q[1] = g, q[2] = r;
        }
    return p;
}

dsl::Mask fullMask(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t v = 255)
{
    return dsl::Mask{x, y, w, h, std::vector<uint8_t>(size_t(w) * size_t(h), v)};
}

TEST(SeamlessFaceColour, AFlatFaceTakesTheModelsColourAndAFeatureKeepsItsPlaceAndContrast)
{
    // A yellowish face with one dark square, over a pink model skin.
    PixelBuffer face = flat(60, 60, 60, 200, 220);
    for (int32_t y = 28; y < 32; ++y)
        for (int32_t x = 20; x < 24; ++x) {
            uint8_t* q = face.pixel(x, y);
            q[0] = 10, q[1] = 150, q[2] = 170;  // 50 darker in every channel
        }
    const PixelBuffer base = flat(60, 60, 150, 160, 230);
    PixelBuffer work = flat(60, 60, 0, 0, 0);
    std::string why;
    ASSERT_TRUE(SeamlessFaceColour(face, base, fullMask(10, 10, 40, 40), work, why)) << why;

    // Away from the feature the face has no gradient: it becomes the model's skin.
    const uint8_t* plain = work.pixel(40, 40);
    EXPECT_NEAR(plain[0], 150, 3);
    EXPECT_NEAR(plain[1], 160, 3);
    EXPECT_NEAR(plain[2], 230, 3);
    // The feature stays where it was, about as much darker than its surroundings.
    const uint8_t* dot = work.pixel(21, 29);
    const uint8_t* beside = work.pixel(26, 29);
    EXPECT_NEAR(int(beside[1]) - int(dot[1]), 50, 8);
    EXPECT_NEAR(int(work.pixel(18, 29)[1]), int(beside[1]), 3);
    // Outside mask 1 the work buffer is untouched.
    EXPECT_EQ(work.pixel(5, 5)[2], 0);
}

TEST(SeamlessFaceColour, MaskValuesBelowEightAreNotFaceAndTheSoftEdgeBlends)
{
    const PixelBuffer face = flat(40, 40, 0, 0, 0);
    const PixelBuffer base = flat(40, 40, 100, 100, 100);
    PixelBuffer work = flat(40, 40, 7, 7, 7);
    dsl::Mask m = fullMask(5, 5, 30, 30, 7);
    std::string why;
    EXPECT_FALSE(SeamlessFaceColour(face, base, m, work, why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(work.pixel(20, 20)[0], 7);  // nothing written

    m = fullMask(5, 5, 30, 30, 255);
    for (int32_t x = 5; x < 35; ++x) m.bytes[size_t(x - 5)] = 128;  // a half-covered top row
    ASSERT_TRUE(SeamlessFaceColour(face, base, m, work, why)) << why;
    // Half of a base of 100 and half of a blended face of about 100: about 100 * 0.4975 + 50.
    EXPECT_NEAR(work.pixel(20, 5)[0], 100, 3);
}

TEST(SeamlessFaceColour, BuffersOfDifferentSizesAreRefused)
{
    PixelBuffer work = flat(40, 40, 7, 7, 7);
    std::string why;
    EXPECT_FALSE(SeamlessFaceColour(flat(30, 40, 0, 0, 0), flat(40, 40, 0, 0, 0), fullMask(5, 5, 10, 10), work, why));
    EXPECT_EQ(work.pixel(10, 10)[0], 7);
}

class SeamlessCommand : public TempDir {
protected:
    ScriptedUi ui;
    Engine engine{ui};

    void load(dsl::Model model)
    {
        engine.ModelFile = writeModel("m.dsl", model);
        ASSERT_TRUE(engine.LoadModel());
        engine.PhotoFile = writePhoto("p.bmp", test::makePhoto(50, 60));
        ASSERT_TRUE(engine.LoadPhoto(true));
        engine.FaceLoaded = true;
        engine.EditMode = 2;
        engine.FaceX = 5, engine.FaceY = 5;
        engine.ComposeResult();
    }
};

TEST_F(SeamlessCommand, ButtonTwoFitsSeamlesslyAndLeavesTheOtherFitsAsTheyWere)
{
    load(makeModel(64, 70, {10, 10, 50, 60}));
    engine.FaceColourCommand(0);
    const Bitmap at100 = engine.Surfaces[Composite].image();

    engine.FaceColourCommand(SeamlessFitButton);
    EXPECT_TRUE(engine.SeamlessMatch);
    const Bitmap seamless = engine.Surfaces[Composite].image();
    EXPECT_NE(at100, seamless);
    EXPECT_TRUE(ui.messages.empty());
    // The hair (masks 2 and 3 over the top rows) is laid back as after the 100 % fit.
    for (int32_t x = 0; x < 64; ++x) EXPECT_EQ(at100.pixel(x, 2), seamless.pixel(x, 2)) << x;

    // The 100 % fit afterwards is the 100 % fit, bit for bit.
    engine.FaceColourCommand(0);
    EXPECT_FALSE(engine.SeamlessMatch);
    EXPECT_EQ(at100, engine.Surfaces[Composite].image());
}

TEST_F(SeamlessCommand, ASwatchKeepsTheSeamlessFace)
{
    load(makeModel(64, 70, {10, 10, 50, 60}));
    engine.FaceColourCommand(SeamlessFitButton);
    const Bitmap seamless = engine.Surfaces[Composite].image();
    ASSERT_TRUE(engine.SwatchClick(16));
    const Bitmap recoloured = engine.Surfaces[Composite].image();
    // Below the hair rows the face is the seamless one.
    EXPECT_EQ(seamless.pixel(30, 40), recoloured.pixel(30, 40));
}

TEST_F(SeamlessCommand, AFailedBlendSaysSoAndLeavesTheResultAsItWas)
{
    dsl::Model m = makeModel(64, 70, {10, 10, 50, 60});
    std::fill(m.mask1.bytes.begin(), m.mask1.bytes.end(), uint8_t(3));  // no face pixel to blend
    load(m);
    engine.FaceColourCommand(0);
    const Bitmap composite = engine.Surfaces[Composite].image();
    const Bitmap layer = engine.Surfaces[FaceLayer].image();
    engine.FaceX = 9;  // a placement changed since: the failed fit must not compose it either

    EXPECT_FALSE(engine.SeamlessFit());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.find(ResText(85)), 0u);
    EXPECT_EQ(composite, engine.Surfaces[Composite].image());
    EXPECT_EQ(layer, engine.Surfaces[FaceLayer].image());
    EXPECT_FALSE(engine.SeamlessMatch);
}

} // namespace
} // namespace salon
