#include "library/Pixolf.h"
#include "library/frame/LibraryState.h"
#include "library/imaging/Transforms.h"
#include "platform/Numbers.h"
#include "platform/StretchKernels.h"

#include "PaintedSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace pixol;
using salon::packRgb;

namespace {
using pixol::test::painted;
uint32_t at(const salon::Surface& s, int32_t x, int32_t y) { return s.image().pixel(x, y); }
uint8_t red(const salon::Surface& s, int32_t x, int32_t y) { return salon::redOf(at(s, x, y)); }
} // namespace

TEST(Rotation, ByZeroKeepsTheSizeAndScalesEveryByteBy0996Squared)
{
    Pixolf lib;
    // 0.996^2 = 0.992016: 255 -> 252.96 -> 253, 128 -> 126.98 -> 127, 10 -> 9.92 -> 10, 1 -> 1.
    salon::Surface s = painted(4, 3, [](int32_t x, int32_t y) { return packRgb(255, 128, y == 0 ? 10 : 1 + x); });
    float dX = -1, dY = -1;
    ASSERT_EQ(1, lib.PsObrRotace(s, 0.0f, dX, dY));
    EXPECT_EQ(4, s.drawableWidth());
    EXPECT_EQ(3, s.drawableHeight());
    EXPECT_EQ(0.0f, dX);
    EXPECT_EQ(0.0f, dY);
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 4; ++x) {
            EXPECT_EQ(253, salon::redOf(at(s, x, y)));
            EXPECT_EQ(127, salon::greenOf(at(s, x, y)));
        }
    EXPECT_EQ(10, salon::blueOf(at(s, 2, 0)));
    EXPECT_EQ(1, salon::blueOf(at(s, 0, 1)));   // 0.99
    EXPECT_EQ(4, salon::blueOf(at(s, 3, 2)));   // 3.97
}

TEST(Rotation, AQuarterTurnClockwisePutsTheLeftColumnOnTopReadFromTheBottom)
{
    Pixolf lib;
    // 3 x 2: red = 10 + 10 x + 100 y. Turned clockwise the picture is 2 x 3 and its pixel (i, j)
    // is the old (j, 1 - i). Single-precision pi / 2 has cos = +7.5e-8: at pixel (0, 0) the source
    // position K = 1 - 7.5e-8 stays just below 1, so the right-hand weight fx R (no 0.996 on fx)
    // takes the pixel, 0.996 x v; further down K = j + 1 - 7.5e-8 rounds to a whole number in
    // single precision, and whole positions give 0.996^2 x v.
    salon::Surface s = painted(3, 2, [](int32_t x, int32_t y) { return packRgb(uint8_t(10 + 10 * x + 100 * y), 0, 0); });
    float dX, dY;
    ASSERT_EQ(1, lib.PsObrRotace(s, 1.5707963f, dX, dY));
    ASSERT_EQ(2, s.drawableWidth());
    ASSERT_EQ(3, s.drawableHeight());
    EXPECT_NEAR(1.0f, dX, 1e-5f);
    EXPECT_NEAR(0.0f, dY, 1e-5f);
    const int expected[3][2] = {{110, 10}, {119, 20}, {129, 30}};  // 109.56, 9.92, 119.04, 19.84, 128.96, 29.76
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 2; ++x) EXPECT_EQ(expected[y][x], red(s, x, y)) << x << "," << y;
}

TEST(Rotation, HalfARadianMatchesTheWorkedBilinearSums)
{
    Pixolf lib;
    // 4 x 3, red = 10 + 30 x + 50 y, turned by 0.5: cos .87758, sin .47943. The corners give
    // minX = -2 sin = -.95885, so dX = .95885, dY = 0; NW = nint(5.59) = 6, NH = nint(5.19) = 5,
    // the object 5 x 4. Each pixel: xr = nint(x - dX), K = xr cos + y sin + 1, L = y cos - xr sin + 1,
    // then P R A(M,N) + fx R A(M+1,N) + P fy A(M,N+1) + fx fy A(M+1,N+1) on the framed picture.
    // E.g. (2, 2): xr = 1, K = 2.8364, L = 2.2757, P = .1629, R = .7214, source pixels (1,1) 90,
    // (2,1) 120, (1,2) 140, (2,2) 170: .1629 x .7214 x 90 + .8364 x .7214 x 120 + .1629 x .2757 x 140
    // + .8364 x .2757 x 170 = 128.48 -> 128. The top-right pixel (4, 0) lies outside: black.
    salon::Surface s = painted(4, 3, [](int32_t x, int32_t y) { return packRgb(uint8_t(10 + 30 * x + 50 * y), 0, 0); });
    float dX, dY;
    ASSERT_EQ(1, lib.PsObrRotace(s, 0.5f, dX, dY));
    ASSERT_EQ(5, s.drawableWidth());
    ASSERT_EQ(4, s.drawableHeight());
    EXPECT_NEAR(0.958851f, dX, 1e-5f);
    EXPECT_EQ(0.0f, dY);
    const int expected[4][5] = {{4, 10, 19, 3, 0}, {47, 68, 70, 71, 39}, {85, 126, 128, 131, 47}, {0, 56, 151, 147, 0}};
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(expected[y][x], red(s, x, y)) << x << "," << y;
}

