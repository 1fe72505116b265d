#pragma once
// Helpers of the region tests: handles made from pixel sets and a plain pixel-grid model to check
// region operations against, pixel by pixel.
#include "library/frame/LibraryState.h"
#include "platform/Region.h"

#include <cstdint>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace regiontest {

using Pixels = std::set<std::pair<int32_t, int32_t>>;  // (x, y)

inline int32_t handleOf(salon::Region r) { return int32_t(pixol::state().regions.add(std::move(r))); }

inline const salon::Region& regionAt(int32_t h)
{
    static const salon::Region invalid = salon::Region::invalid();
    const salon::Region* r = pixol::state().regions.find(uint32_t(h));
    return r ? *r : invalid;
}

inline Pixels pixelsOf(const salon::Region& r)
{
    Pixels p;
    for (const salon::Rect& rc : r.rects())
        for (int32_t y = rc.top; y < rc.bottom; ++y)
            for (int32_t x = rc.left; x < rc.right; ++x) p.insert({x, y});
    return p;
}

inline salon::Region regionOf(const Pixels& p)
{
    salon::Region r;
    for (auto [x, y] : p) r.unite(salon::Region::rect(x, y, x + 1, y + 1));
    return r;
}

inline Pixels rectPixels(int32_t l, int32_t t, int32_t r, int32_t b)
{
    Pixels p;
    for (int32_t y = t; y < b; ++y)
        for (int32_t x = l; x < r; ++x) p.insert({x, y});
    return p;
}

// A seeded random blob inside w x h: filled rectangles and ellipse-like spots, with holes punched
// into it, so it has holes, notches and pixels that touch only at corners.
inline Pixels randomPixels(std::mt19937& rng, int32_t w, int32_t h, int density = 45)
{
    Pixels p;
    std::uniform_int_distribution<int> pct(0, 99);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            if (pct(rng) < density) p.insert({x, y});
    return p;
}

// Pixel-grid model of one morphology step: every pixel combined over the offsets (and itself).
inline Pixels modelStep(const Pixels& a, const std::vector<std::pair<int, int>>& moves, bool grow)
{
    Pixels out;
    if (grow) {
        out = a;
        for (auto [x, y] : a)
            for (auto [dx, dy] : moves) out.insert({x + dx, y + dy});
    } else {
        for (auto [x, y] : a) {
            bool keep = true;
            for (auto [dx, dy] : moves) keep = keep && a.count({x - dx, y - dy});
            if (keep) out.insert({x, y});
        }
    }
    return out;
}

inline const std::vector<std::pair<int, int>> diagonalMoves{{-1, -1}, {-1, 1}, {1, 1}, {1, -1}};
inline const std::vector<std::pair<int, int>> crossMoves{{0, -1}, {1, 0}, {0, 1}, {-1, 0}};

inline Pixels modelMorph(Pixels a, int steps, bool octagon, bool grow)
{
    for (int i = 1; i <= steps && !a.empty(); ++i)
        a = modelStep(a, (!octagon || i % 2 == 1) ? diagonalMoves : crossMoves, grow);
    return a;
}

} // namespace regiontest
