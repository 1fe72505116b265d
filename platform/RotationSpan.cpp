// The rotation's Plain and Sse2 forms, one destination pixel at a time, and the choice of form.
#include "platform/Bilinear.h"
#include "platform/Numbers.h"
#include "platform/RotationKernels.h"

#include <cstdint>

namespace salon {

namespace {

template <BilinearOrder Order>
void spanPortable(const RotationSampling& f, float rowY, int32_t x0, int32_t x1, uint8_t* dst, bool vector)
{
    const float sY = f.s * rowY, cY = f.c * rowY;
    const size_t rowBytes = f.sourceRowBytes;
    for (int32_t x = x0; x < x1; ++x, dst += 3) {
        // Each coordinate evaluated whole, in the formula's order: stepping it along the row would
        // round differently.
        const float X = float(roundHalfEven(float(x) - f.shiftX));
        const float xs = f.c * X + sY + f.addX - f.subX;
        const float ys = cY - f.s * X + f.addY - f.subY;
        if (!(xs >= f.lowest) || !(ys >= f.lowest)) continue;  // also NaN
        const int32_t ix = fix(xs), iy = fix(ys);
        if (ix < f.lowIndex || iy < f.lowIndex || ix > f.highX || iy > f.highY) continue;
        const float fx = xs - float(ix), fy = ys - float(iy);
        // The 0.996 keeps a full-white neighbourhood below 255.5.
        const float a = (1.0f - fx) * 0.996f, b = (1.0f - fy) * 0.996f;
        const size_t at = size_t(iy - f.origin) * rowBytes + size_t(3) * size_t(ix - f.origin);
        const uint8_t* top = f.source + at;
#if defined(__SSE2__)
        // The vector form reads each neighbour as 4 bytes: one past the lower right pixel, which
        // only the very end of an unpadded source lacks. Its fourth byte written (0) falls on the
        // span's next pixel, which is written after this one or stays black.
        if (vector && at + rowBytes + 7 <= f.sourceBytes) {
            bilinearSse2<Order>(top, rowBytes, fx, fy, a, b, dst, x + 1 < x1);
            continue;
        }
#else
        (void)vector;
#endif
        bilinearPlain<Order>(top, rowBytes, fx, fy, a, b, dst);
    }
}

} // namespace

void rotateSpan(const RotationSampling& f, float rowY, int32_t x0, int32_t x1, uint8_t* dst, PixelKernel kernel)
{
    if (x1 <= x0) return;
    if (kernel == PixelKernel::Avx2) {
#if defined(SALON_PLATFORM_AVX2)
        if (pixelKernelRuns(PixelKernel::Avx2) && f.sourceBytes <= size_t(INT32_MAX)) {
            rotateSpanAvx2(f, rowY, x0, x1, dst);
            return;
        }
#endif
        kernel = PixelKernel::Sse2;
    }
    const bool vector = kernel == PixelKernel::Sse2 && pixelKernelRuns(PixelKernel::Sse2);
    if (f.order == BilinearOrder::ValueFirst)
        spanPortable<BilinearOrder::ValueFirst>(f, rowY, x0, x1, dst, vector);
    else
        spanPortable<BilinearOrder::WeightsFirst>(f, rowY, x0, x1, dst, vector);
}

} // namespace salon