TEST(Rotation, WithoutResizingTheRotatedPictureIsCentred)
{
    Pixolf lib;
    // 10 x 4 turned by 90 degrees is 4 wide: centred it takes columns 3..6, three black columns on
    // either side.
    salon::Surface s = painted(10, 4, [](int32_t, int32_t) { return packRgb(200, 200, 200); });
    float dX, dY;
    ASSERT_EQ(1, lib.PsObrRotace(s, 1.5707963f, dX, dY, false));
    EXPECT_EQ(10, s.drawableWidth());
    EXPECT_EQ(4, s.drawableHeight());
    for (int32_t x = 0; x < 10; ++x) EXPECT_EQ(x >= 3 && x <= 6 ? 198 : 0, red(s, x, 2)) << x;
}

TEST(Rotation, DiagonalSamplesMixFourNeighboursWithTheFixedWeights)
{
    Pixolf lib;
    // A uniform 255 picture turned by 45 degrees: a pixel deep inside has all four neighbours 255,
    // so its byte is 255 x (P R + fx R + P fy + fx fy) with P = (1 - fx) 0.996, R = (1 - fy) 0.996,
    // which lies between 255 x 0.992 and 255; it never wraps past 255.
    salon::Surface s = painted(20, 20, [](int32_t, int32_t) { return packRgb(255, 255, 255); });
    float dX, dY;
    ASSERT_EQ(1, lib.PsObrRotace(s, 0.7853982f, dX, dY));
    // Extent of the turned square: (W - 1) sqrt 2 = 26.87; NW = nint(28.87) = 29, the object 28.
    EXPECT_EQ(28, s.drawableWidth());
    EXPECT_NEAR(19.0f * 0.70710677f, dX, 1e-4f);
    const int32_t c = 14;
    EXPECT_GE(red(s, c, c), 253);
    EXPECT_EQ(0, red(s, 0, 0));  // outside the turned square
}

TEST(Scale, SizesOutside2To2000AreRefused)
{
    Pixolf lib;
    salon::Surface s = painted(100, 100, [](int32_t, int32_t) { return 0u; });
    int32_t dX = 7, dY = 7;
    EXPECT_EQ(0, lib.PsObrScale(s, dX, dY, 25.0f, 1.0f));
    EXPECT_EQ(0, lib.PsObrScale(s, dX, dY, 0.01f, 1.0f));
    EXPECT_EQ(0, lib.PsObrScale(s, dX, dY, NAN, 1.0f));
    EXPECT_EQ(100, s.drawableWidth());
    salon::Surface one = painted(1, 5, [](int32_t, int32_t) { return 0u; });
    EXPECT_EQ(0, lib.PsObrScale(one, dX, dY, 2.0f, 2.0f));
}

TEST(Scale, EnlargingInPlaceShowsTheCentreAndGrowingReportsHalfTheGrowth)
{
    Pixolf lib;
    // A 20-pixel black frame around white: scaled by 1.5 the frame is 30 wide, and the centre
    // 100 x 100 (from offset 25) keeps 5 pixels of it.
    auto framed = [](int32_t x, int32_t y) {
        return (x < 20 || y < 20 || x >= 80 || y >= 80) ? 0u : packRgb(255, 255, 255);
    };
    salon::Surface s = painted(100, 100, framed);
    int32_t dX = 9, dY = 9;
    ASSERT_EQ(1, lib.PsObrScale(s, dX, dY, 1.5f, 1.5f, false));
    EXPECT_EQ(0, dX);
    EXPECT_EQ(0, dY);
    EXPECT_EQ(100, s.drawableWidth());
    EXPECT_FALSE(s.hasPicture());
    EXPECT_EQ(0, red(s, 2, 50));
    EXPECT_EQ(255, red(s, 8, 50));
    EXPECT_EQ(255, red(s, 91, 50));
    EXPECT_EQ(0, red(s, 97, 50));

    salon::Surface g = painted(100, 100, framed);
    ASSERT_EQ(1, lib.PsObrScale(g, dX, dY, 1.5f, 0.5f));
    EXPECT_EQ(150, g.drawableWidth());
    EXPECT_EQ(50, g.drawableHeight());
    EXPECT_EQ(25, dX);
    EXPECT_EQ(-25, dY);

    // Reduced in place: the whole 50 x 50 picture sits at offset 25 on the background.
    salon::Surface r = painted(100, 100, [](int32_t, int32_t) { return packRgb(10, 10, 10); });
    r.backColour = packRgb(255, 0, 0);
    ASSERT_EQ(1, lib.PsObrScale(r, dX, dY, 0.5f, 0.5f, false));
    EXPECT_EQ(255, red(r, 24, 50));
    EXPECT_EQ(10, red(r, 25, 50));
    EXPECT_EQ(10, red(r, 74, 74));
    EXPECT_EQ(255, red(r, 75, 50));
}

TEST(Flip, EachFlagMirrorsItsOwnAxis)
{
    Pixolf lib;
    auto pic = [](int32_t x, int32_t y) { return packRgb(uint8_t(x), uint8_t(y), 0); };
    const struct { bool fx, fy; int32_t result, sx, sy; } cases[] = {
        {true, false, 1, 3, 0}, {false, true, 1, 0, 2}, {true, true, 1, 3, 2}, {false, false, 0, 0, 0}};
    for (auto c : cases) {
        salon::Surface s = painted(4, 3, pic);
        EXPECT_EQ(c.result, lib.PsObrFlip(s, c.fx, c.fy));
        EXPECT_EQ(pic(c.sx, c.sy), at(s, 0, 0)) << c.fx << c.fy;
    }
    salon::Surface thin = painted(1, 3, pic);
    EXPECT_EQ(0, lib.PsObrFlip(thin, true, false));
}

