// RotatedPixels: the bilinear rotation and the choice of its kernel (RotationKernels.h).
#include "editor/engine/FaceTransform.h"
#include "editor/engine/RotationKernels.h"

#include "platform/Bilinear.h"
#include "platform/Numbers.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace salon {

namespace {

// One destination pixel of the rotation from its four source neighbours: the platform's bilinear
// sample (Bilinear.h) with each value multiplied by its weights in turn, as the editor's formula reads.
constexpr BilinearOrder EditorOrder = BilinearOrder::ValueFirst;

// The Plain and Sse2 kernels, one destination pixel at a time.
void rotatePortable(const RotationFrame& f, PixelKernel kernel)
{
    const int32_t W = f.width, H = f.height;
    // The SSE2 form reads pixels 4 bytes at a time. Without row padding that would reach past the
    // buffer at its very last pixel only, which the plain formula takes instead.
    const size_t rowBytes = f.sourceRowBytes;
    const bool padded = rowBytes > size_t(3) * size_t(W);
    // It also writes 4 bytes. The destination's rows need not be laid out like the source's: a
    // source with padding may meet a destination without.
    const bool outPadded = f.outRowBytes > size_t(3) * size_t(W);
    for (int32_t y = 1; y <= H; ++y) {
        uint8_t* dst = f.out + size_t(y - 1) * f.outRowBytes;
        const bool lastWhole = outPadded || y < H;  // the row's last pixel may take 4 bytes
        const float sy = f.s * float(y), cyy = f.c * float(y);
        // Pixel x of the row from its source position (xs, ys). Each coordinate is evaluated
        // whole, in the formula's order: stepping it along the row would round differently.
        auto pixel = [&](int32_t x, float xs, float ys, int32_t ix, int32_t iy) {
            if (!(ix > 0 && iy > 0 && ix + 1 <= W && iy + 1 <= H)) return;
            const float fx = xs - float(ix), fy = ys - float(iy);
            // The 0.996 keeps a full-white neighbourhood below 255.5.
            const float a = (1.0f - fx) * 0.996f, b = (1.0f - fy) * 0.996f;
            const uint8_t* top = f.source + size_t(iy - 1) * rowBytes + size_t(3) * size_t(ix - 1);
#if defined(__SSE2__)
            const bool lastOfBuffer = !padded && iy + 1 == H && ix + 1 == W;
            if (kernel == PixelKernel::Sse2 && !lastOfBuffer) {
                bilinearSse2<EditorOrder>(top, rowBytes, fx, fy, a, b, dst + 3 * (x - 1), x < W || lastWhole);
                return;
            }
#endif
            bilinearPlain<EditorOrder>(top, rowBytes, fx, fy, a, b, dst + 3 * (x - 1));
        };
        int32_t x = 1;
#if defined(__SSE2__)
        if (kernel == PixelKernel::Sse2) {
            // Four positions at a time, each lane the same operations in the same order.
            const __m128 C = _mm_set1_ps(f.c), S = _mm_set1_ps(-f.s), SY = _mm_set1_ps(sy), CY = _mm_set1_ps(cyy);
            const __m128 CX = _mm_set1_ps(f.cx), CYc = _mm_set1_ps(f.cy), XX = _mm_set1_ps(f.x0), YY = _mm_set1_ps(f.y0);
            alignas(16) float xsL[4], ysL[4];
            alignas(16) int32_t ixL[4], iyL[4];
            for (; x + 3 <= W; x += 4) {
                const __m128 X = _mm_cvtepi32_ps(_mm_setr_epi32(x, x + 1, x + 2, x + 3));
                const __m128 xs = _mm_sub_ps(_mm_add_ps(_mm_add_ps(_mm_mul_ps(C, X), SY), CX), XX);
                const __m128 ys = _mm_sub_ps(_mm_add_ps(_mm_add_ps(_mm_mul_ps(S, X), CY), CYc), YY);
                _mm_store_ps(xsL, xs);
                _mm_store_ps(ysL, ys);
                _mm_store_si128(reinterpret_cast<__m128i*>(ixL), _mm_cvttps_epi32(xs));
                _mm_store_si128(reinterpret_cast<__m128i*>(iyL), _mm_cvttps_epi32(ys));
                for (int j = 0; j < 4; ++j) pixel(x + j, xsL[j], ysL[j], ixL[j], iyL[j]);
            }
        }
#endif
        for (; x <= W; ++x) {
            const float xs = f.c * float(x) + sy + f.cx - f.x0;
            const float ys = -f.s * float(x) + cyy + f.cy - f.y0;
            pixel(x, xs, ys, fix(xs), fix(ys));
        }
    }
}

} // namespace

PixelBuffer RotatedPixelsWith(const PixelBuffer& source, float angle, PixelKernel kernel)
{
    PixelBuffer out = PixelBuffer::allocate(source.Width, source.Height);
    out.Valid = source.Valid;
    if (!source.hasShape()) return out;
    const int32_t W = source.Width, H = source.Height;
    // The program has always used 3.141529 here, not pi; the angles users have tuned their
    // pictures with depend on it.
    const float theta = angle * 3.141529f / 180.0f;
    const float s = std::sin(theta), c = std::cos(theta);
    // Both centre coordinates come from the width: for portraits the turning point lies in the
    // upper part of the picture, around the face.
    const float cx = float(W + 1) / 2.0f, cy = cx;
    const float X0 = float(roundHalfEven(cx * c + cy * s));
    const float Y0 = float(roundHalfEven(cy * c - cx * s));
    const RotationFrame frame{source.Data.data(), size_t(source.RowBytes), out.Data.data(), size_t(out.RowBytes),
                              W, H, s, c, cx, cy, X0, Y0};

    if (!pixelKernelRuns(kernel)) kernel = PixelKernel::Plain;
    if (kernel == PixelKernel::Avx2 && source.Data.size() > size_t(INT32_MAX))
        kernel = pixelKernelRuns(PixelKernel::Sse2) ? PixelKernel::Sse2 : PixelKernel::Plain;
#if defined(SALON_ENGINE_AVX2)
    if (kernel == PixelKernel::Avx2) {
        rotateAvx2(frame);
        return out;
    }
#endif
    rotatePortable(frame, kernel);
    return out;
}

PixelBuffer RotatedPixels(const PixelBuffer& source, float angle)
{
    static const PixelKernel fastest = fastestPixelKernel();
    return RotatedPixelsWith(source, angle, fastest);
}

} // namespace salon
