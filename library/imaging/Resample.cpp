// Resampling of a pixel array by a box filter: every destination pixel is the average of the
// source area it covers, each source pixel weighed by the fraction of it that lies inside.
#include "library/imaging/PixelArrays.h"
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
// The source columns (rows) one destination column covers and their fractions.
struct Span {
    int32_t first = 0;
    std::vector<float> weights;
};

std::vector<Span> spans(int32_t from, int32_t to, float step)
{
    std::vector<Span> out(static_cast<size_t>(to));
    const float end = float(from) - 0.01f;
    for (int32_t i = 0; i < to; ++i) {
        const float a = float(i) * step;
        const float b = std::min(float(i + 1) * step, end);
        // Single-precision products of large sizes may round up to the edge; no span starts past it.
        const int32_t j0 = std::min(salon::fix(a), from - 1), j1 = std::min(salon::fix(b), from - 1);
        Span& sp = out[size_t(i)];
        sp.first = j0;
        if (j1 <= j0) {
            sp.weights.push_back(std::max(b - a, 0.0f));
            continue;
        }
        sp.weights.push_back(float(j0 + 1) - a);
        for (int32_t j = j0 + 1; j < j1; ++j) sp.weights.push_back(1.0f);
        sp.weights.push_back(b - float(j1));
    }
    return out;
}

// The column spans as tables of the same number of terms for every column, so that the loop over
// a row runs without a branch per column: column x's terms are entries x * terms on, each a source
// byte offset and a weight. A column with fewer terms takes terms of weight 0 at its first pixel;
// a sum (never below 0) plus 0 is the sum, so its bytes stay those of its own terms.
struct ColumnTable {
    int32_t terms = 1;
    std::vector<int32_t> offset;
    std::vector<float> weight;
};

ColumnTable columnTable(const std::vector<Span>& cols)
{
    ColumnTable t;
    for (const Span& c : cols) t.terms = std::max(t.terms, int32_t(c.weights.size()));
    const size_t n = cols.size() * size_t(t.terms);
    t.offset.assign(n, 0);
    t.weight.assign(n, 0.0f);
    for (size_t x = 0; x < cols.size(); ++x) {
        const Span& c = cols[x];
        for (int32_t j = 0; j < t.terms; ++j) {
            const bool own = j < int32_t(c.weights.size());
            t.offset[x * size_t(t.terms) + size_t(j)] = 3 * (c.first + (own ? j : 0));
            if (own) t.weight[x * size_t(t.terms) + size_t(j)] = c.weights[size_t(j)];
        }
    }
    return t;
}

// Source rows as floats, each converted once while the rows of consecutive destination rows
// overlap: row j lives in slot j % slots. One more float per row for the fourth lane of the last
// pixel.
class FloatRows {
public:
    FloatRows(const uint8_t* bytes, size_t stride, int32_t width, size_t slots)
        : m_bytes(bytes), m_stride(stride), m_length(3 * size_t(width)), m_tag(slots, -1),
          m_values(slots * (m_length + 1), 0.0f)
    {
    }
    const float* row(int32_t j)
    {
        const size_t slot = size_t(j) % m_tag.size();
        float* line = m_values.data() + slot * (m_length + 1);
        if (m_tag[slot] != j) {
            const uint8_t* src = m_bytes + size_t(j) * m_stride;
            for (size_t i = 0; i < m_length; ++i) line[i] = float(src[i]);
            m_tag[slot] = j;
        }
        return line;
    }

private:
    const uint8_t* m_bytes;
    size_t m_stride, m_length;
    std::vector<int32_t> m_tag;
    std::vector<float> m_values;
};

// acc[x] (one lane per channel, the fourth unused) += weight times pixel over column x's terms,
// in their order; `weight` already carries the row's weight.
template <int Terms>
void accumulate(float* acc, const float* line, const int32_t* offset, const float* weight, int32_t count,
                int32_t terms)
{
    const int32_t n = Terms > 0 ? Terms : terms;
    for (int32_t x = 0; x < count; ++x, acc += 4, offset += n, weight += n) {
#if defined(__SSE2__)
        __m128 sum = _mm_loadu_ps(acc);
        for (int32_t j = 0; j < n; ++j)
            sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(weight[j]), _mm_loadu_ps(line + offset[j])));
        _mm_storeu_ps(acc, sum);
