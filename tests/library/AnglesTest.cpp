#include "library/Pixolf.h"

#include <gtest/gtest.h>

#include <cmath>

using pixol::Pixolf;

namespace {
constexpr float Pi = float(3.141592654);
}

TEST(Angles, DegreesWrapIntoOneTurnBeforeConversion)
{
    Pixolf lib;
    float deg = 725, rad = 0;
    EXPECT_EQ(1, lib.SUhelDegRdn(deg, rad, true));
    EXPECT_EQ(5.0f, deg);
    EXPECT_EQ(float(5.0 * 3.141592654 / 180), rad);
    deg = -720;  // stops at the edge of the range, as repeated steps do
    lib.SUhelDegRdn(deg, rad, true);
    EXPECT_EQ(-360.0f, deg);
    rad = 7.0f;
    lib.SUhelDegRdn(deg, rad, false);
    EXPECT_FLOAT_EQ(float(7.0 - 6.283185308), rad);
    EXPECT_FLOAT_EQ(float(double(rad) * 180 / 3.141592654), deg);
    deg = 1e30f;  // cannot stall
    lib.SUhelDegRdn(deg, rad, true);
    EXPECT_LE(std::fabs(deg), 360.0f);
}

TEST(Angles, LineDirectionsCoverEveryQuadrantAndAxis)
{
    Pixolf lib;
    struct Case {
        int32_t x2, y2;
        float radians;
    };
    const Case cases[] = {
        {5, 0, 0},      {-1, 0, Pi},     {0, 5, Pi / 2},  {0, -5, -Pi / 2},
        {3, 3, float(std::atan(1.0))}, {-3, 3, float(std::atan(-1.0) + 3.141592654)},
        {-3, -3, float(std::atan(1.0) - 3.141592654)}, {3, -3, float(std::atan(-1.0))}, {0, 0, 0},
    };
    for (const Case& c : cases) {
        float len = -1, deg = -1, rad = -1;
        EXPECT_EQ(1, lib.SUhelLine(0, 0, c.x2, c.y2, len, deg, rad));
        EXPECT_FLOAT_EQ(c.radians, rad) << c.x2 << "," << c.y2;
        EXPECT_FLOAT_EQ(std::hypot(float(c.x2), float(c.y2)), len);
        EXPECT_FLOAT_EQ(float(double(rad) * 180 / 3.141592654), deg);
    }
    float len, deg, rad;
    lib.SUhelLine(-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647, len, deg, rad);
    EXPECT_FLOAT_EQ(float(std::sqrt(2.0) * 4294967295.0), len);  // no overflow on long segments
    EXPECT_FLOAT_EQ(Pi / 4, rad);
}

TEST(Angles, SingleDirectionsIgnoreDifferencesBelowATenth)
{
    Pixolf lib;
    EXPECT_EQ(0.0f, lib.SUhelSingle(0, 0, 0.05f, -0.05f));
    EXPECT_EQ(1.5707964f, lib.SUhelSingle(0, 0, 0.05f, 2));
    EXPECT_EQ(3.1415927f, lib.SUhelSingle(1, 1, -1, 1.05f));
    EXPECT_FLOAT_EQ(float(std::atan(-1.0)) + 3.1415927f, lib.SUhelSingle(0, 0, -2, 2));
}

TEST(Angles, VertexAnglesAreSignedAndReduced)
{
    Pixolf lib;
    EXPECT_FLOAT_EQ(Pi / 2, lib.SUhelSingleA(0, 0, 0, 1, 1, 0));
    EXPECT_FLOAT_EQ(-Pi / 2, lib.SUhelSingleA(0, 0, 1, 0, 0, 1));
    // Rays at 350 and 10 degrees are 20 degrees apart, not 340.
    const double a = 10 * 3.141592654 / 180;
    const int32_t cx = int32_t(std::lround(1000 * std::cos(a))), sy = int32_t(std::lround(1000 * std::sin(a)));
    EXPECT_NEAR(-2 * a, lib.SUhelSingleA(0, 0, cx, -sy, cx, sy), 1e-3);
    EXPECT_FLOAT_EQ(float(9.424777962 / 2 - 3.141592654), lib.SUhelSingleA(5, 5, 5, 0, -5, 5));
}

TEST(ColourBytes, SplitsPackedColoursAndRefusesOthers)
{
    Pixolf lib;
    uint8_t r = 1, g = 1, b = 1;
    EXPECT_EQ(1, lib.SUBarva(r, g, b, 0x123456));
    EXPECT_EQ(0x56, r);
    EXPECT_EQ(0x34, g);
    EXPECT_EQ(0x12, b);
    EXPECT_EQ(0, lib.SUBarva(r, g, b, -1));
    EXPECT_EQ(0, r + g + b);
    EXPECT_EQ(0, lib.SUBarva(r, g, b, 0x1000000));
}

TEST(HexText, ReadsEachWidthWithItsSign)
{
    Pixolf lib;
    struct Case {
        const char* text;
        uint8_t type;
        int32_t ok, value;
    };
    const Case cases[] = {
        {"&hffff", 1, 1, -1},      {"8000", 1, 1, -32768},  {"FFFF", 0, 1, 65535},   {"FF", 2, 1, 255},
        {"123456789", 0, 0, 77},   {" 7fffffff ", 0, 1, 2147483647}, {"80000000", 0, 1, -2147483647 - 1},
        {"12G", 0, 0, 77},          {"123", 2, 0, 77},       {"1", 3, 0, 77},         {"7FFF", 1, 1, 32767},
    };
    for (const Case& c : cases) {
        int32_t v = 77;
        EXPECT_EQ(c.ok, lib.SuHexDeg(c.text, v, c.type)) << c.text;
        EXPECT_EQ(c.value, v) << c.text;
    }
}
