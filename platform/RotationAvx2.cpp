// The AVX2 form of the rotation: eight destination pixels per step, each channel in one vector of
// eight floats. Every lane runs the formula's operations in the formula's order, so the bytes are
// those of the plain form; the file is built with -mavx2 alone, as FMA would fuse them.
//
// It runs only after the processor said it has AVX2, and so includes no header with inline
// functions (see PixelKernel.h).
#include "platform/RotationKernels.h"

#if defined(__AVX2__)
#include <immintrin.h>

#include <cstring>

namespace salon {

namespace {

// The sum of one channel of the eight lanes, its terms in the caller's order, left to right.
template <BilinearOrder Order>
inline __m256 weighed(__m256 p00, __m256 p01, __m256 p10, __m256 p11, __m256 a, __m256 b, __m256 fx, __m256 fy)
{
    if constexpr (Order == BilinearOrder::ValueFirst) {
        __m256 sum = _mm256_mul_ps(_mm256_mul_ps(p00, a), b);
        sum = _mm256_add_ps(sum, _mm256_mul_ps(_mm256_mul_ps(p01, fx), b));
        sum = _mm256_add_ps(sum, _mm256_mul_ps(_mm256_mul_ps(p10, a), fy));
        return _mm256_add_ps(sum, _mm256_mul_ps(_mm256_mul_ps(p11, fx), fy));
    } else {
        __m256 sum = _mm256_mul_ps(_mm256_mul_ps(a, b), p00);
        sum = _mm256_add_ps(sum, _mm256_mul_ps(_mm256_mul_ps(fx, b), p01));
        sum = _mm256_add_ps(sum, _mm256_mul_ps(_mm256_mul_ps(a, fy), p10));
        return _mm256_add_ps(sum, _mm256_mul_ps(_mm256_mul_ps(fx, fy), p11));
    }
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
template <BilinearOrder Order, int k>
inline __m256 channelOf(const Spans& top, const Spans& bottom, __m256 a, __m256 b, __m256 fx, __m256 fy)
{
    __m256 p00, p01, p10, p11;
    split<k, 3 + k>(top, p00, p01);
    split<2 + k, 5 + k>(bottom, p10, p11);
    return weighed<Order>(p00, p01, p10, p11, a, b, fx, fy);
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

// a > b per lane, as a mask of all ones.
inline __m256i above(__m256i a, __m256i b) { return _mm256_cmpgt_epi32(a, b); }

template <BilinearOrder Order>
void span(const RotationSampling& f, float rowY, int32_t x0, int32_t x1, uint8_t* dst)
{
    const __m256 C = _mm256_set1_ps(f.c), S = _mm256_set1_ps(f.s), SHIFT = _mm256_set1_ps(f.shiftX);
    const __m256 SY = _mm256_set1_ps(f.s * rowY), CY = _mm256_set1_ps(f.c * rowY);
    const __m256 ADDX = _mm256_set1_ps(f.addX), SUBX = _mm256_set1_ps(f.subX);
    const __m256 ADDY = _mm256_set1_ps(f.addY), SUBY = _mm256_set1_ps(f.subY), LOWEST = _mm256_set1_ps(f.lowest);
    const __m256 one = _mm256_set1_ps(1.0f), factor = _mm256_set1_ps(0.996f);
    const __m256i LOW = _mm256_set1_epi32(f.lowIndex), HIGHX = _mm256_set1_epi32(f.highX);
    const __m256i HIGHY = _mm256_set1_epi32(f.highY), END = _mm256_set1_epi32(x1 - 1);
    const __m256i ORIGIN = _mm256_set1_epi32(f.origin), rowBytes = _mm256_set1_epi32(int32_t(f.sourceRowBytes));
    // Each neighbour pair is read as 8 bytes. The top pair's extra 2 bytes lie in the row below at
    // the latest; the bottom pair is read from 2 bytes before it, as 8 bytes from there could pass
    // the buffer's end at its last pixel.
    const uint8_t* top = f.source;
    const uint8_t* bottom = top + f.sourceRowBytes - 2;
    __m256i x = _mm256_add_epi32(_mm256_set1_epi32(x0), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
    for (int32_t at = x0; at < x1; at += 8, dst += 24, x = _mm256_add_epi32(x, _mm256_set1_epi32(8))) {
        // Each coordinate evaluated whole, in the formula's order.
        const __m256 X = _mm256_cvtepi32_ps(_mm256_cvtps_epi32(_mm256_sub_ps(_mm256_cvtepi32_ps(x), SHIFT)));
        const __m256 xs = _mm256_sub_ps(_mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(C, X), SY), ADDX), SUBX);
        const __m256 ys = _mm256_sub_ps(_mm256_add_ps(_mm256_sub_ps(CY, _mm256_mul_ps(S, X)), ADDY), SUBY);
        const __m256i ix = _mm256_cvttps_epi32(xs), iy = _mm256_cvttps_epi32(ys);
        __m256i inside = _mm256_castps_si256(
            _mm256_and_ps(_mm256_cmp_ps(xs, LOWEST, _CMP_GE_OQ), _mm256_cmp_ps(ys, LOWEST, _CMP_GE_OQ)));
        const __m256i outX = _mm256_or_si256(above(LOW, ix), above(ix, HIGHX));
        const __m256i outY = _mm256_or_si256(above(LOW, iy), above(iy, HIGHY));
        inside = _mm256_andnot_si256(_mm256_or_si256(_mm256_or_si256(outX, outY), above(x, END)), inside);
        // The span starts black: steps wholly outside the source have nothing to draw.
        if (_mm256_testz_si256(inside, inside)) continue;

        const __m256 fx = _mm256_sub_ps(xs, _mm256_cvtepi32_ps(ix)), fy = _mm256_sub_ps(ys, _mm256_cvtepi32_ps(iy));
        // The 0.996 keeps a full-white neighbourhood below 255.5.
        const __m256 a = _mm256_mul_ps(_mm256_sub_ps(one, fx), factor);
        const __m256 b = _mm256_mul_ps(_mm256_sub_ps(one, fy), factor);
        const __m256i column = _mm256_sub_epi32(ix, ORIGIN);
        const __m256i offset = _mm256_and_si256(
            _mm256_add_epi32(_mm256_mullo_epi32(_mm256_sub_epi32(iy, ORIGIN), rowBytes),
                             _mm256_add_epi32(column, _mm256_add_epi32(column, column))),
            inside);

        // Lanes outside read the first pixels instead, which are always there.
        alignas(32) int32_t offsets[8];
        _mm256_store_si256(reinterpret_cast<__m256i*>(offsets), offset);
        const Spans upper = spans(top, offsets), lower = spans(bottom, offsets);
        const __m256 blue = channelOf<Order, 0>(upper, lower, a, b, fx, fy);
        const __m256 green = channelOf<Order, 1>(upper, lower, a, b, fx, fy);
        const __m256 red = channelOf<Order, 2>(upper, lower, a, b, fx, fy);
        const __m256i bytes = packed(blue, green, red, inside);
        if (x1 - at >= 8) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm256_castsi256_si128(bytes));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + 16), _mm256_extracti128_si256(bytes, 1));
        } else {
            alignas(32) uint8_t last[32];
            _mm256_store_si256(reinterpret_cast<__m256i*>(last), bytes);
            std::memcpy(dst, last, size_t(3) * size_t(x1 - at));
        }
    }
}

} // namespace

void rotateSpanAvx2(const RotationSampling& f, float rowY, int32_t x0, int32_t x1, uint8_t* dst)
{
    // Held apart from f, which the stores could alias as far as the compiler knows.
    const RotationSampling frame = f;
    if (frame.order == BilinearOrder::ValueFirst)
        span<BilinearOrder::ValueFirst>(frame, rowY, x0, x1, dst);
    else
        span<BilinearOrder::WeightsFirst>(frame, rowY, x0, x1, dst);
}

} // namespace salon

#endif
