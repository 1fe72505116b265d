// The non-linear stretch: the taps of a pass, the plain kernels, the layout the vector kernels
// read the taps along the rows from, and the choice of kernel (StretchKernels.h).
#include "platform/StretchKernels.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace salon {

namespace {

using Tap = NonlinearTap;

} // namespace

std::vector<NonlinearTap> stretchTaps(int32_t n, float f, LastButOne rule)
{
    if (n < 2) return std::vector<NonlinearTap>(n == 1 ? 1 : 0, NonlinearTap{0, 0, 0, 0, 1});
    std::vector<float> S(static_cast<size_t>(n));
    for (int32_t j = 0; j < n; ++j) S[size_t(j)] = (2.0f - f) + float(j) * (2.0f * f - 2.0f) / float(n - 1);
    std::vector<Tap> taps(static_cast<size_t>(n));
    float A = 0.0f;
    for (int32_t i = 0; i < n; ++i) {
        if (i > 0) A = A + S[size_t(i - 1)];
        const int32_t k = fix(A);
        const float u = 1.0f - (A - float(k));
        const float s = S[size_t(i)];
        Tap t{k, 0, 0, 0, 1};
        if (i == n - 1 || u >= s) {
            t.terms = 1;
        } else if (u + 1.0f >= s || (i == n - 2 && rule == LastButOne::TwoTermRest)) {
            t = {k, u / s, (s - u) / s, 0, 2};
        } else {
            // At the last but one sample the third column would lie past the edge; it is left out.
            t = {k, u / s, 1.0f / s, (s - u - 1.0f) / s, i == n - 2 ? 2 : 3};
        }
        // Accumulated rounding must never take a tap past the last sample.
        if (t.k > n - 1) t = {n - 1, 0, 0, 0, 1};
        if (t.terms >= 2 && t.k + 1 > n - 1) t.terms = 1;
        if (t.terms == 3 && t.k + 2 > n - 1) t.terms = 2;
        taps[size_t(i)] = t;
    }
    return taps;
}

namespace {

// The weights as the three-term form of the vector kernels uses them (see TurnPlan).
void fullWeights(const Tap& t, float w[3])
{
    w[0] = t.terms == 1 ? 1.0f : t.w0;
    w[1] = t.terms == 1 ? 0.0f : t.w1;
    w[2] = t.terms == 3 ? t.w2 : 0.0f;
}

// The arrays a TurnPlan points into.
class TurnLayout {
public:
    // False where some four destination bytes need source bytes more than 16 apart, which the
    // scales of 0.2 to 1.8 never ask for (two neighbouring columns start at most 2 pixels apart),
    // or where a row is shorter than one window or too long for the kernels' 32-bit offsets.
    bool build(const std::vector<Tap>& taps)
    {
        const size_t bytes = 3 * taps.size();
        if (bytes < 16 || bytes > size_t(INT32_MAX) - 64) return false;
        fillTerms(taps, (bytes + 31) / 32 * 32);
        if (!placeWindows(bytes)) return false;
        plan_ = {bytes, {weight_[0].data(), weight_[1].data(), weight_[2].data()},
                 {from_[0].data(), from_[1].data(), from_[2].data()}, window_.data(), pick_.data()};
        return true;
    }
    const TurnPlan& plan() const { return plan_; }

private:
    // Weights and source bytes of every destination byte, and the source byte of its last term;
    // bytes past the row weigh 0 and read byte 0.
    void fillTerms(const std::vector<Tap>& taps, size_t padded)
    {
        for (int term = 0; term < 3; ++term) {
            weight_[term].assign(padded, 0.0f);
            from_[term].assign(padded, 0);
        }
        last_.assign(padded, 0);
        for (size_t b = 0; b < 3 * taps.size(); ++b) {
            const Tap& t = taps[b / 3];
            const int32_t first = 3 * t.k + int32_t(b % 3);
            float w[3];
            fullWeights(t, w);
            for (int term = 0; term < 3; ++term) {
                weight_[term][b] = w[term];
                from_[term][b] = term < t.terms ? first + 3 * term : first;  // weight 0: any byte of the row
            }
            last_[b] = first + 3 * (t.terms - 1);
        }
    }

    // The 16-byte window of every four destination bytes and their places in it.
    bool placeWindows(size_t bytes)
    {
        pick_.assign(from_[0].size(), int32_t(0x80808080u));  // bytes past the row read as 0
        window_.assign(from_[0].size() / 4, 0);
        for (size_t g = 0; 4 * g < bytes; ++g) {
            const size_t begin = 4 * g, end = std::min(begin + 4, bytes);
            // A column's last channel may lie after the next column's first, when both start
            // at the same source pixel.
            const int32_t lo = *std::min_element(from_[0].begin() + ptrdiff_t(begin), from_[0].begin() + ptrdiff_t(end));
            const int32_t hi = *std::max_element(last_.begin() + ptrdiff_t(begin), last_.begin() + ptrdiff_t(end));
            if (hi - lo >= 16) return false;
            // Near the row's end the window is moved back so that it stays inside the row.
            window_[g] = std::min(lo, int32_t(bytes) - 16);
            for (size_t b = begin; b < end; ++b) pick_[b] = (from_[0][b] - window_[g]) | int32_t(0x80808000u);
        }
        return true;
    }

