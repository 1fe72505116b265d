// Cursor files: the picture together with its AND mask and hot spot.
#include "platform/Numbers.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <vector>

using namespace salon;

namespace {

// An 8 x 3 cursor laid out by hand: one 1-bit image with a black and red palette, hot spot (5, 2).
// Rows are stored bottom-up, first the colour bits, then the AND mask bits.
std::vector<uint8_t> handLaidCursor()
{
    return {
        0, 0, 2, 0, 1, 0,                                  // reserved, type 2 (cursor), one image
        8, 3, 2, 0, 5, 0, 2, 0, 72, 0, 0, 0, 22, 0, 0, 0,  // 8 x 3, hot spot (5, 2), 72 bytes at 22
        40, 0, 0, 0, 8, 0, 0, 0, 6, 0, 0, 0, 1, 0, 1, 0,   // header: 8 wide, 6 high (image + mask), 1 bit
        0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,   // no compression, 24 bytes of pixels
        2, 0, 0, 0, 0, 0, 0, 0,                            // two colours
        0, 0, 0, 0, 0, 0, 255, 0,                          // black, red
        0xF0, 0, 0, 0, 0x0F, 0, 0, 0, 0x81, 0, 0, 0,       // colour rows: bottom, middle, top
        0x00, 0, 0, 0, 0xFF, 0, 0, 0, 0x3C, 0, 0, 0,       // mask rows: bottom, middle, top
    };
}

bool shows(const CursorPicture& c, int x, int y) { return c.mask.pixel(x, y) == 0; }

} // namespace

TEST(CursorFile, KeepsMaskAndHotSpotOfAHandLaidFile)
{
    auto r = decodeCursor(handLaidCursor());
    ASSERT_TRUE(r.ok()) << r.error();
    const CursorPicture& c = r.value();
    EXPECT_EQ(8, c.image.width);
    EXPECT_EQ(3, c.image.height);
    EXPECT_EQ(5, c.hotX);
    EXPECT_EQ(2, c.hotY);
    // Top row: red at both ends; its mask lets the screen through at pixels 2..5 only.
    EXPECT_EQ(packRgb(255, 0, 0), c.image.pixel(0, 0));
    EXPECT_EQ(0u, c.image.pixel(1, 0));
    EXPECT_EQ(packRgb(255, 0, 0), c.image.pixel(7, 0));
    for (int x = 0; x < 8; ++x) EXPECT_EQ(x < 2 || x > 5, shows(c, x, 0)) << x;
    // Middle row wholly transparent, bottom row wholly shown with red on its left half.
    for (int x = 0; x < 8; ++x) {
        EXPECT_FALSE(shows(c, x, 1)) << x;
        EXPECT_TRUE(shows(c, x, 2)) << x;
        EXPECT_EQ(x < 4 ? packRgb(255, 0, 0) : 0u, c.image.pixel(x, 2)) << x;
    }
    // The plain picture reader gives the same image.
    EXPECT_EQ(c.image, decodeIco(handLaidCursor()).value());
}

TEST(CursorFile, AnIconPointsWithItsCentre)
{
    std::vector<uint8_t> ico = handLaidCursor();
    ico[2] = 1;  // the same bytes as an icon: the entry's hot spot fields are planes and bit count
    auto r = decodeCursor(ico);
    ASSERT_TRUE(r.ok()) << r.error();
    EXPECT_EQ(4, r.value().hotX);
    EXPECT_EQ(1, r.value().hotY);
}

TEST(CursorFile, DamagedCursorsAreErrors)
{
    std::vector<uint8_t> cut = handLaidCursor();
    cut.resize(cut.size() - 4);  // the mask's top row is missing
    EXPECT_FALSE(decodeCursor(cut).ok());

    std::vector<uint8_t> shortEntry = handLaidCursor();
    shortEntry[14] = 68;  // the directory says the image ends before its mask does
    EXPECT_FALSE(decodeCursor(shortEntry).ok());

    std::vector<uint8_t> offPicture = handLaidCursor();
    offPicture[10] = 8;  // hot spot x = width
    EXPECT_FALSE(decodeCursor(offPicture).ok());
    offPicture[10] = 7;
    offPicture[12] = 3;  // hot spot y = height
    EXPECT_FALSE(decodeCursor(offPicture).ok());
    offPicture[12] = 2;
    EXPECT_TRUE(decodeCursor(offPicture).ok());

    EXPECT_FALSE(decodeCursor(std::vector<uint8_t>{0, 0, 2, 0, 0, 0}).ok());
}
