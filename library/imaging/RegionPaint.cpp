// Filling, drawing and clipping picture surfaces with regions.
#include "RegionBuilders.h"
#include "RegionHandles.h"
#include "RegionToolkit.h"
#include "library/frame/LibraryState.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <map>
#include <random>

namespace pixol::regions {

using salon::Rect;
using salon::Region;

namespace {

// The library brush of a brush number: 0 the null brush (table entry 0), 1-5 the stock greys
// (entries 6-10), 6-10 the pattern brushes (entries 1-5). Null when the table is not filled.
const Brush* libraryBrush(int32_t number)
{
    const int entry = number == 0 ? 0 : number <= 5 ? number + 5 : number - 5;
    return state().brushes.find(state().brushSet[size_t(entry)]);
}

// One channel of the random colour: [0, 1) times 256 rounded half to even, 256 held at 255.
uint32_t randomChannel()
{
    const float u = std::generate_canonical<float, 24>(state().random);
    return uint32_t(std::min(salon::roundHalfEven(u * 256.0f), int32_t(255)));
}

void fillWithBrush(salon::Surface& obj, const Region& region, const Brush& brush)
{
    if (brush.kind == Brush::Kind::Null) return;
    if (brush.kind == Brush::Kind::Solid || brush.pattern.isNull()) {
        obj.fillRegion(region, brush.colour);
        return;
    }
    // A pattern tiles from the surface's origin: gather the region's pixels by the colour the tile
    // gives them and fill each colour's pixels at once, so the surface's clip still applies.
    const Region area = region.intersected(Region::rect(0, 0, obj.drawableWidth(), obj.drawableHeight()));
    std::map<uint32_t, std::vector<Rect>> byColour;
    for (const Rect& r : area.rects())
        for (int32_t y = r.top; y < r.bottom; ++y) {
            int32_t runStart = r.left;
            uint32_t runColour = *brush.colourAt(r.left, y);
            for (int32_t x = r.left + 1; x <= r.right; ++x) {
                const bool end = x == r.right;
                const uint32_t c = end ? 0 : *brush.colourAt(x, y);
                if (end || c != runColour) {
                    byColour[runColour].push_back(Rect{runStart, y, x, y + 1});
                    runStart = x;
                    runColour = c;
                }
            }
        }
    for (auto& [colour, rects] : byColour) {
        std::sort(rects.begin(), rects.end(),
                  [](const Rect& a, const Rect& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; });
        obj.fillRegion(Region::fromRects(rects), colour);
    }
}

} // namespace

int32_t paint(salon::Surface& obj, int32_t h, int32_t brushNumber, int32_t colour)
{
    const Region* r = regionOf(h);
    if (!r || brushNumber < 0 || brushNumber > 12) return 0;
    if (brushNumber == 11 || brushNumber == 12) {
        uint32_t c = uint32_t(colour) & 0xFFFFFFu;
        if (brushNumber == 11) {
            const uint32_t red = randomChannel(), green = randomChannel(), blue = randomChannel();
            c = red + 256 * green + 65536 * blue;
        }
        obj.fillRegion(*r, c);
    } else {
        const Brush* brush = libraryBrush(brushNumber);
        if (!brush) return 0;
        fillWithBrush(obj, *r, *brush);
    }
    // A long fill keeps the caller's window alive.
    if (state().ui) state().ui->processEvents();
    return 1;
}

int32_t clipSurface(salon::Surface& obj, int32_t h)
{
    const Region* r = regionOf(h);
    obj.setClip(r ? *r : Region::rect(0, 0, obj.drawableWidth(), obj.drawableHeight()));
    return 1;
}

int32_t clipSurface(int32_t dc, int32_t h, int32_t width, int32_t height)
{
    salon::Surface* s = state().deviceContexts.find(dc);
    if (!s) return 0;
    const Region* r = regionOf(h);
    s->setClip(r ? *r : Region::rect(0, 0, width, height));
    return 1;
}

int32_t drawPolygons(int32_t dc, const SingleArray& xs, const SingleArray& ys, const LongArray& counts,
                     int32_t polygons)
{
    salon::Surface* s = state().deviceContexts.find(dc);
    if (!s || polygons < 1 || counts.lower != 0 || xs.lower != ys.lower || xs.size() != ys.size()) return 0;
    auto pts = pointList(xs, ys, xs.lower, xs.size());
    if (!pts || pts->size() < 3 || !counts.has(polygons - 1)) return 0;
    std::vector<int32_t> cs(counts.values.begin(), counts.values.begin() + polygons);
    int64_t total = 0;
    for (int32_t c : cs) {
        if (c < 2) return 0;
        total += c;
    }
    if (total > int64_t(pts->size())) return 0;
    // One pass over the whole set: the platform's chunks would each apply the even-odd rule on
    // their own and paint overlaps between chunks as inside.
    s->drawPolygons(std::span<const salon::Point>(pts->data(), size_t(total)), cs, salon::FillRule::EvenOdd);
    return 1;
}

} // namespace pixol::regions
