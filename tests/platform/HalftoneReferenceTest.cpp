// Byte-for-byte check of the halftone stretch against a plain, slow copy of the original
// implementation kept here as the reference. Every case runs through each path this CPU has: the
// AVX2 kernel (where available) and the portable code.
#include "platform/HalftoneAvx2.h"
#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <random>
#include <vector>

using namespace salon;

namespace {

struct RefTap {
    int32_t src;
    uint32_t weight;
};

struct RefAxis {
    std::vector<uint32_t> first;
    std::vector<RefTap> taps;
    uint64_t total = 1;
};

RefAxis refAxis(int64_t start, int64_t S, int64_t D, int32_t limit)
{
    RefAxis m;
    for (int64_t i = 0; i < D; ++i) {
        m.first.push_back(uint32_t(m.taps.size()));
        const int64_t lo = i * S, hi = (i + 1) * S;
        for (int64_t j = lo / D; j * D < hi; ++j) {
            int64_t overlap = std::min(hi, (j + 1) * D) - std::max(lo, j * D);
            if (overlap > 0)
                m.taps.push_back(RefTap{int32_t(std::clamp<int64_t>(start + j, 0, limit - 1)), uint32_t(overlap)});
        }
    }
    m.first.push_back(uint32_t(m.taps.size()));
    m.total = uint64_t(S);
    return m;
}

uint8_t refDivide(uint64_t sum, uint64_t total)
{
    __extension__ typedef unsigned __int128 U128;
    const U128 n = U128(2 * sum + total), d = U128(2 * total);
    U128 q = n / d;
    if (n % d == 0 && (q & 1)) --q;
    return uint8_t(q > 255 ? 255 : uint64_t(q));
}

Bitmap refResample(const Bitmap& src, int64_t sx, int64_t sy, int64_t sw, int64_t sh, int32_t dw, int32_t dh,
                   bool mirrorX, bool mirrorY)
{
    Bitmap out = Bitmap::rgb24(dw, dh);
    const RefAxis mx = refAxis(sx, sw, dw, src.width);
    const RefAxis my = refAxis(sy, sh, dh, src.height);
    const uint64_t total = mx.total * my.total;
    for (int32_t i = 0; i < dh; ++i) {
        uint8_t* d = out.row(mirrorY ? dh - 1 - i : i);
        for (int32_t x = 0; x < dw; ++x) {
            uint64_t acc[3] = {0, 0, 0};
            for (uint32_t t = my.first[size_t(i)]; t < my.first[size_t(i) + 1]; ++t) {
                const uint8_t* row = src.row(my.taps[t].src);
                for (uint32_t k = mx.first[size_t(x)]; k < mx.first[size_t(x) + 1]; ++k) {
                    const uint8_t* p = row + 3 * size_t(mx.taps[k].src);
                    for (int c = 0; c < 3; ++c) acc[c] += uint64_t(my.taps[t].weight) * mx.taps[k].weight * p[c];
                }
            }
            uint8_t* p = d + 3 * size_t(mirrorX ? dw - 1 - x : x);
            for (int c = 0; c < 3; ++c) p[c] = refDivide(acc[c], total);
        }
    }
    return out;
}

Bitmap refStretch(const Bitmap& src, const Rect& r, int32_t dw, int32_t dh)
{
    int64_t sx = r.left, sw = int64_t(r.right) - r.left, sy = r.top, sh = int64_t(r.bottom) - r.top;
    bool mx = false, my = false;
    if (sw < 0) {
        sx += sw;
        sw = -sw;
        mx = true;
    }
    if (sh < 0) {
        sy += sh;
        sh = -sh;
        my = true;
    }
    if (dw < 0) {
        dw = -dw;
        mx = !mx;
    }
    if (dh < 0) {
        dh = -dh;
        my = !my;
    }
    return refResample(src, sx, sy, sw, sh, dw, dh, mx, my);
}

Bitmap randomPicture(std::mt19937& rng, int32_t w, int32_t h)
{
    Bitmap b = Bitmap::rgb24(w, h);
    std::uniform_int_distribution<int> mode(0, 3), byte(0, 255);
    const int m = mode(rng);
    for (auto& v : b.pixels) {
        int x = byte(rng);
        v = uint8_t(m == 0 ? x : m == 1 ? (x & 1 ? 255 : 0) : m == 2 ? 128 + (x & 3) : x);
    }
    return b;
}

// Restores the fast path when a test ends, whatever it switched.
struct PathSwitch {
    bool fast;
    explicit PathSwitch(bool on) : fast(halftoneAvx2Enabled()) { setHalftoneAvx2Enabled(on); }
    ~PathSwitch() { setHalftoneAvx2Enabled(fast); }
};

void expectSameOnPath(const Bitmap& src, const Rect& r, int32_t dw, int32_t dh, const Bitmap& want, bool fast)
{
    PathSwitch path(fast);
    const Bitmap got = stretchHalftone(src, r, dw, dh);
    ASSERT_EQ(got.width, want.width);
    ASSERT_EQ(got.height, want.height);
    for (int32_t y = 0; y < want.height; ++y)
        ASSERT_TRUE(std::equal(want.row(y), want.row(y) + 3 * size_t(want.width), got.row(y)))
            << (fast ? "AVX2" : "portable") << " row " << y << " src " << src.width << "x" << src.height << " rect "
            << r.left << "," << r.top << "," << r.right << "," << r.bottom << " -> " << dw << "x" << dh;
}

void expectSame(const Bitmap& src, const Rect& r, int32_t dw, int32_t dh)
{
    const Bitmap want = refStretch(src, r, dw, dh);
    expectSameOnPath(src, r, dw, dh, want, false);
    if (__builtin_cpu_supports("avx2")) expectSameOnPath(src, r, dw, dh, want, true);
}

} // namespace

