// Area transforms against numbers worked out by hand from their formulas.
#include "PaintingTestSupport.h"
#include "library/frame/LibraryState.h"

#include <gtest/gtest.h>

using namespace pixol;
using namespace painting_test;

namespace {

struct Out {
    int32_t le = -9, te = -9, w = -9, h = -9;
};

int32_t filterA(int32_t typ, ByteArray& a, int32_t w, int32_t h, int32_t d1, int32_t d2 = 0, int32_t d3 = 0,
                int32_t d4 = 0, int32_t hrgn = 0)
{
    Pixolf lib;
    Out o;
    return lib.PaZmenaA(typ, a, w, h, o.le, o.te, o.w, o.h, hrgn, d1, d2, d3, d4);
}

// The byte one pixel of value v becomes under filter A (all three channels v).
Bgr onePixelA(int32_t typ, Bgr v, int32_t d1, int32_t d2 = 0, int32_t d3 = 0, int32_t d4 = 0)
{
    ByteArray a = pixelArray(4, 4, v);
    EXPECT_EQ(1, filterA(typ, a, 4, 4, d1, d2, d3, d4));
    return px(a, 1, 1);
}

int32_t regionHandle(int32_t l, int32_t t, int32_t r, int32_t b)
{
    return int32_t(state().regions.add(salon::Region::rect(l, t, r, b)));
}

} // namespace

TEST(PaZmenaA, PerPixelFormulasGiveTheWorkedBytes)
{
    struct Case {
        const char* name;
        int32_t typ;
        Bgr in;
        std::array<int32_t, 4> data;
        Bgr out;
    };
    const Case cases[] = {
        {"grey takes each third by integer division", 1, {2, 2, 2}, {}, {0, 0, 0}},
        {"grey of 50 100 200", 1, {50, 100, 200}, {}, {115, 115, 115}},
        // k 1.5, o 10 - 180 x 50 / 100 = -80 (pivot 30 -> 180, floor 40 -> 8)
        {"contrast 100 -> 70", 2, {100, 100, 100}, {10, 50, 30, 40}, {70, 70, 70}},
        {"contrast raised to the floor 8", 2, {50, 50, 50}, {10, 50, 30, 40}, {8, 8, 8}},
        {"contrast 200 -> 220 and limited", 2, {200, 250, 200}, {10, 50, 30, 40}, {220, 255, 220}},
        {"negative floor becomes 8", 2, {50, 50, 50}, {10, 50, 30, -3}, {8, 8, 8}},
        // t 303: red 100 x 3 x 151 / 303 = 149.505 -> 150, blue 100 x 3 x 51 / 303 = 50.495 -> 50
        {"colour balance", 3, {100, 100, 100}, {50, 0, -50, 0}, {50, 100, 150}},
        // k 0.5: blue nint(0 + 0.5 x 0.996 x 100) = 50, red nint(100 + 49.8) = 150
        {"tint towards red 200", 4, {100, 100, 100}, {200, 50, 0, 0}, {50, 50, 150}},
        {"lighten by 51", 7, {0, 100, 255}, {51, 0, 0, 0}, {51, 131, 255}},
        // averages b 50 g 100 r 200; target red 100: fR 0.5, fG = fB = 0, floor -1 -> 8
        {"average towards a colour", 6, {50, 100, 200}, {100, 100, -1, 0}, {8, 8, 100}},
        // q 0.5: red 200 x 0.5 x 0.5 + 0.96 x 0.5 x 100 = 98
        {"average towards a colour with a share of it", 12, {50, 100, 200}, {100, 100, 0, 50}, {0, 0, 98}},
        // 120 degrees: one turn (red -> green) with w 0.996, the second turn with 0.004
        {"hue turn 120", 16, {0, 0, 255}, {120, 0, 0, 0}, {1, 254, 0}},
        {"hue turn -120 is 240", 16, {0, 0, 255}, {-120, 0, 0, 0}, {254, 0, 1}},
        {"hue turn of grey keeps grey", 16, {90, 90, 90}, {77, 0, 0, 0}, {90, 90, 90}},
        // s 1, t 0.01: red 0.99 x 250 x 102 / 255 + 0.01 x 250 = 99 + 2.5 -> 102
        {"colourise", 11, {102, 102, 102}, {250, 100, 1, 0}, {0, 0, 102}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.out, onePixelA(c.typ, c.in, c.data[0], c.data[1], c.data[2], c.data[3])) << c.name;
}

TEST(PaZmenaA, RejectedDataLeaveThePictureAndGiveZero)
{
    struct Case {
        int32_t typ;
        std::array<int32_t, 4> data;
    };
    const Case cases[] = {{2, {101, 0, 0, 0}}, {3, {0, 0, -101, 0}}, {4, {0x1000000, 50, 0, 0}},
                          {4, {0, 0, 0, 0}},   {11, {0, 50, 0, 0}},  {15, {0, 50, 12, 0}},
                          {6, {-1, 50, 0, 0}}, {12, {0, 50, 8, 100}}, {7, {0, 0, 0, 0}},
                          {9, {50, 2, 0, 0}},  {10, {2, 0, 0, 0}},   {13, {0, 8, 0, 0}},
                          {16, {181, 0, 0, 0}}, {16, {-181, 0, 0, 0}}, {17, {}}, {0, {}}};
    for (const Case& c : cases) {
        ByteArray a = pixelArray(4, 4, {10, 20, 30});
        const ByteArray before = a;
        EXPECT_EQ(0, filterA(c.typ, a, 4, 4, c.data[0], c.data[1], c.data[2], c.data[3])) << c.typ;
        EXPECT_EQ(before.values, a.values) << c.typ;
    }
}

TEST(PaZmenaA, WrongArrayShapesAreRejected)
{
    ByteArray a = pixelArray(4, 4, {10, 20, 30});
    EXPECT_EQ(0, filterA(1, a, 5, 4, 0));   // stride of 5 pixels is 16, the array has 12
    EXPECT_EQ(0, filterA(1, a, 4, 5, 0));
    ByteArray small = pixelArray(3, 3, {1, 1, 1});
    EXPECT_EQ(0, filterA(1, small, 3, 3, 0));
    ByteArray shifted;
    shifted.redim(1, 12, 0, 3);
    EXPECT_EQ(0, filterA(1, shifted, 4, 4, 0));
}

TEST(PaZmenaA, OnlyTheRegionsPixelsChangeAndTheBoxIsReported)
{
    Pixolf lib;
    ByteArray a = pixelArray(6, 5, {2, 2, 2});
    int32_t h = regionHandle(1, 2, 3, 9);
    Out o;
    EXPECT_EQ(1, lib.PaZmenaA(1, a, 6, 5, o.le, o.te, o.w, o.h, h));
    EXPECT_EQ((std::array{1, 2, 2, 3}), (std::array{o.le, o.te, o.w, o.h}));
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 6; ++x) {
            const bool in = x >= 1 && x < 3 && y >= 2;
            EXPECT_EQ((in ? Bgr{0, 0, 0} : Bgr{2, 2, 2}), px(a, x, y)) << x << "," << y;
        }
    lib.TsRgn(h);
}

