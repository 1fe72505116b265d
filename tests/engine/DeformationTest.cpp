// Every kernel of the turn and the tilt against the formula written out plainly, byte for byte:
// the fast kernels reorder nothing, so any difference is a fault.
#include "editor/engine/DeformKernels.h"
#include "editor/engine/FaceTransform.h"
#include "editor/engine/PixelBuffer.h"
#include "tests/engine/KernelTestPictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace salon;
using namespace salon::kerneltest;

namespace {

uint8_t formulaByte(float v)
{
    if (!(v >= 0.0f)) return 0;
    if (v >= 255.5f) return 255;
    return uint8_t(std::nearbyintf(v));  // ties to even
}

// Destination sample i of a pass over n samples covers the source from A(i) = S(0) + ... + S(i - 1)
// on, S(j) = (2 - f) + j (2 f - 2) / (n - 1) wide, summed in float one after the other.
struct FormulaTap {
    int32_t k;
    float w[3];
    int terms;
};

FormulaTap formulaTap(int32_t i, int32_t n, float f, float A)
{
    const float s = (2.0f - f) + float(i) * (2.0f * f - 2.0f) / float(n - 1);
    const int32_t k = int32_t(std::trunc(A));
    const float u = 1.0f - (A - float(k));  // what is left of source sample k
    FormulaTap t{k, {0.0f, 0.0f, 0.0f}, 1};
    if (i < n - 1 && u < s) {
        if (u + 1.0f >= s) t = {k, {u / s, (s - u) / s, 0.0f}, 2};
        else t = {k, {u / s, 1.0f / s, (s - u - 1.0f) / s}, i == n - 2 ? 2 : 3};
    }
    // No term may lie past the last sample.
    if (t.k > n - 1) t = {n - 1, {0.0f, 0.0f, 0.0f}, 1};
    if (t.k + t.terms - 1 > n - 1) t.terms = n - t.k;
    return t;
}

std::vector<FormulaTap> formulaTaps(int32_t n, float f)
{
    std::vector<FormulaTap> taps;
    float A = 0.0f;
    for (int32_t i = 0; i < n; ++i) {
        if (i > 0) A = A + ((2.0f - f) + float(i - 1) * (2.0f * f - 2.0f) / float(n - 1));
        taps.push_back(formulaTap(i, n, f, A));
    }
    return taps;
}

// One channel of a destination sample from the source samples of its tap.
uint8_t weighed(const FormulaTap& t, uint8_t p0, uint8_t p1, uint8_t p2)
{
    if (t.terms == 1) return p0;
    float v = t.w[0] * float(p0) + t.w[1] * float(p1);
    if (t.terms == 3) v = v + t.w[2] * float(p2);
    return formulaByte(v);
}

// The destination has the usual row layout whatever the source's.
PixelBuffer formulaTurn(const PixelBuffer& source, float f)
{
    PixelBuffer out = PixelBuffer::allocate(source.Width, source.Height);
    out.Valid = source.Valid;
    const std::vector<FormulaTap> taps = formulaTaps(source.Width, f);
    for (int32_t y = 0; y < source.Height; ++y)
        for (int32_t x = 0; x < source.Width; ++x) {
            const FormulaTap& t = taps[size_t(x)];
            for (int c = 0; c < 3; ++c) {
                auto p = [&](int term) { return term < t.terms ? source.pixel(t.k + term, y)[c] : uint8_t(0); };
                out.pixel(x, y)[c] = weighed(t, p(0), p(1), p(2));
            }
        }
    return out;
}

PixelBuffer formulaTilt(const PixelBuffer& source, float f)
{
    PixelBuffer out = PixelBuffer::allocate(source.Width, source.Height);
    out.Valid = source.Valid;
    const std::vector<FormulaTap> taps = formulaTaps(source.Height, f);
    for (int32_t y = 0; y < source.Height; ++y) {
        const FormulaTap& t = taps[size_t(y)];
        for (int32_t x = 0; x < source.Width; ++x)
            for (int c = 0; c < 3; ++c) {
                auto p = [&](int term) { return term < t.terms ? source.pixel(x, t.k + term)[c] : uint8_t(0); };
                out.pixel(x, y)[c] = weighed(t, p(0), p(1), p(2));
            }
    }
    return out;
}

// Random pixels with a white row and column every few (weights summing past 1 take them over
// 255.5) and a black stripe.
PixelBuffer randomPicture(int32_t w, int32_t h, Rows rows, std::mt19937& rng)
{
    PixelBuffer b = junkPicture(w, h, rows, rng);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            if (y % 5 == 2 || x % 7 == 3 || (x > w / 2 && x < w / 2 + 4)) std::memset(b.pixel(x, y), 255, 3);
            if (y == h / 3 || x == w / 3) std::memset(b.pixel(x, y), 0, 3);
        }
    return b;
}

