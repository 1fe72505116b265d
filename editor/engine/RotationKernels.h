#pragma once
// The photo rotation of RotatedPixels with a chosen form of the platform's rotation kernels
// (platform/RotationKernels.h), for the tests that hold every form to the formula's bytes.
#include "platform/RotationKernels.h"

namespace salon {

struct PixelBuffer;

// RotatedPixels with the given kernel; one that does not run here falls back to one that does.
[[nodiscard]] PixelBuffer RotatedPixelsWith(const PixelBuffer& source, float angle, PixelKernel kernel);

} // namespace salon
