// The pixol picture commands as a person types them: options before or after the file names, and
// a result named like an input or like a picture type pixol does not write.
#include "TempDrive.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <cstdlib>

using pixol::testing::TempDrive;

namespace {

// Runs pixol in `dir`, so that a file a misread argument names would land there.
int runPixolIn(const std::filesystem::path& dir, const std::string& args)
{
    return std::system(("cd '" + dir.string() + "' && " + PIXOL_PROGRAM + " " + args + " >/dev/null 2>&1").c_str());
}

size_t filesIn(const std::filesystem::path& dir)
{
    size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) n += e.is_regular_file();
    return n;
}

} // namespace

TEST(TransformCommand, OptionsMayStandBetweenTheFileNames)
{
    TempDrive drive;
    salon::Bitmap picture = salon::Bitmap::rgb24(40, 30);
    picture.setPixel(0, 0, 0x0000FFu);
    ASSERT_TRUE(salon::saveBmp(drive.native("in.bmp"), picture).ok());
    const auto& dir = drive.root();

    ASSERT_EQ(0, runPixolIn(dir, "transform rotr in.bmp --keep-size out1.bmp"));
    ASSERT_EQ(0, runPixolIn(dir, "transform scale in.bmp --factor 0.5 out2.bmp"));
    ASSERT_EQ(0, runPixolIn(dir, "transform flip --x in.bmp out3.bmp --y"));
    EXPECT_EQ(4u, filesIn(dir)) << "no file named after an option";

    auto scaled = salon::loadPicture(drive.native("out2.bmp"));
    ASSERT_TRUE(scaled.ok());
    EXPECT_EQ(20, scaled.value().width);
    auto flipped = salon::loadPicture(drive.native("out3.bmp"));
    ASSERT_TRUE(flipped.ok());
    EXPECT_EQ(0x0000FFu, flipped.value().pixel(39, 29));  // the corner went to the opposite corner

    // Too few or too many names: refused, nothing written.
    EXPECT_NE(0, runPixolIn(dir, "transform rotate in.bmp --angle 10"));
    EXPECT_NE(0, runPixolIn(dir, "transform rotate in.bmp out4.bmp extra.bmp --angle 10"));
    EXPECT_EQ(4u, filesIn(dir));
}

TEST(TransformCommand, TheResultNeverReplacesAnInputAndIsAPngOnlyWhenNamedSo)
{
    TempDrive drive;
    const salon::Bitmap picture = salon::Bitmap::rgb24(40, 30);
    ASSERT_TRUE(salon::saveBmp(drive.native("in.bmp"), picture).ok());
    ASSERT_TRUE(salon::saveBmp(drive.native("other.bmp"), picture).ok());
    const auto& dir = drive.root();
    const std::string before = drive.read("in.bmp");

    EXPECT_NE(0, runPixolIn(dir, "transform rotr in.bmp ./in.bmp"));
    EXPECT_NE(0, runPixolIn(dir, "filter grey in.bmp in.bmp"));
    EXPECT_NE(0, runPixolIn(dir, "filter blend in.bmp other.bmp --with other.bmp --data 50"));
    EXPECT_NE(0, runPixolIn(dir, "transform rotr in.bmp out.jpg"));  // BMP bytes under a JPEG name
    EXPECT_EQ(before, drive.read("in.bmp"));
    EXPECT_EQ(before, drive.read("other.bmp"));
    EXPECT_EQ(2u, filesIn(dir));

    ASSERT_EQ(0, runPixolIn(dir, "transform rotr in.bmp out.PNG"));
    const std::string png = drive.read("out.PNG");
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ("\x89PNG", png.substr(0, 4));
    EXPECT_EQ(30, (uint8_t(png[18]) << 8) | uint8_t(png[19])) << "the quarter turn's width in the PNG header";
}
