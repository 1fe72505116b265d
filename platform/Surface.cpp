#include "platform/Surface.h"

#include "platform/HalftoneAvx2.h"
#include "platform/Numbers.h"
#include "platform/StretchAxis.h"

#include <algorithm>
#include <cstring>
#include <emmintrin.h>
#include <type_traits>
#include <vector>

// Conventions of this file.
//
// Raster operations act on every byte of a pixel (blue, green, red); row padding is never touched.
//
// Stretched copies map the source rectangle onto the destination rectangle; a negative width or
// height on either side mirrors that axis (two negatives cancel). A rectangle given as (x, w) with
// w < 0 covers x + w <= X < x, so (W, -W) mirrors a whole row of W pixels into 0..W-1.
// Source pixels outside the source picture repeat its nearest edge pixel.
//
// Halftone is an exact box filter. Along an axis with source length S and destination length D,
// destination pixel i covers the source interval [i*S/D, (i+1)*S/D); source pixel j contributes
// its overlap with that interval, counted in units of 1/D pixel: an integer weight
// w(i, j) = |[i*S, (i+1)*S) n [j*D, (j+1)*D)|, the weights of pixel i summing to S. A destination
// channel is sum(wx * wy * value) / (Sx * Sy), rounded half to even, in exact integer arithmetic.
// So a same-size copy is exact, a 4x4 -> 2x2 shrink averages each 2x2 block, and an enlargement
// blends the one or two source pixels under each destination pixel by their overlap.
//
// The plain modes take one source pixel per destination pixel, the one under the destination
// pixel's centre: j = floor((2i + 1) * S / (2D)). When shrinking, BlackOnWhite ANDs and
// WhiteOnBlack ORs every source pixel whose start lies in [i*S/D, (i+1)*S/D), so thin dark (or
// light) lines survive the reduction.
//
// Pen drawing applies the draw mode once per pixel of the figure even where lines overlap, so an
// inverting pen drawn twice over the same figure restores the picture.

