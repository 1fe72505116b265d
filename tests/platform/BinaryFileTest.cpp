#include "platform/BinaryFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace salon;

TEST(BinaryFile, ReadsLittleEndianFieldsAtOneBasedPositions)
{
    const std::vector<uint8_t> bytes{0x4A, 0x53, 0x44, 0x4C, 0xFE, 0xFF, 0x01, 0x00, 0x00, 0x80};
    ByteReader r(bytes);
    EXPECT_EQ(r.text(1, 4).value(), "JSDL");
    EXPECT_EQ(r.short16(5).value(), -2);
    EXPECT_EQ(r.long32(7).value(), int32_t(0x80000001u));
    EXPECT_EQ(r.byte(10).value(), 0x80);
}

TEST(BinaryFile, ReadsPastTheEndOrBeforeTheStartGiveNothing)
{
    const std::vector<uint8_t> bytes(8, 0);
    ByteReader r(bytes);
    EXPECT_TRUE(r.long32(5).has_value());
    EXPECT_FALSE(r.long32(6).has_value());
    EXPECT_FALSE(r.byte(0).has_value());
    EXPECT_FALSE(r.byte(9).has_value());
    EXPECT_FALSE(r.bytes(2, -1).has_value());
    EXPECT_TRUE(r.bytes(9, 0).has_value());  // an empty read at the very end is fine
    // Sizes from damaged records must not wrap around.
    EXPECT_FALSE(r.has(INT64_MAX, 2));
    EXPECT_FALSE(r.has(2, INT64_MAX));
}

TEST(BinaryFile, WriterGrowsWithZerosAndRoundTrips)
{
    ByteWriter w;
    w.long32(5, -123456);
    w.short16(1, 0x1234);
    w.text(10, "AB");
    ASSERT_EQ(w.data().size(), 11u);
    EXPECT_EQ(w.data()[2], 0);  // the gap is zero
    ByteReader r(w.data());
    EXPECT_EQ(r.long32(5).value(), -123456);
    EXPECT_EQ(r.short16(1).value(), 0x1234);
    EXPECT_EQ(r.text(10, 2).value(), "AB");
}
