#include "editor/shell/ChooseFile.h"

#include "editor/shell/texts/Texts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <unistd.h>

namespace salon {
namespace {

namespace fs = std::filesystem;

TEST(ChooseFileKinds, TitlesDialogsAndOptionsFollowTheKindTable)
{
    struct Case {
        int32_t kind;
        int32_t title;
        FileDialogKind dialog;
        bool multi, mustExist, overwrite;
        int32_t buffer;
    };
    const Case cases[] = {
        {0, 500, FileDialogKind::Open, false, true, false, 260},   {1, 501, FileDialogKind::Open, false, true, false, 260},
        {3, 503, FileDialogKind::Save, false, false, false, 260},  {5, 505, FileDialogKind::Save, false, false, true, 260},
        {6, 506, FileDialogKind::Open, true, true, false, 32000},  {7, 507, FileDialogKind::Open, true, true, false, 32000},
        {15, 0, FileDialogKind::Save, false, false, true, 260},    {16, 0, FileDialogKind::Open, true, true, false, 32000},
    };
    for (const Case& c : cases) {
        const auto k = chooseFileKind(c.kind);
        ASSERT_TRUE(k) << c.kind;
        EXPECT_EQ(k->titleId, c.title) << c.kind;
        EXPECT_EQ(k->dialog, c.dialog) << c.kind;
        EXPECT_EQ(k->multiSelect, c.multi) << c.kind;
        EXPECT_EQ(k->fileMustExist, c.mustExist) << c.kind;
        EXPECT_EQ(k->overwritePrompt, c.overwrite) << c.kind;
        EXPECT_EQ(k->nameBuffer, c.buffer) << c.kind;
    }
    for (int32_t bad : {-1, 8, 9, 18}) EXPECT_FALSE(chooseFileKind(bad)) << bad;
}

TEST(ChooseFileFilters, IdsJoinTheirTextsAndEndWithAllFiles)
{
    EXPECT_EQ(buildFileFilter("601"), "Obrazové soubory *.BMP|*.BMP|Všechny soubory  *.*|*.*|");
    EXPECT_EQ(buildFileFilter("601, 607"), ResText(601) + ResText(607) + ResText(600));
    EXPECT_EQ(buildFileFilter(""), ResText(600));
    EXPECT_EQ(buildFileFilter("abc,601"), ResText(601) + ResText(600));
}

TEST(ChooseFileNames, ProposedNameSplitsAtTheLastSeparator)
{
    struct Case {
        const char* proposed;
        const char* dir;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\work\\vysledek.bmp", "C:\\work\\", "vysledek.bmp"},
        {"D:\\a.bmp", "D:\\", "a.bmp"},
        {"/home/eva/fotky/a.bmp", "/home/eva/fotky/", "a.bmp"},
        {"vysledek.bmp", "c:\\", "vysledek.bmp"},
        {"", "c:\\", ""},
        {"\\a.bmp", "c:\\", "a.bmp"},   // separator at position 1
        {"x\\a.bmp", "c:\\", "a.bmp"},  // separator at position 2
    };
    for (const Case& c : cases) {
        const ProposedName p = splitProposedName(c.proposed);
        EXPECT_EQ(p.directory, c.dir) << c.proposed;
        EXPECT_EQ(p.name, c.name) << c.proposed;
    }
}

struct ChooseFileFixture : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("salon-choosefile-test-" + std::to_string(::getpid()));
    ScriptedUi ui;
    std::vector<std::string> chosen;
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir / "ro.bmp", fs::perms::owner_all, ec);
        fs::permissions(dir / "vysledek.bmp", fs::perms::owner_all, ec);
        fs::remove_all(dir);
    }
    std::string file(const char* name, bool create)
    {
        const fs::path p = dir / name;
        if (create) std::ofstream(p) << "x";
        return p.string();
    }
    void answer(std::vector<std::string> files) { ui.fileAnswers.push_back(FileDialogAnswer{std::move(files), 1}); }
};

TEST_F(ChooseFileFixture, ConfirmedSaveHandsBackThePathAndTheRequestCarriesTheKind)
{
    const std::string target = file("new.bmp", false);
    answer({target});
    EXPECT_EQ(ChooseFile(ui, 5, "C:\\old\\result.bmp", "601", chosen), 1);
    EXPECT_EQ(chosen, std::vector<std::string>{target});
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& r = ui.fileRequests[0];
    EXPECT_EQ(r.kind, FileDialogKind::Save);
    EXPECT_EQ(r.title, ResText(505));
    EXPECT_TRUE(r.overwritePrompt);
    EXPECT_EQ(r.initialDir, "C:\\old\\");
    EXPECT_EQ(r.fileName, "result.bmp");
    EXPECT_EQ(r.filter, buildFileFilter("601"));
}

TEST_F(ChooseFileFixture, ANameWithoutExtensionGetsTheDefaultOneBeforeItIsChecked)
{
    file("vysledek.bmp", true);
    fs::permissions(dir / "vysledek.bmp", fs::perms::owner_read);  // read-only: asks before overwriting
    answer({file("vysledek", false)});
    ui.messageAnswers.push_back(MsgAnswer::No);
    EXPECT_EQ(ChooseFile(ui, 5, "", "601", chosen, "bmp"), 0);
    ASSERT_EQ(ui.messages.size(), 1u);  // the warning named the .bmp file
    EXPECT_EQ(ui.fileRequests.back().defaultSuffix, "bmp");
    fs::permissions(dir / "vysledek.bmp", fs::perms::owner_all);
    answer({file("jiny", false), file("s.tecka.jpg", false)});
    EXPECT_EQ(ChooseFile(ui, 5, "", "601", chosen, "bmp"), 1);
    EXPECT_EQ(chosen.front(), file("jiny.bmp", false));
}

