#pragma once
// The imitated head turn and tilt (DeformTurnPixels, DeformTiltPixels) with a chosen kernel form:
// the platform's non-linear stretch (StretchKernels.h) along the rows (turn) or down the columns
// (tilt), with the editor's rule for the last but one sample.
#include "platform/StretchKernels.h"

namespace salon {

struct PixelBuffer;

// DeformTurnPixels and DeformTiltPixels with the given kernel; one that does not run here falls
// back to Plain.
bool DeformTurnPixelsWith(PixelBuffer& buffer, float f, PixelKernel kernel);
bool DeformTiltPixelsWith(PixelBuffer& buffer, float f, PixelKernel kernel);

} // namespace salon