TEST(QuarterTurns, TurnBothWaysAndReportTheShift)
{
    Pixolf lib;
    auto pic = [](int32_t x, int32_t y) { return packRgb(uint8_t(1 + x + 10 * y), 0, 0); };
    // A 3 x 2 picture: 1 2 3 / 11 12 13.
    salon::Surface r = painted(3, 2, pic), l = painted(3, 2, pic);
    int32_t dX, dY;
    ASSERT_EQ(1, lib.PsObrRotR(r, dX, dY));
    EXPECT_EQ(0, dX);  // (2 - 3) \ 2 truncates to 0
    EXPECT_EQ(0, dY);
    ASSERT_EQ(2, r.drawableWidth());
    ASSERT_EQ(3, r.drawableHeight());
    const int right[3][2] = {{11, 1}, {12, 2}, {13, 3}};
    ASSERT_EQ(1, lib.PsObrRotL(l, dX, dY));
    const int left[3][2] = {{3, 13}, {2, 12}, {1, 11}};
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 2; ++x) {
            EXPECT_EQ(right[y][x], red(r, x, y));
            EXPECT_EQ(left[y][x], red(l, x, y));
        }

    // In place: the central square of side min(W, H) turned, the rest background.
    salon::Surface wide = painted(6, 2, pic);
    wide.backColour = packRgb(255, 0, 0);
    ASSERT_EQ(1, lib.PsObrRotR(wide, dX, dY, false));
    EXPECT_EQ(-2, dX);
    EXPECT_EQ(2, dY);
    EXPECT_EQ(6, wide.drawableWidth());
    EXPECT_EQ(255, red(wide, 1, 0));
    // The turned picture is 2 x 6; its rows 2..3 (old columns 2 and 3) go to columns 2..3.
    EXPECT_EQ(13, red(wide, 2, 0));
    EXPECT_EQ(3, red(wide, 3, 0));
    EXPECT_EQ(14, red(wide, 2, 1));
    EXPECT_EQ(255, red(wide, 4, 1));
}

TEST(QuarterTurns, EveryPixelOfALargeOddPictureLandsWhereTheTurnSendsIt)
{
    // 143 x 77: rows padded to four bytes, and larger than the blocks the turn works in each way;
    // 132 x 70 and 68 x 130: rows without padding, so that the last pixel ends the picture's bytes;
    // 71 x 45, within one block; single rows and columns.
    Pixolf lib;
    auto pic = [](int32_t x, int32_t y) { return packRgb(uint8_t(x), uint8_t(y), uint8_t(x * 3 + y * 7)); };
    const struct { bool clockwise; } turns[] = {{true}, {false}};
    const int32_t sizes[][2] = {{143, 77}, {132, 70}, {68, 130}, {71, 45}, {1, 5}, {5, 1}};
    for (auto [w, h] : sizes)
        for (const auto t : turns) {
            salon::Surface s = painted(w, h, pic);
            int32_t dX, dY;
            ASSERT_EQ(1, t.clockwise ? lib.PsObrRotR(s, dX, dY) : lib.PsObrRotL(s, dX, dY));
            ASSERT_EQ(h, s.drawableWidth());
            ASSERT_EQ(w, s.drawableHeight());
            int32_t wrong = 0;
            for (int32_t y = 0; y < h; ++y)
                for (int32_t x = 0; x < w; ++x) {
                    const uint32_t got = t.clockwise ? at(s, h - 1 - y, x) : at(s, y, w - 1 - x);
                    wrong += got != pic(x, y);
                }
            EXPECT_EQ(0, wrong) << w << "x" << h << " clockwise " << t.clockwise;
        }
}

TEST(Flip, EveryPixelOfALargeOddPictureIsMirrored)
{
    Pixolf lib;
    const int32_t w = 71, h = 45;
    auto pic = [](int32_t x, int32_t y) { return packRgb(uint8_t(x), uint8_t(y), uint8_t(x * 3 + y * 7)); };
    const struct { bool fx, fy; } cases[] = {{true, false}, {false, true}, {true, true}};
    for (const auto c : cases) {
        salon::Surface s = painted(w, h, pic);
        ASSERT_EQ(1, lib.PsObrFlip(s, c.fx, c.fy));
        int32_t wrong = 0;
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                wrong += at(s, c.fx ? w - 1 - x : x, c.fy ? h - 1 - y : y) != pic(x, y);
        EXPECT_EQ(0, wrong) << c.fx << c.fy;
    }
}

TEST(NonLinearStretch, RowWeightsFollowTheFormula)
{
    Pixolf lib;
    // rows -> expected rows, worked from s(i) = (2 - V) + i (2 V - 2) / (H - 1) and the start
    // positions c(i):
    const struct { float value; std::vector<int> rows, expected; } cases[] = {
        {1.0f, {10, 200, 50}, {10, 200, 50}},         // unchanged
        {1.5f, {10, 200, 50}, {10, 105, 200}},        // s .5 1 1.5: copy, half and half, copy row 1
        {0.5f, {30, 90, 150}, {50, 120, 150}},        // s 1.5 1 .5: 2/3 + 1/3, 1/2 + 1/2, copy
        {0.2f, {0, 70, 140, 210, 0}, {31, 140, 168, 0, 0}},  // row 1 mixes three rows
        // s .2 .6 1 1.4 1.8: row 3 (the last but one) would take three rows; it mixes two with
        // u / s and (s - u) / s: 70 / 7 + 140 x 6 / 7 = 130 (the editor's head tilt, which keeps
        // 1 / s for the second, gives 110).
        {1.8f, {0, 70, 140, 210, 0}, {0, 0, 56, 130, 210}},
    };
    for (const auto& c : cases) {
        const int32_t h = int32_t(c.rows.size());
        salon::Surface v = painted(2, h, [&](int32_t, int32_t y) { return packRgb(uint8_t(c.rows[size_t(y)]), 0, 0); });
        salon::Surface hz = painted(h, 2, [&](int32_t x, int32_t) { return packRgb(uint8_t(c.rows[size_t(x)]), 0, 0); });
        ASSERT_EQ(1, lib.PsObrNelinDefVer(v, c.value));
        ASSERT_EQ(1, lib.PsObrNelinDefHrz(hz, c.value));
        for (int32_t i = 0; i < h; ++i) {
            EXPECT_EQ(c.expected[size_t(i)], red(v, 1, i)) << c.value << " row " << i;
            EXPECT_EQ(c.expected[size_t(i)], red(hz, i, 1)) << c.value << " column " << i;
        }
    }
}

