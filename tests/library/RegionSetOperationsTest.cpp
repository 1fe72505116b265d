// Set operations, clipping, inversion, reading out and surface clipping of the region toolkit.
#include "RegionTestSupport.h"
#include "library/Pixolf.h"

#include <gtest/gtest.h>

using namespace pixol;
using namespace regiontest;
using salon::Region;

namespace {

// 0 intersection, 1 union, 2 exclusive or, 3 a minus b, 4 b minus a.
Pixels setOp(const Pixels& a, const Pixels& b, int op)
{
    Pixels out;
    auto keep = [&](bool inA, bool inB) {
        switch (op) {
        case 0: return inA && inB;
        case 1: return inA || inB;
        case 2: return inA != inB;
        case 3: return inA && !inB;
        default: return inB && !inA;
        }
    };
    for (auto p : a)
        if (keep(true, b.count(p) > 0)) out.insert(p);
    for (auto p : b)
        if (keep(a.count(p) > 0, true)) out.insert(p);
    return out;
}

} // namespace

TEST(RgnCombine, EveryTypeGivesItsSetAndOwnershipAsTabled)
{
    Pixolf lib;
    std::mt19937 rng(7);
    const Pixels a = randomPixels(rng, 12, 9), b = randomPixels(rng, 12, 9);
    for (int32_t typ = 1; typ <= 15; ++typ) {
        SCOPED_TRACE(typ);
        int32_t h1 = handleOf(regionOf(a)), h2 = handleOf(regionOf(b));
        const int32_t old1 = h1, old2 = h2;
        const int32_t before = lib.regionCount();
        int32_t r = lib.RgnCombine(h1, h2, typ);
        ASSERT_NE(0, r);
        EXPECT_EQ(setOp(a, b, (typ - 1) % 5), pixelsOf(regionAt(r)));
        if (typ <= 5) {
            EXPECT_EQ(old1, h1);
            EXPECT_EQ(old2, h2);
            EXPECT_EQ(before + 1, lib.regionCount());
        } else {
            EXPECT_EQ(r, h1);
            EXPECT_FALSE(regionAt(old1).isValid());  // the old Hrgn1 is gone
            EXPECT_EQ(typ >= 11 ? 0 : old2, h2);
            EXPECT_EQ(typ >= 11, !regionAt(old2).isValid());
            EXPECT_EQ(before - (typ >= 11 ? 1 : 0), lib.regionCount());
        }
        lib.TsRgn(h1);
        lib.TsRgn(h2);
        if (typ <= 5) lib.TsRgn(r);
    }
}

TEST(RgnCombine, Type13LeavesTheDifferenceInHrgn1AndClearsHrgn2)
{
    Pixolf lib;
    int32_t h1 = handleOf(Region::rect(0, 0, 10, 10)), h2 = handleOf(Region::rect(5, 0, 10, 10));
    const int32_t r = lib.RgnCombine(h1, h2, 13);
    EXPECT_EQ(r, h1);
    EXPECT_EQ(0, h2);
    EXPECT_EQ(pixelsOf(regionAt(h1)), rectPixels(0, 0, 5, 10));
    lib.TsRgn(h1);
}

TEST(RgnCombine, OneRegionAsBothInputsIsReleasedOnce)
{
    Pixolf lib;
    const int32_t before = lib.regionCount();
    // Two variables naming the same region.
    int32_t a = handleOf(Region::rect(0, 0, 4, 4)), b = a;
    int32_t r = lib.RgnCombine(a, b, 12);
    EXPECT_EQ(r, a);
    EXPECT_EQ(0, b);
    EXPECT_EQ(pixelsOf(regionAt(a)), rectPixels(0, 0, 4, 4));
    EXPECT_EQ(before + 1, lib.regionCount());
    // One variable passed as both: it ends up holding the result.
    int32_t c = a;
    r = lib.RgnCombine(c, c, 14);  // c minus c
    EXPECT_EQ(r, c);
    EXPECT_TRUE(regionAt(c).isEmpty());
    EXPECT_EQ(before + 1, lib.regionCount());
    lib.TsRgn(c);
}

