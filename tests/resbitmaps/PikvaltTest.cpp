#include "resbitmaps/SuObrTR.h"
#include "resbitmaps/SwatchColours.h"
#include "platform/Numbers.h"
#if SALON_HAVE_ENGINE
#include "editor/engine/Swatches.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

using pikvalt::SuObrTR;

namespace {

struct PictureCase {
    int32_t id;
    int32_t width, height;
    uint16_t bits;
    size_t resourceBytes;  // the bitmap resource as the editor was laid out against it
};

class PictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, HasItsFixedSizeAndDepth)
{
    const PictureCase c = GetParam();
    const salon::Bitmap b = SuObrTR().LtRscB(c.id);
    ASSERT_FALSE(b.isNull());
    EXPECT_EQ(b.width, c.width);
    EXPECT_EQ(b.height, c.height);
    EXPECT_EQ(b.bitsPerPixel, c.bits);
    EXPECT_EQ(b.palette.size(), c.bits == 8 ? 256u : 0u);
    EXPECT_EQ(pikvalt::resourceData(c.id).size(), c.resourceBytes);
}

INSTANTIATE_TEST_SUITE_P(
    TwelvePictures, PictureTest,
    testing::Values(PictureCase{10, 440, 480, 8, 212268}, PictureCase{11, 440, 480, 8, 212268},
                    PictureCase{12, 440, 480, 8, 212268}, PictureCase{13, 440, 480, 8, 212268},
                    PictureCase{14, 440, 480, 8, 212268}, PictureCase{15, 440, 480, 8, 212268},
                    PictureCase{16, 440, 480, 8, 212268}, PictureCase{17, 440, 480, 8, 212268},
                    PictureCase{18, 208, 250, 8, 53068}, PictureCase{19, 1870, 176, 24, 987756},
                    PictureCase{20, 1870, 176, 24, 987756}, PictureCase{21, 1650, 176, 24, 871596}));

TEST(Pikvalt, UnknownIdsGiveTheEmptyPicture)
{
    for (int32_t id : {9, 22, 0, -1, 1000, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(SuObrTR().LtRscB(id).isNull()) << id;
        EXPECT_TRUE(pikvalt::resourceData(id).empty()) << id;
    }
}

TEST(Pikvalt, EveryAnimationFrameIsADifferentPicture)
{
    // The right image steps through 10-15 and the left alternates 16 and 17: a frame embedded twice
    // would make the animation stall.
    for (int32_t a = 10; a <= 17; ++a)
        for (int32_t b = a + 1; b <= 17; ++b)
            EXPECT_NE(SuObrTR().LtRscB(a).pixels, SuObrTR().LtRscB(b).pixels) << a << " " << b;
}

#if SALON_HAVE_ENGINE
TEST(Pikvalt, PalettesUseTheEngineSwatchColours)
{
    // A click on cell k recolours the hair with the engine's swatch; the picture must show that colour.
    for (size_t i = 0; i < pikvalt::SwatchRgbTable.size(); ++i) {
        EXPECT_EQ(pikvalt::SwatchRgbTable[i].red, salon::SwatchTable[i].red) << i;
        EXPECT_EQ(pikvalt::SwatchRgbTable[i].green, salon::SwatchTable[i].green) << i;
        EXPECT_EQ(pikvalt::SwatchRgbTable[i].blue, salon::SwatchTable[i].blue) << i;
    }
}
#endif

struct BankCase {
    int32_t id;
    int first, count;
};

class SwatchBankTest : public testing::TestWithParam<BankCase> {};

TEST_P(SwatchBankTest, EachCellIsALockOfItsSwatchColour)
{
    const BankCase c = GetParam();
    const salon::Bitmap bank = SuObrTR().LtRscB(c.id);
    ASSERT_EQ(bank.width, c.count * pikvalt::SwatchCellWidth);
    for (int k = 0; k < c.count; ++k) {
        const pikvalt::SwatchRgb want = pikvalt::SwatchRgbTable[size_t(c.first + k)];
        const int32_t x0 = k * pikvalt::SwatchCellWidth;
        // Hair pixels are those that stand out from the background at the cell's left margin; the
        // clip at the top is left out. Their mean is the swatch colour, light and shade balanced.
        double sum[3] = {0, 0, 0};
        int n = 0, rowsWithHair = 0;
        for (int32_t y = 24; y < bank.height; ++y) {
            const uint32_t bg = bank.pixel(x0 + 3, y);
            bool any = false;
            for (int32_t x = x0 + 4; x < x0 + pikvalt::SwatchCellWidth - 2; ++x) {
                const uint32_t p = bank.pixel(x, y);
                const int diff = std::abs(int(salon::redOf(p)) - salon::redOf(bg)) +
                                 std::abs(int(salon::greenOf(p)) - salon::greenOf(bg)) +
                                 std::abs(int(salon::blueOf(p)) - salon::blueOf(bg));
                if (diff < 90) continue;
                sum[0] += salon::redOf(p);
                sum[1] += salon::greenOf(p);
                sum[2] += salon::blueOf(p);
                ++n;
                any = true;
            }
            rowsWithHair += any;
        }
        ASSERT_GT(n, 5000) << "cell " << k;  // a lock, not a flat square or a thin line
        EXPECT_GT(rowsWithHair, 130) << "cell " << k;
        EXPECT_NEAR(sum[0] / n, want.red, 12) << "cell " << k;
        EXPECT_NEAR(sum[1] / n, want.green, 12) << "cell " << k;
        EXPECT_NEAR(sum[2] / n, want.blue, 12) << "cell " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(ThreeBanks, SwatchBankTest,
                         testing::Values(BankCase{19, 0, 17}, BankCase{20, 17, 17}, BankCase{21, 34, 15}));

TEST(Pikvalt, SwatchLocksAreShadedNotFlat)
{
    // Hair has light and shade: within the darkest swatch's lock there must be strands clearly lighter
    // and darker than the mean.
    const salon::Bitmap bank = SuObrTR().LtRscB(20);
    const int32_t x0 = 16 * pikvalt::SwatchCellWidth;  // swatch 33, (15, 15, 15)
    int lo = 255, hi = 0;
    for (int32_t y = 40; y < 140; ++y)
        for (int32_t x = x0 + 40; x < x0 + 70; ++x) {
            const int g = salon::greenOf(bank.pixel(x, y));
            lo = std::min(lo, g);
            hi = std::max(hi, g);
        }
    EXPECT_LT(lo, 12);
    EXPECT_GT(hi, 30);
}

} // namespace
