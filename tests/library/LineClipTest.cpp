#include "library/Pixolf.h"

#include <gtest/gtest.h>

#include <array>

using namespace pixol;

namespace {

struct ClipCase {
    const char* name;
    std::array<int32_t, 4> rect;
    std::array<int32_t, 4> line;
    int32_t result;
    std::array<int32_t, 4> clipped;
};

} // namespace

TEST(SuLinePlocha, ClipsToTheClosedRectangleAndRoundsTheEndsHalfToEven)
{
    const ClipCase cases[] = {
        {"inside stays", {0, 0, 9, 9}, {2, 3, 7, 8}, 1, {2, 3, 7, 8}},
        {"both edges belong to it", {0, 0, 9, 9}, {0, 9, 9, 0}, 1, {0, 9, 9, 0}},
        {"horizontal through", {0, 0, 9, 9}, {-10, 5, 20, 5}, 1, {0, 5, 9, 5}},
        {"diagonal through corners", {0, 0, 9, 9}, {-5, -5, 15, 15}, 1, {0, 0, 9, 9}},
        {"corners in any order", {9, 9, 0, 0}, {-5, -5, 15, 15}, 1, {0, 0, 9, 9}},
        {"y 2.5 rounds to 2", {0, 0, 10, 10}, {0, 0, 20, 5}, 1, {0, 0, 10, 2}},
        {"y 3.5 rounds to 4", {0, 0, 10, 10}, {0, 1, 20, 6}, 1, {0, 1, 10, 4}},
        {"a point inside", {0, 0, 9, 9}, {4, 4, 4, 4}, 1, {4, 4, 4, 4}},
        {"a point outside", {0, 0, 9, 9}, {10, 4, 10, 4}, 0, {-1, -1, -1, -1}},
        {"beside the rectangle", {0, 0, 9, 9}, {-5, 0, -1, 9}, 0, {-1, -1, -1, -1}},
        {"misses the corner", {0, 0, 9, 9}, {-3, 1, 1, -3}, 0, {-1, -1, -1, -1}},
    };
    Pixolf lib;
    for (const ClipCase& c : cases) {
        std::array<int32_t, 4> k{-1, -1, -1, -1};
        EXPECT_EQ(c.result, lib.SuLinePlocha(c.rect[0], c.rect[1], c.rect[2], c.rect[3], c.line[0], c.line[1],
                                             c.line[2], c.line[3], k[0], k[1], k[2], k[3]))
            << c.name;
        EXPECT_EQ(c.clipped, k) << c.name;
    }
}

TEST(SuLinePlocha, TheCFormGivesTheDirectionInDegreesWithYDown)
{
    Pixolf lib;
    int32_t x1, y1, x2, y2;
    float a = 7;
    ASSERT_EQ(1, lib.SuLinePlochaC(0, 0, 9, 9, 5, 9, 5, -20, x1, y1, x2, y2, a));
    EXPECT_FLOAT_EQ(-90.0f, a);
    ASSERT_EQ(1, lib.SuLinePlochaC(0, 0, 9, 9, 9, 0, 0, 0, x1, y1, x2, y2, a));
    EXPECT_FLOAT_EQ(180.0f, a);
    ASSERT_EQ(1, lib.SuLinePlochaC(0, 0, 9, 9, 0, 0, 9, 9, x1, y1, x2, y2, a));
    EXPECT_FLOAT_EQ(45.0f, a);
}
