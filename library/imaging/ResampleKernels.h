#pragma once
// The inner step of the box-filter resampling (Resample.cpp) in the forms of PixelKernel.h: up to
// two source rows mixed into one destination row. ResampleAvx2.cpp includes this header under
// -mavx2, so it holds no inline functions.
#include "platform/PixelKernel.h"

#include <cstddef>
#include <cstdint>

namespace pixol::transforms {

// Destination pixel x takes `terms` column terms: term j reads the source pixel at float offset
// first[x] + 3 j of each row's line (the line holds the row's bytes as floats, then enough zeros
// for every term and a fourth lane) with column weight columnWeight(x, j), stored four times over
// in pairs of pixels: at ((x / 2) terms + j) 8 + (x % 2) 4.
//
// Each pixel's sum, one lane per channel, starts from 0 (start) or from acc (4 floats per pixel)
// and adds, row by row and within a row term by term,
//   (columnWeight rowWeight[r]) pixel
// left to right. It ends in acc, or (last) rounded half to even and clamped into 3 bytes of out.
struct RowMix {
    float* acc;
    const float* line[2];
    float rowWeight[2];
    int32_t rows;  // 1 or 2
    const int32_t* first;
    const float* columnWeight;
    int32_t terms;
    int32_t count;
    bool start, last;
    uint8_t* out;
};

// Plain where the build has no SSE2, else SSE2.
void mixRowPortable(const RowMix& m);
// Two pixels at a time; runs only where pixelKernelRuns(PixelKernel::Avx2).
void mixRowAvx2(const RowMix& m);

} // namespace pixol::transforms
