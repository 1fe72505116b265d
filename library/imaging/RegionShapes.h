#pragma once
// Regions and their polygon descriptions: tracing a region into a polygon set, building it back,
// and the shape transforms that change a polygon set's single-precision vertices in place and
// build a fresh region from them (so repeated transforms do not accumulate rounding). Also the
// direct scale and mirror of a region's rectangles, splitting a region into its connected parts,
// and thick lines.
//
// A polygon set: TpBodX, TpBodY (0 .. points - 1), TpPlg (0 .. polygons - 1) vertex counts, filled
// by the even-odd rule. The shape transforms refuse point arrays with fewer than 4 elements or not
// from 0, and count arrays not from 0 or shorter than the polygon count (a set of one polygon may
// have its count array dimensioned 0..0).
#include "platform/BoundedArray.h"
#include "platform/Region.h"

#include <cstdint>

namespace pixol::regions {

using SingleArray = salon::BoundedArray<float>;
using salon::LongArray;

int32_t analyse(int32_t& h, SingleArray& xs, SingleArray& ys, LongArray& counts, int32_t& polygons, int32_t& points);

// The transforms of the vertices; `Set` keeps them.
enum class ShapeOp { Set, Offset, Scale, Flip, Right, Left, Turn, Deform };
struct ShapeParams {
    float x = 0, y = 0;                  // Offset: the move; Scale: the factors
    bool flipX = false, flipY = false;   // Flip
    int32_t prX = 0, prY = 0;            // Flip, Right, Left: the axis sums (0: from the bounding box)
    float angle = 0;                     // Turn (radians)
    float* cnX = nullptr;                // Turn: the placement, computed when both are 0
    float* cnY = nullptr;
    bool corner = true;                  // Turn: keep the top-left corner (else the centre)
    float t1 = 0, t2 = 0, t3 = 0, t4 = 0, q1 = 0, q2 = 0;  // Deform
    int32_t ddx = 0, ddy = 0;
};
int32_t transformShape(ShapeOp op, int32_t* h, SingleArray& xs, SingleArray& ys, const LongArray& counts,
                       int32_t polygons, int32_t points, const ShapeParams& p);

int32_t scaleRegion(int32_t& h, float sx, float sy, bool novy);
int32_t flipRegion(int32_t& h, bool flipX, bool flipY, bool novy);

// RgnOmal: see the header of Pixolf.
int32_t splitParts(int32_t& h, int32_t& rest, float sx, float sy, LongArray& scaled, int32_t& count, LongArray& sizes,
                   LongArray& store);

salon::Region thickLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width);
int32_t line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width);
int32_t lineAdd(int32_t& h, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width);

// The connected parts of a region's rectangles (touching along an edge, not at a corner): the
// part number of each rectangle of r.rects(), parts numbered from 0 in the order of their first
// rectangle.
std::vector<int32_t> labelParts(const std::vector<salon::Rect>& rects, int32_t& partCount);

} // namespace pixol::regions
