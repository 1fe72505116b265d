// Brush strokes: masks, coverage and the paint rules against hand-worked pixels.
#include "PaintingTestSupport.h"
#include "library/imaging/StrokeEngine.h"

#include <gtest/gtest.h>

using namespace pixol;

namespace {

constexpr uint32_t White = 0xFFFFFF, Red = 0x0000FF;

salon::Surface canvas(int32_t w, int32_t h, uint32_t colour = White)
{
    salon::Surface s;
    s.backColour = colour;
    s.setSize(w, h);
    s.clear();
    return s;
}

struct Box {
    int32_t l = -1, t = -1, w = -1, h = -1;
};

int32_t paint(salon::Surface& s, ByteArray& cov, int32_t typ, int32_t sila, float pruhl, uint32_t colour,
              std::array<int32_t, 4> seg, Box& b)
{
    Pixolf lib;
    return lib.PsMalBod(s, s.image().width, s.image().height, cov, typ, sila, pruhl, int32_t(colour), seg[0], seg[1],
                        seg[2], seg[3], b.l, b.t, b.w, b.h);
}

} // namespace

TEST(PsMalBod, WidthOnePaintsTheSegmentsPixelsWithFullMask)
{
    salon::Surface s = canvas(12, 12);
    ByteArray cov;
    Box b;
    ASSERT_EQ(1, paint(s, cov, 1, 1, 1.0f, Red, {2, 5, 8, 5}, b));
    EXPECT_EQ((std::array{1, 4, 9, 3}), (std::array{b.l, b.t, b.w, b.h}));
    ASSERT_EQ(2, cov.rank);
    EXPECT_EQ(12, cov.count[0]);  // the coverage array took the picture's bounds
    for (int32_t y = 0; y < 12; ++y)
        for (int32_t x = 0; x < 12; ++x) {
            const bool on = y == 5 && x >= 2 && x <= 8;
            EXPECT_EQ(on ? Red : White, s.image().pixel(x, y)) << x << "," << y;
            EXPECT_EQ(on ? 255 : 0, cov(x, y)) << x << "," << y;
        }
}

TEST(PsMalBod, HardBandHasRoundCapsWithAnAntialiasedRim)
{
    salon::Surface s = canvas(30, 30);
    ByteArray cov;
    Box b;
    ASSERT_EQ(1, paint(s, cov, 1, 5, 1.0f, 0x000000, {5, 10, 15, 10}, b));
    for (int32_t y = 8; y <= 12; ++y) EXPECT_EQ(0u, s.image().pixel(10, y)) << y;
    EXPECT_EQ(White, s.image().pixel(10, 7));
    EXPECT_EQ(White, s.image().pixel(10, 13));
    EXPECT_EQ(0u, s.image().pixel(4, 10));      // d 1: e = -1, the rim at full value
    EXPECT_EQ(White, s.image().pixel(3, 10));   // d 2: e = 0
    EXPECT_EQ(White, s.image().pixel(4, 8));    // d 2.24
    EXPECT_EQ(149, cov(16, 11));                 // d 1.41: 255 x 0.586
    // w = 149 / 255: 255 (1 - w) 0.996 = 105.6
    EXPECT_EQ(salon::packRgb(106, 106, 106), s.image().pixel(16, 11));
}

TEST(PsMalBod, EvenWidthHalvesTheOutermostRows)
{
    salon::Surface s = canvas(30, 30);
    ByteArray cov;
    Box b;
    ASSERT_EQ(1, paint(s, cov, 1, 4, 1.0f, 0x000000, {5, 10, 15, 10}, b));
    EXPECT_EQ(128, cov(10, 8));
    EXPECT_EQ(255, cov(10, 9));
    EXPECT_EQ(128, cov(10, 12));
    // w = 128 / 255: 255 x 127 / 255 x 0.996 = 126.5
    EXPECT_EQ(salon::packRgb(126, 126, 126), s.image().pixel(10, 8));
}

