#include "library/Pixolf.h"
#include "library/frame/LibraryState.h"
#include "platform/Numbers.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace pixol;

namespace {
// A surface whose pixel (x, y) has blue x, green y, red x + y (distinct, easy to check).
salon::Surface gradient(int32_t w, int32_t h)
{
    salon::Surface s(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) s.image().setPixel(x, y, salon::packRgb(uint8_t(x + y), uint8_t(y), uint8_t(x)));
    s.keepImage();
    return s;
}

struct DepthScope {
    int32_t old = state().settings.colourDepth;
    explicit DepthScope(int32_t d) { state().settings.colourDepth = d; }
    ~DepthScope() { state().settings.colourDepth = old; }
};
} // namespace

TEST(PixelArrays, StrideIsThreeBytesPerPixelRoundedUpToFour)
{
    Pixolf lib;
    const struct { int32_t w, stride; } cases[] = {{10, 32}, {4, 12}, {1, 4}, {3, 12}, {5, 16}};
    for (auto c : cases) {
        salon::Surface s = gradient(c.w, 2);
        int32_t w = 0, h = 0;
        ByteArray a;
        ASSERT_EQ(1, lib.CreateObrPole(s, w, h, a, 0)) << c.w;
        EXPECT_EQ(c.w, w);
        EXPECT_EQ(2, h);
        EXPECT_EQ(2, a.rank);
        EXPECT_EQ(0, a.lbound(1));
        EXPECT_EQ(c.stride - 1, a.ubound(1)) << c.w;
        EXPECT_EQ(1, a.ubound(2));
    }
}

TEST(PixelArrays, BytesAreBlueGreenRedByPixelColumnAndRow)
{
    Pixolf lib;
    salon::Surface s = gradient(7, 5);
    int32_t w, h;
    ByteArray a;
    ASSERT_EQ(1, lib.CreateObrPole(s, w, h, a));
    EXPECT_EQ(6, a(3 * 6 + 0, 4));  // blue = x
    EXPECT_EQ(4, a(3 * 6 + 1, 4));  // green = y
    EXPECT_EQ(10, a(3 * 6 + 2, 4)); // red = x + y
    EXPECT_EQ(0, a(21, 0));         // padding
}

TEST(PixelArrays, WithoutPersistentImageNothingIsReadAndThePoleIsUntouched)
{
    Pixolf lib;
    salon::Surface s = gradient(4, 4);
    s.autoRedraw = false;
    ByteArray a;
    a.redim(0, 2);
    a(1) = 9;
    int32_t w = -1, h = -1;
    EXPECT_EQ(0, lib.CreateObrPole(s, w, h, a, 0));
    EXPECT_EQ(1, a.rank);
    EXPECT_EQ(9, a(1));
    EXPECT_EQ(-1, w);
}

TEST(PixelArrays, ColourReductionOnlyOnFifteenOrSixteenBitDisplaysAndOnlyForTypes2And3)
{
    Pixolf lib;
    const struct { int32_t depth, typ; uint8_t b, g, r; } cases[] = {
        {16, 2, 248, 252, 248}, {16, 3, 248, 252, 248}, {15, 2, 248, 252, 248},
        {16, 0, 255, 255, 255}, {16, 1, 255, 255, 255}, {24, 2, 255, 255, 255}, {32, 3, 255, 255, 255}};
    for (auto c : cases) {
        DepthScope d(c.depth);
        salon::Surface s(3, 3);
        s.backColour = 0xFFFFFF;
        s.clear();
        int32_t w, h;
        ByteArray a;
        ASSERT_EQ(1, lib.CreateObrPole(s, w, h, a, c.typ));
        EXPECT_EQ(c.b, a(3, 1)) << c.depth << " " << c.typ;
        EXPECT_EQ(c.g, a(4, 1)) << c.depth << " " << c.typ;
        EXPECT_EQ(c.r, a(5, 1)) << c.depth << " " << c.typ;
    }
}

