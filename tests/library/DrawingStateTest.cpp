// Drawing state of picture objects: settings, brushes, pointers and the colour dropper.
#include "library/Pixolf.h"
#include "library/frame/LibraryState.h"
#include "library/imaging/LibraryCursors.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

using namespace pixol;

namespace {

salon::Surface canvas(int32_t w, int32_t h, uint32_t colour)
{
    salon::Surface s;
    s.backColour = colour;
    s.setSize(w, h);
    s.clear();
    return s;
}

} // namespace

TEST(SObrMode, AppliesOnlySettingsInTheirRanges)
{
    Pixolf lib;
    salon::Surface s = canvas(8, 8, 0x123456);
    const salon::Surface before = s;
    EXPECT_EQ(1, lib.SObrMode(s));
    EXPECT_EQ(before.foreColour, s.foreColour);
    EXPECT_EQ(before.drawMode, s.drawMode);
    EXPECT_EQ(before.stretchMode, s.stretchMode);
    EXPECT_EQ(1, lib.SObrMode(s, -1, 0x1000000, 0xFF, 8, 0, 7, 0, 5));  // only the fill colour is in range
    EXPECT_EQ(before.foreColour, s.foreColour);
    EXPECT_EQ(0xFFu, s.fillColour);
    EXPECT_EQ(before.fillStyle, s.fillStyle);
    EXPECT_EQ(before.drawMode, s.drawMode);
    EXPECT_EQ(before.drawStyle, s.drawStyle);
    EXPECT_EQ(before.drawWidth, s.drawWidth);
    EXPECT_EQ(before.stretchMode, s.stretchMode);
    EXPECT_EQ(1, lib.SObrMode(s, 0xABCDEF, 0xFFFFFF, 0, 7, 16, 6, 1000, 4));
    EXPECT_EQ(0xABCDEFu, s.backColour);
    EXPECT_EQ(0xFFFFFFu, s.foreColour);
    EXPECT_EQ(salon::FillStyle::DiagonalCross, s.fillStyle);
    EXPECT_EQ(salon::DrawMode::Whiteness, s.drawMode);
    EXPECT_EQ(salon::DrawStyle::InsideSolid, s.drawStyle);
    EXPECT_EQ(1000, s.drawWidth);
    EXPECT_EQ(salon::StretchMode::Halftone, s.stretchMode);

    EXPECT_EQ(1, lib.SluzObrMode(2, -1, 0x00FF00));
    EXPECT_EQ(0x00FF00u, state().work[2].foreColour);
    EXPECT_EQ(0, lib.SluzObrMode(3, -1, 0x00FF00));
    EXPECT_EQ(0, lib.SluzObrMode(-1));
}

TEST(ObjBrushSet, ReleasesOnlyTheBrushesItMade)
{
    Pixolf lib;
    salon::Surface s = canvas(8, 8, 0);
    const size_t made = state().brushes.size();
    ASSERT_EQ(1, lib.ObjBrushSet(s, 11));
    const int32_t first = lib.objectBrush(s);
    ASSERT_NE(nullptr, state().brushes.find(first));
    ASSERT_EQ(1, lib.ObjBrushSet(s, 11));
    EXPECT_EQ(nullptr, state().brushes.find(first));  // the first random brush went with its replacement
    EXPECT_EQ(made + 1, state().brushes.size());
    ASSERT_EQ(1, lib.ObjBrushSet(s, 12, 0x0000FF));
    EXPECT_EQ(0x0000FFu, state().brushes.find(lib.objectBrush(s))->colour);
    ASSERT_EQ(1, lib.ObjBrushSet(s, 7));
    EXPECT_EQ(made, state().brushes.size());
    const int32_t pattern = lib.objectBrush(s);
    ASSERT_EQ(1, lib.ObjBrushSet(s, 3));
    EXPECT_NE(nullptr, state().brushes.find(pattern));  // a library brush is never released

    // a brush the caller owns and selects through the table stays when replaced
    const int32_t own = lib.PsObrBrush(0, 0x00FF00);
    ASSERT_NE(0, own);
    state().objectDrawing[&s].brush = own;
    state().objectDrawing[&s].libraryMadeBrush = false;
    ASSERT_EQ(1, lib.ObjBrushSet(s, 12, 0x111111));
    EXPECT_NE(nullptr, state().brushes.find(own));
    EXPECT_EQ(0, lib.ObjBrushSet(s, 13));
    EXPECT_EQ(0, lib.ObjBrushSet(s, 12, -5));
    lib.releaseBrush(own);
    lib.ObjBrushSet(s, 0);
    state().objectDrawing.erase(&s);
}

TEST(PsObjCursor, StandardAndLibraryPointers)
{
    Pixolf lib;
    salon::Surface s = canvas(8, 8, 0);
    int32_t cursor = -1;
    EXPECT_EQ(1, lib.PsObjCursor(s, 2));
    EXPECT_EQ(2, lib.objectPointer(s, cursor));
    EXPECT_EQ(0, cursor);
    for (int32_t bad : {16, 17, 19, 70, 81, -1}) {
        EXPECT_EQ(0, lib.PsObjCursor(s, bad)) << bad;
        EXPECT_EQ(2, lib.objectPointer(s, cursor)) << bad;  // unchanged
    }
    EXPECT_EQ(1, lib.PsObjCursor(s, 25));
    EXPECT_EQ(99, lib.objectPointer(s, cursor));
    EXPECT_EQ(15, cursor);
    EXPECT_EQ(1, lib.PsObjCursor(s, 69));
    state().objectDrawing.erase(&s);
}

