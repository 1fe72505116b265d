#include "library/imaging/PictureChanges.h"

#include "library/imaging/PictureBasics.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <vector>

namespace pixol::changes {

bool cutAlongPolygons(const salon::Surface& from, salon::Surface& to, int32_t moveX, int32_t moveY,
                      const salon::BoundedArray<int32_t>& xs, const salon::BoundedArray<int32_t>& ys,
                      const salon::BoundedArray<int32_t>& counts, int32_t& polygons, salon::Region& cut)
{
    const int32_t w1 = from.drawableWidth(), h1 = from.drawableHeight();
    const int32_t w2 = to.drawableWidth(), h2 = to.drawableHeight();
    if (w1 < 1 || h1 < 1 || w2 < 1 || h2 < 1 || counts.empty()) return false;
    const int32_t n = polygons <= 0 ? counts.size() : polygons;
    if (n > counts.size() || xs.size() != ys.size() || xs.lower != ys.lower) return false;
    int64_t total = 0;
    for (int32_t k = 0; k < n; ++k) {
        const int32_t c = counts(counts.lower + k);
        if (c < 3) return false;  // a polygon needs an area
        total += c;
    }
    if (total > xs.size()) return false;
    std::vector<salon::Point> pts(static_cast<size_t>(total));
    for (size_t i = 0; i < pts.size(); ++i) pts[i] = {xs.values[i], ys.values[i]};
    const std::vector<int32_t> cs(counts.values.begin(), counts.values.begin() + n);
    // Only the part of the polygons over the source picture is scanned.
    salon::Region r = salon::Region::polygons(pts, cs, salon::FillRule::EvenOdd, salon::Rect{0, 0, w1, h1});
    if (!r.isValid()) return false;
    r.offset(moveX, moveY);
    r.intersect(salon::Region::rect(0, 0, w2, h2));
    if (!r.isValid() || r.isEmpty()) return false;

    const salon::Bitmap src = from.readRows();
    salon::Bitmap dst = to.readRows();
    for (const salon::Rect& q : r.rects())
        for (int32_t y = q.top; y < q.bottom; ++y)
            std::copy_n(src.row(y - moveY) + 3 * (q.left - moveX), size_t(3 * q.width()), dst.row(y) + 3 * q.left);
    to.writeRows(dst);
    persist(to);
    polygons = n;
    cut = std::move(r);
    return true;
}

bool changePixels(salon::Surface& obj, int32_t typ, int32_t data1, const salon::Region* limit)
{
    switch (typ) {
    case 1: case 2: break;
    case 3: if (data1 < -255 || data1 > 255) return false; break;
    case 4: if (data1 < 0 || data1 > 500) return false; break;
    case 5: if (data1 < 0 || data1 > 255) return false; break;
    default: return false;
    }
    const int32_t w = obj.drawableWidth(), h = obj.drawableHeight();
    if (w < 1 || h < 1) return false;
    salon::Region area = salon::Region::rect(0, 0, w, h);
    if (limit) {
        if (!limit->isValid()) return false;
        area.intersect(*limit);
    }
    salon::Bitmap b = obj.readRows();
    const float contrast = float(data1) / 100.0f;
    for (const salon::Rect& q : area.rects())
        for (int32_t y = q.top; y < q.bottom; ++y)
            for (int32_t x = q.left; x < q.right; ++x) {
                uint8_t* p = b.row(y) + 3 * x;  // blue, green, red
                const float grey = 0.299f * float(p[2]) + 0.587f * float(p[1]) + 0.114f * float(p[0]);
                for (int ch = 0; ch < 3; ++ch) {
                    const int32_t v = p[ch];
                    switch (typ) {
                    case 1: p[ch] = salon::toByte(grey); break;
                    case 2: p[ch] = uint8_t(255 - v); break;
                    case 3: p[ch] = uint8_t(std::clamp(v + data1, 0, 255)); break;
                    case 4: p[ch] = salon::toByte(128.0f + float(v - 128) * contrast); break;
                    default: p[ch] = salon::roundHalfEven(grey) > data1 ? 255 : 0; break;
                    }
                }
            }
    obj.writeRows(b);
    persist(obj);
    return true;
}

bool coverage(const salon::Region& region, int32_t width, int32_t height, salon::ByteArray& out, int32_t plus,
              int32_t minus, int32_t& lowest, int32_t& highest, int64_t& inside)
{
    if (plus < 0 || plus > 255 || minus < 0 || minus > 255 || width < 1 || height < 1) return false;
    if (int64_t(width) * height > (int64_t(64) << 20) || !region.isValid()) return false;
    salon::Region r = region.intersected(salon::Region::rect(0, 0, width, height));
    inside = 0;
    for (const salon::Rect& q : r.rects()) inside += int64_t(q.width()) * q.height();
    if (inside == 0) return false;
    salon::ByteArray a;
    a.redim(0, width - 1, 0, height - 1);
    std::fill(a.values.begin(), a.values.end(), uint8_t(minus));
    for (const salon::Rect& q : r.rects())
        for (int32_t y = q.top; y < q.bottom; ++y)
            std::fill_n(a.values.begin() + int64_t(y) * width + q.left, q.width(), uint8_t(plus));
    const bool outsideToo = inside < int64_t(width) * height;
    lowest = outsideToo ? std::min(plus, minus) : plus;
    highest = outsideToo ? std::max(plus, minus) : plus;
    out = std::move(a);
    return true;
}

} // namespace pixol::changes