TEST(NonLinearStretch, ValuesOutsideTheRangeAndSingleRowsAreRefused)
{
    Pixolf lib;
    salon::Surface s = painted(4, 4, [](int32_t, int32_t) { return 5u; });
    EXPECT_EQ(0, lib.PsObrNelinDefVer(s, 1.9f));
    EXPECT_EQ(0, lib.PsObrNelinDefHrz(s, 0.1f));
    EXPECT_EQ(0, lib.PsObrNelinDefVer(s, NAN));
    salon::Surface row = painted(4, 1, [](int32_t, int32_t) { return 5u; });
    EXPECT_EQ(0, lib.PsObrNelinDefVer(row, 1.2f));
    EXPECT_EQ(1, lib.PsObrNelinDefHrz(row, 1.2f));
    salon::Surface column = painted(1, 4, [](int32_t, int32_t) { return 5u; });
    EXPECT_EQ(0, lib.PsObrNelinDefHrz(column, 1.2f));
}

TEST(Resample, SpansWeighFractionsAndTheLastSpanEndsAtSizeMinusOneHundredth)
{
    Pixolf lib;
    auto array = [](int32_t w, int32_t h, uint8_t v) {
        ByteArray a;
        a.redim(0, salon::rowBytes24(w) - 1, 0, h - 1);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t i = 0; i < 3 * w; ++i) a(i, y) = v;
        return a;
    };
    // 4 x 2 -> 2 x 1: columns [1, 1, 0] and [1, .99], rows [1, .99], divided by 2 x 2 / .996.
    // Pixel 0: 200 x 2 x 1.99 x .996 / 4 = 198.2; pixel 1: 200 x 1.99 x 1.99 x .996 / 4 = 197.2.
    ByteArray from = array(4, 2, 200), to;
    int32_t bx = 4, by = 2, nx = 2, ny = 1;
    ASSERT_EQ(1, lib.PsObrZmena(bx, by, nx, ny, from, to));
    EXPECT_EQ(2, to.rank);
    EXPECT_EQ(7, to.ubound(1));
    EXPECT_EQ(0, to.ubound(2));
    EXPECT_EQ(198, to(0, 0));
    EXPECT_EQ(197, to(3, 0));
    EXPECT_EQ(0, to(6, 0));  // padding

    // 2 x 1 -> 4 x 1 (step .5): spans .5, [.5, 0], .5, .49; the row .99 divided by .5 / .996.
    // 200 x .5 x .99 x .996 / .5 = 197.2; the last: 200 x .49 x .99 x .996 / .5 = 193.3.
    ByteArray small = array(2, 1, 200);
    bx = 2, by = 1, nx = 4, ny = 1;
    ASSERT_EQ(1, lib.PsObrZmena(bx, by, nx, ny, small, to));
    EXPECT_EQ(197, to(0, 0));
    EXPECT_EQ(197, to(3, 0));
    EXPECT_EQ(197, to(6, 0));
    EXPECT_EQ(193, to(9, 0));

    // A zero target and an array of the wrong shape are refused; the result stays as it was.
    ny = 0;
    EXPECT_EQ(0, lib.PsObrZmena(bx, by, nx, ny, small, to));
    ny = 1, by = 3;
    EXPECT_EQ(0, lib.PsObrZmena(bx, by, nx, ny, small, to));
    EXPECT_EQ(193, to(9, 0));
}

TEST(Fits, ComputedFitsKeepTheirOddWidthRule)
{
    Pixolf lib;
    // typ, PrX, PrY, PNLx, PNLy -> result, PrX after, NPrX, NPrY
    const struct { uint8_t typ; int32_t prX, prY, px, py, result, prXAfter, nx, ny; } cases[] = {
        {1, 100, 50, 0, 0, 1, 99, 99, 50},     // the width loses a column even when it was even
        {1, 101, 50, 0, 0, -1, 100, 100, 50},
        {2, 200, 100, 100, 100, 1, 200, 100, 100},
        {3, 200, 100, 100, 100, 1, 200, 100, 50},
        {4, 201, 100, 151, 80, -1, 200, 150, 80},  // 151 is odd: 150, DsX = 150 / 200
        {5, 201, 100, 151, 200, -1, 200, 150, 75}, // s = .755 -> 151 odd -> s = .75
        {0, 100, 100, 10, 10, 0, 100, 0, 0},
        {2, 100, 0, 10, 10, 0, 100, 0, 0},
    };
    for (auto c : cases) {
        int32_t prX = c.prX, prY = c.prY, nx = 0, ny = 0;
        float dsX = 1, dsY = 1;
        EXPECT_EQ(c.result, lib.SuNewScale(c.typ, prX, prY, c.px, c.py, nx, ny, dsX, dsY)) << int(c.typ) << " " << c.prX;
        EXPECT_EQ(c.prXAfter, prX);
        if (c.result == 0) continue;
        if (c.typ != 1) {
            EXPECT_EQ(c.nx, nx) << int(c.typ);
            EXPECT_EQ(c.ny, ny) << int(c.typ);
        }
    }
}

