#pragma once
// Scaling an object picture together with its shape (the non-black pixels), and recording the
// pixels of the shape's edge band with their colours and brightness relative to the shape's mean,
// for blending the edge into another picture later.
#include "platform/BoundedArray.h"
#include "platform/Region.h"
#include "platform/Surface.h"

#include <cstdint>

namespace pixol::shapes {

struct EdgePoints {
    salon::BoundedArray<int32_t> x, y, colour;  // 1..count
    salon::BoundedArray<float> brightness;      // v / mean, 2 from twice the mean up (and when the mean is 0)
    int32_t count = 0;
    int32_t mean = 0;
};

// The non-black pixels (some byte above 7) of a 24-bit picture.
salon::Region nonBlack(const salon::Bitmap& picture);

// Shrinks by n octagon steps (a diagonal step, then a cross step, ...); empty when nothing is left.
salon::Region shrunkOctagon(const salon::Region& r, int32_t n);

// obj (a copy the caller commits) scaled by dpX, dpY (0.04..20 each), its width kept even; the
// region of its scaled shape, and the points of the edge band `edge` (1..16) octagon steps wide.
bool scaleWithShape(salon::Surface& obj, float dpX, float dpY, int32_t edge, int32_t colourDepth,
                    salon::Region& shape, EdgePoints& points);

} // namespace pixol::shapes
