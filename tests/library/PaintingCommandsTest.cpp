// pixol filter and pixol paint, run as a user runs them.
#include "platform/Numbers.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

int runPixol(const std::string& args)
{
    return std::system((std::string(PIXOL_PROGRAM) + " " + args + " >/dev/null 2>&1").c_str());
}

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("pixol-painting-" + std::to_string(::getpid()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
    std::string file(const char* name) const { return (path / name).string(); }
};

} // namespace

TEST(FilterCommand, GreyAndRegionLimitedFiltersWriteTheWorkedPixels)
{
    TempDir dir;
    salon::Bitmap in = salon::Bitmap::rgb24(6, 5);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 6; ++x) in.setPixel(x, y, salon::packRgb(200, 100, 50));
    ASSERT_TRUE(salon::saveBmp(dir.file("in.bmp"), in));
    ASSERT_EQ(0, runPixol("filter grey " + dir.file("in.bmp") + " " + dir.file("grey.bmp") + " --region 0,0,3,5"));
    auto out = salon::loadPicture(dir.file("grey.bmp"));
    ASSERT_TRUE(out);
    EXPECT_EQ(salon::packRgb(115, 115, 115), out.value().pixel(2, 4));  // 66 + 33 + 16
    EXPECT_EQ(salon::packRgb(200, 100, 50), out.value().pixel(3, 0));
    ASSERT_EQ(0, runPixol("filter posterise --data 2 " + dir.file("in.bmp") + " " + dir.file("post.bmp")));
    EXPECT_EQ(salon::packRgb(255, 128, 0), salon::loadPicture(dir.file("post.bmp")).value().pixel(0, 0));
}

TEST(FilterCommand, RefusedDataAndUnknownFiltersFailWithoutWriting)
{
    TempDir dir;
    ASSERT_TRUE(salon::saveBmp(dir.file("in.bmp"), salon::Bitmap::rgb24(6, 5)));
    EXPECT_NE(0, runPixol("filter contrast --data 200 " + dir.file("in.bmp") + " " + dir.file("out.bmp")));
    EXPECT_NE(0, runPixol("filter sparkle " + dir.file("in.bmp") + " " + dir.file("out.bmp")));
    EXPECT_NE(0, runPixol("filter blend " + dir.file("in.bmp") + " " + dir.file("out.bmp")));  // no --with
    EXPECT_NE(0, runPixol("filter grey " + dir.file("missing.bmp") + " " + dir.file("out.bmp")));
    EXPECT_FALSE(fs::exists(dir.file("out.bmp")));
}

TEST(PaintCommand, TheDemoPaintsAndTheWindowIsCaptured)
{
    TempDir dir;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ASSERT_EQ(0, runPixol("paint --demo --screenshot " + dir.file("paint.png")));
    ASSERT_TRUE(fs::exists(dir.file("paint.png")));
    EXPECT_GT(fs::file_size(dir.file("paint.png")), 1000u);
}
