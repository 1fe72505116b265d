// The AVX2 form of the resampling's row step: two destination pixels per vector, four lanes each
// (the fourth lane of a pixel unused). Every lane runs the portable form's operations in its order,
// so the bytes are the same; the file is built with -mavx2 alone, as FMA would fuse them.
//
// It runs only after the processor said it has AVX2, and so includes no header with inline
// functions (see PixelKernel.h).
#include "library/imaging/ResampleKernels.h"

#if defined(__AVX2__)
#include <immintrin.h>

#include <cstring>

namespace pixol::transforms {

namespace {

// Round half to even (the default mode) and clamp to 0..255 by saturation, as toByte does for
// sums that stay far below 2^31: pixels x, x + 1 in `a`, x + 2, x + 3 in `b`, written as 12 bytes.
// `whole`: 16 bytes may be written (the last 4 land on pixels written after these).
inline void store4(__m256 a, __m256 b, uint8_t* d, bool whole)
{
    const __m256i words = _mm256_packs_epi32(_mm256_cvtps_epi32(a), _mm256_cvtps_epi32(b));
    const __m256i bytes = _mm256_packus_epi16(words, words);  // per half: x, x + 2 | x + 1, x + 3
    const __m128i ordered =
        _mm_unpacklo_epi32(_mm256_castsi256_si128(bytes), _mm256_extracti128_si256(bytes, 1));
    const __m128i packed = _mm_shuffle_epi8(ordered, _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1));
    if (whole) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), packed);
        return;
    }
    _mm_storel_epi64(reinterpret_cast<__m128i*>(d), packed);
    const uint32_t last = uint32_t(_mm_extract_epi32(packed, 2));
    std::memcpy(d + 8, &last, 4);
}

inline void store1(__m128 sum, uint8_t* d)
{
    const __m128i n = _mm_cvtps_epi32(sum);
    const uint32_t v = uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(_mm_packs_epi32(n, n), n)));
    std::memcpy(d, &v, 3);
}

template <int Terms, int Rows>
struct Mixer {
    RowMix m;
    int32_t n;
    __m256 rw[2];

    explicit Mixer(const RowMix& frame) : m(frame), n(Terms > 0 ? Terms : frame.terms)
    {
        rw[0] = _mm256_set1_ps(m.rowWeight[0]);
        rw[1] = _mm256_set1_ps(m.rowWeight[Rows - 1]);
    }

    // The sums of pixels x and x + 1 (x even).
    __m256 pair(int32_t x) const
    {
        const float* cw = m.columnWeight + size_t(x / 2) * size_t(n) * 8;
        const int32_t at0 = m.first[x], at1 = m.first[x + 1];
        __m256 sum = m.start ? _mm256_setzero_ps() : _mm256_loadu_ps(m.acc + 4 * size_t(x));
        for (int r = 0; r < Rows; ++r) {
            const float* line = m.line[r];
            for (int32_t j = 0; j < n; ++j) {
                const __m256 w = _mm256_mul_ps(_mm256_loadu_ps(cw + 8 * size_t(j)), rw[r]);
                const __m256 p = _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(line + at0 + 3 * j)),
                                                      _mm_loadu_ps(line + at1 + 3 * j), 1);
                sum = _mm256_add_ps(sum, _mm256_mul_ps(w, p));
            }
        }
        return sum;
    }

    // The sum of pixel x alone (x even), in half a vector.
    __m128 single(int32_t x) const
    {
        const float* cw = m.columnWeight + size_t(x / 2) * size_t(n) * 8;
        const int32_t at = m.first[x];
        __m128 sum = m.start ? _mm_setzero_ps() : _mm_loadu_ps(m.acc + 4 * size_t(x));
        for (int r = 0; r < Rows; ++r) {
            const __m128 w = _mm256_castps256_ps128(rw[r]);
            for (int32_t j = 0; j < n; ++j)
                sum = _mm_add_ps(sum, _mm_mul_ps(_mm_mul_ps(_mm_loadu_ps(cw + 8 * size_t(j)), w),
                                                 _mm_loadu_ps(m.line[r] + at + 3 * j)));
        }
        return sum;
    }

    void run() const
    {
        int32_t x = 0;
        uint8_t* d = m.out;
        for (; x + 3 < m.count; x += 4, d += 12) {
            const __m256 a = pair(x), b = pair(x + 2);
            if (m.last) {
                store4(a, b, d, m.count - (x + 4) >= 2);
                continue;
            }
            _mm256_storeu_ps(m.acc + 4 * size_t(x), a);
            _mm256_storeu_ps(m.acc + 4 * size_t(x) + 8, b);
        }
        for (; x + 1 < m.count; x += 2, d += 6) {
            const __m256 a = pair(x);
            if (m.last) {
                store1(_mm256_castps256_ps128(a), d);
                store1(_mm256_extractf128_ps(a, 1), d + 3);
                continue;
            }
            _mm256_storeu_ps(m.acc + 4 * size_t(x), a);
        }
        if (x < m.count) {
            const __m128 a = single(x);
            if (m.last) store1(a, d);
            else _mm_storeu_ps(m.acc + 4 * size_t(x), a);
        }
    }
};

template <int Rows>
void mixRows(const RowMix& m)
{
    switch (m.terms) {
    case 1: Mixer<1, Rows>(m).run(); break;
    case 2: Mixer<2, Rows>(m).run(); break;
    case 3: Mixer<3, Rows>(m).run(); break;
    default: Mixer<0, Rows>(m).run(); break;
    }
}

} // namespace

void mixRowAvx2(const RowMix& m)
{
    if (m.rows == 2) mixRows<2>(m);
    else mixRows<1>(m);
}

} // namespace pixol::transforms

#endif