TEST(RgnCombine, RejectsBadTypesAndInvalidHandlesButTakesEmptyRegions)
{
    Pixolf lib;
    int32_t a = handleOf(Region::rect(0, 0, 4, 4)), e = handleOf(Region()), stale = handleOf(Region::rect(0, 0, 1, 1));
    int32_t gone = stale;
    lib.TsRgn(gone);
    EXPECT_EQ(0, lib.RgnCombine(a, e, 0));
    EXPECT_EQ(0, lib.RgnCombine(a, e, 16));
    EXPECT_EQ(0, lib.RgnCombine(a, stale, 2));
    EXPECT_EQ(0, stale);  // an invalid handle is cleared by the test
    int32_t r = lib.RgnCombine(a, e, 1);
    ASSERT_NE(0, r);
    EXPECT_TRUE(regionAt(r).isEmpty());
    for (int32_t* h : {&a, &e, &r}) lib.TsRgn(*h);
}

TEST(RegionCopies, CopyAndMoveKeepTheSourceAndCopyEmptiness)
{
    Pixolf lib;
    int32_t a = handleOf(Region::rect(1, 2, 4, 6)), e = handleOf(Region());
    int32_t c = lib.RgnKopiruj(a), m = lib.RgnPosuvXY(a, -3, 10), ce = lib.RgnKopiruj(e), me = lib.RgnPosuvXY(e, 5, 5);
    EXPECT_EQ(pixelsOf(regionAt(c)), rectPixels(1, 2, 4, 6));
    EXPECT_EQ(pixelsOf(regionAt(m)), rectPixels(-2, 12, 1, 16));
    EXPECT_EQ(pixelsOf(regionAt(a)), rectPixels(1, 2, 4, 6));
    EXPECT_TRUE(regionAt(ce).isEmpty());
    EXPECT_TRUE(regionAt(me).isEmpty());
    int32_t none = 0;
    EXPECT_EQ(0, lib.RgnKopiruj(none));
    for (int32_t* h : {&a, &e, &c, &m, &ce, &me}) lib.TsRgn(*h);
}

TEST(RgnInvertuj, RegionOutsideTheRectangleGivesTheWholeRectangle)
{
    Pixolf lib;
    int32_t a = handleOf(Region::rect(50, 50, 60, 60));
    int32_t r = lib.RgnInvertuj(a, 0, 0, 8, 6);
    EXPECT_EQ(pixelsOf(regionAt(r)), rectPixels(0, 0, 8, 6));
    EXPECT_NE(0, lib.RgnTestuj(a));  // Novy True leaves the input
    lib.TsRgn(r);
    lib.TsRgn(a);
}

TEST(RgnInvertuj, ClipAndInvertSplitTheRectangleAndFollowNovy)
{
    Pixolf lib;
    std::mt19937 rng(11);
    const Pixels p = randomPixels(rng, 14, 14);
    const Pixels box = rectPixels(2, 3, 11, 12);
    int32_t a = handleOf(regionOf(p));
    int32_t in = lib.RgnOrizni(a, 2, 3, 11, 12, true), out = lib.RgnInvertuj(a, 2, 3, 11, 12, true);
    Pixels both = pixelsOf(regionAt(in));
    for (auto q : pixelsOf(regionAt(out))) EXPECT_TRUE(both.insert(q).second);  // disjoint
    EXPECT_EQ(box, both);
    // Novy False: the input is released and replaced.
    const int32_t old = a;
    int32_t r = lib.RgnInvertuj(a, 2, 3, 11, 12, false);
    EXPECT_EQ(r, a);
    EXPECT_FALSE(regionAt(old).isValid());
    EXPECT_EQ(pixelsOf(regionAt(a)), pixelsOf(regionAt(out)));
    EXPECT_EQ(0, lib.RgnInvertuj(a, 5, 0, 5, 9));  // empty rectangle
    EXPECT_EQ(0, lib.RgnOrizni(a, 0, 9, 4, 2));
    for (int32_t* h : {&a, &in, &out}) lib.TsRgn(*h);
}

