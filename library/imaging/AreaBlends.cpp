// The blending members of the area transforms: a second picture (and a third, and masks) laid onto
// the first at an offset. The area is taken in the second picture's coordinates.
#include "library/frame/LibraryState.h"
#include "library/imaging/AreaKernels.h"
#include "library/imaging/AreaRows.h"
#include "library/imaging/AreaVector.h"
#include "library/imaging/AreaTransforms.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pixol::area {

using salon::Rect;
using salon::toByte;

namespace {

constexpr bool isColour(int32_t c) { return c >= 0 && c <= 0xFFFFFF; }
constexpr bool within(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

float unit(std::mt19937& g) { return float(g() >> 8) * (1.0f / 16777216.0f); }

// The shapes every member checks, and the area in Pole2's coordinates: the part of Pole2 that falls
// on Pole1 (and on Pole3 and the masks), intersected with the region.
struct Frame {
    int32_t result = 0;
    Area area;
    int32_t stride1 = 0, stride2 = 0, stride3 = 0, maskStride1 = 0, maskStride2 = 0;
};

Frame frameOf(const BlendInput& in, Box box, int32_t hrgn)
{
    Frame f;
    if (!isPixelArray(in.pole1, in.prX1, in.prY1) || !isPixelArray(in.pole2, in.prX2, in.prY2)) return f;
    int32_t right = std::min(in.prX2, in.prX1 - in.ofX), bottom = std::min(in.prY2, in.prY1 - in.ofY);
    if (in.pole3) {
        if (!isPixelArray(*in.pole3, in.prX3, in.prY3)) return f;
        right = std::min(right, in.prX3);
        bottom = std::min(bottom, in.prY3);
        f.stride3 = salon::rowBytes24(in.prX3);
    }
    if (in.mask1) {
        if (!isMask(*in.mask1, in.prX2, in.prY2)) return f;
        f.maskStride1 = in.mask1->count[0];
    }
    if (in.mask2) {
        if (!isMask(*in.mask2, in.prX2, in.prY2)) return f;
        f.maskStride2 = in.mask2->count[0];
    }
    f.area = areaOf(hrgn, Rect{std::max(-in.ofX, 0), std::max(-in.ofY, 0), right, bottom});
    f.result = f.area.result;
    if (f.result <= 0) return f;
    box.left = f.area.box.left + in.ofX;
    box.top = f.area.box.top + in.ofY;
    box.width = f.area.box.width();
    box.height = f.area.box.height();
    f.stride1 = salon::rowBytes24(in.prX1);
    f.stride2 = salon::rowBytes24(in.prX2);
    return f;
}

// f(p1, p2, p3, m1, m2): the bytes of the three pictures at the pixel and the two mask bytes
// (0 where absent).
template <class F>
void eachBlendPixel(const BlendInput& in, const Frame& f, F&& fn)
{
    uint8_t* b1 = in.pole1.values.data();
    const uint8_t* b2 = in.pole2.values.data();
    const uint8_t* b3 = in.pole3 ? in.pole3->values.data() : nullptr;
    for (const Rect& r : f.area.rects)
        for (int32_t y = r.top; y < r.bottom; ++y) {
            uint8_t* row1 = b1 + size_t(y + in.ofY) * size_t(f.stride1) + size_t(3 * in.ofX);
            const uint8_t* row2 = b2 + size_t(y) * size_t(f.stride2);
            const uint8_t* row3 = b3 ? b3 + size_t(y) * size_t(f.stride3) : nullptr;
            const uint8_t* mrow1 = in.mask1 ? in.mask1->values.data() + size_t(y) * size_t(f.maskStride1) : nullptr;
            const uint8_t* mrow2 = in.mask2 ? in.mask2->values.data() + size_t(y) * size_t(f.maskStride2) : nullptr;
            for (int32_t x = r.left; x < r.right; ++x)
                fn(row1 + 3 * x, row2 + 3 * x, row3 ? row3 + 3 * x : nullptr, mrow1 ? mrow1[x] : uint8_t(0),
                   mrow2 ? mrow2[x] : uint8_t(0));
        }
}

using simd::blendMode;

// The row kernels for these pictures: byte after byte when the second or third picture is the
// first one, so that every byte reads what the pixels before it left, as the pixel loop does.
const rows::Kernels& kernelsFor(const BlendInput& in)
{
    const bool aliased = &in.pole2 == &in.pole1 || in.pole3 == &in.pole1;
    return aliased ? rows::scalarKernels() : rows::kernels();
}

// The same pixels as runs of contiguous bytes: fn(row1, row2, row3, pixels), each row at the run's
// first pixel (row3 repeats row2 where there is no third picture).
template <class F>
void eachBlendRun(const BlendInput& in, const Frame& f, F&& fn)
{
    uint8_t* b1 = in.pole1.values.data();
    const uint8_t* b2 = in.pole2.values.data();
    const uint8_t* b3 = in.pole3 ? in.pole3->values.data() : nullptr;
    for (const Rect& r : f.area.rects)
        for (int32_t y = r.top; y < r.bottom; ++y) {
            uint8_t* row1 = b1 + size_t(y + in.ofY) * size_t(f.stride1) + size_t(3 * (in.ofX + r.left));
            const uint8_t* row2 = b2 + size_t(y) * size_t(f.stride2) + size_t(3 * r.left);
            const uint8_t* row3 = b3 ? b3 + size_t(y) * size_t(f.stride3) + size_t(3 * r.left) : row2;
            fn(row1, row2, row3, size_t(r.right - r.left));
        }
}

// P1 kept with (1 - k) 0.996 and m added with k: the 0.996 keeps the sum under 255.5.
inline uint8_t mix(uint8_t p1, float m, float k) { return toByte(float(p1) * (1.0f - k) * 0.996f + m * k); }

bool commonDataOk(int32_t d1, int32_t d2, int32_t d3)
{
    return within(d1, 1, 100) && within(d2, 0, 100) && within(d3, 0, 32);
}

} // namespace

int32_t blendB(int32_t typ, const BlendInput& in, Box box, int32_t hrgn, int32_t d1, int32_t d2, int32_t d3,
               int32_t d4, int32_t d5, std::mt19937& random)
{
    if (typ < 1 || typ > 12 || !commonDataOk(d1, d2, d3)) return 0;
    if (typ >= 5 && typ <= 8 && (!isColour(d4) || !isColour(d5))) return 0;
    if (typ >= 9 && !within(d4, 30, 765)) d4 = 765;
    const Frame f = frameOf(in, box, hrgn);
    if (f.result <= 0) return f.result;
    const float k = float(d1) / 100.0f;
    switch (typ) {
    case 1: case 3: {
        const auto blend = kernelsFor(in).blend;
        eachBlendRun(in, f, [&](uint8_t* p1, const uint8_t* p2, const uint8_t*, size_t n) { blend(p1, p2, 3 * n, k); });
        break;
    }
    case 2: case 4: {
        const float threshold = std::max(0.0f, k - float(100 - d2) / 200.0f);
        const float w = k * float(d2) / 100.0f;
        eachBlendPixel(in, f, [&](uint8_t* p1, const uint8_t* p2, const uint8_t*, uint8_t, uint8_t) {
            const float shared = unit(random);
            for (int ch = 0; ch < 3; ++ch) {
                const float r = typ == 2 ? shared : unit(random);
                p1[ch] = r < threshold ? p2[ch] : mix(p1[ch], float(p2[ch]), w);
            }
        });
        break;
    }
    case 5: case 6: case 7: case 8: {
        const uint32_t to = uint32_t(d4), from = uint32_t(d5);
        auto ratio = [](uint8_t a, uint8_t b) { return float(a) / float(b == 0 ? 1 : b); };
        const std::array<float, 3> fac = {ratio(salon::blueOf(to), salon::blueOf(from)),
                                          ratio(salon::greenOf(to), salon::greenOf(from)),
                                          ratio(salon::redOf(to), salon::redOf(from))};
        const bool lifted = typ == 6 || typ == 8;
        const float lift = lifted ? 1.0f + float(d2) / 250.0f : 1.0f;
        const float keep = float(100 - d1) * 0.00996f;
        const rows::Transfer t{fac, lift, keep, k, typ >= 7, lifted};
        const auto transfer = kernelsFor(in).transfer;
        eachBlendRun(in, f, [&](uint8_t* p1, const uint8_t* p2, const uint8_t*, size_t n) { transfer(p1, p2, 3 * n, t); });
        break;
    }
    default: {
        const float t = float(d4);
        float scale = t * 100.0f / float(d1);
        if (typ == 10 || typ == 12) scale *= 1.0f + float(d2) / 250.0f;
        const bool dark = typ <= 10;
        eachBlendPixel(in, f, [&](uint8_t* p1, const uint8_t* p2, const uint8_t*, uint8_t, uint8_t) {
            const float s = float(p2[0] + p2[1] + p2[2]);
            const float w = std::clamp(dark ? (t - s) / scale : (s - (765.0f - t)) / scale, 0.0f, 1.0f);
            if (w <= 0.0f) return;
            for (int ch = 0; ch < 3; ++ch) p1[ch] = mix(p1[ch], float(p2[ch]), w);
        });
        break;
    }
    }
    return 1;
}

int32_t blendC(int32_t typ, const BlendInput& in, Box box, int32_t hrgn, int32_t d1, int32_t d2, int32_t d3)
{
    if (typ < 1 || typ > 7 || !commonDataOk(d1, d2, d3)) return 0;
    const Frame f = frameOf(in, box, hrgn);
    if (f.result <= 0) return f.result;
    const float k = float(d1) / 100.0f;
    const auto modes = kernelsFor(in).modes;
    eachBlendRun(in, f, [&](uint8_t* p1, const uint8_t* p2, const uint8_t* p3, size_t n) { modes(p1, p2, p3, 3 * n, typ, k); });
    return 1;
}

int32_t blendD(int32_t typ, const BlendInput& in, Box box, int32_t hrgn, int32_t d1, int32_t d2, int32_t d3)
{
    if (typ < 1 || typ > 8 || !commonDataOk(d1, d2, d3)) return 0;
    const Frame f = frameOf(in, box, hrgn);
    if (f.result <= 0) return f.result;
    const float k = float(d1) / 100.0f / 255.0f;
    eachBlendPixel(in, f, [&](uint8_t* p1, const uint8_t* p2, const uint8_t*, uint8_t m, uint8_t) {
        const float a = float(typ == 2 ? 255 - m : m) * k;
        if (a <= 0.0f) return;
        for (int ch = 0; ch < 3; ++ch) {
            const float top = typ <= 2 ? float(p2[ch]) : blendMode(typ - 2, float(p1[ch]), float(p2[ch]));
            p1[ch] = mix(p1[ch], top, a);
        }
    });
    return 1;
}

int32_t blendE(int32_t typ, const BlendInput& in, Box box, int32_t hrgn, int32_t d1, int32_t d2, int32_t d3)
{
    if (typ < 1 || typ > 8 || !commonDataOk(d1, d2, d3)) return 0;
    const Frame f = frameOf(in, box, hrgn);
    if (f.result <= 0) return f.result;
    const float k = float(d1) / 100.0f;
    eachBlendPixel(in, f, [&](uint8_t* p1, const uint8_t* p2, const uint8_t* p3, uint8_t m, uint8_t) {
        const float a = float(typ == 2 ? 255 - m : m) / 255.0f;
        for (int ch = 0; ch < 3; ++ch) {
            const float b = float(p2[ch]);
            const float top = typ <= 2 ? float(p3[ch]) : blendMode(typ - 2, b, float(p3[ch]));
            p1[ch] = mix(p1[ch], b + (top - b) * a, k);
        }
    });
    return 1;
}

int32_t blendF(const BlendInput& in, Box box, int32_t hrgn, int32_t d1, int32_t d2)
{
    if (!within(d1, 0, 1) || !within(d2, 0, 1)) return 0;
    const Frame f = frameOf(in, box, hrgn);
    if (f.result <= 0) return f.result;
    eachBlendPixel(in, f, [&](uint8_t* p1, const uint8_t* p2, const uint8_t* p3, uint8_t m1, uint8_t m2) {
        const float a1 = float(d1 == 1 ? 255 - m1 : m1) / 255.0f;
        const float a2 = float(d2 == 1 ? 255 - m2 : m2) / 255.0f;
        for (int ch = 0; ch < 3; ++ch) {
            const float once = float(p1[ch]) + (float(p2[ch]) - float(p1[ch])) * a1;
            p1[ch] = toByte(once + (float(p3[ch]) - once) * a2);
        }
    });
    return 1;
}

} // namespace pixol::area
