// Resampling of a pixel array by a box filter: every destination pixel is the average of the
// source area it covers, each source pixel weighed by the fraction of it that lies inside.
#include "library/imaging/PixelArrays.h"
#include "library/imaging/ResampleKernels.h"
#include "library/imaging/Transforms.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pixol::transforms {

namespace {
// The source columns (rows) each destination column (row) covers and their fractions, laid out
// flat: span i starts at source pixel first[i] and takes weights at[i] .. at[i + 1] - 1.
struct Spans {
    std::vector<int32_t> first;
    std::vector<size_t> at{0};
    std::vector<float> weight;

    size_t terms(size_t i) const { return at[i + 1] - at[i]; }
    const float* weights(size_t i) const { return weight.data() + at[i]; }
};

Spans spans(int32_t from, int32_t to, float step)
{
    Spans out;
    const float end = float(from) - 0.01f;
    for (int32_t i = 0; i < to; ++i) {
        const float a = float(i) * step;
        const float b = std::min(float(i + 1) * step, end);
        // Single-precision products of large sizes may round up to the edge; no span starts past it.
        const int32_t j0 = std::min(salon::fix(a), from - 1), j1 = std::min(salon::fix(b), from - 1);
        out.first.push_back(j0);
        if (j1 <= j0) {
            out.weight.push_back(std::max(b - a, 0.0f));
        } else {
            out.weight.push_back(float(j0 + 1) - a);
            for (int32_t j = j0 + 1; j < j1; ++j) out.weight.push_back(1.0f);
            out.weight.push_back(b - float(j1));
        }
        out.at.push_back(out.weight.size());
    }
    return out;
}

// The column spans as tables of the same number of terms for every column, so that the loop over
// a row runs without a branch per column, laid out as RowMix (ResampleKernels.h) reads them. A
// column with fewer terms takes further terms of weight 0, reading the pixels after its own (or
// the zeros after the row); a sum (never below 0) plus 0 is the sum, so its bytes stay those of its
// own terms.
struct ColumnTable {
    int32_t terms = 1;
    std::vector<int32_t> first;  // float offset of each column's first source pixel
    std::vector<float> weight;   // four copies of each, in pairs of columns
};

ColumnTable columnTable(const Spans& cols)
{
    ColumnTable t;
    const size_t count = cols.first.size();
    for (size_t x = 0; x < count; ++x) t.terms = std::max(t.terms, int32_t(cols.terms(x)));
    const size_t n = size_t(t.terms);
    t.first.assign(count, 0);
    t.weight.assign((count + 1) / 2 * n * 8, 0.0f);
    for (size_t x = 0; x < count; ++x) {
        t.first[x] = 3 * cols.first[x];
        for (size_t j = 0; j < cols.terms(x); ++j)
            std::fill_n(t.weight.data() + ((x / 2) * n + j) * 8 + (x % 2) * 4, 4, cols.weights(x)[j]);
    }
    return t;
}

// Source rows as floats, each converted once while the rows of consecutive destination rows
// overlap: row j lives in slot j % slots. After each row `extra` zeros, for the terms of weight 0
// past its last pixel and the fourth lane of the last pixel.
class FloatRows {
public:
    FloatRows(const uint8_t* bytes, size_t stride, int32_t width, size_t extra, size_t slots)
        : m_bytes(bytes), m_stride(stride), m_length(3 * size_t(width)), m_line(m_length + extra), m_tag(slots, -1),
          m_values(slots * m_line, 0.0f)
    {
    }
    const float* row(int32_t j)
    {
        const size_t slot = size_t(j) % m_tag.size();
        float* line = m_values.data() + slot * m_line;
        if (m_tag[slot] != j) {
            const uint8_t* src = m_bytes + size_t(j) * m_stride;
            for (size_t i = 0; i < m_length; ++i) line[i] = float(src[i]);
            m_tag[slot] = j;
        }
        return line;
    }

private:
    const uint8_t* m_bytes;
    size_t m_stride, m_length, m_line;
    std::vector<int32_t> m_tag;
    std::vector<float> m_values;
};

template <int Terms>
void mixPortable(const RowMix& frame)
{
    // Held apart from the frame, which the stores could alias as far as the compiler knows.
    const RowMix m = frame;
    const int32_t n = Terms > 0 ? Terms : m.terms;
    for (int32_t x = 0; x < m.count; ++x) {
        const int32_t at = m.first[x];
        const float* cw = m.columnWeight + (size_t(x / 2) * size_t(n)) * 8 + size_t(x % 2) * 4;
        float* acc = m.acc + 4 * size_t(x);
        uint8_t* d = m.out + 3 * size_t(x);
#if defined(__SSE2__)
        __m128 sum = m.start ? _mm_setzero_ps() : _mm_loadu_ps(acc);
        for (int32_t r = 0; r < m.rows; ++r) {
            const __m128 rw = _mm_set1_ps(m.rowWeight[r]);
            for (int32_t j = 0; j < n; ++j)
                sum = _mm_add_ps(sum, _mm_mul_ps(_mm_mul_ps(_mm_loadu_ps(cw + 8 * size_t(j)), rw),
                                                 _mm_loadu_ps(m.line[r] + at + 3 * j)));
        }
        if (!m.last) {
            _mm_storeu_ps(acc, sum);
            continue;
        }
        // Rounded to nearest even (the default mode) and clamped to 0..255 by saturation, as
        // toByte does for sums that stay far below 2^31.
        const __m128i v = _mm_cvtps_epi32(sum);
        const uint32_t bytes = uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(_mm_packs_epi32(v, v), v)));
        std::memcpy(d, &bytes, 3);
#else
        float sum[3] = {0, 0, 0};
        if (!m.start) std::copy_n(acc, 3, sum);
        for (int32_t r = 0; r < m.rows; ++r)
            for (int32_t j = 0; j < n; ++j) {
                const float w = cw[8 * size_t(j)] * m.rowWeight[r];
                for (int c = 0; c < 3; ++c) sum[c] += w * m.line[r][at + 3 * j + c];
            }
        if (!m.last) {
            std::copy_n(sum, 3, acc);
            continue;
        }
        for (int c = 0; c < 3; ++c) d[c] = salon::toByte(sum[c]);
#endif
    }
}
} // namespace