TEST(PaZmenaA, AnAreaOutsideThePictureGivesMinusOneAndChangesNothing)
{
    Pixolf lib;
    ByteArray a = pixelArray(4, 4, {2, 2, 2});
    const ByteArray before = a;
    int32_t h = regionHandle(10, 10, 20, 20);
    Out o;
    EXPECT_EQ(-1, lib.PaZmenaA(1, a, 4, 4, o.le, o.te, o.w, o.h, h));
    EXPECT_EQ(before.values, a.values);
    lib.TsRgn(h);
    int32_t stale = 999999;
    EXPECT_EQ(0, lib.PaZmenaA(1, a, 4, 4, o.le, o.te, o.w, o.h, stale));
}

TEST(PaZmenaA, AverageAndMeasureReportThroughTheData)
{
    ByteArray a = pixelArray(4, 4, {10, 1, 3});
    for (int32_t y = 2; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x) setPx(a, x, y, {21, 2, 3});
    int32_t d1 = 0, d2 = 0, d3 = 0, d4 = 0;
    Pixolf lib;
    Out o;
    // blue 15.5 -> 16 and green 1.5 -> 2 (ties to even)
    ASSERT_EQ(1, lib.PaZmenaA(5, a, 4, 4, o.le, o.te, o.w, o.h, 0, d1, d2, d3, d4));
    EXPECT_EQ((std::array{3, 2, 16, 3 + 256 * 2 + 65536 * 16}), (std::array{d1, d2, d3, d4}));
    EXPECT_EQ((Bgr{21, 2, 3}), px(a, 0, 3));  // measuring changes nothing
    setPx(a, 1, 0, {9, 200, 7});
    ASSERT_EQ(1, lib.PaZmenaA(14, a, 4, 4, o.le, o.te, o.w, o.h, 0, d1, d2, d3, d4));
    EXPECT_EQ((std::array{7, 200, 21, 228}), (std::array{d1, d2, d3, d4}));
}

