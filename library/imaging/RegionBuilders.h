#pragma once
// Turning the callers' point and rectangle lists into regions.
//
// Point lists come from single-precision vertex arrays, each coordinate rounded half to even; a
// coordinate outside the 32-bit range makes the list unusable. Polygon sets are checked against
// their arrays before anything is built: the counts must lie inside the count array, every
// polygon needs at least 2 points, and the points the counts add up to must exist.
#include "platform/BoundedArray.h"
#include "platform/Region.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pixol::regions {

// Points first..first+count-1 of the two arrays (which must both hold them).
std::optional<std::vector<salon::Point>> pointList(const salon::BoundedArray<float>& xs,
                                                   const salon::BoundedArray<float>& ys, int32_t first,
                                                   int32_t count);

// Every 4 consecutive points one quadrilateral, filled by the winding rule, in chunks of 10000
// points united in order. Fewer than 4 points give an empty region; a chunk that cannot be built
// makes the result Invalid (no part of the area is dropped silently).
salon::Region fromQuads(std::span<const salon::Point> points);

// The chunks of whole polygons the polygon builder and the polygon drawing use: a chunk ends before
// the polygon that would take its running point count past 11999 (a single larger polygon is a chunk
// of its own). Each entry is (first polygon, polygon count).
struct PolygonChunk {
    size_t first = 0, count = 0, firstPoint = 0, points = 0;
};
std::vector<PolygonChunk> polygonChunks(std::span<const int32_t> counts);

// Polygons filled by the even-odd rule, chunk by chunk, the chunks combined by exclusive or (which
// keeps the even-odd meaning across chunks). Invalid when the counts do not fit the points.
salon::Region fromPolygons(std::span<const salon::Point> points, std::span<const int32_t> counts);

// The polygon set of the interface checked and converted: TpPlg(0..PocetPlg-1) the counts (lower
// bound 0), their sum the points to take from TpBodX/TpBodY (lower bound 0), at most PocetBodu when
// PocetBodu is given (>= 0). A set of one polygon may have a count array dimensioned 0..0.
struct PolygonSet {
    std::vector<salon::Point> points;
    std::vector<int32_t> counts;
};
std::optional<PolygonSet> polygonSet(const salon::BoundedArray<float>& xs, const salon::BoundedArray<float>& ys,
                                     const salon::LongArray& counts, int32_t polygons, int32_t pointCount = -1);

} // namespace pixol::regions