TEST(PixelArrays, RegionLimitedReductionClipsRectanglesToThePicture)
{
    Pixolf lib;
    DepthScope d(16);
    salon::Surface s(4, 4);
    s.clear();  // white
    // The region reaches far outside the picture; only column 3 of rows 2-3 lies inside.
    int32_t rgn = int32_t(state().regions.add(salon::Region::rect(3, 2, 4000, 4000)));
    int32_t w, h;
    ByteArray a;
    ASSERT_EQ(1, lib.CreateObrPoleRgn(s, w, h, a, 2, rgn));
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x) {
            const bool inside = x == 3 && y >= 2;
            EXPECT_EQ(inside ? 252 : 255, a(3 * x + 1, y)) << x << "," << y;
        }
    // Without a usable region nothing is reduced, and it is still a success.
    ASSERT_EQ(1, lib.CreateObrPoleRgn(s, w, h, a, 2, 0));
    EXPECT_EQ(255, a(10, 3));
    lib.TsRgn(rgn);
}

TEST(PixelArrays, WritingBackRoundTripsAndResizesAMismatchedSurface)
{
    Pixolf lib;
    salon::Surface src = gradient(9, 6);
    int32_t w, h;
    ByteArray a;
    ASSERT_EQ(1, lib.CreateObrPole(src, w, h, a));
    salon::Surface dst(3, 3);
    dst.setBorderStyle(1);
    ASSERT_EQ(1, lib.ObnovObrPole(dst, w, h, a, 1));
    EXPECT_EQ(9, dst.drawableWidth());
    EXPECT_EQ(6, dst.drawableHeight());
    EXPECT_EQ(13, dst.width());  // the border adds 4
    EXPECT_EQ(src.readRows(), dst.readRows());
    ASSERT_TRUE(dst.hasPicture());
    EXPECT_EQ(dst.image(), *dst.picture());
}

TEST(PixelArrays, WritingBackRefusesArraysOfTheWrongShape)
{
    Pixolf lib;
    salon::Surface s = gradient(4, 4);
    const salon::Bitmap before = s.readRows();
    ByteArray narrow, wide, shortRows, rank1, shifted;
    narrow.redim(0, 10, 0, 3);    // stride of 4 pixels is 12
    wide.redim(0, 15, 0, 3);
    shortRows.redim(0, 11, 0, 2);
    rank1.redim(0, 47);
    shifted.redim(1, 12, 0, 3);
    for (ByteArray* a : {&narrow, &wide, &shortRows, &rank1, &shifted})
        EXPECT_EQ(0, lib.ObnovObrPole(s, 4, 4, *a));
    ByteArray ok;
    ok.redim(0, 11, 0, 3);
    EXPECT_EQ(0, lib.ObnovObrPole(s, 0, 4, ok));
    EXPECT_EQ(before, s.readRows());
}

TEST(PixelArrays, CopyKeepsEveryBoundAndRefusesAnUndimensionedArray)
{
    Pixolf lib;
    ByteArray a, b;
    a.redim(-1, 1, 2, 3, 5, 9);
    a(0, 3, 7) = 42;
    ASSERT_EQ(1, lib.PsPoleCopy(a, b));
    EXPECT_EQ(3, b.rank);
    for (int d = 1; d <= 3; ++d) {
        EXPECT_EQ(a.lbound(d), b.lbound(d));
        EXPECT_EQ(a.ubound(d), b.ubound(d));
    }
    EXPECT_EQ(42, b(0, 3, 7));
    ByteArray none;
    EXPECT_EQ(0, lib.PsPoleCopy(none, b));
    EXPECT_EQ(3, b.rank);
}

TEST(PixelArrays, PointCopyMovesOnlyTheBlockAndChecksBothArrays)
{
    Pixolf lib;
    ByteArray src, dst;
    src.redim(0, 5, 0, 4);
    for (size_t i = 0; i < src.values.size(); ++i) src.values[i] = uint8_t(i + 1);
    dst.redim(0, 7, 0, 7);
    ASSERT_EQ(1, lib.PsPoleBod(dst, src, 4, 3));
    EXPECT_EQ(src(3, 2), dst(3, 2));
    EXPECT_EQ(0, dst(4, 2));
    EXPECT_EQ(0, dst(0, 3));
    EXPECT_EQ(7, dst.ubound(1));  // not redimensioned
    EXPECT_EQ(0, lib.PsPoleBod(dst, src, 7, 3));  // src has 6 columns
    EXPECT_EQ(0, lib.PsPoleBod(src, dst, 4, 6));  // dst (here the target) has 5 rows
    EXPECT_EQ(0, dst(5, 0));
}

