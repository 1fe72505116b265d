#include "library/imaging/PaintTool.h"

#include "library/frame/LibraryState.h"
#include "library/imaging/LibraryCursors.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace pixol::painttool {

using salon::Point;

namespace {

void push(salon::LongArray& axy, int32_t& pocet, int32_t x, int32_t y)
{
    const int32_t need = 2 * (pocet + 1);
    if (axy.lower != 1 || axy.size() < need) {
        salon::LongArray grown;
        grown.redim(1, std::max(need, 2 * axy.size() + 2));
        for (int32_t i = 1; i <= 2 * pocet && axy.has(i); ++i) grown(i) = axy(i);
        axy = std::move(grown);
    }
    ++pocet;
    axy(2 * pocet - 1) = x;
    axy(2 * pocet) = y;
}

Point pointAt(const salon::LongArray& axy, int32_t i) { return {axy(2 * i - 1), axy(2 * i)}; }

bool hasPoints(const salon::LongArray& axy, int32_t pocet, int32_t n)
{
    return pocet >= n && axy.has(1) && axy.has(2 * n);
}

// Constrained end: 45-degree steps for lines, equal sides for boxes.
Point constrain(Point a, Point b, uint8_t typ)
{
    const int32_t dx = b.x - a.x, dy = b.y - a.y;
    if (typ == 2) {
        const int32_t adx = std::abs(dx), ady = std::abs(dy);
        if (2 * ady < adx) return {b.x, a.y};
        if (2 * adx < ady) return {a.x, b.y};
        const int32_t d = std::max(adx, ady);
        return {a.x + (dx < 0 ? -d : d), a.y + (dy < 0 ? -d : d)};
    }
    const int32_t d = std::max(std::abs(dx), std::abs(dy));
    return {a.x + (dx < 0 ? -d : d), a.y + (dy < 0 ? -d : d)};
}

void dot(salon::Surface& obj, Point p) { obj.drawLine(p.x, p.y, p.x + 1, p.y); }

void drawFigure(salon::Surface& obj, uint8_t typ, Point a, Point b)
{
    if (typ == 2) {
        obj.drawLine(a.x, a.y, b.x, b.y);
        dot(obj, b);
        return;
    }
    std::vector<Point> pts;
    if (typ == 3) {
        pts = {a, {b.x, a.y}, b, {a.x, b.y}};
    } else {
        const float cx = float(a.x + b.x) / 2.0f, cy = float(a.y + b.y) / 2.0f;
        const float rx = std::fabs(float(b.x - a.x)) / 2.0f, ry = std::fabs(float(b.y - a.y)) / 2.0f;
        const int32_t n = std::max(16, int32_t(4.0f * (rx + ry)));
        for (int32_t k = 0; k < n; ++k) {
            const float t = 6.283185308f * float(k) / float(n);
            const Point p{salon::roundHalfEven(cx + rx * std::cos(t)), salon::roundHalfEven(cy + ry * std::sin(t))};
            if (pts.empty() || p.x != pts.back().x || p.y != pts.back().y) pts.push_back(p);
        }
    }
    const int32_t count = int32_t(pts.size());
    obj.drawPolygons(pts, std::span<const int32_t>(&count, 1), salon::FillRule::EvenOdd);
}

void drawPolyline(salon::Surface& obj, const salon::LongArray& axy, int32_t pocet, std::optional<Point> rubber)
{
    for (int32_t i = 1; i < pocet; ++i) {
        const Point a = pointAt(axy, i), b = pointAt(axy, i + 1);
        obj.drawLine(a.x, a.y, b.x, b.y);
    }
    if (pocet >= 1) {
        const Point last = pointAt(axy, pocet);
        if (rubber) obj.drawLine(last.x, last.y, rubber->x, rubber->y);
        dot(obj, rubber ? *rubber : last);
    }
}

} // namespace

salon::Region floodArea(const salon::Bitmap& image, int32_t x, int32_t y)
{
    const int32_t w = image.width, h = image.height;
    if (x < 0 || y < 0 || x >= w || y >= h || image.bitsPerPixel != 24) return salon::Region::invalid();
    const uint32_t target = image.pixel(x, y);
    auto same = [&](int32_t px, int32_t py) {
        const uint8_t* p = image.row(py) + 3 * px;
        return salon::packRgb(p[2], p[1], p[0]) == target;
    };
    std::vector<uint8_t> seen(size_t(w) * size_t(h), 0);
    std::vector<std::vector<std::pair<int32_t, int32_t>>> runs;
    runs.resize(size_t(h));
    std::vector<Point> stack{{x, y}};
    while (!stack.empty()) {
        const Point p = stack.back();
        stack.pop_back();
        if (seen[size_t(p.y) * size_t(w) + size_t(p.x)]) continue;
        int32_t l = p.x, r = p.x;
        while (l > 0 && !seen[size_t(p.y) * size_t(w) + size_t(l - 1)] && same(l - 1, p.y)) --l;
        while (r < w - 1 && !seen[size_t(p.y) * size_t(w) + size_t(r + 1)] && same(r + 1, p.y)) ++r;
        for (int32_t i = l; i <= r; ++i) seen[size_t(p.y) * size_t(w) + size_t(i)] = 1;
        runs[size_t(p.y)].emplace_back(l, r + 1);
        for (int32_t ny : {p.y - 1, p.y + 1}) {
            if (ny < 0 || ny >= h) continue;
            for (int32_t i = l; i <= r; ++i)
                if (!seen[size_t(ny) * size_t(w) + size_t(i)] && same(i, ny)) stack.push_back({i, ny});
        }
    }
    std::vector<salon::Rect> rects;
    for (int32_t row = 0; row < h; ++row) {
        auto& rr = runs[size_t(row)];
        std::sort(rr.begin(), rr.end());
        for (auto [l, r] : rr) rects.push_back({l, row, r, row + 1});
    }
    return salon::Region::fromRects(rects);
}

