#include "FaceTransform.h"

#include <cmath>

namespace salon {

float DeformFactor(int32_t level)
{
    static const float factors[11] = {0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 0.0f, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f};
    if (level < -5 || level > 5) return 0.0f;
    return factors[level + 5];
}

void NormaliseAngle(float& angle)
{
    if (!std::isfinite(angle)) {
        angle = 0.0f;
        return;
    }
    // Far from zero a float step of 360 no longer changes the value and the loops below would
    // never end; bring such angles near the range first.
    if (std::fabs(angle) > 1.0e6f) angle = std::fmod(angle, 360.0f);
    while (angle < 0.0f) angle += 360.0f;
    while (angle > 360.0f) angle -= 360.0f;
}

} // namespace salon
