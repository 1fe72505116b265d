// Watermarks and the three-array blend through their data tables.
#include "PaintingTestSupport.h"
#include "library/frame/LibraryState.h"

#include <gtest/gtest.h>

using namespace pixol;
using namespace painting_test;

namespace {

LongArray table(std::initializer_list<int32_t> v)
{
    LongArray t;
    t.redim(0, int32_t(v.size()) - 1);
    int32_t i = 0;
    for (int32_t x : v) t(i++) = x;
    return t;
}

} // namespace

TEST(PsVoda, MarksTheRegionOfThePixelArray)
{
    Pixolf lib;
    int32_t h = int32_t(state().regions.add(salon::Region::rect(1, 1, 3, 2)));
    ByteArray a = pixelArray(4, 4, {100, 0, 255});
    ASSERT_EQ(1, lib.PsVoda(h, table({4, 4, 50, 0}), a));
    EXPECT_EQ((Bgr{178, 128, 255}), px(a, 1, 1));  // 100 + 155 x 0.5 = 177.5 -> 178
    EXPECT_EQ((Bgr{100, 0, 255}), px(a, 0, 0));
    ASSERT_EQ(1, lib.PsVoda(0, table({4, 4, 50, 1}), a));
    EXPECT_EQ((Bgr{50, 0, 128}), px(a, 0, 0));     // 127.5 -> 128
    ASSERT_EQ(1, lib.PsVoda(0, table({4, 4, 100, 2, 0x0000FF}), a));
    EXPECT_EQ((Bgr{0, 0, 255}), px(a, 3, 3));
    const ByteArray before = a;
    EXPECT_EQ(0, lib.PsVoda(0, table({4, 4, 0, 0}), a));
    EXPECT_EQ(0, lib.PsVoda(0, table({4, 4, 50, 3}), a));
    EXPECT_EQ(0, lib.PsVoda(0, table({5, 4, 50, 0}), a));
    EXPECT_EQ(0, lib.PsVoda(0, table({4, 4, 50, 2}), a));  // the tint needs its colour
    EXPECT_EQ(0, lib.PsVoda(0, table({4, 4}), a));
    int32_t far = int32_t(state().regions.add(salon::Region::rect(10, 10, 20, 20)));
    EXPECT_EQ(-1, lib.PsVoda(far, table({4, 4, 50, 0}), a));
    EXPECT_EQ(before.values, a.values);
    lib.TsRgn(h);
    lib.TsRgn(far);
}

TEST(PsVodaObj, LaysTheMaskAtItsOffsetWithinTheRegion)
{
    Pixolf lib;
    salon::Surface s;
    s.backColour = 0x646464;
    s.setSize(6, 6);
    s.clear();
    ByteArray m = mask(3, 2, 255);
    m(0, 0) = 0;
    m(2, 1) = 51;
    ASSERT_EQ(1, lib.PsVodaObj(s, m, table({4, 4, 100, 1})));  // darken fully; only (4..5, 4..5) lie on it
    EXPECT_EQ(0x646464u, s.image().pixel(4, 4));               // mask 0
    EXPECT_EQ(0u, s.image().pixel(5, 4));
    EXPECT_EQ(0u, s.image().pixel(4, 5));
    EXPECT_EQ(0x646464u, s.image().pixel(3, 4));
    int32_t h = int32_t(state().regions.add(salon::Region::rect(0, 0, 2, 1)));
    ASSERT_EQ(1, lib.PsVodaObj(s, m, table({-1, 0, 100, 0}), h));  // lighten; the region keeps x 0..1, y 0
    EXPECT_EQ(0xFFFFFFu, s.image().pixel(0, 0));                   // mask (1, 0)
    EXPECT_EQ(0x646464u, s.image().pixel(0, 1));                   // outside the region
    EXPECT_EQ(0x646464u, s.image().pixel(2, 0));
    lib.TsRgn(h);
    EXPECT_EQ(0, lib.PsVodaObj(s, ByteArray{}, table({0, 0, 100, 1})));
}

TEST(PsZmenaObj, MovesTowardsTheMaskedMix)
{
    Pixolf lib;
    ByteArray a = pixelArray(4, 4, {0, 0, 0});
    const ByteArray b = pixelArray(4, 4, {200, 200, 200}), c = pixelArray(4, 4, {0, 100, 255});
    ByteArray m = mask(4, 4, 0);
    m(1, 0) = 255;
    ASSERT_EQ(1, lib.PsZmenaObj(a, b, c, table({4, 4, 50}), m));
    EXPECT_EQ((Bgr{100, 100, 100}), px(a, 0, 0));
    EXPECT_EQ((Bgr{0, 50, 128}), px(a, 1, 0));  // 127.5 -> 128
    EXPECT_EQ(0, lib.PsZmenaObj(a, b, c, table({4, 4, 101}), m));
    EXPECT_EQ(0, lib.PsZmenaObj(a, b, c, table({4, 5, 50}), m));
}
