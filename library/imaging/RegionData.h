#pragma once
// Region data arrays: a region of the thread's table as the words of its region data block, and a
// new region from such words through an affine map (RgnNactiData, RgnZapisData).
#include "platform/BoundedArray.h"

#include <cstdint>

namespace pixol {

// Hara becomes 1..S/4 with the data of region Hrgn; result S. A region whose data is 35 bytes or
// less (an empty region: header only) or an unknown handle gives Hara = (0) and 0.
int32_t RgnNactiData(int32_t Hrgn, salon::LongArray& Hara);

// A new region (handle) from the first DlRgn bytes of Bada, read from its lower bound, mapped by
// x' = TM11 x + TM21 y + TeDx, y' = TM12 x + TM22 y + TeDy; 0 when the data is not a region's.
// Bada is never changed.
int32_t RgnZapisData(const salon::LongArray& Bada, int32_t DlRgn, float TeDx, float TeDy, float TM11, float TM12,
                     float TM21, float TM22);

} // namespace pixol