TEST(PaZmenaA, NeighbourFiltersReadACopyClampedToThePicture)
{
    // relief: (c - c(x+2, y+2)) / 4 against the threshold, plus 128
    ByteArray a = pixelArray(4, 4, {100, 100, 100});
    setPx(a, 2, 2, {20, 20, 20});
    ASSERT_EQ(1, filterA(8, a, 4, 4, 127));
    EXPECT_EQ((Bgr{148, 148, 148}), px(a, 0, 0));  // 80 / 4 = 20
    EXPECT_EQ((Bgr{108, 108, 108}), px(a, 2, 2));  // (20 - 100) / 4 = -20 (neighbour clamped to (3, 3))
    EXPECT_EQ((Bgr{128, 128, 128}), px(a, 3, 3));  // its own clamped neighbour
    ByteArray b = pixelArray(4, 4, {100, 100, 100});
    setPx(b, 2, 2, {20, 20, 20});
    ASSERT_EQ(1, filterA(8, b, 4, 4, 5));  // 5 is outside 10..127: threshold 127
    EXPECT_EQ((Bgr{148, 148, 148}), px(b, 0, 0));
    ByteArray c = pixelArray(4, 4, {100, 100, 100});
    setPx(c, 2, 2, {20, 20, 20});
    ASSERT_EQ(1, filterA(8, c, 4, 4, 10));  // 20 is beyond the threshold 10: +127
    EXPECT_EQ((Bgr{255, 255, 255}), px(c, 0, 0));
    EXPECT_EQ((Bgr{1, 1, 1}), px(c, 2, 2));

    // smoothing: a bright pixel among black ones; its neighbours read the unchanged copy
    for (auto [d1, centre, side] : {std::tuple{0, 40, 15}, std::tuple{1, 20, 20}}) {
        ByteArray s = pixelArray(5, 5, {0, 0, 0});
        setPx(s, 2, 2, {100, 100, 100});
        ASSERT_EQ(1, filterA(10, s, 5, 5, d1));
        EXPECT_EQ(centre, px(s, 2, 2)[0]) << d1;
        EXPECT_EQ(side, px(s, 1, 2)[0]) << d1;
        EXPECT_EQ(side, px(s, 2, 3)[0]) << d1;
        EXPECT_EQ(0, px(s, 1, 1)[0]) << d1;
    }
}

TEST(PaZmenaA, NoiseRepeatsWithTheSameSeedAndKeepsItsFloor)
{
    Pixolf lib;
    ByteArray a = pixelArray(8, 8, {5, 128, 250}), b = a;
    lib.seedRandom(42);
    ASSERT_EQ(1, filterA(13, a, 8, 8, 100, 20, 50));
    lib.seedRandom(42);
    ASSERT_EQ(1, filterA(13, b, 8, 8, 100, 20, 50));
    EXPECT_EQ(a.values, b.values);
    EXPECT_NE(pixelArray(8, 8, {5, 128, 250}).values, a.values);
    for (int32_t y = 0; y < 8; ++y)
        for (int32_t x = 0; x < 8; ++x) EXPECT_GE(px(a, x, y)[0], 20);
}

TEST(PaZmenaG, ThresholdPosteriseAndLookup)
{
    Pixolf lib;
    Out o;
    LongArray r, g, b;
    ByteArray a = pixelArray(4, 4, {0, 0, 0});
    ASSERT_EQ(1, lib.PaZmenaG(3, a, 4, 4, r, g, b, o.le, o.te, o.w, o.h, 0, 0));
    EXPECT_EQ((Bgr{255, 255, 255}), px(a, 3, 3));  // nothing is below 0
    EXPECT_EQ(0, lib.PaZmenaG(3, a, 4, 4, r, g, b, o.le, o.te, o.w, o.h, 0, -1));
    EXPECT_EQ(0, lib.PaZmenaG(4, a, 4, 4, r, g, b, o.le, o.te, o.w, o.h, 0, 1));
    EXPECT_EQ(0, lib.PaZmenaG(4, a, 4, 4, r, g, b, o.le, o.te, o.w, o.h, 0, 256));

    // two levels: v / 127.5 rounded to 0, 1, 2, spread as 0, 128, 255
    ByteArray p = pixelArray(4, 4, {0, 60, 64});
    setPx(p, 1, 0, {128, 200, 255});
    ASSERT_EQ(1, lib.PaZmenaG(4, p, 4, 4, r, g, b, o.le, o.te, o.w, o.h, 0, 2));
    EXPECT_EQ((Bgr{0, 0, 128}), px(p, 0, 0));
    EXPECT_EQ((Bgr{128, 255, 255}), px(p, 1, 0));
    // white stays white and black black for every level count
    for (int32_t n = 2; n <= 255; ++n) {
        ByteArray q = pixelArray(4, 4, {255, 0, 255});
        ASSERT_EQ(1, lib.PaZmenaG(4, q, 4, 4, r, g, b, o.le, o.te, o.w, o.h, 0, n));
        ASSERT_EQ((Bgr{255, 0, 255}), px(q, 2, 2)) << n;
    }

    LongArray inv;
    inv.redim(0, 255);
    for (int v = 0; v < 256; ++v) inv(v) = 255 - v;
    LongArray same;
    same.redim(0, 255);
    for (int v = 0; v < 256; ++v) same(v) = v;
    ByteArray l = pixelArray(4, 4, {10, 20, 30});
    ASSERT_EQ(1, lib.PaZmenaG(1, l, 4, 4, inv, same, same, o.le, o.te, o.w, o.h));
    EXPECT_EQ((Bgr{10, 20, 225}), px(l, 0, 0));
    LongArray shortTable;
    shortTable.redim(0, 100);
    EXPECT_EQ(0, lib.PaZmenaG(1, l, 4, 4, shortTable, same, same, o.le, o.te, o.w, o.h));
}

