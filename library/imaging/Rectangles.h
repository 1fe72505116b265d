#pragma once
// Rectangle helpers: ordering corners, and scaling a rectangle about its centre.
#include <cstdint>

namespace pixol {

// Orders the corners (x1 <= x2, y1 <= y2), measures the diagonal and returns the shape: 1 a true
// rectangle, 2 a vertical line, 3 a horizontal line, 4 a point.
int32_t orderCorners(int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2, float& diagonal);

struct ScaledRect {
    int32_t left, top, width, height;
};
// Scales (left, top, width, height) by kx, ky about its centre so that the new width is even: 1, or
// -1 when the width was odd and was reduced by 1 first (written back). 0, nothing changed, when the
// rectangle or its scaled size is too small (width < 2, height < 3, a scaled side < 3) or a figure of
// the result leaves 32 bits.
int32_t scaleAboutCentre(float kx, float ky, int32_t left, int32_t top, int32_t& width, int32_t height,
                         ScaledRect& out);

} // namespace pixol
