// Growing, shrinking, smoothing, borders, frames, outlines and gap filling, checked against a
// pixel-grid model of each operation.
#include "RegionTestSupport.h"
#include "library/Pixolf.h"

#include <gtest/gtest.h>

using namespace pixol;
using namespace regiontest;
using salon::Region;

namespace {

Pixels minus(const Pixels& a, const Pixels& b)
{
    Pixels out;
    for (auto p : a)
        if (!b.count(p)) out.insert(p);
    return out;
}

Pixels plus(Pixels a, const Pixels& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

} // namespace

TEST(RegionMorphology, GrowAndShrinkMatchThePixelModelOnRandomRegions)
{
    Pixolf lib;
    std::mt19937 rng(20261207);
    for (int round = 0; round < 12; ++round) {
        const Pixels p = randomPixels(rng, 16, 13, 55 + round * 3);
        for (int steps : {1, 2, 3, 5})
            for (bool octagon : {true, false}) {
                SCOPED_TRACE(::testing::Message() << round << " steps " << steps << " octagon " << octagon);
                int32_t h = handleOf(regionOf(p));
                int32_t g = lib.RgnZvetsi(h, steps, octagon);
                EXPECT_EQ(modelMorph(p, steps, octagon, true), pixelsOf(regionAt(g)));
                const Pixels shrunk = modelMorph(p, steps, octagon, false);
                int32_t s = lib.RgnZmensi(h, steps, octagon);
                if (shrunk.empty())
                    EXPECT_EQ(0, s);
                else
                    EXPECT_EQ(shrunk, pixelsOf(regionAt(s)));
                for (int32_t* x : {&h, &g, &s}) lib.TsRgn(*x);
            }
    }
}

TEST(RegionMorphology, ShapesOfTheSmallCases)
{
    Pixolf lib;
    struct Case {
        const char* name;
        Pixels input;
        int steps;
        bool octagon, grow;
        Pixels expected;
    };
    Pixels ring7x6 = rectPixels(-2, -2, 5, 4);
    for (auto c : {std::pair{-2, -2}, std::pair{4, -2}, std::pair{-2, 3}, std::pair{4, 3}}) ring7x6.erase(c);
    const Case cases[] = {
        {"3x2 grown 1 octagon", rectPixels(0, 0, 3, 2), 1, true, true, rectPixels(-1, -1, 4, 3)},
        {"3x2 grown 1 square", rectPixels(0, 0, 3, 2), 1, false, true, rectPixels(-1, -1, 4, 3)},
        {"3x2 grown 2 octagon", rectPixels(0, 0, 3, 2), 2, true, true, ring7x6},
        {"3x2 grown 2 square", rectPixels(0, 0, 3, 2), 2, false, true, rectPixels(-2, -2, 5, 4)},
        {"pixel grown 1 octagon", rectPixels(5, 5, 6, 6), 1, true, true,
         Pixels{{5, 5}, {4, 4}, {6, 4}, {4, 6}, {6, 6}}},
        {"3-high bar shrunk 1", rectPixels(0, 0, 9, 3), 1, true, false, rectPixels(1, 1, 8, 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t h = handleOf(regionOf(c.input));
        int32_t r = c.grow ? lib.RgnZvetsi(h, c.steps, c.octagon) : lib.RgnZmensi(h, c.steps, c.octagon);
        EXPECT_EQ(c.expected, pixelsOf(regionAt(r)));
        lib.TsRgn(h);
        lib.TsRgn(r);
    }
}

TEST(RegionMorphology, TwoPixelBarShrunkByOneReleasesTheCallersHandleWithoutNovy)
{
    Pixolf lib;
    const int32_t before = lib.regionCount();
    int32_t h = handleOf(Region::rect(0, 0, 20, 2));
    EXPECT_EQ(0, lib.RgnZmensi(h, 1, true, true));
    EXPECT_NE(0, h);
    EXPECT_EQ(0, lib.RgnZmensi(h, 1, true, false));
    EXPECT_EQ(0, h);
    EXPECT_EQ(before, lib.regionCount());
}

TEST(RegionMorphology, StepsOutsideOneToSixteenChangeNothing)
{
    Pixolf lib;
    int32_t h = handleOf(Region::rect(0, 0, 40, 40));
    const int32_t before = lib.regionCount(), keep = h;
    for (int32_t steps : {0, 17, -1}) {
        EXPECT_EQ(0, lib.RgnZvetsi(h, steps, true, false));
        EXPECT_EQ(0, lib.RgnZmensi(h, steps, true, false));
        EXPECT_EQ(0, lib.RgnVyhladit(h, steps, false));
    }
    EXPECT_EQ(keep, h);
    EXPECT_EQ(before, lib.regionCount());
    int32_t g = lib.RgnZvetsi(h, 16, true, false);  // Novy False replaces the input
    EXPECT_EQ(g, h);
    EXPECT_FALSE(regionAt(keep).isValid());
    EXPECT_EQ(before, lib.regionCount());
    lib.TsRgn(h);
}

TEST(RegionMorphology, SmoothingIsTheClosingOfTheModel)
{
    Pixolf lib;
    std::mt19937 rng(99);
    for (int steps : {1, 2}) {
        const Pixels p = randomPixels(rng, 15, 15, 60);
        int32_t h = handleOf(regionOf(p));
        const int32_t old = h;
        int32_t r = lib.RgnVyhladit(h, steps);
        EXPECT_EQ(r, h);  // Novy False by default
        EXPECT_FALSE(regionAt(old).isValid());
        EXPECT_EQ(modelMorph(modelMorph(p, steps, true, true), steps, true, false), pixelsOf(regionAt(r)));
        lib.TsRgn(h);
    }
}

TEST(RegionMorphology, BorderFrameAndOutlineAreDifferencesOfTheModel)
{
    Pixolf lib;
    std::mt19937 rng(5);
    for (int round = 0; round < 6; ++round) {
        Pixels p = plus(randomPixels(rng, 18, 16, 50), rectPixels(3, 3, 14, 12));  // never shrinks away
        SCOPED_TRACE(round);
        int32_t h = handleOf(regionOf(p));
        int32_t border = lib.RgnOkraj(h);
        EXPECT_EQ(minus(p, modelMorph(p, 1, true, false)), pixelsOf(regionAt(border)));
        for (int32_t dx : {1, 2, 3}) {
            SCOPED_TRACE(dx);
            int32_t f1 = lib.RgnFrame(h, dx, 1), f2 = lib.RgnFrame(h, dx, 2), f3 = lib.RgnFrame(h, dx, 3);
            EXPECT_EQ(minus(modelMorph(p, dx, false, true), p), pixelsOf(regionAt(f1)));
            const Pixels out2 = dx / 2 ? modelMorph(p, dx / 2, false, true) : p;
            EXPECT_EQ(minus(out2, modelMorph(p, dx - dx / 2, false, false)), pixelsOf(regionAt(f2)));
            EXPECT_EQ(minus(p, modelMorph(p, dx, false, false)), pixelsOf(regionAt(f3)));
            for (int32_t* x : {&f1, &f2, &f3}) lib.TsRgn(*x);
        }
        int32_t v = 0, o = 0, c = 0;
        ASSERT_EQ(1, lib.RgnObjektObrys(h, v, o, c, 2));
        EXPECT_EQ(minus(modelMorph(p, 1, true, true), p), pixelsOf(regionAt(v)));
        EXPECT_EQ(modelMorph(p, 2, true, false), pixelsOf(regionAt(o)));
        EXPECT_EQ(minus(p, modelMorph(p, 2, true, false)), pixelsOf(regionAt(c)));
        // A second call releases the first call's outputs.
        const int32_t before = lib.regionCount();
        ASSERT_EQ(1, lib.RgnObjektObrys(h, v, o, c, 1));
        EXPECT_EQ(before, lib.regionCount());
        for (int32_t* x : {&h, &border, &v, &o, &c}) lib.TsRgn(*x);
    }
}

TEST(RegionMorphology, FrameEdgeCasesAndRefusals)
{
    Pixolf lib;
    const Pixels p = rectPixels(0, 0, 10, 8);
    int32_t h = handleOf(regionOf(p));
    // On the edge, width 1: the region minus the region shrunk by one square step.
    int32_t f = lib.RgnFrame(h, 1, 2);
    EXPECT_EQ(minus(p, modelMorph(p, 1, false, false)), pixelsOf(regionAt(f)));
    lib.TsRgn(f);
    EXPECT_EQ(0, lib.RgnFrame(h, 1, 4));
    EXPECT_EQ(0, lib.RgnFrame(h, 17, 1));
    EXPECT_EQ(0, lib.RgnFrame(h, 5, 3));  // shrunk to nothing
    int32_t bar = handleOf(Region::rect(0, 0, 30, 2));
    EXPECT_EQ(0, lib.RgnOkraj(bar));  // no core left
    int32_t v = 1234, o = 0, c = 0;
    EXPECT_EQ(0, lib.RgnObjektObrys(bar, v, o, c, 1));
    EXPECT_EQ(0, v);
    EXPECT_NE(0, lib.RgnTestuj(bar));  // the input stays
    lib.TsRgn(h);
    lib.TsRgn(bar);
}

TEST(RgnUpravSpc, ClosesGapsOfUpToHgAndLeavesWiderOnesOpenInTheMiddle)
{
    Pixolf lib;
    struct Case {
        int gap, hg;
        bool vv, hv;
        int filledRows;  // rows of the gap filled between two bars stacked vertically
    };
    for (Case c : {Case{1, 1, true, false, 1}, Case{2, 1, true, false, 0}, Case{2, 2, true, false, 2},
                   Case{3, 2, true, false, 1}, Case{1, 1, false, true, 0}, Case{1, 1, false, false, 0}}) {
        SCOPED_TRACE(::testing::Message() << "gap " << c.gap << " hg " << c.hg);
        const Pixels p = plus(rectPixels(0, 0, 10, 3), rectPixels(0, 3 + c.gap, 10, 6 + c.gap));
        int32_t h = handleOf(regionOf(p));
        const int32_t same = h;
        ASSERT_EQ(1, lib.RgnUpravSpc(h, c.vv, c.hv, uint8_t(c.hg)));
        EXPECT_EQ(same, h);  // in place
        Pixels expected = p;
        const int first = 3 + (c.gap - c.filledRows) / 2;
        for (int y = first; y < first + c.filledRows; ++y)
            for (int x = 0; x < 10; ++x) expected.insert({x, y});
        EXPECT_EQ(expected, pixelsOf(regionAt(h)));
        lib.TsRgn(h);
    }
    // Horizontally: a one-column gap between two bars side by side.
    int32_t h = handleOf(regionOf(plus(rectPixels(0, 0, 4, 5), rectPixels(5, 0, 9, 5))));
    ASSERT_EQ(1, lib.RgnUpravSpc(h, false, true, 1));
    EXPECT_EQ(rectPixels(0, 0, 9, 5), pixelsOf(regionAt(h)));
    lib.TsRgn(h);
    int32_t empty = handleOf(Region());
    EXPECT_EQ(0, lib.RgnUpravSpc(empty));
    EXPECT_EQ(0, empty);
}
