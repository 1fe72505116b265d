// Every kernel of the rotation against the formula written out plainly, byte for byte: the fast
// kernels reorder nothing, so any difference is a fault.
#include "editor/engine/FaceTransform.h"
#include "editor/engine/PixelBuffer.h"
#include "editor/engine/RotationKernels.h"
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

// The rotation as the formula reads: 1-based destination (x, y) samples the source at (xs, ys)
// about ((W + 1) / 2, (W + 1) / 2), bilinear with the 0.996 factors, black without all four
// neighbours. The destination has the usual row layout whatever the source's.
PixelBuffer formulaRotation(const PixelBuffer& source, float angle)
{
    PixelBuffer out = PixelBuffer::allocate(source.Width, source.Height);
    out.Valid = source.Valid;
    const int32_t W = source.Width, H = source.Height;
    const float theta = angle * 3.141529f / 180.0f;
    const float s = std::sin(theta), c = std::cos(theta);
    const float cx = float(W + 1) / 2.0f, cy = cx;
    const float X0 = std::nearbyintf(cx * c + cy * s), Y0 = std::nearbyintf(cy * c - cx * s);
    for (int32_t y = 1; y <= H; ++y)
        for (int32_t x = 1; x <= W; ++x) {
            const float xs = c * float(x) + s * float(y) + cx - X0;
            const float ys = -s * float(x) + c * float(y) + cy - Y0;
            const float tx = std::trunc(xs), ty = std::trunc(ys);
            if (!(tx >= 1.0f && ty >= 1.0f && tx <= float(W - 1) && ty <= float(H - 1))) continue;
            const int32_t ix = int32_t(tx), iy = int32_t(ty);
            const float fx = xs - tx, fy = ys - ty;
            const float a = (1.0f - fx) * 0.996f, b = (1.0f - fy) * 0.996f;
            const uint8_t *p00 = source.pixel(ix - 1, iy - 1), *p01 = source.pixel(ix, iy - 1);
            const uint8_t *p10 = source.pixel(ix - 1, iy), *p11 = source.pixel(ix, iy);
            for (int k = 0; k < 3; ++k)
                out.pixel(x - 1, y - 1)[k] = formulaByte(float(p00[k]) * a * b + float(p01[k]) * fx * b +
                                                         float(p10[k]) * a * fy + float(p11[k]) * fx * fy);
        }
    return out;
}

// Random pixels with a few white rows (full neighbourhoods near the top of the range).
PixelBuffer randomPicture(int32_t w, int32_t h, Rows rows, std::mt19937& rng)
{
    PixelBuffer b = junkPicture(w, h, rows, rng);
    for (int32_t y = 2; y < h; y += 7) std::memset(b.pixel(0, y), 255, size_t(3 * w));
    return b;
}

std::string describe(PixelKernel k, int32_t w, int32_t h, Rows rows, float angle)
{
    return describeCase(k, w, h, rows) + ", " + std::to_string(angle) + " deg";
}

float normalised(float angle)
{
    NormaliseAngle(angle);
    return angle;
}

void expectFormulaBytes(int32_t w, int32_t h, const std::vector<float>& angles, std::mt19937& rng)
{
    for (Rows rows : {Rows::Usual, Rows::Tight, Rows::Loose}) {
        const PixelBuffer source = randomPicture(w, h, rows, rng);
        for (float angle : angles) {
            const PixelBuffer want = formulaRotation(source, angle);
            for (PixelKernel k : kernelsHere()) {
                const PixelBuffer got = RotatedPixelsWith(source, angle, k);
                ASSERT_EQ(want.RowBytes, got.RowBytes) << describe(k, w, h, rows, angle);
                ASSERT_TRUE(want.Data == got.Data) << describe(k, w, h, rows, angle);
            }
        }
    }
}

TEST(RotationKernels, EveryKernelGivesTheFormulasBytes)
{
    std::mt19937 rng(17);
    const std::vector<float> angles = {0.0f,   0.001f, 0.5f,   17.0f,  45.0f,  90.0f,  123.4f, 180.0f,
                                       270.0f, 300.25f, 359.9f, 360.0f, normalised(-0.6f), normalised(-0.001f),
                                       normalised(-725.0f)};
    // Fewer pixels than one vector step, steps with and without a partial one at the row's end,
    // 3 W a multiple of 4 or not, portraits and landscapes.
    const int32_t sizes[][2] = {{1, 1}, {2, 2}, {3, 7},   {7, 3},   {8, 8},   {9, 9},   {16, 5},
                                {20, 20}, {21, 21}, {23, 37}, {37, 23}, {40, 41}, {64, 17}, {101, 77}};
    for (auto [w, h] : sizes) expectFormulaBytes(w, h, angles, rng);
}

TEST(RotationKernels, EveryKernelGivesTheFormulasBytesOnAPortraitPhoto)
{
    std::mt19937 rng(29);
    expectFormulaBytes(360, 480, {7.0f, 17.0f, 90.0f, 200.5f, normalised(-12.0f)}, rng);
}

} // namespace
