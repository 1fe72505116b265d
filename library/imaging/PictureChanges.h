#pragma once
// Small picture services: a cut between two pictures along polygons, point-wise picture changes
// chosen by type, and coverage arrays of a region.
#include "platform/BoundedArray.h"
#include "platform/Region.h"
#include "platform/Surface.h"

#include <cstdint>

namespace pixol::changes {

// The polygons' pixels of `from` copied into `to` at (moveX, moveY); `cut` their region in `to`.
bool cutAlongPolygons(const salon::Surface& from, salon::Surface& to, int32_t moveX, int32_t moveY,
                      const salon::BoundedArray<int32_t>& xs, const salon::BoundedArray<int32_t>& ys,
                      const salon::BoundedArray<int32_t>& counts, int32_t& polygons, salon::Region& cut);

// A point-wise change of every pixel (inside `limit` when given).
bool changePixels(salon::Surface& obj, int32_t typ, int32_t data1, const salon::Region* limit);

// The coverage array; the count of inside pixels through `inside`.
bool coverage(const salon::Region& region, int32_t width, int32_t height, salon::ByteArray& out, int32_t plus,
              int32_t minus, int32_t& lowest, int32_t& highest, int64_t& inside);

} // namespace pixol::changes
