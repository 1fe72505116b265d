// Area transforms on pictures wide enough for the kernels that take many pixels at once: every
// pixel of random pictures, inside an area that starts at an odd pixel, against the formula
// worked one pixel at a time; pixels outside the area keep their bytes. Each test runs with the
// portable kernels and with the AVX2 ones (the same twice where the processor lacks AVX2).
#include "PaintingTestSupport.h"
#include "library/frame/LibraryState.h"
#include "library/imaging/AreaRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

using namespace pixol;
using namespace painting_test;

namespace {

// 45 pixels: two blocks of sixteen and a rest, so that both the block and the single-pixel code run.
constexpr int32_t W = 45, H = 5;
const salon::Rect Inside{3, 1, 44, 4};

ByteArray randomPicture(int32_t w, int32_t h, uint32_t seed)
{
    ByteArray a = pixelArray(w, h, {0, 0, 0});
    std::mt19937 g(seed);
    for (auto& b : a.values) b = uint8_t(g());
    return a;
}

// Every byte of `after` is `expected(x, y, channel)` inside the rectangle (in `after`'s pixels) and
// the byte of `before` elsewhere.
void expectBytes(const ByteArray& before, const ByteArray& after, int32_t w, int32_t h, const salon::Rect& in,
                 const std::function<int(int32_t, int32_t, int)>& expected)
{
    int wrong = 0;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int ch = 0; ch < 3; ++ch) {
                const bool inside = x >= in.left && x < in.right && y >= in.top && y < in.bottom;
                const int want = inside ? expected(x, y, ch) : before(3 * x + ch, y);
                if (after(3 * x + ch, y) != want && ++wrong <= 5)
                    ADD_FAILURE() << "pixel " << x << "," << y << " channel " << ch << ": " << int(after(3 * x + ch, y))
                                  << " instead of " << want;
            }
    EXPECT_EQ(0, wrong);
}

int32_t insideHandle()
{
    return int32_t(state().regions.add(salon::Region::rect(Inside.left, Inside.top, Inside.right, Inside.bottom)));
}

int floored(float v, int floor) { return std::clamp(std::max(int(std::lrintf(v)), floor), 0, 255); }

class AreaWidePictures : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { area::rows::setAvx2Enabled(GetParam()); }
    void TearDown() override { area::rows::setAvx2Enabled(m_was); }

private:
    bool m_was = area::rows::avx2Enabled();
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Kernels, AreaWidePictures, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& p) { return p.param ? "Avx2" : "Portable"; });

TEST_P(AreaWidePictures, SingleFiltersGiveTheFormulasBytes)
{
    const ByteArray source = randomPicture(W, H, 7);
    const int32_t hrgn = insideHandle();
    auto run = [&](int32_t typ, int32_t d1, int32_t d2, int32_t d3, int32_t d4) {
        ByteArray a = source;
        Pixolf lib;
        int32_t le, te, w, h;
        EXPECT_EQ(1, lib.PaZmenaA(typ, a, W, H, le, te, w, h, hrgn, d1, d2, d3, d4)) << typ;
        return a;
    };
    auto at = [&](int32_t x, int32_t y, int ch) { return source(3 * x + ch, y); };

    expectBytes(source, run(1, 0, 0, 0, 0), W, H, Inside,
                [&](int32_t x, int32_t y, int) { return at(x, y, 0) / 3 + at(x, y, 1) / 3 + at(x, y, 2) / 3; });
    // Contrast 50 about the pivot 180 (30 is out of range), brightness 10, floor 8 (40 is too high).
    const float k = 1.5f, o = 10.0f - float(180 * 50) / 100.0f;
    expectBytes(source, run(2, 10, 50, 30, 40), W, H, Inside,
                [&](int32_t x, int32_t y, int ch) { return floored(float(at(x, y, ch)) * k + o, 8); });
    expectBytes(source, run(2, -40, -30, 100, 0), W, H, Inside, [&](int32_t x, int32_t y, int ch) {
        return floored(float(at(x, y, ch)) * 0.7f + (-40.0f - float(100 * -30) / 100.0f), 0);
    });
    expectBytes(source, run(7, 51, 0, 0, 0), W, H, Inside, [&](int32_t x, int32_t y, int ch) {
        return int(salon::toByte(51.0f + float(at(x, y, ch) * 204) / 255.0f));
    });
    state().regions.remove(uint32_t(hrgn));
}

TEST_P(AreaWidePictures, ThresholdLooksAtAllThreeBytesOfEachPixel)
{
    ByteArray source = randomPicture(W, H, 8);
    // Pixels with one, two and three bytes below 128, inside the block part of the row.
    setPx(source, 5, 2, {10, 200, 10});
    setPx(source, 6, 2, {10, 10, 200});
    setPx(source, 7, 2, {10, 10, 10});
    const int32_t hrgn = insideHandle();
    for (int32_t limit : {0, 1, 128, 255}) {
        ByteArray a = source;
        Pixolf lib;
        LongArray t;
        int32_t le, te, w, h;
        ASSERT_EQ(1, lib.PaZmenaG(3, a, W, H, t, t, t, le, te, w, h, hrgn, limit));
        expectBytes(source, a, W, H, Inside, [&](int32_t x, int32_t y, int) {
            const bool below = source(3 * x, y) < limit && source(3 * x + 1, y) < limit && source(3 * x + 2, y) < limit;
            return below ? 0 : 255;
        });
        if (limit == 128) {
            EXPECT_EQ((Bgr{255, 255, 255}), px(a, 5, 2));
            EXPECT_EQ((Bgr{0, 0, 0}), px(a, 7, 2));
        }
    }
    state().regions.remove(uint32_t(hrgn));
}

