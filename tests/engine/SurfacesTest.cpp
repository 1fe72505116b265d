#include "editor/engine/Engine.h"
#include "editor/engine/PixelBuffer.h"

#include <gtest/gtest.h>

using namespace salon;

TEST(PixelBuffer, RowBytesRoundsThreeBytesPerPixelUpToFour)
{
    struct Case {
        int32_t width, rowBytes;
    } cases[] = {{1, 4}, {4, 12}, {21, 64}, {101, 304}, {116, 348}, {512, 1536}};
    for (const Case& c : cases) {
        const PixelBuffer b = PixelBuffer::allocate(c.width, 3);
        EXPECT_EQ(c.rowBytes, b.RowBytes) << c.width;
        EXPECT_EQ(size_t(c.rowBytes) * 3, b.Data.size());
    }
}

TEST(PixelBuffer, HeaderIsATopDown24BitBitmapHeader)
{
    const PixelBuffer b = PixelBuffer::allocate(101, 7);
    const auto& h = b.Header;
    auto long32 = [&h](int at) { return int32_t(h[at] | h[at + 1] << 8 | h[at + 2] << 16 | uint32_t(h[at + 3]) << 24); };
    EXPECT_EQ(40, long32(0));
    EXPECT_EQ(101, long32(4));
    EXPECT_EQ(-7, long32(8));
    EXPECT_EQ(1, h[12]);
    EXPECT_EQ(24, h[14]);
    EXPECT_EQ(0, long32(16));
    EXPECT_EQ(2834, long32(24));
    EXPECT_EQ(2834, long32(28));
}

TEST(PixelBuffer, RecordIndexingIsOneBasedOverTheSameBytes)
{
    PixelBuffer b = PixelBuffer::allocate(22, 2);
    b.pixel(21, 1)[2] = 99;  // red of the last pixel of the second row
    EXPECT_EQ(99, b.at(3 * 21 + 3, 2));
}

class SurfaceTable : public ::testing::Test {
protected:
    ScriptedUi ui;
    Engine engine{ui};
};

TEST_F(SurfaceTable, BorderedSurfaceReadsItsDrawableAreaAndIsRestoredOnWrite)
{
    Surface& s = engine.Surfaces[8];
    s.setBorderStyle(1);
    s.setSize(120, 90);
    PixelBuffer b = engine.GetPixels(8);
    ASSERT_TRUE(b.Valid);
    EXPECT_EQ(116, b.Width);
    EXPECT_EQ(86, b.Height);
    EXPECT_EQ(348, b.RowBytes);
    s.setSize(50, 50);
    ASSERT_TRUE(engine.PutPixels(8, b));
    EXPECT_EQ(120, s.width());
    EXPECT_EQ(90, s.height());
}

TEST_F(SurfaceTable, SurfacesNarrowerThan21PixelsAreNotRead)
{
    struct Case {
        int32_t w, h;
        bool readable;
    } cases[] = {{21, 21, true}, {4, 100, false}, {100, 20, false}, {20, 20, false}};
    for (const Case& c : cases) {
        engine.Surfaces[1].setSize(c.w, c.h);
        PixelBuffer b = engine.GetPixels(1);
        EXPECT_EQ(c.readable, b.Valid) << c.w << "x" << c.h;
        if (c.readable) {
            EXPECT_EQ(64, b.RowBytes);
        }
    }
    EXPECT_FALSE(engine.GetPixels(11).Valid);
    EXPECT_FALSE(engine.GetPixels(-1).Valid);
}

TEST_F(SurfaceTable, WritesAreLimitedToAMillionPixels)
{
    EXPECT_TRUE(engine.PutPixels(1, PixelBuffer::allocate(1000, 1000)));
    EXPECT_EQ(1000, engine.Surfaces[1].width());
    EXPECT_FALSE(engine.PutPixels(1, PixelBuffer::allocate(1001, 1000)));
    EXPECT_FALSE(engine.PutPixels(1, PixelBuffer::allocate(20, 100)));
    EXPECT_FALSE(engine.PutPixels(11, PixelBuffer::allocate(30, 30)));
}

