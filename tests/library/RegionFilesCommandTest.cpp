#include "TempDrive.h"
#include "library/Pixolf.h"
#include "library/frame/LibraryState.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace pixol;
using pixol::testing::TempDrive;

namespace {

int runPixol(const std::string& args) { return std::system((std::string(PIXOL_PROGRAM) + " " + args + " 2>/dev/null").c_str()); }

// An outline with slanted edges and a hole, as dslmake reads them.
const std::vector<salon::Point> Points = {{20, 5}, {90, 12}, {97, 70}, {44, 88}, {3, 51},  // outer
                                          {40, 30}, {60, 32}, {52, 55}};                   // hole
const std::vector<int32_t> Counts = {5, 3};
const char* const OutlineJson = "[[[20,5],[90,12],[97,70],[44,88],[3,51]],[[40,30],[60,32],[52,55]]]";

} // namespace

TEST(RegionFilesCommand, NlgMadeFromAnOutlineReadsBackAsTheScannedPolygons)
{
    TempDrive drive;
    Pixolf lib;
    drive.write("outline.json", OutlineJson);
    const auto dir = drive.root().string() + "/";
    ASSERT_EQ(0, runPixol("nlg make --outline " + dir + "outline.json --size 100,90 --out " + dir + "shape.nlg"));
    const int32_t h = lib.SuCtiNLG(drive.path("shape.nlg"));
    ASSERT_NE(0, h);
    const salon::Region expected = salon::Region::polygons(Points, Counts, salon::FillRule::EvenOdd);
    EXPECT_TRUE(*state().regions.find(uint32_t(h)) == expected);
    EXPECT_FALSE(expected.contains(50, 40));  // the hole stays a hole

    ASSERT_EQ(0, runPixol("nlg show " + dir + "shape.nlg --out " + dir + "shape.bmp"));
    auto picture = salon::loadPicture(drive.native("shape.bmp"));
    ASSERT_TRUE(picture.ok());
    ASSERT_EQ(100, picture.value().width);
    ASSERT_EQ(90, picture.value().height);
    int32_t wrong = 0;
    for (int32_t y = 0; y < 90; ++y)
        for (int32_t x = 0; x < 100; ++x)
            wrong += (picture.value().pixel(x, y) == 0) != expected.contains(x, y);
    EXPECT_EQ(0, wrong);
}

TEST(RegionFilesCommand, NsgSetsKeepEmptySlotsAndRefuseOutlinesBeyondThePicture)
{
    TempDrive drive;
    Pixolf lib;
    drive.write("outline.json", OutlineJson);
    drive.write("none.json", "[]");
    const auto dir = drive.root().string() + "/";
    ASSERT_EQ(0, runPixol("nsg make --outline " + dir + "none.json --outline " + dir + "outline.json --size 100,90 --out " +
                       dir + "set.nsg"));
    LongArray set;
    ASSERT_EQ(1, lib.SuCtiNSG(drive.path("set.nsg"), set, 200, 180));
    ASSERT_EQ(2, set.size());
    EXPECT_EQ(0, set(1));
    const salon::Region stored = salon::Region::polygons(Points, Counts, salon::FillRule::EvenOdd);
    const salon::Region doubled = salon::Region::fromData(stored.data(), salon::Region::Transform{2, 0, 0, 2, 0, 0});
    EXPECT_TRUE(*state().regions.find(uint32_t(set(2))) == doubled);

    EXPECT_NE(0, runPixol("nlg make --outline " + dir + "outline.json --size 90,90 --out " + dir + "small.nlg"));
    EXPECT_FALSE(std::filesystem::exists(drive.native("small.nlg")));
    EXPECT_NE(0, runPixol("nlg make --outline " + dir + "none.json --size 90,90 --out " + dir + "empty.nlg"));
    EXPECT_NE(0, runPixol("nlg show " + dir + "set.nsg --out " + dir + "x.bmp"));
}