TEST_P(AreaWidePictures, BlendsGiveTheFormulasBytesAtAnOffset)
{
    // Pole2 (40 x 4) at (2, 1) on Pole1: its pixel (x, y) lands on (x + 2, y + 1); the area is
    // Pole2's pixels 1..39 of rows 0..2, cut by the region (1, 0)-(40, 3) in Pole2's coordinates.
    const ByteArray p1 = randomPicture(W, H, 9), p2 = randomPicture(40, 4, 10), p3 = randomPicture(40, 4, 11);
    const int32_t hrgn = int32_t(state().regions.add(salon::Region::rect(1, 0, 40, 3)));
    const salon::Rect onPole1{3, 1, 42, 4};
    auto b = [&](int32_t x, int32_t y, int ch) { return float(p2(3 * (x - 2) + ch, y - 1)); };
    auto c = [&](int32_t x, int32_t y, int ch) { return float(p3(3 * (x - 2) + ch, y - 1)); };
    auto a = [&](int32_t x, int32_t y, int ch) { return float(p1(3 * x + ch, y)); };
    auto mix = [](float p, float m, float k) { return int(salon::toByte(p * (1.0f - k) * 0.996f + m * k)); };
    Pixolf lib;
    int32_t le, te, w, h;

    ByteArray out = p1;
    ASSERT_EQ(1, lib.PaZmenaB(1, out, p2, W, H, 40, 4, 2, 1, le, te, w, h, hrgn, 37));
    expectBytes(p1, out, W, H, onPole1, [&](int32_t x, int32_t y, int ch) { return mix(a(x, y, ch), b(x, y, ch), 0.37f); });
    EXPECT_EQ(3, le);
    EXPECT_EQ(1, te);

    // Colour transfer from 0x404080 to 0x8040C0: factors blue 1.5, green 1, red 2 (colours are
    // red + 256 green + 65536 blue; the array holds blue, green, red).
    const float fac[3] = {1.5f, 1.0f, 2.0f};
    out = p1;
    ASSERT_EQ(1, lib.PaZmenaB(7, out, p2, W, H, 40, 4, 2, 1, le, te, w, h, hrgn, 80, 20, 8, 0xC04080, 0x804040));
    expectBytes(p1, out, W, H, onPole1, [&](int32_t x, int32_t y, int ch) {
        const float m = std::min(255.0f, b(x, y, ch) * fac[ch] * 1.0f);
        return mix(a(x, y, ch), a(x, y, ch) * m / 255.0f, 0.8f);
    });
    out = p1;
    ASSERT_EQ(1, lib.PaZmenaB(6, out, p2, W, H, 40, 4, 2, 1, le, te, w, h, hrgn, 80, 20, 8, 0xC04080, 0x804040));
    expectBytes(p1, out, W, H, onPole1, [&](int32_t x, int32_t y, int ch) {
        const float m = std::min(255.0f, b(x, y, ch) * fac[ch] * (1.0f + 20.0f / 250.0f));
        return int(salon::toByte(a(x, y, ch) * (float(20) * 0.00996f) + m * 0.8f));
    });

    // The blend modes of Pole2 and Pole3 mixed onto Pole1.
    auto mode = [](int32_t typ, float p, float q) {
        switch (typ) {
        case 1: return p * q / 255.0f;
        case 2: return 255.0f - (255.0f - p) * (255.0f - q) / 255.0f;
        case 3: return p < 128.0f ? 2.0f * p * q / 255.0f : 255.0f - 2.0f * (255.0f - p) * (255.0f - q) / 255.0f;
        case 4: return std::min(p, q);
        case 5: return std::max(p, q);
        case 6: return std::fabs(p - q);
        default: return (p + q) / 2.0f;
        }
    };
    for (int32_t typ = 1; typ <= 7; ++typ) {
        out = p1;
        ASSERT_EQ(1, lib.PaZmenaC(typ, out, p2, p3, W, H, 40, 4, 40, 4, 2, 1, le, te, w, h, hrgn, 64)) << typ;
        SCOPED_TRACE(typ);
        expectBytes(p1, out, W, H, onPole1, [&](int32_t x, int32_t y, int ch) {
            return mix(a(x, y, ch), mode(typ, b(x, y, ch), c(x, y, ch)), 0.64f);
        });
    }
    state().regions.remove(uint32_t(hrgn));
}

TEST_P(AreaWidePictures, APictureBlendedOntoItselfReadsWhatTheEarlierPixelsLeft)
{
    // Pole2 is Pole1, laid one pixel to the right: pixel x + 1 takes pixel x, which the same call
    // has already changed - the blend runs along the row as a smear.
    const ByteArray source = randomPicture(W, H, 12);
    ByteArray a = source;
    Pixolf lib;
    int32_t le, te, w, h;
    ASSERT_EQ(1, lib.PaZmenaB(1, a, a, W, H, W, H, 1, 0, le, te, w, h, 0, 50));
    ByteArray expected = source;
    for (int32_t y = 0; y < H; ++y)
        for (int32_t x = 0; x + 1 < W; ++x)
            for (int ch = 0; ch < 3; ++ch) {
                uint8_t& p1 = expected(3 * (x + 1) + ch, y);
                p1 = salon::toByte(float(p1) * 0.5f * 0.996f + float(expected(3 * x + ch, y)) * 0.5f);
            }
    EXPECT_TRUE(expected.values == a.values);
}