#else
        for (int32_t j = 0; j < n; ++j)
            for (int c = 0; c < 3; ++c) acc[c] += weight[j] * line[offset[j] + c];
#endif
    }
}

void accumulateRow(float* acc, const float* line, const ColumnTable& t, const float* weight, int32_t count)
{
    switch (t.terms) {
    case 1: accumulate<1>(acc, line, t.offset.data(), weight, count, 1); break;
    case 2: accumulate<2>(acc, line, t.offset.data(), weight, count, 2); break;
    case 3: accumulate<3>(acc, line, t.offset.data(), weight, count, 3); break;
    default: accumulate<0>(acc, line, t.offset.data(), weight, count, t.terms); break;
    }
}

// Each lane rounded half to even and clamped to a byte.
void storeRow(const float* acc, uint8_t* d, int32_t count)
{
    for (int32_t x = 0; x < count; ++x, acc += 4, d += 3) {
#if defined(__SSE2__)
        // Rounded to nearest even (the default mode) and clamped to 0..255 by saturation, as
        // toByte does for sums that stay far below 2^31.
        const __m128i n = _mm_cvtps_epi32(_mm_loadu_ps(acc));
        const uint32_t v = uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(_mm_packs_epi32(n, n), n)));
        std::memcpy(d, &v, 3);
#else
        for (int c = 0; c < 3; ++c) d[c] = salon::toByte(acc[c]);
#endif
    }
}
} // namespace

int32_t resample(int32_t bmX, int32_t bmY, int32_t nmX, int32_t nmY, const ByteArray& from, ByteArray& to)
{
    if (bmX < 1 || bmY < 1 || nmX < 1 || nmY < 1) return 0;  // a zero target has no spans
    if (int64_t(nmX) * nmY > (int64_t(64) << 20) || nmX > (1 << 20) || nmY > (1 << 20)) return 0;
    if (!pixels::fits(from, bmX, bmY)) return 0;
    const float sx = float(bmX) / float(nmX), sy = float(bmY) / float(nmY);
    const ColumnTable cols = columnTable(spans(bmX, nmX, sx));
    std::vector<Span> rows = spans(bmY, nmY, sy);
    const float norm = sx * sy / 0.996f;
    size_t rowTerms = 1;
    for (Span& r : rows) {
        for (float& w : r.weights) w /= norm;
        rowTerms = std::max(rowTerms, r.weights.size());
    }

    ByteArray out;
    pixels::make(out, nmX, nmY);
    const size_t ds = size_t(pixels::stride(nmX));
    // Enough slots for the rows of one destination row and the next, within 64 MB of floats (a
    // smaller cache converts some rows more than once, with the same floats).
    const size_t slots = std::clamp<size_t>((size_t(16) << 20) / (3 * size_t(bmX) + 1), 1, rowTerms + 1);
    FloatRows source(from.values.data(), size_t(pixels::stride(bmX)), bmX, slots);
    // Each pixel's sum, one lane per channel: every channel takes the same products in the same
    // order as one at a time would - the rows in turn, within a row the columns in turn.
    std::vector<float> acc(4 * size_t(nmX));
    std::vector<float> weight(cols.weight.size());
    for (int32_t y = 0; y < nmY; ++y) {
        std::fill(acc.begin(), acc.end(), 0.0f);
        const Span& r = rows[size_t(y)];
        for (size_t k = 0; k < r.weights.size(); ++k) {
            // The column weights times this row's weight, once for the whole row.
            const float rw = r.weights[k];
            for (size_t i = 0; i < weight.size(); ++i) weight[i] = cols.weight[i] * rw;
            accumulateRow(acc.data(), source.row(r.first + int32_t(k)), cols, weight.data(), nmX);
        }
        storeRow(acc.data(), out.values.data() + size_t(y) * ds, nmX);
    }
    to = std::move(out);
    return 1;
}

} // namespace pixol::transforms
