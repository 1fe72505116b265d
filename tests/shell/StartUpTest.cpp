#include "editor/shell/Layout.h"
#include "editor/shell/StartUp.h"

#include "platform/BinaryFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace salon {
namespace {

namespace fs = std::filesystem;

struct TempDir {
    fs::path path;
    explicit TempDir(const std::string& name) : path(fs::temp_directory_path() / ("salon_shell_" + name + "-" + std::to_string(::getpid())))
    {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

void writeFile(const fs::path& p, const std::vector<uint8_t>& bytes)
{
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> categoryRecord(std::string name, std::string dir, std::string prefix)
{
    name.resize(24, ' ');
    dir.resize(4, ' ');
    prefix.resize(4, ' ');
    std::string r = name + dir + prefix;
    return {r.begin(), r.end()};
}

TEST(DataDrive, CommandLineNamesTheDriveOnlyAsSlashAndLetter)
{
    TempDir d("drive"), e("drive_e");
    writeFile(d.path / "DSLOB00.AOB", categoryRecord("Krátké", "DS1", "HA"));
    DriveTable table({{'C', e.path}, {'D', d.path}});
    DriveTable saved = DriveTable::current();
    DriveTable::current() = table;

    const struct { const char* line; const char* drive; } cases[] = {
        {"", "D"},        // the first drive that holds the category file
        {"/e", "E"},      // lower case is upper-cased
        {"/E", "E"},
        {"/E:", "D"},     // three characters: not a drive choice
        {"e", "D"},       // no slash
        {"/", "D"},
        {"/ e", "D"},
    };
    for (auto c : cases)
        EXPECT_EQ(chooseDataDrive(c.line, table), c.drive) << '"' << c.line << '"';

    DriveTable none({{'C', e.path}});
    EXPECT_EQ(chooseDataDrive("", none), "");
    EXPECT_EQ(chooseDataDrive("/x", none), "X");
    const std::string text = noDataDriveMessage(none);
    EXPECT_NE(text.find(e.path.string()), std::string::npos);
    EXPECT_NE(text.find("SALON_DRIVES"), std::string::npos);
    EXPECT_NE(text.find("/D"), std::string::npos);
    EXPECT_EQ(text.rfind("Nebyla nalezena datová jednotka", 0), 0u);  // in Czech, like every other text
    DriveTable::current() = saved;
}

TEST(DataDrive, ArgumentsJoinIntoOneCommandLine)
{
    const std::vector<std::string> one{"/e"}, two{"/", "e"};
    EXPECT_EQ(joinCommandLine(one), "/e");
    EXPECT_EQ(joinCommandLine(two), "/ e");
}

TEST(ProgramDir, BackslashAppendedOnlyBeyondADriveRoot)
{
    EXPECT_EQ(programDirString("C:\\"), "C:\\");
    EXPECT_EQ(programDirString("  C:\\SALON  "), "C:\\SALON\\");
    EXPECT_EQ(programDirString("C:\\SALON\\"), "C:\\SALON\\");
    EXPECT_EQ(programDirString("/opt/salon/"), "/opt/salon/");
}

TEST(CategoryFile, RecordsOfThirtyTwoBytesAndTheTailIgnored)
{
    std::vector<uint8_t> bytes;
    for (auto r : {categoryRecord("  Krátké ", " DS1", "HA  "), categoryRecord("Dlouhé", "DS2", "HB"),
                   categoryRecord("Kudrny", "DS3", "HC")})
        bytes.insert(bytes.end(), r.begin(), r.end());
    bytes.insert(bytes.end(), {'X', 'Y', 'Z', 'W'});
    ASSERT_EQ(bytes.size(), 100u);

    const auto cats = parseCategoryFile(bytes);
    ASSERT_EQ(cats.size(), 3u);
    EXPECT_EQ(cats[0].name, "Krátké");
    EXPECT_EQ(cats[0].directory, "DS1");
    EXPECT_EQ(cats[0].prefix, "HA");
    const auto items = categoryListItems(cats);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], " ");
    EXPECT_EQ(items[2], "Dlouhé   ");
}

TEST(CategoryFile, EightBitNamesReadAsTheCentralEuropeanCodePage)
{
    // "Účesy" in Windows-1250: 0xDA 0xE8 e s y.
    const std::string cp1250 = "\xDA\xE8" "esy";
    EXPECT_EQ(textFromDataFile(cp1250), "Účesy");
    EXPECT_EQ(textFromDataFile("Účesy"), "Účesy");
    EXPECT_EQ(textFromDataFile("plain"), "plain");
}

TEST(CategoryFile, MissingOrEmptyFileIsAnError)
{
    TempDir d("nocat");
    DriveTable saved = DriveTable::current();
    DriveTable::current() = DriveTable({{'D', d.path}});
    EXPECT_FALSE(readCategoryFile("D"));
    writeFile(d.path / "dslob00.aob", {1, 2, 3});
    EXPECT_FALSE(readCategoryFile("D"));
    EXPECT_FALSE(readCategoryFile("Q"));
    DriveTable::current() = saved;
}

TEST(Layout, PanelAndPicturesFollowTheWorkArea)
{
    // 800 x 570 pixels of work area.
    auto l = computeLayout(800 * 15, 570 * 15);
    ASSERT_TRUE(l);
    EXPECT_EQ(l->ScreenW, 792);   // (12000 - 120) / 15
    EXPECT_EQ(l->ScreenH, 539);   // (8550 - 465) / 15
    EXPECT_EQ(l->PictureW, 338);  // (792 - 115) \ 2
    EXPECT_EQ(l->PictureH, 529);
    EXPECT_EQ(l->PanelX, 348);    // 348.5 rounds to even
    EXPECT_EQ(funkcePosition(*l, 0), (Point{348, 5}));
    EXPECT_EQ(funkcePosition(*l, 3), (Point{398, 58}));
    EXPECT_EQ(funkcePosition(*l, 15), (Point{398, 346}));
    EXPECT_EQ(rightAreaLeft(*l), 448);
    const Rect wait = waitImageRect(*l, 1);
    EXPECT_EQ(wait.left, 448);
    EXPECT_EQ(wait.width(), 338);
    EXPECT_EQ(wait.height(), 369);  // 338 * 12 / 11 = 368.7, rounded

    // Views of a model fitted into the frame are centred in their halves.
    const ViewPlacement v = placeViews(*l, 300, 329);
    EXPECT_EQ(v.left.left, 19 + 5);
    EXPECT_EQ(v.right.left, 19 + 448);
    EXPECT_EQ(v.left.top, v.right.top);

    EXPECT_FALSE(computeLayout(10499, 9000));
    EXPECT_TRUE(computeLayout(10500, 9000));
}

} // namespace
} // namespace salon
