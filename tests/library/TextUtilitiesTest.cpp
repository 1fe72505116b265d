#include "library/Pixolf.h"

#include <gtest/gtest.h>

#include <random>

using pixol::Pixolf;

TEST(NumberText, RoundsHalfToEvenToThePlacesAsked)
{
    Pixolf lib;
    EXPECT_EQ("0.12", lib.SCisStr(0.125f, 2));   // 12.5 rounds to 12
    EXPECT_EQ("0.38", lib.SCisStr(0.375f, 2));   // 37.5 rounds to 38
    EXPECT_EQ("2", lib.SCisStr(2.5f, 0));
    EXPECT_EQ("-2", lib.SCisStr(-2.5f, 0));
    EXPECT_EQ("1.23457", lib.SCisStr(1.2345678f, 5));
}

TEST(NumberText, FormatsTheNumberItselfBeyondFivePlacesOrThirtyTwoBits)
{
    Pixolf lib;
    EXPECT_EQ("0.125", lib.SCisStr(0.125f, 6));
    EXPECT_EQ("1.234568", lib.SCisStr(1.2345678f, 6));  // a single's seven digits
    EXPECT_EQ("3E+09", lib.SCisStr(3e9f, 0));           // 3e9 leaves 32 bits
    EXPECT_EQ("0.1", lib.SCisStr(0.1f, 7));
}

TEST(FixedDigits, PadsOrRefusesWithItsStatus)
{
    Pixolf lib;
    struct Case {
        int32_t number, digits, status;
        const char* text;
    };
    const Case cases[] = {{42, 5, 1, "00042"},   {123456, 5, -2, ""}, {5, 0, 0, ""},  {5, 10, 0, ""},
                          {-1, 3, -1, ""},       {0, 1, 1, "0"},       {999999999, 9, 1, "999999999"},
                          {2147483647, 9, -2, ""}};
    for (const Case& c : cases) {
        std::string out = "junk";
        EXPECT_EQ(c.status, lib.SCisSkup(c.number, c.digits, out)) << c.number << "/" << c.digits;
        EXPECT_EQ(c.text, out) << c.number << "/" << c.digits;
    }
}

TEST(Scrambling, RoundTripsEveryByteAtEveryLength)
{
    Pixolf lib;
    std::mt19937 random(7);
    for (size_t length : {2u, 3u, 7u, 37u, 121u, 256u, 1000u, 5000u}) {
        std::string original(length, '\0');
        for (size_t i = 0; i < length; ++i) original[i] = char(i < 256 ? i : random() & 0xFF);
        std::string text = original;
        ASSERT_EQ(1, lib.TSKoder(text, 1));
        EXPECT_NE(original, text);
        ASSERT_EQ(1, lib.TSKoder(text, 0));
        EXPECT_EQ(original, text) << length;
    }
}

TEST(Scrambling, ShiftsEachByteByItsPositionsOffset)
{
    Pixolf lib;
    // Position 1: 1 + 1 + 1 + 1 + 1 = 5; position 2: 0 + 2 + 2 + 2 + 2 = 8; 255 + 8 wraps to 7.
    std::string text = {char(10), char(255)};
    lib.TSKoder(text, 1);
    EXPECT_EQ(15, static_cast<unsigned char>(text[0]));
    EXPECT_EQ(7, static_cast<unsigned char>(text[1]));
    std::string one = "x", none;
    lib.TSKoder(one, 1);
    lib.TSKoder(none, 1);
    EXPECT_EQ("x", one);
    EXPECT_EQ("", none);
}
