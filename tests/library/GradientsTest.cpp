// Gradient weights and gradient painting against worked values.
#include "library/Pixolf.h"
#include "library/frame/LibraryState.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

using namespace pixol;

namespace {

salon::Surface canvas(int32_t w, int32_t h, uint32_t back = 0xFFFFFF)
{
    salon::Surface s;
    s.backColour = back;
    s.foreColour = 0;
    s.setSize(w, h);
    s.clear();
    return s;
}

uint8_t red(const salon::Surface& s, int32_t x, int32_t y) { return salon::redOf(s.image().pixel(x, y)); }

} // namespace

TEST(SuGra, ShapesGiveTheirWorkedWeights)
{
    Pixolf lib;
    SingleArray w;
    ASSERT_EQ(1, lib.SuGra(1, 5, 2, 1.0f, w));  // the whole width, left to right
    EXPECT_EQ(10, w.size());
    for (int32_t x = 0; x < 5; ++x) {
        EXPECT_FLOAT_EQ(float(x) / 4.0f, w(x)) << x;
        EXPECT_FLOAT_EQ(float(x) / 4.0f, w(x + 5)) << x;
    }
    ASSERT_EQ(1, lib.SuGra(2, 5, 5, 1.0f, w, 2, 2, 2, 0));
    EXPECT_FLOAT_EQ(0.0f, w(2 + 5 * 2));
    EXPECT_FLOAT_EQ(0.5f, w(2 + 5 * 1));
    EXPECT_FLOAT_EQ(1.0f, w(0 + 5 * 2));
    EXPECT_FLOAT_EQ(1.0f, w(0));  // clamped
    ASSERT_EQ(1, lib.SuGra(1, 5, 1, 2.0f, w));
    EXPECT_FLOAT_EQ(0.25f, w(2));
    ASSERT_EQ(1, lib.SuGra(5, 5, 5, 1.0f, w, 2, 2, 4, 2));
    EXPECT_FLOAT_EQ(0.25f, w(2 + 5 * 4));  // straight down is a quarter turn clockwise
    EXPECT_FLOAT_EQ(0.5f, w(0 + 5 * 2));
    ASSERT_EQ(1, lib.SuGra(3, 5, 5, 1.0f, w, 2, 2, 4, 2));
    EXPECT_FLOAT_EQ(1.0f, w(3 + 5 * 3));
    ASSERT_EQ(1, lib.SuGra(6, 9, 1, 1.0f, w, 0, 0, 4, 0));
    EXPECT_FLOAT_EQ(1.0f, w(4));
    EXPECT_FLOAT_EQ(0.5f, w(6));
    EXPECT_FLOAT_EQ(0.0f, w(8));
    for (auto [typ, bmX, brSg] : {std::tuple{7, 5, 1.0f}, std::tuple{0, 5, 1.0f}, std::tuple{1, 0, 1.0f},
                                  std::tuple{1, 5, 0.0f}})
        EXPECT_EQ(0, lib.SuGra(uint8_t(typ), bmX, 3, brSg, w)) << typ << " " << bmX << " " << brSg;
}

TEST(PsGra, PaintsTheColoursAlongTheWeights)
{
    Pixolf lib;
    salon::Surface s = canvas(5, 2);
    ASSERT_EQ(1, lib.PsGra(s, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFFFFFF));
    const uint8_t expected[5] = {0, 64, 128, 191, 255};  // 63.75, 127.5 (to even), 191.25
    for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(expected[x], red(s, x, 1)) << x;

    ASSERT_EQ(1, lib.PsGra(s, 1, 0, 0, 0, 1, 2, 0, 0, 0, 0, 0, 0xFFFFFF));  // swapped, two bands
    const uint8_t bands[5] = {255, 255, 0, 0, 0};
    for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(bands[x], red(s, x, 0)) << x;

    salon::Surface limited = canvas(5, 2);
    int32_t h = int32_t(state().regions.add(salon::Region::rect(0, 0, 2, 1)));
    ASSERT_EQ(1, lib.PsGra(limited, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, h));
    EXPECT_EQ(64, red(limited, 1, 0));
    EXPECT_EQ(255, red(limited, 1, 1));  // outside the region
    lib.TsRgn(h);

    salon::Surface a = canvas(5, 1, 0x000000), b = canvas(5, 1, 0x0000C8);
    ASSERT_EQ(1, lib.PsGra(a, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, &b));
    EXPECT_EQ(100, red(a, 2, 0));
    EXPECT_EQ(0, lib.PsGra(a, 1, 4, 0, 0, 0, 0));  // a cross-fade needs its second picture
    EXPECT_EQ(0, lib.PsGra(a, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1));
    EXPECT_EQ(0, lib.PsGra(a, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 60, 40));
    EXPECT_EQ(0, lib.PsGra(a, 9, 0, 0, 0, 0, 0));
}
