#pragma once
// Regions of the model from its polygon sets, and the small region tests the engine uses.
//
// A region that is "none" is an empty optional: creation failed or a test deleted it. Polygon sets
// are filled with the even-odd rule. Sets of 12000 points or more are filled in batches of fewer
// than 12000 points each, and the batch regions are combined by XOR, which gives the same pixels
// as filling the whole set at once.
#include "platform/Geometry.h"
#include "platform/Region.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace salon {

class Surface;

// Arrays as the model holds them; the *Base values are the first index of each array (the
// routines need arrays that start at 0, as the platform's polygon calls do).
struct PolygonArrays {
    std::span<const std::array<int32_t, 2>> points;
    std::span<const int32_t> counts;
    int32_t pointsBase = 0;
    int32_t countsBase = 0;
};

inline constexpr int32_t PolygonBatchPoints = 12000;

// The groups of polygons [first, last) filled or drawn together.
std::vector<std::pair<int32_t, int32_t>> PolygonBatches(std::span<const int32_t> counts, int32_t n);

// With a clip, only the part of the region inside it is built: a set with points far away then
// costs no more than the clip rectangle.
std::optional<Region> PolygonsToRgn(const PolygonArrays& set, int32_t n, std::optional<Rect> clip = std::nullopt);
// The rectangle (0, 0)-(width, height) minus the region; none when the region is none or invalid.
std::optional<Region> OutsideRgn(int32_t width, int32_t height, std::optional<Region>& region);
void DrawPolygons(Surface& surface, const PolygonArrays& set, int32_t n);

bool RgnHasArea(std::optional<Region>& region);
bool KeepRgnIfValid(std::optional<Region>& region);
bool KeepRgnIfFilled(std::optional<Region>& region);

} // namespace salon
