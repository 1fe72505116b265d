#include "editor/sheet/SheetRequest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace salon;

namespace {

Result<SheetRequest> parse(std::vector<std::string> extra)
{
    std::vector<std::string> args{"dslsheet", "--contact-sheet", "0", "--photo", "p.jpg", "--out", "s.png"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    return parseSheetRequest(int(argv.size()), argv.data());
}

} // namespace

TEST(SheetRequest, NumbersOutsideTheirRangesAreUsageErrors)
{
    const std::vector<std::vector<std::string>> refused = {
        {"--scale", "nan"},          {"--scale", "inf"},        {"--scale", "0.05"},
        {"--scale", "2.5"},          {"--scale", "0.5x"},       {"--scale", ""},
        {"--columns", "2147483647"}, {"--columns", "0"},        {"--columns", "-3"},
        {"--columns", "101"},        {"--columns", "4.5"},      {"--columns", "99999999999"},
        {"--swatch", "49"},          {"--swatch", "1x"},        {"--drive", "DE"},
        {"--drive", "1"},            {"--face", "1,2,3"},       {"--face", "1,2,3,0"},
        {"--face", "2147483647,2147483647,2147483647,2147483647"},
        {"--face", "99999999999,1,1,1"},
        {"--colums", "3"},           {"--photo"},
    };
    for (const auto& extra : refused) EXPECT_FALSE(parse(extra).ok()) << extra[0] << " " << (extra.size() > 1 ? extra[1] : "");
}

TEST(SheetRequest, ValuesWithinTheirRangesAreTaken)
{
    auto r = parse({"--scale", "2", "--columns", "100", "--swatch", "48", "--drive", "e", "--face", "-5,7,30,40", "--bare"});
    ASSERT_TRUE(r.ok()) << r.error();
    EXPECT_EQ(2.0, r.value().scale);
    EXPECT_EQ(100, r.value().columns);
    EXPECT_EQ(48, r.value().swatch);
    EXPECT_EQ('E', r.value().drive);
    EXPECT_EQ((FaceBox{-5, 7, 30, 40}), r.value().face);
    EXPECT_TRUE(r.value().haveFace && r.value().bare);
    EXPECT_EQ(0, parse({}).value().columns);  // chosen later by the number of categories
}

// 512 x 560 cells at 0.5 are 256 x 280; with margins 24, gaps 14, labels 26 and headings 44:
// 4 columns are 2 x 24 + 4 x 256 + 3 x 14 = 1114 wide; 5 cells in 2 rows and 2 cells in 1 row
// are 24 + (44 + 2 x 320) + (44 + 320) + 24 - 14 = 1082 high.
TEST(SheetRequest, TheSheetSizeIsWorkedOutInFullAndRefusedBeyondItsLimit)
{
    auto size = sheetSize({5, 2}, 4, 0.5);
    ASSERT_TRUE(size.ok()) << size.error();
    EXPECT_EQ(1114, size.value().width);
    EXPECT_EQ(1082, size.value().height);

    EXPECT_FALSE(sheetSize({1000}, 1, 2.0).ok());         // 1000 rows of 1160
    EXPECT_FALSE(sheetSize({4}, 100, 2.0).ok());          // 100 columns of 1024
    EXPECT_FALSE(sheetSize({INT32_MAX}, 1, 0.1).ok());    // rows beyond 32 bits
    EXPECT_TRUE(sheetSize({1000}, 100, 0.1).ok());
}