namespace salon {

namespace {

void fillBitmap(Bitmap& b, uint32_t colour)
{
    if (b.isNull()) return;
    const uint8_t px[3] = {blueOf(colour), greenOf(colour), redOf(colour)};
    for (int32_t y = 0; y < b.height; ++y) {
        uint8_t* d = b.row(y);
        if (y > 0) {
            std::memcpy(d, b.row(0), size_t(b.rowBytes()));
            continue;
        }
        for (int32_t x = 0; x < b.width; ++x) std::memcpy(d + 3 * x, px, 3);
    }
}

// Copies the top-left part of src that fits into dst (both 24-bit).
void copyTopLeft(Bitmap& dst, const Bitmap& src)
{
    int32_t w = std::min(dst.width, src.width), h = std::min(dst.height, src.height);
    if (w <= 0 || h <= 0) return;
    for (int32_t y = 0; y < h; ++y) std::memcpy(dst.row(y), src.row(y), size_t(w) * 3);
}

uint8_t applyOp(RasterOp op, uint8_t d, uint8_t s)
{
    switch (op) {
    case RasterOp::SrcCopy: return s;
    case RasterOp::SrcPaint: return d | s;
    case RasterOp::SrcAnd: return d & s;
    case RasterOp::SrcInvert: return d ^ s;
    case RasterOp::SrcErase: return uint8_t(s & ~d);
    case RasterOp::NotSrcCopy: return uint8_t(~s);
    case RasterOp::NotSrcErase: return uint8_t(~(d | s));
    case RasterOp::MergePaint: return uint8_t(d | ~s);
    case RasterOp::DstInvert: return uint8_t(~d);
    case RasterOp::Blackness: return 0;
    case RasterOp::Whiteness: return 255;
    }
    return d;
}

bool knownOp(RasterOp op)
{
    switch (op) {
    case RasterOp::SrcCopy: case RasterOp::SrcPaint: case RasterOp::SrcAnd: case RasterOp::SrcInvert:
    case RasterOp::SrcErase: case RasterOp::NotSrcCopy: case RasterOp::NotSrcErase:
    case RasterOp::MergePaint: case RasterOp::DstInvert: case RasterOp::Blackness:
    case RasterOp::Whiteness: return true;
    }
    return false;
}

// One row span of n bytes: d := op(d, s). Cloned for AVX2, whose 32-byte vectors take the byte
// loops at twice the pace; the loader picks the clone for the CPU.
__attribute__((target_clones("avx2", "default"))) void applyRow(RasterOp op, uint8_t* d, const uint8_t* s, size_t n)
{
    switch (op) {
    case RasterOp::SrcCopy:
        if (s) std::memmove(d, s, n);
        return;
    case RasterOp::Blackness: std::memset(d, 0, n); return;
    case RasterOp::Whiteness: std::memset(d, 255, n); return;
    default: break;
    }
    // One loop per operation so that each compiles to plain vector code.
    auto each = [&](auto f) {
        for (size_t i = 0; i < n; ++i) d[i] = f(d[i], s[i]);
    };
    switch (op) {
    case RasterOp::SrcPaint: each([](uint8_t a, uint8_t b) { return uint8_t(a | b); }); return;
    case RasterOp::SrcAnd: each([](uint8_t a, uint8_t b) { return uint8_t(a & b); }); return;
    case RasterOp::SrcInvert: each([](uint8_t a, uint8_t b) { return uint8_t(a ^ b); }); return;
    case RasterOp::SrcErase: each([](uint8_t a, uint8_t b) { return uint8_t(b & ~a); }); return;
    case RasterOp::NotSrcCopy: each([](uint8_t, uint8_t b) { return uint8_t(~b); }); return;
    case RasterOp::NotSrcErase: each([](uint8_t a, uint8_t b) { return uint8_t(~(a | b)); }); return;
    case RasterOp::MergePaint: each([](uint8_t a, uint8_t b) { return uint8_t(a | ~b); }); return;
    case RasterOp::DstInvert:
        for (size_t i = 0; i < n; ++i) d[i] = uint8_t(~d[i]);
        return;
    default:
        for (size_t i = 0; i < n; ++i) d[i] = applyOp(op, d[i], s ? s[i] : 0);
    }
}

uint8_t penByte(DrawMode mode, uint8_t d, uint8_t p)
{
    switch (mode) {
    case DrawMode::Blackness: return 0;
    case DrawMode::NotMergePen: return uint8_t(~(d | p));
    case DrawMode::MaskNotPen: return uint8_t(d & ~p);
    case DrawMode::NotCopyPen: return uint8_t(~p);
    case DrawMode::MaskPenNot: return uint8_t(p & ~d);
    case DrawMode::Invert: return uint8_t(~d);
    case DrawMode::XorPen: return uint8_t(d ^ p);
    case DrawMode::NotMaskPen: return uint8_t(~(d & p));
    case DrawMode::MaskPen: return uint8_t(d & p);
    case DrawMode::NotXorPen: return uint8_t(~(d ^ p));
    case DrawMode::Nop: return d;
    case DrawMode::MergeNotPen: return uint8_t(d | ~p);
    case DrawMode::CopyPen: return p;
    case DrawMode::MergePenNot: return uint8_t(p | ~d);
    case DrawMode::MergePen: return uint8_t(d | p);
    case DrawMode::Whiteness: return 255;
    }
    return p;
}

// Whether a hatch style covers pixel (x, y); solid covers everything.
bool hatchCovers(FillStyle style, int32_t x, int32_t y)
{
    const int32_t hx = x & 7, hy = y & 7;
    switch (style) {
    case FillStyle::HorizontalLine: return hy == 0;
    case FillStyle::VerticalLine: return hx == 0;
    case FillStyle::UpwardDiagonal: return ((hx + hy) & 7) == 7;
    case FillStyle::DownwardDiagonal: return ((hx - hy) & 7) == 0;
    case FillStyle::Cross: return hx == 0 || hy == 0;
    case FillStyle::DiagonalCross: return ((hx + hy) & 7) == 7 || ((hx - hy) & 7) == 0;
    case FillStyle::Solid:
    case FillStyle::Transparent: break;
    }
    return true;
}

// On/off run lengths of the broken pen styles, in pixels; empty for a continuous pen.
std::span<const int32_t> dashPattern(DrawStyle style)
{
    static constexpr int32_t dash[] = {18, 6}, dot[] = {3, 3}, dashDot[] = {9, 6, 3, 6},
                             dashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case DrawStyle::Dash: return dash;
    case DrawStyle::Dot: return dot;
    case DrawStyle::DashDot: return dashDot;
    case DrawStyle::DashDotDot: return dashDotDot;
    default: return {};
    }
}

// The pixels of a Bresenham line from (x1, y1) towards (x2, y2), the end point left out, that lie
// in the box l <= x < r, t <= y < b - found without walking the parts of the line outside it, so
// a line to a point billions of pixels away costs no more than the box. Along the major axis the
// line moves every step; after k steps the minor axis has moved ceil((2 * minor * k - major) /
// (2 * major)) times, exactly where the usual error term (err = dx - dy, e2 = 2 * err) puts it.
template <class F>
void linePixelsWithin(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int64_t l, int64_t t, int64_t r, int64_t b,
                      F&& plot)
{
    __extension__ typedef __int128 Int128;
    const int64_t dx = std::abs(int64_t(x2) - x1), dy = std::abs(int64_t(y2) - y1);
    const int64_t sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    const int64_t a0 = xMajor ? x1 : y1, sa = xMajor ? sx : sy;  // major axis start and direction
    const int64_t lo = xMajor ? l : t, hi = xMajor ? r : b;        // box along the major axis
    if (major == 0 || hi <= lo) return;
    // Steps k in [0, major) whose major coordinate a0 + sa * k lies in [lo, hi).
    int64_t kFirst, kLast;
    if (sa > 0) {
        kFirst = std::max<int64_t>(0, lo - a0);
        kLast = std::min<int64_t>(major - 1, hi - 1 - a0);
    } else {
        kFirst = std::max<int64_t>(0, a0 - (hi - 1));
        kLast = std::min<int64_t>(major - 1, a0 - lo);
    }
    for (int64_t k = kFirst; k <= kLast; ++k) {
        const Int128 num = Int128(2) * minor * k - major, den = Int128(2) * major;
        Int128 moved = num / den;
        if (num % den != 0 && num > 0) ++moved;
        const int64_t a = a0 + sa * k;
        const int64_t x = xMajor ? a : x1 + sx * int64_t(moved);
        const int64_t y = xMajor ? y1 + sy * int64_t(moved) : a;
        if (x >= l && x < r && y >= t && y < b) plot(x, y, k);
    }
}

} // namespace

// ---- size, pictures, rows ----

Surface::Surface(int32_t width, int32_t height) { setSize(width, height); }

int32_t Surface::drawableWidth() const { return std::max(0, m_width - 4 * m_border); }
int32_t Surface::drawableHeight() const { return std::max(0, m_height - 4 * m_border); }