TEST(PsMalBod, TheSameSegmentTwiceChangesThePictureOnlyOnce)
{
    for (int32_t typ : {1, 2, 3, 4, 11}) {
        salon::Surface s = canvas(40, 40, salon::packRgb(100, 120, 140));
        ByteArray cov;
        Box b;
        ASSERT_EQ(1, paint(s, cov, typ, 9, 0.5f, Red, {5, 6, 30, 20}, b)) << typ;
        const salon::Bitmap once = s.image();
        EXPECT_NE(salon::Surface(canvas(40, 40, salon::packRgb(100, 120, 140))).image(), once) << typ;
        ASSERT_EQ(1, paint(s, cov, typ, 9, 0.5f, Red, {5, 6, 30, 20}, b)) << typ;
        EXPECT_EQ(once, s.image()) << typ;
    }
}

TEST(PsMalBod, LightenAndDarkenUseHalfTheOpacity)
{
    salon::Surface s = canvas(12, 12, salon::packRgb(100, 100, 100));
    ByteArray cov;
    Box b;
    ASSERT_EQ(1, paint(s, cov, 3, 1, 0.5f, 0, {2, 5, 8, 5}, b));
    EXPECT_EQ(salon::packRgb(164, 164, 164), s.image().pixel(4, 5));  // 100 + 255 x 0.25
    ByteArray cov2;
    ASSERT_EQ(1, paint(s, cov2, 4, 1, 0.5f, 0, {2, 6, 8, 6}, b));
    EXPECT_EQ(salon::packRgb(36, 36, 36), s.image().pixel(4, 6));     // 100 - 63.75
}

TEST(PsMalBod, RejectsBadParametersAndSegmentsOffThePicture)
{
    struct Case {
        const char* name;
        int32_t typ, sila;
        float pruhl;
        int32_t colour;
        std::array<int32_t, 4> seg;
    };
    const Case cases[] = {
        {"opacity 0.005", 1, 5, 0.005f, 0, {1, 1, 5, 5}},  {"opacity above 1", 1, 5, 1.01f, 0, {1, 1, 5, 5}},
        {"width 0", 1, 0, 1.0f, 0, {1, 1, 5, 5}},          {"width 301", 1, 301, 1.0f, 0, {1, 1, 5, 5}},
        {"kind 0", 0, 5, 1.0f, 0, {1, 1, 5, 5}},           {"kind 16", 16, 5, 1.0f, 0, {1, 1, 5, 5}},
        {"colour -1", 1, 5, 1.0f, -1, {1, 1, 5, 5}},       {"colour 2^24", 1, 5, 1.0f, 0x1000000, {1, 1, 5, 5}},
        {"segment outside", 1, 5, 1.0f, 0, {-9, -9, -1, -3}}, {"kind 11 of length 1", 11, 5, 1.0f, 0, {3, 3, 4, 3}},
    };
    for (const Case& c : cases) {
        salon::Surface s = canvas(12, 12);
        ByteArray cov;
        Box b;
        EXPECT_EQ(0, paint(s, cov, c.typ, c.sila, c.pruhl, uint32_t(c.colour), c.seg, b)) << c.name;
        EXPECT_EQ(canvas(12, 12).image(), s.image()) << c.name;
    }
    salon::Surface small = canvas(9, 12);
    ByteArray cov;
    Box b;
    EXPECT_EQ(0, paint(small, cov, 1, 1, 1.0f, Red, {1, 1, 5, 5}, b));
}

TEST(PsMalBod, RandomKindsRepeatWithTheSameSeed)
{
    Pixolf lib;
    for (int32_t typ : {5, 6, 7, 8, 9, 10, 15}) {
        salon::Surface a = canvas(40, 40, salon::packRgb(90, 120, 150)), b = a;
        ByteArray ca, cb;
        Box bx;
        lib.seedRandom(7);
        ASSERT_EQ(1, paint(a, ca, typ, 11, 0.8f, Red, {5, 5, 30, 30}, bx));
        lib.seedRandom(7);
        ASSERT_EQ(1, paint(b, cb, typ, 11, 0.8f, Red, {5, 5, 30, 30}, bx));
        EXPECT_EQ(a.image(), b.image()) << typ;
        EXPECT_NE(canvas(40, 40, salon::packRgb(90, 120, 150)).image(), a.image()) << typ;
    }
}

