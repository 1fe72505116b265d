// The AVX2 kernel of the rotation: eight destination pixels per step, each channel in one vector
// of eight floats. Every lane runs the formula's operations in the formula's order, so the bytes
// are those of the plain form; the file is built with -mavx2 alone, as FMA would fuse them.
//
// It runs only after the processor said it has AVX2, and so includes no header with inline
// functions (see RotationKernels.h).
#include "editor/engine/RotationKernels.h"

#if defined(__AVX2__)
#include <immintrin.h>

#include <cstring>

namespace salon {

namespace {

// p00 a b + p01 fx b + p10 a fy + p11 fx fy, left to right, for one channel of the eight lanes.
inline __m256 weighed(__m256 p00, __m256 p01, __m256 p10, __m256 p11, __m256 a, __m256 b, __m256 fx, __m256 fy)
{
    __m256 sum = _mm256_mul_ps(_mm256_mul_ps(p00, a), b);
    sum = _mm256_add_ps(sum, _mm256_mul_ps(_mm256_mul_ps(p01, fx), b));
    sum = _mm256_add_ps(sum, _mm256_mul_ps(_mm256_mul_ps(p10, a), fy));
    return _mm256_add_ps(sum, _mm256_mul_ps(_mm256_mul_ps(p11, fx), fy));
}

// Eight bytes per lane, lanes 0, 1, 4, 5 in `even` and 2, 3, 6, 7 in `odd`: one 64-bit unpack of
// the two puts the lanes back in order.
struct Spans {
    __m256i even, odd;
};

inline Spans spans(const uint8_t* from, const int32_t* offset)
{
    auto q = [&](int j) {
        long long v;
        std::memcpy(&v, from + offset[j], 8);
        return v;
    };
    return {_mm256_set_epi64x(q(5), q(4), q(1), q(0)), _mm256_set_epi64x(q(7), q(6), q(3), q(2))};
}

// Bytes `left` and `right` of every lane's span as two vectors of floats.
template <int left, int right>
inline void split(const Spans& s, __m256& l, __m256& r)
{
    const __m256i pick = _mm256_setr_epi8(left, -1, -1, -1, 8 + left, -1, -1, -1, right, -1, -1, -1, 8 + right, -1, -1, -1,
                                          left, -1, -1, -1, 8 + left, -1, -1, -1, right, -1, -1, -1, 8 + right, -1, -1, -1);
    const __m256i e = _mm256_shuffle_epi8(s.even, pick), o = _mm256_shuffle_epi8(s.odd, pick);
    l = _mm256_cvtepi32_ps(_mm256_unpacklo_epi64(e, o));
    r = _mm256_cvtepi32_ps(_mm256_unpackhi_epi64(e, o));
}

// Channel k (0 blue, 1 green, 2 red) of the eight pixels: the top span starts at the top-left
// neighbour, the bottom one 2 bytes before the bottom-left.
template <int k>
inline __m256 channelOf(const Spans& top, const Spans& bottom, __m256 a, __m256 b, __m256 fx, __m256 fy)
{
    __m256 p00, p01, p10, p11;
    split<k, 3 + k>(top, p00, p01);
    split<2 + k, 5 + k>(bottom, p10, p11);
    return weighed(p00, p01, p10, p11, a, b, fx, fy);
}

// The bytes of eight pixels, blue, green, red each, in the low 24 bytes.
inline __m256i packed(__m256 blue, __m256 green, __m256 red, __m256i inside)
{
    // Round to nearest even (the default mode) and clamp to 0..255 by saturation, as toByte does.
    const __m256i b = _mm256_and_si256(_mm256_cvtps_epi32(blue), inside);
    const __m256i g = _mm256_and_si256(_mm256_cvtps_epi32(green), inside);
    const __m256i r = _mm256_and_si256(_mm256_cvtps_epi32(red), inside);
    // Per 128-bit half: blue 0-3, green 0-3, red 0-3, red 0-3 as bytes; then pixel by pixel.
    const __m256i planes = _mm256_packus_epi16(_mm256_packs_epi32(b, g), _mm256_packs_epi32(r, r));
    const __m256i order = _mm256_setr_epi8(0, 4, 8, 1, 5, 9, 2, 6, 10, 3, 7, 11, -1, -1, -1, -1,  //
                                           0, 4, 8, 1, 5, 9, 2, 6, 10, 3, 7, 11, -1, -1, -1, -1);
    const __m256i pixels = _mm256_shuffle_epi8(planes, order);
    return _mm256_permutevar8x32_epi32(pixels, _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7));
}

} // namespace