bool Surface::setSize(int32_t width, int32_t height)
{
    // Every picture a file can hold fits; a wild size from a caller must not exhaust memory.
    constexpr int64_t MaxArea = int64_t(64) << 20, MaxSide = int64_t(1) << 20;
    width = std::max(0, width);
    height = std::max(0, height);
    const int64_t w64 = std::max<int64_t>(0, int64_t(width) - 4 * m_border);
    const int64_t h64 = std::max<int64_t>(0, int64_t(height) - 4 * m_border);
    if (w64 > MaxSide || h64 > MaxSide || w64 * h64 > MaxArea) return false;
    m_width = width;
    m_height = height;
    int32_t w = drawableWidth(), h = drawableHeight();
    if (w == m_image.width && h == m_image.height && m_image.bitsPerPixel == 24) return true;
    Bitmap next = Bitmap::rgb24(w, h);
    fillBitmap(next, backColour);
    copyTopLeft(next, m_image);
    m_image = std::move(next);
    return true;
}

void Surface::setBorderStyle(int style)
{
    const int old = m_border;
    m_border = style ? 1 : 0;
    if (!setSize(m_width, m_height)) m_border = old;
}

void Surface::setPicture(const Bitmap& picture, bool autoSize)
{
    Bitmap p = picture.toRgb24();
    if (autoSize) setSize(int32_t(std::min<int64_t>(int64_t(p.width) + 4 * m_border, INT32_MAX)),
                          int32_t(std::min<int64_t>(int64_t(p.height) + 4 * m_border, INT32_MAX)));
    m_picture = std::move(p);
    clear();
}

void Surface::clearPicture()
{
    m_picture.reset();
    clear();
}

void Surface::keepImage()
{
    if (autoRedraw) m_picture = m_image;
}

void Surface::clear()
{
    fillBitmap(m_image, backColour);
    if (m_picture) copyTopLeft(m_image, *m_picture);
}

Bitmap Surface::readRows() const
{
    if (m_image.isNull()) return Bitmap{};
    return m_image;
}

bool Surface::writeRows(const Bitmap& rows)
{
    if (rows.isNull() || rows.pixels.size() < size_t(rows.rowBytes()) * size_t(rows.height)) return false;
    if (rows.bitsPerPixel == 24) copyTopLeft(m_image, rows);
    else copyTopLeft(m_image, rows.toRgb24());
    return true;
}

// ---- fills and pen drawing ----

namespace {

// The part of a region that drawing on the surface may touch.
Region drawableArea(const Surface& s, const std::optional<Region>& clip)
{
    Region area = Region::rect(0, 0, s.drawableWidth(), s.drawableHeight());
    if (clip) area.intersect(*clip);
    return area;
}

template <class F>
void forEachSpan(const Region& r, F&& f)
{
    for (const Rect& rc : r.rects())
        for (int32_t y = rc.top; y < rc.bottom; ++y) f(y, rc.left, rc.right);
}

} // namespace

void Surface::fillRect(const Rect& r, uint32_t colour) { fillRegion(Region::rect(r), colour); }

void Surface::fillRegion(const Region& region, uint32_t colour)
{
    if (!region.isValid()) return;
    Region area = region.intersected(drawableArea(*this, m_clip));
    const uint8_t px[3] = {blueOf(colour), greenOf(colour), redOf(colour)};
    forEachSpan(area, [&](int32_t y, int32_t x0, int32_t x1) {
        uint8_t* d = m_image.row(y) + 3 * size_t(x0);
        for (int32_t x = x0; x < x1; ++x, d += 3) std::memcpy(d, px, 3);
    });
}

void Surface::setClip(std::optional<Region> clip)
{
    if (clip && !clip->isValid()) clip.reset();
    m_clip = std::move(clip);
}