TEST(StrokeEngine, TaperingMaskFadesAlongTheStroke)
{
    const auto profile = strokes::crossProfile(2, 5, strokes::Profile::Hard, 1.0f);
    const strokes::Mask m = strokes::brushMask(profile, 2, 20, true);
    EXPECT_EQ(255, m.at(2, 2));                 // u 0
    EXPECT_EQ(140, m.at(2, 2 + 11));            // 255 - 11 / 22 x 230 = 140
    EXPECT_EQ(0, m.at(2, m.cols - 1));          // no end cap
}

TEST(PsRazitko, ClonesFromTheDisplacedSourceAndSkipsPixelsWithoutOne)
{
    Pixolf lib;
    salon::Surface target = canvas(12, 12), source = canvas(12, 12);
    for (int32_t y = 0; y < 12; ++y)
        for (int32_t x = 0; x < 12; ++x) source.image().setPixel(x, y, salon::packRgb(uint8_t(x * 20), uint8_t(y * 20), 7));
    ByteArray cov;
    Box b;
    ASSERT_EQ(1, lib.PsRazitko(target, source, 12, 12, 12, 12, cov, 1, 1, 1.0f, 3, 1, 2, 5, 11, 5, b.l, b.t, b.w, b.h));
    for (int32_t x = 2; x <= 8; ++x)
        EXPECT_EQ(salon::packRgb(uint8_t((x + 3) * 20), 120, 7), target.image().pixel(x, 5)) << x;
    for (int32_t x = 9; x <= 11; ++x) {  // their source would lie at x 12..14
        EXPECT_EQ(White, target.image().pixel(x, 5)) << x;
        EXPECT_EQ(0, cov(x, 5)) << x;
    }
    EXPECT_EQ(0, lib.PsRazitko(target, canvas(9, 9), 12, 12, 9, 9, cov, 1, 1, 1.0f, 0, 0, 2, 5, 8, 5, b.l, b.t, b.w,
                               b.h));
    EXPECT_EQ(0, lib.PsRazitko(target, source, 12, 12, 12, 12, cov, 19, 1, 1.0f, 0, 0, 2, 5, 8, 5, b.l, b.t, b.w,
                               b.h));
}

TEST(PsRazitko, AStampWithinOnePictureReadsTheUnpaintedSource)
{
    Pixolf lib;
    salon::Surface s = canvas(12, 12);
    for (int32_t x = 0; x < 12; ++x) s.image().setPixel(x, 5, salon::packRgb(uint8_t(x * 10), 0, 0));
    ByteArray cov;
    Box b;
    ASSERT_EQ(1, lib.PsRazitko(s, s, 12, 12, 12, 12, cov, 1, 1, 1.0f, -1, 0, 2, 5, 8, 5, b.l, b.t, b.w, b.h));
    for (int32_t x = 2; x <= 8; ++x) EXPECT_EQ(salon::packRgb(uint8_t((x - 1) * 10), 0, 0), s.image().pixel(x, 5)) << x;
}

TEST(PsRazitko, LightenOnlyKeepsBrighterTargetBytes)
{
    Pixolf lib;
    salon::Surface target = canvas(12, 12, salon::packRgb(200, 50, 100)), source = canvas(12, 12, salon::packRgb(100, 150, 100));
    ByteArray cov;
    Box b;
    ASSERT_EQ(1, lib.PsRazitko(target, source, 12, 12, 12, 12, cov, 3, 1, 1.0f, 0, 0, 2, 5, 8, 5, b.l, b.t, b.w, b.h));
    EXPECT_EQ(salon::packRgb(200, 150, 100), target.image().pixel(4, 5));
}
