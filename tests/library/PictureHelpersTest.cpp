#include "library/Pixolf.h"
#include "library/imaging/PictureBasics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

using pixol::Pixolf;

TEST(RectangleCorners, AreOrderedAndTheShapeNamed)
{
    Pixolf lib;
    int32_t x1 = 10, y1 = 5, x2 = 2, y2 = 5;
    float d = -1;
    EXPECT_EQ(3, lib.SuRohyObd(x1, y1, x2, y2, d));
    EXPECT_EQ(2, x1);
    EXPECT_EQ(10, x2);
    EXPECT_EQ(8.0f, d);
    x1 = x2 = y1 = y2 = 4;
    EXPECT_EQ(4, lib.SuRohyObd(x1, y1, x2, y2, d));
    EXPECT_EQ(0.0f, d);
    x1 = 1, y1 = 9, x2 = 1, y2 = 0;
    EXPECT_EQ(2, lib.SuRohyObd(x1, y1, x2, y2, d));
    EXPECT_EQ(0, y1);
    x1 = 0, y1 = 0, x2 = 3, y2 = -4;
    EXPECT_EQ(1, lib.SuRohyObd(x1, y1, x2, y2, d));
    EXPECT_EQ(5.0f, d);
}

TEST(RectangleScaling, KeepsTheWidthEvenAboutTheCentre)
{
    Pixolf lib;
    int32_t l = 10, t = 20, w = 100, h = 50, nl = 0, nt = 0, nw = 0, nh = 0;
    EXPECT_EQ(1, lib.SuKorPlochy(1.5f, 1.5f, l, t, w, h, nl, nt, nw, nh));
    EXPECT_EQ(150, nw);
    EXPECT_EQ(15, nl);
    EXPECT_EQ(75, nh);
    EXPECT_EQ(30, nt);

    w = 101;
    EXPECT_EQ(-1, lib.SuKorPlochy(1.0f, 1.0f, l, t, w, h, nl, nt, nw, nh));
    EXPECT_EQ(100, w);

    // 1.01 x 100 = 101 is made even (102), the half pixel it gained split to the left: 10.1 - 0.5.
    w = 100;
    EXPECT_EQ(1, lib.SuKorPlochy(1.01f, 1.0f, l, t, w, h, nl, nt, nw, nh));
    EXPECT_EQ(102, nw);
    EXPECT_EQ(10, nl);

    w = 1;
    nl = nt = nw = nh = -7;
    EXPECT_EQ(0, lib.SuKorPlochy(2.0f, 2.0f, l, t, w, h, nl, nt, nw, nh));
    EXPECT_EQ(1, w);
    EXPECT_EQ(-7, nw);
    int32_t tall = 3;
    w = 100;
    EXPECT_EQ(0, lib.SuKorPlochy(0.5f, 0.5f, l, t, w, tall, nl, nt, nw, nh));  // a scaled side under 3
    EXPECT_EQ(0, lib.SuKorPlochy(3e9f, 1.0f, l, t, w, h, nl, nt, nw, nh));    // 32-bit overflow
}

TEST(PictureBasics, ClearingSizesTheDrawingAreaInsideTheBorder)
{
    Pixolf lib;
    salon::Surface s(40, 30);
    s.setBorderStyle(1);
    s.setPicture(salon::Bitmap::rgb24(10, 10), false);
    EXPECT_EQ(1, lib.PsClsXY(s));
    EXPECT_EQ(5, s.drawableWidth());
    EXPECT_EQ(5, s.drawableHeight());
    EXPECT_FALSE(s.hasPicture());
    EXPECT_EQ(s.backColour, s.image().pixel(2, 2));
    int32_t w = 0, h = 0;
    EXPECT_EQ(1, lib.PsClsXY(s, 64, 48));
    EXPECT_EQ(1, lib.PsGetXY(s, w, h));
    EXPECT_EQ(64, w);
    EXPECT_EQ(48, h);
    EXPECT_EQ(0, lib.PsClsXY(s, -1, 4));
}

