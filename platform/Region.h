#pragma once
// A set of pixels: the union of rectangles, each covering left <= x < right, top <= y < bottom.
// A value type backed by pixman's region32; copies are independent.
//
// Invariant (pixman's and the banded list's): rectangles are sorted in y-x bands; within a band they
// neither overlap nor touch; a band's rectangles share top and bottom.
//
// Failure is a state: a region that could not be built is Invalid, and every operation given an
// Invalid operand returns an Invalid result.
//
// Polygon scan conversion follows the edge-table rule of X11 and of the original platform: pixel
// (x, y) belongs to the polygon when the point (x, y) - the pixel's top-left corner - lies inside;
// points on left and top edges count, points on right and bottom edges do not. The rectangle polygon
// (l,t)(r,t)(r,b)(l,b) thus covers l <= x < r, t <= y < b, and the triangle (0,0)(10,0)(0,10) holds
// the pixels 0 <= x < 10 - y of row y.
#include "Geometry.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace salon {

enum class FillRule { EvenOdd = 1 /* ALTERNATE */, Winding = 2 /* WINDING */ };

class Region {
public:
    enum class Kind { Invalid, Empty, Simple, Complex };

    Region();  // empty
    Region(const Region&);
    Region(Region&&) noexcept;
    Region& operator=(const Region&);
    Region& operator=(Region&&) noexcept;
    ~Region();

    [[nodiscard]] static Region invalid();
    [[nodiscard]] static Region rect(const Rect& r);
    [[nodiscard]] static Region rect(int32_t left, int32_t top, int32_t right, int32_t bottom);  // corners in any order
    // Rounded rectangle with ellipse corners of the given full width and height. As on the
    // platform, the shape of (l,t,r,b) covers l <= x < r - 1, t <= y < b - 1 (corners given in
    // any order); corners under 2 pixels give that plain rectangle. Corner rows are inset as the
    // platform traces its corner ellipse (an integer midpoint walk); the top and bottom rows of a
    // small ellipse may come out empty, as they do there.
    [[nodiscard]] static Region roundRect(const Rect& r, int32_t ellipseW, int32_t ellipseH);
    [[nodiscard]] static Region ellipse(const Rect& bounds);  // roundRect with the whole box as corner
    [[nodiscard]] static Region polygon(std::span<const Point> points, FillRule rule);
    // counts[k] points of polygon k follow those of polygons 0..k-1; each polygon closes by itself.
    // Invalid when the counts do not add up to the points given, a polygon has fewer than 2 points,
    // or the result would exceed 16M rectangles.
    [[nodiscard]] static Region polygons(std::span<const Point> points, std::span<const int32_t> counts,
                                         FillRule rule);
    // The part of the same region inside `clip`. Rows and columns outside it are never scanned, and
    // an edge is looked at only on the rows where it crosses the clip, so a polygon with points far
    // away (a damaged or hostile file) costs about its number of points plus the rectangles of the
    // result, however many rows its edges span.
    [[nodiscard]] static Region polygons(std::span<const Point> points, std::span<const int32_t> counts,
                                         FillRule rule, const Rect& clip);
    // The region data array (as the platform's GetRegionData writes it, in 32-bit elements):
    // [0] header bytes 32, [1] kind 1 (rectangles), [2] rectangle count n, [3] 16 n,
    // [4..7] bounding box (zeros when empty), then n rectangles left, top, right, bottom in band
    // order. Empty for an Invalid region.
    [[nodiscard]] std::vector<int32_t> data() const;
    // The region of such an array (ExtCreateRegion), each rectangle mapped by x' = m11 x + m21 y + dx,
    // y' = m12 x + m22 y + dy in single precision. Without m12 and m21 a mapped rectangle's corners
    // are rounded half to even; otherwise each rectangle becomes the quadrilateral of its rounded
    // corners. Rectangles with left >= right or top >= bottom are skipped. Invalid when the header
    // is not 32 / 1 or the count does not fit the array.
    struct Transform {
        float m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;
    };
    [[nodiscard]] static Region fromData(std::span<const int32_t> data, const Transform& map);
    [[nodiscard]] static Region fromData(std::span<const int32_t> data) { return fromData(data, Transform{}); }
    // From a banded rectangle list (the region data array); empty rectangles are skipped.
    [[nodiscard]] static Region fromRects(std::span<const Rect> rects);

    Kind kind() const;
    bool isValid() const { return kind() != Kind::Invalid; }
    bool isEmpty() const { return kind() == Kind::Empty; }
    Rect bounds() const;  // {0,0,0,0} when empty or invalid
    bool contains(int32_t x, int32_t y) const;
    size_t rectCount() const;
    std::vector<Rect> rects() const;  // band order: by top, then left

    [[nodiscard]] Region united(const Region& other) const;
    [[nodiscard]] Region intersected(const Region& other) const;
    [[nodiscard]] Region subtracted(const Region& other) const;
    [[nodiscard]] Region xored(const Region& other) const;
    [[nodiscard]] Region offsetted(int32_t dx, int32_t dy) const;
    void unite(const Region& other);
    void intersect(const Region& other);
    void subtract(const Region& other);
    void xorWith(const Region& other);
    void offset(int32_t dx, int32_t dy);

    friend bool operator==(const Region& a, const Region& b);

private:
    struct Impl;
    friend struct RegionAccess;
    std::unique_ptr<Impl> m;  // null means Invalid
};

// The library hands regions out as 32-bit handles; 0 is "none". Handles are never reused within a
// run so that a stale handle cannot reach a newer region.
class RegionTable {
public:
    uint32_t add(Region region);        // 0 when the region is invalid
    Region* find(uint32_t handle);      // null for 0, unknown or deleted handles
    const Region* find(uint32_t handle) const;
    bool remove(uint32_t handle);       // false when the handle named nothing
    size_t size() const;

private:
    struct Entry {
        uint32_t handle;
        Region region;
    };
    std::vector<Entry> m_entries;
    uint32_t m_next = 1;
};

} // namespace salon
