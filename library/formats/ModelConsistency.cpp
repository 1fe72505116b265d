#include "library/formats/ModelConsistency.h"

#include "platform/Region.h"

#include <cstdint>
#include <limits>

namespace salon::dsl {

namespace {

constexpr int64_t LargestCoordinate = std::numeric_limits<int32_t>::max();

// The counts of a set must each be a real number of points and together name every point stored:
// the region scan and the outline drawing walk the points by these counts.
std::optional<std::string> countsProblem(const PolygonSet& set, const char* which)
{
    int64_t total = 0;
    for (int32_t c : set.counts) {
        if (c < 0) return std::string(which) + " has a polygon of " + std::to_string(c) + " points";
        total += c;
    }
    if (total != int64_t(set.points.size()))
        return std::string(which) + " counts " + std::to_string(total) + " points in its polygons but stores " +
               std::to_string(set.points.size());
    return std::nullopt;
}

// Every pixel of a mask has a model coordinate: its rectangle must end inside the 32-bit range the
// steps that walk it count in.
std::optional<std::string> maskProblem(const Mask& m, const char* which)
{
    if (int64_t(m.x) + m.width > LargestCoordinate || int64_t(m.y) + m.height > LargestCoordinate)
        return std::string(which) + " at (" + std::to_string(m.x) + ", " + std::to_string(m.y) + ") with size " +
               std::to_string(m.width) + " x " + std::to_string(m.height) + " ends beyond the largest coordinate";
    return std::nullopt;
}

} // namespace

std::optional<std::string> contradiction(const Model& model)
{
    if (auto p = countsProblem(model.set1, "the cut-out outline")) return p;
    if (auto p = countsProblem(model.set2, "the face-mask outline")) return p;
    if (auto p = maskProblem(model.mask1, "mask 1")) return p;
    // Masks 2 and 3 are both read over rectangle 2.
    if (auto p = maskProblem(model.mask2, "mask 2")) return p;
    return std::nullopt;
}

bool cutOutMissesPicture(const Model& model)
{
    std::vector<Point> points;
    points.reserve(model.set1.points.size());
    for (const auto& [x, y] : model.set1.points) points.push_back({x, y});
    const Region cut =
        Region::polygons(points, model.set1.counts, FillRule::EvenOdd, Rect{0, 0, model.width, model.height});
    return !cut.isValid() || cut.isEmpty();
}

} // namespace salon::dsl
