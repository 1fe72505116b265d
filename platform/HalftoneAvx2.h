#pragma once
// The halftone stretch on CPUs with AVX2: the same exact box filter as the portable code in
// Surface.cpp, eight 32-bit channels a step. Chosen at run time, so one build runs everywhere.
#include "platform/Bitmap.h"
#include "platform/StretchAxis.h"

namespace salon {

// True when this CPU has AVX2 and the fast path has not been switched off (the tests switch it
// off to check the portable path on machines that have AVX2).
bool halftoneAvx2Enabled();
void setHalftoneAvx2Enabled(bool enabled);

// Resamples the 24-bit source through the two halftone axis maps into `out` (already dw x dh,
// 24-bit), mirrored as asked. Returns false, leaving `out` untouched, when the weights are too
// large for its 16- and 32-bit lanes; the caller then takes the portable path.
bool resampleHalftoneAvx2(const Bitmap& src, const StretchAxis& mx, const StretchAxis& my, bool mirrorX, bool mirrorY,
                          Bitmap& out);

} // namespace salon
