#include "FaceColour.h"

#include "editor/engine/Swatches.h"
#include "platform/Geometry.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace salon {

namespace {

// Mask 3 is stored over rectangle 2.
uint8_t mask3At(const dsl::Mask& mask2, const dsl::Mask& mask3, int32_t x, int32_t y)
{
    const size_t i = size_t(y - mask2.y) * size_t(mask2.width) + size_t(x - mask2.x);
    return i < mask3.bytes.size() ? mask3.bytes[i] : 0;
}

bool maskUsable(const dsl::Mask& m)
{
    return m.width > 0 && m.height > 0 && m.bytes.size() >= size_t(m.width) * size_t(m.height);
}

// The pixels of a mask's rectangle that lie on every one of the pictures; only these can change.
// Counted in 64 bits: a damaged model may put a mask at the far end of the coordinate range, where
// x + width no longer fits a Long.
Rect maskOnPictures(const dsl::Mask& m, std::initializer_list<const PixelBuffer*> pictures)
{
    int64_t right = int64_t(m.x) + m.width, bottom = int64_t(m.y) + m.height;
    for (const PixelBuffer* p : pictures) {
        right = std::min<int64_t>(right, p->Width);
        bottom = std::min<int64_t>(bottom, p->Height);
    }
    const int32_t left = std::max(m.x, 0), top = std::max(m.y, 0);
    if (right <= left || bottom <= top) return Rect{};
    return Rect{left, top, int32_t(right), int32_t(bottom)};
}

struct Channels {
    float r, g, b;
};

// Red and blue as whole bytes, green as (C mod 65536) / 256 with the fraction red adds to it.
Channels splitColour(uint32_t c)
{
    c &= 0xFFFFFFu;
    return {float(c % 256), float(c % 65536) / 256.0f, float(c / 65536)};
}

} // namespace

void MatchFaceColour(const PixelBuffer& face, const PixelBuffer& base, const dsl::Mask& mask1, uint32_t skinColour,
                     bool strong, PixelBuffer& work)
{
    if (!maskUsable(mask1) || !face.hasShape() || !base.hasShape() || !work.hasShape()) return;
    const Rect on = maskOnPictures(mask1, {&face, &base, &work});

    int64_t sum[3] = {0, 0, 0};
    int64_t n = 0;
    for (int32_t y = on.top; y < on.bottom; ++y)
        for (int32_t x = on.left; x < on.right; ++x) {
            if (mask1.at(x, y) < 8) continue;
            const uint8_t* p = face.pixel(x, y);
            for (int c = 0; c < 3; ++c) sum[c] += p[c];
            ++n;
        }
    if (n == 0) return;

    float average[3];  // blue, green, red
    for (int c = 0; c < 3; ++c)
        average[c] = float(std::max(5, roundHalfEven(float(double(sum[c]) / double(n)))));
    skinColour &= 0xFFFFFFu;
    const float skin[3] = {float(skinColour / 65536), float((skinColour % 65536) / 256), float(skinColour % 256)};
    const float d = strong ? 1.2f : 1.6f;
    float k[3];
    for (int c = 0; c < 3; ++c) k[c] = 1.0f + (skin[c] / average[c] - 1.0f) / d;

    for (int32_t y = on.top; y < on.bottom; ++y)
        for (int32_t x = on.left; x < on.right; ++x) {
            const uint8_t m = mask1.at(x, y);
            if (m < 8) continue;
            const float alpha = float(m) / 255.0f;
            // 0.995 rather than 1: base x beta + alpha x 255 must stay below 255.5.
            const float beta = (1.0f - alpha) * 0.995f;
            const uint8_t* f = face.pixel(x, y);
            const uint8_t* b = base.pixel(x, y);
            uint8_t* w = work.pixel(x, y);
            for (int c = 0; c < 3; ++c) {
                const float corrected = float(std::min(255, roundHalfEven(float(f[c]) * k[c])));
                w[c] = toByte(float(b[c]) * beta + alpha * corrected);
            }
        }
}

void BlendHair(const PixelBuffer& model1, const dsl::Mask& mask2, const dsl::Mask& mask3, PixelBuffer& work)
{
    if (!maskUsable(mask2) || !model1.hasShape() || !work.hasShape()) return;
    const Rect on = maskOnPictures(mask2, {&model1, &work});
    for (int32_t y = on.top; y < on.bottom; ++y)
        for (int32_t x = on.left; x < on.right; ++x) {
            const uint8_t a = mask2.at(x, y), b = mask3At(mask2, mask3, x, y);
            if (a == 0 || b == 0) continue;
            const float t = float(int32_t(a) * int32_t(b)) / 65536.0f;
            // (1 - t) x 0.996 keeps work x u + model x t below 255.5 when both are 255.
            const float u = (1.0f - t) * 0.996f;
            const uint8_t* m = model1.pixel(x, y);
            uint8_t* w = work.pixel(x, y);
            for (int c = 0; c < 3; ++c) w[c] = toByte(float(w[c]) * u + float(m[c]) * t);
        }
}

void RecolourHair(uint32_t colour, uint32_t hairColour, const PixelBuffer& model1, const PixelBuffer& base,
                  const dsl::Mask& mask2, const dsl::Mask& mask3, PixelBuffer& work)
{
    if (colour == 0) {
        BlendHair(model1, mask2, mask3, work);
        return;
    }
    if (!maskUsable(mask2) || !model1.hasShape() || !base.hasShape() || !work.hasShape()) return;
    const Channels t = splitColour(colour);
    const int32_t q = SwatchClass(colour);
    Channels h = splitColour(hairColour);
    h.r = std::max(h.r, 5.0f);
    h.g = std::max(h.g, 5.0f);
    h.b = std::max(h.b, 5.0f);
    const float sh = h.r + h.g + h.b;
    const float pR = t.r / sh, pG = t.g / sh, pB = t.b / sh;
    const float K = 1.2f * (t.g + t.r);

    const Rect on = maskOnPictures(mask2, {&model1, &base, &work});
    for (int32_t y = on.top; y < on.bottom; ++y)
        for (int32_t x = on.left; x < on.right; ++x) {
            const uint8_t a = mask2.at(x, y), b = mask3At(mask2, mask3, x, y);
            if (a < 3 || b < 3) continue;
            const uint8_t* m = model1.pixel(x, y);
            const float L = float(int32_t(m[0]) + int32_t(m[1]) + std::max<int32_t>(m[2], 5));
            const float n[3] = {L * pB, L * pG, L * pR};
            float w;
            if (b > 247) {
                const float denominator = n[1] + n[2];
                // A target without red and green has nothing to scale by; full weight is the limit.
                w = denominator > 0.0f ? float(q) * K / denominator : 1.0f;
                if (w < 1.0f) w = float(std::pow(double(w), q));
            } else {
                w = float(b) / 250.0f;
            }
            w = std::min(w, 1.0f);
            const float alpha = w * float(a) / 255.0f;
            const uint8_t* src = base.pixel(x, y);
            uint8_t* dst = work.pixel(x, y);
            for (int c = 0; c < 3; ++c) dst[c] = toByte(std::min(255.0f, alpha * n[c] + (1.0f - alpha) * float(src[c])));
        }
}

} // namespace salon
