#pragma once
// Trace painting: under the mouse, a source picture is painted into a target picture through a
// colour table (PsStopaStat at the point, PsStopaDyn along the dragged path; PsStopaColor sets the
// table up).
//
// The table StpD has elements 0..259:
//   0..255  the colour painted where the source's grey v = B\3 + G\3 + R\3 is v (packed), or -1:
//           the source pixel itself
//   256     the radius in pixels, 1..64 (8)
//   257     the opacity in percent, 1..100 (100)
//   258     1 hard edge, 0 soft edge (opacity falling to 0 at the radius) (1)
//   259     1 once the table is set up
// A table of other bounds is refused by the painting methods; PsStopaColor makes a fresh one
// first. Shift bit 1 paints the source pixels whatever the table says.
// Events: MouseStat 1 down, 2 move (painting only with a button down), 3 up. PsStopaDyn paints each
// dragged segment as a band of the radius (every pixel once per segment) and collects the points
// in AXY (x, y from 1), Pocet of them. Results: 1 painted, 0 nothing painted or refused.
#include "platform/BoundedArray.h"
#include "platform/Surface.h"

#include <cstdint>

namespace pixol::traces {

int32_t setColours(int32_t typ, int32_t newColour, salon::LongArray& stpD);

struct Mouse {
    int32_t stat;
    int16_t button, shift;
    float mx, my;
};
int32_t paintStatic(salon::Surface& dst, const salon::Surface& src, const Mouse& m, const salon::LongArray& stpD);
int32_t paintDynamic(salon::Surface& dst, const salon::Surface& src, const Mouse& m, salon::LongArray& axy,
                     int32_t& pocet, const salon::LongArray& stpD);

} // namespace pixol::traces
