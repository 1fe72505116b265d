// Trace painting through the colour table.
#include "library/Pixolf.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

using namespace pixol;

namespace {

constexpr uint32_t White = 0xFFFFFF, Red = 0x0000FF;

salon::Surface canvas(int32_t w, int32_t h, uint32_t c)
{
    salon::Surface s;
    s.backColour = c;
    s.setSize(w, h);
    s.clear();
    return s;
}

int32_t count(const salon::Surface& s, uint32_t c)
{
    int32_t n = 0;
    for (int32_t y = 0; y < s.image().height; ++y)
        for (int32_t x = 0; x < s.image().width; ++x) n += s.image().pixel(x, y) == c;
    return n;
}

} // namespace

TEST(PsStopaColor, BuildsTheTableAndChecksItsValues)
{
    Pixolf lib;
    LongArray t;
    ASSERT_EQ(1, lib.PsStopaColor(3, int32_t(Red), t));
    ASSERT_EQ(0, t.lower);
    ASSERT_EQ(260, t.size());
    EXPECT_EQ(int32_t(Red), t(0));
    EXPECT_EQ(int32_t(Red), t(255));
    EXPECT_EQ((std::array{8, 100, 1, 1}), (std::array{t(256), t(257), t(258), t(259)}));
    ASSERT_EQ(1, lib.PsStopaColor(1, 0x00C8C8, t));  // black -> (200, 200, 0) by the grey
    EXPECT_EQ(0, t(0));
    EXPECT_EQ(int32_t(salon::packRgb(200, 200, 0)), t(255));
    ASSERT_EQ(1, lib.PsStopaColor(0, 0, t));
    EXPECT_EQ(-1, t(77));
    for (auto [typ, value] : {std::pair{5, 65}, std::pair{5, 0}, std::pair{6, 101}, std::pair{7, 2},
                              std::pair{1, -1}, std::pair{4, 0x1000000}, std::pair{8, 0}, std::pair{-1, 0}})
        EXPECT_EQ(0, lib.PsStopaColor(typ, value, t)) << typ << " " << value;
    EXPECT_EQ(8, t(256));  // refused calls change nothing
}

TEST(PsStopaStat, PaintsADiscOfTheRadius)
{
    Pixolf lib;
    LongArray t;
    lib.PsStopaColor(3, int32_t(Red), t);
    lib.PsStopaColor(5, 2, t);
    salon::Surface dst = canvas(10, 10, White), src = canvas(10, 10, 0x808080);
    ASSERT_EQ(1, lib.PsStopaStat(dst, src, 1, 1, 0, 5.7f, 5.2f, t));
    EXPECT_EQ(13, count(dst, Red));  // x^2 + y^2 <= 4
    EXPECT_EQ(Red, dst.image().pixel(5, 3));
    EXPECT_EQ(Red, dst.image().pixel(6, 6));
    EXPECT_EQ(White, dst.image().pixel(7, 7));
    // Shift paints the source itself; half opacity mixes
    lib.PsStopaColor(6, 50, t);
    ASSERT_EQ(1, lib.PsStopaStat(dst, src, 2, 1, 1, 2.0f, 2.0f, t));
    EXPECT_EQ(salon::packRgb(192, 192, 192), dst.image().pixel(2, 2));  // (255 + 128) / 2 = 191.5
    // nothing without a button, at the button-up, or off the picture
    const salon::Bitmap before = dst.image();
    EXPECT_EQ(0, lib.PsStopaStat(dst, src, 2, 0, 0, 2.0f, 7.0f, t));
    EXPECT_EQ(0, lib.PsStopaStat(dst, src, 3, 1, 0, 2.0f, 7.0f, t));
    EXPECT_EQ(0, lib.PsStopaStat(dst, src, 1, 1, 0, 10.0f, 7.0f, t));
    LongArray bad;
    bad.redim(0, 10);
    EXPECT_EQ(0, lib.PsStopaStat(dst, src, 1, 1, 0, 2.0f, 7.0f, bad));
    EXPECT_EQ(before, dst.image());
}

TEST(PsStopaDyn, PaintsABandAlongThePathAndCollectsIt)
{
    Pixolf lib;
    LongArray t, axy;
    lib.PsStopaColor(3, int32_t(Red), t);
    lib.PsStopaColor(5, 1, t);
    salon::Surface dst = canvas(12, 12, White), src = canvas(12, 12, 0);
    int32_t pocet = 0;
    ASSERT_EQ(1, lib.PsStopaDyn(dst, src, 1, 1, 0, 2.0f, 5.0f, axy, pocet, t));
    ASSERT_EQ(1, lib.PsStopaDyn(dst, src, 2, 1, 0, 8.0f, 5.0f, axy, pocet, t));
    EXPECT_EQ(0, lib.PsStopaDyn(dst, src, 2, 0, 0, 8.0f, 9.0f, axy, pocet, t));
    EXPECT_EQ(2, pocet);
    EXPECT_EQ((std::array{2, 5, 8, 5}), (std::array{axy(1), axy(2), axy(3), axy(4)}));
    EXPECT_EQ(23, count(dst, Red));  // rows 4 and 6: x 2..8; row 5: x 1..9
    EXPECT_EQ(Red, dst.image().pixel(9, 5));
    EXPECT_EQ(White, dst.image().pixel(9, 4));
}
