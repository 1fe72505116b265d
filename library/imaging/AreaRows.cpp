#include "library/imaging/AreaRows.h"

#include "library/imaging/AreaVector.h"

#include <atomic>

namespace pixol::area::rows {

namespace {

using namespace simd;

#if defined(__SSE2__)
// m[p][v]: the bytes of vector v of a block of 48 that are channel p of their pixel. Made once.
struct PhaseMasks {
    __m128i m[3][3];
};

const PhaseMasks& phaseMasks()
{
    static const PhaseMasks masks = [] {
        PhaseMasks pm;
        for (int p = 0; p < 3; ++p)
            for (int v = 0; v < 3; ++v) {
                alignas(16) uint8_t b[16];
                for (int j = 0; j < 16; ++j) b[j] = (16 * v + j) % 3 == p ? 0xFF : 0;
                pm.m[p][v] = _mm_load_si128(reinterpret_cast<const __m128i*>(b));
            }
        return pm;
    }();
    return masks;
}

// Sixteen pixels (48 bytes, three vectors) at a time: each byte is mapped on its own, the three
// bytes of every pixel are combined and finished at the pixel's first byte (the bytes one and two
// further shifted under it), and that result is copied over the pixel's other two bytes (shifted
// up by one and two where the byte is a green or a red one).
template <class Map, class Combine, class Finish>
size_t pixelBlocks(uint8_t* row, size_t pixels, Map map, Combine combine, Finish finish)
{
    const PhaseMasks& phase = phaseMasks();
    size_t done = 0;
    for (; done + 16 <= pixels; done += 16) {
        uint8_t* p = row + 3 * done;
        __m128i d[3];
        for (int v = 0; v < 3; ++v) d[v] = map(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * v)));
        const __m128i zero = _mm_setzero_si128();
        __m128i s[3];
        for (int v = 0; v < 3; ++v) {
            const __m128i next = v < 2 ? d[v + 1] : zero;
            const __m128i one = _mm_or_si128(_mm_srli_si128(d[v], 1), _mm_slli_si128(next, 15));
            const __m128i two = _mm_or_si128(_mm_srli_si128(d[v], 2), _mm_slli_si128(next, 14));
            s[v] = finish(combine(combine(d[v], one), two));
        }
        for (int v = 0; v < 3; ++v) {
            const __m128i prev = v > 0 ? s[v - 1] : zero;
            const __m128i one = _mm_or_si128(_mm_slli_si128(s[v], 1), _mm_srli_si128(prev, 15));
            const __m128i two = _mm_or_si128(_mm_slli_si128(s[v], 2), _mm_srli_si128(prev, 14));
            const __m128i out = _mm_or_si128(_mm_and_si128(s[v], phase.m[0][v]),
                                             _mm_or_si128(_mm_and_si128(one, phase.m[1][v]), _mm_and_si128(two, phase.m[2][v])));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 16 * v), out);
        }
    }
    return done;
}

// v / 3 for every byte: (v x 21888) >> 16 is exactly v \ 3 for v = 0..255.
__m128i thirds(__m128i x)
{
    const __m128i zero = _mm_setzero_si128(), k = _mm_set1_epi16(21888);
    const __m128i low = _mm_mulhi_epu16(_mm_unpacklo_epi8(x, zero), k);
    const __m128i high = _mm_mulhi_epu16(_mm_unpackhi_epi8(x, zero), k);
    return _mm_packus_epi16(low, high);
}
#endif

void greyRow(uint8_t* row, size_t pixels)
{
    size_t x = 0;
#if defined(__SSE2__)
    // Three thirds of bytes never pass 255, so byte sums cannot wrap at a pixel's first byte.
    x = pixelBlocks(
        row, pixels, thirds, [](__m128i a, __m128i b) { return _mm_add_epi8(a, b); }, [](__m128i v) { return v; });
#endif
    greyPixels(row, x, pixels);
}

void thresholdRow(uint8_t* row, size_t pixels, uint8_t limit)
{
    size_t x = 0;
#if defined(__SSE2__)
    // A pixel is black when all three bytes are below the limit, that is when its largest byte is:
    // white (0xFF) where max(largest, limit) == largest.
    const __m128i top = _mm_set1_epi8(char(limit));
    x = pixelBlocks(
        row, pixels, [](__m128i v) { return v; }, [](__m128i a, __m128i b) { return _mm_max_epu8(a, b); },
        [&](__m128i v) { return _mm_cmpeq_epi8(_mm_max_epu8(v, top), v); });
#endif
    thresholdPixels(row, x, pixels, limit);
}

#if defined(__SSE2__)
using Portable = FloatRows<F4>;
#else
using Portable = FloatRows<float>;
#endif

std::atomic<bool>& avx2Switch()
{
    static std::atomic<bool> on{avx2Kernels() != nullptr};
    return on;
}

} // namespace

const Kernels& portableKernels()
{
    static const Kernels k{greyRow, thresholdRow, Portable::contrast, Portable::lighten, Portable::blend,
                           Portable::transfer, Portable::modes};
    return k;
}

const Kernels* avx2Kernels()
{
#if defined(PIXOL_AREA_AVX2)
    static const bool has = __builtin_cpu_supports("avx2") != 0;
    return has ? &avx2KernelSet() : nullptr;
#else
    return nullptr;
#endif
}

const Kernels& scalarKernels()
{
    using Scalar = FloatRows<float>;
    static const Kernels k{[](uint8_t* row, size_t pixels) { greyPixels(row, 0, pixels); },
                           [](uint8_t* row, size_t pixels, uint8_t limit) { thresholdPixels(row, 0, pixels, limit); },
                           Scalar::contrast, Scalar::lighten, Scalar::blend, Scalar::transfer, Scalar::modes};
    return k;
}

const Kernels& kernels()
{
    const Kernels* fast = avx2Switch().load(std::memory_order_relaxed) ? avx2Kernels() : nullptr;
    return fast ? *fast : portableKernels();
}

bool avx2Enabled() { return avx2Switch().load(std::memory_order_relaxed); }

void setAvx2Enabled(bool enabled) { avx2Switch().store(enabled && avx2Kernels() != nullptr, std::memory_order_relaxed); }

} // namespace pixol::area::rows
