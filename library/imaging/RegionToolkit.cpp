#include "RegionToolkit.h"

#include "RegionBuilders.h"
#include "RegionHandles.h"
#include "RegionMorphology.h"
#include "library/frame/LibraryState.h"

#include <algorithm>

namespace pixol::regions {

using salon::Rect;
using salon::Region;

namespace {

constexpr int32_t MaxSteps = 16;

bool stepsInRange(int32_t steps) { return steps >= 1 && steps <= MaxSteps; }

StepKind kindOf(bool octagon) { return octagon ? StepKind::Octagon : StepKind::Square; }

// A copy of the region behind a handle that has passed the validity test.
Region valueOf(int32_t h)
{
    const Region* r = regionOf(h);
    return r ? *r : Region::invalid();
}

// A rectangle given by position and size, when its far corner stays in the 32-bit plane.
std::optional<Rect> sizedRect(int32_t left, int32_t top, int32_t width, int32_t height)
{
    const int64_t right = int64_t(left) + width, bottom = int64_t(top) + height;
    if (right > INT32_MAX || bottom > INT32_MAX) return std::nullopt;
    return Rect{left, top, int32_t(right), int32_t(bottom)};
}

} // namespace

int32_t combine(int32_t& h1, int32_t& h2, int32_t typ)
{
    if (typ < 1 || typ > 15) return 0;
    if (testRegion(h1, 1) == 0 || testRegion(h2, 1) == 0) return 0;
    const Region a = valueOf(h1), b = valueOf(h2);
    Region r;
    switch ((typ - 1) % 5) {
    case 0: r = a.intersected(b); break;
    case 1: r = a.united(b); break;
    case 2: r = a.xored(b); break;
    case 3: r = a.subtracted(b); break;
    default: r = b.subtracted(a); break;
    }
    const int32_t made = handOut(std::move(r));
    if (made == 0 || typ <= 5) return made;
    // Release before storing: the caller may pass one variable as both handles, and then the
    // variable must end up holding the result. The same region named twice is released once.
    const int32_t old1 = h1, old2 = h2;
    int32_t gone = old1;
    release(gone);
    if (typ >= 11) {
        if (old2 != old1) {
            gone = old2;
            release(gone);
        }
        h2 = 0;
    }
    h1 = made;
    return made;
}

int32_t copy(int32_t& h)
{
    if (testRegion(h, 1) == 0) return 0;
    return handOut(valueOf(h));
}

int32_t moveCopy(int32_t& h, int32_t x, int32_t y)
{
    if (testRegion(h, 1) == 0) return 0;
    return handOut(valueOf(h).offsetted(x, y));
}

int32_t clipToRect(int32_t& h, int32_t left, int32_t top, int32_t right, int32_t bottom, bool novy)
{
    if (left >= right || top >= bottom || testRegion(h, 1) == 0) return 0;
    return deliver(h, valueOf(h).intersected(Region::rect(left, top, right, bottom)), novy);
}

int32_t invertInRect(int32_t& h, int32_t left, int32_t top, int32_t right, int32_t bottom, bool novy)
{
    if (left >= right || top >= bottom || testRegion(h, 1) == 0) return 0;
    return deliver(h, Region::rect(left, top, right, bottom).subtracted(valueOf(h)), novy);
}

int32_t shrink(int32_t& h, int32_t steps, bool octagon, bool novy)
{
    if (!stepsInRange(steps) || testRegion(h, 0) == 0) return 0;
    Region r = regions::shrink(valueOf(h), steps, kindOf(octagon));
    if (!r.isValid()) return 0;
    if (r.isEmpty()) {
        if (!novy) release(h);
        return 0;
    }
    return deliver(h, std::move(r), novy);
}

int32_t grow(int32_t& h, int32_t steps, bool octagon, bool novy)
{
    if (!stepsInRange(steps) || testRegion(h, 0) == 0) return 0;
    return deliver(h, regions::grow(valueOf(h), steps, kindOf(octagon)), novy);
}

int32_t smooth(int32_t& h, int32_t steps, bool novy)
{
    if (!stepsInRange(steps) || testRegion(h, 0) == 0) return 0;
    const Region grown = regions::grow(valueOf(h), steps, StepKind::Octagon);
    Region closed = regions::shrink(grown, steps, StepKind::Octagon);
    if (!closed.isValid() || closed.isEmpty()) return 0;
    return deliver(h, std::move(closed), novy);
}

int32_t innerBorder(int32_t& h, bool novy)
{
    if (testRegion(h, 1) != 1) return 0;
    const Region r = valueOf(h);
    const Region core = shrinkStep(r, StepShape::Diagonal);
    if (!core.isValid() || core.isEmpty()) return 0;
    Region border = r.subtracted(core);
    if (!border.isValid() || border.isEmpty()) return 0;
    return deliver(h, std::move(border), novy);
}

int32_t frame(int32_t& h, int32_t width, int32_t where, bool novy)
{
    if (testRegion(h, 0) == 0 || width < 1 || width > MaxSteps) return 0;
    const Region r = valueOf(h);
    Region outer, inner;
    switch (where) {
    case 1:
        outer = regions::grow(r, width, StepKind::Square);
        inner = r;
        break;
    case 2:
        outer = width / 2 == 0 ? r : regions::grow(r, width / 2, StepKind::Square);
        inner = regions::shrink(r, width - width / 2, StepKind::Square);
        break;
    case 3:
        outer = r;
        inner = regions::shrink(r, width, StepKind::Square);
        break;
    default: return 0;
    }
    // A shrunk copy that vanished is a copy that could not be made, as for RgnZmensi.
    if (!outer.isValid() || !inner.isValid() || inner.isEmpty()) return 0;
    Region ring = outer.subtracted(inner);
    if (!ring.isValid() || ring.isEmpty()) return 0;
    return deliver(h, std::move(ring), novy);
}

int32_t objectOutline(int32_t& h, int32_t& outside, int32_t& core, int32_t& band, int32_t steps)
{
    release(outside);
    release(core);
    release(band);
    int32_t g = grow(h, 1, true, true);
    int32_t k = h != 0 ? shrink(h, std::max(steps, int32_t(1)), true, true) : 0;
    if (g == 0 || k == 0) {
        release(g);
        release(k);
        return 0;
    }
    const Region r = valueOf(h);
    const int32_t v = handOut(valueOf(g).subtracted(r));
    const int32_t c = handOut(r.subtracted(valueOf(k)));
    release(g);
    if (v == 0 || c == 0) {
        int32_t vv = v, cc = c;
        release(vv);
        release(cc);
        release(k);
        return 0;
    }
    outside = v;
    band = c;
    core = k;
    return 1;
}

int32_t fillGaps(int32_t& h, bool vertical, bool horizontal, uint8_t hg)
{
    if (testRegion(h, 0) == 0) return 0;
    Region r = regions::fillGaps(valueOf(h), vertical, horizontal, hg);
    if (!r.isValid()) return 0;
    *state().regions.find(uint32_t(h)) = std::move(r);
    return 1;
}

int32_t readOut(int32_t h, LongArray& data, int32_t& elements, int32_t left, int32_t top, int32_t width,
                int32_t height, int32_t& boxLeft, int32_t& boxTop, int32_t& boxWidth, int32_t& boxHeight)
{
    auto failWith = [&](int32_t result) {
        data.redim(1, 1);
        return result;
    };
    if (width < 1 || height < 1) return failWith(-1);
    const std::optional<Rect> area = sizedRect(left, top, width, height);
    if (!area) return failWith(0);
    Region work;
    if (h == 0) {
        work = Region::rect(*area);
    } else {
        // A handle that names no region is refused rather than read as "everything": a stale
        // handle must not widen an area transform to the whole rectangle.
        const Region* r = regionOf(h);
        if (!r) return failWith(0);
        if (r->isEmpty()) return failWith(-1);
        work = r->intersected(Region::rect(*area));
        if (!work.isValid()) return failWith(0);
        if (work.isEmpty()) return failWith(-1);
    }
    const std::vector<int32_t> d = work.data();
    if (d.size() * 4 <= 35) return failWith(0);
    data.redim(1, int32_t(d.size()));
    std::copy(d.begin(), d.end(), data.values.begin());
    elements = int32_t(d.size());
    const Rect box = work.bounds();
    boxLeft = box.left;
    boxTop = box.top;
    boxWidth = box.width();
    boxHeight = box.height();
    return 1;
}

int32_t fromStore(int32_t count, int32_t which, const LongArray& sizes, const LongArray& store)
{
    if (which < 1 || which > count) return 0;
    int64_t start = 1;
    for (int32_t k = 1; k < which; ++k) {
        if (!sizes.has(k) || sizes(k) < 0) return 0;
        start += sizes(k);
    }
    if (!sizes.has(which) || sizes(which) < 8) return 0;
    const int64_t end = start + sizes(which) - 1;
    if (start > INT32_MAX || end > INT32_MAX || !store.has(int32_t(start)) || !store.has(int32_t(end))) return 0;
    const size_t offset = size_t(start - store.lower);
    const std::span<const int32_t> piece(store.values.data() + offset, size_t(sizes(which)));
    int32_t made = handOut(Region::fromData(piece));
    testRegion(made, 0);
    return made;
}

int32_t fromQuadPoints(const SingleArray& xs, const SingleArray& ys, int32_t points)
{
    if (points < 0 || points % 4 != 0 || xs.lower != ys.lower || xs.size() != ys.size() || points > xs.size())
        return 0;
    auto pts = pointList(xs, ys, xs.lower, points);
    if (!pts) return 0;
    int32_t made = handOut(fromQuads(*pts));
    testRegion(made, 0);
    return made;
}

int32_t copyWithPolygons(int32_t& h, const SingleArray& xs, const SingleArray& ys, const LongArray& counts,
                         int32_t polygons, int32_t points, int32_t& hCopy, SingleArray& xsCopy, SingleArray& ysCopy,
                         LongArray& countsCopy, int32_t& polygonsCopy, int32_t& pointsCopy)
{
    int32_t made = copy(h);
    // A set of one polygon may come with its count array dimensioned 0..0.
    const bool countsFit = counts.lower == 0 && (counts.upper() > 0 || (counts.upper() == 0 && polygons == 1));
    const bool pointsFit = xs.lower == 0 && ys.lower == 0 && xs.upper() > 0 && xs.upper() == ys.upper();
    const bool sizesFit = polygons >= 0 && points >= 0 && polygons <= counts.size() && points <= xs.size();
    if (made == 0 || !countsFit || !pointsFit || !sizesFit) {
        release(made);
        xsCopy.redim(0, 0);
        ysCopy.redim(0, 0);
        countsCopy.redim(0, 0);
        polygonsCopy = 0;
        pointsCopy = 0;
        return 0;
    }
    // Copied before anything is stored, so the source may be passed as its own copy.
    SingleArray nx = xs, ny = ys;
    LongArray nc = counts;
    xsCopy = std::move(nx);
    ysCopy = std::move(ny);
    countsCopy = std::move(nc);
    polygonsCopy = polygons;
    pointsCopy = points;
    hCopy = made;
    return 1;
}

} // namespace pixol::regions
