#pragma once
// The vector side of the area transforms' row kernels, included by the files that build them
// (AreaRows.cpp for every processor, AreaRowsAvx2.cpp under -mavx2). A per-byte formula is written
// once, generic over its number type, and runs on a vector of floats (four lanes with SSE2, eight
// with AVX2) and on single floats for the rest of the row. Each lane does the formula's operations
// in the formula's order - every product on its own, no fused multiply-add - and rounds to nearest
// even as lrintf does in the default mode, so every form gives the same bytes.
//
// Everything here has internal linkage: the AVX2 file compiles it with other instructions, and
// the linker must never hand an AVX2 copy of a helper to code that runs on any processor.
//
// Rows are handed over from a pixel's first byte (blue), so byte i is channel i % 3.
#include "library/imaging/AreaRows.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__AVX2__)
#include <immintrin.h>
#endif

namespace pixol::area::simd {
namespace {

// The scalar helpers the generic formulas use; the vector types have their own with the same meaning.
inline float minOf(float a, float b) { return std::min(a, b); }
inline float maxOf(float a, float b) { return std::max(a, b); }
inline float absOf(float a) { return std::fabs(a); }
inline float ifLess(float a, float b, float then, float otherwise) { return a < b ? then : otherwise; }

#if defined(__SSE2__)
// Four single-precision lanes; a float operand is taken in every lane.
struct F4 {
    static constexpr size_t Lanes = 4;
    __m128 v;
    F4(__m128 x) : v(x) {}
    F4(float x) : v(_mm_set1_ps(x)) {}
    // Lane i holds chan[(start + i) % 3].
    static F4 pattern(const std::array<float, 3>& c, size_t start)
    {
        return _mm_setr_ps(c[start % 3], c[(start + 1) % 3], c[(start + 2) % 3], c[start % 3]);
    }
    // Sixteen bytes as four vectors.
    static void widen(const uint8_t* p, F4* out)
    {
        const __m128i zero = _mm_setzero_si128();
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i low = _mm_unpacklo_epi8(bytes, zero), high = _mm_unpackhi_epi8(bytes, zero);
        out[0] = F4(_mm_cvtepi32_ps(_mm_unpacklo_epi16(low, zero)));
        out[1] = F4(_mm_cvtepi32_ps(_mm_unpackhi_epi16(low, zero)));
        out[2] = F4(_mm_cvtepi32_ps(_mm_unpacklo_epi16(high, zero)));
        out[3] = F4(_mm_cvtepi32_ps(_mm_unpackhi_epi16(high, zero)));
    }
    // Four vectors as sixteen bytes: rounded to nearest even, limited to 0..255 by saturation
    // (what toByte gives for every finite value), then raised to `floor`.
    static void narrow(const F4* v, uint8_t* p, uint8_t floor)
    {
        const __m128i a = _mm_packs_epi32(_mm_cvtps_epi32(v[0].v), _mm_cvtps_epi32(v[1].v));
        const __m128i b = _mm_packs_epi32(_mm_cvtps_epi32(v[2].v), _mm_cvtps_epi32(v[3].v));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_max_epu8(_mm_packus_epi16(a, b), _mm_set1_epi8(char(floor))));
    }
};
inline F4 operator+(F4 a, F4 b) { return _mm_add_ps(a.v, b.v); }
inline F4 operator-(F4 a, F4 b) { return _mm_sub_ps(a.v, b.v); }
inline F4 operator*(F4 a, F4 b) { return _mm_mul_ps(a.v, b.v); }
inline F4 operator/(F4 a, F4 b) { return _mm_div_ps(a.v, b.v); }
// As std::min(a, b) = b < a ? b : a and std::max(a, b) = a < b ? b : a, lane by lane.
inline F4 minOf(F4 a, F4 b) { return _mm_min_ps(b.v, a.v); }
inline F4 maxOf(F4 a, F4 b) { return _mm_max_ps(b.v, a.v); }
inline F4 absOf(F4 a) { return _mm_andnot_ps(_mm_set1_ps(-0.0f), a.v); }
inline F4 ifLess(F4 a, F4 b, F4 then, F4 otherwise)
{
    const __m128 less = _mm_cmplt_ps(a.v, b.v);
    return _mm_or_ps(_mm_and_ps(less, then.v), _mm_andnot_ps(less, otherwise.v));
}
#endif

#if defined(__AVX2__)
// Eight single-precision lanes.
struct F8 {
    static constexpr size_t Lanes = 8;
    __m256 v;
    F8(__m256 x) : v(x) {}
    F8(float x) : v(_mm256_set1_ps(x)) {}
    static F8 pattern(const std::array<float, 3>& c, size_t start)
    {
        auto at = [&](size_t i) { return c[(start + i) % 3]; };
        return _mm256_setr_ps(at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7));
    }
    // Thirty-two bytes as four vectors.
    static void widen(const uint8_t* p, F8* out)
    {
        for (int k = 0; k < 4; ++k) {
            const __m128i eight = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p + 8 * k));
            out[k] = F8(_mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(eight)));
        }
    }
    static void narrow(const F8* v, uint8_t* p, uint8_t floor)
    {
        const __m256i a = _mm256_packs_epi32(_mm256_cvtps_epi32(v[0].v), _mm256_cvtps_epi32(v[1].v));
        const __m256i b = _mm256_packs_epi32(_mm256_cvtps_epi32(v[2].v), _mm256_cvtps_epi32(v[3].v));
        // The packs work within each half: put the groups of four bytes back in order.
        const __m256i packed = _mm256_packus_epi16(a, b);
        const __m256i ordered = _mm256_permutevar8x32_epi32(packed, _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm256_max_epu8(ordered, _mm256_set1_epi8(char(floor))));
    }
};
inline F8 operator+(F8 a, F8 b) { return _mm256_add_ps(a.v, b.v); }
inline F8 operator-(F8 a, F8 b) { return _mm256_sub_ps(a.v, b.v); }
inline F8 operator*(F8 a, F8 b) { return _mm256_mul_ps(a.v, b.v); }
inline F8 operator/(F8 a, F8 b) { return _mm256_div_ps(a.v, b.v); }
inline F8 minOf(F8 a, F8 b) { return _mm256_min_ps(b.v, a.v); }
inline F8 maxOf(F8 a, F8 b) { return _mm256_max_ps(b.v, a.v); }
inline F8 absOf(F8 a) { return _mm256_andnot_ps(_mm256_set1_ps(-0.0f), a.v); }
inline F8 ifLess(F8 a, F8 b, F8 then, F8 otherwise)
{
    return _mm256_blendv_ps(otherwise.v, then.v, _mm256_cmp_ps(a.v, b.v, _CMP_LT_OQ));
}
#endif

