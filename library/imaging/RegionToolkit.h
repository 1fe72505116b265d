#pragma once
// The region toolkit on the thread's region handles: set operations, clipping and inversion,
// growing and shrinking, borders and frames, gap filling, reading a region out as a region data
// array, building regions from packed stores and point lists, and filling, drawing and clipping
// picture surfaces with regions.
//
// Handles follow RegionHandles.h: results are new handles owned by the caller (0 = failure or
// nothing); `novy` False releases the input handle and stores the result in it.
// Arrays keep the interface's bounds: region data arrays and packed stores from 1, point and count
// arrays of polygon sets from 0.
#include "platform/BoundedArray.h"
#include "platform/Surface.h"

#include <cstdint>

namespace pixol::regions {

using salon::LongArray;
using SingleArray = salon::BoundedArray<float>;

int32_t combine(int32_t& h1, int32_t& h2, int32_t typ);
int32_t copy(int32_t& h);
int32_t moveCopy(int32_t& h, int32_t x, int32_t y);
int32_t clipToRect(int32_t& h, int32_t left, int32_t top, int32_t right, int32_t bottom, bool novy);
int32_t invertInRect(int32_t& h, int32_t left, int32_t top, int32_t right, int32_t bottom, bool novy);

int32_t shrink(int32_t& h, int32_t steps, bool octagon, bool novy);
int32_t grow(int32_t& h, int32_t steps, bool octagon, bool novy);
int32_t smooth(int32_t& h, int32_t steps, bool novy);
int32_t innerBorder(int32_t& h, bool novy);
int32_t frame(int32_t& h, int32_t width, int32_t where, bool novy);
int32_t objectOutline(int32_t& h, int32_t& outside, int32_t& core, int32_t& band, int32_t steps);
int32_t fillGaps(int32_t& h, bool vertical, bool horizontal, uint8_t hg);

// RgnPole: 1, -1 (nothing to read) or 0; data always at least one element.
int32_t readOut(int32_t h, LongArray& data, int32_t& elements, int32_t left, int32_t top, int32_t width,
                int32_t height, int32_t& boxLeft, int32_t& boxTop, int32_t& boxWidth, int32_t& boxHeight);
int32_t fromStore(int32_t count, int32_t which, const LongArray& sizes, const LongArray& store);
int32_t fromQuadPoints(const SingleArray& xs, const SingleArray& ys, int32_t points);
int32_t drawPolygons(int32_t dc, const SingleArray& xs, const SingleArray& ys, const LongArray& counts,
                     int32_t polygons);
int32_t copyWithPolygons(int32_t& h, const SingleArray& xs, const SingleArray& ys, const LongArray& counts,
                         int32_t polygons, int32_t points, int32_t& hCopy, SingleArray& xsCopy, SingleArray& ysCopy,
                         LongArray& countsCopy, int32_t& polygonsCopy, int32_t& pointsCopy);

// RgnVybarvit: brush number 0 null, 1-5 stock white to black, 6-10 the pattern brushes (the library
// brush set's entries 6-10 and 1-5), 11 a random colour from the thread's generator, 12 `colour`.
int32_t paint(salon::Surface& obj, int32_t h, int32_t brushNumber, int32_t colour);
int32_t clipSurface(salon::Surface& obj, int32_t h);
int32_t clipSurface(int32_t dc, int32_t h, int32_t width, int32_t height);

} // namespace pixol::regions