    std::vector<float> weight_[3];
    std::vector<int32_t> from_[3], last_, window_, pick_;
    TurnPlan plan_{};
};

void turnPlain(const StretchImage& image, const std::vector<Tap>& taps)
{
    for (int32_t y = 0; y < image.height; ++y) {
        const uint8_t* src = image.source + size_t(y) * image.sourceRowBytes;
        uint8_t* dst = image.out + size_t(y) * image.outRowBytes;
        for (const Tap& t : taps) {
            const uint8_t* p = src + 3 * t.k;
            switch (t.terms) {
            case 1:
                std::memcpy(dst, p, 3);
                break;
            case 2:
                for (int c = 0; c < 3; ++c) dst[c] = toByte(t.w0 * float(p[c]) + t.w1 * float(p[3 + c]));
                break;
            default:
                for (int c = 0; c < 3; ++c)
                    dst[c] = toByte(t.w0 * float(p[c]) + t.w1 * float(p[3 + c]) + t.w2 * float(p[6 + c]));
            }
            dst += 3;
        }
    }
}

void blendRowPlain(const RowBlend& b)
{
    // Held apart from b: toByte's library call could change it as far as the compiler knows.
    const uint8_t *r0 = b.row[0], *r1 = b.row[1], *r2 = b.row[2];
    const float w0 = b.w0, w1 = b.w1, w2 = b.w2;
    uint8_t* dst = b.dst;
    const size_t n = b.bytes;
    if (b.terms == 2) {
        for (size_t c = 0; c < n; ++c) dst[c] = toByte(w0 * float(r0[c]) + w1 * float(r1[c]));
        return;
    }
    for (size_t c = 0; c < n; ++c) dst[c] = toByte(w0 * float(r0[c]) + w1 * float(r1[c]) + w2 * float(r2[c]));
}

// The kernel asked for if it runs here, else Plain.
PixelKernel runnable(PixelKernel kernel)
{
    return pixelKernelRuns(kernel) ? kernel : PixelKernel::Plain;
}

void turnWith(const StretchImage& image, const std::vector<Tap>& taps, PixelKernel kernel)
{
    TurnLayout layout;
    if (kernel == PixelKernel::Plain || !layout.build(taps)) return turnPlain(image, taps);
    // Unused where no vector kernel is built in: kernel is Plain there.
    [[maybe_unused]] const TurnFrame frame{image.source, image.sourceRowBytes, image.out, image.outRowBytes,
                                           image.height, layout.plan()};
#if defined(SALON_PLATFORM_AVX2)
    if (kernel == PixelKernel::Avx2) return turnAvx2(frame);
#endif
#if defined(__SSE2__)
    turnSse2(frame);
#endif
}

void blendRowWith(const RowBlend& blend, PixelKernel kernel)
{
    switch (kernel) {
#if defined(SALON_PLATFORM_AVX2)
    case PixelKernel::Avx2: return blendRowAvx2(blend);
#endif
#if defined(__SSE2__)
    case PixelKernel::Sse2: return blendRowSse2(blend);
#endif
    default: return blendRowPlain(blend);
    }
}

} // namespace

void stretchAlongRows(const StretchImage& image, const std::vector<NonlinearTap>& taps, PixelKernel kernel)
{
    turnWith(image, taps, runnable(kernel));
}

void stretchDownColumns(const StretchImage& image, const std::vector<NonlinearTap>& taps, PixelKernel kernel)
{
    kernel = runnable(kernel);
    const size_t n = size_t(3) * size_t(image.width);
    for (int32_t i = 0; i < image.height; ++i) {
        const NonlinearTap& t = taps[size_t(i)];
        const uint8_t* r0 = image.source + size_t(t.k) * image.sourceRowBytes;
        uint8_t* dst = image.out + size_t(i) * image.outRowBytes;
        if (t.terms == 1) {
            std::memcpy(dst, r0, n);
            continue;
        }
        const uint8_t* r1 = r0 + image.sourceRowBytes;
        const uint8_t* r2 = t.terms == 3 ? r1 + image.sourceRowBytes : nullptr;
        blendRowWith({{r0, r1, r2}, t.w0, t.w1, t.w2, t.terms, dst, n}, kernel);
    }
}

} // namespace salon
