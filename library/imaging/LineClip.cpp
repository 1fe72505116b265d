#include "library/imaging/LineClip.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace pixol::imaging {

bool clipLineToRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t x1, int32_t y1, int32_t x2,
                    int32_t y2, ClippedLine& out)
{
    const float xl = float(std::min(left, right)), xr = float(std::max(left, right));
    const float yt = float(std::min(top, bottom)), yb = float(std::max(top, bottom));
    const float dx = float(x2) - float(x1), dy = float(y2) - float(y1);
    float t0 = 0.0f, t1 = 1.0f;
    // p t <= q for each edge; a parallel edge (p = 0) rejects the segment when it lies outside.
    const float p[4] = {-dx, dx, -dy, dy};
    const float q[4] = {float(x1) - xl, xr - float(x1), float(y1) - yt, yb - float(y1)};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0f) {
            if (q[i] < 0.0f) return false;
            continue;
        }
        const float t = q[i] / p[i];
        if (p[i] < 0.0f) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    // A clipped end on an edge comes out exactly on it; clamp the rounding of the others so that
    // single precision never moves an end off the rectangle.
    auto at = [](float a, float d, float t, float lo, float hi) {
        return salon::roundHalfEven(std::clamp(a + d * t, lo, hi));
    };
    out.x1 = t0 == 0.0f ? x1 : at(float(x1), dx, t0, xl, xr);
    out.y1 = t0 == 0.0f ? y1 : at(float(y1), dy, t0, yt, yb);
    out.x2 = t1 == 1.0f ? x2 : at(float(x1), dx, t1, xl, xr);
    out.y2 = t1 == 1.0f ? y2 : at(float(y1), dy, t1, yt, yb);
    return true;
}

float lineDirection(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    const float pi = 3.141592654f;
    const float dx = float(x2 - x1), dy = float(y2 - y1);
    if (dx == 0.0f && dy == 0.0f) return 0.0f;
    if (dy == 0.0f) return dx > 0.0f ? 0.0f : pi;
    if (dx == 0.0f) return dy > 0.0f ? pi / 2.0f : -pi / 2.0f;
    const float a = std::atan(dy / dx);
    if (dx > 0.0f) return a;
    return dy > 0.0f ? a + pi : a - pi;
}

} // namespace pixol::imaging
