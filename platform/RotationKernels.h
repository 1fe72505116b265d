#pragma once
// The bilinear rotation shared by the editor's photo rotation and the library's rotation of a
// picture object, in the interchangeable forms of PixelKernel.h: Plain the formula one channel at a
// time, Sse2 one pixel's three channels in one vector, Avx2 eight pixels at a time, one vector per
// channel. Every form runs the same float operations in the same order, so all give the same bytes.
//
// The two callers differ only in how a destination pixel finds its source position, which bounds
// they test and in which order a sample multiplies its weights; RotationSampling carries those as
// numbers. RotationAvx2.cpp includes this header under -mavx2, so it holds no inline functions.
#include "platform/PixelKernel.h"

#include <cstddef>
#include <cstdint>

namespace salon {

// The order of each term's product in a sample, which single precision makes visible (a, b the
// left and upper weights with their 0.996, P Q R S the top-left, top-right, bottom-left and
// bottom-right neighbours; terms summed left to right):
//   ValueFirst    P a b + Q fx b + R a fy + S fx fy
//   WeightsFirst  (a b) P + (fx b) Q + (a fy) R + (fx fy) S
enum class BilinearOrder { ValueFirst, WeightsFirst };

// How destination pixel x of a row samples the source. With the row's value Y (the caller's own
// row coordinate, as a float) and X = round-half-even(x - shiftX):
//   xs = ((c X + s Y) + addX) - subX,   ys = ((c Y - s X) + addY) - subY
// ix, iy the truncated positions; the sample is drawn when xs >= lowest, ys >= lowest,
// lowIndex <= ix <= highX and lowIndex <= iy <= highY. Its top-left neighbour is byte
// (iy - origin) rowBytes + 3 (ix - origin) of the source, its right neighbour the next pixel and
// the lower two one row further on; a = (1 - fx) 0.996, b = (1 - fy) 0.996 with fx = xs - ix,
// fy = ys - iy.
//
// The bounds must keep both neighbour pairs inside the source's rows (the vector forms read a few
// bytes either side of a pair, which then still lie inside the buffer).
struct RotationSampling {
    const uint8_t* source;
    size_t sourceRowBytes;
    size_t sourceBytes;
    float c, s;
    float shiftX, addX, subX, addY, subY;
    float lowest;
    int32_t lowIndex, highX, highY;
    int32_t origin;
    BilinearOrder order;
};

// Destination pixels x0 .. x1 - 1 of the row whose value is rowY; dst points at pixel x0's first
// byte. The span must start black: a pixel that draws no sample is left or written black. Nothing
// outside the span's 3 (x1 - x0) bytes is written. A kernel that does not run here falls back to
// one that does.
void rotateSpan(const RotationSampling& f, float rowY, int32_t x0, int32_t x1, uint8_t* dst, PixelKernel kernel);

// The AVX2 form; runs only where pixelKernelRuns(PixelKernel::Avx2) and for a source of at most
// INT32_MAX bytes (its offsets are 32-bit lanes).
void rotateSpanAvx2(const RotationSampling& f, float rowY, int32_t x0, int32_t x1, uint8_t* dst);

} // namespace salon
