// The mouse-driven painting tool, driven by event sequences as a picture control would send them.
#include "library/Pixolf.h"
#include "library/frame/LibraryState.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

using namespace pixol;

namespace {

constexpr uint32_t White = 0xFFFFFF, Black = 0, Red = 0x0000FF;

salon::Surface canvas(int32_t w, int32_t h)
{
    salon::Surface s;
    s.backColour = White;
    s.foreColour = Black;
    s.setSize(w, h);
    s.clear();
    return s;
}

struct Tool {
    Pixolf lib;
    LongArray axy;
    int32_t pocet = 0;
    int32_t event(salon::Surface& s, int32_t stat, uint8_t typ, float x, float y, int16_t button = 1,
                  int16_t shift = 0)
    {
        return lib.PsMaluj(s, stat, typ, button, shift, x, y, axy, pocet);
    }
};

int32_t countColour(const salon::Surface& s, uint32_t c)
{
    int32_t n = 0;
    for (int32_t y = 0; y < s.image().height; ++y)
        for (int32_t x = 0; x < s.image().width; ++x) n += s.image().pixel(x, y) == c;
    return n;
}

} // namespace

TEST(PsMaluj, FreehandDrawsThroughEveryCollectedPoint)
{
    salon::Surface s = canvas(20, 20);
    Tool t;
    EXPECT_EQ(1, t.event(s, 1, 1, 2.7f, 3.2f));
    EXPECT_EQ(1, t.event(s, 2, 1, 8.0f, 3.0f));
    EXPECT_EQ(1, t.event(s, 2, 1, 8.0f, 9.0f, 0));  // a move without a button paints nothing
    EXPECT_EQ(2, t.event(s, 3, 1, 8.0f, 9.0f));
    EXPECT_EQ(3, t.pocet);
    EXPECT_EQ((std::vector<int32_t>{2, 3, 8, 3, 8, 9}),
              std::vector<int32_t>(t.axy.values.begin(), t.axy.values.begin() + 6));
    for (int32_t x = 2; x <= 8; ++x) EXPECT_EQ(Black, s.image().pixel(x, 3)) << x;
    for (int32_t y = 3; y <= 9; ++y) EXPECT_EQ(Black, s.image().pixel(8, y)) << y;
    EXPECT_EQ(13, countColour(s, Black));
    ASSERT_TRUE(s.hasPicture());  // the finished trace is kept
}

TEST(PsMaluj, RectanglePreviewsAreWipedAndTheFinalOneIsFilled)
{
    salon::Surface s = canvas(20, 20);
    s.fillStyle = salon::FillStyle::Solid;
    s.fillColour = Red;
    Tool t;
    EXPECT_EQ(1, t.event(s, 1, 3, 2, 2));
    EXPECT_EQ(1, t.event(s, 2, 3, 15, 15));
    EXPECT_GT(countColour(s, Red), 100);
    EXPECT_EQ(1, t.event(s, 2, 3, 6, 5));
    EXPECT_EQ(White, s.image().pixel(12, 12));  // the larger preview is gone
    EXPECT_EQ(2, t.event(s, 3, 3, 6, 5));
    EXPECT_EQ(Black, s.image().pixel(2, 2));    // outline with the pen
    EXPECT_EQ(Red, s.image().pixel(4, 3));      // inside with the fill colour
    EXPECT_EQ(White, s.image().pixel(8, 8));
    EXPECT_EQ((std::array{2, 2, 6, 5}), (std::array{t.axy(1), t.axy(2), t.axy(3), t.axy(4)}));
}

TEST(PsMaluj, ShiftConstrainsLinesAndBoxes)
{
    salon::Surface s = canvas(30, 30);
    Tool t;
    t.event(s, 1, 2, 5, 5);
    EXPECT_EQ(2, t.event(s, 3, 2, 20, 7, 1, 1));
    EXPECT_EQ((std::array{20, 5}), (std::array{t.axy(3), t.axy(4)}));  // flat
    t.event(s, 1, 4, 5, 5);
    EXPECT_EQ(2, t.event(s, 3, 4, 12, 20, 1, 1));
    EXPECT_EQ((std::array{20, 20}), (std::array{t.axy(3), t.axy(4)}));  // a circle's box
}

TEST(PsMaluj, PolygonClosesOnTheRightButton)
{
    salon::Surface s = canvas(20, 20);
    s.fillStyle = salon::FillStyle::Solid;
    s.fillColour = Red;
    Tool t;
    EXPECT_EQ(1, t.event(s, 1, 5, 2, 2));
    EXPECT_EQ(1, t.event(s, 1, 5, 16, 2));
    EXPECT_EQ(1, t.event(s, 1, 5, 16, 16));
    EXPECT_EQ(2, t.event(s, 1, 5, 0, 0, 2));
    EXPECT_EQ(3, t.pocet);
    EXPECT_EQ(Red, s.image().pixel(13, 6));  // inside the triangle
    EXPECT_EQ(White, s.image().pixel(4, 13));
}

TEST(PsMaluj, FillTakesTheConnectedAreaAndCanReturnIt)
{
    salon::Surface s = canvas(10, 10);
    for (int32_t y = 0; y < 10; ++y) s.image().setPixel(5, y, Black);  // a wall
    Pixolf lib;
    LongArray axy;
    int32_t pocet = 0, stat = 1, region = 0, pointer = 0;
    s.foreColour = Red;
    EXPECT_EQ(2, lib.PsMaluj(s, 1, 6, 1, 0, 1.0f, 1.0f, axy, pocet, 0, stat, region, pointer));
    EXPECT_EQ(50, countColour(s, Red));
    EXPECT_EQ(White, s.image().pixel(7, 7));
    ASSERT_EQ(1, stat);
    ASSERT_NE(0, region);
    EXPECT_EQ((salon::Rect{0, 0, 5, 10}), state().regions.find(uint32_t(region))->bounds());
    EXPECT_EQ(62, pointer);  // the library's paint bucket
    lib.TsRgn(region);
}

TEST(PsMaluj, RefusesUnknownKindsEventsAndPositions)
{
    salon::Surface s = canvas(10, 10);
    Tool t;
    EXPECT_EQ(0, t.event(s, 1, 0, 1, 1));
    EXPECT_EQ(0, t.event(s, 1, 7, 1, 1));
    EXPECT_EQ(0, t.event(s, 4, 1, 1, 1));
    EXPECT_EQ(0, t.event(s, 1, 1, std::nanf(""), 1));
    EXPECT_EQ(0, t.event(s, 1, 6, 20, 1));  // fill off the picture
    EXPECT_EQ(canvas(10, 10).image(), s.image());
    // a move or up without a button-down first does nothing
    EXPECT_EQ(1, t.event(s, 3, 3, 5, 5));
    EXPECT_EQ(canvas(10, 10).image(), s.image());
}
