// The area transforms' row kernels for processors with AVX2. Built with -mavx2 alone (no FMA,
// which would fuse products and change bytes); avx2Kernels (built for every processor) looks at
// the processor before it hands them out.
#include "library/imaging/AreaRows.h"

#if defined(__AVX2__)
#include "library/imaging/AreaVector.h"

#include <immintrin.h>

namespace pixol::area::rows {

namespace {

using namespace simd;

// The byte shuffles of the pixel kernels, made once: plane[c][v] says where channel c of pixels
// 0..15 lies in vector v of a block (0x80: elsewhere); spread[v] the pixel whose result byte j of
// vector v takes. Both halves of each vector hold the same.
struct PairMasks {
    __m256i plane[3][3], spread[3];
};

const PairMasks& pairMasks()
{
    static const PairMasks masks = [] {
        PairMasks m;
        for (int v = 0; v < 3; ++v) {
            alignas(32) uint8_t s[32];
            for (int j = 0; j < 16; ++j) s[j] = s[j + 16] = uint8_t((16 * v + j) / 3);
            m.spread[v] = _mm256_load_si256(reinterpret_cast<const __m256i*>(s));
            for (int c = 0; c < 3; ++c) {
                alignas(32) uint8_t b[32];
                for (int px = 0; px < 16; ++px) {
                    const int at = 3 * px + c;
                    b[px] = b[px + 16] = at / 16 == v ? uint8_t(at % 16) : 0x80;
                }
                m.plane[c][v] = _mm256_load_si256(reinterpret_cast<const __m256i*>(b));
            }
        }
        return m;
    }();
    return masks;
}

// Pixel kernels on two blocks of sixteen pixels (48 bytes) at once, one in each half of the
// vectors: the bytes are mapped one by one, gathered into blue, green and red planes by byte
// shuffles, combined and finished per pixel, and each pixel's result shuffled back over its three
// bytes.
template <class Map, class Combine, class Finish>
size_t pixelPairs(uint8_t* row, size_t pixels, Map map, Combine combine, Finish finish)
{
    const PairMasks& mask = pairMasks();
    size_t done = 0;
    for (; done + 32 <= pixels; done += 32) {
        // 96 bytes in u0 = (A0 | A1), u1 = (A2 | B0), u2 = (B1 | B2), sixteen bytes a half; the
        // kernel works on d[v] = (Av | Bv).
        auto* p = reinterpret_cast<__m256i*>(row + 3 * done);
        const __m256i u0 = _mm256_loadu_si256(p), u1 = _mm256_loadu_si256(p + 1), u2 = _mm256_loadu_si256(p + 2);
        const __m256i d[3] = {map(_mm256_permute2x128_si256(u0, u1, 0x30)), map(_mm256_permute2x128_si256(u0, u2, 0x21)),
                              map(_mm256_blend_epi32(u1, u2, 0xF0))};
        __m256i channel[3];
        for (int c = 0; c < 3; ++c)
            channel[c] = _mm256_or_si256(_mm256_or_si256(_mm256_shuffle_epi8(d[0], mask.plane[c][0]),
                                                         _mm256_shuffle_epi8(d[1], mask.plane[c][1])),
                                         _mm256_shuffle_epi8(d[2], mask.plane[c][2]));
        const __m256i result = finish(combine(combine(channel[0], channel[1]), channel[2]));
        __m256i o[3];
        for (int v = 0; v < 3; ++v) o[v] = _mm256_shuffle_epi8(result, mask.spread[v]);
        _mm256_storeu_si256(p, _mm256_permute2x128_si256(o[0], o[1], 0x20));
        _mm256_storeu_si256(p + 1, _mm256_blend_epi32(o[2], o[0], 0xF0));
        _mm256_storeu_si256(p + 2, _mm256_permute2x128_si256(o[1], o[2], 0x31));
    }
    return done;
}

// v / 3 for every byte: (v x 21888) >> 16 is exactly v \ 3 for v = 0..255.
__m256i thirds(__m256i x)
{
    const __m256i zero = _mm256_setzero_si256(), k = _mm256_set1_epi16(21888);
    const __m256i low = _mm256_mulhi_epu16(_mm256_unpacklo_epi8(x, zero), k);
    const __m256i high = _mm256_mulhi_epu16(_mm256_unpackhi_epi8(x, zero), k);
    return _mm256_packus_epi16(low, high);
}

void greyRow(uint8_t* row, size_t pixels)
{
    const size_t x = pixelPairs(
        row, pixels, thirds, [](__m256i a, __m256i b) { return _mm256_add_epi8(a, b); }, [](__m256i v) { return v; });
    greyPixels(row, x, pixels);
}

void thresholdRow(uint8_t* row, size_t pixels, uint8_t limit)
{
    // A pixel is black when all three bytes are below the limit, that is when its largest byte is:
    // white (0xFF) where max(largest, limit) == largest.
    const __m256i top = _mm256_set1_epi8(char(limit));
    const size_t x = pixelPairs(
        row, pixels, [](__m256i v) { return v; }, [](__m256i a, __m256i b) { return _mm256_max_epu8(a, b); },
        [&](__m256i v) { return _mm256_cmpeq_epi8(_mm256_max_epu8(v, top), v); });
    thresholdPixels(row, x, pixels, limit);
}

using Wide = FloatRows<F8>;

} // namespace

const Kernels& avx2KernelSet()
{
    static constexpr Kernels k{greyRow, thresholdRow, Wide::contrast, Wide::lighten, Wide::blend, Wide::transfer,
                               Wide::modes};
    return k;
}

} // namespace pixol::area::rows

#endif
