#include "LibraryFixture.h"
#include "TempDrive.h"

using namespace pixol;
using pixol::testing::TempDrive;

namespace {

class Dialogs : public test::LibraryWithUi<TempDrive> {
protected:
    void choose(std::vector<std::string> relative)
    {
        salon::FileDialogAnswer a;
        for (auto& r : relative) a.files.push_back(drive.native(r).string());
        ui.fileAnswers.push_back(a);
    }
};

} // namespace

TEST_F(Dialogs, FsOpenSouUsesEachModesDialogTitleAndFlags)
{
    drive.write("pic\\a.bmp", "x");
    struct Mode {
        salon::FileDialogKind kind;
        int32_t title;
        bool mustExist, multi, overwrite;
    } modes[] = {
        {salon::FileDialogKind::Open, 50, true, false, false}, {salon::FileDialogKind::Open, 51, true, false, false},
        {salon::FileDialogKind::Open, 52, true, false, false}, {salon::FileDialogKind::Save, 53, false, false, false},
        {salon::FileDialogKind::Save, 54, false, false, false}, {salon::FileDialogKind::Save, 55, false, false, true},
        {salon::FileDialogKind::Open, 56, true, true, false},  {salon::FileDialogKind::Open, 57, true, true, false},
    };
    for (uint8_t m = 0; m < 8; ++m) {
        choose({"pic\\a.bmp"});
        StringArray chosen;
        EXPECT_EQ(1, lib.FsOpenSou(m, drive.path("pic\\start.bmp"), "BMP JPG", chosen)) << int(m);
        EXPECT_EQ((std::vector<std::string>{drive.path("pic\\a.bmp")}), chosen.values) << int(m);
        EXPECT_EQ(1, chosen.lower);
        const salon::FileDialogRequest& r = ui.fileRequests.back();
        EXPECT_EQ(modes[m].kind, r.kind) << int(m);
        EXPECT_EQ(lib.StSTX(modes[m].title), r.title) << int(m);
        EXPECT_FALSE(r.title.empty());
        EXPECT_EQ(modes[m].mustExist, r.fileMustExist) << int(m);
        EXPECT_EQ(modes[m].multi, r.multiSelect) << int(m);
        EXPECT_EQ(modes[m].overwrite, r.overwritePrompt) << int(m);
        EXPECT_EQ(drive.path("pic\\"), r.initialDir);
        EXPECT_EQ("start.bmp", r.fileName);
        EXPECT_NE(std::string::npos, r.filter.find("*.BMP")) << r.filter;
        EXPECT_NE(std::string::npos, r.filter.find("*.JPG")) << r.filter;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Dialogs, FsOpenSouStartsInCWithoutADirectoryAndTakesTheCallersTitle)
{
    StringArray chosen;
    chosen.redim(3, 9);
    EXPECT_EQ(0, lib.FsOpenSou(0, "x", "BMP", chosen, "Pick one"));  // cancelled
    EXPECT_EQ("c:\\", ui.fileRequests.back().initialDir);
    EXPECT_EQ("x", ui.fileRequests.back().fileName);
    EXPECT_EQ("Pick one", ui.fileRequests.back().title);
    EXPECT_EQ((std::vector<std::string>{""}), chosen.values);
    EXPECT_EQ(1, chosen.lower);
    EXPECT_EQ(0, lib.FsOpenSou(8, "x", "BMP", chosen));
    EXPECT_EQ(1u, ui.fileRequests.size());  // mode 8 shows nothing
    lib.useUi(nullptr);
    EXPECT_EQ(0, lib.FsOpenSou(0, "x", "BMP", chosen));
}

TEST_F(Dialogs, FsOpenSouReturnsEverySelectedFileInMultipleModes)
{
    drive.write("m\\1.bmp", "x");
    drive.write("m\\2.bmp", "x");
    choose({"m\\1.bmp", "m\\2.bmp"});
    StringArray chosen;
    ASSERT_EQ(1, lib.FsOpenSou(6, drive.path("m\\"), "BMP", chosen));
    EXPECT_EQ((std::vector<std::string>{drive.path("m\\1.bmp"), drive.path("m\\2.bmp")}), chosen.values);
}

TEST_F(Dialogs, FsOpenSouAsksItsFollowUpQuestions)
{
    drive.write("f\\.hidden", "x");
    std::filesystem::create_directories(drive.native("f\\dir"));
    StringArray chosen;
    // Mode 2 refuses hidden files and directories with text 62.
    for (const char* bad : {"f\\.hidden", "f\\dir"}) {
        choose({bad});
        EXPECT_EQ(0, lib.FsOpenSou(2, drive.path("f\\"), "***", chosen)) << bad;
        EXPECT_EQ("", chosen(1));
        EXPECT_EQ(lib.StSTX(62), ui.messages.back().text);
        EXPECT_EQ(salon::MsgButtons::Ok, ui.messages.back().buttons);
    }
    // Mode 4 asks text 66 about a file that does not exist.
    choose({"f\\new.bmp"});
    ui.messageAnswers = {salon::MsgAnswer::No};
    EXPECT_EQ(0, lib.FsOpenSou(4, drive.path("f\\"), "BMP", chosen));
    EXPECT_EQ(lib.StSTX(66), ui.messages.back().text);
    EXPECT_EQ("", chosen(1));
    choose({"f\\new.bmp"});
    ui.messageAnswers = {salon::MsgAnswer::Yes};
    EXPECT_EQ(1, lib.FsOpenSou(4, drive.path("f\\"), "BMP", chosen));
    EXPECT_EQ(drive.path("f\\new.bmp"), chosen(1));
    const size_t asked = ui.messages.size();
    choose({"f\\new.bmp"});
    EXPECT_EQ(1, lib.FsOpenSou(3, drive.path("f\\"), "BMP", chosen));  // mode 3 does not ask
    EXPECT_EQ(asked, ui.messages.size());
}

TEST_F(Dialogs, ColourFontAndPrintDialogsReturnWhatWasChosenWithinTheirLimits)
{
    ui.colourAnswers = {0x123456u, std::nullopt};
    EXPECT_EQ(0x123456, lib.SysDgColor(2, 0xABCDEF));
    EXPECT_EQ(0xABCDEFu, *ui.colourDialogs.back().initial);
    EXPECT_TRUE(ui.colourDialogs.back().fullOpen && ui.colourDialogs.back().preventFullOpen);
    EXPECT_EQ(lib.StSTX(103), ui.colourDialogs.back().title);
    EXPECT_EQ(-1, lib.SysDgColor(1));
    EXPECT_FALSE(ui.colourDialogs.back().initial.has_value());

    bool b, i, s, u;
    std::string name;
    int32_t size, colour, weight;
    for (auto [chosen, rounded] : {std::pair{10.5f, 10}, {11.5f, 12}, {4.0f, 8}, {300.0f, 100}}) {
        ui.fontAnswers = {salon::FontChoice{"Serif", chosen, true, false, true, true, 0x00FF00u}};
        ASSERT_EQ(1, lib.SysDgFont(b, i, s, u, name, size, colour, weight, 0x100, 0, 0, 0, 0));
        EXPECT_EQ(rounded, size) << chosen;
    }
    EXPECT_TRUE(b && !i && s && u);
    EXPECT_EQ("Serif", name);
    EXPECT_EQ(0x00FF00, colour);
    EXPECT_EQ(700, weight);
    EXPECT_EQ(8.0f, ui.fontDialogs.back().minSize);
    EXPECT_EQ(100.0f, ui.fontDialogs.back().maxSize);
    ui.fontAnswers = {salon::FontChoice{"Serif", 12, false, false, true, true, 0x00FF00u}};
    ASSERT_EQ(1, lib.SysDgFont(b, i, s, u, name, size, colour, weight, 0, 0, 0, 0, 0));  // no effects flag
    EXPECT_FALSE(s || u);
    EXPECT_EQ(0, colour);
    EXPECT_EQ(0, lib.SysDgFont(b, i, s, u, name, size, colour, weight, 0, 0, 0, 0, 0));  // cancelled

    int32_t copies, from, to;
    ui.printChoices = {salon::PrintChoice{2, 3, 5}, salon::PrintChoice{1, 0, 40}, std::nullopt};
    ASSERT_EQ(1, lib.SysDgPrint(copies, from, to, 0, 0));
    EXPECT_EQ(2, copies);
    EXPECT_EQ(3, from);
    EXPECT_EQ(5, to);
    const salon::PrintDialogRequest& r = ui.printDialogs.back();
    EXPECT_EQ(1, r.copies);
    EXPECT_EQ(1, r.minPage);
    EXPECT_EQ(10, r.maxPage);
    EXPECT_EQ(lib.StSTX(104), r.title);
    ASSERT_EQ(1, lib.SysDgPrint(copies, from, to, 0x8, 0));
    EXPECT_FALSE(ui.printDialogs.back().pageNumbers);
    EXPECT_EQ(1, from);   // held inside the offered range
    EXPECT_EQ(10, to);
    EXPECT_EQ(0, lib.SysDgPrint(copies, from, to, 0, 0));
}
