#include "FaceTransform.h"

#include "platform/Numbers.h"

#include <cmath>
#include <vector>

namespace salon {

namespace {

// One pass of the deformation along an axis of n samples. weights[i] describes destination sample
// i as up to three source samples k, k + 1, k + 2 with their weights.
struct Tap {
    int32_t k;
    float w0, w1, w2;
    int terms;  // 1: copy k; 2: k and k + 1; 3: k, k + 1 and k + 2
};

std::vector<Tap> deformTaps(int32_t n, float f)
{
    std::vector<float> S(static_cast<size_t>(n));
    for (int32_t j = 0; j < n; ++j) S[size_t(j)] = (2.0f - f) + float(j) * (2.0f * f - 2.0f) / float(n - 1);
    std::vector<Tap> taps(static_cast<size_t>(n));
    float A = 0.0f;
    for (int32_t i = 0; i < n; ++i) {
        if (i > 0) A = A + S[size_t(i - 1)];
        const int32_t k = fix(A);
        const float u = 1.0f - (A - float(k));
        const float s = S[size_t(i)];
        Tap t{k, 0, 0, 0, 1};
        if (i == n - 1 || u >= s) {
            t.terms = 1;
        } else if (u + 1.0f >= s) {
            t = {k, u / s, (s - u) / s, 0, 2};
        } else {
            // At the last but one sample the third column would lie past the edge; it is left out.
            t = {k, u / s, 1.0f / s, (s - u - 1.0f) / s, i == n - 2 ? 2 : 3};
        }
        // Accumulated rounding must never take a tap past the last sample.
        if (t.k > n - 1) t = {n - 1, 0, 0, 0, 1};
        if (t.terms >= 2 && t.k + 1 > n - 1) t.terms = 1;
        if (t.terms == 3 && t.k + 2 > n - 1) t.terms = 2;
        taps[size_t(i)] = t;
    }
    return taps;
}

inline uint8_t sample(const Tap& t, const uint8_t* p0, const uint8_t* p1, const uint8_t* p2)
{
    switch (t.terms) {
    case 1: return *p0;
    case 2: return toByte(t.w0 * float(*p0) + t.w1 * float(*p1));
    default: return toByte(t.w0 * float(*p0) + t.w1 * float(*p1) + t.w2 * float(*p2));
    }
}

bool deformable(const PixelBuffer& b, float f)
{
    return f >= 0.2f && f <= 1.8f && b.hasShape() && b.Width >= 21 && b.Height >= 21;
}

} // namespace

float DeformFactor(int32_t level)
{
    static const float factors[11] = {0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 0.0f, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f};
    if (level < -5 || level > 5) return 0.0f;
    return factors[level + 5];
}

bool DeformTurnPixels(PixelBuffer& buffer, float f)
{
    if (!deformable(buffer, f)) return false;
    const std::vector<Tap> taps = deformTaps(buffer.Width, f);
    PixelBuffer out = PixelBuffer::allocate(buffer.Width, buffer.Height);
    for (int32_t y = 0; y < buffer.Height; ++y) {
        const uint8_t* src = buffer.pixel(0, y);
        uint8_t* dst = out.pixel(0, y);
        for (int32_t i = 0; i < buffer.Width; ++i) {
            const Tap& t = taps[size_t(i)];
            const uint8_t* p = src + 3 * t.k;
            for (int c = 0; c < 3; ++c) {
                const uint8_t* p1 = t.terms >= 2 ? p + 3 + c : nullptr;
                const uint8_t* p2 = t.terms == 3 ? p + 6 + c : nullptr;
                dst[3 * i + c] = sample(t, p + c, p1, p2);
            }
        }
    }
    out.Valid = buffer.Valid;
    buffer = std::move(out);
    return true;
}

bool DeformTiltPixels(PixelBuffer& buffer, float f)
{
    if (!deformable(buffer, f)) return false;
    const std::vector<Tap> taps = deformTaps(buffer.Height, f);
    PixelBuffer out = PixelBuffer::allocate(buffer.Width, buffer.Height);
    const size_t n = size_t(3 * buffer.Width);
    for (int32_t i = 0; i < buffer.Height; ++i) {
        const Tap& t = taps[size_t(i)];
        const uint8_t* r0 = buffer.pixel(0, t.k);
        const uint8_t* r1 = t.terms >= 2 ? buffer.pixel(0, t.k + 1) : nullptr;
        const uint8_t* r2 = t.terms == 3 ? buffer.pixel(0, t.k + 2) : nullptr;
        uint8_t* dst = out.pixel(0, i);
        for (size_t c = 0; c < n; ++c)
            dst[c] = sample(t, r0 + c, r1 ? r1 + c : nullptr, r2 ? r2 + c : nullptr);
    }
    out.Valid = buffer.Valid;
    buffer = std::move(out);
    return true;
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
