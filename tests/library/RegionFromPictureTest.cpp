// Regions made from picture pixels: thresholds, colour selection and the magic wand.
#include "RegionTestSupport.h"
#include "library/Pixolf.h"

#include <gtest/gtest.h>

#include <deque>

using namespace pixol;
using namespace regiontest;
using salon::Region;

namespace {

salon::Surface pictureOf(const salon::Bitmap& b)
{
    salon::Surface s;
    s.setPicture(b);
    return s;
}

// Pixel-grid model of the picture tests.
bool modelIn(int typ, int delta, uint32_t barva, uint32_t px)
{
    const int r = px & 0xFF, g = (px >> 8) & 0xFF, b = (px >> 16) & 0xFF;
    const int k = typ % 7;
    const int thr[] = {7, 15, delta, 248, 240, 255 - delta};
    bool in;
    if (k <= 2) in = r > thr[k] || g > thr[k] || b > thr[k];
    else if (k <= 5) in = r < thr[k] || g < thr[k] || b < thr[k];
    else {
        const int br = barva & 0xFF, bg = (barva >> 8) & 0xFF, bb = (barva >> 16) & 0xFF;
        in = !(std::abs(r - br) <= delta && std::abs(g - bg) <= delta && std::abs(b - bb) <= delta);
    }
    return typ >= 7 ? !in : in;
}

} // namespace

TEST(RgnObraz, EveryTypeMatchesThePixelTest)
{
    Pixolf lib;
    std::mt19937 rng(31);
    const uint8_t levels[] = {0, 3, 7, 8, 15, 16, 40, 200, 239, 240, 247, 248, 255};
    salon::Bitmap b = salon::Bitmap::rgb24(23, 17);
    for (int32_t y = 0; y < b.height; ++y)
        for (int32_t x = 0; x < b.width; ++x)
            b.setPixel(x, y, levels[rng() % 13] + 256u * levels[rng() % 13] + 65536u * levels[rng() % 13]);
    salon::Surface s = pictureOf(b);
    for (int typ = 0; typ <= 13; ++typ)
        for (int delta : {0, 10, 100}) {
            SCOPED_TRACE(::testing::Message() << "typ " << typ << " delta " << delta);
            const uint32_t barva = 0x0F07F0;
            Pixels expected;
            for (int32_t y = 0; y < b.height; ++y)
                for (int32_t x = 0; x < b.width; ++x)
                    if (modelIn(typ, delta, barva, b.pixel(x, y))) expected.insert({x, y});
            int32_t h = lib.RgnObraz(s, typ, delta, int32_t(barva));
            if (expected.empty())
                EXPECT_EQ(0, h);
            else
                EXPECT_EQ(expected, pixelsOf(regionAt(h)));
            lib.TsRgn(h);
        }
    EXPECT_EQ(0, lib.RgnObraz(s, 14));
    EXPECT_EQ(0, lib.RgnObraz(s, 2, 101));
    EXPECT_EQ(0, lib.RgnObraz(s, 6, 0, 0x1000000));
}

TEST(RgnObraz, BlackPictureGivesNothingOrTheWholeRectangle)
{
    Pixolf lib;
    salon::Surface s = pictureOf(salon::Bitmap::rgb24(9, 7));
    EXPECT_EQ(0, lib.RgnObraz(s, 0));
    int32_t h = lib.RgnObraz(s, 7);
    EXPECT_EQ(Region::rect(0, 0, 9, 7), regionAt(h));
    lib.TsRgn(h);
    salon::Surface none;
    EXPECT_EQ(0, lib.RgnObraz(none, 7));
}

TEST(RgnHulka, FloodsFourConnectedSimilarPixelsOnly)
{
    Pixolf lib;
    salon::Bitmap b = salon::Bitmap::rgb24(30, 25);
    for (int32_t y = 0; y < 25; ++y)
        for (int32_t x = 0; x < 30; ++x) b.setPixel(x, y, 0xFFFFFF);
    // Two grey areas touching only at a corner, one slightly different shade inside the first.
    for (auto [x, y] : rectPixels(2, 2, 10, 10)) b.setPixel(x, y, 0x808080);
    for (auto [x, y] : rectPixels(10, 10, 18, 18)) b.setPixel(x, y, 0x808080);
    b.setPixel(5, 5, 0x858080);
    salon::Surface s = pictureOf(b);
    int32_t h = lib.RgnHulka(s, 0, 3, 3);
    Pixels expected = rectPixels(2, 2, 10, 10);
    expected.erase({5, 5});
    EXPECT_EQ(expected, pixelsOf(regionAt(h)));
    lib.TsRgn(h);
    h = lib.RgnHulka(s, 5, 3, 3);
    EXPECT_EQ(rectPixels(2, 2, 10, 10), pixelsOf(regionAt(h)));
    lib.TsRgn(h);
    // The white background around both squares is one area.
    h = lib.RgnHulka(s, 0, 0, 0);
    EXPECT_EQ(30 * 25 - 64 - 64, int(pixelsOf(regionAt(h)).size()));
    lib.TsRgn(h);

    EXPECT_EQ(0, lib.RgnHulka(s, 101, 3, 3));
    EXPECT_EQ(0, lib.RgnHulka(s, 0, 30, 3));
    EXPECT_EQ(0, lib.RgnHulka(s, 0, 3, -1));
    salon::Surface small = pictureOf(salon::Bitmap::rgb24(20, 20));
    EXPECT_EQ(0, lib.RgnHulka(small, 0, 3, 3));
    salon::Surface narrow = pictureOf(salon::Bitmap::rgb24(21, 40));
    EXPECT_NE(0, h = lib.RgnHulka(narrow, 0, 3, 3));
    lib.TsRgn(h);
}

TEST(RgnHulka, AgreesWithAPixelFloodOnRandomPictures)
{
    Pixolf lib;
    std::mt19937 rng(2026);
    for (int round = 0; round < 6; ++round) {
        salon::Bitmap b = salon::Bitmap::rgb24(24, 22);
        for (int32_t y = 0; y < b.height; ++y)
            for (int32_t x = 0; x < b.width; ++x) b.setPixel(x, y, (rng() % 3) * 0x101010u);
        salon::Surface s = pictureOf(b);
        const int32_t sx = int32_t(rng() % 24), sy = int32_t(rng() % 22);
        const int tol = round % 2 ? 16 : 0;
        auto near = [&](uint32_t c) {
            const uint32_t seed = b.pixel(sx, sy);
            for (int sh : {0, 8, 16})
                if (std::abs(int((c >> sh) & 0xFF) - int((seed >> sh) & 0xFF)) > tol) return false;
            return true;
        };
        Pixels expected{{sx, sy}};
        std::deque<std::pair<int32_t, int32_t>> q{{sx, sy}};
        while (!q.empty()) {
            auto [x, y] = q.front();
            q.pop_front();
            for (auto [dx, dy] : crossMoves) {
                const int32_t nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= 24 || ny >= 22 || !near(b.pixel(nx, ny))) continue;
                if (expected.insert({nx, ny}).second) q.push_back({nx, ny});
            }
        }
        int32_t h = lib.RgnHulka(s, tol, sx, sy);
        EXPECT_EQ(expected, pixelsOf(regionAt(h)));
        lib.TsRgn(h);
    }
}
