// The area frame (area, array checks) and the single-picture filters PaZmenaA and PaZmenaG.
#include "library/imaging/AreaTransforms.h"

#include "library/frame/LibraryState.h"
#include "library/imaging/AreaKernels.h"
#include "library/imaging/AreaRows.h"
#include "platform/Numbers.h"
#include "platform/Region.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pixol::area {

using salon::Rect;
using salon::toByte;

Area areaOf(int32_t hrgn, const Rect& bounds)
{
    Area a;
    if (bounds.right <= bounds.left || bounds.bottom <= bounds.top) {
        a.result = -1;
        return a;
    }
    salon::Region region = salon::Region::rect(bounds);
    if (hrgn != 0) {
        const salon::Region* r = state().regions.find(uint32_t(hrgn));
        if (!r || !r->isValid()) return a;
        region.intersect(*r);
        if (!region.isValid()) return a;
    }
    if (region.isEmpty()) {
        a.result = -1;
        return a;
    }
    a.rects = region.rects();
    a.box = region.bounds();
    a.result = 1;
    return a;
}

bool isPixelArray(const ByteArray& a, int32_t width, int32_t height)
{
    return width >= 4 && height >= 4 && a.rank == 2 && a.lower[0] == 0 && a.lower[1] == 0 &&
           a.count[0] == salon::rowBytes24(width) && a.count[1] == height;
}

bool isMask(const ByteArray& a, int32_t width, int32_t height)
{
    return a.rank == 2 && a.lower[0] == 0 && a.lower[1] == 0 && a.count[0] >= width && a.count[1] >= height;
}