TEST(RgnPole, ReadsTheRectangleForNoRegionAndRefusesStaleHandles)
{
    Pixolf lib;
    LongArray hara;
    int32_t n = 0, xl = 0, yt = 0, w = 0, h = 0;
    ASSERT_EQ(1, lib.RgnPole(0, hara, n, 3, 4, 10, 5, xl, yt, w, h));
    EXPECT_EQ(12, n);
    EXPECT_EQ(1, hara.lower);
    EXPECT_EQ((std::vector<int32_t>{32, 1, 1, 16, 3, 4, 13, 9, 3, 4, 13, 9}), hara.values);
    EXPECT_EQ((std::vector<int32_t>{3, 4, 10, 5}), (std::vector<int32_t>{xl, yt, w, h}));

    int32_t stale = handleOf(Region::rect(0, 0, 2, 2)), keep = stale;
    lib.TsRgn(keep);
    EXPECT_EQ(0, lib.RgnPole(stale, hara, n, 0, 0, 10, 10));
    EXPECT_EQ(1, hara.size());

    int32_t e = handleOf(Region()), far = handleOf(Region::rect(100, 100, 102, 102));
    EXPECT_EQ(-1, lib.RgnPole(e, hara, n, 0, 0, 10, 10));
    EXPECT_EQ(-1, lib.RgnPole(far, hara, n, 0, 0, 10, 10));
    EXPECT_EQ(-1, lib.RgnPole(0, hara, n, 0, 0, 0, 10));
    EXPECT_EQ(1, hara.size());
    EXPECT_TRUE(regionAt(e).isEmpty());  // RgnPole leaves Hrgn alone
    lib.TsRgn(e);
    lib.TsRgn(far);
}

TEST(RgnPole, GivesTheDataOfTheRegionWithinTheRectangle)
{
    Pixolf lib;
    std::mt19937 rng(3);
    const Pixels p = randomPixels(rng, 20, 20);
    int32_t a = handleOf(regionOf(p));
    LongArray hara;
    int32_t n = 0, xl = 0, yt = 0, w = 0, h = 0;
    ASSERT_EQ(1, lib.RgnPole(a, hara, n, 4, 5, 9, 7, xl, yt, w, h));
    EXPECT_EQ(n, hara.size());
    ASSERT_EQ(n, 8 + 4 * hara(3));
    const Region back = Region::fromData(hara.values);
    EXPECT_EQ(pixelsOf(back), pixelsOf(regionOf(p).intersected(Region::rect(4, 5, 13, 12))));
    EXPECT_EQ((std::vector<int32_t>{back.bounds().left, back.bounds().top, back.bounds().width(),
                                    back.bounds().height()}),
              (std::vector<int32_t>{xl, yt, w, h}));
    lib.TsRgn(a);
}

TEST(SurfaceClip, ClipsFillsToTheRegionOrTheWholePicture)
{
    Pixolf lib;
    salon::Surface s(8, 6);
    s.fillRect({0, 0, 8, 6}, 0);
    int32_t a = handleOf(Region::rect(2, 1, 5, 3));
    ASSERT_EQ(1, lib.SuClipRgn(s, a));
    lib.TsRgn(a);  // the surface keeps its own copy
    s.fillRect({0, 0, 8, 6}, 0xFFFFFF);
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 0; x < 8; ++x)
            EXPECT_EQ((x >= 2 && x < 5 && y >= 1 && y < 3) ? 0xFFFFFFu : 0u, s.image().pixel(x, y)) << x << "," << y;
    ASSERT_EQ(1, lib.SuClipRgn(s, 0));
    s.fillRect({0, 0, 8, 6}, 0x123456);
    EXPECT_EQ(0x123456u, s.image().pixel(0, 0));

    // By device context: without a region the clip is the rectangle given.
    const int32_t dc = lib.deviceContext(s);
    ASSERT_EQ(1, lib.StClipRgn(dc, 0, 3, 2));
    s.fillRect({0, 0, 8, 6}, 0xFF);
    EXPECT_EQ(0xFFu, s.image().pixel(2, 1));
    EXPECT_EQ(0x123456u, s.image().pixel(3, 1));
    EXPECT_EQ(0x123456u, s.image().pixel(0, 2));
    lib.releaseDeviceContext(dc);
    EXPECT_EQ(0, lib.StClipRgn(dc, 0, 3, 2));
}