TEST(HalftoneReference, EditorSizes)
{
    std::mt19937 rng(12345);
    const Bitmap a = randomPicture(rng, 360, 480);
    expectSame(a, Rect{0, 0, 360, 480}, 512, 560);
    expectSame(a, Rect{0, 0, 360, 480}, -512, 560);
    const Bitmap b = randomPicture(rng, 512, 560);
    expectSame(b, Rect{0, 0, 512, 560}, 450, 492);
    expectSame(b, Rect{512, 0, 0, 560}, 450, 492);
    expectSame(b, Rect{0, 0, 512, 560}, 448, 490);
    expectSame(b, Rect{0, 0, 512, 560}, 360, 480);
    expectSame(randomPicture(rng, 1600, 1200), Rect{0, 0, 1600, 1200}, 360, 480);
    expectSame(randomPicture(rng, 361, 479), Rect{0, 0, 361, 479}, 512, -560);
}

// Totals too large for the kernel's lanes go the portable way and still come out exact.
TEST(HalftoneReference, LargeTotalsLeaveTheFastPath)
{
    std::mt19937 rng(7);
    const Bitmap big = randomPicture(rng, 3001, 1500);
    expectSame(big, Rect{0, 0, 3001, 1500}, 2999, 1499);
    if (!__builtin_cpu_supports("avx2")) GTEST_SKIP() << "no AVX2 on this CPU";
    const StretchAxis wide = stretchAxis(0, 3001, 2999, 3001, StretchMode::Halftone);
    const StretchAxis tall = stretchAxis(0, 1500, 1499, 1500, StretchMode::Halftone);
    Bitmap out = Bitmap::rgb24(2999, 1499);
    EXPECT_FALSE(resampleHalftoneAvx2(big, wide, tall, false, false, out));
    EXPECT_EQ(out, Bitmap::rgb24(2999, 1499));
    const StretchAxis across = stretchAxis(0, 360, 512, 360, StretchMode::Halftone);
    const StretchAxis down = stretchAxis(0, 480, 560, 480, StretchMode::Halftone);
    Bitmap editor = Bitmap::rgb24(512, 560);
    EXPECT_TRUE(resampleHalftoneAvx2(randomPicture(rng, 360, 480), across, down, false, false, editor));
}

TEST(HalftoneReference, RandomSizes)
{
    std::mt19937 rng(20261207);
    for (int iter = 0; iter < 400; ++iter) {
        std::uniform_int_distribution<int32_t> size(1, 48);
        const int32_t w = size(rng), h = size(rng);
        const Bitmap src = randomPicture(rng, w, h);
        std::uniform_int_distribution<int32_t> kind(0, 3);
        Rect r{0, 0, w, h};
        if (kind(rng) != 0) {
            std::uniform_int_distribution<int32_t> ox(-4, w + 3), oy(-4, h + 3);
            r.left = ox(rng);
            r.right = ox(rng);
            r.top = oy(rng);
            r.bottom = oy(rng);
            if (r.left == r.right) ++r.right;
            if (r.top == r.bottom) ++r.bottom;
        } else if (kind(rng) == 0) {
            std::swap(r.left, r.right);
        }
        const int32_t rw = std::abs(r.right - r.left), rh = std::abs(r.bottom - r.top);
        std::uniform_int_distribution<int32_t> dx(1, 3 * rw + 1), dy(1, 3 * rh + 1), sign(0, 3);
        int32_t dw = dx(rng), dh = dy(rng);
        if (sign(rng) == 0) dw = -dw;
        if (sign(rng) == 0) dh = -dh;
        expectSame(src, r, dw, dh);
    }
}