namespace {

void penRegion(Bitmap& image, const Region& figure, const Region& area, DrawMode mode, uint32_t colour,
               FillStyle hatch = FillStyle::Solid)
{
    Region r = figure.intersected(area);
    const uint8_t pen[3] = {blueOf(colour), greenOf(colour), redOf(colour)};
    const bool everyPixel = hatch == FillStyle::Solid;
    forEachSpan(r, [&](int32_t y, int32_t x0, int32_t x1) {
        uint8_t* d = image.row(y) + 3 * size_t(x0);
        for (int32_t x = x0; x < x1; ++x, d += 3) {
            if (!everyPixel && !hatchCovers(hatch, x, y)) continue;
            for (int c = 0; c < 3; ++c) d[c] = penByte(mode, d[c], pen[c]);
        }
    });
}

// The pixels a pen of the given width and style covers along a chain of segments. A broken
// style's pattern runs on from one segment to the next.
class PenFigure {
public:
    // Dots whose pen square cannot reach `within` (the area drawn on) are left out.
    PenFigure(int32_t width, DrawStyle style, const Rect& within)
        : m_w(std::max(1, width)), m_within(within), m_pattern(m_w == 1 ? dashPattern(style) : std::span<const int32_t>{})
    {
        for (int32_t run : m_pattern) m_period += run;
    }
    void segment(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
    {
        const int64_t steps = std::max(std::abs(int64_t(x2) - x1), std::abs(int64_t(y2) - y1));
        linePixelsWithin(x1, y1, x2, y2, int64_t(m_within.left) - m_w, int64_t(m_within.top) - m_w,
                         int64_t(m_within.right) + m_w, int64_t(m_within.bottom) + m_w,
                         [&](int64_t x, int64_t y, int64_t k) {
                             if (penDown(m_travelled + k)) dot(x, y);
                         });
        m_travelled += steps;
    }
    void dot(int64_t x, int64_t y)
    {
        int64_t l = x - (m_w - 1) / 2, t = y - (m_w - 1) / 2;
        int64_t r = l + m_w, b = t + m_w;
        if (!m_covered.empty()) return cover(l, t, r, b);
        auto c = [](int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
        m_rects.push_back(Rect{c(l), c(t), c(r), c(b)});
        // Thousands of long segments over a small picture (a scribbled outline) would list the
        // same pixels again and again; past the area's size in dots, mark them in a pixel mask.
        if (m_rects.size() > m_maskAfter) startMask();
    }
    Region region()
    {
        if (!m_covered.empty()) addMaskRuns();
        return Region::fromRects(m_rects);
    }

private:
    bool penDown(int64_t at) const
    {
        if (m_pattern.empty()) return true;
        int64_t phase = at % m_period;
        for (size_t i = 0; i < m_pattern.size(); ++i) {
            if (phase < m_pattern[i]) return i % 2 == 0;
            phase -= m_pattern[i];
        }
        return true;
    }

    // Only the part of a dot inside `within` can be drawn, so the mask covers just that.
    void startMask()
    {
        if (m_within.isEmpty()) return;
        m_covered.assign(size_t(m_within.width()) * size_t(m_within.height()), 0);
        std::vector<Rect> listed;
        listed.swap(m_rects);
        for (const Rect& d : listed) cover(d.left, d.top, d.right, d.bottom);
    }
    void cover(int64_t l, int64_t t, int64_t r, int64_t b)
    {
        l = std::max<int64_t>(l, m_within.left), r = std::min<int64_t>(r, m_within.right);
        t = std::max<int64_t>(t, m_within.top), b = std::min<int64_t>(b, m_within.bottom);
        for (int64_t y = t; y < b; ++y) {
            uint8_t* row = m_covered.data() + size_t(y - m_within.top) * size_t(m_within.width());
            for (int64_t x = l; x < r; ++x) row[x - m_within.left] = 1;
        }
    }
    void addMaskRuns()
    {
        const size_t w = size_t(m_within.width());
        for (int32_t y = m_within.top; y < m_within.bottom; ++y) {
            const uint8_t* row = m_covered.data() + size_t(y - m_within.top) * w;
            for (size_t x = 0; x < w;) {
                if (!row[x]) {
                    ++x;
                    continue;
                }
                const size_t from = x;
                while (x < w && row[x]) ++x;
                m_rects.push_back(Rect{m_within.left + int32_t(from), y, m_within.left + int32_t(x), y + 1});
            }
        }
        m_covered.clear();
    }

    int32_t m_w;
    Rect m_within;
    std::span<const int32_t> m_pattern;
    int64_t m_period = 0;
    int64_t m_travelled = 0;
    std::vector<Rect> m_rects;
    // Dots listed before the mask takes over: the area's pixels, but never a mask larger than
    // 64 MB (beyond that the list stays, as for a huge surface the dots are sparse anyway).
    size_t m_maskAfter = maskAfter(m_within);
    static size_t maskAfter(const Rect& r)
    {
        const int64_t area = r.isEmpty() ? 0 : (int64_t(r.right) - r.left) * (int64_t(r.bottom) - r.top);
        return area < 1 || area > (int64_t(1) << 26) ? SIZE_MAX : std::max<size_t>(4096, size_t(area));
    }
    std::vector<uint8_t> m_covered;  // one byte per pixel of `within`, row by row
};

} // namespace

void Surface::drawPolygons(std::span<const Point> points, std::span<const int32_t> counts, FillRule rule)
{
    const Region area = drawableArea(*this, m_clip);
    if (fillStyle != FillStyle::Transparent) {
        Region inside = Region::polygons(points, counts, rule, area.bounds());
        if (inside.isValid()) penRegion(m_image, inside, area, drawMode, fillColour, fillStyle);
    }
    if (drawStyle == DrawStyle::Transparent) return;
    PenFigure pen(drawWidth, drawStyle, area.bounds());
    size_t start = 0;
    for (int32_t c : counts) {
        if (c < 1 || start + size_t(c) > points.size()) break;
        for (size_t i = 0; i < size_t(c); ++i) {
            const Point& p = points[start + i];
            const Point& q = points[start + (i + 1 == size_t(c) ? 0 : i + 1)];
            if (c == 1 || p == q) pen.dot(p.x, p.y);
            else pen.segment(p.x, p.y, q.x, q.y);
        }
        start += size_t(c);
    }
    penRegion(m_image, pen.region(), area, drawMode, foreColour);
}

void Surface::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    if (drawStyle == DrawStyle::Transparent) return;
    const Region area = drawableArea(*this, m_clip);
    PenFigure pen(drawWidth, drawStyle, area.bounds());
    pen.segment(x1, y1, x2, y2);
    penRegion(m_image, pen.region(), area, drawMode, foreColour);
}

void Surface::drawRect(const Rect& r)
{
    if (r.isEmpty() || drawStyle == DrawStyle::Transparent) return;
    const Region area = drawableArea(*this, m_clip);
    PenFigure pen(drawWidth, drawStyle, area.bounds());
    int32_t l = r.left, t = r.top, rr = r.right - 1, b = r.bottom - 1;
    if (rr == l || b == t) {
        pen.segment(l, t, rr, b);
        pen.dot(rr, b);
    } else {
        pen.segment(l, t, rr, t);
        pen.segment(rr, t, rr, b);
        pen.segment(rr, b, l, b);
        pen.segment(l, b, l, t);
    }
    penRegion(m_image, pen.region(), area, drawMode, foreColour);
}

// ---- block copies ----

namespace {

// A block of the destination, with where its top-left source pixel is.
struct Block {
    int32_t dx, dy, w, h, sx, sy;
};

// Clips a destination block to the destination's drawable area; the source moves along.
bool clipTo(Block& b, int32_t width, int32_t height)
{
    if (b.w <= 0 || b.h <= 0) return false;
    int64_t l = std::max<int64_t>(b.dx, 0), t = std::max<int64_t>(b.dy, 0);
    int64_t r = std::min<int64_t>(int64_t(b.dx) + b.w, width), bt = std::min<int64_t>(int64_t(b.dy) + b.h, height);
    if (r <= l || bt <= t) return false;
    b.sx += int32_t(l - b.dx);
    b.sy += int32_t(t - b.dy);
    b.dx = int32_t(l);
    b.dy = int32_t(t);
    b.w = int32_t(r - l);
    b.h = int32_t(bt - t);
    return true;
}

// Applies op with source bitmap src (or none) to the destination block, within clip.
void blitBitmap(Bitmap& dst, const std::optional<Region>& clip, Block b, const Bitmap* src, RasterOp op)
{
    if (!clipTo(b, dst.width, dst.height)) return;
    if (src) {
        // The source pixels must exist too: clip in source coordinates and move the destination.
        Block s{b.sx, b.sy, b.w, b.h, b.dx, b.dy};
        if (!clipTo(s, src->width, src->height)) return;
        b = Block{s.sx, s.sy, s.w, s.h, s.dx, s.dy};
    }
    Region area = Region::rect(b.dx, b.dy, b.dx + b.w, b.dy + b.h);
    if (clip) area.intersect(*clip);
    for (const Rect& rc : area.rects()) {
        const size_t n = 3 * size_t(rc.width());
        // Whole unpadded rows follow each other in memory: the block is then one span, which the
        // vector loops and memcpy take much faster than row by row.
        const bool oneSpan = size_t(dst.rowBytes()) == n && (!src || size_t(src->rowBytes()) == n);
        const int32_t step = oneSpan ? rc.height() : 1;
        for (int32_t y = rc.top; y < rc.bottom; y += step) {
            uint8_t* d = dst.row(y) + 3 * size_t(rc.left);
            const uint8_t* s =
                src ? src->row(y - b.dy + b.sy) + 3 * size_t(rc.left - b.dx + b.sx) : nullptr;
            applyRow(op, d, s, n * size_t(step));
        }
    }
}

bool needsSource(RasterOp op)
{
    return op != RasterOp::Blackness && op != RasterOp::Whiteness && op != RasterOp::DstInvert;
}

} // namespace

class SurfaceAccess {
public:
    static Bitmap& image(Surface& s) { return s.m_image; }
    static const std::optional<Region>& clip(const Surface& s) { return s.m_clip; }
};

void bitBlt(Surface& dst, int32_t dx, int32_t dy, int32_t w, int32_t h, const Surface& src, int32_t sx,
            int32_t sy, RasterOp op)
{
    if (!knownOp(op)) return;
    if (!needsSource(op)) return patBlt(dst, dx, dy, w, h, op);
    // A copy within one surface reads the pixels as they were before the copy.
    if (&dst == &src) {
        Bitmap copy = src.image();
        blitBitmap(SurfaceAccess::image(dst), SurfaceAccess::clip(dst), Block{dx, dy, w, h, sx, sy}, &copy, op);
        return;
    }
    blitBitmap(SurfaceAccess::image(dst), SurfaceAccess::clip(dst), Block{dx, dy, w, h, sx, sy}, &src.image(), op);
}

void patBlt(Surface& dst, int32_t dx, int32_t dy, int32_t w, int32_t h, RasterOp op)
{
    if (!knownOp(op) || needsSource(op)) return;
    if (w < 0) {
        dx += w;
        w = -w;
    }
    if (h < 0) {
        dy += h;
        h = -h;
    }
    blitBitmap(SurfaceAccess::image(dst), SurfaceAccess::clip(dst), Block{dx, dy, w, h, 0, 0}, nullptr, op);
}

// ---- stretched copies ----

namespace {

// Source rectangles wider or taller than this are refused: nothing real is that large, and the
// weight tables and sums stay small and exact below it.
constexpr int64_t MaxSourceSpan = int64_t(1) << 22;

// sum / total rounded half to even, exactly. A division per channel would dominate a stretch, so
// n = 2 sum + total is divided by d = 2 total through a 64-bit reciprocal m = ceil(2^64 / d),
// which is exact while n * d < 2^64 (sums never exceed 255 * total, so total < 2^26 is enough);
// larger totals divide. floor(n / d) rounds half up; an exact tie that lands on an odd number
// steps back to the even one.
class Divider {
public:
    explicit Divider(uint64_t total) : m_total(total), m_d(2 * total)
    {
        m_fast = total < (uint64_t(1) << 26);
        if (m_fast) m_m = uint64_t(~uint64_t(0) / m_d) + 1;
        if (smallFits(total)) {
            int bits = 0;
            while ((m_d >> bits) != 0) ++bits;
            m_s32 = 2 * bits + 8;
            m_m32 = ((uint64_t(1) << m_s32) + m_d - 1) / m_d;
        }
    }
    // The same quotient for totals below 2^22, where n = 2 sum + total < 256 d stays in 32 bits.
    // With L = bit_width(d) (so 2^(L-1) <= d < 2^L, L <= 23), s = 2L + 8 and m = ceil(2^s / d),
    // q = (n m) >> s equals floor(n / d) because n (m d - 2^s) < n d < 256 d^2 < 2^s, and n m
    // stays below 2^(L+8) (2^(L+9) + 1) <= 2^63 + 2^31 < 2^64.
    static bool smallFits(uint64_t total) { return total < (uint64_t(1) << 22); }
    uint8_t small(uint32_t sum) const
    {
        const uint64_t n = 2 * uint64_t(sum) + m_total;
        uint64_t q = (n * m_m32) >> m_s32;
        const uint64_t r = n - q * m_d;
        q -= uint64_t(r == 0) & q & 1;
        return uint8_t(q > 255 ? 255 : q);
    }
    uint8_t operator()(uint64_t sum) const
    {
        const uint64_t n = 2 * sum + m_total;
        uint64_t q = m_fast ? uint64_t((UInt128(n) * m_m) >> 64) : n / m_d;
        const uint64_t r = n - q * m_d;
        q -= uint64_t(r == 0) & q & 1;
        return uint8_t(q > 255 ? 255 : q);
    }

private:
    __extension__ typedef unsigned __int128 UInt128;
    uint64_t m_total, m_d, m_m = 0, m_m32 = 0;
    int m_s32 = 0;
    bool m_fast;
};

// The source rectangle resampled to dw x dh (both positive), mirrored as asked.
Bitmap resample(const Bitmap& src, int64_t sx, int64_t sy, int64_t sw, int64_t sh, int32_t dw, int32_t dh,
                bool mirrorX, bool mirrorY, StretchMode mode)
{
    Bitmap out = Bitmap::rgb24(dw, dh);
    Bitmap s24;
    const Bitmap* s = &src;
    if (src.bitsPerPixel != 24) {
        s24 = src.toRgb24();
        s = &s24;
    }
    const StretchAxis mx = stretchAxis(sx, sw, dw, s->width, mode);
    const StretchAxis my = stretchAxis(sy, sh, dh, s->height, mode);

    if (mode == StretchMode::Halftone) {
        if (halftoneAvx2Enabled() && resampleHalftoneAvx2(*s, mx, my, mirrorX, mirrorY, out)) return out;
        // Columns first: each source row the destination needs is filtered across once and kept
        // while destination rows still use it (the taps only ever move down the source), in a
        // ring of preallocated rows: source row r lives in slot r % span.
        const size_t rowLen = size_t(dw) * 3;
        int64_t span = 1;
        for (int32_t i = 0; i < dh; ++i)
            span = std::max<int64_t>(span, int64_t(my.taps[my.first[size_t(i) + 1] - 1].src) -
                                               my.taps[my.first[size_t(i)]].src + 1);
        std::vector<uint32_t> ring(size_t(span) * rowLen);
        auto slot = [&](int64_t r) { return ring.data() + size_t(r % span) * rowLen; };
        // With at most four taps per destination column (every enlargement and mild shrink),
        // each column gets exactly K taps, padded with zero weights, so the inner loop is fixed.
        uint32_t maxTaps = 0;
        for (int32_t x = 0; x < dw; ++x) maxTaps = std::max(maxTaps, mx.first[size_t(x) + 1] - mx.first[size_t(x)]);
        const uint32_t K = maxTaps <= 4 ? maxTaps : 0;
        std::vector<uint32_t> fixedOffset(size_t(dw) * K), fixedWeight(size_t(dw) * K);
        for (int32_t x = 0; x < dw && K != 0; ++x) {
            const uint32_t k0 = mx.first[size_t(x)], k1 = mx.first[size_t(x) + 1];
            for (uint32_t j = 0; j < K; ++j) {
                const StretchTap& tap = mx.taps[std::min(k0 + j, k1 - 1)];
                fixedOffset[size_t(x) * K + j] = 3 * uint32_t(tap.src);
                fixedWeight[size_t(x) * K + j] = k0 + j < k1 ? tap.weight : 0;
            }
        }
        auto filterFixed = [&](auto k, const uint8_t* row, uint32_t* sums) {
            constexpr uint32_t Kc = decltype(k)::value;
            const uint32_t* off = fixedOffset.data();
            const uint32_t* wt = fixedWeight.data();
            for (int32_t x = 0; x < dw; ++x, off += Kc, wt += Kc, sums += 3) {
                uint32_t b = 0, g = 0, r = 0;
                for (uint32_t j = 0; j < Kc; ++j) {
                    const uint8_t* p = row + off[j];
                    b += p[0] * wt[j];
                    g += p[1] * wt[j];
                    r += p[2] * wt[j];
                }
                sums[0] = b;
                sums[1] = g;
                sums[2] = r;
            }
        };
        auto filterRow = [&](int32_t sy, uint32_t* sums) {
            const uint8_t* row = s->row(sy);
            switch (K) {
            case 1: return filterFixed(std::integral_constant<uint32_t, 1>{}, row, sums);
            case 2: return filterFixed(std::integral_constant<uint32_t, 2>{}, row, sums);
            case 3: return filterFixed(std::integral_constant<uint32_t, 3>{}, row, sums);
            case 4: return filterFixed(std::integral_constant<uint32_t, 4>{}, row, sums);
            default: break;
            }
            const uint32_t* first = mx.first.data();
            const StretchTap* taps = mx.taps.data();
            for (int32_t x = 0; x < dw; ++x) {
                uint32_t b = 0, g = 0, r = 0;
                for (uint32_t k = first[x]; k < first[x + 1]; ++k) {
                    const uint8_t* p = row + 3 * size_t(taps[k].src);
                    const uint32_t w = taps[k].weight;
                    b += p[0] * w;
                    g += p[1] * w;
                    r += p[2] * w;
                }
                sums[3 * size_t(x)] = b;
                sums[3 * size_t(x) + 1] = g;
                sums[3 * size_t(x) + 2] = r;
            }
        };
        const uint64_t total = mx.total * my.total;
        const Divider divide(total);
        // Below 2^22 the whole weighted sum (at most 255 * total) fits 32 bits.
        const bool small = Divider::smallFits(total);
        std::vector<uint64_t> acc(small ? 0 : rowLen);
        std::vector<uint32_t> acc32(small ? rowLen : 0);
        std::vector<uint8_t> outRow(small && mirrorX ? rowLen : 0);
        int64_t have0 = 0, have1 = 0;  // source rows [have0, have1) are in the ring
        for (int32_t i = 0; i < dh; ++i) {
            const uint32_t t0 = my.first[size_t(i)], t1 = my.first[size_t(i) + 1];
            const int64_t first = my.taps[t0].src, last = my.taps[t1 - 1].src;
            have0 = std::max(have0, first);
            have1 = std::max(have1, have0);
            for (; have1 <= last; ++have1) filterRow(int32_t(have1), slot(have1));
            uint8_t* d = out.row(mirrorY ? dh - 1 - i : i);
            if (small) {
                uint32_t* a = acc32.data();
                for (uint32_t t = t0; t < t1; ++t) {
                    const uint32_t* sums = slot(my.taps[t].src);
                    const uint32_t wy = my.taps[t].weight;
                    // a[k] (+)= wy * sums[k] four lanes a step; SSE2 has only the 32 x 32 -> 64
                    // multiply of the even lanes, so the odd lanes go through a shift.
                    const __m128i w4 = _mm_set1_epi32(int32_t(wy));
                    size_t k = 0;
                    for (; k + 4 <= rowLen; k += 4) {
                        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + k));
                        const __m128i even = _mm_mul_epu32(v, w4), odd = _mm_mul_epu32(_mm_srli_epi64(v, 32), w4);
                        __m128i p = _mm_unpacklo_epi32(_mm_shuffle_epi32(even, 0x08), _mm_shuffle_epi32(odd, 0x08));
                        if (t != t0) p = _mm_add_epi32(p, _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + k)));
                        _mm_storeu_si128(reinterpret_cast<__m128i*>(a + k), p);
                    }
                    for (; k < rowLen; ++k) a[k] = (t != t0 ? a[k] : 0) + wy * sums[k];
                }
                // The quotient in double precision: n < 2^31 and d < 2^23 are exact, and with
                // rd = 1/d rounded, n * rd is within 2^-51 relative (so 2^-43 absolute, q <= 256)
                // of n / d. A non-integer n / d is at least 1/d > 2^-23 below the next integer,
                // so adding 2^-30 and truncating gives floor(n / d) exactly in every case.
                uint8_t* o = mirrorX ? outRow.data() : d;
                const int32_t tot = int32_t(total), dd = int32_t(2 * total);
                const double rd = 1.0 / double(dd), fudge = 1.0 / double(1 << 30);
                size_t k = 0;
                {
                    // Eight channels a step with SSE2 (the same arithmetic as the tail below);
                    // q <= 255 here since sum <= 255 total, and the tie test q * d == n is exact
                    // in double.
                    const __m128i tot4 = _mm_set1_epi32(tot), one = _mm_set1_epi32(1);
                    const __m128d rd2 = _mm_set1_pd(rd), f2 = _mm_set1_pd(fudge), d2 = _mm_set1_pd(double(dd));
                    auto quot4 = [&](const uint32_t* src) {
                        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
                        const __m128i n = _mm_add_epi32(_mm_add_epi32(v, v), tot4);
                        const __m128d nlo = _mm_cvtepi32_pd(n), nhi = _mm_cvtepi32_pd(_mm_shuffle_epi32(n, 0x0E));
                        const __m128i qlo = _mm_cvttpd_epi32(_mm_add_pd(_mm_mul_pd(nlo, rd2), f2));
                        const __m128i qhi = _mm_cvttpd_epi32(_mm_add_pd(_mm_mul_pd(nhi, rd2), f2));
                        const __m128d tlo = _mm_cmpeq_pd(_mm_mul_pd(_mm_cvtepi32_pd(qlo), d2), nlo);
                        const __m128d thi = _mm_cmpeq_pd(_mm_mul_pd(_mm_cvtepi32_pd(qhi), d2), nhi);
                        const __m128i q = _mm_unpacklo_epi64(qlo, qhi);
                        const __m128i tie = _mm_castps_si128(
                            _mm_shuffle_ps(_mm_castpd_ps(tlo), _mm_castpd_ps(thi), _MM_SHUFFLE(2, 0, 2, 0)));
                        return _mm_sub_epi32(q, _mm_and_si128(_mm_and_si128(tie, q), one));
                    };
                    for (; k + 8 <= rowLen; k += 8) {
                        const __m128i w = _mm_packs_epi32(quot4(a + k), quot4(a + k + 4));
                        _mm_storel_epi64(reinterpret_cast<__m128i*>(o + k), _mm_packus_epi16(w, w));
                    }
                }
                for (; k < rowLen; ++k) {
                    const int32_t n = 2 * int32_t(a[k]) + tot;
                    int32_t q = int32_t(double(n) * rd + fudge);
                    q -= int32_t(n == q * dd) & q & 1;
                    o[k] = uint8_t(q > 255 ? 255 : q);
                }
                if (mirrorX)
                    for (int32_t x = 0; x < dw; ++x) std::memcpy(d + 3 * size_t(dw - 1 - x), o + 3 * size_t(x), 3);
                continue;
            }
            std::fill(acc.begin(), acc.end(), 0);
            for (uint32_t t = t0; t < t1; ++t) {
                const uint32_t* sums = slot(my.taps[t].src);
                const uint64_t wy = my.taps[t].weight;
                for (size_t k = 0; k < rowLen; ++k) acc[k] += wy * sums[k];
            }
            for (int32_t x = 0; x < dw; ++x) {
                uint8_t* p = d + 3 * size_t(mirrorX ? dw - 1 - x : x);
                for (int c = 0; c < 3; ++c) p[c] = divide(acc[3 * size_t(x) + c]);
            }
        }
        return out;
    }

    const bool andMode = mode == StretchMode::BlackOnWhite;
    const bool orMode = mode == StretchMode::WhiteOnBlack;
    for (int32_t i = 0; i < dh; ++i) {
        uint8_t* d = out.row(mirrorY ? dh - 1 - i : i);
        for (int32_t x = 0; x < dw; ++x) {
            uint8_t acc[3] = {uint8_t(andMode ? 255 : 0), uint8_t(andMode ? 255 : 0), uint8_t(andMode ? 255 : 0)};
            for (uint32_t t = my.first[size_t(i)]; t < my.first[size_t(i) + 1]; ++t) {
                const uint8_t* row = s->row(my.taps[t].src);
                for (uint32_t k = mx.first[size_t(x)]; k < mx.first[size_t(x) + 1]; ++k) {
                    const uint8_t* p = row + 3 * size_t(mx.taps[k].src);
                    for (int c = 0; c < 3; ++c) {
                        if (andMode) acc[c] &= p[c];
                        else if (orMode) acc[c] |= p[c];
                        else acc[c] = p[c];
                    }
                }
            }
            std::memcpy(d + 3 * size_t(mirrorX ? dw - 1 - x : x), acc, 3);
        }
    }
    return out;
}

