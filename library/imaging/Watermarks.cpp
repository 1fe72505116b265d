#include "library/imaging/Watermarks.h"

#include "library/frame/LibraryState.h"
#include "library/imaging/AreaKernels.h"
#include "library/imaging/AreaTransforms.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace pixol::watermarks {

namespace {

bool holds(const salon::LongArray& t, int32_t last) { return t.lower == 0 && t.has(last); }

struct Mark {
    float s;
    int32_t kind;
    float colour[3];
};

bool markOf(const salon::LongArray& j, int32_t strengthAt, Mark& m)
{
    if (!holds(j, strengthAt + 1)) return false;
    const int32_t s = j(strengthAt), kind = j(strengthAt + 1);
    if (s < 1 || s > 100 || kind < 0 || kind > 2) return false;
    uint32_t c = 0;
    if (kind == 2) {
        if (!holds(j, strengthAt + 2) || j(strengthAt + 2) < 0 || j(strengthAt + 2) > 0xFFFFFF) return false;
        c = uint32_t(j(strengthAt + 2));
    }
    m = {float(s) / 100.0f, kind, {float(salon::blueOf(c)), float(salon::greenOf(c)), float(salon::redOf(c))}};
    return true;
}

inline void apply(uint8_t* p, const Mark& m, float s)
{
    for (int ch = 0; ch < 3; ++ch) {
        const float b = float(p[ch]);
        float v = b;
        switch (m.kind) {
        case 0: v = b + (255.0f - b) * s; break;
        case 1: v = b * (1.0f - s); break;
        default: v = b * (1.0f - s) + m.colour[ch] * s; break;
        }
        p[ch] = salon::toByte(v);
    }
}

} // namespace

int32_t markRegion(int32_t hrgn, const salon::LongArray& jData, salon::ByteArray& bPole)
{
    Mark m;
    if (!holds(jData, 3) || !markOf(jData, 2, m)) return 0;
    const int32_t w = jData(0), h = jData(1);
    if (!area::isPixelArray(bPole, w, h)) return 0;
    const area::Area a = area::areaOf(hrgn, salon::Rect{0, 0, w, h});
    if (a.result <= 0) return a.result;
    area::forEachPixel(bPole.values.data(), salon::rowBytes24(w), a.rects,
                       [&](uint8_t* p, int32_t, int32_t) { apply(p, m, m.s); });
    return 1;
}

int32_t markObject(salon::Surface& obj, const salon::ByteArray& bPole, const salon::LongArray& jData,
                   int32_t hrgn)
{
    Mark m;
    if (!holds(jData, 3) || !markOf(jData, 2, m)) return 0;
    if (bPole.rank != 2 || bPole.lower[0] != 0 || bPole.lower[1] != 0 || bPole.empty()) return 0;
    salon::Bitmap& image = obj.image();
    if (image.isNull()) return 0;
    const int32_t ox = jData(0), oy = jData(1);
    const int64_t right = int64_t(ox) + bPole.count[0], bottom = int64_t(oy) + bPole.count[1];
    salon::Region area = salon::Region::rect(std::max(0, ox), std::max(0, oy),
                                             int32_t(std::min<int64_t>(image.width, right)),
                                             int32_t(std::min<int64_t>(image.height, bottom)));
    if (hrgn != 0) {
        const salon::Region* r = state().regions.find(uint32_t(hrgn));
        if (!r || !r->isValid()) return 0;
        area.intersect(*r);
    }
    for (const salon::Rect& r : area.rects())
        for (int32_t y = r.top; y < r.bottom; ++y)
            for (int32_t x = r.left; x < r.right; ++x) {
                const uint8_t cover = bPole(x - ox, y - oy);
                if (cover) apply(image.row(y) + 3 * x, m, m.s * float(cover) / 255.0f);
            }
    return 1;
}

int32_t blendThree(salon::ByteArray& a, const salon::ByteArray& b, const salon::ByteArray& c,
                   const salon::LongArray& jData, const salon::ByteArray& mask)
{
    if (!holds(jData, 2) || jData(2) < 1 || jData(2) > 100) return 0;
    const int32_t w = jData(0), h = jData(1);
    if (!area::isPixelArray(a, w, h) || !area::isPixelArray(b, w, h) || !area::isPixelArray(c, w, h) ||
        !area::isMask(mask, w, h))
        return 0;
    const float s = float(jData(2)) / 100.0f;
    const int32_t stride = salon::rowBytes24(w);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const float k = float(mask(x, y)) / 255.0f;
            const size_t i = size_t(y) * size_t(stride) + size_t(3 * x);
            for (size_t ch = 0; ch < 3; ++ch) {
                const float bb = float(b.values[i + ch]);
                const float m = bb + (float(c.values[i + ch]) - bb) * k;
                const float av = float(a.values[i + ch]);
                a.values[i + ch] = salon::toByte(av + (m - av) * s);
            }
        }
    return 1;
}

} // namespace pixol::watermarks
