// Point colour lists, the black checks, region masks and the byte-array scalings.
#include "PaintingTestSupport.h"
#include "library/frame/LibraryState.h"

#include <gtest/gtest.h>

using namespace pixol;
using namespace painting_test;

namespace {

LongArray list(std::initializer_list<int32_t> v)
{
    LongArray a;
    a.redim(1, int32_t(v.size()));
    int32_t i = 1;
    for (int32_t x : v) a(i++) = x;
    return a;
}

salon::Surface filled(int32_t w, int32_t h, uint32_t colour)
{
    salon::Surface s;
    s.backColour = colour;
    s.setSize(w, h);
    s.clear();
    return s;
}

constexpr uint32_t rgb(int r, int g, int b) { return salon::packRgb(uint8_t(r), uint8_t(g), uint8_t(b)); }

} // namespace

TEST(PointColours, ScaleReadsTheListedPixelsAndChecksTheLists)
{
    Pixolf lib;
    ByteArray a = pixelArray(5, 4, {0, 0, 0});
    setPx(a, 4, 3, {30, 20, 10});
    LongArray f;
    ASSERT_EQ(1, lib.UaBodyScaleSPC(a, list({4, 0, 9}), list({3, 0, 0}), f, 3));
    EXPECT_EQ(1, f.lower);
    EXPECT_EQ(3, f.size());
    EXPECT_EQ(int32_t(rgb(10, 20, 30)), f(1));
    EXPECT_EQ(0, f(2));
    EXPECT_EQ(0, f(3));  // off the picture
    EXPECT_EQ(0, lib.UaBodyScaleSPC(a, list({4, 0}), list({3, 0, 0}), f, 3));
    EXPECT_EQ(0, lib.UaBodyScaleSPC(a, list({4}), list({3}), f, 0));
}

TEST(PointColours, DrawnColourCoversByItsBrightness)
{
    Pixolf lib;
    // L 30 against 2 x 30: k 0.5, the background kept with 0.498
    salon::Surface s = filled(6, 6, rgb(200, 100, 0));
    ASSERT_EQ(1, lib.UaBodySetSPC(s, list({1, 2, 40}), list({1, 2, 1}), list({int32_t(rgb(30, 30, 30)),
                                  int32_t(rgb(90, 60, 30)), 0}),
                                  list({int32_t(rgb(200, 100, 0)), int32_t(rgb(200, 100, 0)), 0}), 3, 30));
    EXPECT_EQ(rgb(115, 65, 15), s.image().pixel(1, 1));
    EXPECT_EQ(rgb(90, 60, 30), s.image().pixel(2, 2));  // L 60 reaches 2 PJas: the drawn colour whole
    EXPECT_EQ(rgb(200, 100, 0), s.image().pixel(3, 3));
    ASSERT_TRUE(s.hasPicture());
    EXPECT_EQ(rgb(115, 65, 15), s.picture()->pixel(1, 1));
    EXPECT_EQ(0, lib.UaBodySetSPC(s, list({1}), list({1}), list({0}), list({0}), 1, 0));

    salon::Surface t = filled(6, 6, rgb(200, 100, 0));
    const int32_t dc = lib.deviceContext(t);
    ASSERT_EQ(1, lib.UaBodySetOBR(dc, 6, 6, list({1}), list({1}), list({int32_t(rgb(30, 30, 30))}),
                                  list({int32_t(rgb(200, 100, 0))}), 1, 30));
    EXPECT_EQ(rgb(115, 65, 15), t.image().pixel(1, 1));
    EXPECT_EQ(5, state().work[2].width());
    lib.releaseDeviceContext(dc);
}

