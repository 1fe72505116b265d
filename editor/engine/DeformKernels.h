#pragma once
// The imitated head turn and tilt (DeformTurnPixels, DeformTiltPixels) in interchangeable forms
// (see PixelKernel.h): Plain one byte at a time; Sse2 the tilt sixteen bytes at a time and the
// turn's arithmetic four bytes at a time; Avx2 thirty-two bytes at a time, the turn's source bytes
// picked by byte shuffles.
//
// Destination sample i of a pass (a column of the turn, a row of the tilt) is made from its tap:
// source samples k, k + 1, k + 2 and float weights w0, w1, w2, each channel
//   toByte(w0 p0 + w1 p1)            for two terms,
//   toByte(w0 p0 + w1 p1 + w2 p2)    for three, summed left to right,
// and a copy of sample k for one term.
//
// DeformAvx2.cpp includes this header under -mavx2, so it holds no inline functions.
#include "editor/engine/PixelKernel.h"

#include <cstddef>
#include <cstdint>

namespace salon {

struct PixelBuffer;

// DeformTurnPixels and DeformTiltPixels with the given kernel; one that does not run here falls
// back to Plain.
bool DeformTurnPixelsWith(PixelBuffer& buffer, float f, PixelKernel kernel);
bool DeformTiltPixelsWith(PixelBuffer& buffer, float f, PixelKernel kernel);

// One destination row of the tilt with two or three terms: `bytes` bytes of dst from the same
// bytes of the source rows (row[2] unused with two terms).
struct RowBlend {
    const uint8_t* row[3];
    float w0, w1, w2;
    int32_t terms;
    uint8_t* dst;
    size_t bytes;
};

// The turn's taps laid out for the vector kernels, the same for every row. Every destination byte
// b of a row (3 W of them, then up to a whole block of 32 bytes that carry weights 0 and are never
// stored) takes the three-term form: a one-term tap weighs (1, 0, 0) and a two-term one (w0, w1, 0),
// which gives the same sums exactly, and a term of weight 0 may read any byte of the row.
struct TurnPlan {
    size_t bytes;                // 3 W, the destination bytes of a row
    const float* weight[3];      // per byte
    const int32_t* from[3];      // per byte: the source byte of each term, inside the row
    const int32_t* window;       // per 4 bytes: the start of the 16 source bytes they all lie in
    const int32_t* pick;         // per byte: its term-0 byte in that window as a byte-shuffle control
};

// What a turn kernel works from: the source rows, the destination rows and the plan.
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
