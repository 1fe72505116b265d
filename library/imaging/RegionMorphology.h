#pragma once
// Growing and shrinking regions by small structuring shapes, on region values.
//
// One step moves the region by one pixel in four directions and combines the copies with the
// region as it was at the start of the step: union to grow, intersection to shrink.
//   diagonal step: the four moves (-1,-1) (-1,+1) (+1,+1) (+1,-1), a 3 x 3 X
//   cross step:    the four moves (0,-1) (+1,0) (0,+1) (-1,0), a plus
// Octagon steps alternate diagonal (odd steps) and cross (even steps), so n of them make an
// octagon of radius n. Square steps are all diagonal: the region is kept in every step, so on
// regions at least two pixels wide and high they grow or shrink by a (2n+1) x (2n+1) square; a
// single pixel grown this way stays a sparse X-shaped lattice.
//
// Every function returns an Invalid region when an operand is Invalid.
#include "platform/Region.h"

#include <cstdint>

namespace pixol::regions {

enum class StepShape { Diagonal, Cross };
enum class StepKind { Octagon, Square };

salon::Region growStep(const salon::Region& a, StepShape shape);
salon::Region shrinkStep(const salon::Region& a, StepShape shape);

// `steps` steps; step i (1-based) is diagonal for Square, diagonal for odd i and cross for even i
// for Octagon. Shrinking stops at the first empty result and returns it.
salon::Region grow(const salon::Region& a, int32_t steps, StepKind kind);
salon::Region shrink(const salon::Region& a, int32_t steps, StepKind kind);

// R union (R moved by -hg intersected with R moved by +hg), vertically then horizontally as asked.
// A pixel is added when the region lies hg pixels on both sides of it, so gaps of up to hg pixels
// close completely; of a wider gap (up to 2 hg - 1) only the middle rows or columns are filled.
salon::Region fillGaps(const salon::Region& r, bool vertical, bool horizontal, int32_t hg);

} // namespace pixol::regions