TEST(PaZmenaG, HistogramMedianCountsTheAreaNotThePicture)
{
    Pixolf lib;
    Out o;
    ByteArray a = pixelArray(10, 10, {200, 200, 200});
    // 20 pixels of area: 10 of blue 5, 10 of blue 9
    for (int32_t x = 0; x < 10; ++x) {
        setPx(a, x, 0, {5, 7, 7});
        setPx(a, x, 1, {9, 7, 7});
    }
    int32_t h = regionHandle(0, 0, 10, 2);
    LongArray r, g, b;
    ASSERT_EQ(1, lib.PaZmenaG(2, a, 10, 10, r, g, b, o.le, o.te, o.w, o.h, h));
    ASSERT_EQ(0, b.lower);
    ASSERT_EQ(258, b.size());
    EXPECT_EQ(10, b(5));
    EXPECT_EQ(10, b(9));
    EXPECT_EQ(0, b(200));
    EXPECT_EQ(9, b(256));   // half of 20 is 10; the running sum passes 10 at 9
    EXPECT_EQ(10, b(257));  // the largest count
    EXPECT_EQ(7, g(256));
    EXPECT_EQ(20, g(257));
    lib.TsRgn(h);

    // on a 16-bit display every block of 8 carries the count of its first value
    state().settings.colourDepth = 16;
    ByteArray c = pixelArray(4, 4, {8, 9, 8});
    ASSERT_EQ(1, lib.PaZmenaG(2, c, 4, 4, r, g, b, o.le, o.te, o.w, o.h));
    state().settings.colourDepth = 24;
    EXPECT_EQ(16, b(8));
    EXPECT_EQ(16, b(15));
    EXPECT_EQ(0, g(9));  // 9 is not the first of its block
}

TEST(PaZmenaB, BlendsTheSecondPictureAtItsOffset)
{
    Pixolf lib;
    Out o;
    ByteArray p1 = pixelArray(8, 8, {100, 100, 100});
    const ByteArray p2 = pixelArray(4, 4, {200, 0, 50});
    // laid at (6, -2): only Pole2's columns 0..1 and rows 2..3 fall on Pole1
    ASSERT_EQ(1, lib.PaZmenaB(1, p1, p2, 8, 8, 4, 4, 6, -2, o.le, o.te, o.w, o.h));
    EXPECT_EQ((std::array{6, 0, 2, 2}), (std::array{o.le, o.te, o.w, o.h}));
    for (int32_t y = 0; y < 8; ++y)
        for (int32_t x = 0; x < 8; ++x)
            EXPECT_EQ((x >= 6 && y < 2 ? Bgr{200, 0, 50} : Bgr{100, 100, 100}), px(p1, x, y)) << x << "," << y;

    // k 0.5: 100 x 0.5 x 0.996 + 200 x 0.5 = 149.8
    ByteArray q = pixelArray(4, 4, {100, 100, 100});
    ASSERT_EQ(1, lib.PaZmenaB(3, q, pixelArray(4, 4, {200, 0, 100}), 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h, 0, 50));
    EXPECT_EQ((Bgr{150, 50, 100}), px(q, 0, 0));

    const ByteArray before = q;
    EXPECT_EQ(0, lib.PaZmenaB(1, q, p2, 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h, 0, 0));
    EXPECT_EQ(0, lib.PaZmenaB(5, q, p2, 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h, 0, 100, 20, 8, -1, 0));
    EXPECT_EQ(0, lib.PaZmenaB(13, q, p2, 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h));
    EXPECT_EQ(before.values, q.values);
    EXPECT_EQ(-1, lib.PaZmenaB(1, q, p2, 4, 4, 4, 4, 4, 0, o.le, o.te, o.w, o.h));
}