// The byte of v raised to `floor`, as the vector narrowing gives it.
inline uint8_t byteOf(float v, uint8_t floor)
{
    return uint8_t(std::max(std::clamp(salon::roundHalfEven(v), 0, 255), int32_t(floor)));
}

// out[i] = the byte of f(a[i], b[i], c[i], chan[i % 3]) for i < n, raised to `floor` (0..255):
// rounded half to even and limited to 0..255, as toByte (and, with a floor, as the floored
// results) give it. out may be a, b or c; inputs f ignores may repeat another input. V is the
// vector type, or float for single floats only.
template <class V, class F>
void mapRow(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* c, size_t n,
            const std::array<float, 3>& chan, uint8_t floor, F f)
{
    size_t i = 0;
    if constexpr (!std::is_same_v<V, float>) {
        // Three groups of four vectors a step, so that the channel pattern of each vector repeats.
        constexpr size_t group = 4 * V::Lanes, block = 3 * group;
        const V pattern[3] = {V::pattern(chan, 0), V::pattern(chan, V::Lanes % 3), V::pattern(chan, 2 * V::Lanes % 3)};
        for (; i + block <= n; i += block)
            for (size_t part = 0; part < 3; ++part) {
                const size_t at = i + group * part;
                V va[4] = {0.0f, 0.0f, 0.0f, 0.0f}, vb[4] = {0.0f, 0.0f, 0.0f, 0.0f}, vc[4] = {0.0f, 0.0f, 0.0f, 0.0f};
                V::widen(a + at, va);
                V::widen(b + at, vb);
                V::widen(c + at, vc);
                V r[4] = {0.0f, 0.0f, 0.0f, 0.0f};
                for (size_t j = 0; j < 4; ++j) r[j] = f(va[j], vb[j], vc[j], pattern[(4 * part + j) % 3]);
                V::narrow(r, out + at, floor);
            }
    }
    for (; i < n; ++i) out[i] = byteOf(f(float(a[i]), float(b[i]), float(c[i]), chan[i % 3]), floor);
}

