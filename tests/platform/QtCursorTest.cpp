// Pointers for the Qt views: standard pointer numbers and cursors built from cursor pictures.
#include "platform/Numbers.h"
#include "platform/qt/QtCursor.h"

#include <QPixmap>

#include <gtest/gtest.h>

using namespace salon;

TEST(QtCursor, KeepsTheHotSpotAndShowsTheScreenThroughTheMask)
{
    // 5 x 4: red everywhere, the mask lets the screen through the left column and pixel (3, 2).
    CursorPicture c;
    c.image = Bitmap::rgb24(5, 4);
    c.mask = Bitmap::indexed(5, 4, 1, {0x000000, 0xFFFFFF});
    for (int32_t y = 0; y < 4; ++y) {
        for (int32_t x = 0; x < 5; ++x) c.image.setPixel(x, y, packRgb(255, 0, 0));
        c.mask.row(y)[0] = 0x80;  // bit 7 is pixel 0
    }
    c.mask.row(2)[0] |= 0x10;
    c.hotX = 3;
    c.hotY = 1;
    const QCursor q = toQCursor(c);
    EXPECT_EQ(QPoint(3, 1), q.hotSpot());
    const QImage shown = q.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(QSize(5, 4), shown.size());
    EXPECT_EQ(0, qAlpha(shown.pixel(0, 3)));
    EXPECT_EQ(0, qAlpha(shown.pixel(3, 2)));
    EXPECT_EQ(qRgb(255, 0, 0), shown.pixel(3, 1));
    EXPECT_EQ(qRgb(255, 0, 0), shown.pixel(4, 2));
}

TEST(QtCursor, StandardPointerNumbers)
{
    EXPECT_EQ(Qt::ArrowCursor, standardPointer(0));
    EXPECT_EQ(Qt::CrossCursor, standardPointer(2));
    EXPECT_EQ(Qt::SizeBDiagCursor, standardPointer(6));
    EXPECT_EQ(Qt::SizeHorCursor, standardPointer(9));
    EXPECT_EQ(Qt::WaitCursor, standardPointer(11));
    EXPECT_EQ(Qt::SizeAllCursor, standardPointer(15));
    EXPECT_EQ(Qt::ArrowCursor, standardPointer(16));
    EXPECT_EQ(Qt::ArrowCursor, standardPointer(-1));
}