TEST(PaZmenaB, ColourTransferAndBrightnessKey)
{
    Pixolf lib;
    Out o;
    // factors red 200/100, green 1, blue 50/100
    ByteArray q = pixelArray(4, 4, {9, 9, 9});
    ASSERT_EQ(1, lib.PaZmenaB(5, q, pixelArray(4, 4, {100, 100, 100}), 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h, 0,
                              100, 20, 8, 200 + 256 * 100 + 65536 * 50, 100 + 256 * 100 + 65536 * 100));
    EXPECT_EQ((Bgr{50, 100, 200}), px(q, 0, 0));

    // dark key, threshold 300: a black pixel is taken whole, one of sum 300 not at all
    ByteArray k = pixelArray(4, 4, {90, 90, 90});
    ByteArray src = pixelArray(4, 4, {100, 100, 100});
    setPx(src, 0, 0, {0, 0, 0});
    ASSERT_EQ(1, lib.PaZmenaB(9, k, src, 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h, 0, 100, 20, 8, 300));
    EXPECT_EQ((Bgr{0, 0, 0}), px(k, 0, 0));
    EXPECT_EQ((Bgr{90, 90, 90}), px(k, 1, 0));
}

TEST(PaZmenaCDEF, ModesAndMasks)
{
    Pixolf lib;
    Out o;
    const ByteArray p2 = pixelArray(4, 4, {200, 0, 255}), p3 = pixelArray(4, 4, {100, 50, 255});
    ByteArray c = pixelArray(4, 4, {7, 7, 7});
    ASSERT_EQ(1, lib.PaZmenaC(1, c, p2, p3, 4, 4, 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h));
    EXPECT_EQ((Bgr{78, 0, 255}), px(c, 0, 0));  // multiply: 200 x 100 / 255 = 78.4
    ASSERT_EQ(1, lib.PaZmenaC(6, c, p2, p3, 4, 4, 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h));
    EXPECT_EQ((Bgr{100, 50, 0}), px(c, 0, 0));  // difference

    ByteArray m = mask(4, 4, 0);
    m(1, 0) = 255;
    m(2, 0) = 128;
    ByteArray d = pixelArray(4, 4, {0, 0, 0});
    ASSERT_EQ(1, lib.PaZmenaD(1, d, pixelArray(4, 4, {255, 255, 255}), m, 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h));
    EXPECT_EQ((Bgr{0, 0, 0}), px(d, 0, 0));
    EXPECT_EQ((Bgr{255, 255, 255}), px(d, 1, 0));
    EXPECT_EQ((Bgr{128, 128, 128}), px(d, 2, 0));  // 255 x 128 / 255

    ByteArray e = pixelArray(4, 4, {0, 0, 0});
    ASSERT_EQ(1, lib.PaZmenaE(1, e, p2, p3, m, 4, 4, 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h));
    EXPECT_EQ((Bgr{200, 0, 255}), px(e, 0, 0));  // mask 0: Pole2
    EXPECT_EQ((Bgr{100, 50, 255}), px(e, 1, 0));  // mask 255: Pole3

    ByteArray f = pixelArray(4, 4, {1, 2, 3});
    ByteArray m2 = mask(4, 4, 0);
    m2(1, 0) = 255;
    ByteArray m1 = mask(4, 4, 255);
    m1(3, 3) = 0;
    ASSERT_EQ(1, lib.PaZmenaF(f, p2, p3, m1, m2, 4, 4, 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h));
    EXPECT_EQ((Bgr{200, 0, 255}), px(f, 0, 0));
    EXPECT_EQ((Bgr{100, 50, 255}), px(f, 1, 0));
    EXPECT_EQ((Bgr{1, 2, 3}), px(f, 3, 3));
    EXPECT_EQ(0, lib.PaZmenaF(f, p2, p3, m1, m2, 4, 4, 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h, 0, 2));

    ByteArray smallMask = mask(3, 4, 0);
    EXPECT_EQ(0, lib.PaZmenaD(1, d, p2, smallMask, 4, 4, 4, 4, 0, 0, o.le, o.te, o.w, o.h));
}