std::string describe(const char* pass, PixelKernel k, int32_t w, int32_t h, Rows rows, float f)
{
    return std::string(pass) + ", " + describeCase(k, w, h, rows) + ", f " + std::to_string(f);
}

// Every factor level, both ends of the range and a few factors between the levels.
std::vector<float> factors()
{
    std::vector<float> out;
    for (int32_t level = -5; level <= 5; ++level)
        if (level != 0) out.push_back(DeformFactor(level));
    for (float f : {0.2f, 1.8f, 1.0f, 0.33f, 1.77f}) out.push_back(f);
    return out;
}

void expectFormulaBytes(int32_t w, int32_t h, std::mt19937& rng)
{
    for (Rows rows : {Rows::Usual, Rows::Tight, Rows::Loose}) {
        const PixelBuffer source = randomPicture(w, h, rows, rng);
        for (float f : factors()) {
            const PixelBuffer turned = formulaTurn(source, f), tilted = formulaTilt(source, f);
            for (PixelKernel k : kernelsHere()) {
                PixelBuffer turn = source, tilt = source;
                ASSERT_TRUE(DeformTurnPixelsWith(turn, f, k)) << describe("turn", k, w, h, rows, f);
                ASSERT_TRUE(DeformTiltPixelsWith(tilt, f, k)) << describe("tilt", k, w, h, rows, f);
                ASSERT_EQ(turned.RowBytes, turn.RowBytes) << describe("turn", k, w, h, rows, f);
                ASSERT_TRUE(turned.Data == turn.Data) << describe("turn", k, w, h, rows, f);
                ASSERT_EQ(tilted.RowBytes, tilt.RowBytes) << describe("tilt", k, w, h, rows, f);
                ASSERT_TRUE(tilted.Data == tilt.Data) << describe("tilt", k, w, h, rows, f);
                EXPECT_TRUE(turn.Valid && tilt.Valid);
            }
        }
    }
}

TEST(DeformKernels, EveryKernelGivesTheFormulasBytes)
{
    std::mt19937 rng(23);
    // The smallest picture taken, 3 W a multiple of 4 or not, rows shorter and longer than one
    // vector block and a whole number of blocks (64 pixels: 192 bytes), portraits and landscapes.
    const int32_t sizes[][2] = {{21, 21}, {22, 21}, {21, 40}, {23, 37}, {37, 23}, {64, 21}, {75, 30}, {101, 77}};
    for (auto [w, h] : sizes) expectFormulaBytes(w, h, rng);
}

TEST(DeformKernels, EveryKernelGivesTheFormulasBytesOnAPortraitPhoto)
{
    std::mt19937 rng(31);
    expectFormulaBytes(360, 480, rng);
}

// The public functions refuse what the kernels would refuse, leaving the buffer as it was.
TEST(DeformKernels, EveryKernelRefusesFactorsAndPicturesOutOfRange)
{
    std::mt19937 rng(5);
    const PixelBuffer source = randomPicture(30, 30, Rows::Usual, rng);
    for (PixelKernel k : kernelsHere()) {
        for (float f : {0.19f, 1.81f, std::nanf("")}) {
            PixelBuffer b = source;
            EXPECT_FALSE(DeformTurnPixelsWith(b, f, k));
            EXPECT_FALSE(DeformTiltPixelsWith(b, f, k));
            EXPECT_TRUE(b.Data == source.Data);
        }
        PixelBuffer narrow = randomPicture(20, 30, Rows::Usual, rng), low = randomPicture(30, 20, Rows::Usual, rng);
        EXPECT_FALSE(DeformTurnPixelsWith(narrow, 1.2f, k));
        EXPECT_FALSE(DeformTiltPixelsWith(low, 1.2f, k));
        PixelBuffer broken = source;
        broken.Data.pop_back();  // fewer bytes than its rows claim
        EXPECT_FALSE(DeformTurnPixelsWith(broken, 1.2f, k));
        EXPECT_FALSE(DeformTiltPixelsWith(broken, 1.2f, k));
    }
}

} // namespace