TEST_F(ChooseFileFixture, AnOpenDialogStartsOnTheFirstFilterThatShowsAFileOfTheFolder)
{
    const std::string filter = buildFileFilter("601,607");  // BMP, JPG, all files
    EXPECT_EQ(filterIndexForFolder(filter, dir.string() + "/"), 1);  // empty folder
    file("notes.txt", true);
    EXPECT_EQ(filterIndexForFolder(filter, dir.string() + "/"), 1);  // only "all files" would show it
    file("Face.Jpg", true);
    EXPECT_EQ(filterIndexForFolder(filter, dir.string() + "/"), 2);
    file("old.BMP", true);
    EXPECT_EQ(filterIndexForFolder(filter, dir.string() + "/"), 1);
    EXPECT_EQ(filterIndexForFolder(filter, (dir / "missing").string()), 1);

    fs::remove(dir / "old.BMP");
    ui.fileAnswers.push_back(std::nullopt);
    ChooseFile(ui, 0, dir.string() + "/x.jpg", "601,607", chosen);
    EXPECT_EQ(ui.fileRequests.back().filterIndex, 2);
    ui.fileAnswers.push_back(std::nullopt);
    ChooseFile(ui, 5, dir.string() + "/x.bmp", "601", chosen);  // a save keeps the first filter
    EXPECT_EQ(ui.fileRequests.back().filterIndex, 1);
}

TEST_F(ChooseFileFixture, CancelReturnsZeroAndNoFile)
{
    ui.fileAnswers.push_back(std::nullopt);
    chosen = {"stale"};
    EXPECT_EQ(ChooseFile(ui, 5, "", "601", chosen), 0);
    EXPECT_TRUE(chosen.empty());
}

TEST_F(ChooseFileFixture, MissingFileIsQuestionedByKind4AndRefusedByKind3)
{
    const std::string missing = file("missing.bmp", false);
    answer({missing});
    ui.messageAnswers.push_back(MsgAnswer::No);
    EXPECT_EQ(ChooseFile(ui, 4, "", "601", chosen), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, ResText(570));
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);

    answer({missing});
    ui.messageAnswers.push_back(MsgAnswer::Yes);
    EXPECT_EQ(ChooseFile(ui, 14, "", "601", chosen), 1);

    answer({missing});
    EXPECT_EQ(ChooseFile(ui, 3, "", "601", chosen), 0);
    EXPECT_EQ(ui.messages.back().text, ResText(571));
}

TEST_F(ChooseFileFixture, ReadOnlyOrHiddenTargetIsWarnedAndAsked)
{
    const std::string ro = file("ro.bmp", true);
    fs::permissions(ro, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    answer({ro});
    ui.messageAnswers.push_back(MsgAnswer::No);
    EXPECT_EQ(ChooseFile(ui, 5, "", "601", chosen), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    const std::string& text = ui.messages[0].text;
    EXPECT_EQ(text.find(ResText(550)), 0u);
    EXPECT_NE(text.find(ResText(548)), std::string::npos);
    EXPECT_NE(text.find(ResText(553)), std::string::npos);
    EXPECT_EQ(text.find(ResText(547)), std::string::npos);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);

    const std::string hidden = file(".hidden.jpg", true);
    answer({hidden});
    ui.messageAnswers.push_back(MsgAnswer::Yes);
    EXPECT_EQ(ChooseFile(ui, 0, "", "607", chosen), 1);
    EXPECT_NE(ui.messages.back().text.find(ResText(547)), std::string::npos);
    EXPECT_NE(ui.messages.back().text.find(ResText(557)), std::string::npos);
    EXPECT_NE(ui.messages.back().text.find(ResText(556)), std::string::npos);

    const std::string plain = file("plain.bmp", true);
    answer({plain});
    const size_t asked = ui.messages.size();
    EXPECT_EQ(ChooseFile(ui, 5, "", "601", chosen), 1);
    EXPECT_EQ(ui.messages.size(), asked);  // an ordinary file is left to the dialog's own prompt
}

TEST_F(ChooseFileFixture, TooManyFilesInAMultipleSelectionIsRefused)
{
    std::vector<std::string> many(400, std::string(100, 'a'));
    answer(many);
    EXPECT_EQ(ChooseFile(ui, 7, "", "601", chosen), 0);
    EXPECT_EQ(ui.messages.back().text, ResText(572));
}

TEST(FileErrors, ErrorNumbersChooseTheirMessages)
{
    EXPECT_EQ(fileErrorNumber(ENOENT), 76);
    EXPECT_EQ(fileErrorNumber(EACCES), 70);
    EXPECT_EQ(fileErrorNumber(ENOSPC), 61);
    EXPECT_EQ(fileErrorNumber(EIO), 57);
    EXPECT_EQ(fileErrorNumber(ELOOP), 31036);
    EXPECT_EQ(fileErrorText(70, "x"), ResText(524));
    EXPECT_EQ(fileErrorText(61, "x"), ResText(519));
    EXPECT_EQ(fileErrorText(12345, "x"), ResText(531));  // unknown numbers: "error saving to a file"

    ScriptedUi ui;
    showFileError(ui, 71, "A:\\vysledek.bmp");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.messages[0].text,
              ResText(525) + "\r\n" + ResText(533) + "\r\n" + ResText(510) + "\r\nA:\\vysledek.bmp");
    showFileError(ui, 53, "x");
    EXPECT_EQ(ui.messages[1].buttons, MsgButtons::Ok);
}

} // namespace
} // namespace salon