// The usual blend modes on bytes as 0..255 floats, a the base; the result stays in 0..255.
template <class T>
T blendMode(int mode, T a, T b)
{
    switch (mode) {
    case 1: return a * b / 255.0f;                                              // multiply
    case 2: return T(255.0f) - (T(255.0f) - a) * (T(255.0f) - b) / 255.0f;      // screen
    case 3: return ifLess(a, T(128.0f), T(2.0f) * a * b / 255.0f,               // overlay
                          T(255.0f) - T(2.0f) * (T(255.0f) - a) * (T(255.0f) - b) / 255.0f);
    case 4: return minOf(a, b);                                                 // darken
    case 5: return maxOf(a, b);                                                 // lighten
    case 6: return absOf(a - b);                                                // difference
    default: return (a + b) / 2.0f;                                             // average
    }
}

// The per-pixel kernels one pixel at a time, for the pixels after the last whole block.
inline void greyPixels(uint8_t* row, size_t from, size_t pixels)
{
    for (size_t x = from; x < pixels; ++x) {
        uint8_t* p = row + 3 * x;
        p[0] = p[1] = p[2] = uint8_t(p[0] / 3 + p[1] / 3 + p[2] / 3);
    }
}

inline void thresholdPixels(uint8_t* row, size_t from, size_t pixels, uint8_t limit)
{
    for (size_t x = from; x < pixels; ++x) {
        uint8_t* p = row + 3 * x;
        p[0] = p[1] = p[2] = p[0] < limit && p[1] < limit && p[2] < limit ? 0 : 255;
    }
}

// The byte-formula kernels of rows::Kernels on vector type V.
template <class V>
struct FloatRows {
    static void contrast(uint8_t* row, size_t bytes, float k, float o, uint8_t floor)
    {
        mapRow<V>(row, row, row, row, bytes, {}, floor, [&](auto c, auto, auto, auto) { return c * k + o; });
    }
    static void lighten(uint8_t* row, size_t bytes, float a, float rest)
    {
        mapRow<V>(row, row, row, row, bytes, {}, 0, [&](auto c, auto, auto, auto) { return a + c * rest / 255.0f; });
    }
    static void blend(uint8_t* p1, const uint8_t* p2, size_t bytes, float k)
    {
        const float keep = 1.0f - k;
        mapRow<V>(p1, p1, p2, p2, bytes, {}, 0, [&](auto a, auto b, auto, auto) { return a * keep * 0.996f + b * k; });
    }
    static void transfer(uint8_t* p1, const uint8_t* p2, size_t bytes, const rows::Transfer& t)
    {
        const float mixKeep = 1.0f - t.k;
        mapRow<V>(p1, p1, p2, p2, bytes, t.factor, 0, [&](auto a, auto b, auto, auto factor) {
            auto m = minOf(decltype(a)(255.0f), b * factor * t.lift);
            if (t.multiplied) m = a * m / 255.0f;
            return t.lifted ? a * t.keep + m * t.k : a * mixKeep * 0.996f + m * t.k;
        });
    }
    static void modes(uint8_t* p1, const uint8_t* p2, const uint8_t* p3, size_t bytes, int mode, float k)
    {
        const float keep = 1.0f - k;
        mapRow<V>(p1, p1, p2, p3, bytes, {}, 0,
                  [&](auto a, auto b, auto c, auto) { return a * keep * 0.996f + blendMode(mode, b, c) * k; });
    }
};

} // namespace
} // namespace pixol::area::simd
