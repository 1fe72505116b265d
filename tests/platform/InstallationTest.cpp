// Finding the suite's files from where a program is: installed trees, build trees, neither.
#include "platform/Installation.h"
#include "platform/Paths.h"

#include "generated/SalonInstallDirs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

using namespace salon;
namespace fs = std::filesystem;

namespace {

class Scratch : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string t = (fs::temp_directory_path() / "salon-install-XXXXXX").string();
        root = mkdtemp(t.data());
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path dir(const fs::path& relative) const
    {
        fs::create_directories(root / relative);
        return root / relative;
    }
    void touch(const fs::path& relative) const
    {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << "x";
    }
    // PREFIX/bin, PREFIX/lib... and PREFIX/share/salon, as `cmake --install` lays them out.
    fs::path installedTree(const fs::path& prefix) const
    {
        dir(prefix / SALON_INSTALL_BINDIR);
        dir(prefix / SALON_INSTALL_LIBDIR);
        dir(prefix / SALON_INSTALL_DATADIR / "salon" / "drive");
        return root / prefix;
    }
    fs::path root;
};

} // namespace

TEST(InstallPrefix, TakesTheInstalledFolderOffWholeComponents)
{
    struct Case {
        const char *dir, *installed, *prefix;  // prefix nullptr: not an installed folder
    } cases[] = {
        {"/usr/bin", "bin", "/usr"},
        {"/usr/bin/", "bin", "/usr"},                            // programDirectory() ends with '/'
        {"/opt/salon/lib/x86_64-linux-gnu", "lib/x86_64-linux-gnu", "/opt/salon"},
        {"/opt/salon/lib/x86_64-linux-gnu/", "lib/x86_64-linux-gnu/", "/opt/salon"},
        {"/bin", "bin", "/"},
        {"/usr/sbin", "bin", nullptr},                          // a suffix of a name is no folder
        {"/usr/lib", "lib/x86_64-linux-gnu", nullptr},
        {"/home/x/bin/tools", "bin", nullptr},
        {"bin", "bin", nullptr},                                // nothing left to be the prefix
        {"/usr/bin", "", nullptr},
        {"/usr/bin", "/usr/bin", nullptr},                      // only relative folders are kept
    };
    for (const Case& c : cases) {
        auto prefix = prefixOf(c.dir, c.installed);
        if (c.prefix) {
            ASSERT_TRUE(prefix) << c.dir << " with " << c.installed;
            EXPECT_EQ(*prefix, fs::path(c.prefix)) << c.dir;
        } else {
            EXPECT_FALSE(prefix) << c.dir << " with " << c.installed << " gave " << *prefix;
        }
    }
}

TEST_F(Scratch, InstalledProgramsAndLibrariesFindTheSharedFolder)
{
    const fs::path prefix = installedTree("opt/salon");
    dir(prefix / SALON_INSTALL_DATADIR / "pixol");
    EXPECT_EQ(installedDataDirectory(prefix / SALON_INSTALL_BINDIR / "", "salon"),
              prefix / SALON_INSTALL_DATADIR / "salon");
    // The library asks from its own folder when loaded shared, from the program's when linked in.
    EXPECT_EQ(installedDataDirectory(prefix / SALON_INSTALL_LIBDIR, "pixol"), prefix / SALON_INSTALL_DATADIR / "pixol");
    EXPECT_EQ(installedDataDirectory(prefix / SALON_INSTALL_BINDIR, "pixol"), prefix / SALON_INSTALL_DATADIR / "pixol");
    EXPECT_FALSE(installedDataDirectory(prefix / SALON_INSTALL_BINDIR, "other")) << "no such package folder";
    EXPECT_FALSE(installedDataDirectory(dir("opt/salon/tools"), "salon")) << "not a program folder";
}

TEST_F(Scratch, ABuildTreeIsTheNearestFolderWithACMakeCache)
{
    touch("work/build/CMakeCache.txt");
    const fs::path shell = dir("work/build/editor/shell");
    EXPECT_EQ(buildTreeOf(shell), root / "work/build");
    EXPECT_EQ(buildTreeOf(shell / ""), root / "work/build");
    EXPECT_EQ(buildTreeOf(root / "work/build"), root / "work/build");
    EXPECT_FALSE(buildTreeOf(dir("work/elsewhere")));
}

TEST_F(Scratch, SuiteFilesComeFromTheInstallationBeforeAnyBuildTree)
{
    // An installation inside a build tree (as a test's scratch prefix may be) uses its own files.
    touch("build/CMakeCache.txt");
    const fs::path prefix = installedTree("build/stage");
    const fs::path bin = prefix / SALON_INSTALL_BINDIR / "";
    const fs::path share = prefix / SALON_INSTALL_DATADIR / "salon";
    EXPECT_EQ(suiteDataDirectory(bin), share);
    EXPECT_EQ(demoDrive(bin), share / "drive");
    EXPECT_EQ(suiteFile(bin, "NpvHair.tmf"), share / "NpvHair.tmf");

    // Without share/salon the same folder is just a folder of the build tree.
    fs::remove_all(share);
    EXPECT_EQ(suiteDataDirectory(bin), root / "build");
}

TEST_F(Scratch, BuildTreeProgramsKeepTheirFilesWhereTheBuildPutsThem)
{
    touch("build/CMakeCache.txt");
    touch("build/editor/shell/NpvHair.tmf");
    const fs::path shell = root / "build/editor/shell/";
    EXPECT_EQ(demoDrive(shell), root / "build/drive");
    EXPECT_EQ(suiteFile(shell, "NpvHair.tmf"), root / "build/editor/shell/NpvHair.tmf") << "beside the program first";
    EXPECT_EQ(suiteFile(root / "build/tools", "NpvHair.tmf"), root / "build/NpvHair.tmf");
}

TEST_F(Scratch, AProgramOutsideAnyTreeLooksInItsOwnFolder)
{
    const fs::path lone = dir("somewhere/else");
    EXPECT_EQ(suiteDataDirectory(lone / ""), lone);
    EXPECT_EQ(demoDrive(lone), lone / "drive");
}

TEST(InstallPrefix, ThisTestProgramsDemoDriveIsTheBuildTreesDrive)
{
    // The build tree's behaviour is unchanged: without SALON_DRIVES, D is <build>/drive.
    const char* old = std::getenv("SALON_DRIVES");
    const std::string saved = old ? old : "";
    unsetenv("SALON_DRIVES");
    const DriveTable table = DriveTable::fromEnvironment();
    if (old) setenv("SALON_DRIVES", saved.c_str(), 1);
    ASSERT_NE(table.find('D'), nullptr);
    EXPECT_EQ(table.find('D')->root, fs::path(SALON_BINARY_DIR) / "drive");
}
