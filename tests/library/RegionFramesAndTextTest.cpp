// Region frames drawn on pictures and text rendered as regions.
#include "RegionTestSupport.h"
#include "library/Pixolf.h"

#include <gtest/gtest.h>

using namespace pixol;
using namespace regiontest;
using salon::Region;

TEST(RegionFrames, EdgePartsFaceTheirWayAndArePaintedByStyle)
{
    Pixolf lib;
    std::mt19937 rng(17);
    for (int style = 0; style < 3; ++style) {
        SCOPED_TRACE(style);
        const Pixels p = randomPixels(rng, 14, 12, 65);
        int32_t h = handleOf(regionOf(p));
        salon::Surface s(16, 14);
        s.fillRect({0, 0, 16, 14}, 0x010203);
        s.foreColour = 0x00AA00;
        int32_t light = handleOf(Region::rect(0, 0, 1, 1)), dark = 0, ring = 0;
        const int32_t oldLight = light;
        const int32_t ok = style == 0 ? lib.STLFrame(s, h, light, dark, ring)
                           : style == 1 ? lib.STLFrameUp(s, h, light, dark, ring)
                                        : lib.STLFrameDown(s, h, light, dark, ring);
        ASSERT_EQ(1, ok);
        EXPECT_FALSE(regionAt(oldLight).isValid());
        const Pixels lp = pixelsOf(regionAt(light)), dp = pixelsOf(regionAt(dark)), rp = pixelsOf(regionAt(ring));
        for (auto [x, y] : p) {
            auto out = [&](int dx, int dy) { return !p.count({x + dx, y + dy}); };
            const bool isDark = out(0, 1) || out(1, 0);
            const bool isLight = !isDark && (out(0, -1) || out(-1, 0));
            EXPECT_EQ(isDark, dp.count({x, y}) > 0);
            EXPECT_EQ(isLight, lp.count({x, y}) > 0);
            EXPECT_EQ(isDark || isLight, rp.count({x, y}) > 0);
            const uint32_t want = !(isDark || isLight) ? 0x010203u
                                  : style == 0         ? 0x00AA00u
                                  : (isLight == (style == 1)) ? 0xFFFFFFu
                                                              : 0x808080u;
            EXPECT_EQ(want, s.image().pixel(x, y)) << x << "," << y;
        }
        EXPECT_EQ(0x010203u, s.image().pixel(15, 13));
        for (int32_t* x : {&h, &light, &dark, &ring}) lib.TsRgn(*x);
    }
    salon::Surface s(4, 4);
    int32_t empty = handleOf(Region()), a = 0, b = 0, c = 0;
    EXPECT_EQ(0, lib.STLFrame(s, empty, a, b, c));
    EXPECT_EQ(0, empty);
}

TEST(RegionFrames, FramingARegionIntoItsOwnHandleKeepsIt)
{
    Pixolf lib;
    salon::Surface s(10, 10);
    int32_t h = handleOf(Region::rect(1, 1, 6, 6));
    int32_t same = h, dark = 0, ring = 0;
    ASSERT_EQ(1, lib.STLFrameUp(s, h, same, dark, ring));
    EXPECT_EQ(1, lib.RgnTestuj(h));
    EXPECT_NE(same, h);
    for (int32_t* x : {&h, &same, &dark, &ring}) lib.TsRgn(*x);
}

namespace {

Region text(Pixolf& lib, const std::string& s, int32_t points, bool bold = false, bool underline = false,
            int32_t angle = 0)
{
    int32_t h = 0;
    const int32_t r = lib.SuTextRgn(s, 10, 20, bold, false, underline, false, "DejaVu Sans", points, 0, angle, h);
    EXPECT_EQ(r, h);
    Region out = r ? regionAt(h) : Region::invalid();
    lib.TsRgn(h);
    return out;
}

} // namespace

TEST(SuTextRgn, DrawsTheTextBelowAndRightOfItsCorner)
{
    Pixolf lib;
    const Region one = text(lib, "I", 30), two = text(lib, "II", 30), word = text(lib, "Salon", 30);
    ASSERT_TRUE(one.isValid() && !one.isEmpty());
    const salon::Rect b = one.bounds();
    EXPECT_GE(b.left, 10);
    EXPECT_GT(b.top, 20);           // the ascent is above the capital's top
    EXPECT_LE(b.bottom, 20 + 45);   // 30 points are 40 pixels
    EXPECT_GT(b.height(), 20);
    EXPECT_GT(two.bounds().width(), 2 * b.width());
    EXPECT_GT(word.bounds().width(), 3 * word.bounds().height() / 2);
    EXPECT_EQ(word, text(lib, "Salon", 30));  // the same pixels every time

    const Region bold = text(lib, "Salon", 30, true);
    EXPECT_GT(pixelsOf(bold).size(), pixelsOf(word).size() * 11 / 10);
    const Region under = text(lib, "Salon", 30, false, true);
    const Region line = under.subtracted(word);
    EXPECT_GE(line.bounds().top, word.bounds().bottom - 8);  // below the baseline
    EXPECT_GT(line.bounds().width(), word.bounds().width() * 9 / 10);

    // A quarter turn anticlockwise: the line runs upwards from the corner.
    const Region up = text(lib, "Salon", 30, false, false, 900);
    EXPECT_GT(up.bounds().height(), 3 * up.bounds().width() / 2);
    EXPECT_LE(up.bounds().bottom, 21);
    EXPECT_GE(up.bounds().left, 10);
}

TEST(SuTextRgn, RefusesWhatCannotBeDrawnAndKeepsTheOldRegionThen)
{
    Pixolf lib;
    int32_t h = handleOf(Region::rect(0, 0, 2, 2));
    const int32_t old = h;
    EXPECT_EQ(0, lib.SuTextRgn("", 0, 0, false, false, false, false, "", 12, 0, 0, h));
    EXPECT_EQ(0, lib.SuTextRgn("x", 0, 0, false, false, false, false, "", 0, 0, 0, h));
    EXPECT_EQ(0, lib.SuTextRgn("x", 0, 0, false, false, false, false, "", 12, 1001, 0, h));
    EXPECT_EQ(0, lib.SuTextRgn(" ", 0, 0, false, false, false, false, "", 12, 0, 0, h));  // no pixels
    EXPECT_EQ(old, h);
    const int32_t r = lib.SuTextRgn("Žluť\xff", 0, 0, false, true, false, true, "No Such Font", 12, 0, 0, h);
    EXPECT_NE(0, r);  // another face stands in; a stray byte is a replacement glyph
    EXPECT_FALSE(regionAt(old).isValid());
    lib.TsRgn(h);
}
