#include "FaceTransform.h"

#include "platform/Numbers.h"

#include <cmath>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

namespace {

// One destination pixel of the rotation from its four source neighbours (x, y the top-left one,
// 0-based), weights a = (1 - fx) * 0.996 and b = (1 - fy) * 0.996. Every channel is summed in the
// same order as the formula reads, so the vector form gives the very same bytes as the scalar one.
// The formula itself, one channel at a time.
inline void bilinearPlain(const uint8_t* top, size_t rowBytes, float fx, float fy, float a, float b, uint8_t* dst)
{
    const uint8_t* bottom = top + rowBytes;
    for (int k = 0; k < 3; ++k)
        dst[k] = toByte(float(top[k]) * a * b + float(top[3 + k]) * fx * b + float(bottom[k]) * a * fy +
                        float(bottom[3 + k]) * fx * fy);
}

#if defined(__SSE2__)
// The three channels of a pixel (and the byte after it, in a lane nobody reads) as floats. The
// caller makes sure that byte exists.
inline __m128 channels(const uint8_t* p)
{
    uint32_t v;
    std::memcpy(&v, p, 4);
    const __m128i zero = _mm_setzero_si128();
    return _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(int32_t(v)), zero), zero));
}

// top: the top-left neighbour; the bottom row lies rowBytes further on. whole: dst may take 4
// bytes (the fourth is the next pixel's first, written later or left black, or row padding).
inline void bilinear(const uint8_t* top, size_t rowBytes, float fx, float fy, float a, float b, uint8_t* dst, bool whole)
{
    const uint8_t* bottom = top + rowBytes;
    const __m128 A = _mm_set1_ps(a), B = _mm_set1_ps(b), FX = _mm_set1_ps(fx), FY = _mm_set1_ps(fy);
    __m128 sum = _mm_mul_ps(_mm_mul_ps(channels(top), A), B);
    sum = _mm_add_ps(sum, _mm_mul_ps(_mm_mul_ps(channels(top + 3), FX), B));
    sum = _mm_add_ps(sum, _mm_mul_ps(_mm_mul_ps(channels(bottom), A), FY));
    sum = _mm_add_ps(sum, _mm_mul_ps(_mm_mul_ps(channels(bottom + 3), FX), FY));
    // Round to nearest even (the default mode) and clamp to 0..255 by saturation, as toByte does.
    const __m128i r = _mm_cvtps_epi32(sum);
    const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(r, r), r);
    const uint32_t v = uint32_t(_mm_cvtsi128_si32(bytes)) & 0x00FFFFFFu;
    if (whole) std::memcpy(dst, &v, 4);
    else std::memcpy(dst, &v, 3);
}
#else
inline void bilinear(const uint8_t* top, size_t rowBytes, float fx, float fy, float a, float b, uint8_t* dst, bool)
{
    bilinearPlain(top, rowBytes, fx, fy, a, b, dst);
}
#endif

} // namespace

PixelBuffer RotatedPixels(const PixelBuffer& source, float angle)
{
    PixelBuffer out = PixelBuffer::allocate(source.Width, source.Height);
    out.Valid = source.Valid;
    if (!source.hasShape()) return out;
    const int32_t W = source.Width, H = source.Height;
    // The program has always used 3.141529 here, not pi; the angles users have tuned their
    // pictures with depend on it.
    const float theta = angle * 3.141529f / 180.0f;
    const float s = std::sin(theta), c = std::cos(theta);
    // Both centre coordinates come from the width: for portraits the turning point lies in the
    // upper part of the picture, around the face.
    const float cx = float(W + 1) / 2.0f, cy = cx;
    const float X0 = float(roundHalfEven(cx * c + cy * s));
    const float Y0 = float(roundHalfEven(cy * c - cx * s));

    // Pixels are read 4 bytes at a time. Without row padding that would reach past the buffer
    // at its very last pixel only, which the plain formula takes instead.
    const size_t rowBytes = size_t(source.RowBytes);
    const bool padded = rowBytes > size_t(3) * size_t(W);
    // They are written 4 at a time too. The destination's rows need not be laid out like the
    // source's: a source with padding may meet a destination without.
    const bool outPadded = out.RowBytes > 3 * W;
    const uint8_t* base = source.Data.data();
    for (int32_t y = 1; y <= H; ++y) {
        uint8_t* dst = out.pixel(0, y - 1);
        const bool lastWhole = outPadded || y < H;  // the row's last pixel may take 4 bytes
        const float sy = s * float(y), cyy = c * float(y);
        // Pixel x of the row from its source position (xs, ys). Each coordinate is evaluated
        // whole, in the formula's order: stepping it along the row would round differently.
        auto pixel = [&](int32_t x, float xs, float ys, int32_t ix, int32_t iy) {
            if (!(ix > 0 && iy > 0 && ix + 1 <= W && iy + 1 <= H)) return;
            const float fx = xs - float(ix), fy = ys - float(iy);
            // The 0.996 keeps a full-white neighbourhood below 255.5.
            const float a = (1.0f - fx) * 0.996f, b = (1.0f - fy) * 0.996f;
            const uint8_t* top = base + size_t(iy - 1) * rowBytes + size_t(3) * size_t(ix - 1);
            if (!padded && iy + 1 == H && ix + 1 == W) bilinearPlain(top, rowBytes, fx, fy, a, b, dst + 3 * (x - 1));
            else bilinear(top, rowBytes, fx, fy, a, b, dst + 3 * (x - 1), x < W || lastWhole);
        };
        int32_t x = 1;
#if defined(__SSE2__)
        // Four positions at a time, each lane the same operations in the same order.
        const __m128 C = _mm_set1_ps(c), S = _mm_set1_ps(-s), SY = _mm_set1_ps(sy), CY = _mm_set1_ps(cyy);
        const __m128 CX = _mm_set1_ps(cx), CYc = _mm_set1_ps(cy), XX = _mm_set1_ps(X0), YY = _mm_set1_ps(Y0);
        alignas(16) float xsL[4], ysL[4];
        alignas(16) int32_t ixL[4], iyL[4];
        for (; x + 3 <= W; x += 4) {
            const __m128 X = _mm_cvtepi32_ps(_mm_setr_epi32(x, x + 1, x + 2, x + 3));
            const __m128 xs = _mm_sub_ps(_mm_add_ps(_mm_add_ps(_mm_mul_ps(C, X), SY), CX), XX);
            const __m128 ys = _mm_sub_ps(_mm_add_ps(_mm_add_ps(_mm_mul_ps(S, X), CY), CYc), YY);
            _mm_store_ps(xsL, xs);
            _mm_store_ps(ysL, ys);
            _mm_store_si128(reinterpret_cast<__m128i*>(ixL), _mm_cvttps_epi32(xs));
            _mm_store_si128(reinterpret_cast<__m128i*>(iyL), _mm_cvttps_epi32(ys));
            for (int j = 0; j < 4; ++j) pixel(x + j, xsL[j], ysL[j], ixL[j], iyL[j]);
        }
#endif
        for (; x <= W; ++x) {
            const float xs = c * float(x) + sy + cx - X0;
            const float ys = -s * float(x) + cyy + cy - Y0;
            pixel(x, xs, ys, fix(xs), fix(ys));
        }
    }
    return out;
}

} // namespace salon