// Visible part of the destination rectangle, trimmed so that the resampled block stays small
// when most of a huge destination lies off the surface.
struct Normalised {
    int64_t x, w;
    bool mirrored;
};

Normalised normalise(int64_t x, int64_t w)
{
    if (w < 0) return Normalised{x + w, -w, true};
    return Normalised{x, w, false};
}

} // namespace

void stretchBlt(Surface& dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, const Surface& src,
                int32_t sx, int32_t sy, int32_t sw, int32_t sh, RasterOp op)
{
    if (!knownOp(op) || dw == 0 || dh == 0 || sw == 0 || sh == 0) return;
    if (!needsSource(op)) return patBlt(dst, dx, dy, dw, dh, op);
    const Bitmap& s = src.image();
    if (s.isNull() || dst.image().isNull()) return;

    Normalised nx = normalise(dx, dw), ny = normalise(dy, dh);
    Normalised snx = normalise(sx, sw), sny = normalise(sy, sh);
    if (snx.w > MaxSourceSpan || sny.w > MaxSourceSpan) return;
    const bool mirrorX = nx.mirrored != snx.mirrored, mirrorY = ny.mirrored != sny.mirrored;

    // A same-size unmirrored copy is a block copy whatever the mode.
    if (nx.w == snx.w && ny.w == sny.w && !mirrorX && !mirrorY) {
        Bitmap copy;
        const Bitmap* from = &s;
        if (&dst == &src) {
            copy = s;
            from = &copy;
        }
        blitBitmap(SurfaceAccess::image(dst), SurfaceAccess::clip(dst),
                   Block{int32_t(nx.x), int32_t(ny.x), int32_t(nx.w), int32_t(ny.w), int32_t(snx.x), int32_t(sny.x)},
                   from, op);
        return;
    }

    // Resample only the destination rows and columns that lie on the surface.
    const int64_t W = dst.image().width, H = dst.image().height;
    const int64_t vx0 = std::max<int64_t>(nx.x, 0), vx1 = std::min<int64_t>(nx.x + nx.w, W);
    const int64_t vy0 = std::max<int64_t>(ny.x, 0), vy1 = std::min<int64_t>(ny.x + ny.w, H);
    if (vx1 <= vx0 || vy1 <= vy0) return;
    Bitmap full = (nx.w * ny.w <= 4 * W * H)
                      ? resample(s, snx.x, sny.x, snx.w, sny.w, int32_t(nx.w), int32_t(ny.w), mirrorX, mirrorY,
                                 dst.stretchMode)
                      : Bitmap{};
    if (full.isNull()) {
        // A destination far larger than the surface: resample the whole and keep what shows would
        // waste memory, so build the visible block pixel row by row through a 1-row resample.
        Bitmap block = Bitmap::rgb24(int32_t(vx1 - vx0), int32_t(vy1 - vy0));
        for (int64_t y = vy0; y < vy1; ++y) {
            for (int64_t x = vx0; x < vx1; ++x) {
                int64_t ix = mirrorX ? nx.w - 1 - (x - nx.x) : x - nx.x;
                int64_t iy = mirrorY ? ny.w - 1 - (y - ny.x) : y - ny.x;
                // Nearest source pixel; a huge enlargement has no area to average.
                int64_t jx = snx.x + (2 * ix + 1) * snx.w / (2 * nx.w);
                int64_t jy = sny.x + (2 * iy + 1) * sny.w / (2 * ny.w);
                block.setPixel(int32_t(x - vx0), int32_t(y - vy0),
                               s.pixel(clampIndex(jx, s.width), clampIndex(jy, s.height)));
            }
        }
        blitBitmap(SurfaceAccess::image(dst), SurfaceAccess::clip(dst),
                   Block{int32_t(vx0), int32_t(vy0), block.width, block.height, 0, 0}, &block, op);
        return;
    }
    blitBitmap(SurfaceAccess::image(dst), SurfaceAccess::clip(dst),
               Block{int32_t(nx.x), int32_t(ny.x), full.width, full.height, 0, 0}, &full, op);
}

Bitmap stretchHalftone(const Bitmap& src, const Rect& srcRect, int32_t dw, int32_t dh)
{
    if (src.isNull() || dw == 0 || dh == 0 || srcRect.width() == 0 || srcRect.height() == 0) return Bitmap{};
    Normalised sx = normalise(srcRect.left, int64_t(srcRect.right) - srcRect.left);
    Normalised sy = normalise(srcRect.top, int64_t(srcRect.bottom) - srcRect.top);
    if (sx.w > MaxSourceSpan || sy.w > MaxSourceSpan) return Bitmap{};
    Normalised dx = normalise(0, dw), dy = normalise(0, dh);
    return resample(src, sx.x, sy.x, sx.w, sy.w, int32_t(dx.w), int32_t(dy.w), dx.mirrored != sx.mirrored,
                    dy.mirrored != sy.mirrored, StretchMode::Halftone);
}

} // namespace salon
