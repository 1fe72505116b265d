#pragma once
// Scan conversion of polygon sets into banded rectangles, the work behind Region::polygons.
//
// The pixel rule is Region.h's: pixel (x, y) is in when the point (x, y) lies inside, points on
// left and top edges counting and points on right and bottom edges not.
//
// Cost: every edge is split once, by whole row ranges, into the rows where it passes left of the
// clip, through it, or right of it. Only the rows where an edge passes through the clip ever look
// at that edge; the rows where it passes on the left only add to a running count. So a polygon of
// wild points far outside the clip costs about its number of points, however many rows it spans.
#include "Geometry.h"
#include "Region.h"

#include <cstddef>
#include <span>
#include <vector>

namespace salon {

// The rectangles (band order, equal adjacent rows merged) of the polygon set seen through `clip`.
// `counts` must already add up to the points. False, with `out` unspecified, when more than
// `maxRects` rectangles would be needed.
bool scanPolygons(std::span<const Point> points, std::span<const int32_t> counts, FillRule rule, const Rect& clip,
                  size_t maxRects, std::vector<Rect>& out);

} // namespace salon
