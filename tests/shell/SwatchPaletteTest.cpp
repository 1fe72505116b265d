#include "editor/shell/SwatchPalette.h"

#include <gtest/gtest.h>

namespace salon {
namespace {

// Swatch values of a test table: index * 10, so index k of the whole table has value 10 k.
int32_t tenTimes(int32_t index) { return index * 10; }

bool isRed(const Bitmap& b, int32_t x, int32_t y)
{
    const uint8_t* p = b.row(y) + 3 * x;
    return p[0] == 0 && p[1] == 0 && p[2] == 255;
}

int32_t redPixelsInCell(const Bitmap& b, int32_t k)
{
    int32_t n = 0;
    for (int32_t y = 0; y < b.height; ++y)
        for (int32_t x = SwatchCellWidth * k; x < SwatchCellWidth * (k + 1); ++x) n += isRed(b, x, y);
    return n;
}

TEST(SwatchCell, CellBoundariesFollowTheRoundedStripPosition)
{
    struct Case {
        float scroll, X;
        std::optional<int32_t> cell;
    };
    const Case cases[] = {
        {0, 109, 0},        {0, 110, 1},          {0, 0, 0},
        {0, 109.5f, 1},     // 109.5 rounds to 110 (half to even)
        {0, 108.5f, 0},     // 108.5 rounds to 108
        {110, 0, 1},        {1000, 869, 16},      {1000, 870, std::nullopt},  // past the last cell
        {0, -1, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(swatchCellAt(c.scroll, c.X), c.cell) << c.scroll << " + " << c.X;
}

TEST(SwatchRangeTests, LimitsAreCrossedButStillUsable)
{
    const SwatchRange range{1, 60, 150};
    struct Case {
        int32_t value;
        bool crossed, usable;
    };
    for (const Case c : {Case{55, true, false}, Case{60, true, true}, Case{61, false, true}, Case{149, false, true},
                         Case{150, true, true}, Case{151, true, false}}) {
        EXPECT_EQ(swatchCrossed(c.value, range), c.crossed) << c.value;
        EXPECT_EQ(swatchUsable(c.value, range), c.usable) << c.value;
    }
    const SwatchRange open{0, 60, 150};
    EXPECT_FALSE(swatchCrossed(10, open));
    EXPECT_TRUE(swatchUsable(10, open));
}

struct SwatchPanelFixture : ::testing::Test {
    SwatchPanel panel;
    Bitmap bank = Bitmap::rgb24(PaletteWidth, PaletteHeight);
    void SetUp() override { panel.stripWidth = 700; }
};

TEST_F(SwatchPanelFixture, ClickChoosesSwatchOfTheOpenBank)
{
    panel.OpenPalette(1, bank, tenTimes, {});
    EXPECT_EQ(panel.SwatchBase, 17);
    EXPECT_NE(panel.PaletteOpen, 0);
    EXPECT_EQ(panel.Vzornik_MouseDown(109, tenTimes, {}), 17);
    EXPECT_EQ(panel.Vzornik_MouseDown(110, tenTimes, {}), 18);
    panel.HScroll1_Change(440);
    EXPECT_EQ(panel.Vzornik_MouseDown(10, tenTimes, {}), 21);
}

TEST_F(SwatchPanelFixture, LimitSwatchIsDrawnCrossedYetAcceptedWhenClicked)
{
    // Bank 0: values 0, 10, ..., 160. Range 30..120: swatches 0-3 and 12-16 crossed, 3 and 12 usable.
    const SwatchRange range{1, 30, 120};
    panel.OpenPalette(0, bank, tenTimes, range);
    for (int32_t k = 0; k < SwatchesPerBank; ++k) {
        const bool crossed = k <= 3 || k >= 12;
        EXPECT_EQ(redPixelsInCell(panel.palette, k) > 0, crossed) << k;
    }
    EXPECT_EQ(panel.Vzornik_MouseDown(12 * 110 + 5 - float(panel.ScrollValue), tenTimes, range), 12);
    EXPECT_EQ(panel.Vzornik_MouseDown(3 * 110 + 5, tenTimes, range), 3);
    EXPECT_EQ(panel.Vzornik_MouseDown(2 * 110 + 5, tenTimes, range), std::nullopt);
    EXPECT_EQ(panel.SwatchChosen, 2);  // the cell is noted even when the swatch cannot be used
}

TEST_F(SwatchPanelFixture, ClickBeyondTheLastCellDoesNothingEvenWithAWideStrip)
{
    panel.stripWidth = 2000;  // wider than the picture: the scroll bar cannot move
    panel.OpenPalette(2, bank, tenTimes, {});
    EXPECT_EQ(paletteScroll(panel.stripWidth).max, 0);
    EXPECT_EQ(panel.Vzornik_MouseDown(1869, tenTimes, {}), 34 + 16);
    EXPECT_EQ(panel.Vzornik_MouseDown(1870, tenTimes, {}), std::nullopt);
    EXPECT_EQ(panel.Vzornik_MouseDown(1999, tenTimes, {}), std::nullopt);
}

TEST_F(SwatchPanelFixture, VisibleStripIsThePaletteWindowAtTheScrollValue)
{
    for (int32_t x = 0; x < PaletteWidth; ++x) bank.row(0)[3 * x] = uint8_t(x % 251);
    panel.OpenPalette(0, bank, tenTimes, {});
    panel.HScroll1_Change(5000);  // clamped to the range of the bar
    EXPECT_EQ(panel.ScrollValue, PaletteWidth - 700);
    const Bitmap strip = panel.visibleStrip();
    EXPECT_EQ(strip.width, 700);
    EXPECT_EQ(strip.row(0)[0], uint8_t((PaletteWidth - 700) % 251));
    EXPECT_EQ(strip.row(0)[3 * 699], uint8_t((PaletteWidth - 1) % 251));
    panel.ClosePalette();
    EXPECT_EQ(panel.PaletteOpen, 0);
}

TEST(SwatchBanks, BankButtonsMapToBasesAndPalettePictures)
{
    EXPECT_EQ(swatchBaseOfBank(0), 0);
    EXPECT_EQ(swatchBaseOfBank(1), 17);
    EXPECT_EQ(swatchBaseOfBank(2), 34);
    EXPECT_EQ(swatchBaseOfBank(3), -1);
    EXPECT_EQ(paletteBitmapOfBank(0), 19);
    EXPECT_EQ(paletteBitmapOfBank(2), 21);
}

} // namespace
} // namespace salon
