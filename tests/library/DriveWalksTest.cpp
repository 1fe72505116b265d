#include "TempDrive.h"
#include "library/Pixolf.h"

#include <gtest/gtest.h>

using namespace pixol;
using pixol::testing::TempDrive;

namespace {

// The drive table holds only the test's drive while a walk runs, so other drives stay out of it.
class DriveWalks : public ::testing::Test {
protected:
    salon::DriveTable saved = salon::DriveTable::current();
    TempDrive drive{'X'};
    salon::ScriptedUi ui;
    Pixolf lib;
    void SetUp() override
    {
        salon::DriveTable::current() = salon::DriveTable({{'X', drive.root(), salon::DriveType::Fixed}});
        lib.useUi(&ui);
        drive.write("a\\Pics\\one.bmp", "1234");
        drive.write("a\\Pics\\two.BMP", "12");
        drive.write("b\\pics\\c\\three.bmp", "123");
        drive.write("b\\pics.bmp", "1");         // a file of that name is no directory
        drive.write("RECYCLED\\old\\gone.bmp", "123456");
        std::filesystem::create_directory_symlink(drive.root(), drive.native("a\\loop"));  // never followed
        std::filesystem::create_symlink(drive.native("a\\Pics\\one.bmp"), drive.native("a\\link.bmp"));
    }
    void TearDown() override
    {
        lib.useUi(nullptr);
        salon::DriveTable::current() = saved;
        salon::DriveTable::current().set('X', drive.root());
    }
};

} // namespace

TEST_F(DriveWalks, SysFnDirFindsDirectoriesByNameBreadthFirstAndAppends)
{
    StringArray found;
    found.redim(1, 1);
    found(1) = "kept";
    int32_t count = 1;
    EXPECT_EQ(1, lib.SysFnDir("PICS", found, count));
    EXPECT_EQ((std::vector<std::string>{"kept", "X:\\a\\Pics\\", "X:\\b\\pics\\"}), found.values);
    EXPECT_EQ(3, count);
    int32_t none = 0;
    StringArray empty;
    EXPECT_EQ(1, lib.SysFnDir("nothing", empty, none));
    EXPECT_EQ(0, none);
}

TEST_F(DriveWalks, SysFnSouListsMatchingFilesButNotLinks)
{
    StringArray found;
    int32_t count = 0;
    EXPECT_EQ(1, lib.SysFnSou("t*.bmp", found, count));
    EXPECT_EQ((std::vector<std::string>{"X:\\a\\Pics\\two.BMP", "X:\\b\\pics\\c\\three.bmp"}), found.values);
    count = 0;
    EXPECT_EQ(1, lib.SysFnSou("*.bmp", found, count));
    EXPECT_EQ(6 - 1, count);  // one, two, three, pics.bmp, gone.bmp; the link is passed over
}

TEST_F(DriveWalks, SysCtDiskCountsAndLeavesRecycledOut)
{
    LongArray values;
    ASSERT_EQ(1, lib.SysCtDisk("x", values));
    // Directories a, Pics, b, pics, c, RECYCLED, old; files one, two, three, pics.bmp, gone.bmp.
    EXPECT_EQ((std::vector<int32_t>{7, 5, 16, 5, 4, 10}), values.values);
    EXPECT_EQ(1, values.lower);
    EXPECT_EQ(0, lib.SysCtDisk("X", values, 2));  // not a removable drive
    EXPECT_EQ(0, lib.SysCtDisk("Q", values));

    StringArray paths, names;
    LongArray attrs, bytes, times, values2;
    ASSERT_EQ(1, lib.SysCtiDisk("X", paths, names, attrs, bytes, times, values2));
    EXPECT_EQ(values.values, values2.values);
    ASSERT_EQ(8, paths.size());
    EXPECT_EQ("X:\\", paths(1));
    EXPECT_EQ("", names(1));
    // Breadth-first, names in byte order: X:\, RECYCLED, a, b, old, Pics, pics, c.
    EXPECT_EQ("X:\\RECYCLED\\", paths(2));
    EXPECT_EQ("X:\\a\\Pics\\", paths(6));
    EXPECT_EQ("Pics", names(6));
    EXPECT_EQ(6, bytes(6));
    EXPECT_EQ(16, attrs(6));
    EXPECT_GT(times(6), 1500000000);
}

TEST_F(DriveWalks, AnUnreadableCdRomIsAskedForThriceThenFails)
{
    salon::DriveTable::current().set('S', drive.native("no-disc"), salon::DriveType::CdRom);
    LongArray values;
    EXPECT_EQ(0, lib.SysCtDisk("S", values, 3));
    EXPECT_EQ(2u, ui.messages.size());  // between the three tries
    salon::DriveTable::current().set('F', drive.native("gone"), salon::DriveType::Fixed);
    EXPECT_EQ(0, lib.SysCtDisk("F", values));
    EXPECT_EQ(2u, ui.messages.size());  // a fixed drive is not asked for
}

TEST_F(DriveWalks, LongWalksLetEventsRun)
{
    for (int i = 0; i < 520; ++i) std::filesystem::create_directories(drive.native("many\\d" + std::to_string(i)));
    LongArray values;
    ASSERT_EQ(1, lib.SysCtDisk("X", values));
    EXPECT_EQ(520 + 1 + 7, values(1));
    EXPECT_GE(ui.eventsProcessed, 2);
}

TEST_F(DriveWalks, ByteTotalsSaturateInsteadOfWrapping)
{
    drive.write("big\\huge.bin", "");
    std::filesystem::resize_file(drive.native("big\\huge.bin"), uint64_t(3) << 30);  // sparse: no disk used
    LongArray values;
    ASSERT_EQ(1, lib.SysCtDisk("X", values));
    EXPECT_EQ(INT32_MAX, values(3));
    EXPECT_EQ(INT32_MAX, values(6));
    StringArray paths, names;
    LongArray attrs, bytes, times;
    ASSERT_EQ(1, lib.SysCtiDisk("X", paths, names, attrs, bytes, times, values));
    EXPECT_EQ("X:\\big\\", paths(5));  // X:\, RECYCLED, a, b, big
    EXPECT_EQ(INT32_MAX, bytes(5));
}
