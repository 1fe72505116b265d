// The rotation kernels against the sampling formula written out plainly, byte for byte, for both
// orders of a sample's products and both ways of finding a source position: any form that
// reorders an operation, reads a wrong neighbour or writes outside its span fails here.
#include "platform/PixelKernel.h"
#include "platform/RotationKernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace salon;

namespace {

std::vector<PixelKernel> kernelsHere()
{
    std::vector<PixelKernel> out;
    for (PixelKernel k : {PixelKernel::Plain, PixelKernel::Sse2, PixelKernel::Avx2})
        if (pixelKernelRuns(k)) out.push_back(k);
    return out;
}

uint8_t formulaByte(float v)
{
    if (!(v >= 0.0f)) return 0;
    if (v >= 255.5f) return 255;
    return uint8_t(std::nearbyintf(v));  // ties to even
}

// Pixel x of the row rowY as the sampling rule reads, or nothing when it draws no sample.
bool formulaPixel(const RotationSampling& f, float rowY, int32_t x, uint8_t out[3])
{
    const float X = std::nearbyintf(float(x) - f.shiftX);
    const float xs = f.c * X + f.s * rowY + f.addX - f.subX;
    const float ys = f.c * rowY - f.s * X + f.addY - f.subY;
    if (!(xs >= f.lowest && ys >= f.lowest)) return false;
    const float tx = std::trunc(xs), ty = std::trunc(ys);
    if (tx < float(f.lowIndex) || ty < float(f.lowIndex) || tx > float(f.highX) || ty > float(f.highY)) return false;
    const float fx = xs - tx, fy = ys - ty;
    const float a = (1.0f - fx) * 0.996f, b = (1.0f - fy) * 0.996f;
    const uint8_t* p = f.source + size_t(int32_t(ty) - f.origin) * f.sourceRowBytes + 3 * size_t(int32_t(tx) - f.origin);
    const uint8_t* q = p + f.sourceRowBytes;
    for (int k = 0; k < 3; ++k) {
        const float P = p[k], Q = p[3 + k], R = q[k], S = q[3 + k];
        out[k] = formulaByte(f.order == BilinearOrder::ValueFirst ? P * a * b + Q * fx * b + R * a * fy + S * fx * fy
                                                                  : a * b * P + fx * b * Q + a * fy * R + fx * fy * S);
    }
    return true;
}

// A source of w x h random pixels, rows rowBytes apart, nothing after the last pixel.
std::vector<uint8_t> randomSource(int32_t w, int32_t h, size_t rowBytes, std::mt19937& rng)
{
    std::vector<uint8_t> s(rowBytes * size_t(h - 1) + 3 * size_t(w));
    for (uint8_t& v : s) v = uint8_t(rng());
    for (size_t i = 0; i + 2 < s.size(); i += 7 * 3) s[i] = s[i + 1] = s[i + 2] = 255;  // full-white samples
    return s;
}

// The editor's way: 1-based positions about a centre, the photo's own pixels as neighbours.
RotationSampling editorLike(const std::vector<uint8_t>& src, size_t rowBytes, int32_t w, int32_t h, float degrees)
{
    const float t = degrees * 3.141529f / 180.0f, cx = float(w + 1) / 2.0f;
    RotationSampling f{};
    f.source = src.data();
    f.sourceRowBytes = rowBytes;
    f.sourceBytes = src.size();
    f.c = std::cos(t);
    f.s = std::sin(t);
    f.addX = f.addY = cx;
    f.subX = std::nearbyintf(cx * f.c + cx * f.s);
    f.subY = std::nearbyintf(cx * f.c - cx * f.s);
    f.lowest = -std::numeric_limits<float>::infinity();
    f.lowIndex = f.origin = 1;
    f.highX = w - 1;
    f.highY = h - 1;
    f.order = BilinearOrder::ValueFirst;
    return f;
}

// The library's way: positions rounded from a shifted origin, a framed source whose first pair
// starts at 0.
RotationSampling libraryLike(const std::vector<uint8_t>& src, size_t rowBytes, int32_t w, int32_t h, float radians,
                             float shift)
{
    RotationSampling f{};
    f.source = src.data();
    f.sourceRowBytes = rowBytes;
    f.sourceBytes = src.size();
    f.c = std::cos(radians);
    f.s = std::sin(radians);
    f.shiftX = shift;
    f.addX = f.addY = 1.0f;
    f.lowest = 0.0f;
    f.highX = w - 2;
    f.highY = h - 2;
    f.order = BilinearOrder::WeightsFirst;
    return f;
}

std::string describe(PixelKernel k, const char* way, float angle, int32_t x0, int32_t x1, float rowY)
{
    static const char* const names[] = {"plain", "SSE2", "AVX2"};
    return std::string(names[int(k)]) + ", " + way + ", angle " + std::to_string(angle) + ", span " +
           std::to_string(x0) + ".." + std::to_string(x1) + ", row " + std::to_string(rowY);
}

// Every span of every row against the formula; the bytes around the span stay as they were.
void expectFormulaSpans(const RotationSampling& f, const char* way, float angle, int32_t rows, int32_t width)
{
    constexpr uint8_t guard = 0xA5;
    const int32_t spans[][2] = {{0, width}, {1, width - 1}, {3, 4}, {5, 12}, {2, 2 + 8}, {7, 7 + 17}, {width / 2, width}};
    for (PixelKernel k : kernelsHere())
        for (int32_t row = -2; row < rows; ++row)
            for (auto [x0, x1] : spans) {
                const float rowY = float(row);
                std::vector<uint8_t> dst(3 * size_t(x1 - x0) + 8, guard);
                std::fill(dst.begin() + 4, dst.end() - 4, 0);
                rotateSpan(f, rowY, x0, x1, dst.data() + 4, k);
                for (int32_t x = x0; x < x1; ++x) {
                    uint8_t want[3] = {0, 0, 0};
                    formulaPixel(f, rowY, x, want);
                    const uint8_t* got = dst.data() + 4 + 3 * size_t(x - x0);
                    ASSERT_TRUE(got[0] == want[0] && got[1] == want[1] && got[2] == want[2])
                        << describe(k, way, angle, x0, x1, rowY) << ", pixel " << x;
                }
                for (int i = 0; i < 4; ++i) {
                    ASSERT_EQ(guard, dst[size_t(i)]) << describe(k, way, angle, x0, x1, rowY);
                    ASSERT_EQ(guard, dst[dst.size() - 1 - size_t(i)]) << describe(k, way, angle, x0, x1, rowY);
                }
            }
}

TEST(RotationKernels, EveryFormGivesTheFormulasBytesTheEditorsWay)
{
    std::mt19937 rng(5);
    // Rows padded, unpadded (the last pixel ends the buffer) and with odd padding.
    for (int32_t pad : {0, 1, 5})
        for (auto [w, h] : {std::pair{23, 19}, std::pair{40, 41}, std::pair{9, 30}}) {
            const size_t rowBytes = 3 * size_t(w) + size_t(pad);
            const std::vector<uint8_t> src = randomSource(w, h, rowBytes, rng);
            for (float angle : {0.0f, 0.5f, 17.0f, 90.0f, 123.4f, 200.0f, 359.9f})
                expectFormulaSpans(editorLike(src, rowBytes, w, h, angle), "editor's", angle, h, w);
        }
}

TEST(RotationKernels, EveryFormGivesTheFormulasBytesTheLibrarysWay)
{
    std::mt19937 rng(11);
    for (int32_t pad : {0, 3})
        for (auto [w, h] : {std::pair{26, 21}, std::pair{35, 44}}) {
            const size_t rowBytes = 3 * size_t(w) + size_t(pad);
            const std::vector<uint8_t> src = randomSource(w, h, rowBytes, rng);
            for (float u : {0.0f, 0.3f, 1.5707964f, -0.9f, 3.1415927f, 5.0f})
                for (float shift : {0.0f, 12.5f, 7.25f}) {
                    // Rows numbered so that the turned picture's rows run from about 0 to its height.
                    expectFormulaSpans(libraryLike(src, rowBytes, w, h, u, shift), "library's", u, h + w / 2, w + h / 2);
                }
        }
}

TEST(RotationKernels, AnEmptySpanWritesNothing)
{
    std::mt19937 rng(3);
    const std::vector<uint8_t> src = randomSource(8, 8, 24, rng);
    const RotationSampling f = editorLike(src, 24, 8, 8, 0.0f);
    uint8_t dst[6] = {1, 2, 3, 4, 5, 6};
    for (PixelKernel k : kernelsHere()) {
        rotateSpan(f, 3.0f, 4, 4, dst, k);
        rotateSpan(f, 3.0f, 5, 2, dst, k);
        EXPECT_EQ(1, dst[0]);
        EXPECT_EQ(6, dst[5]);
    }
}

} // namespace
