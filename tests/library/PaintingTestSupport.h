#pragma once
// Small pixel arrays for the painting tests: a W x H array in the library's layout, filled with one
// colour, and pixel access by (x, y) in blue, green, red order.
#include "library/Pixolf.h"
#include "platform/Numbers.h"

#include <array>

namespace painting_test {

using Bgr = std::array<int, 3>;

inline pixol::ByteArray pixelArray(int32_t w, int32_t h, Bgr fill)
{
    pixol::ByteArray a;
    a.redim(0, salon::rowBytes24(w) - 1, 0, h - 1);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int ch = 0; ch < 3; ++ch) a(3 * x + ch, y) = uint8_t(fill[size_t(ch)]);
    return a;
}

inline Bgr px(const pixol::ByteArray& a, int32_t x, int32_t y)
{
    return {a(3 * x, y), a(3 * x + 1, y), a(3 * x + 2, y)};
}

inline void setPx(pixol::ByteArray& a, int32_t x, int32_t y, Bgr c)
{
    for (int ch = 0; ch < 3; ++ch) a(3 * x + ch, y) = uint8_t(c[size_t(ch)]);
}

inline pixol::ByteArray mask(int32_t w, int32_t h, uint8_t v)
{
    pixol::ByteArray m;
    m.redim(0, w - 1, 0, h - 1);
    for (auto& b : m.values) b = v;
    return m;
}

} // namespace painting_test