// A pixel the cursor draws (its mask does not let the screen through).
static bool drawn(const cursors::Cursor& c, int32_t x, int32_t y)
{
    return x >= 0 && y >= 0 && x < c.mask.width && y < c.mask.height && c.mask.pixel(x, y) == 0;
}

TEST(LibraryCursors, EveryCursorLoadsWithItsHotSpotInside)
{
    for (int32_t r = cursors::First; r <= cursors::Last; ++r) {
        const auto c = cursors::find(r);
        ASSERT_TRUE(c) << r;
        const int32_t side = r <= 41 ? 48 : 32;  // the circles need room for the largest brush
        EXPECT_EQ(side, c->image.width) << r;
        EXPECT_EQ(side, c->mask.height) << r;
        EXPECT_TRUE(c->hotX >= 0 && c->hotX < side && c->hotY >= 0 && c->hotY < side) << r;
        if (r < cursors::Pencil) {
            EXPECT_EQ(side / 2, c->hotX) << r;  // outlines and cross-hairs point with their centre
            EXPECT_EQ(side / 2, c->hotY) << r;
            continue;
        }
        // A tool points with what it draws: some drawn pixel lies within two of the hot spot.
        bool near = false;
        for (int32_t dy = -2; dy <= 2; ++dy)
            for (int32_t dx = -2; dx <= 2; ++dx) near = near || drawn(*c, c->hotX + dx, c->hotY + dy);
        EXPECT_TRUE(near) << r;
    }
    EXPECT_FALSE(cursors::find(9));
    EXPECT_FALSE(cursors::find(60));
}

TEST(LibraryCursors, BrushOutlinesHaveTheirRadiusAndAHalo)
{
    const auto c = cursors::find(13);  // circle of radius 4
    ASSERT_TRUE(c);
    EXPECT_EQ(0u, c->image.pixel(28, 24));  // black on the circle
    EXPECT_TRUE(drawn(*c, 28, 24));
    EXPECT_EQ(0xFFFFFFu, c->image.pixel(29, 24));  // the white halo
    EXPECT_TRUE(drawn(*c, 29, 24));
    EXPECT_FALSE(drawn(*c, 24, 24));  // the centre and the far ground show the picture
    EXPECT_FALSE(drawn(*c, 2, 2));
    // The stamp's target: the same circle with a centre cross.
    const auto t = cursors::find(29);
    ASSERT_TRUE(t);
    EXPECT_TRUE(drawn(*t, 28, 24));
    EXPECT_EQ(0u, t->image.pixel(24, 24));
    // The largest brush whole on all four sides, halo included.
    const auto big = cursors::find(25);
    ASSERT_TRUE(big);
    for (auto [x, y] : {std::pair{40, 24}, {8, 24}, {24, 40}, {24, 8}}) {
        EXPECT_EQ(0u, big->image.pixel(x, y)) << x << "," << y;
        const int32_t outX = x + (x > 24) - (x < 24), outY = y + (y > 24) - (y < 24);
        EXPECT_EQ(0xFFFFFFu, big->image.pixel(outX, outY)) << outX << "," << outY;
        EXPECT_TRUE(drawn(*big, outX, outY));
    }
}

TEST(PsKapatko, AveragesTheSquareInsideThePicture)
{
    Pixolf lib;
    salon::Surface s = canvas(6, 5, 0);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 6; ++x) s.image().setPixel(x, y, salon::packRgb(uint8_t(10 * x), uint8_t(y), 200));
    EXPECT_EQ(int32_t(salon::packRgb(30, 2, 200)), lib.PsKapatko(s, 3.9f, 2.7f, 1));
    // corner with radius 3: the 3 x 3 pixels (0..2, 0..2): red (0 + 10 + 20) / 3, green 1
    EXPECT_EQ(int32_t(salon::packRgb(10, 1, 200)), lib.PsKapatko(s, 0.0f, 0.0f, 3));
    // 2 x 2 square at (4..5, 3..4) with radius 2 around (5, 4): red (40 + 50) \ 2 = 45, green 3
    EXPECT_EQ(int32_t(salon::packRgb(45, 3, 200)), lib.PsKapatko(s, 5.0f, 4.0f, 2));
    EXPECT_EQ(-1, lib.PsKapatko(s, 6.0f, 0.0f, 1));
    EXPECT_EQ(-1, lib.PsKapatko(s, -0.5f, 0.0f, 1));
    EXPECT_EQ(-1, lib.PsKapatko(s, 1.0f, 1.0f, 0));
    EXPECT_EQ(-1, lib.PsKapatko(s, 1.0f, 1.0f, 17));
    salon::Surface tiny = canvas(1, 5, 0);
    EXPECT_EQ(-1, lib.PsKapatko(tiny, 0.0f, 0.0f, 1));
}
