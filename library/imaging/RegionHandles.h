#pragma once
// Region handles of the calling thread's table as the region methods use them: the validity test
// every method starts with, and the ownership rule of the methods that take `Novy`.
//
// Ownership: a handle a method returns belongs to the caller. Input handles are released only by
// the type-0 test (an empty or invalid region), by TsRgn, and where the caller asked for a
// replacement (`Novy` False, RgnCombine 6-15).
#include "platform/Region.h"

#include <cstdint>

namespace pixol::regions {

// The validity test (RgnTestuj with its Typ):
//   0: an invalid or empty region is released and h set to 0, result 0; else 1.
//   1: an invalid region is released and h set to 0, result 0; empty -1 (kept); else 1.
//   other: 1.
int32_t testRegion(int32_t& h, int32_t typ);

// The region named by h, null for 0, stale or unknown handles and invalid regions.
const salon::Region* regionOf(int32_t h);

// A new handle for r; 0 when r is invalid.
int32_t handOut(salon::Region r);

// The `Novy` rule: with novy a new handle for r, h untouched; without it h is released and
// replaced by the new handle, which is also returned. 0 (and h untouched) when r is invalid.
int32_t deliver(int32_t& h, salon::Region r, bool novy);

// Releases h when it names a region and sets it to 0.
void release(int32_t& h);

} // namespace pixol::regions