TEST(Fits, ObjectFitsResizeAndReportTheirFactors)
{
    Pixolf lib;
    auto pic = [](int32_t x, int32_t) { return packRgb(uint8_t(x), 0, 0); };
    salon::Surface odd = painted(101, 3, pic);
    int32_t nx, ny;
    float dx, dy;
    ASSERT_EQ(1, lib.PsNewScale(odd, 1, 0, 0, nx, ny, dx, dy));
    EXPECT_EQ(100, nx);
    EXPECT_EQ(3, ny);
    EXPECT_EQ(99, red(odd, 99, 1));  // the last column dropped, the rest unchanged
    EXPECT_FLOAT_EQ(100.0f / 101.0f, dx);

    salon::Surface wide = painted(200, 100, pic);
    ASSERT_EQ(1, lib.PsNewScale(wide, 3, 50, 50, nx, ny, dx, dy));
    EXPECT_EQ(50, nx);
    EXPECT_EQ(25, ny);
    EXPECT_FLOAT_EQ(0.25f, dy);
    ASSERT_EQ(1, lib.PsNewScale(wide, 4, 31, 20, nx, ny, dx, dy));
    EXPECT_EQ(30, nx);
    EXPECT_EQ(20, ny);
    EXPECT_EQ(0, lib.PsNewScale(wide, 2, 0, 20, nx, ny, dx, dy));
    EXPECT_EQ(0, lib.PsNewScale(wide, 6, 20, 20, nx, ny, dx, dy));
}

TEST(Canvas, PlacesThePictureOnAColouredCanvasAndRangeChecksBothSides)
{
    Pixolf lib;
    auto pic = [](int32_t x, int32_t y) { return packRgb(uint8_t(x), uint8_t(y), 9); };
    salon::Surface s = painted(8, 8, pic);
    ASSERT_EQ(1, lib.PsObrOrez(s, 20, 10, 0xFF0000, -2, 3));
    EXPECT_EQ(20, s.drawableWidth());
    EXPECT_EQ(10, s.drawableHeight());
    EXPECT_EQ(0xFF0000u, at(s, 0, 2));
    EXPECT_EQ(pic(2, 0), at(s, 0, 3));   // the left two columns cut away
    EXPECT_EQ(pic(7, 6), at(s, 5, 9));
    EXPECT_EQ(0xFF0000u, at(s, 6, 9));
    ASSERT_TRUE(s.hasPicture());

    const struct { int32_t w, h, colour; } refused[] = {{4, 10, 0}, {5001, 10, 0}, {10, 4, 0}, {10, 5001, 0}, {10, 10, -1},
                                                    {10, 10, 0x1000000}};
    for (auto r : refused) EXPECT_EQ(0, lib.PsObrOrez(s, r.w, r.h, r.colour)) << r.w << "x" << r.h;
    salon::Surface small = painted(5, 8, pic);
    EXPECT_EQ(0, lib.PsObrOrez(small, 10, 10));
}

TEST(Copies, CopyTakesTheSourceSizeAndRegionBoxesCutOrKeepTheBox)
{
    Pixolf lib;
    auto pic = [](int32_t x, int32_t y) { return packRgb(uint8_t(x), uint8_t(y), 1); };
    salon::Surface src = painted(10, 10, pic), dst(3, 3);
    ASSERT_EQ(1, lib.PsCopyImg(dst, src));
    EXPECT_EQ(10, dst.drawableWidth());
    EXPECT_EQ(pic(9, 9), at(dst, 9, 9));
    EXPECT_EQ(0, lib.PsCopyImg(dst, src, 12345));
    ASSERT_EQ(1, lib.PsCopyImg(dst, src, int32_t(salon::RasterOp::NotSrcCopy)));
    EXPECT_EQ(255 - 9, red(dst, 9, 0));

    int32_t rgn = int32_t(state().regions.add(salon::Region::rect(-3, 2, 6, 7)));
    int32_t dX = -1, dY = -1;
    ASSERT_EQ(1, lib.PsCopyImgRgn(rgn, dst, src, dX, dY, true));
    EXPECT_EQ(0, dX);
    EXPECT_EQ(2, dY);
    EXPECT_EQ(6, dst.drawableWidth());
    EXPECT_EQ(5, dst.drawableHeight());
    EXPECT_EQ(pic(0, 2), at(dst, 0, 0));
    ASSERT_EQ(1, lib.PsCopyImgRgn(rgn, dst, src, dX, dY, false));
    EXPECT_EQ(9, dst.drawableWidth());
    EXPECT_EQ(pic(0, 2), at(dst, 3, 0));
    EXPECT_EQ(pic(5, 6), at(dst, 8, 4));
    lib.TsRgn(rgn);

    int32_t far = int32_t(state().regions.add(salon::Region::rect(9, 0, 20, 5)));  // left > W - 2
    EXPECT_EQ(0, lib.PsCopyImgRgn(far, dst, src, dX, dY));
    lib.TsRgn(far);
    int32_t none = 0;
    EXPECT_EQ(0, lib.PsCopyImgRgn(none, dst, src, dX, dY));
}