void rotateAvx2(const RotationFrame& f)
{
    // Held apart from f, which the stores below could alias as far as the compiler knows.
    const int32_t width = f.width, height = f.height;
    const __m256 C = _mm256_set1_ps(f.c), S = _mm256_set1_ps(-f.s), CX = _mm256_set1_ps(f.cx);
    const __m256 CY = _mm256_set1_ps(f.cy), X0 = _mm256_set1_ps(f.x0), Y0 = _mm256_set1_ps(f.y0);
    const __m256 one = _mm256_set1_ps(1.0f), factor = _mm256_set1_ps(0.996f);
    const __m256i W = _mm256_set1_epi32(width), H = _mm256_set1_epi32(height), zero = _mm256_setzero_si256();
    const __m256i rowBytes = _mm256_set1_epi32(int32_t(f.sourceRowBytes)), ones = _mm256_set1_epi32(1);
    // Each neighbour pair is read as 8 bytes. The top pair's extra 2 bytes lie in the row below at
    // the latest; the bottom pair is read from 2 bytes before it, as 8 bytes from there would
    // pass the buffer's end at its last pixel.
    const uint8_t* top = f.source;
    const uint8_t* bottom = top + f.sourceRowBytes - 2;
    for (int32_t y = 1; y <= height; ++y) {
        const __m256 SY = _mm256_set1_ps(f.s * float(y)), CYY = _mm256_set1_ps(f.c * float(y));
        uint8_t* row = f.out + size_t(y - 1) * f.outRowBytes;
        __m256i X = _mm256_setr_epi32(1, 2, 3, 4, 5, 6, 7, 8);
        for (int32_t x = 1; x <= width; x += 8, X = _mm256_add_epi32(X, _mm256_set1_epi32(8))) {
            // Each coordinate evaluated whole, in the formula's order.
            const __m256 Xf = _mm256_cvtepi32_ps(X);
            const __m256 xs = _mm256_sub_ps(_mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(C, Xf), SY), CX), X0);
            const __m256 ys = _mm256_sub_ps(_mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(S, Xf), CYY), CY), Y0);
            const __m256i ix = _mm256_cvttps_epi32(xs), iy = _mm256_cvttps_epi32(ys);
            __m256i inside = _mm256_and_si256(_mm256_cmpgt_epi32(ix, zero), _mm256_cmpgt_epi32(iy, zero));
            inside = _mm256_and_si256(inside, _mm256_and_si256(_mm256_cmpgt_epi32(W, ix), _mm256_cmpgt_epi32(H, iy)));
            inside = _mm256_andnot_si256(_mm256_cmpgt_epi32(X, W), inside);  // lanes past the row's end
            // The destination starts black: steps wholly outside the source have nothing to draw.
            if (_mm256_testz_si256(inside, inside)) continue;

            const __m256 fx = _mm256_sub_ps(xs, _mm256_cvtepi32_ps(ix)), fy = _mm256_sub_ps(ys, _mm256_cvtepi32_ps(iy));
            // The 0.996 keeps a full-white neighbourhood below 255.5.
            const __m256 a = _mm256_mul_ps(_mm256_sub_ps(one, fx), factor);
            const __m256 b = _mm256_mul_ps(_mm256_sub_ps(one, fy), factor);
            const __m256i column = _mm256_sub_epi32(ix, ones);
            const __m256i offset = _mm256_and_si256(
                _mm256_add_epi32(_mm256_mullo_epi32(_mm256_sub_epi32(iy, ones), rowBytes),
                                 _mm256_add_epi32(column, _mm256_add_epi32(column, column))),
                inside);

            // Lanes outside read the first pixels instead, which are always there.
            alignas(32) int32_t offsets[8];
            _mm256_store_si256(reinterpret_cast<__m256i*>(offsets), offset);
            const Spans upper = spans(top, offsets), lower = spans(bottom, offsets);
            const __m256 blue = channelOf<0>(upper, lower, a, b, fx, fy);
            const __m256 green = channelOf<1>(upper, lower, a, b, fx, fy);
            const __m256 red = channelOf<2>(upper, lower, a, b, fx, fy);
            const __m256i bytes = packed(blue, green, red, inside);
            uint8_t* dst = row + size_t(3) * size_t(x - 1);
            if (width - x >= 7) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm256_castsi256_si128(bytes));
                _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + 16), _mm256_extracti128_si256(bytes, 1));
            } else {
                alignas(32) uint8_t last[32];
                _mm256_store_si256(reinterpret_cast<__m256i*>(last), bytes);
                std::memcpy(dst, last, size_t(3) * size_t(width - x + 1));
            }
        }
    }
}

} // namespace salon

#endif
