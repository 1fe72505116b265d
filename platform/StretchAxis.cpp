#include "platform/StretchAxis.h"

#include <algorithm>

namespace salon {

StretchAxis stretchAxis(int64_t start, int64_t S, int64_t D, int32_t limit, StretchMode mode)
{
    StretchAxis m;
    m.first.reserve(size_t(D) + 1);
    for (int64_t i = 0; i < D; ++i) {
        m.first.push_back(uint32_t(m.taps.size()));
        if (mode == StretchMode::Halftone) {
            const int64_t lo = i * S, hi = (i + 1) * S;  // in units of 1/D source pixel
            for (int64_t j = lo / D; j * D < hi; ++j) {
                int64_t overlap = std::min(hi, (j + 1) * D) - std::max(lo, j * D);
                if (overlap > 0) m.taps.push_back(StretchTap{clampIndex(start + j, limit), uint32_t(overlap)});
            }
        } else if ((mode == StretchMode::BlackOnWhite || mode == StretchMode::WhiteOnBlack) && S > D) {
            const int64_t lo = (i * S + D - 1) / D, hi = ((i + 1) * S + D - 1) / D;  // starts in range
            for (int64_t j = lo; j < hi; ++j) m.taps.push_back(StretchTap{clampIndex(start + j, limit), 1});
        } else {
            m.taps.push_back(StretchTap{clampIndex(start + (2 * i + 1) * S / (2 * D), limit), 1});
        }
    }
    m.first.push_back(uint32_t(m.taps.size()));
    m.total = mode == StretchMode::Halftone ? uint64_t(S) : 1;
    return m;
}

} // namespace salon