TEST(Warp, ThePicturesOwnRectangleGivesTheIdentityMap)
{
    Pixolf lib;
    salon::Surface s = painted(8, 6, [](int32_t, int32_t) { return packRgb(40, 80, 120); });
    int32_t dX, dY, x1 = 0, y1 = 0, x2 = 0, y2 = 5, x3 = 7, y3 = 5, x4 = 7, y4 = 0, ex, ey, ddx, ddy;
    float t1, t2, t3, t4, q1, q2;
    const int32_t before = lib.regionCount();
    int32_t q = lib.PsObrDefomR(s, dX, dY, x1, y1, x2, y2, x3, y3, x4, y4, ex, ey, t1, t2, t3, t4, q1, q2, ddx, ddy);
    ASSERT_NE(0, q);
    EXPECT_EQ(1.0f, t1);
    EXPECT_EQ(1.0f, t3);
    EXPECT_EQ(0.0f, t2);
    EXPECT_EQ(0.0f, t4);
    EXPECT_EQ(0.0f, q1);
    EXPECT_EQ(0.0f, q2);
    EXPECT_EQ(8, ex);  // handed back as the picture's size, not W - 1
    EXPECT_EQ(6, ey);
    EXPECT_EQ(7, s.drawableWidth());  // the polygon covers 0 <= x < 7
    EXPECT_EQ(packRgb(40, 80, 120), at(s, 3, 2));
    EXPECT_EQ(before + 1, lib.regionCount());
    lib.TsRgn(q);
}

TEST(Warp, ATrapezoidGivesItsCoefficientsAndBoxAndBadCornersAreRefused)
{
    Pixolf lib;
    salon::Surface s = painted(11, 6, [](int32_t, int32_t) { return packRgb(40, 80, 120); });
    int32_t dX, dY, x1 = 2, y1 = 0, x2 = 0, y2 = 5, x3 = 12, y3 = 5, x4 = 10, y4 = 0, ex, ey, ddx, ddy;
    float t1, t2, t3, t4, q1, q2;
    int32_t q = lib.PsObrDefomR(s, dX, dY, x1, y1, x2, y2, x3, y3, x4, y4, ex, ey, t1, t2, t3, t4, q1, q2, ddx, ddy);
    ASSERT_NE(0, q);
    // Ex = 10, Ey = 5: q1 = (2 + 12 - 0 - 10) / 50, t1 = 8 / 10, t2 = -2 / 5.
    EXPECT_FLOAT_EQ(0.08f, q1);
    EXPECT_FLOAT_EQ(0.8f, t1);
    EXPECT_FLOAT_EQ(-0.4f, t2);
    EXPECT_FLOAT_EQ(1.0f, t3);
    EXPECT_EQ(2, ddx);
    EXPECT_EQ(0, ddy);
    // The object takes the quadrilateral region's box, moved to the origin.
    const salon::Region* r = state().regions.find(uint32_t(q));
    ASSERT_NE(nullptr, r);
    EXPECT_EQ(0, r->bounds().left);
    EXPECT_EQ(0, r->bounds().top);
    EXPECT_EQ(r->bounds().right, s.drawableWidth());
    EXPECT_EQ(5, s.drawableHeight());
    EXPECT_EQ((r->bounds().right - 11) / 2, dX);
    EXPECT_EQ(0, dY);  // (5 - 6) \ 2
    EXPECT_EQ(packRgb(40, 80, 120), at(s, 6, 2));
    lib.TsRgn(q);

    const int32_t before = lib.regionCount();
    int32_t a = 5, b = 0;  // x1 >= x4
    EXPECT_EQ(0, lib.PsObrDefomR(s, dX, dY, a, y1, x2, y2, x3, y3, b, y4));
    // Corners millions of pixels apart are refused at once, before any polygon is scanned.
    int32_t farX = 2000000, farY = 3000000, y2b = 3000000;
    EXPECT_EQ(0, lib.PsObrDefomR(s, dX, dY, x1, y1, x2, y2b, farX, farY, farX, y4));
    salon::Surface line = painted(1, 6, [](int32_t, int32_t) { return 0u; });
    EXPECT_EQ(0, lib.PsObrDefomR(line, dX, dY, x1, y1, x2, y2, x3, y3, x4, y4));
    EXPECT_EQ(before, lib.regionCount());
}

TEST(NonLinearStretch, EveryKernelFormGivesThePlainBytesWithTheLibrarysRule)
{
    // A picture of 37 x 29 (rows not a multiple of a vector, odd padding) of scattered bytes.
    salon::Bitmap src = salon::Bitmap::rgb24(37, 29);
    for (size_t i = 0; i < src.pixels.size(); ++i) src.pixels[i] = uint8_t((i * 2654435761u) >> 13);
    for (float v : {0.2f, 0.7f, 1.3f, 1.8f})
        for (bool down : {true, false}) {
            const int32_t n = down ? src.height : src.width;
            const auto taps = salon::stretchTaps(n, v, salon::LastButOne::TwoTermRest);
            salon::Bitmap plain = salon::Bitmap::rgb24(37, 29);
            auto run = [&](salon::Bitmap& out, salon::PixelKernel k) {
                const salon::StretchImage image{src.pixels.data(), size_t(src.rowBytes()), out.pixels.data(),
                                                size_t(out.rowBytes()), src.width, src.height};
                if (down) salon::stretchDownColumns(image, taps, k);
                else salon::stretchAlongRows(image, taps, k);
            };
            run(plain, salon::PixelKernel::Plain);
            for (salon::PixelKernel k : {salon::PixelKernel::Sse2, salon::PixelKernel::Avx2}) {
                if (!salon::pixelKernelRuns(k)) continue;
                salon::Bitmap vec = salon::Bitmap::rgb24(37, 29);
                run(vec, k);
                EXPECT_EQ(plain.pixels, vec.pixels) << v << (down ? " down" : " along") << int(k);
            }
        }
}

