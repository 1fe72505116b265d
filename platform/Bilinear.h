#pragma once
// One bilinear sample of a 24-bit picture: a destination pixel from its four source neighbours,
// top-left `top`, the row below rowBytes further on, with weights a = (1 - fx) 0.996 on the left
// and b = (1 - fy) 0.996 on the upper neighbours (the 0.996 keeps a full-white neighbourhood below
// 255.5), its terms in either order of RotationKernels.h. The vector form runs the very same
// operations per lane.
//
// Not for the AVX2 files (inline functions; see PixelKernel.h).
#include "platform/Numbers.h"
#include "platform/RotationKernels.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace salon {

template <BilinearOrder Order>
inline void bilinearPlain(const uint8_t* top, size_t rowBytes, float fx, float fy, float a, float b, uint8_t* dst)
{
    const uint8_t* bottom = top + rowBytes;
    if constexpr (Order == BilinearOrder::ValueFirst) {
        for (int k = 0; k < 3; ++k)
            dst[k] = toByte(float(top[k]) * a * b + float(top[3 + k]) * fx * b + float(bottom[k]) * a * fy +
                            float(bottom[3 + k]) * fx * fy);
    } else {
        const float w00 = a * b, w10 = fx * b, w01 = a * fy, w11 = fx * fy;
        for (int k = 0; k < 3; ++k)
            dst[k] = toByte(w00 * float(top[k]) + w10 * float(top[3 + k]) + w01 * float(bottom[k]) +
                            w11 * float(bottom[3 + k]));
    }
}

#if defined(__SSE2__)
// The three channels of a pixel (and the byte after it, in a lane nobody reads) as floats. The
// caller makes sure that byte exists.
inline __m128 bilinearChannels(const uint8_t* p)
{
    uint32_t v;
    std::memcpy(&v, p, 4);
    const __m128i zero = _mm_setzero_si128();
    return _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(int32_t(v)), zero), zero));
}

// The sample's three channels in one vector. Reads 4 bytes of each neighbour. whole: dst may take
// 4 bytes (the fourth written 0: the next pixel's first, written later or left black, or padding).
template <BilinearOrder Order>
inline void bilinearSse2(const uint8_t* top, size_t rowBytes, float fx, float fy, float a, float b, uint8_t* dst,
                         bool whole)
{
    const uint8_t* bottom = top + rowBytes;
    __m128 sum;
    if constexpr (Order == BilinearOrder::ValueFirst) {
        const __m128 A = _mm_set1_ps(a), B = _mm_set1_ps(b), FX = _mm_set1_ps(fx), FY = _mm_set1_ps(fy);
        sum = _mm_mul_ps(_mm_mul_ps(bilinearChannels(top), A), B);
        sum = _mm_add_ps(sum, _mm_mul_ps(_mm_mul_ps(bilinearChannels(top + 3), FX), B));
        sum = _mm_add_ps(sum, _mm_mul_ps(_mm_mul_ps(bilinearChannels(bottom), A), FY));
        sum = _mm_add_ps(sum, _mm_mul_ps(_mm_mul_ps(bilinearChannels(bottom + 3), FX), FY));
    } else {
        sum = _mm_mul_ps(_mm_set1_ps(a * b), bilinearChannels(top));
        sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(fx * b), bilinearChannels(top + 3)));
        sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(a * fy), bilinearChannels(bottom)));
        sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(fx * fy), bilinearChannels(bottom + 3)));
    }
    // Round to nearest even (the default mode) and clamp to 0..255 by saturation, as toByte does.
    const __m128i r = _mm_cvtps_epi32(sum);
    const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(r, r), r);
    const uint32_t v = uint32_t(_mm_cvtsi128_si32(bytes)) & 0x00FFFFFFu;
    if (whole) std::memcpy(dst, &v, 4);
    else std::memcpy(dst, &v, 3);
}
#endif

} // namespace salon
