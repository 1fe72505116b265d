#include "library/imaging/PrintFrame.h"

#include "platform/Numbers.h"

#include <cmath>

namespace pixol::printframe {

namespace {

constexpr float Pi = 3.141592654f;

// Corners of a rectangle with half sizes (hw, hh) about (cx, cy), turned by a (radians).
void place(Frame& f, float cx, float cy, float hw, float hh, float a)
{
    const float c = std::cos(a), s = std::sin(a);
    const float ux[4] = {-hw, hw, hw, -hw}, uy[4] = {-hh, -hh, hh, hh};
    for (int i = 0; i < 4; ++i) {
        f.x[size_t(i)] = salon::roundHalfEven(cx + ux[i] * c - uy[i] * s);
        f.y[size_t(i)] = salon::roundHalfEven(cy + ux[i] * s + uy[i] * c);
    }
}

void choosePointers(Frame& f)
{
    const float cx = float(f.x[0] + f.x[2]) / 2.0f, cy = float(f.y[0] + f.y[2]) / 2.0f;
    f.pointers[0] = 15;
    for (int i = 0; i < 4; ++i) {
        const float dx = float(f.x[size_t(i)]) - cx, dy = float(f.y[size_t(i)]) - cy;
        f.pointers[size_t(i) + 1] = dx * dy > 0.0f ? 8 : 6;
    }
    float a = std::fmod(std::fabs(f.angle), 180.0f);
    f.pointers[5] = (a < 45.0f || a > 135.0f) ? 7 : 9;
    f.pointers[6] = 0;
}

} // namespace

int32_t run(salon::Surface& obj, int32_t typ, int16_t shift, Frame& f)
{
    const int32_t w = obj.drawableWidth(), h = obj.drawableHeight();
    if (typ < 1 || typ > 4 || w < 2 || h < 2 || !std::isfinite(f.angle)) return 0;
    const float a = f.angle * Pi / 180.0f;
    switch (typ) {
    case 1: {
        const float iw = float(w - w / 5), ih = float(h - h / 5);
        place(f, float(w - 1) / 2.0f, float(h - 1) / 2.0f, iw / 2.0f, ih / 2.0f, a);
        break;
    }
    case 2: {
        const salon::DrawMode mode = obj.drawMode;
        const int32_t width = obj.drawWidth;
        const salon::DrawStyle style = obj.drawStyle;
        obj.drawMode = salon::DrawMode::Invert;
        obj.drawWidth = 1;
        obj.drawStyle = salon::DrawStyle::Solid;
        for (int i = 0; i < 4; ++i) {
            const int j = (i + 1) % 4;
            obj.drawLine(f.x[size_t(i)], f.y[size_t(i)], f.x[size_t(j)], f.y[size_t(j)]);
        }
        obj.drawMode = mode;
        obj.drawWidth = width;
        obj.drawStyle = style;
        break;
    }
    case 3: {
        const float cx = float(f.x[0] + f.x[2]) / 2.0f, cy = float(f.y[0] + f.y[2]) / 2.0f;
        const float dx = float(f.x[2] - f.x[0]) / 2.0f, dy = float(f.y[2] - f.y[0]) / 2.0f;
        // The half diagonal in the frame's own axes.
        float hw = dx * std::cos(a) + dy * std::sin(a);
        float hh = -dx * std::sin(a) + dy * std::cos(a);
        if (shift & 1) hh = std::copysign(std::fabs(hw) * float(h) / float(w), hh);
        place(f, cx, cy, std::fabs(hw), std::fabs(hh), a);
        break;
    }
    case 4: {
        const float cx = float(f.x[0] + f.x[2]) / 2.0f, cy = float(f.y[0] + f.y[2]) / 2.0f;
        const float side1 = std::hypot(float(f.x[1] - f.x[0]), float(f.y[1] - f.y[0]));
        const float side2 = std::hypot(float(f.x[2] - f.x[1]), float(f.y[2] - f.y[1]));
        place(f, cx, cy, side1 / 2.0f, side2 / 2.0f, a);
        break;
    }
    }
    choosePointers(f);
    return 1;
}

} // namespace pixol::printframe
