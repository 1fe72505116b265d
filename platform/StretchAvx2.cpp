// The AVX2 kernels of the non-linear stretch: thirty-two destination bytes per step, as four vectors of
// eight floats. Every lane runs the formula's operations in the formula's order, so the bytes are
// those of the plain form; the file is built with -mavx2 alone, as FMA would fuse them.
//
// They run only after the processor said it has AVX2, and so include no header with inline
// functions (see StretchKernels.h).
#include "platform/StretchKernels.h"

#if defined(__AVX2__)
#include <immintrin.h>

#include <cstring>

namespace salon {

namespace {

// Thirty-two sums, eight in each vector, as bytes in order. Rounding to nearest even (the default
// mode) and clamping to 0..255 by saturation give what toByte gives.
inline __m256i packed(__m256 a, __m256 b, __m256 c, __m256 d)
{
    const __m256i ab = _mm256_packs_epi32(_mm256_cvtps_epi32(a), _mm256_cvtps_epi32(b));
    const __m256i cd = _mm256_packs_epi32(_mm256_cvtps_epi32(c), _mm256_cvtps_epi32(d));
    // Per 128-bit half: four bytes of a, b, c, d each; the halves hold the first and last four.
    return _mm256_permutevar8x32_epi32(_mm256_packus_epi16(ab, cd), _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7));
}

// Stores the 32 bytes, or their first `count` where the row ends sooner.
inline void store(uint8_t* dst, __m256i bytes, size_t count)
{
    if (count >= 32) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst), bytes);
        return;
    }
    alignas(32) uint8_t last[32];
    _mm256_store_si256(reinterpret_cast<__m256i*>(last), bytes);
    std::memcpy(dst, last, count);
}

inline __m256 widened(const uint8_t* p)
{
    return _mm256_cvtepi32_ps(_mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))));
}

template <int terms>
inline __m256 blended(const uint8_t* const row[3], size_t c, __m256 w0, __m256 w1, __m256 w2)
{
    __m256 sum = _mm256_add_ps(_mm256_mul_ps(w0, widened(row[0] + c)), _mm256_mul_ps(w1, widened(row[1] + c)));
    if (terms == 3) sum = _mm256_add_ps(sum, _mm256_mul_ps(w2, widened(row[2] + c)));
    return sum;
}

template <int terms>
inline __m256i blended32(const uint8_t* const row[3], size_t c, __m256 w0, __m256 w1, __m256 w2)
{
    return packed(blended<terms>(row, c, w0, w1, w2), blended<terms>(row, c + 8, w0, w1, w2),
                  blended<terms>(row, c + 16, w0, w1, w2), blended<terms>(row, c + 24, w0, w1, w2));
}

template <int terms>
void blendRow(const RowBlend& b)
{
    const __m256 w0 = _mm256_set1_ps(b.w0), w1 = _mm256_set1_ps(b.w1), w2 = _mm256_set1_ps(b.w2);
    size_t c = 0;
    for (; c + 32 <= b.bytes; c += 32) store(b.dst + c, blended32<terms>(b.row, c, w0, w1, w2), 32);
    if (c == b.bytes) return;
    // The row's last bytes through copies, as 32 from the rows could pass the buffer's end.
    alignas(32) uint8_t in[3][32] = {};
    const size_t rest = b.bytes - c;
    for (int t = 0; t < terms; ++t) std::memcpy(in[t], b.row[t] + c, rest);
    const uint8_t* const copies[3] = {in[0], in[1], in[2]};
    store(b.dst + c, blended32<terms>(copies, 0, w0, w1, w2), rest);
}

// Eight destination bytes of a row: the low half of the vector works on the first four, the high
// half on the last four, each from the 16 source bytes of its window, from which one byte shuffle
// per term picks every byte's source byte into a 32-bit lane.
inline __m256 turned(const uint8_t* src, const TurnPlan& p, size_t b)
{
    const int32_t* window = p.window + b / 4;
    const __m256i bytes =
        _mm256_inserti128_si256(_mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src + window[0]))),
                                _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + window[1])), 1);
    const __m256i pick = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p.pick + b));
    // Terms 1 and 2 lie 3 and 6 bytes after term 0.
    const __m256 p0 = _mm256_cvtepi32_ps(_mm256_shuffle_epi8(bytes, pick));
    const __m256 p1 = _mm256_cvtepi32_ps(_mm256_shuffle_epi8(bytes, _mm256_add_epi32(pick, _mm256_set1_epi32(3))));
    const __m256 p2 = _mm256_cvtepi32_ps(_mm256_shuffle_epi8(bytes, _mm256_add_epi32(pick, _mm256_set1_epi32(6))));
    const __m256 w0 = _mm256_loadu_ps(p.weight[0] + b), w1 = _mm256_loadu_ps(p.weight[1] + b);
    const __m256 w2 = _mm256_loadu_ps(p.weight[2] + b);
    return _mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(w0, p0), _mm256_mul_ps(w1, p1)), _mm256_mul_ps(w2, p2));
}

} // namespace

void blendRowAvx2(const RowBlend& blend)
{
    if (blend.terms == 3) blendRow<3>(blend);
    else blendRow<2>(blend);
}

void turnAvx2(const TurnFrame& f)
{
    // Held apart from f, which the stores below could alias as far as the compiler knows.
    const TurnPlan p = f.plan;
    const int32_t height = f.height;
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* src = f.source + size_t(y) * f.sourceRowBytes;
        uint8_t* dst = f.out + size_t(y) * f.outRowBytes;
        for (size_t b = 0; b < p.bytes; b += 32)
            store(dst + b, packed(turned(src, p, b), turned(src, p, b + 8), turned(src, p, b + 16), turned(src, p, b + 24)),
                  p.bytes - b);
    }
}

} // namespace salon

#endif
