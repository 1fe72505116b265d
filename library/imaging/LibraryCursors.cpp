#include "library/imaging/LibraryCursors.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace pixol::cursors {

namespace {

constexpr int32_t Size = 32, Centre = 16;

// The outline pixels of one cursor.
std::vector<std::pair<int32_t, int32_t>> outline(int32_t resource)
{
    std::vector<std::pair<int32_t, int32_t>> px;
    auto circle = [&](int32_t r) {
        for (int32_t y = 0; y < Size; ++y)
            for (int32_t x = 0; x < Size; ++x) {
                const float d = std::hypot(float(x - Centre), float(y - Centre));
                if (std::fabs(d - float(r)) < 0.5f) px.emplace_back(x, y);
            }
    };
    auto cross = [&](int32_t gap, int32_t arm) {
        for (int32_t k = gap + 1; k <= arm; ++k) {
            px.emplace_back(Centre + k, Centre);
            px.emplace_back(Centre - k, Centre);
            px.emplace_back(Centre, Centre + k);
            px.emplace_back(Centre, Centre - k);
        }
        if (gap == 0) px.emplace_back(Centre, Centre);
    };
    if (resource <= 25) {
        circle(resource - 9);
    } else if (resource <= 41) {
        circle(resource - 25);
        cross(0, 2);
    } else if (resource <= 49) {
        cross(resource - 42, 12);
    } else {
        const int32_t half = resource - 49;  // side 2 half + 1
        for (int32_t k = -half; k <= half; ++k) {
            px.emplace_back(Centre + k, Centre - half);
            px.emplace_back(Centre + k, Centre + half);
            px.emplace_back(Centre - half, Centre + k);
            px.emplace_back(Centre + half, Centre + k);
        }
    }
    return px;
}

} // namespace

std::optional<Cursor> find(int32_t resource)
{
    if (resource < First || resource > Last) return std::nullopt;
    Cursor c;
    c.colour = salon::Bitmap::rgb24(Size, Size);
    c.mask = salon::Bitmap::rgb24(Size, Size);
    for (int32_t y = 0; y < Size; ++y)
        for (int32_t x = 0; x < Size; ++x) c.mask.setPixel(x, y, 0xFFFFFF);
    const auto line = outline(resource);
    // The white halo first (every neighbour of the outline), then the black outline over it.
    for (auto [x, y] : line)
        for (int32_t dy = -1; dy <= 1; ++dy)
            for (int32_t dx = -1; dx <= 1; ++dx) {
                const int32_t hx = x + dx, hy = y + dy;
                if (hx < 0 || hy < 0 || hx >= Size || hy >= Size) continue;
                c.mask.setPixel(hx, hy, 0);
                c.colour.setPixel(hx, hy, 0xFFFFFF);
            }
    for (auto [x, y] : line)
        if (x >= 0 && y >= 0 && x < Size && y < Size) c.colour.setPixel(x, y, 0);
    return c;
}

} // namespace pixol::cursors
