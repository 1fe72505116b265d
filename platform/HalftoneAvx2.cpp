#include "platform/HalftoneAvx2.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <immintrin.h>
#include <numeric>
#include <vector>

// The filter is the one of Surface.cpp: destination channel = sum(wx * wy * value) / (Sx * Sy),
// rounded half to even. Two things make it fit narrow lanes:
//
// - The weights of an axis are overlaps of multiples of S and multiples of D, so all of them share
//   the divisor g = gcd(S, D). Dividing the weights and the total by it leaves the quotient - and
//   so the rounding - exactly as it was, and 360 -> 512 columns need weights up to 45, not 360.
// - Columns first: each source row is turned into 32-bit column sums. The taps of a destination
//   pixel are neighbouring source pixels, taken in pairs: one 8-byte load holds both, a byte
//   shuffle interleaves their channels and one multiply-add (pmaddwd) with the 16-bit weights
//   leaves blue, green, red and a spare lane per pixel; a permutation drops the spare lane.
//   Rows then blend with 32-bit multiplies and the quotient comes from a float estimate that an
//   integer remainder corrects (see Quotient).
//
// Only the functions marked AVX2 use AVX2; everything that instantiates library templates is
// compiled for the baseline CPU, so no AVX2 copy of a shared inline function can end up being
// used on a CPU without it.

#define SALON_AVX2 __attribute__((target("avx2")))

namespace salon {

namespace {

std::atomic<bool>& avx2Switch()
{
    static std::atomic<bool> on{__builtin_cpu_supports("avx2") != 0};
    return on;
}

// Column taps of every destination pixel, in destination order (mirroring already applied), as
// pairs of neighbouring source pixels: pair p of pixel x reads the 8 bytes at offset[p][x] - the
// pixel there and the one after it - with the 16-bit weights in weights[p][x] = (wa, wb) four
// times, once per lane of the pixel. A tap repeated by edge clamping is merged into one weight,
// so the taps of a pixel are always consecutive pixels; a pair short of its second tap has wb = 0.
// Pixels past the width (up to a multiple of 8) read offset 0 with zero weights.
struct ColumnPlan {
    int32_t width = 0, padded = 0;
    int32_t pairs = 0;
    std::vector<int32_t> offset;
    std::vector<int16_t> weights;
};

// Weights and total of an axis divided by their common divisor.
struct Reduced {
    uint64_t divisor = 1, total = 1;
};

Reduced reduce(const StretchAxis& axis)
{
    uint64_t g = axis.total;
    for (const StretchTap& t : axis.taps) g = std::gcd(g, uint64_t(t.weight));
    if (g == 0) g = 1;
    return {g, axis.total / g};
}

// The taps of destination pixel x with clamped repeats merged.
std::vector<StretchTap> mergedTaps(const StretchAxis& mx, int32_t x, uint64_t divisor)
{
    std::vector<StretchTap> taps;
    for (uint32_t k = mx.first[size_t(x)]; k < mx.first[size_t(x) + 1]; ++k) {
        const StretchTap t{mx.taps[k].src, uint32_t(mx.taps[k].weight / divisor)};
        if (!taps.empty() && taps.back().src == t.src) taps.back().weight += t.weight;
        else taps.push_back(t);
    }
    return taps;
}

ColumnPlan columnPlan(const StretchAxis& mx, bool mirror, uint64_t divisor)
{
    ColumnPlan p;
    p.width = mx.size();
    p.padded = (p.width + 7) & ~7;
    std::vector<std::vector<StretchTap>> taps(size_t(p.width));
    size_t most = 1;
    for (int32_t x = 0; x < p.width; ++x) {
        taps[size_t(x)] = mergedTaps(mx, mirror ? p.width - 1 - x : x, divisor);
        most = std::max(most, taps[size_t(x)].size());
    }
    p.pairs = int32_t((most + 1) / 2);
    const size_t n = size_t(p.pairs) * size_t(p.padded);
    p.offset.assign(n, 0);
    p.weights.assign(n * 8, 0);
    for (int32_t x = 0; x < p.width; ++x) {
        const std::vector<StretchTap>& t = taps[size_t(x)];
        for (size_t k = 0; k < t.size(); k += 2) {
            const size_t i = (k / 2) * size_t(p.padded) + size_t(x);
            p.offset[i] = 3 * t[k].src;
            const int16_t wa = int16_t(t[k].weight), wb = int16_t(k + 1 < t.size() ? t[k + 1].weight : 0);
            for (size_t lane = 0; lane < 4; ++lane) {
                p.weights[8 * i + 2 * lane] = wa;
                p.weights[8 * i + 2 * lane + 1] = wb;
            }
        }
    }
    return p;
}

// Two pixels' pairs as 16-bit words (a.blue, b.blue, a.green, b.green, a.red, b.red, 0, 0) each:
// the 8 bytes at each offset hold pixel a in bytes 0-2 and pixel b in bytes 3-5.
SALON_AVX2 inline __m256i pairWords(const uint8_t* row, const int32_t* offset)
{
    const __m128i spread = _mm_setr_epi8(0, 3, 1, 4, 2, 5, -1, -1, 8, 11, 9, 12, 10, 13, -1, -1);
    const __m128i one = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + offset[0]));
    const __m128i two = _mm_castpd_si128(
        _mm_loadh_pd(_mm_castsi128_pd(one), reinterpret_cast<const double*>(row + offset[1])));
    return _mm256_cvtepu8_epi16(_mm_shuffle_epi8(two, spread));
}