TEST(Rotation, TheVectorFormGivesThePlainBytes)
{
    salon::Bitmap src = salon::Bitmap::rgb24(37, 23);
    for (size_t i = 0; i < src.pixels.size(); ++i) src.pixels[i] = uint8_t((i * 2654435761u) >> 11);
    for (float u : {0.0f, 0.1f, 0.5f, 1.5707963f, 2.7f, -0.9f, 3.1415927f, 5.0f}) {
        transforms::Rotated plain, vec;
        ASSERT_TRUE(transforms::rotatePixels(src, u, plain, salon::PixelKernel::Plain));
        for (salon::PixelKernel k : {salon::PixelKernel::Sse2, salon::PixelKernel::Avx2}) {
            if (!salon::pixelKernelRuns(k)) continue;
            ASSERT_TRUE(transforms::rotatePixels(src, u, vec, k));
            EXPECT_EQ(plain.pixels, vec.pixels) << u << " kernel " << int(k);
            EXPECT_EQ(plain.dX, vec.dX);
        }
    }
}

namespace {
// The box filter as its formula reads, one channel at a time: destination pixel (x, y) sums, over
// the source rows of its row span and within each over the columns of its column span,
// (column fraction x row fraction / norm) x value, from 0, left to right. A span runs from
// i step to min((i + 1) step, size - 0.01); its first and last source pixels weigh the parts of
// them it covers; norm = stepX stepY / 0.996.
struct FormulaSpan {
    int32_t first;
    std::vector<float> weights;
};
std::vector<FormulaSpan> formulaSpans(int32_t from, int32_t to)
{
    const float step = float(from) / float(to), end = float(from) - 0.01f;
    std::vector<FormulaSpan> out;
    for (int32_t i = 0; i < to; ++i) {
        const float a = float(i) * step, b = std::min(float(i + 1) * step, end);
        const int32_t j0 = std::min(int32_t(a), from - 1), j1 = std::min(int32_t(b), from - 1);
        FormulaSpan s{j0, {}};
        if (j1 <= j0) {
            s.weights.push_back(std::max(b - a, 0.0f));
        } else {
            s.weights.push_back(float(j0 + 1) - a);
            for (int32_t j = j0 + 1; j < j1; ++j) s.weights.push_back(1.0f);
            s.weights.push_back(b - float(j1));
        }
        out.push_back(s);
    }
    return out;
}

ByteArray formulaResample(const ByteArray& from, int32_t bmX, int32_t bmY, int32_t nmX, int32_t nmY)
{
    const std::vector<FormulaSpan> cols = formulaSpans(bmX, nmX), rows = formulaSpans(bmY, nmY);
    const float norm = (float(bmX) / float(nmX)) * (float(bmY) / float(nmY)) / 0.996f;
    ByteArray out;
    out.redim(0, salon::rowBytes24(nmX) - 1, 0, nmY - 1);
    for (int32_t y = 0; y < nmY; ++y)
        for (int32_t x = 0; x < nmX; ++x)
            for (int32_t c = 0; c < 3; ++c) {
                float sum = 0;
                const FormulaSpan &r = rows[size_t(y)], &k = cols[size_t(x)];
                for (size_t i = 0; i < r.weights.size(); ++i)
                    for (size_t j = 0; j < k.weights.size(); ++j)
                        sum += (k.weights[j] * (r.weights[i] / norm)) *
                               float(from(3 * (k.first + int32_t(j)) + c, r.first + int32_t(i)));
                out(3 * x + c, y) = sum >= 255.5f ? 255 : uint8_t(std::nearbyintf(sum));
            }
    return out;
}
} // namespace

TEST(Resample, EveryFormGivesTheFormulasBytesEnlargingAndReducing)
{
    // Widths with and without row padding (4: three times it a multiple of 4), odd widths whose
    // rows end a vector step early, spans of one to many source pixels each way.
    const int32_t cases[][4] = {{4, 3, 7, 5},    {5, 4, 9, 11},  {8, 6, 8, 6},     {64, 48, 83, 61}, {33, 65, 47, 93},
                                {64, 48, 21, 13}, {37, 29, 5, 4}, {50, 40, 3, 2},   {31, 7, 1, 1},    {12, 40, 31, 9},
                                {3, 3, 40, 2},   {100, 1, 7, 1}};
    uint32_t seed = 12345;
    for (const auto& c : cases) {
        const int32_t bmX = c[0], bmY = c[1], nmX = c[2], nmY = c[3];
        ByteArray from;
        from.redim(0, salon::rowBytes24(bmX) - 1, 0, bmY - 1);
        for (uint8_t& v : from.values) v = uint8_t((seed = seed * 1103515245u + 12345u) >> 23);
        for (int32_t x = 0; x < 3 * bmX; ++x) from(x, bmY / 2) = 255;  // a white row: sums near the top
        const ByteArray want = formulaResample(from, bmX, bmY, nmX, nmY);
        for (salon::PixelKernel k : {salon::PixelKernel::Sse2, salon::PixelKernel::Avx2}) {
            if (!salon::pixelKernelRuns(k)) continue;
            // The result is written into an array of the right shape whose padding is not zero.
            ByteArray got;
            got.redim(0, salon::rowBytes24(nmX) - 1, 0, nmY - 1);
            std::fill(got.values.begin(), got.values.end(), uint8_t(0x5A));
            ASSERT_EQ(1, transforms::resample(bmX, bmY, nmX, nmY, from, got, k));
            EXPECT_EQ(want.values, got.values) << bmX << "x" << bmY << " -> " << nmX << "x" << nmY << " kernel " << int(k);
            EXPECT_EQ(want.count[0], got.count[0]);
        }
    }
}

