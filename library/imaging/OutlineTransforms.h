#pragma once
// Transforms that carry an outline: a picture and the polygon set of its outline change together, so
// that they stay in register. Each works on a copy of the vertices and of the picture and commits
// picture, vertices and the new region only when every step succeeded.
#include "platform/BoundedArray.h"
#include "platform/Region.h"
#include "platform/Surface.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace pixol::outline {

// The five parameters of a polygon set: vertex arrays from 0, the vertex count of every polygon.
struct PolygonSet {
    salon::BoundedArray<float>& x;
    salon::BoundedArray<float>& y;
    salon::BoundedArray<int32_t>& counts;
    int32_t polygons;
    int32_t points;
};

// The arrays' shape (bounds from 0, at least 4 vertices and 2 counts) and that the counts of the
// first `polygons` polygons, each at least 2, add up to `points` held by both vertex arrays.
bool valid(const PolygonSet& set);

// Vertex positions mapped into new arrays; the region of the mapped set (even-odd, vertices rounded
// half to even), invalid or empty when it cannot be made.
struct Mapped {
    std::vector<float> x, y;
    salon::Region region;
};
Mapped map(const PolygonSet& set, const std::function<void(float&, float&)>& vertex);
void commit(PolygonSet& set, const Mapped& m);

// The rotation with its outline: the picture turned (growing), cut to the outline's box plus one
// pixel, the vertices turned and moved with it. dX, dY: half the growth.
struct RotationOutcome {
    salon::Surface picture;
    Mapped outline;
    int32_t dX = 0, dY = 0;
};
bool rotate(const salon::Surface& obj, const salon::Region& reference, const PolygonSet& set, float u,
            int32_t colourDepth, RotationOutcome& out);

} // namespace pixol::outline
