// The SSE2 kernels of the non-linear stretch. Every lane runs the formula's operations in the formula's
// order - each product on its own, then the sums left to right - so the bytes are those of the
// plain form.
#include "platform/StretchKernels.h"

#if defined(__SSE2__)
#include <emmintrin.h>

#include <cstring>

namespace salon {

namespace {

// Sixteen bytes as four vectors of four floats.
void widened(const uint8_t* p, __m128 out[4])
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i low = _mm_unpacklo_epi8(bytes, zero), high = _mm_unpackhi_epi8(bytes, zero);
    out[0] = _mm_cvtepi32_ps(_mm_unpacklo_epi16(low, zero));
    out[1] = _mm_cvtepi32_ps(_mm_unpackhi_epi16(low, zero));
    out[2] = _mm_cvtepi32_ps(_mm_unpacklo_epi16(high, zero));
    out[3] = _mm_cvtepi32_ps(_mm_unpackhi_epi16(high, zero));
}

// Sixteen sums as bytes in order. Rounding to nearest even (the default mode) and clamping to
// 0..255 by saturation give what toByte gives.
__m128i narrowed(const __m128 sum[4])
{
    const __m128i a = _mm_cvtps_epi32(sum[0]), b = _mm_cvtps_epi32(sum[1]);
    const __m128i c = _mm_cvtps_epi32(sum[2]), d = _mm_cvtps_epi32(sum[3]);
    return _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d));
}

template <int terms>
__m128i blended(const uint8_t* r0, const uint8_t* r1, const uint8_t* r2, const RowBlend& b)
{
    const __m128 w0 = _mm_set1_ps(b.w0), w1 = _mm_set1_ps(b.w1), w2 = _mm_set1_ps(b.w2);
    __m128 p0[4], p1[4], p2[4], sum[4];
    widened(r0, p0);
    widened(r1, p1);
    if (terms == 3) widened(r2, p2);
    for (int j = 0; j < 4; ++j) {
        sum[j] = _mm_add_ps(_mm_mul_ps(w0, p0[j]), _mm_mul_ps(w1, p1[j]));
        if (terms == 3) sum[j] = _mm_add_ps(sum[j], _mm_mul_ps(w2, p2[j]));
    }
    return narrowed(sum);
}

template <int terms>
void blendRow(const RowBlend& b)
{
    size_t c = 0;
    for (; c + 16 <= b.bytes; c += 16) {
        const __m128i v = blended<terms>(b.row[0] + c, b.row[1] + c, terms == 3 ? b.row[2] + c : nullptr, b);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(b.dst + c), v);
    }
    if (c == b.bytes) return;
    // The row's last bytes through copies, as sixteen from the rows could pass the buffer's end.
    uint8_t in[3][16] = {}, out[16];
    const size_t rest = b.bytes - c;
    for (int t = 0; t < terms; ++t) std::memcpy(in[t], b.row[t] + c, rest);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), blended<terms>(in[0], in[1], in[2], b));
    std::memcpy(b.dst + c, out, rest);
}

// Four destination bytes of a row from their three source bytes each, fetched one by one.
__m128 turned(const uint8_t* src, const TurnPlan& p, size_t b)
{
    __m128 sum = _mm_setzero_ps();
    for (int t = 0; t < 3; ++t) {
        const int32_t* from = p.from[t] + b;
        const __m128 v = _mm_cvtepi32_ps(_mm_setr_epi32(src[from[0]], src[from[1]], src[from[2]], src[from[3]]));
        const __m128 product = _mm_mul_ps(_mm_loadu_ps(p.weight[t] + b), v);
        sum = t == 0 ? product : _mm_add_ps(sum, product);
    }
    return sum;
}

} // namespace

void blendRowSse2(const RowBlend& blend)
{
    if (blend.terms == 3) blendRow<3>(blend);
    else blendRow<2>(blend);
}

void turnSse2(const TurnFrame& f)
{
    const TurnPlan p = f.plan;
    for (int32_t y = 0; y < f.height; ++y) {
        const uint8_t* src = f.source + size_t(y) * f.sourceRowBytes;
        uint8_t* dst = f.out + size_t(y) * f.outRowBytes;
        for (size_t b = 0; b < p.bytes; b += 16) {
            const __m128 sum[4] = {turned(src, p, b), turned(src, p, b + 4), turned(src, p, b + 8), turned(src, p, b + 12)};
            const __m128i v = narrowed(sum);
            if (b + 16 <= p.bytes) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + b), v);
            } else {
                uint8_t last[16];
                _mm_storeu_si128(reinterpret_cast<__m128i*>(last), v);
                std::memcpy(dst + b, last, p.bytes - b);
            }
        }
    }
}

} // namespace salon

#endif