// Two pixels of three or four taps: the 16 bytes from each pixel's first tap hold all four, one
// shuffle per half gives (t0, t1) pairs in its low 8 bytes and (t2, t3) pairs in its high ones,
// and the two multiply-adds with pair 0's and pair 1's weights sum to (blue, green, red, 0) per
// pixel.
SALON_AVX2 inline __m256i fourTaps(const uint8_t* row, const int32_t* offset, const __m256i* w01, const __m256i* w23)
{
    const __m256i spread =
        _mm256_setr_epi8(0, 3, 1, 4, 2, 5, -1, -1, 6, 9, 7, 10, 8, 11, -1, -1, 0, 3, 1, 4, 2, 5, -1, -1, 6, 9, 7, 10, 8, 11, -1, -1);
    const __m256i both = _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + offset[0]))),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + offset[1])), 1);
    const __m256i bytes = _mm256_shuffle_epi8(both, spread), zero = _mm256_setzero_si256();
    return _mm256_add_epi32(_mm256_madd_epi16(_mm256_unpacklo_epi8(bytes, zero), _mm256_loadu_si256(w01)),
                            _mm256_madd_epi16(_mm256_unpackhi_epi8(bytes, zero), _mm256_loadu_si256(w23)));
}

// One source row to column sums: sums[3x + c] for destination pixel x, channel c. Reads up to 16
// bytes from a pixel's first tap; writes up to 3 * padded + 2 values (the last ones zero).
SALON_AVX2 void columnSums(const ColumnPlan& p, const uint8_t* row, int32_t* sums)
{
    const __m256i dropSpare = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 3, 7);
    const int32_t* offsets = p.offset.data();
    const __m256i* weights = reinterpret_cast<const __m256i*>(p.weights.data());
    const size_t pair1 = size_t(p.padded) / 2;  // pair 1's weights, in vectors of two pixels
    for (int32_t x = 0; x < p.padded; x += 8) {
        __m256i s[4] = {_mm256_setzero_si256(), _mm256_setzero_si256(), _mm256_setzero_si256(), _mm256_setzero_si256()};
        if (p.pairs == 2) {
            const __m256i* w = weights + size_t(x) / 2;
            for (int j = 0; j < 4; ++j) s[j] = fourTaps(row, offsets + x + 2 * j, w + j, w + pair1 + j);
        } else {
            for (int32_t q = 0; q < p.pairs; ++q) {
                const size_t i = size_t(q) * size_t(p.padded) + size_t(x);
                for (int j = 0; j < 4; ++j)
                    s[j] = _mm256_add_epi32(s[j], _mm256_madd_epi16(pairWords(row, offsets + i + 2 * j),
                                                                    _mm256_loadu_si256(weights + i / 2 + size_t(j))));
            }
        }
        // Two pixels per vector; each store overlaps the next one's spare lanes.
        int32_t* o = sums + 3 * size_t(x);
        for (int j = 0; j < 4; ++j)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(o + 6 * j), _mm256_permutevar8x32_epi32(s[j], dropSpare));
    }
}

