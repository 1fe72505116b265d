#include "Rectangles.h"

#include <cmath>
#include <limits>
#include <utility>

namespace pixol {

namespace {

bool fits32(double v)
{
    return std::isfinite(v) && v >= double(std::numeric_limits<int32_t>::min()) &&
           v <= double(std::numeric_limits<int32_t>::max());
}

} // namespace

int32_t orderCorners(int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2, float& diagonal)
{
    const double dx = double(x2) - x1, dy = double(y2) - y1;
    diagonal = float(std::sqrt(dx * dx + dy * dy));
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 != x2) return y1 != y2 ? 1 : 3;
    return y1 != y2 ? 2 : 4;
}

int32_t scaleAboutCentre(float kx, float ky, int32_t left, int32_t top, int32_t& width, int32_t height,
                         ScaledRect& out)
{
    if (!(width >= 2 && height >= 3 && kx * float(width) >= 3 && ky * float(height) >= 3)) return 0;
    const int32_t w = width % 2 ? width - 1 : width;
    const float a = kx * float(w), b = ky * float(height);
    if (!fits32(a) || !fits32(b)) return 0;
    int64_t nx = int64_t(std::trunc(a));
    const int64_t ny = int64_t(std::nearbyint(b));
    if (nx % 2) ++nx;
    const float l = (a - float(nx)) / 2 + kx * float(left);
    const float t = ky * float(top) + (b - float(ny)) / 2;
    if (nx > std::numeric_limits<int32_t>::max() || !fits32(std::nearbyint(l)) || !fits32(std::nearbyint(t)))
        return 0;
    out = {int32_t(std::nearbyint(l)), int32_t(std::nearbyint(t)), int32_t(nx), int32_t(ny)};
    const int32_t result = width == w ? 1 : -1;
    width = w;
    return result;
}

} // namespace pixol
