#pragma once
// The one loop every area transform shares: the pixels of a rectangle list, rectangle by
// rectangle, rows top to bottom, pixels left to right, over raw 24-bit rows.
#include "platform/Geometry.h"

#include <cstdint>
#include <vector>

namespace pixol::area {

template <class Byte, class F>
void forEachPixel(Byte* base, int32_t stride, const std::vector<salon::Rect>& rects, F&& f)
{
    for (const salon::Rect& r : rects)
        for (int32_t y = r.top; y < r.bottom; ++y) {
            Byte* row = base + size_t(y) * size_t(stride);
            for (int32_t x = r.left; x < r.right; ++x) f(row + 3 * x, x, y);
        }
}

// The same rows as runs: f(first byte of the rectangle's part of the row, its pixel count), for
// kernels that work on a row's contiguous bytes.
template <class Byte, class F>
void forEachRun(Byte* base, int32_t stride, const std::vector<salon::Rect>& rects, F&& f)
{
    for (const salon::Rect& r : rects)
        for (int32_t y = r.top; y < r.bottom; ++y)
            f(base + size_t(y) * size_t(stride) + 3 * size_t(r.left), size_t(r.right - r.left));
}

} // namespace pixol::area
