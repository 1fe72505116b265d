#include "library/Pixolf.h"
#include "library/frame/LibraryState.h"

#include <gtest/gtest.h>

using namespace pixol;

TEST(RegionHandles, TsRgnDeletesOnceAndClearsTheCallersHandle)
{
    Pixolf lib;
    int32_t h = int32_t(state().regions.add(salon::Region::rect(0, 0, 4, 4)));
    int32_t before = lib.regionCount();
    EXPECT_EQ(1, lib.RgnTestuj(h));
    int32_t copy = h;
    EXPECT_EQ(1, lib.TsRgn(h));
    EXPECT_EQ(0, h);
    EXPECT_EQ(before - 1, lib.regionCount());
    EXPECT_EQ(0, lib.TsRgn(copy));  // a stale handle names nothing
    EXPECT_EQ(0, copy);
    int32_t none = 0;
    EXPECT_EQ(0, lib.RgnTestuj(none));
}

TEST(DeviceContexts, NumbersFindTheirSurfaceUntilReleased)
{
    Pixolf lib;
    salon::Surface a(10, 10), b(3, 3);
    int32_t na = lib.deviceContext(a), nb = lib.deviceContext(b);
    EXPECT_NE(na, nb);
    EXPECT_EQ(na, lib.deviceContext(a));
    EXPECT_EQ(&a, state().deviceContexts.find(na));
    lib.releaseDeviceContext(na);
    EXPECT_EQ(nullptr, state().deviceContexts.find(na));
    EXPECT_NE(na, lib.deviceContext(a));  // numbers are not reused
    EXPECT_EQ(nullptr, state().deviceContexts.find(0));
}

TEST(Brushes, StockBrushesCannotBeReleasedAndPatternsTile)
{
    BrushTable table;
    EXPECT_FALSE(table.remove(BrushTable::StockBase + 4));
    ASSERT_NE(nullptr, table.find(BrushTable::StockBase + 4));
    EXPECT_EQ(0u, *table.find(BrushTable::StockBase + 4)->colourAt(3, 3));
    EXPECT_FALSE(table.find(BrushTable::StockBase + 5)->colourAt(0, 0).has_value());

    Brush pattern{Brush::Kind::Pattern, 0, salon::Bitmap::rgb24(2, 2)};
    pattern.pattern.setPixel(1, 0, 0xFF0000);
    int32_t h = table.add(pattern);
    EXPECT_EQ(0xFF0000u, *table.find(h)->colourAt(-1, 2));  // (-1, 2) tiles onto (1, 0)
    EXPECT_EQ(0u, *table.find(h)->colourAt(0, 0));
    EXPECT_TRUE(table.remove(h));
    EXPECT_EQ(nullptr, table.find(h));
}

TEST(ByteArrays, KeepTheirRankAndBoundsAndRefuseIndicesOutside)
{
    salon::ByteArray a;
    a.redim(-1, 1, 2, 3, 0, 1);
    EXPECT_EQ(3, a.rank);
    EXPECT_EQ(12u, a.values.size());
    a(1, 3, 1) = 7;
    EXPECT_EQ(7, a.values.back());
    EXPECT_EQ(-1, a.lbound(1));
    EXPECT_EQ(3, a.ubound(2));
    EXPECT_FALSE(a.has(2, 3, 1));
    EXPECT_THROW(a(2, 2, 0), std::out_of_range);  // must not alias (-1, 3, 0)
    a.redim(0, 4);
    EXPECT_EQ(1, a.rank);
    EXPECT_EQ(5u, a.values.size());
}