TEST_F(SurfaceTable, ReadsOnSixteenAndFifteenBitDisplaysKeepTheTopBits)
{
    PixelBuffer b = PixelBuffer::allocate(21, 21);
    uint8_t* p = b.pixel(3, 4);
    p[0] = 7, p[1] = 3, p[2] = 255;
    uint8_t* q = b.pixel(20, 20);
    q[0] = 255, q[1] = 255, q[2] = 9;
    ASSERT_TRUE(engine.PutPixels(1, b));
    for (int mode : {1, 2}) {
        engine.DisplayDepthMode = mode;
        const PixelBuffer r = engine.GetPixels(1);
        EXPECT_EQ(0, r.pixel(3, 4)[0]);
        EXPECT_EQ(0, r.pixel(3, 4)[1]);
        EXPECT_EQ(248, r.pixel(3, 4)[2]);
        EXPECT_EQ(248, r.pixel(20, 20)[0]);
        EXPECT_EQ(252, r.pixel(20, 20)[1]);
        EXPECT_EQ(8, r.pixel(20, 20)[2]);
    }
    engine.DisplayDepthMode = 0;
    EXPECT_EQ(7, engine.GetPixels(1).pixel(3, 4)[0]);
}

TEST_F(SurfaceTable, ClearSurfaceLeavesAnEmpty20By20Surface)
{
    ASSERT_TRUE(engine.PutPixels(7, PixelBuffer::allocate(40, 30)));
    engine.ClearSurface(7);
    EXPECT_EQ(20, engine.Surfaces[7].width());
    EXPECT_EQ(20, engine.Surfaces[7].height());
    EXPECT_FALSE(engine.Surfaces[7].hasPicture());
}

TEST_F(SurfaceTable, ShowResultNeedsALoadedModelOfItsSize)
{
    Surface& view = engine.Surfaces[4];
    view.setSize(40, 40);
    engine.Surfaces[5].setSize(60, 60);
    engine.Surfaces[5].fillRect({0, 0, 60, 60}, 0x0000FF);
    const Bitmap before = view.image();
    engine.ShowResult();
    EXPECT_EQ(before, view.image());

    engine.ModelLoaded = true;
    engine.ModelW = engine.ModelH = 60;
    engine.ShowResult();
    EXPECT_EQ(0x0000FFu, view.image().pixel(20, 20));

    // The redraw releases a held arrow's pending step (code + 100 -> code), once.
    engine.RepeatCode = 107;
    engine.ShowFaceViewAndResult();
    EXPECT_EQ(7, engine.RepeatCode);
    engine.ShowFaceViewAndResult();
    EXPECT_EQ(7, engine.RepeatCode);
}

TEST_F(SurfaceTable, MirrorPhotoTwiceRestoresThePhoto)
{
    PixelBuffer b = PixelBuffer::allocate(31, 30);
    for (size_t i = 0; i < b.Data.size(); ++i) b.Data[i] = uint8_t(i * 31 + 7);
    ASSERT_TRUE(engine.PutPixels(1, b));
    engine.PhotoW = 31;
    engine.PhotoH = 30;
    const Bitmap original = engine.Surfaces[1].image();
    engine.MirrorPhoto();
    const Bitmap& mirrored = engine.Surfaces[1].image();
    EXPECT_EQ(original.pixel(0, 5), mirrored.pixel(30, 5));
    EXPECT_EQ(original.pixel(15, 5), mirrored.pixel(15, 5));
    engine.MirrorPhoto();
    EXPECT_EQ(original, engine.Surfaces[1].image());
}

TEST_F(SurfaceTable, MaskFaceLayerWhitensUnderTheBlackMask)
{
    engine.ModelLoaded = engine.FaceLoaded = true;
    engine.ModelW = engine.ModelH = engine.PhotoW = engine.PhotoH = 40;
    engine.Surfaces[6].setSize(40, 40);
    engine.Surfaces[6].fillRect({0, 0, 40, 40}, 0x123456);
    engine.Surfaces[9].setSize(40, 40);
    engine.Surfaces[9].fillRect({0, 0, 40, 40}, 0xFFFFFF);
    engine.Surfaces[9].fillRect({0, 0, 10, 10}, 0);
    engine.MaskFaceLayer();
    EXPECT_EQ(0xFFFFFFu, engine.Surfaces[6].image().pixel(5, 5));
    EXPECT_EQ(0x123456u, engine.Surfaces[6].image().pixel(20, 20));
}