// floor(n / d) with n = 2 a + T, d = 2 T, stepped back to even on an exact tie: a / T rounded
// half to even. The float estimate is within 3 * 2^-24 relative of n / d < 256, so off by at
// most one; the remainder r = n - q d (exact: q d < 2^31 while T < 2^22) says which way.
struct Quotient {
    __m256i T, d, dLess1;
    __m256 reciprocal;
};

SALON_AVX2 inline __m256i quotient(const Quotient& k, __m256i n)
{
    const __m256i zero = _mm256_setzero_si256(), one = _mm256_set1_epi32(1);
    __m256i q = _mm256_cvttps_epi32(_mm256_mul_ps(_mm256_cvtepi32_ps(n), k.reciprocal));
    __m256i r = _mm256_sub_epi32(n, _mm256_mullo_epi32(q, k.d));
    const __m256i below = _mm256_cmpgt_epi32(zero, r);
    q = _mm256_add_epi32(q, below);
    r = _mm256_add_epi32(r, _mm256_and_si256(below, k.d));
    const __m256i above = _mm256_cmpgt_epi32(r, k.dLess1);
    q = _mm256_sub_epi32(q, above);
    r = _mm256_sub_epi32(r, _mm256_and_si256(above, k.d));
    const __m256i tie = _mm256_and_si256(_mm256_cmpeq_epi32(r, zero), _mm256_and_si256(q, one));
    return _mm256_sub_epi32(q, tie);
}

// One destination row from the column sums of its source rows: len bytes into out. n = 2 a + T
// comes straight from the rows, weighted by twice their weights on top of T. The rows hold at
// least len rounded up to 32 readable values. Count > 0 fixes the number of rows (kept in
// registers); 0 takes `count` of them from the lists.
template <int Count>
SALON_AVX2 void blendRow(const int32_t* const* rowList, const int32_t* weightList, int32_t count, const Quotient& k,
                         size_t len, uint8_t* out)
{
    constexpr int Slots = Count > 0 ? Count : 1;
    const int32_t* rows[Slots];
    __m256i weights[Slots];
    for (int t = 0; t < Slots; ++t) {
        rows[t] = rowList[t];
        weights[t] = _mm256_set1_epi32(2 * weightList[t]);
    }
    auto numerator = [&](size_t i) SALON_AVX2 {
        __m256i n = k.T;
        if constexpr (Count > 0) {
            for (int t = 0; t < Count; ++t)
                n = _mm256_add_epi32(n, _mm256_mullo_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[t] + i)), weights[t]));
        } else {
            for (int32_t t = 0; t < count; ++t)
                n = _mm256_add_epi32(n, _mm256_mullo_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(rowList[t] + i)),
                                                           _mm256_set1_epi32(2 * weightList[t])));
        }
        return n;
    };
    // packs and packus work per 128-bit half; this puts the 4-byte groups back in order.
    const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
    for (size_t i = 0; i < len; i += 32) {
        const __m256i q0 = quotient(k, numerator(i)), q1 = quotient(k, numerator(i + 8));
        const __m256i q2 = quotient(k, numerator(i + 16)), q3 = quotient(k, numerator(i + 24));
        const __m256i bytes = _mm256_permutevar8x32_epi32(
            _mm256_packus_epi16(_mm256_packs_epi32(q0, q1), _mm256_packs_epi32(q2, q3)), order);
        if (i + 32 <= len) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), bytes);
        } else {
            alignas(32) uint8_t tail[32];
            _mm256_store_si256(reinterpret_cast<__m256i*>(tail), bytes);
            std::memcpy(out + i, tail, len - i);
        }
    }
}

