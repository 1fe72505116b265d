// Windows-style paths through the drive table, matched without regard to case.
#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace salon;
namespace fs = std::filesystem;

namespace {

class DriveDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string t = (fs::temp_directory_path() / "salon-drive-XXXXXX").string();
        root = mkdtemp(t.data());
        fs::create_directories(root / "Orvella" / "Sub Dir");
        std::ofstream(root / "Orvella" / "ObsDsl01.IRW") << "x";
        std::ofstream(root / "dslob00.aob") << "x";
        table.set('d', root);
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path root;
    DriveTable table;
};

} // namespace

TEST_F(DriveDir, ComponentsMatchWhateverTheirCase)
{
    EXPECT_EQ(table.resolve("D:\\orvella\\obsdsl01.irw"), root / "Orvella" / "ObsDsl01.IRW");
    EXPECT_EQ(table.resolve("d:\\ORVELLA\\OBSDSL01.irw"), root / "Orvella" / "ObsDsl01.IRW");
    EXPECT_EQ(table.resolve("D:\\DSLOB00.AOB"), root / "dslob00.aob");
    EXPECT_EQ(table.resolve("D:/orvella/sub dir/"), root / "Orvella" / "Sub Dir" / "");
    EXPECT_EQ(table.resolve("D:\\"), root);
    EXPECT_EQ(table.resolve("D:"), root);
}

TEST_F(DriveDir, MissingTailsAreKeptAsWrittenAndDotDotStaysOnTheDrive)
{
    EXPECT_EQ(table.resolve("D:\\orvella\\New\\File.BMP"), root / "Orvella" / "New" / "File.BMP");
    EXPECT_EQ(table.resolve("D:\\..\\..\\etc\\passwd"), root / "etc" / "passwd");
    EXPECT_EQ(table.resolve("D:\\orvella\\.\\..\\dslob00.aob"), root / "dslob00.aob");
    EXPECT_EQ(table.resolve("E:\\x"), std::nullopt) << "an unknown drive";
}

TEST_F(DriveDir, OtherPathsPassThrough)
{
    EXPECT_EQ(table.resolve("/tmp/a\\b.bmp"), fs::path("/tmp/a/b.bmp"));
    EXPECT_EQ(table.resolve("rel\\x.bmp"), fs::path("rel/x.bmp"));
    EXPECT_EQ(table.resolve(""), fs::path(""));
}

TEST_F(DriveDir, CurrentTableServesTheShorthands)
{
    DriveTable saved = DriveTable::current();
    DriveTable::current() = table;
    EXPECT_TRUE(FileExists("D:\\ORVELLA\\obsdsl01.IRW"));
    EXPECT_FALSE(FileExists("D:\\orvella"));
    EXPECT_FALSE(FileExists("D:\\nothing.bmp"));
    EXPECT_FALSE(FileExists("Q:\\x"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_EQ(windowsPath(root / "Orvella" / "ObsDsl01.IRW"), "D:\\Orvella\\ObsDsl01.IRW");
    EXPECT_EQ(windowsPath(root / "Orvella" / ""), "D:\\Orvella\\");
    EXPECT_EQ(windowsPath(root), "D:\\");
    EXPECT_EQ(windowsPath("/elsewhere/x.bmp"), "/elsewhere/x.bmp");
    // A drive whose root lies inside another's wins for its own files.
    DriveTable::current().set('E', root / "Orvella");
    EXPECT_EQ(windowsPath(root / "Orvella" / "ObsDsl01.IRW"), "E:\\ObsDsl01.IRW");
    DriveTable::current() = saved;
}

TEST(DriveTable, ParsesTheEnvironmentForm)
{
    struct Case {
        const char* spec;
        std::vector<std::pair<char, std::string>> drives;
    };
    const Case cases[] = {
        {"D=/srv/salon;E=/media/cdrom", {{'D', "/srv/salon"}, {'E', "/media/cdrom"}}},
        {" d = /srv/salon ; ", {{'D', "/srv/salon"}}},
        {"D=/a;D=/b", {{'D', "/b"}}},
        {"DD=/x;1=/y;=/z;E;F=;G=/ok", {{'G', "/ok"}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        DriveTable t = DriveTable::parse(c.spec);
        ASSERT_EQ(t.drives().size(), c.drives.size()) << c.spec;
        for (size_t i = 0; i < c.drives.size(); ++i) {
            EXPECT_EQ(t.drives()[i].letter, c.drives[i].first) << c.spec;
            EXPECT_EQ(t.drives()[i].root, fs::path(c.drives[i].second)) << c.spec;
        }
    }
    DriveTable typed = DriveTable::parse("E=/media/cdrom,5;F=/x,9");
    EXPECT_EQ(typed.find('e')->type, DriveType::CdRom);
    EXPECT_EQ(typed.find('F')->root, fs::path("/x,9")) << "only a single digit 0..6 names a type";
    EXPECT_EQ(typed.find('F')->type, DriveType::Fixed);
}

TEST(DriveTable, EnvironmentOrTheDemoDrive)
{
    const char* old = std::getenv("SALON_DRIVES");
    std::string saved = old ? old : "";
    setenv("SALON_DRIVES", "X=/somewhere", 1);
    DriveTable t = DriveTable::fromEnvironment();
    EXPECT_NE(t.find('X'), nullptr);
    EXPECT_EQ(t.find('D'), nullptr);
    unsetenv("SALON_DRIVES");
    DriveTable demo = DriveTable::fromEnvironment();
    ASSERT_NE(demo.find('D'), nullptr);
    EXPECT_FALSE(demo.find('D')->root.empty());
    if (old) setenv("SALON_DRIVES", saved.c_str(), 1);
}

TEST(Paths, ProgramDirectoryHoldsTheRunningProgram)
{
    fs::path dir = programDirectory();
    EXPECT_TRUE(dir.filename().empty()) << "ends with a separator";
    EXPECT_TRUE(fs::exists(dir / "platform_tests"));
}