int32_t maluj(salon::Surface& obj, const Event& e, salon::LongArray& axy, int32_t& pocet, FillOutput fill,
              int32_t& msTyp)
{
    if (e.typ < 1 || e.typ > 6 || e.mouseStat < 1 || e.mouseStat > 3 || obj.image().isNull()) return 0;
    if (!(std::isfinite(e.mx) && std::isfinite(e.my))) return 0;
    // PsObjCursor numbers: a library cursor is its resource + 10.
    msTyp = e.typ == 1 ? 19 + std::clamp(obj.drawWidth / 2, 1, 16) : e.typ == 6 ? cursors::Bucket + 10 : 2;
    const Point cur{salon::fix(e.mx), salon::fix(e.my)};
    const bool pressed = (e.button & 3) != 0;
    // The pen colour of the event's button, restored when the event is done.
    const uint32_t pen = obj.foreColour;
    struct Restore {
        salon::Surface& o;
        uint32_t c;
        ~Restore() { o.foreColour = c; }
    } restore{obj, pen};
    if (e.button & 2) obj.foreColour = obj.backColour;
    if (pocet < 0) pocet = 0;

    switch (e.typ) {
    case 1:
        if (e.mouseStat == 1 || (e.mouseStat == 2 && pressed && pocet == 0)) {
            pocet = 0;
            push(axy, pocet, cur.x, cur.y);
            dot(obj, cur);
            return 1;
        }
        if (!hasPoints(axy, pocet, pocet) || pocet == 0) return 1;
        if (e.mouseStat == 2 && !pressed) return 1;
        {
            const Point last = pointAt(axy, pocet);
            obj.drawLine(last.x, last.y, cur.x, cur.y);
            dot(obj, cur);
            push(axy, pocet, cur.x, cur.y);
        }
        if (e.mouseStat == 3 || (e.siStop > 0 && pocet >= e.siStop)) {
            obj.keepImage();
            return 2;
        }
        return 1;
    case 2: case 3: case 4: {
        if (e.mouseStat == 1) {
            obj.keepImage();
            pocet = 0;
            push(axy, pocet, cur.x, cur.y);
            push(axy, pocet, cur.x, cur.y);
            return 1;
        }
        if (!hasPoints(axy, pocet, 2)) return 1;
        if (e.mouseStat == 2 && !pressed) return 1;
        const Point a = pointAt(axy, 1);
        const Point b = (e.shift & 1) ? constrain(a, cur, e.typ) : cur;
        axy(3) = b.x;
        axy(4) = b.y;
        if (e.mouseStat == 2 && !obj.autoRedraw) return 1;
        obj.clear();
        drawFigure(obj, e.typ, a, b);
        if (e.mouseStat == 3) {
            obj.keepImage();
            return 2;
        }
        return 1;
    }
    case 5: {
        if (e.mouseStat == 1 && (e.button & 2)) {
            if (!hasPoints(axy, pocet, pocet) || pocet < 3) return 1;
            std::vector<Point> pts;
            for (int32_t i = 1; i <= pocet; ++i) pts.push_back(pointAt(axy, i));
            obj.clear();
            const int32_t count = pocet;
            obj.drawPolygons(pts, std::span<const int32_t>(&count, 1), salon::FillRule::EvenOdd);
            obj.keepImage();
            return 2;
        }
        if (e.mouseStat == 1) {
            if (pocet == 0) obj.keepImage();
            push(axy, pocet, cur.x, cur.y);
            if (e.siStop > 0 && pocet >= e.siStop && pocet >= 3) {
                std::vector<Point> pts;
                for (int32_t i = 1; i <= pocet; ++i) pts.push_back(pointAt(axy, i));
                obj.clear();
                const int32_t count = pocet;
                obj.drawPolygons(pts, std::span<const int32_t>(&count, 1), salon::FillRule::EvenOdd);
                obj.keepImage();
                return 2;
            }
            obj.clear();
            drawPolyline(obj, axy, pocet, std::nullopt);
            return 1;
        }
        if (e.mouseStat == 2 && pocet > 0 && hasPoints(axy, pocet, pocet) && obj.autoRedraw) {
            obj.clear();
            drawPolyline(obj, axy, pocet, cur);
        }
        return 1;
    }
    default: {  // 6 fill
        if (e.mouseStat != 1) return 1;
        const salon::Region area = floodArea(obj.image(), cur.x, cur.y);
        if (!area.isValid() || area.isEmpty()) return 0;
        obj.fillRegion(area, obj.foreColour);
        obj.keepImage();
        pocet = 0;
        push(axy, pocet, cur.x, cur.y);
        if (fill.stat && fill.region && *fill.stat != 0) {
            const uint32_t h = state().regions.add(area);
            if (h != 0) {
                *fill.region = int32_t(h);
                *fill.stat = 1;
            }
        }
        return 2;
    }
    }
}

} // namespace pixol::painttool
