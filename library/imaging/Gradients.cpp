#include "library/imaging/Gradients.h"

#include "library/frame/LibraryState.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace pixol::gradients {

int32_t weights(uint8_t typ, int32_t bmX, int32_t bmY, float brSg, salon::BoundedArray<float>& sPole, int32_t xmZ,
                int32_t ymZ, int32_t xmK, int32_t ymK)
{
    if (typ < 1 || typ > 6 || bmX < 1 || bmY < 1 || int64_t(bmX) * bmY > (int64_t(1) << 26)) return 0;
    if (!(brSg > 0.0f) || !std::isfinite(brSg)) return 0;
    float zx = float(xmZ), zy = float(ymZ), kx = float(xmK), ky = float(ymK);
    if (xmZ == xmK && ymZ == ymK) {
        if (typ == 1 || typ == 6) {
            zx = 0, zy = 0, kx = float(bmX - 1), ky = 0;
        } else {
            zx = float(bmX - 1) / 2.0f, zy = float(bmY - 1) / 2.0f, kx = float(bmX - 1), ky = float(bmY - 1);
        }
    }
    const float vx = kx - zx, vy = ky - zy;
    const float len2 = vx * vx + vy * vy;
    const float len = std::sqrt(len2);
    const float diamond = std::fabs(vx) + std::fabs(vy), square = std::max(std::fabs(vx), std::fabs(vy));
    const float base = std::atan2(vy, vx);
    sPole.redim(0, bmX * bmY - 1);
    for (int32_t y = 0; y < bmY; ++y)
        for (int32_t x = 0; x < bmX; ++x) {
            const float dx = float(x) - zx, dy = float(y) - zy;
            float t = 0.0f;
            switch (typ) {
            case 1: case 6: t = len2 > 0.0f ? (dx * vx + dy * vy) / len2 : 0.0f; break;
            case 2: t = len > 0.0f ? std::sqrt(dx * dx + dy * dy) / len : 0.0f; break;
            case 3: t = diamond > 0.0f ? (std::fabs(dx) + std::fabs(dy)) / diamond : 0.0f; break;
            case 4: t = square > 0.0f ? std::max(std::fabs(dx), std::fabs(dy)) / square : 0.0f; break;
            case 5: {
                float a = std::atan2(dy, dx) - base;
                while (a < 0.0f) a += 6.283185308f;
                while (a >= 6.283185308f) a -= 6.283185308f;
                t = a / 6.283185308f;
                break;
            }
            }
            t = std::clamp(t, 0.0f, typ == 6 ? 2.0f : 1.0f);
            if (typ == 6) t = 1.0f - std::fabs(1.0f - t);
            sPole(x + bmX * y) = brSg == 1.0f ? t : std::pow(t, brSg);
        }
    return 1;
}

int32_t paint(salon::Surface& obj, const GraSettings& g, const salon::Surface* other)
{
    salon::Bitmap& image = obj.image();
    if (image.isNull() || g.colours > 4 || g.repeat > 2 || g.easing > 3 || g.swap > 1) return 0;
    if (g.plus < 0 || g.minus < 0 || g.plus + g.minus >= 100) return 0;
    if (g.colours <= 1 && (g.colour < 0 || g.colour > 0xFFFFFF)) return 0;
    if (g.colours == 3 && (g.colour < 0 || g.colour > 0xFFFFFF)) return 0;
    if (g.colours == 4 && (!other || other->image().width < image.width || other->image().height < image.height ||
                           other->image().bitsPerPixel != 24))
        return 0;
    const int32_t w = image.width, h = image.height;
    salon::BoundedArray<float> wt;
    if (!weights(g.shape, w, h, 1.0f, wt, g.xmZ, g.ymZ, g.xmK, g.ymK)) return 0;
    salon::Region area = salon::Region::rect(0, 0, w, h);
    if (g.region != 0) {
        const salon::Region* r = state().regions.find(uint32_t(g.region));
        if (!r || !r->isValid()) return 0;
        area.intersect(*r);
    }
    uint32_t first = 0, last = 0;
    switch (g.colours) {
    case 0: first = obj.foreColour, last = uint32_t(g.colour); break;
    case 1: first = uint32_t(g.colour), last = obj.backColour; break;
    case 2: first = obj.foreColour, last = obj.backColour; break;
    default: last = uint32_t(g.colour); break;
    }
    const float a = float(g.minus) / 100.0f, span = 1.0f - a - float(g.plus) / 100.0f;
    auto shape = [&](float t) {
        if (g.repeat == 1) t = 1.0f - std::fabs(1.0f - 2.0f * t);
        else if (g.repeat == 2) t = t >= 1.0f ? 1.0f : std::fmod(2.0f * t, 1.0f);
        t = std::clamp((t - a) / span, 0.0f, 1.0f);
        switch (g.easing) {
        case 1: t = t * t * (3.0f - 2.0f * t); break;
        case 2: t = t * t; break;
        case 3: t = 1.0f - (1.0f - t) * (1.0f - t); break;
        default: break;
        }
        if (g.steps >= 2) t = std::min(1.0f, std::floor(t * float(g.steps)) / float(g.steps - 1));
        return g.swap ? 1.0f - t : t;
    };
    const uint8_t fb[3] = {salon::blueOf(first), salon::greenOf(first), salon::redOf(first)};
    const uint8_t lb[3] = {salon::blueOf(last), salon::greenOf(last), salon::redOf(last)};
    for (const salon::Rect& r : area.rects())
        for (int32_t y = r.top; y < r.bottom; ++y) {
            uint8_t* row = image.row(y);
            const uint8_t* orow = g.colours == 4 ? other->image().row(y) : nullptr;
            for (int32_t x = r.left; x < r.right; ++x) {
                const float t = shape(wt(x + w * y));
                uint8_t* p = row + 3 * x;
                for (int ch = 0; ch < 3; ++ch) {
                    const float from = g.colours >= 3 ? float(p[ch]) : float(fb[ch]);
                    const float to = g.colours == 4 ? float(orow[3 * x + ch]) : float(lb[ch]);
                    p[ch] = salon::toByte(from * (1.0f - t) + to * t);
                }
            }
        }
    return 1;
}

} // namespace pixol::gradients