void mixRowPortable(const RowMix& m)
{
    switch (m.terms) {
    case 1: mixPortable<1>(m); break;
    case 2: mixPortable<2>(m); break;
    case 3: mixPortable<3>(m); break;
    default: mixPortable<0>(m); break;
    }
}

namespace {
// `a` as a W x H pixel array whose padding is 0, its pixels to be written: a new black array, or
// the one it is when it already has that shape (rather than clearing every byte first).
void shape(ByteArray& a, int32_t width, int32_t height)
{
    const size_t stride = size_t(pixels::stride(width));
    if (!pixels::fits(a, width, height) || a.count[1] != height || a.values.size() != stride * size_t(height)) {
        pixels::make(a, width, height);
        return;
    }
    const size_t used = 3 * size_t(width);
    for (int32_t y = 0; y < height; ++y) std::fill_n(a.values.data() + size_t(y) * stride + used, stride - used, 0);
}
} // namespace

int32_t resample(int32_t bmX, int32_t bmY, int32_t nmX, int32_t nmY, const ByteArray& from, ByteArray& to)
{
    static const salon::PixelKernel fastest = salon::fastestPixelKernel();
    return resample(bmX, bmY, nmX, nmY, from, to, fastest);
}

int32_t resample(int32_t bmX, int32_t bmY, int32_t nmX, int32_t nmY, const ByteArray& from, ByteArray& to,
                 salon::PixelKernel kernel)
{
    if (bmX < 1 || bmY < 1 || nmX < 1 || nmY < 1) return 0;  // a zero target has no spans
    if (int64_t(nmX) * nmY > (int64_t(64) << 20) || nmX > (1 << 20) || nmY > (1 << 20)) return 0;
    if (!pixels::fits(from, bmX, bmY)) return 0;
    const float sx = float(bmX) / float(nmX), sy = float(bmY) / float(nmY);
    const ColumnTable cols = columnTable(spans(bmX, nmX, sx));
    Spans rows = spans(bmY, nmY, sy);
    const float norm = sx * sy / 0.996f;
    for (float& w : rows.weight) w /= norm;
    size_t rowTerms = 1;
    for (size_t y = 0; y < size_t(nmY); ++y) rowTerms = std::max(rowTerms, rows.terms(y));

    // Written straight into `to` (its storage reused when it has room), unless it is the source.
    ByteArray own;
    ByteArray& out = &to == &from ? own : to;
    shape(out, nmX, nmY);
    const size_t ds = size_t(pixels::stride(nmX));
    // Enough slots for the rows of one destination row and the next, within 64 MB of floats (a
    // smaller cache converts some rows more than once, with the same floats).
    const size_t slots = std::clamp<size_t>((size_t(16) << 20) / (3 * size_t(bmX) + 1), 1, rowTerms + 1);
    FloatRows source(from.values.data(), size_t(pixels::stride(bmX)), bmX, 3 * size_t(cols.terms) + 1, slots);
    // Each pixel's sum, one lane per channel: every channel takes the same products in the same
    // order as one at a time would - the rows in turn, within a row the columns in turn. Two rows
    // go in one pass over the destination row (enlarging, a row never takes more), further ones
    // through the sums kept in acc.
    std::vector<float> acc(4 * size_t(nmX));
#if defined(SALON_LIBRARY_AVX2)
    const bool avx2 = kernel == salon::PixelKernel::Avx2 && salon::pixelKernelRuns(salon::PixelKernel::Avx2);
#else
    const bool avx2 = false;
#endif
    for (int32_t y = 0; y < nmY; ++y) {
        const size_t terms = rows.terms(size_t(y));
        const float* rowWeights = rows.weights(size_t(y));
        for (size_t k = 0; k < terms; k += 2) {
            RowMix m{};
            m.acc = acc.data();
            m.rows = terms - k >= 2 ? 2 : 1;
            for (int32_t i = 0; i < m.rows; ++i) {
                m.line[i] = source.row(rows.first[size_t(y)] + int32_t(k) + i);
                m.rowWeight[i] = rowWeights[k + size_t(i)];
            }
            m.first = cols.first.data();
            m.columnWeight = cols.weight.data();
            m.terms = cols.terms;
            m.count = nmX;
            m.start = k == 0;
            m.last = k + size_t(m.rows) == terms;
            m.out = out.values.data() + size_t(y) * ds;
#if defined(SALON_LIBRARY_AVX2)
            if (avx2) {
                mixRowAvx2(m);
                continue;
            }
#endif
            mixRowPortable(m);
        }
    }
    if (&out == &own) to = std::move(own);
    return 1;
}

} // namespace pixol::transforms