void blendRow(const int32_t* const* rows, const int32_t* weights, int32_t count, const Quotient& k, size_t len,
              uint8_t* out)
{
    switch (count) {
    case 1: return blendRow<1>(rows, weights, count, k, len, out);
    case 2: return blendRow<2>(rows, weights, count, k, len, out);
    case 3: return blendRow<3>(rows, weights, count, k, len, out);
    case 4: return blendRow<4>(rows, weights, count, k, len, out);
    default: return blendRow<0>(rows, weights, count, k, len, out);
    }
}

SALON_AVX2 Quotient quotientFor(uint32_t total)
{
    Quotient k;
    k.T = _mm256_set1_epi32(int32_t(total));
    k.d = _mm256_set1_epi32(int32_t(2 * total));
    k.dLess1 = _mm256_set1_epi32(int32_t(2 * total - 1));
    k.reciprocal = _mm256_set1_ps(float(1.0 / double(2 * total)));
    return k;
}

} // namespace

bool halftoneAvx2Enabled() { return avx2Switch().load(std::memory_order_relaxed); }

void setHalftoneAvx2Enabled(bool enabled)
{
    avx2Switch().store(enabled && __builtin_cpu_supports("avx2") != 0, std::memory_order_relaxed);
}

bool resampleHalftoneAvx2(const Bitmap& src, const StretchAxis& mx, const StretchAxis& my, bool mirrorX, bool mirrorY,
                          Bitmap& out)
{
    const Reduced rx = reduce(mx), ry = reduce(my);
    // 16-bit column weights, and every quotient estimate times 2T inside 31 bits.
    if (rx.total >= (1u << 15) || rx.total * ry.total >= (1u << 22)) return false;
    const ColumnPlan plan = columnPlan(mx, mirrorX, rx.divisor);
    const int32_t dw = mx.size(), dh = my.size();
    const Quotient k = quotientFor(uint32_t(rx.total * ry.total));

    // Source rows move down monotonically with the destination rows; each is filtered once into a
    // ring holding as many rows as one destination row spans.
    int64_t span = 1;
    for (int32_t i = 0; i < dh; ++i)
        span = std::max<int64_t>(span, int64_t(my.taps[my.first[size_t(i) + 1] - 1].src) - my.taps[my.first[size_t(i)]].src + 1);
    const size_t len = 3 * size_t(dw);
    const size_t stride = ((len + 31) & ~size_t(31)) + 32;
    std::vector<int32_t> ring(size_t(span) * stride, 0);
    auto slot = [&](int64_t r) { return ring.data() + size_t(r % span) * stride; };

    // Taps are read 8 or 16 bytes at a time from a pixel's first one, up to 13 bytes past the
    // row's last pixel: into the next row, except on the last row, which is read from a copy with
    // room behind it.
    std::vector<uint8_t> lastRow;
    auto sourceRow = [&](int32_t r) -> const uint8_t* {
        if (r != src.height - 1) return src.row(r);
        if (lastRow.empty()) {
            lastRow.assign(size_t(src.rowBytes()) + 16, 0);
            std::memcpy(lastRow.data(), src.row(r), size_t(src.rowBytes()));
        }
        return lastRow.data();
    };

    std::vector<const int32_t*> rows;
    std::vector<int32_t> weights;
    int64_t have0 = 0, have1 = 0;  // source rows [have0, have1) are in the ring
    for (int32_t i = 0; i < dh; ++i) {
        const uint32_t t0 = my.first[size_t(i)], t1 = my.first[size_t(i) + 1];
        have0 = std::max<int64_t>(have0, my.taps[t0].src);
        have1 = std::max(have1, have0);
        for (; have1 <= my.taps[t1 - 1].src; ++have1) columnSums(plan, sourceRow(int32_t(have1)), slot(have1));
        rows.clear();
        weights.clear();
        for (uint32_t t = t0; t < t1; ++t) {
            rows.push_back(slot(my.taps[t].src));
            weights.push_back(int32_t(my.taps[t].weight / ry.divisor));
        }
        blendRow(rows.data(), weights.data(), int32_t(rows.size()), k, len, out.row(mirrorY ? dh - 1 - i : i));
    }
    return true;
}

} // namespace salon
