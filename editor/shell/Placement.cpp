#include "editor/shell/Placement.h"

#include "platform/Numbers.h"

#include <cmath>
#include <cstdlib>

namespace salon {

int32_t placementStepCode(int32_t mode, bool coarse, int index, int shift)
{
    if (mode == 9) {
        // taller, shorter, wider, narrower, smaller, larger: fine and coarse codes.
        static constexpr int32_t fine[6] = {13, 14, 16, 15, 10, 9};
        static constexpr int32_t rough[6] = {17, 18, 20, 19, 12, 11};
        if (index < 0 || index > 5)
            return 0;
        return (coarse || shift != 0) ? rough[index] : fine[index];
    }
    if (mode == 10) {
        // up, down, left, right
        static constexpr int32_t fine[4] = {1, 2, 4, 3};
        static constexpr int32_t alt[4] = {5, 6, 8, 7};
        static constexpr int32_t ctrl[4] = {21, 22, 24, 23};
        static constexpr int32_t shifted[4] = {25, 26, 28, 27};
        if (index < 0 || index > 3)
            return 0;
        if (coarse)
            return ctrl[index];
        switch (shift) {
        case 0: return fine[index];
        case 4: return alt[index];
        case 2: return ctrl[index];
        case 1: return shifted[index];
        default: return 0;
        }
    }
    return 0;
}

void applyPlacementStep(int32_t code, int32_t& faceX, int32_t& faceY, float& scaleX, float& scaleY)
{
    switch (code) {
    case 1: faceY -= 1; break;
    case 2: faceY += 1; break;
    case 3: faceX += 1; break;
    case 4: faceX -= 1; break;
    case 5: faceY -= 4; break;
    case 6: faceY += 4; break;
    case 7: faceX += 4; break;
    case 8: faceX -= 4; break;
    case 9: scaleX /= 0.99f; scaleY /= 0.99f; break;
    case 10: scaleX *= 0.99f; scaleY *= 0.99f; break;
    case 11: scaleX /= 0.9f; scaleY /= 0.9f; break;
    case 12: scaleX *= 0.9f; scaleY *= 0.9f; break;
    case 13: scaleY /= 0.99f; break;
    case 14: scaleY *= 0.99f; break;
    case 15: scaleX *= 0.99f; break;
    case 16: scaleX /= 0.99f; break;
    case 17: scaleY /= 0.9f; break;
    case 18: scaleY *= 0.9f; break;
    case 19: scaleX *= 0.9f; break;
    case 20: scaleX /= 0.9f; break;
    case 21: faceY -= 10; break;
    case 22: faceY += 10; break;
    case 23: faceX += 10; break;
    case 24: faceX -= 10; break;
    case 25: faceY -= 30; break;
    case 26: faceY += 30; break;
    case 27: faceX += 30; break;
    case 28: faceX -= 30; break;
    default: break;
    }
}

std::optional<int> placementArrowForKey(int32_t mode, int keyCode)
{
    enum Key { Left = 37, Up = 38, Right = 39, Down = 40, Plus, Minus, Other };
    Key key = Other;
    switch (keyCode) {
    case 37: case 38: case 39: case 40: key = Key(keyCode); break;
    case 107: case '+': case '=': key = Plus; break;
    case 109: case '-': key = Minus; break;
    default: return std::nullopt;
    }
    switch (mode) {
    case 9:  // taller, shorter, wider, narrower, smaller, larger
        switch (key) {
        case Up: return 0;
        case Down: return 1;
        case Right: return 2;
        case Left: return 3;
        case Minus: return 4;
        case Plus: return 5;
        default: return std::nullopt;
        }
    case 10:  // up, down, left, right
    case 12:  // tilt back, tilt forward, turn left, turn right
        switch (key) {
        case Up: return 0;
        case Down: return 1;
        case Left: return 2;
        case Right: return 3;
        default: return std::nullopt;
        }
    case 13:  // clockwise, anticlockwise
        if (key == Right || key == Plus) return 4;
        if (key == Left || key == Minus) return 5;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

bool scaledPhotoFits(int32_t photoW, int32_t photoH, float scaleX, float scaleY)
{
    auto fits = [](int32_t side, float scale) {
        const float scaled = float(side) * scale;
        return std::isfinite(scaled) && scaled >= float(MinScaledSide) - 0.5f && scaled <= float(MaxScaledSide);
    };
    return fits(photoW, scaleX) && fits(photoH, scaleY);
}

std::optional<float> rotationStep(bool coarse, int index, int shift)
{
    if (index != 4 && index != 5)
        return std::nullopt;
    float step = 0;
    if (coarse) {
        step = 5;
    } else {
        switch (shift) {
        case 0: step = 1; break;
        case 4: step = 3; break;
        case 2: step = 5; break;
        case 1: step = 10; break;
        default: return std::nullopt;
        }
    }
    return index == 4 ? step : -step;
}

std::optional<DeformStep> deformStep(bool coarse, int index)
{
    if (coarse)
        return std::nullopt;
    switch (index) {
    case 0: return DeformStep{true, -1};
    case 1: return DeformStep{true, +1};
    case 2: return DeformStep{false, -1};
    case 3: return DeformStep{false, +1};
    default: return std::nullopt;
    }
}

std::optional<float> guideLineAngle(int32_t dx, int32_t dy)
{
    if (std::abs(dx) < 5 && std::abs(dy) < 5)
        return std::nullopt;
    const float a = float(std::atan2(double(dy), double(dx)) * 180.0 / 3.14159265358979323846);
    float d = a - 90.0f;
    if (d < -90.0f && d >= -270.0f)
        d += 180.0f;
    return -d;
}

FaceOffset clickToCentre(int32_t x, int32_t y, int32_t layerW, int32_t layerH, int32_t viewW,
                         int32_t viewH, int32_t cutCentreX, int32_t cutCentreY, int32_t faceX,
                         int32_t faceY)
{
    const float f = float(layerW + layerH) / float(viewW + viewH);
    const int32_t px = roundHalfEven(float(x) * f);
    const int32_t py = roundHalfEven(float(y) * f);
    return {cutCentreX + faceX - px, cutCentreY + faceY - py};
}

int32_t arrowTooltipId(int32_t mode, bool coarse, int index)
{
    switch (mode) {
    case 9: {
        static constexpr int32_t ids[6] = {27, 28, 29, 30, 31, 32};
        return index >= 0 && index < 6 ? ids[index] : 0;
    }
    case 10: {
        static constexpr int32_t ids[4] = {35, 36, 37, 38};
        return index >= 0 && index < 4 ? ids[index] : 0;
    }
    case 12: {
        static constexpr int32_t ids[4] = {45, 46, 47, 48};
        return !coarse && index >= 0 && index < 4 ? ids[index] : 0;
    }
    case 13:
        return index == 4 ? 52 : index == 5 ? 51 : 0;
    default:
        return 0;
    }
}

int32_t resetTooltipId(int32_t mode)
{
    switch (mode) {
    case 9: return 34;
    case 10: return 80;
    case 12: return 43;
    case 13: return 50;
    default: return 0;
    }
}

} // namespace salon
