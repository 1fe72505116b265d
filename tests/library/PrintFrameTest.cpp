// The print frame: set-up, drawing that undoes itself, rebuilding and turning.
#include "library/Pixolf.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace pixol;

namespace {

struct FrameState {
    std::array<int32_t, 8> c{};
    float uhel = 0;
    std::array<int32_t, 7> ms{};
    int32_t run(Pixolf& lib, salon::Surface& s, int32_t typ, int16_t shift = 0)
    {
        return lib.PsPrintRamecek(s, typ, shift, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], uhel, ms[0], ms[1],
                                  ms[2], ms[3], ms[4], ms[5], ms[6]);
    }
};

salon::Surface canvas()
{
    salon::Surface s;
    s.backColour = 0xFFFFFF;
    s.setSize(100, 50);
    s.clear();
    return s;
}

} // namespace

TEST(PsPrintRamecek, SetsUpDrawsAndErasesTheFrame)
{
    Pixolf lib;
    salon::Surface s = canvas();
    FrameState f;
    ASSERT_EQ(1, f.run(lib, s, 1));
    // inset 80 x 40 about (49.5, 24.5): 9.5 -> 10, 89.5 -> 90, 4.5 -> 4, 44.5 -> 44
    EXPECT_EQ((std::array{10, 4, 90, 4, 90, 44, 10, 44}), f.c);
    EXPECT_EQ((std::array{15, 8, 6, 8, 6, 7, 0}), f.ms);
    const salon::Bitmap before = s.image();
    ASSERT_EQ(1, f.run(lib, s, 2));
    EXPECT_EQ(0u, s.image().pixel(10, 4));
    EXPECT_EQ(0u, s.image().pixel(50, 44));
    EXPECT_EQ(0xFFFFFFu, s.image().pixel(50, 24));
    EXPECT_EQ(salon::DrawMode::CopyPen, s.drawMode);  // the pen settings come back
    ASSERT_EQ(1, f.run(lib, s, 2));
    EXPECT_EQ(before, s.image());
}

TEST(PsPrintRamecek, RebuildsOnTheDiagonalAndTurns)
{
    Pixolf lib;
    salon::Surface s = canvas();
    FrameState f;
    f.c = {0, 0, 0, 0, 60, 10, 0, 0};
    ASSERT_EQ(1, f.run(lib, s, 3, 1));  // half width 30; proportions 100 : 50 make the half height 15
    EXPECT_EQ((std::array{0, -10, 60, -10, 60, 20, 0, 20}), f.c);
    f.c = {10, 4, 90, 4, 90, 44, 10, 44};
    f.uhel = 90;
    ASSERT_EQ(1, f.run(lib, s, 4));
    EXPECT_EQ((std::array{70, -16, 70, 64, 30, 64, 30, -16}), f.c);
    EXPECT_EQ(9, f.ms[5]);
    EXPECT_EQ(0, f.run(lib, s, 5));
    f.uhel = std::nanf("");
    EXPECT_EQ(0, f.run(lib, s, 1));
    EXPECT_EQ(1, lib.PsPrintRamecek(s, 1));
}
