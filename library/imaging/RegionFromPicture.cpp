#include "RegionFromPicture.h"

#include "RegionHandles.h"

#include <cstdlib>
#include <deque>
#include <vector>

namespace pixol::regions {

using salon::Rect;
using salon::Region;

namespace {

struct Run {
    int32_t x0, x1;
};

// The runs of "in" pixels of every row, as banded rectangles (one row per band).
template <class In>
std::vector<Rect> rowRuns(const salon::Bitmap& px, In in)
{
    std::vector<Rect> rects;
    for (int32_t y = 0; y < px.height; ++y) {
        const uint8_t* row = px.row(y);
        int32_t x = 0;
        while (x < px.width) {
            while (x < px.width && !in(row + 3 * x)) ++x;
            if (x == px.width) break;
            const int32_t start = x;
            while (x < px.width && in(row + 3 * x)) ++x;
            rects.push_back(Rect{start, y, x, y + 1});
        }
    }
    return rects;
}

} // namespace

int32_t fromPicture(const salon::Surface& obj, int32_t typ, int32_t delta, int32_t colour)
{
    if (typ < 0 || typ > 13 || delta < 0 || delta > 100 || colour < 0 || colour > 0xFFFFFF) return 0;
    const salon::Bitmap px = obj.readRows();
    if (px.isNull()) return 0;
    const int kind = typ % 7;
    const int threshold = kind == 0 ? 7 : kind == 1 ? 15 : kind == 2 ? delta : kind == 3 ? 248 : kind == 4 ? 240
                                                                                           : 255 - delta;
    const int cr = colour & 0xFF, cg = (colour >> 8) & 0xFF, cb = (colour >> 16) & 0xFF;
    auto in = [&](const uint8_t* p) {  // p: blue, green, red
        if (kind <= 2) return p[0] > threshold || p[1] > threshold || p[2] > threshold;
        if (kind <= 5) return p[0] < threshold || p[1] < threshold || p[2] < threshold;
        const bool near = std::abs(p[2] - cr) <= delta && std::abs(p[1] - cg) <= delta && std::abs(p[0] - cb) <= delta;
        return !near;
    };
    // Runs of one row are one-pixel-high rectangles; building them as rectangles gives exactly what
    // filling their quadrilaterals would.
    Region found = Region::fromRects(rowRuns(px, in));
    if (typ >= 7) found = Region::rect(0, 0, px.width, px.height).subtracted(found);
    int32_t made = handOut(std::move(found));
    testRegion(made, 0);
    return made;
}

int32_t magicWand(const salon::Surface& obj, int32_t tolerance, int32_t seedX, int32_t seedY)
{
    const int32_t w = obj.drawableWidth(), h = obj.drawableHeight();
    if (tolerance < 0 || tolerance > 100 || w <= 20 || h <= 20 || seedX < 0 || seedX >= w || seedY < 0 || seedY >= h)
        return 0;
    const salon::Bitmap px = obj.readRows();
    if (px.isNull()) return 0;
    const uint8_t* seed = px.row(seedY) + 3 * seedX;
    const uint8_t sb = seed[0], sg = seed[1], sr = seed[2];
    auto matches = [&](const uint8_t* p) {
        return std::abs(p[0] - sb) <= tolerance && std::abs(p[1] - sg) <= tolerance && std::abs(p[2] - sr) <= tolerance;
    };
    const std::vector<Rect> runs = rowRuns(px, matches);
    std::vector<size_t> rowFirst(size_t(h) + 1, runs.size());
    for (size_t i = runs.size(); i-- > 0;) rowFirst[size_t(runs[i].top)] = i;
    for (int32_t y = h - 1; y >= 0; --y)
        if (rowFirst[size_t(y)] > rowFirst[size_t(y) + 1]) rowFirst[size_t(y)] = rowFirst[size_t(y) + 1];

    size_t start = runs.size();
    for (size_t i = rowFirst[size_t(seedY)]; i < rowFirst[size_t(seedY) + 1]; ++i)
        if (runs[i].left <= seedX && seedX < runs[i].right) start = i;
    if (start == runs.size()) return 0;

    // Breadth-first over runs; runs join only through overlapping spans (four-neighbour connection),
    // so areas touching at a corner stay apart.
    std::vector<bool> marked(runs.size(), false);
    std::deque<size_t> queue{start};
    marked[start] = true;
    while (!queue.empty()) {
        const Rect r = runs[queue.front()];
        queue.pop_front();
        for (int32_t ny : {r.top - 1, r.top + 1}) {
            if (ny < 0 || ny >= h) continue;
            for (size_t j = rowFirst[size_t(ny)]; j < rowFirst[size_t(ny) + 1]; ++j) {
                if (runs[j].left >= r.right) break;
                if (!marked[j] && r.left < runs[j].right) {
                    marked[j] = true;
                    queue.push_back(j);
                }
            }
        }
    }
    std::vector<Rect> chosen;
    for (size_t i = 0; i < runs.size(); ++i)
        if (marked[i]) chosen.push_back(runs[i]);
    int32_t made = handOut(Region::fromRects(chosen));
    testRegion(made, 0);
    return made;
}

} // namespace pixol::regions
