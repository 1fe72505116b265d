#include "platform/Region.h"

#include "platform/Numbers.h"
#include "platform/PolygonScan.h"

#include <pixman.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

// Rules this file keeps:
//
// - Every Impl holds a pixman region that passed pixman's own validation; a pixman call that
//   reports failure (out of memory) turns the result Invalid instead of leaving a broken region.
// - Polygon sets are scan converted by our own scan (PolygonScan.h), not by pixman, whose rule
//   differs; the banded rectangles go to pixman in one call.
// - Ellipses and rounded rectangles keep the platform's extent: the shape of (l,t,r,b) lies in
//   l <= x < r - 1, t <= y < b - 1. Each corner row is inset by whole pixels, traced by the
//   platform's integer midpoint walk (ellipseInsets); the shape is symmetric in both axes.

namespace salon {

struct Region::Impl {
    pixman_region32_t r;
    Impl() { pixman_region32_init(&r); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;
    ~Impl() { pixman_region32_fini(&r); }
};

namespace {

__extension__ typedef __int128 Int128;

// Beyond this many rectangles a region is refused as Invalid rather than exhausting memory; a
// picture region of the programs stays far below it.
constexpr size_t MaxRects = size_t(1) << 24;

void checkInvariant([[maybe_unused]] pixman_region32_t* r)
{
#ifndef NDEBUG
    assert(pixman_region32_selfcheck(r));
#endif
}

} // namespace

// Reaches the pixman region of a value for the code of this file (and the surface code).
struct RegionAccess {
    static pixman_region32_t* raw(Region& r) { return r.m ? &r.m->r : nullptr; }
    static const pixman_region32_t* raw(const Region& r) { return r.m ? &r.m->r : nullptr; }
    static Region fromBoxes(std::vector<pixman_box32_t>& boxes);
};

namespace {
Region fromBoxes(std::vector<pixman_box32_t>& boxes) { return RegionAccess::fromBoxes(boxes); }
} // namespace

// ---- construction and state ----

Region::Region() : m(std::make_unique<Impl>()) {}

Region::Region(const Region& o)
{
    if (!o.m) return;
    m = std::make_unique<Impl>();
    if (!pixman_region32_copy(&m->r, &o.m->r)) m.reset();
}

Region::Region(Region&&) noexcept = default;

Region& Region::operator=(const Region& o)
{
    if (this != &o) *this = Region(o);
    return *this;
}

Region& Region::operator=(Region&&) noexcept = default;
Region::~Region() = default;

Region Region::invalid()
{
    Region r;
    r.m.reset();
    return r;
}

Region Region::rect(const Rect& rc) { return rect(rc.left, rc.top, rc.right, rc.bottom); }

Region Region::rect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    // The platform orders the corners itself; an empty rectangle makes an empty region.
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    Region out;
    if (left < right && top < bottom) {
        pixman_region32_fini(&out.m->r);
        pixman_region32_init_rect(&out.m->r, left, top, uint32_t(int64_t(right) - left),
                                  uint32_t(int64_t(bottom) - top));
    }
    return out;
}

namespace {

// Columns to leave out at each end of row k (0 = top) of an ellipse ew x eh pixels large, by pixel
// centres: a pixel is in when its centre lies inside or on the ellipse. Only for widths no picture
// reaches, where the platform's walk below would take too long.
std::vector<int64_t> ellipseInsetsByCentres(int64_t ew, int64_t eh)
{
    std::vector<int64_t> insets(size_t(eh), 0);
    // Doubled coordinates keep the centre (ew/2, eh/2) and the pixel centres whole numbers.
    const Int128 a2 = Int128(ew) * ew, b2 = Int128(eh) * eh, ab = a2 * b2;
    const int64_t most = (ew - 1) / 2;  // every row keeps its middle pixel(s)
    for (int64_t k = 0; k < eh; ++k) {
        const int64_t dy2 = 2 * k + 1 - eh;
        const Int128 rest = ab - Int128(dy2) * dy2 * a2;
        auto inside = [&](int64_t j) {
            int64_t dx2 = 2 * j + 1 - ew;
            return Int128(dx2) * dx2 * b2 <= rest;
        };
        // Estimate from the real solution, then settle exactly.
        double t = 1.0 - double(dy2) * double(dy2) / double(b2);
        double half2 = t > 0 ? double(ew) * std::sqrt(t) : 0.0;  // doubled half-width
        int64_t j = std::clamp<int64_t>(int64_t((double(ew) - half2) / 2.0), 0, most);
        while (j > 0 && inside(j - 1)) --j;
        while (j < most && !inside(j)) ++j;
        insets[size_t(k)] = j;
    }
    return insets;
}

// Columns to leave out at each end of row k (0 = top) of an ellipse ew x eh pixels large, as the
// platform traces it: an integer midpoint walk (Zingl's) over the lower right quarter from the middle
// row outwards; a row's inset is the column the walk stands on when it steps onto that row, and the
// upper half mirrors the lower. A row may come out empty (the platform's tips of small ellipses are
// flat). Rows of tall narrow shapes that the walk never reaches keep their middle pixel(s); the
// platform leaves those rows undefined.
std::vector<int64_t> ellipseInsets(int64_t ew, int64_t eh)
{
    if (ew > (int64_t(1) << 24)) return ellipseInsetsByCentres(ew, eh);
    const int64_t most = (ew - 1) / 2;
    std::vector<int64_t> insets(size_t(eh), -1);
    const Int128 a = ew - 1, b = eh - 1;
    const Int128 asq = 8 * a * a, bsq = 8 * b * b;
    Int128 dx = 4 * b * b * (1 - a), dy = 4 * a * a * (1 + b % 2);
    Int128 err = dx + dy + a * a * (b % 2);
    int64_t x = 0, y = eh / 2;
    insets[size_t(y)] = 0;
    while (x <= ew / 2) {
        const Int128 e2 = 2 * err;
        bool stepped = false;
        if (e2 >= dx) {
            ++x;
            dx += bsq;
            err += dx;
            stepped = true;
        }
        if (e2 <= dy) {
            ++y;
            dy += asq;
            err += dy;
            if (y < eh) insets[size_t(y)] = x;
            stepped = true;
        }
        if (!stepped) break;
    }
    for (int64_t k = eh / 2; k < eh; ++k)
        if (insets[size_t(k)] < 0) insets[size_t(k)] = most;
    for (int64_t k = 0; k < eh / 2; ++k) insets[size_t(k)] = insets[size_t(eh - 1 - k)];
    return insets;
}

} // namespace

Region Region::roundRect(const Rect& r, int32_t ellipseW, int32_t ellipseH)
{
    int64_t left = r.left, top = r.top, right = r.right, bottom = r.bottom;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    --right;
    --bottom;
    int64_t ew = std::min<int64_t>(right - left, std::llabs(int64_t(ellipseW)));
    int64_t eh = std::min<int64_t>(bottom - top, std::llabs(int64_t(ellipseH)));
    if (ew < 2 || eh < 2) {
        if (right <= left || bottom <= top) return Region();
        return rect(int32_t(left), int32_t(top), int32_t(right), int32_t(bottom));
    }
    if (uint64_t(eh) > MaxRects) return invalid();

    std::vector<int64_t> insets = ellipseInsets(ew, eh);
    std::vector<pixman_box32_t> boxes;
    boxes.reserve(size_t(eh) + 1);
    const int64_t upper = eh / 2, lower = eh - eh / 2;  // rows of the top and bottom corner arcs
    auto add = [&](int64_t y0, int64_t y1, int64_t inset) {
        if (y1 > y0 && right - inset > left + inset)
            boxes.push_back(pixman_box32_t{int32_t(left + inset), int32_t(y0), int32_t(right - inset), int32_t(y1)});
    };
    for (int64_t k = 0; k < upper; ++k) add(top + k, top + k + 1, insets[size_t(k)]);
    add(top + upper, bottom - lower, 0);
    for (int64_t k = eh - lower; k < eh; ++k) {
        int64_t y = bottom - eh + k;
        add(y, y + 1, insets[size_t(k)]);
    }
    return fromBoxes(boxes);
}

Region Region::ellipse(const Rect& b)
{
    return roundRect(b, int32_t(std::min<int64_t>(std::llabs(int64_t(b.right) - b.left), INT32_MAX)),
                     int32_t(std::min<int64_t>(std::llabs(int64_t(b.bottom) - b.top), INT32_MAX)));
}

Region Region::polygon(std::span<const Point> points, FillRule rule)
{
    const int32_t count = int32_t(std::min<size_t>(points.size(), INT32_MAX));
    return polygons(points.first(size_t(count)), std::span<const int32_t>(&count, 1), rule);
}

Region Region::polygons(std::span<const Point> points, std::span<const int32_t> counts, FillRule rule)
{
    return polygons(points, counts, rule, Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
}

Region Region::polygons(std::span<const Point> points, std::span<const int32_t> counts, FillRule rule,
                        const Rect& clip)
{
    if (rule != FillRule::EvenOdd && rule != FillRule::Winding) return invalid();
    size_t total = 0;
    for (int32_t c : counts) {
        if (c < 2) return invalid();
        total += size_t(c);
    }
    if (total != points.size()) return invalid();
    std::vector<Rect> rects;
    if (!scanPolygons(points, counts, rule, clip, MaxRects, rects)) return invalid();
    return fromRects(rects);
}

Region RegionAccess::fromBoxes(std::vector<pixman_box32_t>& boxes)
{
    Region out;
    if (boxes.empty()) return out;
    if (boxes.size() > size_t(std::numeric_limits<int>::max())) return Region::invalid();
    pixman_region32_fini(&out.m->r);
    // init_rects sorts, merges and validates whatever it is given, so any list of rectangles,
    // banded or not, makes a proper region.
    if (!pixman_region32_init_rects(&out.m->r, boxes.data(), int(boxes.size()))) {
        pixman_region32_init(&out.m->r);
        return Region::invalid();
    }
    checkInvariant(&out.m->r);
    return out;
}

Region Region::fromRects(std::span<const Rect> rects)
{
    if (rects.size() > MaxRects) return invalid();
    std::vector<pixman_box32_t> boxes;
    boxes.reserve(rects.size());
    for (const Rect& r : rects)
        if (!r.isEmpty()) boxes.push_back(pixman_box32_t{r.left, r.top, r.right, r.bottom});
    return RegionAccess::fromBoxes(boxes);
}

std::vector<int32_t> Region::data() const
{
    if (!m) return {};
    const std::vector<Rect> rs = rects();
    const Rect box = bounds();
    std::vector<int32_t> out{32, 1, int32_t(rs.size()), int32_t(16 * rs.size()), box.left, box.top, box.right, box.bottom};
    out.reserve(8 + 4 * rs.size());
    for (const Rect& r : rs) out.insert(out.end(), {r.left, r.top, r.right, r.bottom});
    return out;
}

Region Region::fromData(std::span<const int32_t> data, const Transform& map)
{
    if (data.size() < 8 || data[0] != 32 || data[1] != 1 || data[2] < 0) return invalid();
    const size_t n = size_t(data[2]);
    if (n > (data.size() - 8) / 4) return invalid();
    const std::span<const int32_t> r = data.subspan(8, 4 * n);
    auto mapX = [&](int32_t x, int32_t y) { return float(map.m11 * float(x)) + float(map.m21 * float(y)) + map.dx; };
    auto mapY = [&](int32_t x, int32_t y) { return float(map.m12 * float(x)) + float(map.m22 * float(y)) + map.dy; };
    auto whole = [](float v) {
        // Corners that land outside the 32-bit plane are held at its edge.
        if (!(v > -2147483648.0f)) return INT32_MIN;
        if (!(v < 2147483648.0f)) return INT32_MAX;
        return roundHalfEven(v);
    };
    const bool identity = map.m11 == 1 && map.m12 == 0 && map.m21 == 0 && map.m22 == 1 && map.dx == 0 && map.dy == 0;
    if (identity || (map.m12 == 0 && map.m21 == 0)) {
        std::vector<Rect> rects;
        rects.reserve(n);
        for (size_t k = 0; k < n; ++k) {
            const int32_t l = r[4 * k], t = r[4 * k + 1], rt = r[4 * k + 2], b = r[4 * k + 3];
            if (l >= rt || t >= b) continue;
            if (identity) {
                rects.push_back(Rect{l, t, rt, b});
                continue;
            }
            int32_t x0 = whole(mapX(l, t)), x1 = whole(mapX(rt, b)), y0 = whole(mapY(l, t)), y1 = whole(mapY(rt, b));
            rects.push_back(Rect{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)});
        }
        return fromRects(rects);
    }
    // Turned or sheared: every rectangle is a quadrilateral, all of one orientation, so the
    // winding rule unites them.
    std::vector<Point> pts;
    std::vector<int32_t> counts;
    for (size_t k = 0; k < n; ++k) {
        const int32_t l = r[4 * k], t = r[4 * k + 1], rt = r[4 * k + 2], b = r[4 * k + 3];
        if (l >= rt || t >= b) continue;
        for (auto [x, y] : {std::pair{l, t}, std::pair{rt, t}, std::pair{rt, b}, std::pair{l, b}})
            pts.push_back(Point{whole(mapX(x, y)), whole(mapY(x, y))});
        counts.push_back(4);
    }
    return polygons(pts, counts, FillRule::Winding);
}

Region::Kind Region::kind() const
{
    if (!m) return Kind::Invalid;
    if (!pixman_region32_not_empty(&m->r)) return Kind::Empty;
    return pixman_region32_n_rects(&m->r) == 1 ? Kind::Simple : Kind::Complex;
}

Rect Region::bounds() const
{
    if (!m || !pixman_region32_not_empty(&m->r)) return Rect{};
    const pixman_box32_t* e = pixman_region32_extents(&m->r);
    return Rect{e->x1, e->y1, e->x2, e->y2};
}

bool Region::contains(int32_t x, int32_t y) const
{
    return m && pixman_region32_contains_point(&m->r, x, y, nullptr);
}

size_t Region::rectCount() const
{
    if (!m || !pixman_region32_not_empty(&m->r)) return 0;
    return size_t(pixman_region32_n_rects(&m->r));
}

std::vector<Rect> Region::rects() const
{
    std::vector<Rect> out;
    if (!m || !pixman_region32_not_empty(&m->r)) return out;
    int n = 0;
    const pixman_box32_t* b = pixman_region32_rectangles(&m->r, &n);
    out.reserve(size_t(n));
    for (int i = 0; i < n; ++i) out.push_back(Rect{b[i].x1, b[i].y1, b[i].x2, b[i].y2});
    return out;
}

namespace {

using PixmanOp = pixman_bool_t (*)(pixman_region32_t*, const pixman_region32_t*, const pixman_region32_t*);

pixman_bool_t xorOp(pixman_region32_t* dst, const pixman_region32_t* a, const pixman_region32_t* b)
{
    // a ^ b = (a - b) + (b - a)
    pixman_region32_t ab, ba;
    pixman_region32_init(&ab);
    pixman_region32_init(&ba);
    bool ok = pixman_region32_subtract(&ab, a, b) && pixman_region32_subtract(&ba, b, a) &&
              pixman_region32_union(dst, &ab, &ba);
    pixman_region32_fini(&ab);
    pixman_region32_fini(&ba);
    return ok;
}

pixman_bool_t unionOp(pixman_region32_t* d, const pixman_region32_t* a, const pixman_region32_t* b)
{
    return pixman_region32_union(d, a, b);
}
pixman_bool_t intersectOp(pixman_region32_t* d, const pixman_region32_t* a, const pixman_region32_t* b)
{
    return pixman_region32_intersect(d, a, b);
}
pixman_bool_t subtractOp(pixman_region32_t* d, const pixman_region32_t* a, const pixman_region32_t* b)
{
    return pixman_region32_subtract(d, a, b);
}

Region combine(const Region& a, const Region& b, PixmanOp op)
{
    const pixman_region32_t* ra = RegionAccess::raw(a);
    const pixman_region32_t* rb = RegionAccess::raw(b);
    if (!ra || !rb) return Region::invalid();
    Region out;
    if (!op(RegionAccess::raw(out), ra, rb)) return Region::invalid();
    checkInvariant(RegionAccess::raw(out));
    return out;
}

} // namespace

Region Region::united(const Region& o) const { return combine(*this, o, unionOp); }
Region Region::intersected(const Region& o) const { return combine(*this, o, intersectOp); }
Region Region::subtracted(const Region& o) const { return combine(*this, o, subtractOp); }
Region Region::xored(const Region& o) const { return combine(*this, o, xorOp); }

Region Region::offsetted(int32_t dx, int32_t dy) const
{
    Region r(*this);
    r.offset(dx, dy);
    return r;
}

void Region::unite(const Region& o) { *this = united(o); }
void Region::intersect(const Region& o) { *this = intersected(o); }
void Region::subtract(const Region& o) { *this = subtracted(o); }
void Region::xorWith(const Region& o) { *this = xored(o); }

void Region::offset(int32_t dx, int32_t dy)
{
    if (!m) return;
    // pixman clips what would leave the 32-bit plane rather than wrapping around.
    pixman_region32_translate(&m->r, dx, dy);
    checkInvariant(&m->r);
}

bool operator==(const Region& a, const Region& b)
{
    if (!a.m || !b.m) return !a.m && !b.m;
    return pixman_region32_equal(&a.m->r, &b.m->r);
}

// ---- handle table ----
// Handles grow monotonically and entries are appended, so the table stays sorted by handle.

uint32_t RegionTable::add(Region region)
{
    if (!region.isValid() || m_next == 0) return 0;
    uint32_t h = m_next++;
    m_entries.push_back(Entry{h, std::move(region)});
    return h;
}

Region* RegionTable::find(uint32_t handle)
{
    return const_cast<Region*>(std::as_const(*this).find(handle));
}

const Region* RegionTable::find(uint32_t handle) const
{
    if (handle == 0) return nullptr;
    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), handle,
                               [](const Entry& e, uint32_t h) { return e.handle < h; });
    return (it != m_entries.end() && it->handle == handle) ? &it->region : nullptr;
}

bool RegionTable::remove(uint32_t handle)
{
    if (handle == 0) return false;
    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), handle,
                               [](const Entry& e, uint32_t h) { return e.handle < h; });
    if (it == m_entries.end() || it->handle != handle) return false;
    m_entries.erase(it);
    return true;
}

size_t RegionTable::size() const { return m_entries.size(); }

} // namespace salon
