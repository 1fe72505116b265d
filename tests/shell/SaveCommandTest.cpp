#include "editor/shell/SaveCommand.h"

#include "editor/shell/texts/Texts.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <unistd.h>

namespace salon {
namespace {

namespace fs = std::filesystem;

Bitmap gradient(int32_t w, int32_t h)
{
    Bitmap b = Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) b.setPixel(x, y, uint32_t(x * 7) | uint32_t(y * 11) << 8 | uint32_t((x + y) * 3) << 16);
    return b;
}

struct SaveFixture : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("salon-save-test-" + std::to_string(::getpid()));
    ScriptedUi ui;
    std::string SaveFile;
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    void answer(const fs::path& p) { ui.fileAnswers.push_back(FileDialogAnswer{{p.string()}, 1}); }
};

TEST_F(SaveFixture, SavedBitmapIsTheCompositeAtItsOwnSize)
{
    const Bitmap comp = gradient(37, 23);
    answer(dir / "a.bmp");
    EXPECT_EQ(SaveResult(ui, SaveFile, comp), SaveOutcome::Saved);
    EXPECT_EQ(SaveFile, (dir / "a.bmp").string());
    auto back = loadPicture(dir / "a.bmp");
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_EQ(back.value().width, 37);
    EXPECT_EQ(back.value().height, 23);
    EXPECT_EQ(back.value().bitsPerPixel, 24);
    EXPECT_EQ(back.value(), comp);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SaveFixture, SavingTwiceProposesTheFirstName)
{
    const Bitmap comp = gradient(30, 30);
    answer(dir / "first.bmp");
    ASSERT_EQ(SaveResult(ui, SaveFile, comp), SaveOutcome::Saved);
    ui.fileAnswers.push_back(std::nullopt);  // the second time the user cancels
    EXPECT_EQ(SaveResult(ui, SaveFile, comp), SaveOutcome::Cancelled);
    ASSERT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(ui.fileRequests[0].fileName, "");
    EXPECT_EQ(ui.fileRequests[1].fileName, "first.bmp");
    EXPECT_EQ(ui.fileRequests[1].initialDir, dir.string() + "/");
    EXPECT_EQ(SaveFile, (dir / "first.bmp").string());  // a cancel keeps the name
}

TEST_F(SaveFixture, FailedSaveKeepsTheOldFileAndShowsTheErrorMessage)
{
    // The target is a directory holding a file: the rename over it fails and the directory and its
    // content stay as they were; no temporary file is left behind.
    const fs::path target = dir / "taken.bmp";
    fs::create_directories(target);
    std::ofstream(target / "keep.txt") << "precious";
    answer(target);
    EXPECT_EQ(SaveResult(ui, SaveFile, gradient(30, 30)), SaveOutcome::Failed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(fs::is_directory(target));
    std::ifstream kept(target / "keep.txt");
    std::string s;
    kept >> s;
    EXPECT_EQ(s, "precious");
    size_t entries = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(dir)) ++entries;
    EXPECT_EQ(entries, 1u);
}

TEST_F(SaveFixture, MissingDirectoryGivesPathNotFound)
{
    answer(dir / "no" / "such" / "x.bmp");
    EXPECT_EQ(SaveResult(ui, SaveFile, gradient(30, 30)), SaveOutcome::Failed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, ResText(528));
}

TEST_F(SaveFixture, ReplacingAFileKeepsItsPermissions)
{
    const fs::path target = dir / "shared.bmp";
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::others_read);
    const std::vector<uint8_t> bytes{1, 2, 3};
    ASSERT_EQ(writeFileReplacing(target, bytes), 0);
    EXPECT_EQ(fs::file_size(target), 3u);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

} // namespace
} // namespace salon