TEST(PointColours, BlacksAreLiftedAndDetected)
{
    Pixolf lib;
    salon::Surface s = filled(4, 4, rgb(0, 239, 240));
    s.image().setPixel(1, 1, rgb(14, 13, 0));
    s.image().setPixel(2, 2, rgb(16, 14, 14));
    EXPECT_EQ(2, lib.UaObrCernaT(s));
    ASSERT_EQ(1, lib.UaObrCernaP(s));
    EXPECT_EQ(rgb(15, 240, 240), s.image().pixel(0, 0));
    EXPECT_EQ(rgb(29, 28, 15), s.image().pixel(1, 1));
    EXPECT_EQ(rgb(30, 29, 29), s.image().pixel(2, 2));
    EXPECT_EQ(1, lib.UaObrCernaT(s));
    salon::Surface edge = filled(4, 4, rgb(16, 14, 14));
    EXPECT_EQ(1, lib.UaObrCernaT(edge));
    salon::Surface empty;
    EXPECT_EQ(0, lib.UaObrCernaT(empty));
}

TEST(PointColours, RegionMaskIsWhiteInsideOrInverted)
{
    Pixolf lib;
    int32_t h = int32_t(state().regions.add(salon::Region::rect(1, 1, 3, 3)));
    for (uint8_t typ : {uint8_t(0), uint8_t(1)}) {
        Picture m = lib.UaPicMask(h, 5, 4, typ);
        ASSERT_TRUE(m) << int(typ);
        EXPECT_EQ(5, m->drawableWidth());
        const uint32_t in = typ ? 0 : 0xFFFFFF, out = typ ? 0xFFFFFF : 0;
        EXPECT_EQ(in, m->image().pixel(2, 2));
        EXPECT_EQ(out, m->image().pixel(3, 3));
        EXPECT_EQ(out, m->image().pixel(0, 0));
    }
    EXPECT_FALSE(lib.UaPicMask(0, 5, 4));
    lib.TsRgn(h);
}

TEST(PointColours, ByteScalingsMapAndClampAndRefuseEqualLimits)
{
    Pixolf lib;
    ByteArray b = mask(3, 2, 0);
    b(1, 0) = 100;
    b(2, 0) = 50;
    b(0, 1) = 200;
    SingleArray s;
    ASSERT_EQ(1, lib.SuTransPoleBS(3, 2, 0, 200, b, s, 0.0f, 1.0f));
    EXPECT_EQ(6, s.size());
    EXPECT_FLOAT_EQ(1.0f, s(0));   // v 0: NKor + 1
    EXPECT_FLOAT_EQ(0.5f, s(1));
    EXPECT_FLOAT_EQ(0.25f, s(2));
    EXPECT_FLOAT_EQ(1.0f, s(3));   // (x 0, y 1)
    ASSERT_EQ(1, lib.SuTransPoleBS(3, 2, 0, 200, b, s, 0.0f, -1.0f));
    EXPECT_FLOAT_EQ(0.75f, s(2));  // (200 - 50) / 200
    ASSERT_EQ(1, lib.SuTransPoleBS(3, 2, 0, 200, b, s, -0.5f, 1.0f));
    EXPECT_FLOAT_EQ(0.0f, s(2));   // clamped
    EXPECT_EQ(0, lib.SuTransPoleBS(3, 2, 7, 7, b, s));
    EXPECT_EQ(0, lib.SuTransPoleBS(4, 2, 0, 200, b, s));

    ByteArray c;
    b(2, 0) = 3;
    ASSERT_EQ(1, lib.SuTransPoleBB(3, 2, 0, 51, b, c, 0, 1));  // factor 5
    EXPECT_EQ(255, c(0, 0));  // v 0: 5 x 51
    EXPECT_EQ(255, c(1, 0));  // 500 clamped
    EXPECT_EQ(15, c(2, 0));
    ASSERT_EQ(1, lib.SuTransPoleBB(3, 2, 0, 51, b, c, 1, -2));
    EXPECT_EQ(255, c(2, 0));  // 1 + 2 x 48 x 5
    EXPECT_EQ(0, lib.SuTransPoleBB(3, 2, 9, 9, b, c));
}
