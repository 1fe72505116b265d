#pragma once
// The rotation of RotatedPixels in its interchangeable forms (see PixelKernel.h): Plain the
// formula one channel at a time, Sse2 one pixel's channels in one vector, Avx2 eight pixels at a
// time, one vector per channel. RotationAvx2.cpp includes this header under -mavx2, so it holds
// no inline functions.
#include "editor/engine/PixelKernel.h"

#include <cstddef>
#include <cstdint>

namespace salon {

struct PixelBuffer;

// RotatedPixels with the given kernel; one that does not run here falls back to Plain.
[[nodiscard]] PixelBuffer RotatedPixelsWith(const PixelBuffer& source, float angle, PixelKernel kernel);

// What a kernel works from: the source pixels, the zeroed destination of the same size and the
// turn. Destination pixel (x, y), 1-based, samples the source at
//   xs = c x + s y + cx - x0,  ys = -s x + c y + cy - y0
// evaluated in float in exactly that order.
struct RotationFrame {
    const uint8_t* source;
    size_t sourceRowBytes;
    uint8_t* out;
    size_t outRowBytes;
    int32_t width, height;
    float s, c, cx, cy, x0, y0;
};

// Eight destination pixels at a time; needs AVX2 and a source of at most INT32_MAX bytes (its
// offsets are 32-bit lanes).
void rotateAvx2(const RotationFrame& frame);

} // namespace salon