TEST(Resample, TheSourceArrayMayAlsoTakeTheResult)
{
    ByteArray a;
    a.redim(0, salon::rowBytes24(6) - 1, 0, 4);
    for (size_t i = 0; i < a.values.size(); ++i) a.values[i] = uint8_t(i * 7);
    const ByteArray want = formulaResample(a, 6, 5, 9, 3);
    ASSERT_EQ(1, transforms::resample(6, 5, 9, 3, a, a));
    EXPECT_EQ(want.values, a.values);
    EXPECT_EQ(salon::rowBytes24(9), a.count[0]);
}

TEST(GeometricTransforms, MirrorsAndScalesInPlaceDropThePictureTurnsKeepTheirResult)
{
    // A bordered object: the results land inside the border, at the drawable size.
    Pixolf lib;
    auto pic = [](int32_t x, int32_t y) { return packRgb(uint8_t(10 * x), uint8_t(7 * y), 3); };
    auto bordered = [&](bool autoRedraw) {
        salon::Surface s(13, 10);
        s.setBorderStyle(1);
        for (int32_t y = 0; y < 6; ++y)
            for (int32_t x = 0; x < 9; ++x) s.image().setPixel(x, y, pic(x, y));
        s.keepImage();
        s.autoRedraw = autoRedraw;
        return s;
    };
    int32_t dX, dY;
    float fX, fY;
    for (bool autoRedraw : {true, false}) {
        salon::Surface flipped = bordered(autoRedraw), scaled = bordered(autoRedraw);
        salon::Surface turned = bordered(autoRedraw), rotated = bordered(autoRedraw);
        ASSERT_EQ(1, lib.PsObrFlip(flipped, true, false));
        ASSERT_EQ(1, lib.PsObrScale(scaled, dX, dY, 1.5f, 1.5f, false));
        ASSERT_EQ(1, lib.PsObrRotR(turned, dX, dY));
        ASSERT_EQ(1, lib.PsObrRotace(rotated, 0.2f, fX, fY));
        EXPECT_FALSE(flipped.hasPicture());
        EXPECT_FALSE(scaled.hasPicture());
        EXPECT_EQ(autoRedraw, turned.hasPicture());
        EXPECT_EQ(autoRedraw, rotated.hasPicture());
        if (autoRedraw) {
            EXPECT_EQ(turned.image(), *turned.picture());
            EXPECT_EQ(rotated.image(), *rotated.picture());
        }
        EXPECT_EQ(9, flipped.drawableWidth());
        EXPECT_EQ(13, flipped.width());
        EXPECT_EQ(pic(8, 2), at(flipped, 0, 2));
        EXPECT_EQ(9, scaled.drawableWidth());
        EXPECT_EQ(6, turned.drawableWidth());
        EXPECT_EQ(10, turned.width());
        EXPECT_EQ(13, turned.height());
        EXPECT_EQ(pic(0, 5), at(turned, 0, 0));
    }
}

TEST(GeometricTransforms, OnA16BitDisplayTurnsReadTheReducedColours)
{
    // Blue and red keep 5 bits (& 248), green 6 (& 252). Rotated by 0 every byte is then scaled by
    // 0.996^2 = 0.992016: red 255 -> 248 -> 246.02 -> 246, green 255 -> 252 -> 249.99 -> 250,
    // blue 7 -> 0. A quarter turn moves the reduced bytes unchanged.
    struct DepthScope {
        explicit DepthScope(int32_t d) { state().settings.colourDepth = d; }
        ~DepthScope() { state().settings.colourDepth = 0; }
    } depth(16);
    Pixolf lib;
    auto pic = [](int32_t, int32_t) { return packRgb(255, 255, 7); };
    salon::Surface rotated = painted(6, 4, pic), turned = painted(6, 4, pic);
    float fX, fY;
    int32_t dX, dY;
    ASSERT_EQ(1, lib.PsObrRotace(rotated, 0.0f, fX, fY));
    ASSERT_EQ(1, lib.PsObrRotL(turned, dX, dY));
    EXPECT_EQ(packRgb(246, 250, 0), at(rotated, 2, 1));
    EXPECT_EQ(packRgb(248, 252, 0), at(turned, 1, 2));
}

TEST(GeometricTransforms, PicturesNotLaidOutAsTheirObjectSaysAreRefusedNotOverread)
{
    // A drawn image replaced by one of another size or depth no longer matches the drawable area:
    // mirroring, turning or rotating it would read rows that are not there.
    Pixolf lib;
    salon::Surface s = painted(9, 6, [](int32_t, int32_t) { return packRgb(1, 2, 3); });
    s.image() = salon::Bitmap::rgb24(2, 2);
    int32_t dX, dY;
    EXPECT_EQ(0, lib.PsObrFlip(s, true, true));
    EXPECT_EQ(0, lib.PsObrRotR(s, dX, dY));
    float fX, fY;
    EXPECT_EQ(0, lib.PsObrRotace(s, 0.5f, fX, fY, false));
    EXPECT_EQ(2, s.image().width);
    s.image() = salon::Bitmap::indexed(9, 6, 8, std::vector<uint32_t>(256, 0));
    EXPECT_EQ(0, lib.PsObrRotL(s, dX, dY));
    // The rotation of a bitmap takes 24-bit pixels only.
    transforms::Rotated r;
    EXPECT_FALSE(transforms::rotatePixels(salon::Bitmap::indexed(9, 6, 8, std::vector<uint32_t>(256, 0)), 0.5f, r));
}
