#pragma once
// A picture object whose pixel (x, y) has colour(x, y), made persistent, for tests that transform
// pictures and check pixels worked out by hand.
#include "platform/Surface.h"

#include <cstdint>
#include <functional>

namespace pixol::test {

inline salon::Surface painted(int32_t w, int32_t h, const std::function<uint32_t(int32_t, int32_t)>& colour)
{
    salon::Surface s(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) s.image().setPixel(x, y, colour(x, y));
    s.keepImage();
    return s;
}

} // namespace pixol::test
