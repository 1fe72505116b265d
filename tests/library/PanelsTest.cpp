// Picture panels: row layout and the preparations of the size table.
#include "library/Pixolf.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pixol;

namespace {

LongArray table(std::vector<int32_t> v, int32_t lower = 0)
{
    LongArray t;
    t.redim(lower, lower + int32_t(v.size()) - 1);
    t.values = v;
    return t;
}

} // namespace

TEST(PsObrPanel, PicturesWrapIntoRowsAsTallAsTheirTallest)
{
    Pixolf lib;
    LongArray b;
    // width 100, gap 5: 40 + 40 fit (5 + 40 + 5 + 40 + 5 = 95), the third wraps
    ASSERT_EQ(2, lib.PsObrPanel(table({100, 5, 40, 30, 40, 20, 50, 10}), b));
    EXPECT_EQ(0, b.lower);
    EXPECT_EQ(13, b.size());
    EXPECT_EQ((std::vector<int32_t>{5, 5, 40, 30, 50, 5, 40, 20, 5, 40, 50, 10}),
              std::vector<int32_t>(b.values.begin() + 1, b.values.end()));
    EXPECT_EQ(55, b(0));  // 5 + 30 + 5 + 10 + 5
    // wider than the panel: alone on its row
    ASSERT_EQ(2, lib.PsObrPanel(table({50, 0, 80, 10, 10, 10}), b));
    EXPECT_EQ(0, b(5));
    EXPECT_EQ(10, b(6));  // the second row, below the wide one
    for (auto bad : {std::vector<int32_t>{0, 5, 10, 10}, std::vector<int32_t>{100, -1, 10, 10},
                     std::vector<int32_t>{100, 5, 10}, std::vector<int32_t>{100, 5, 10, 0}, std::vector<int32_t>{100}})
        EXPECT_EQ(0, lib.PsObrPanel(table(bad), b));
}

TEST(PsObrPanelSet, SortsReversesAndScalesTheSizes)
{
    Pixolf lib;
    LongArray t = table({100, 5, 40, 30, 40, 20, 50, 10}, 1);
    ASSERT_EQ(3, lib.PsObrPanelSet(1, t));
    EXPECT_EQ((std::vector<int32_t>{100, 5, 40, 30, 40, 20, 50, 10}), t.values);
    ASSERT_EQ(3, lib.PsObrPanelSet(2, t));
    EXPECT_EQ((std::vector<int32_t>{100, 5, 50, 10, 40, 20, 40, 30}), t.values);
    ASSERT_EQ(3, lib.PsObrPanelSet(3, t));  // to height 10: 40 x 10 / 20 = 20, 40 x 10 / 30 = 13.3
    EXPECT_EQ((std::vector<int32_t>{100, 5, 50, 10, 20, 10, 13, 10}), t.values);
    ASSERT_EQ(3, lib.PsObrPanelSet(4, t));
    EXPECT_EQ(0, lib.PsObrPanelSet(5, t));
    LongArray odd = table({100, 5, 7});
    EXPECT_EQ(0, lib.PsObrPanelSet(1, odd));
}
