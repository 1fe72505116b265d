#pragma once
// How a stretched copy maps destination pixels to source pixels along one axis (the rules are
// written at the top of Surface.cpp).
#include "platform/Surface.h"

#include <cstdint>
#include <vector>

namespace salon {

struct StretchTap {
    int32_t src;
    uint32_t weight;
};

// Per destination index along one axis: the source indices it takes (clamped to 0..limit-1),
// with weights for halftone.
struct StretchAxis {
    std::vector<uint32_t> first;  // index into taps, size n + 1
    std::vector<StretchTap> taps;
    uint64_t total = 1;           // sum of the weights of one destination pixel

    int32_t size() const { return int32_t(first.size()) - 1; }
    uint32_t tapCount(int32_t i) const { return first[size_t(i) + 1] - first[size_t(i)]; }
};

inline int32_t clampIndex(int64_t v, int32_t limit) { return int32_t(v < 0 ? 0 : v >= limit ? limit - 1 : v); }

// The map of S source pixels starting at `start` onto D destination pixels, in a picture of `limit`
// pixels along this axis.
[[nodiscard]] StretchAxis stretchAxis(int64_t start, int64_t S, int64_t D, int32_t limit, StretchMode mode);

} // namespace salon
