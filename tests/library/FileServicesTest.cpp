#include "LibraryFixture.h"
#include "TempDrive.h"
#include "library/frame/LibraryState.h"

#include <sys/stat.h>

using namespace pixol;
using pixol::testing::TempDrive;

namespace {

using FileServices = test::LibraryWithUi<TempDrive>;

} // namespace

TEST_F(FileServices, FsControlAtribReportsKindsAndReadOnlyFiles)
{
    drive.write("a\\plain.txt", "x");
    drive.write("a\\locked.txt", "x");
    drive.write("a\\.secret", "x");
    ::chmod(drive.native("a\\locked.txt").c_str(), 0444);
    const bool root = ::geteuid() == 0;  // root may write anything: nothing is read-only to it
    struct Case {
        std::string name;
        int32_t result, atr1, atr2;
    } cases[] = {
        {"a\\plain.txt", 1, 0, 32},
        {"A\\PLAIN.TXT", 1, 0, 32},
        {"a\\locked.txt", 1, root ? 0 : 1, root ? 32 : 33},
        {"a\\.secret", 1, -1, 34},
        {"a\\", 1, -1, 16},
        {"a\\none.txt", 0, 0, 0},
        {"a\\*.txt", 0, 0, 0},
    };
    for (const Case& c : cases) {
        int32_t a1 = 9, a2 = 9;
        EXPECT_EQ(c.result, lib.FsControlAtrib(drive.path(c.name), a1, a2)) << c.name;
        EXPECT_EQ(c.atr1, a1) << c.name;
        EXPECT_EQ(c.atr2, a2) << c.name;
    }
}

TEST_F(FileServices, FsDirFunListsEveryEntryOfTheDirectoryPart)
{
    drive.write("d\\b.txt", "x");
    drive.write("d\\a.bmp", "x");
    std::filesystem::create_directories(drive.native("d\\sub"));
    std::string dir;
    int32_t count = 0;
    LongArray attrs;
    StringArray names;
    ASSERT_EQ(1, lib.FsDirFun(drive.path("d\\*.bmp"), dir, count, attrs, names));
    EXPECT_EQ(drive.path("d\\"), dir);
    EXPECT_EQ(3, count);
    EXPECT_EQ((std::vector<std::string>{"a.bmp", "b.txt", "sub"}), names.values);
    EXPECT_EQ((std::vector<int32_t>{32, 32, 16}), attrs.values);
    EXPECT_EQ(1, names.lower);

    std::filesystem::create_directories(drive.native("empty"));
    EXPECT_EQ(0, lib.FsDirFun(drive.path("empty\\x"), dir, count, attrs, names));
    EXPECT_EQ("", dir);
    EXPECT_EQ(0, count);
    EXPECT_TRUE(names.empty() && attrs.empty());
    EXPECT_EQ(0, lib.FsDirFun("C:", dir, count, attrs, names));  // no directory part of 3 characters
}

TEST_F(FileServices, FsSkupinaFindsTheMembersOfANumberedSeries)
{
    for (const char* name : {"foto001.bmp", "foto002.bmp", "foto0100.bmp", "fotoX01.bmp", "foto003.jpg", "foto.bmp"})
        drive.write(std::string("s\\") + name, "x");
    std::filesystem::create_directories(drive.native("s\\foto004.bmp"));
    std::string dir;
    int32_t count = 0;
    LongArray attrs, numbers;
    StringArray names;
    ASSERT_EQ(1, lib.FsSkupina(drive.path("s\\foto007.bmp"), 1, dir, count, attrs, numbers, names));
    EXPECT_EQ(drive.path("s\\"), dir);
    EXPECT_EQ((std::vector<std::string>{"foto001.bmp", "foto002.bmp"}), names.values);
    EXPECT_EQ((std::vector<int32_t>{1, 2}), numbers.values);
    ASSERT_EQ(1, lib.FsSkupina(drive.path("s\\foto007.bmp"), 0, dir, count, attrs, numbers, names));
    EXPECT_EQ((std::vector<std::string>{"foto001.bmp", "foto002.bmp", "foto0100.bmp"}), names.values);
    EXPECT_EQ((std::vector<int32_t>{1, 2, 100}), numbers.values);
    EXPECT_EQ(3, count);
    EXPECT_EQ(0, lib.FsSkupina(drive.path("s\\other1.bmp"), 0, dir, count, attrs, numbers, names));
    EXPECT_TRUE(names.empty() && numbers.empty() && attrs.empty());
    EXPECT_EQ(0, count);
}

TEST_F(FileServices, SysCmDZClassifiesDriveTypes)
{
    salon::DriveTable::current().set('R', drive.root(), salon::DriveType::Removable);
    salon::DriveTable::current().set('S', drive.root(), salon::DriveType::CdRom);
    //                     DTyp:    0      1      2      3      4      5      9
    const bool fitsW[] = {true, true, false, false, true, false, false};
    const bool fitsR[] = {false, true, true, false, false, false, false};
    const bool fitsS[] = {true, true, false, true, false, false, false};
    const int32_t classes[] = {0, 1, 2, 3, 4, 5, 9};
    for (int i = 0; i < 7; ++i) {
        bool fits = !fitsW[i];
        EXPECT_EQ(3, lib.SysCmDZ("w:\\x", classes[i], fits));
        EXPECT_EQ(fitsW[i], fits) << classes[i];
        EXPECT_EQ(2, lib.SysCmDZ("R", classes[i], fits));
        EXPECT_EQ(fitsR[i], fits) << classes[i];
        EXPECT_EQ(5, lib.SysCmDZ("S", classes[i], fits));
        EXPECT_EQ(fitsS[i], fits) << classes[i];
    }
    bool fits = true;
    EXPECT_EQ(0, lib.SysCmDZ("", 0, fits));
    EXPECT_EQ(0, lib.SysCmDZ("J", 0, fits));  // not a drive of the table
    EXPECT_FALSE(fits);
}

TEST_F(FileServices, SysFsDirAsksBeforeMakingEveryMissingLevel)
{
    std::filesystem::create_directories(drive.native("have"));
    EXPECT_EQ(1, lib.SysFsDir(drive.path("have\\")));
    EXPECT_TRUE(ui.messages.empty());

    ui.messageAnswers = {salon::MsgAnswer::No};
    EXPECT_EQ(0, lib.SysFsDir(drive.path("new\\deeper\\file.txt")));
    EXPECT_FALSE(std::filesystem::exists(drive.native("new")));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(drive.path("new\\deeper\\") + " does not exist.\r\nCreate this folder?", ui.messages[0].text);
    EXPECT_EQ(salon::MsgButtons::YesNo, ui.messages[0].buttons);

    ui.messageAnswers = {salon::MsgAnswer::Yes};
    EXPECT_EQ(1, lib.SysFsDir(drive.path("new\\deeper\\file.txt")));
    EXPECT_TRUE(std::filesystem::is_directory(drive.native("new\\deeper")));
    EXPECT_FALSE(std::filesystem::exists(drive.native("new\\deeper\\file.txt")));

    EXPECT_EQ(0, lib.SysFsDir(drive.path("")));          // the drive alone
    EXPECT_EQ(0, lib.SysFsDir("J:\\nowhere\\"));         // no such drive
    salon::DriveTable::current().set('N', drive.root(), salon::DriveType::NoRoot);
    EXPECT_EQ(0, lib.SysFsDir("N:\\x\\"));               // drive type 1
    EXPECT_EQ(2u, ui.messages.size());
}
