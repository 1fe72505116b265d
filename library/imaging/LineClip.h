#pragma once
// A segment clipped to a closed rectangle (both edges belong to it), as the stroke engine needs it:
// it paints only what lies on the picture, the picture being pixels 0..W-1 x 0..H-1.
//
// The ends are clipped in single precision (Liang-Barsky: each edge cuts the parameter range of the
// segment) and then rounded half to even, so a clipped end always lies on the rectangle. A segment
// of length 0 is kept when its point is inside. Corners may come in any order.
#include <cstdint>

namespace pixol::imaging {

struct ClippedLine {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// True when some of the segment lies in the rectangle; `out` receives the clipped ends.
bool clipLineToRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x1, int32_t y1, int32_t x2,
                    int32_t y2, ClippedLine& out);

// Direction of (x1, y1) -> (x2, y2), y down, in (-pi, pi] radians; 0 for a point.
float lineDirection(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

} // namespace pixol::imaging