TEST(PictureBasics, ATakenImageLeavesWhatClearingAndWritingItsRowsWould)
{
    // Taken and written both ways on a bordered object with a persistent picture: same size inside
    // the border, same pixels, no picture; the old background never shows.
    auto object = [] {
        salon::Surface s(40, 30);
        s.setBorderStyle(1);
        s.backColour = 0x00FF00;
        s.setPicture(salon::Bitmap::rgb24(36, 26), false);
        return s;
    };
    salon::Bitmap image = salon::Bitmap::rgb24(7, 5);
    for (size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = uint8_t(i * 37);
    for (int32_t y = 0; y < 5; ++y) std::fill_n(image.row(y) + 21, image.rowBytes() - 21, uint8_t(0));
    salon::Surface written = object(), taken = object();
    ASSERT_TRUE(pixol::clearToSize(written, 7, 5));
    ASSERT_TRUE(written.writeRows(image));
    ASSERT_TRUE(pixol::takeImage(taken, salon::Bitmap(image)));
    EXPECT_EQ(written.width(), taken.width());
    EXPECT_EQ(11, taken.width());
    EXPECT_EQ(9, taken.height());
    EXPECT_FALSE(taken.hasPicture());
    EXPECT_EQ(written.image(), taken.image());

    // Refused: another depth, a null picture, a size no object takes. The object keeps its image.
    const salon::Bitmap before = taken.image();
    EXPECT_FALSE(pixol::takeImage(taken, salon::Bitmap::indexed(4, 4, 8, std::vector<uint32_t>(256, 0))));
    EXPECT_FALSE(pixol::takeImage(taken, salon::Bitmap{}));
    salon::Bitmap huge;
    huge.width = 1 << 21;
    huge.height = 1;
    huge.pixels.resize(size_t(huge.rowBytes()));
    EXPECT_FALSE(pixol::takeImage(taken, std::move(huge)));
    EXPECT_EQ(before, taken.image());
    EXPECT_EQ(11, taken.width());
}

TEST(PictureBasics, PersistingNeedsAutomaticRedraw)
{
    Pixolf lib;
    salon::Surface s(8, 8);
    s.fillRect({0, 0, 8, 8}, 0x0000FF);
    s.autoRedraw = false;
    lib.PsObrPic(s);
    EXPECT_FALSE(s.hasPicture());
    s.autoRedraw = true;
    lib.PsObrPic(s);
    ASSERT_TRUE(s.hasPicture());
    EXPECT_EQ(0x0000FFu, s.picture()->pixel(3, 3));
}

TEST(LibraryResources, BitmapsAreServedAndUnknownOnesGiveAnEmptyPicture)
{
    Pixolf lib;
    for (int32_t id : {3, 4, 5, 9, 69, 70}) {
        auto p = lib.SuRscO(id, 0);
        ASSERT_TRUE(p);
        EXPECT_TRUE(p->hasPicture()) << id;
    }
    EXPECT_EQ(24, lib.SuRscO(3, 0)->picture()->width);
    for (auto [id, kind] : {std::pair{2, 0}, {3, 1}, {3, 7}, {9, 2}, {60, 2}, {10, 0}}) {
        auto p = lib.SuRscO(id, kind);
        ASSERT_TRUE(p);
        EXPECT_FALSE(p->hasPicture());
        EXPECT_EQ(0, p->width());
    }
}

TEST(LibraryResources, CursorsShowOverWhiteWithTheirStrokesDark)
{
    Pixolf lib;
    // The brush outline of radius 8: a dark ring about the centre, the window showing elsewhere.
    auto p = lib.SuRscO(17, 2);
    ASSERT_TRUE(p && p->hasPicture());
    const salon::Bitmap& b = *p->picture();
    ASSERT_EQ(48, b.width);
    ASSERT_EQ(48, b.height);
    EXPECT_EQ(0xFFFFFFu, b.pixel(24, 24));  // inside the ring: the window
    EXPECT_EQ(0xFFFFFFu, b.pixel(0, 0));    // outside it
    int dark = 0;
    for (int32_t x = 24; x < 48; ++x) dark += b.pixel(x, 24) != 0xFFFFFFu;
    EXPECT_GT(dark, 0) << "the ring crosses the row through the centre near x = 32";
    EXPECT_LT(dark, 6);
}

TEST(ReservedFormats, ReadNothingAndWriteNothing)
{
    Pixolf lib;
    std::string name = "C:\\a\\b.nlg";
    EXPECT_EQ(0, lib.SuCtiZXL(name));
    EXPECT_EQ("C:\\a\\b.nlg", name);
    name = "/tmp/pixol-reserved-test.zxl";
    EXPECT_EQ(0, lib.SuPisZXL(name, true));
    EXPECT_FALSE(std::filesystem::exists(name));
    salon::Surface s(5, 5);
    EXPECT_EQ(0, lib.SuCtiNahled(s, "x", 1, 1, 10, 10));
}

TEST(PictureBasics, ADrawnImageOfAnotherSizeIsKeptAndTheDrawingAreaReported)
{
    Pixolf lib;
    salon::Surface s(20, 10);
    s.image() = salon::Bitmap::rgb24(7, 3);  // drawn by someone who did not resize the object
    s.image().setPixel(1, 1, 0x00FF00);
    int32_t w = 0, h = 0;
    ASSERT_EQ(1, lib.PsGetXY(s, w, h));
    EXPECT_EQ(20, w);
    EXPECT_EQ(10, h);
    ASSERT_TRUE(s.hasPicture());
    EXPECT_EQ(0x00FF00u, s.picture()->pixel(1, 1));
}