TEST(PixelArrays, PictureFilesLoadFromDiskAndFromMemoryAlike)
{
    Pixolf lib;
    salon::Surface s = gradient(5, 3);
    const std::vector<uint8_t> bmp = salon::encodeBmp(s.readRows());
    const std::string bytes(bmp.begin(), bmp.end());
    const auto path = std::filesystem::temp_directory_path() / "pixels_test_load.bmp";
    { std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size())); }

    int32_t w1, h1, w2, h2, w3, h3;
    ByteArray fromFile, fromMemory, fromSurface;
    ASSERT_EQ(1, lib.UaPoleLoad(path.string(), w1, h1, fromFile));
    ASSERT_EQ(1, lib.UaMemTmpPole(bytes, w2, h2, fromMemory));
    ASSERT_EQ(1, lib.CreateObrPole(s, w3, h3, fromSurface));
    EXPECT_EQ(5, w1);
    EXPECT_EQ(3, h2);
    EXPECT_EQ(fromSurface.values, fromFile.values);
    EXPECT_EQ(fromSurface.values, fromMemory.values);

    salon::Surface target(2, 2);
    ASSERT_EQ(1, lib.SuMemTmpObr(target, bytes));
    EXPECT_EQ(5, target.drawableWidth());
    EXPECT_EQ(s.readRows(), target.readRows());

    EXPECT_EQ(0, lib.UaMemTmpPole(bytes.substr(0, 30), w2, h2, fromMemory));  // a cut file
    EXPECT_EQ(0, lib.UaPoleLoad((path.string() + ".none"), w1, h1, fromFile));
    EXPECT_EQ(0, lib.SuMemTmpObr(target, "not a picture"));
    std::filesystem::remove(path);
}

TEST(PixelArrays, ScreenWindowsAreLimitedByTheSourceRowsAndColumnsReallyRead)
{
    Pixolf lib;
    salon::Surface src = gradient(20, 10);
    const int32_t hdc = lib.deviceContext(src);
    // (dX, dY, BmX, BmY) -> result, and where source pixel (0,0)'s colour lands.
    const struct { int32_t dx, dy, bw, bh, result, px, py, sx, sy; } cases[] = {
        {2, 3, 5, 4, 1, 0, 0, 2, 3},      // inside
        {-3, -2, 6, 5, 1, 3, 2, 0, 0},    // before the top-left corner
        {18, 8, 5, 5, 1, 0, 0, 18, 8},    // 2 x 2 left at the far corner
        {19, 0, 5, 5, 0, 0, 0, 0, 0},     // one column only
        {0, -9, 5, 10, 0, 0, 0, 0, 0},    // one row only
        {0, 0, 1, 5, 0, 0, 0, 0, 0},
    };
    for (auto c : cases) {
        ByteArray a;
        int32_t bw = c.bw, bh = c.bh;
        EXPECT_EQ(c.result, lib.UaLoadPoleScreen(hdc, 20, 10, c.dx, c.dy, bw, bh, a)) << c.dx << "," << c.dy;
        if (!c.result) continue;
        EXPECT_EQ(c.bw, bw);
        EXPECT_EQ(c.sx, a(3 * c.px, c.py));
        EXPECT_EQ(c.sy, a(3 * c.px + 1, c.py));
    }
    // A negative dY with a window taller than the source reads no row past the source's bottom:
    // rows below it keep the work surface's background.
    ByteArray a;
    int32_t bw = 4, bh = 14;
    ASSERT_EQ(1, lib.UaLoadPoleScreen(hdc, 20, 10, 0, -2, bw, bh, a));
    EXPECT_EQ(9, a(1, 11));   // source row 9 at destination row 11
    EXPECT_EQ(state().work[1].backColour & 0xFF, a(2, 12));
    EXPECT_EQ(5, state().work[1].drawableWidth());  // back to its idle size

    salon::Surface obj(3, 3);
    ASSERT_EQ(1, lib.UaLoadObrScreen(hdc, 20, 10, obj, 4, 5, 6, 3));
    EXPECT_EQ(6, obj.drawableWidth());
    EXPECT_EQ(salon::packRgb(9, 5, 4), obj.image().pixel(0, 0));
    EXPECT_EQ(0, lib.UaLoadPoleScreen(hdc + 1000, 20, 10, 0, 0, bw, bh, a));
    lib.releaseDeviceContext(hdc);
}
