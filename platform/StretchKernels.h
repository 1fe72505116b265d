#pragma once
// The non-linear stretch of 24-bit pixel rows, shared by the editor's head turn and tilt and the
// library's non-linear stretches, in interchangeable forms (see PixelKernel.h): Plain one byte at
// a time; Sse2 the stretch down the columns sixteen bytes at a time and the one along the rows four
// bytes at a time; Avx2 thirty-two bytes at a time, the stretch along the rows picking its source
// bytes by byte shuffles.
//
// Destination sample i of a pass (a column when stretching along the rows, a row when stretching
// down the columns) is made from its tap: source samples k, k + 1, k + 2 and float weights w0, w1,
// w2, each channel
//   toByte(w0 p0 + w1 p1)            for two terms,
//   toByte(w0 p0 + w1 p1 + w2 p2)    for three, summed left to right,
// and a copy of sample k for one term.
//
// StretchAvx2.cpp includes this header under -mavx2, so it holds no inline functions.
#include "platform/PixelKernel.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace salon {

// One destination sample of a pass.
struct NonlinearTap {
    int32_t k;
    float w0, w1, w2;
    int terms;  // 1: copy k; 2: k and k + 1; 3: k, k + 1 and k + 2
};

// Where the editor and the library differ: the last but one sample, when it would take three
// source samples, leaves the third out and keeps the weights u / s, 1 / s (ThirdDropped, the
// editor), or mixes two with u / s and (s - u) / s (TwoTermRest, the library).
enum class LastButOne { ThirdDropped, TwoTermRest };

// The taps of n samples (n >= 2) with weights from 2 - f at the start to f at the end:
// s(i) = (2 - f) + i (2 f - 2) / (n - 1), start positions A(i) = A(i - 1) + s(i - 1). No tap reaches
// past sample n - 1, whatever the rounding.
[[nodiscard]] std::vector<NonlinearTap> stretchTaps(int32_t n, float f, LastButOne rule);

// A picture of width x height 24-bit pixels, rows `rowBytes` apart, and a destination of the same
// size. Along the rows: destination column i from taps[i] (width taps). Down the columns:
// destination row i from taps[i] (height taps).
struct StretchImage {
    const uint8_t* source;
    size_t sourceRowBytes;
    uint8_t* out;
    size_t outRowBytes;
    int32_t width, height;
};
void stretchAlongRows(const StretchImage& image, const std::vector<NonlinearTap>& taps, PixelKernel kernel);
void stretchDownColumns(const StretchImage& image, const std::vector<NonlinearTap>& taps, PixelKernel kernel);

// ---- what the vector kernels work from ----

// One destination row of the stretch down the columns with two or three terms: `bytes` bytes of
// dst from the same bytes of the source rows (row[2] unused with two terms).
struct RowBlend {
    const uint8_t* row[3];
    float w0, w1, w2;
    int32_t terms;
    uint8_t* dst;
    size_t bytes;
};

// The taps along the rows laid out for the vector kernels, the same for every row. Every
// destination byte b of a row (3 W of them, then up to a whole block of 32 bytes that carry
// weights 0 and are never stored) takes the three-term form: a one-term tap weighs (1, 0, 0) and a
// two-term one (w0, w1, 0), which gives the same sums exactly, and a term of weight 0 may read any
// byte of the row.
struct TurnPlan {
    size_t bytes;                // 3 W, the destination bytes of a row
    const float* weight[3];      // per byte
    const int32_t* from[3];      // per byte: the source byte of each term, inside the row
    const int32_t* window;       // per 4 bytes: the start of the 16 source bytes they all lie in
    const int32_t* pick;         // per byte: its term-0 byte in that window as a byte-shuffle control
};

// What a kernel along the rows works from: the source rows, the destination rows and the plan.
struct TurnFrame {
    const uint8_t* source;
    size_t sourceRowBytes;
    uint8_t* out;
    size_t outRowBytes;
    int32_t height;
    TurnPlan plan;
};

// The SSE2 kernels.
void blendRowSse2(const RowBlend& blend);
void turnSse2(const TurnFrame& frame);

// The AVX2 kernels; they run only where pixelKernelRuns(PixelKernel::Avx2).
void blendRowAvx2(const RowBlend& blend);
void turnAvx2(const TurnFrame& frame);

} // namespace salon