namespace {

constexpr bool isColour(int32_t c) { return c >= 0 && c <= 0xFFFFFF; }
constexpr bool within(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

void setBox(Box box, const Rect& r)
{
    box.left = r.left;
    box.top = r.top;
    box.width = r.width();
    box.height = r.height();
}

// Colour bytes in array order: blue, green, red.
std::array<float, 3> bytesOf(int32_t colour)
{
    const uint32_t c = uint32_t(colour);
    return {float(salon::blueOf(c)), float(salon::greenOf(c)), float(salon::redOf(c))};
}

struct Sums {
    int64_t b = 0, g = 0, r = 0, n = 0;
};

Sums sumArea(const ByteArray& pole, int32_t stride, const std::vector<Rect>& rects)
{
    Sums s;
    forEachPixel(pole.values.data(), stride, rects, [&](const uint8_t* p, int32_t, int32_t) {
        s.b += p[0];
        s.g += p[1];
        s.r += p[2];
    });
    for (const Rect& r : rects) s.n += int64_t(r.width()) * r.height();
    return s;
}

// The mean of a 64-bit sum, rounded half to even (double: a float cannot hold large sums exactly).
int32_t mean(int64_t sum, int64_t n) { return salon::roundHalfEven(double(sum) / double(n)); }

// A lookup table per channel: every byte value mapped once, the area then only looks up.
using Lut = std::array<uint8_t, 256>;

template <class F>
Lut makeLut(F f)
{
    Lut t{};
    for (int v = 0; v < 256; ++v) t[size_t(v)] = f(v);
    return t;
}

void applyLuts(ByteArray& pole, int32_t stride, const std::vector<Rect>& rects, const Lut& lb, const Lut& lg,
               const Lut& lr)
{
    forEachPixel(pole.values.data(), stride, rects, [&](uint8_t* p, int32_t, int32_t) {
        p[0] = lb[p[0]];
        p[1] = lg[p[1]];
        p[2] = lr[p[2]];
    });
}

// Rounded, raised to the floor, limited to 255.
uint8_t floored(float v, int32_t floor)
{
    int32_t r = salon::roundHalfEven(v);
    if (r < floor) r = floor;
    return uint8_t(std::clamp(r, 0, 255));
}

// Neighbour filters (relief, sharpen, smoothing) read a copy of the picture, so a changed pixel
// never feeds its neighbour, and clamp the neighbour's position to the picture. The clamped rows
// (y - 1 .. y + 2) are found once per row and the clamped columns once per pixel, so the kernels
// index plain bytes: at(dx, dy, ch) for dx, dy in -1..2.
struct Neighbours {
    const uint8_t* rows[4];
    int32_t cols[4];
    float operator()(int32_t dx, int32_t dy, int ch) const { return float(rows[dy + 1][cols[dx + 1] + ch]); }
};

template <class F>
void neighbourFilter(ByteArray& pole, int32_t prX, int32_t prY, const std::vector<Rect>& rects, F f)
{
    const std::vector<uint8_t> copy = pole.values;
    const int32_t stride = salon::rowBytes24(prX);
    Neighbours n{};
    for (const Rect& r : rects)
        for (int32_t y = r.top; y < r.bottom; ++y) {
            for (int32_t k = 0; k < 4; ++k)
                n.rows[k] = copy.data() + size_t(std::clamp(y + k - 1, 0, prY - 1)) * size_t(stride);
            uint8_t* row = pole.values.data() + size_t(y) * size_t(stride);
            for (int32_t x = r.left; x < r.right; ++x) {
                for (int32_t k = 0; k < 4; ++k) n.cols[k] = 3 * std::clamp(x + k - 1, 0, prX - 1);
                uint8_t* p = row + 3 * x;
                for (int ch = 0; ch < 3; ++ch) p[ch] = f(n, ch);
            }
        }
}

// Smoothing with the weights as exact fractions: (c + n) / 5 for 0.2 / 0.2, (8 c + 3 n) / 20 for
// 0.4 / 0.15 (n the sum of the four neighbours), rounded half to even in integers - no float
// product can land beside a tie, and the inner loop runs over contiguous bytes, which the compiler
// turns into vector code. Neighbours come from a copy, clamped to the picture.
template <bool Even>
void smooth(ByteArray& pole, int32_t prX, int32_t prY, const std::vector<Rect>& rects)
{
    const std::vector<uint8_t> copy = pole.values;
    const int32_t stride = salon::rowBytes24(prX);
    constexpr int32_t wc = Even ? 1 : 8, wn = Even ? 1 : 3, d = Even ? 5 : 20;
    auto value = [&](int32_t c, int32_t n) {
        const int32_t v = wc * c + wn * n;
        const int32_t q = v / d, r = v - q * d;
        return uint8_t(q + ((2 * r > d || (2 * r == d && (q & 1))) ? 1 : 0));
    };
    for (const Rect& rc : rects)
        for (int32_t y = rc.top; y < rc.bottom; ++y) {
            const uint8_t* up = copy.data() + size_t(std::max(y - 1, 0)) * size_t(stride);
            const uint8_t* mid = copy.data() + size_t(y) * size_t(stride);
            const uint8_t* down = copy.data() + size_t(std::min(y + 1, prY - 1)) * size_t(stride);
            uint8_t* out = pole.values.data() + size_t(y) * size_t(stride);
            auto edgePixel = [&](int32_t x) {
                const int32_t l = 3 * std::max(x - 1, 0), r = 3 * std::min(x + 1, prX - 1), i = 3 * x;
                for (int ch = 0; ch < 3; ++ch)
                    out[i + ch] = value(mid[i + ch], mid[l + ch] + mid[r + ch] + up[i + ch] + down[i + ch]);
            };
            int32_t left = rc.left, right = rc.right;
            if (left == 0) edgePixel(left++);
            if (right == prX && right > left) edgePixel(--right);
            for (int32_t i = 3 * left; i < 3 * right; ++i)
                out[i] = value(mid[i], mid[i - 3] + mid[i + 3] + up[i] + down[i]);
        }
}

float unit(std::mt19937& g) { return float(g() >> 8) * (1.0f / 16777216.0f); }

} // namespace

int32_t filterA(int32_t typ, ByteArray& pole, int32_t prX, int32_t prY, Box box, int32_t hrgn, Data4 data,
                std::mt19937& random)
{
    int32_t d1 = data.d1, d2 = data.d2, d3 = data.d3, d4 = data.d4;
    switch (typ) {
    case 1: case 5: case 14: break;
    case 2:
        if (!within(d1, -100, 100) || !within(d2, -100, 100)) return 0;
        if (!within(d3, 40, 224)) d3 = 180;
        if (d4 > 32 || d4 < 0) d4 = 8;
        break;
    case 3:
        if (!within(d1, -100, 100) || !within(d2, -100, 100) || !within(d3, -100, 100)) return 0;
        if (d4 > 32 || d4 < 0) d4 = 8;
        break;
    case 4: case 11: case 15:
        if (!isColour(d1) || !within(d2, 1, 100)) return 0;
        if (typ == 11 && !within(d3, 1, 100)) return 0;
        if (typ == 15 && !within(d3, 2, 11)) return 0;
        break;
    case 6: case 12:
        if (!isColour(d1) || !within(d2, 1, 100)) return 0;
        if (d3 > 32 || d3 < 0) d3 = 8;
        if (typ == 12 && !within(d4, 1, 99)) return 0;
        break;
    case 7:
        if (!within(d1, 1, 200)) return 0;
        break;
    case 8:
        if (!within(d1, 10, 127)) d1 = 127;
        break;
    case 9:
        if (!within(d1, 1, 100) || !within(d2, 0, 1)) return 0;
        break;
    case 10:
        if (!within(d1, 0, 1)) return 0;
        break;
    case 13:
        if (!within(d1, -100, 100) || !within(d3, 1, 100)) return 0;
        if (d2 > 32 || d2 < 0) d2 = 8;
        break;
    case 16:
        if (!within(d1, -180, 180)) return 0;
        break;
    default:
        return 0;
    }
    if (!isPixelArray(pole, prX, prY)) return 0;
    const Area area = areaOf(hrgn, Rect{0, 0, prX, prY});
    if (area.result <= 0) return area.result;
    setBox(box, area.box);
    const int32_t stride = salon::rowBytes24(prX);
    const auto& rects = area.rects;
    uint8_t* base = pole.values.data();

    switch (typ) {
    case 1:
        // v = B \ 3 + G \ 3 + R \ 3 into all three bytes.
        forEachRun(base, stride, rects, [grey = rows::kernels().grey](uint8_t* p, size_t n) { grey(p, n); });
        break;
    case 2: {
        // nint(c k + o), raised to the floor d4, limited to 255.
        const float k = float(d2) / 100.0f + 1.0f;
        const float o = float(d1) - float(d3 * d2) / 100.0f;
        const auto contrast = rows::kernels().contrast;
        forEachRun(base, stride, rects, [&](uint8_t* p, size_t n) { contrast(p, 3 * n, k, o, uint8_t(d4)); });
        break;
    }
    case 3: {
        const float t = float(d1 + d2 + d3 + 303);
        auto lut = [&](int32_t d) {
            return makeLut([&](int v) { return floored(float(v * 3 * (d + 101)) / t, d4); });
        };
        applyLuts(pole, stride, rects, lut(d3), lut(d2), lut(d1));
        break;
    }
    case 4: {
        const float k = float(d2) / 100.0f;
        const auto c = bytesOf(d1);
        auto lut = [&](float cc) {
            const float tint = float(salon::roundHalfEven(cc * k));
            return makeLut([&](int v) { return toByte(tint + (1.0f - k) * 0.996f * float(v)); });
        };
        applyLuts(pole, stride, rects, lut(c[0]), lut(c[1]), lut(c[2]));
        break;
    }
    case 5: {
        const Sums s = sumArea(pole, stride, rects);
        data.d3 = mean(s.b, s.n);
        data.d2 = mean(s.g, s.n);
        data.d1 = mean(s.r, s.n);
        data.d4 = data.d1 + 256 * data.d2 + 65536 * data.d3;
        break;
    }
    case 6: case 12: {
        const Sums s = sumArea(pole, stride, rects);
        const float mb = float(std::max(10, mean(s.b, s.n)));
        const float mg = float(std::max(10, mean(s.g, s.n)));
        const float mr = float(std::max(10, mean(s.r, s.n)));
        const float sh = float(d2) / 100.0f;
        const auto c = bytesOf(d1);
        const float q = typ == 12 ? float(d4) / 100.0f : 0.0f;
        auto lut = [&](float cc, float m) {
            const float f = (cc / m - 1.0f) * sh + 1.0f;
            if (typ == 6) return makeLut([&](int v) { return floored(float(v) * f, d3); });
            const float keep = f * (1.0f - q), extra = q * 0.96f * cc;
            return makeLut([&](int v) { return floored(float(v) * keep + extra, d3); });
        };
        applyLuts(pole, stride, rects, lut(c[0], mb), lut(c[1], mg), lut(c[2], mr));
        break;
    }
    case 7: {
        // a + c (255 - a) / 255; the product of two whole numbers is exact in float either way.
        const float a = float(d1), rest = float(255 - d1);
        const auto lighten = rows::kernels().lighten;
        forEachRun(base, stride, rects, [&](uint8_t* p, size_t n) { lighten(p, 3 * n, a, rest); });
        break;
    }
    case 8:
        neighbourFilter(pole, prX, prY, rects, [&](const Neighbours& at, int ch) {
            float v = (at(0, 0, ch) - at(2, 2, ch)) / 4.0f;
            if (v > float(d1)) v = 127.0f;
            else if (v < -float(d1)) v = -127.0f;
            return toByte(float(salon::roundHalfEven(v)) + 128.0f);
        });
        break;
    case 9: {
        const float k = float(d1) / 100.0f;
        neighbourFilter(pole, prX, prY, rects, [&](const Neighbours& at, int ch) {
            float sum = at(-1, 0, ch) + at(1, 0, ch) + at(0, -1, ch) + at(0, 1, ch);
            float n = 4.0f;
            if (d2 == 1) {
                sum += at(-1, -1, ch) + at(1, -1, ch) + at(-1, 1, ch) + at(1, 1, ch);
                n = 8.0f;
            }
            const float c = at(0, 0, ch);
            return toByte(c + k * (c - sum / n));
        });
        break;
    }
    case 10:
        if (d1 == 1) smooth<true>(pole, prX, prY, rects);
        else smooth<false>(pole, prX, prY, rects);
        break;
    case 11: {
        const float s = float(d2) / 100.0f;
        const float w1 = s * float(100 - d3) / 100.0f, w2 = float(d3) / 100.0f * s;
        const auto c = bytesOf(d1);
        forEachPixel(base, stride, rects, [&](uint8_t* p, int32_t, int32_t) {
            const float g = float(p[0] + p[1] + p[2]) / 3.0f / 255.0f;
            for (int ch = 0; ch < 3; ++ch)
                p[ch] = toByte(float(p[ch]) * (1.0f - s) + w1 * c[size_t(ch)] * g + w2 * c[size_t(ch)]);
        });
        break;
    }
    case 13: {
        const float w1 = float(d1 * (100 - d3)) * 0.00996f, w2 = float(d1 * d3) * 0.00996f;
        forEachPixel(base, stride, rects, [&](uint8_t* p, int32_t, int32_t) {
            const float grain = w1 * (unit(random) - 0.5f);
            for (int ch = 0; ch < 3; ++ch)
                p[ch] = floored(float(p[ch]) + grain + w2 * (unit(random) - 0.5f), d2);
        });
        break;
    }
    case 14: {
        uint8_t mb = 0, mg = 0, mr = 0;
        forEachPixel(base, stride, rects, [&](const uint8_t* p, int32_t, int32_t) {
            mb = std::max(mb, p[0]);
            mg = std::max(mg, p[1]);
            mr = std::max(mr, p[2]);
        });
        data.d1 = mr;
        data.d2 = mg;
        data.d3 = mb;
        data.d4 = mr + mg + mb;
        break;
    }
    case 15: {
        const float s = float(d2) / 100.0f;
        const float steps = float(d3 - 1);
        const auto c = bytesOf(d1);
        forEachPixel(base, stride, rects, [&](uint8_t* p, int32_t, int32_t) {
            const float g = float(p[0] + p[1] + p[2]) / 3.0f;
            const float l = float(salon::roundHalfEven(g * steps / 255.0f)) / steps;
            for (int ch = 0; ch < 3; ++ch)
                p[ch] = toByte(float(p[ch]) * (1.0f - s) + s * l * c[size_t(ch)]);
        });
        break;
    }
    case 16: {
        const int32_t angle = d1 < 0 ? d1 + 360 : d1;
        const int32_t sector = (angle / 120) % 3;
        const float w = (1.0f - float(angle % 120) / 120.0f) * 0.996f;
        forEachPixel(base, stride, rects, [&](uint8_t* p, int32_t, int32_t) {
            const float src[3] = {float(p[0]), float(p[1]), float(p[2])};
            // (b, g, r) indices 0, 1, 2; one turn: new g = old r, new b = old g, new r = old b.
            auto turned = [&](int ch, int k) { return src[(ch + k) % 3]; };
            for (int ch = 0; ch < 3; ++ch)
                p[ch] = toByte(w * turned(ch, sector) + (1.0f - w) * turned(ch, sector + 1));
        });
        break;
    }
    default:
        return 0;
    }
    return 1;
}

int32_t filterG(int32_t typ, ByteArray& pole, int32_t prX, int32_t prY, LongArray& koR, LongArray& koG,
                LongArray& koB, Box box, int32_t hrgn, int32_t data1, int32_t colourDepth)
{
    if (typ < 1 || typ > 4 || data1 > 255) return 0;
    if (typ == 3 && data1 < 0) return 0;
    if (typ == 4 && data1 < 2) return 0;
    if (typ == 1)
        for (const LongArray* t : {&koR, &koG, &koB})
            if (!t->has(0) || !t->has(255)) return 0;
    if (!isPixelArray(pole, prX, prY)) return 0;
    const Area area = areaOf(hrgn, Rect{0, 0, prX, prY});
    if (area.result <= 0) return area.result;
    setBox(box, area.box);
    const int32_t stride = salon::rowBytes24(prX);
    const auto& rects = area.rects;
    switch (typ) {
    case 1: {
        auto lut = [](const LongArray& t) {
            return makeLut([&](int v) { return uint8_t(std::clamp(t(v), 0, 255)); });
        };
        applyLuts(pole, stride, rects, lut(koB), lut(koG), lut(koR));
        break;
    }
    case 2: {
        std::array<int64_t, 256> cb{}, cg{}, cr{};
        forEachPixel(pole.values.data(), stride, rects, [&](const uint8_t* p, int32_t, int32_t) {
            ++cb[p[0]];
            ++cg[p[1]];
            ++cr[p[2]];
        });
        int64_t n = 0;
        for (const Rect& r : rects) n += int64_t(r.width()) * r.height();
        // Half of the area's pixels: the median of what was counted (not of the whole picture).
        const int64_t half = salon::roundHalfEven(double(n) / 2.0);
        auto summarise = [&](LongArray& t, const std::array<int64_t, 256>& c) {
            t.redim(0, 257);
            int64_t run = 0, most = 0;
            int32_t median = -1;
            for (int v = 0; v < 256; ++v) {
                t(v) = int32_t(c[size_t(v)]);
                run += c[size_t(v)];
                if (median < 0 && run > half) median = v;
                most = std::max(most, c[size_t(v)]);
            }
            t(256) = median < 0 ? 255 : median;
            t(257) = int32_t(most);
            if (colourDepth == 15 || colourDepth == 16)
                for (int m = 0; m < 32; ++m)
                    for (int v = 8 * m + 1; v < 8 * m + 8; ++v) t(v) = t(8 * m);
        };
        summarise(koB, cb);
        summarise(koG, cg);
        summarise(koR, cr);
        break;
    }
    case 3: {
        // Black where all three bytes are below Data1, white elsewhere.
        const uint8_t limit = uint8_t(data1);
        const auto threshold = rows::kernels().threshold;
        forEachRun(pole.values.data(), stride, rects, [&](uint8_t* p, size_t n) { threshold(p, n, limit); });
        break;
    }
    case 4: {
        const float k = 255.0f / float(data1);
        const Lut t = makeLut([&](int v) {
            const int32_t q = salon::roundHalfEven(float(v) / k);
            return toByte(float(q * 255) / float(data1));
        });
        applyLuts(pole, stride, rects, t, t, t);
        break;
    }
    }
    return 1;
}

} // namespace pixol::area
