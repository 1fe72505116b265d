#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace salon;

TEST(Numbers, RoundingGoesToTheEvenNeighbourOnTies)
{
    struct Case {
        float in;
        int32_t out;
    };
    for (Case c : {Case{0.5f, 0}, {1.5f, 2}, {2.5f, 2}, {3.5f, 4}, {-0.5f, 0}, {-1.5f, -2}, {-2.5f, -2},
                   {2.4999f, 2}, {2.5001f, 3}, {-2.6f, -3}}) {
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
        EXPECT_EQ(roundHalfEven(double(c.in)), c.out) << c.in;
    }
}

TEST(Numbers, ChannelRoundingTiesToEvenAndClampsMalformedValues)
{
    struct Case {
        float in;
        int out;
    };
    for (Case c : {Case{0.5f, 0}, {1.5f, 2}, {127.5f, 128}, {128.5f, 128}, {254.5f, 254}, {254.6f, 255},
                   {255.5f, 255}, {300.0f, 255}, {-0.4f, 0}, {-7.0f, 0},
                   {std::numeric_limits<float>::quiet_NaN(), 0}, {std::numeric_limits<float>::infinity(), 255}}) {
        EXPECT_EQ(int(toByte(c.in)), c.out) << c.in;
    }
}

TEST(Numbers, FixAndIntegerDivisionTruncateTowardZero)
{
    EXPECT_EQ(fix(1.9f), 1);
    EXPECT_EQ(fix(-1.9f), -1);
    EXPECT_EQ(fix(-0.2), 0);
    EXPECT_EQ(intDiv(7, 2), 3);
    EXPECT_EQ(intDiv(-7, 2), -3);
    EXPECT_EQ(intDiv(7, -2), -3);
    EXPECT_EQ(intDiv(-7, -2), 3);
}

TEST(Numbers, RowsArePaddedToFourBytes)
{
    EXPECT_EQ(rowBytes24(1), 4);
    EXPECT_EQ(rowBytes24(4), 12);
    EXPECT_EQ(rowBytes24(5), 16);
    EXPECT_EQ(rowBytes24(21), 64);
    EXPECT_EQ(rowBytes24(116), 348);
}

TEST(Numbers, PackedColoursKeepRedInTheLowByte)
{
    uint32_t c = packRgb(1, 2, 3);
    EXPECT_EQ(c, 1u + 256u * 2u + 65536u * 3u);
    EXPECT_EQ(redOf(c), 1);
    EXPECT_EQ(greenOf(c), 2);
    EXPECT_EQ(blueOf(c), 3);
}
