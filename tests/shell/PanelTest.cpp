// The main window's command panel and keys, over a recording engine.
#include "RecordingEngine.h"

#include "editor/shell/ButtonFaces.h"
#include "editor/shell/WaitAnimation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace salon::test {
namespace {

struct PanelTest : ::testing::Test, EditorFixture {};

TEST_F(PanelTest, StartsInModeOneWithOnlyTheFileCommandsAvailable)
{
    EXPECT_EQ(engine.editMode, 1);
    EXPECT_EQ(engine.cutX, 256);
    EXPECT_EQ(engine.cutY, 280);
    EXPECT_TRUE(editor.form.Timer2.Enabled);
    EXPECT_FALSE(editor.form.Timer1.Enabled);
    EXPECT_EQ(editor.form.Funkce[4].ToolTipText, " Nástroj < RAZÍTKO > pro retušování ");
    for (int i = 0; i < 16; ++i) {
        const bool available = i == 0 || i == 1 || i == 6 || i == 7 || i == 9 || i == 15;
        EXPECT_EQ(editor.form.Funkce[i].Enabled, available) << i;
        // Redo, help and open keep their face either way.
        const bool ownFace = available || i == 6 || i == 7 || i == 9;
        EXPECT_EQ(editor.form.Funkce[i].Picture, ownFace ? 10 + i : 70 + i) << i;
        EXPECT_EQ(editor.PanelState[size_t(i)], editor.form.Funkce[i].Picture) << i;
    }
    loadBoth();
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(editor.form.Funkce[i].Enabled) << i;
        EXPECT_EQ(editor.form.Funkce[i].Picture, 10 + i);
    }
}

TEST_F(PanelTest, ATooNarrowWorkAreaSaysSoAndEnds)
{
    editor.workArea = {0, 0, 10499, 9000};
    ui.messages.clear();
    EXPECT_FALSE(editor.InitMainWindow());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.find(" ! Musíte zvětšit rozlišení obrazovky !"), 0u);
    EXPECT_EQ(ui.messages[0].title, "");
}

TEST_F(PanelTest, EscAndF5WaitForAModelAndAPhoto)
{
    for (auto [model, face] : {std::pair{false, false}, {true, false}, {false, true}}) {
        engine.modelLoaded = model, engine.faceLoaded = face;
        editor.Form_KeyDown(116, 0);
        EXPECT_EQ(editor.form.BackColor, EditorBackColour);
        EXPECT_FALSE(editor.form.Picture3[0].Visible);
    }
    loadBoth();
    editor.Form_KeyDown(116, 0);
    EXPECT_EQ(editor.form.BackColor, 0u);
    EXPECT_TRUE(editor.form.Picture3[0].Visible);
    EXPECT_FALSE(editor.form.Picture1.Visible);
    EXPECT_FALSE(editor.form.Funkce[3].Visible);
    EXPECT_FALSE(engine.surfaces[5].autoRedraw);
    editor.Form_KeyDown(27, 1);
    EXPECT_EQ(editor.form.BackColor, EditorBackColour);
    EXPECT_TRUE(editor.form.Picture1.Visible && editor.form.Picture2.Visible);
    EXPECT_TRUE(editor.form.Funkce[3].Visible);
    EXPECT_TRUE(engine.surfaces[5].autoRedraw);

    // F1 and Backspace act whatever is loaded.
    engine.modelLoaded = engine.faceLoaded = false;
    editor.Form_KeyDown(112, 0);
    EXPECT_EQ(hints, std::vector<int32_t>{7});
    EXPECT_EQ(host.helps, 1);
    editor.Form_KeyDown(8, 0);
    EXPECT_EQ(engine.undoOps, std::vector<int32_t>{1});
}

TEST_F(PanelTest, ModeButtonsSelectTheirModesAndSubPanels)
{
    loadBoth();
    const struct { int button; int32_t mode; } cases[] = {{2, 4}, {3, 5}, {4, 6}, {10, 9}, {11, 10}, {13, 12}, {14, 13}};
    for (auto c : cases) {
        engine.editMode = 2;  // no result on screen: no question
        click(c.button);
        EXPECT_EQ(engine.editMode, c.mode) << c.button;
        EXPECT_EQ(pressedButton(), c.button);
    }
    EXPECT_EQ(host.questions, 0);

    engine.editMode = 2;
    click(2);
    EXPECT_TRUE(editor.form.OblImg[0].Visible && editor.form.OblImg[1].Visible);
    EXPECT_FALSE(editor.form.Sipka[0].Visible);
    engine.editMode = 2;
    click(11);
    EXPECT_FALSE(editor.form.OblImg[0].Visible);
    EXPECT_EQ(editor.form.Picture1.MousePointer, Cursor::SizeAll);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(editor.form.Sipka[i].Visible && editor.form.SSipka[i].Visible) << i;
    EXPECT_FALSE(editor.form.Sipka[4].Visible);
    EXPECT_EQ(editor.form.Sipka[0].ToolTipText, " Posuv obličeje nahoru - jemně ");
    EXPECT_EQ(editor.form.SSipka[3].ToolTipText, " Posuv obličeje doprava - hrubě ");
    EXPECT_EQ(editor.form.Tlac[0].ToolTipText, ResText(80));
    click(13);  // deformation: fine arrows only
    EXPECT_TRUE(editor.form.Sipka[3].Visible);
    EXPECT_FALSE(editor.form.SSipka[0].Visible);
    click(14);
    EXPECT_EQ(editor.form.Picture1.MousePointer, Cursor::Cross);
    EXPECT_TRUE(editor.form.Sipka[4].Visible && editor.form.SSipka[5].Visible);
    EXPECT_FALSE(editor.form.Sipka[0].Visible);
    click(4);
    EXPECT_EQ(editor.form.Picture2.MousePointer, Cursor::Cross);
    EXPECT_EQ(editor.form.Picture1.MousePointer, Cursor::Default);
    EXPECT_TRUE(editor.form.PicStopa.Visible && editor.form.TSipka[3].Visible && editor.form.QSipka[1].Visible);
}

TEST_F(PanelTest, MirrorRecordsOneStepAndLeavesNoButtonPressed)
{
    loadBoth();
    engine.angle = 12;
    click(12);
    EXPECT_EQ(engine.editMode, 2);
    EXPECT_EQ(engine.mirrors, 1);
    EXPECT_EQ(engine.angle, -12);
    EXPECT_EQ(engine.undoOps, std::vector<int32_t>{0});
    EXPECT_EQ(pressedButton(), -1);
}

TEST_F(PanelTest, CategoryWithoutRecolouringDisablesHairColour)
{
    loadBoth();
    editor.catalogue = std::make_unique<CatalogueForm>(ui, "D", std::vector<Category>{});
    editor.catalogue->colourAllowed = false;
    editor.ShowPanel(2);
    EXPECT_FALSE(editor.form.Funkce[3].Enabled);
    EXPECT_EQ(editor.form.Funkce[3].Picture, 73);
    editor.catalogue->colourAllowed = true;
    editor.ShowPanel(2);
    EXPECT_TRUE(editor.form.Funkce[3].Enabled);
    EXPECT_EQ(editor.form.Funkce[3].Picture, 13);
}

// The question before a face edit discards a fit: each path of the three buttons.
struct ModeChangeQuestion : PanelTest {
    void fitted()
    {
        loadBoth();
        click(2);  // fit mode, Funkce(2) pressed
        ASSERT_EQ(engine.editMode, 4);
        engine.rebuilds = 0;
    }
};

TEST_F(ModeChangeQuestion, NoKeepsTheFitAndItsPressedButton)
{
    fitted();
    host.answers = {'n'};
    click(10);
    EXPECT_EQ(host.questions, 1);
    EXPECT_EQ(engine.editMode, 4);
    EXPECT_EQ(pressedButton(), 2);
    EXPECT_EQ(engine.rebuilds, 0);
    EXPECT_TRUE(editor.form.OblImg[0].Visible);
    EXPECT_EQ(editor.DontAsk, 0);
}

TEST_F(ModeChangeQuestion, YesRebuildsAndEntersTheMode)
{
    fitted();
    host.answers = {'y'};
    click(10);
    EXPECT_EQ(engine.editMode, 9);
    EXPECT_EQ(engine.rebuilds, 1);
    EXPECT_EQ(pressedButton(), 10);
    // Asked again next time.
    click(2);
    host.answers = {'y'};
    click(11);
    EXPECT_EQ(host.questions, 2);
}

TEST_F(ModeChangeQuestion, ThirdButtonThenYesRebuildsAndNeverAsksAgain)
{
    fitted();
    host.answers = {'t'};
    click(10);
    EXPECT_EQ(editor.form3.Command1.Caption, ResText(164));
    EXPECT_EQ(engine.editMode, 9);
    EXPECT_EQ(engine.rebuilds, 1);
    EXPECT_EQ(editor.DontAsk, 1);
    click(2);
    click(11);
    EXPECT_EQ(host.questions, 1);
    EXPECT_EQ(engine.editMode, 10);
}

TEST_F(ModeChangeQuestion, ThirdButtonThenNoProceedsWithoutRebuilding)
{
    fitted();
    host.answers = {'u'};
    click(14);
    EXPECT_EQ(engine.editMode, 13);
    EXPECT_EQ(engine.rebuilds, 0);
    EXPECT_EQ(editor.DontAsk, 1);
    click(3);
    click(10);
    EXPECT_EQ(host.questions, 1);
    EXPECT_EQ(engine.editMode, 9);
}

TEST_F(ModeChangeQuestion, CaptionsAndTooltipsOfTheQuestion)
{
    fitted();
    host.answers = {'n'};
    click(13);
    EXPECT_EQ(editor.form3.Command3.Caption, " Ano ");
    EXPECT_EQ(editor.form3.Command2.Caption, " Ne ");
    EXPECT_EQ(editor.form3.Command1.Caption, " Tuto zprávu již nezobrazovat ");
    EXPECT_EQ(editor.form3.Command2.ToolTipText, ResText(166));
}

TEST_F(PanelTest, RightClicksShowHelpAndChangeNoMode)
{
    loadBoth();
    click(11);
    ASSERT_EQ(engine.editMode, 10);
    hints.clear();
    // Exit, redo, help and undo leave the mode button's look alone; the others release it.
    for (int i : {0, 6, 7, 15}) {
        click(i, RightButton);
        EXPECT_EQ(pressedButton(), 11) << i;
        EXPECT_EQ(hints.back(), i);
    }
    for (int i : {1, 2, 3, 4, 5, 8, 9, 10, 12, 13, 14}) {
        click(i, RightButton);
        EXPECT_EQ(engine.editMode, 10) << i;
        EXPECT_EQ(pressedButton(), -1) << i;
        EXPECT_EQ(hints.back(), i);
    }
    EXPECT_EQ(host.catalogues, 0);
    EXPECT_EQ(host.ends, 0);
    EXPECT_TRUE(engine.undoOps.empty());
    EXPECT_EQ(engine.mirrors, 0);
}

TEST_F(PanelTest, UndoAndRedoAreIgnoredInHairColourMode)
{
    loadBoth();
    click(3);
    ASSERT_EQ(engine.editMode, 5);
    click(15);
    click(6);
    EXPECT_TRUE(engine.undoOps.empty());
    EXPECT_EQ(pressedButton(), 3);
    click(15, RightButton);  // the right-click help is ignored too
    EXPECT_TRUE(hints.empty());
    host.answers = {'y'};
    click(11);
    click(15);
    click(6);
    EXPECT_EQ(engine.undoOps, (std::vector<int32_t>{1, 10}));
}

TEST_F(PanelTest, ExitAsksAndCancelChangesNothing)
{
    loadBoth();
    click(11);
    ui.messageAnswers = {MsgAnswer::Cancel};
    click(0);
    EXPECT_EQ(host.ends, 0);
    EXPECT_EQ(ui.messages.back().text, "Opravdu chcete skončit ? ");
    EXPECT_EQ(ui.messages.back().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(editor.form.Funkce[0].BorderStyle, 0);
    EXPECT_EQ(engine.editMode, 10);
    EXPECT_EQ(pressedButton(), 11);
    ui.messageAnswers = {MsgAnswer::Ok};
    click(0);
    EXPECT_EQ(host.ends, 1);

    // The close box asks the same; a close by the program asks nothing.
    ui.messageAnswers = {MsgAnswer::Cancel};
    EXPECT_FALSE(editor.Form_QueryUnload(0));
    const size_t asked = ui.messages.size();
    EXPECT_TRUE(editor.Form_QueryUnload(1));
    EXPECT_EQ(ui.messages.size(), asked);
}

TEST_F(PanelTest, CommandClickDropsTheStampSampleAndThePalette)
{
    loadBoth();
    editor.SampleTaken = true;
    editor.PaletteOpen = 1;
    editor.form.Vzornik[0].Visible = true;
    editor.form.HScroll1.Visible = true;
    click(11);
    EXPECT_FALSE(editor.SampleTaken);
    EXPECT_EQ(editor.PaletteOpen, 0);
    EXPECT_FALSE(editor.form.Vzornik[0].Visible);
    EXPECT_FALSE(editor.form.HScroll1.Visible);
}

TEST_F(PanelTest, ChoosingAModelRevealsTheRightPictureOnlyWhenItLoaded)
{
    editor.catalogue = std::make_unique<CatalogueForm>(ui, "Q", std::vector<Category>{{"A", "DS1", "HA"}});
    host.onCatalogue = [](CatalogueForm& f) {
        f.chosenModel = "Q:\\DS1\\HA001.DSL";
        f.Visible = false;
    };
    engine.modelLoads = false;
    click(1);
    EXPECT_EQ(host.catalogues, 1);
    EXPECT_EQ(engine.modelFile, "Q:\\DS1\\HA001.DSL");
    EXPECT_FALSE(engine.modelLoaded);
    EXPECT_FALSE(editor.form.Picture2.Visible);
    EXPECT_TRUE(editor.form.Image1[1].Visible);
    EXPECT_EQ(engine.editMode, 1);

    engine.modelLoads = true;
    click(1);
    EXPECT_TRUE(engine.modelLoaded);
    EXPECT_TRUE(editor.form.Picture2.Visible);
    EXPECT_FALSE(editor.form.Image1[1].Visible);
    EXPECT_EQ(engine.editMode, 1);
    EXPECT_EQ(engine.rebuilds, 0);

    // Cancel keeps the model and the mode.
    host.onCatalogue = nullptr;
    engine.faceLoaded = true;
    engine.editMode = 10;
    click(1);
    EXPECT_EQ(engine.editMode, 10);

    host.onCatalogue = [](CatalogueForm& f) {
        f.chosenModel = "Q:\\DS1\\HA002.DSL";
        f.Visible = false;
    };
    click(1);
    EXPECT_EQ(engine.editMode, 2);
    // The model set in, then the face placed into it.
    EXPECT_EQ(engine.placements, 1);
    EXPECT_EQ(engine.rebuilds, 2);
}

TEST_F(PanelTest, ACancelledPhotoOrModelKeepsTheResultOnScreen)
{
    loadBoth();
    click(2);  // a fit is on screen
    engine.rebuilds = 0;
    engine.photoLoads = false;
    click(9);
    EXPECT_EQ(engine.editMode, 4);
    EXPECT_EQ(pressedButton(), 2);
    EXPECT_TRUE(editor.form.OblImg[0].Visible);
    engine.modelLoads = false;
    editor.PressedMode = 2;
    EXPECT_FALSE(editor.loadChosenModel("D:\\DS1\\HA009.DSL"));
    EXPECT_EQ(engine.editMode, 4);
    EXPECT_EQ(engine.rebuilds, 0);
    // The catalogue closed without a choice: the same.
    editor.catalogue = std::make_unique<CatalogueForm>(ui, "Q", std::vector<Category>{{"A", "DS1", "HA"}});
    click(1);
    EXPECT_EQ(host.catalogues, 1);
    EXPECT_EQ(engine.editMode, 4);
    EXPECT_EQ(pressedButton(), 2);
}

TEST_F(PanelTest, OpeningAPhotoThatFailsKeepsTheWaitingImage)
{
    engine.photoLoads = false;
    click(9);
    EXPECT_FALSE(engine.faceLoaded);
    EXPECT_FALSE(editor.form.Picture1.Visible);
    EXPECT_TRUE(editor.form.Image1[0].Visible);
    engine.photoLoads = true;
    click(9);  // the dialog was cancelled: nothing loaded, nothing asked of the engine
    EXPECT_FALSE(engine.faceLoaded);
    ui.fileAnswers.push_back(FileDialogAnswer{{"/srv/fotky/face.jpg"}, 1});
    click(9);
    EXPECT_TRUE(engine.faceLoaded);
    EXPECT_TRUE(editor.form.Picture1.Visible);
    EXPECT_EQ(engine.editMode, 1);
    EXPECT_EQ(engine.photoFile, "/srv/fotky/face.jpg");
}

TEST_F(PanelTest, ThePhotoDialogIsTheProgramsOwnAndStartsWhereTheLastPhotoWas)
{
    ui.fileAnswers.push_back(FileDialogAnswer{{"/srv/fotky/face.jpg"}, 1});
    click(9);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& first = ui.fileRequests[0];
    EXPECT_EQ(first.title, ResText(500));
    EXPECT_EQ(first.filter, ResText(601) + ResText(607) + ResText(600));  // "all files" too
    EXPECT_TRUE(first.fileMustExist);
    click(9);  // cancelled
    EXPECT_EQ(ui.fileRequests[1].initialDir, "/srv/fotky/");
}

TEST_F(PanelTest, DisplayChangeLaysTheWindowOutAgainAndKeepsTheWork)
{
    loadBoth();
    click(11);
    engine.faceX = 17;
    editor.SysInfo1_DisplayChanged({0, 0, 800 * 15, 600 * 15});
    EXPECT_EQ(editor.layout.ScreenW, 792);
    EXPECT_EQ(editor.form.Funkce[0].Left, editor.layout.PanelX);
    EXPECT_EQ(engine.frameW, editor.layout.PictureW);
    EXPECT_EQ(engine.editMode, 10);
    EXPECT_EQ(engine.faceX, 17);
    EXPECT_TRUE(editor.form.Sipka[0].Visible);
    EXPECT_EQ(editor.form.Sipka[0].Left, editor.layout.PanelX + 1);
    EXPECT_EQ(host.ends, 0);
    // Too small a work area now: said once, the old layout stays and the program runs on.
    const MainLayout before = editor.layout;
    editor.SysInfo1_DisplayChanged({0, 0, 600 * 15, 400 * 15});
    EXPECT_EQ(editor.layout.ScreenW, before.ScreenW);
    EXPECT_EQ(ui.messages.back().text, ResText(54));
    EXPECT_EQ(host.ends, 0);
}

struct StartUpOnDrives : ::testing::Test {
    std::filesystem::path root = std::filesystem::temp_directory_path() / ("salon_shell_start-" + std::to_string(::getpid()));
    DriveTable saved = DriveTable::current();
    RecordingEngine engine;
    ScriptedUi ui;
    ScriptedHost host;
    Editor editor{engine, ui, host};
    void SetUp() override
    {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        DriveTable::current() = DriveTable({{'C', root}});
    }
    void TearDown() override
    {
        DriveTable::current() = saved;
        std::filesystem::remove_all(root);
    }
};

TEST_F(StartUpOnDrives, NoDataDriveTellsWhereItLookedAndEnds)
{
    EXPECT_FALSE(editor.Form_Load({}, "/opt/salon", {0, 0, 1024 * 15, 768 * 15}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(root.string()), std::string::npos);
    EXPECT_NE(ui.messages[0].text.find("SALON_DRIVES"), std::string::npos);
    EXPECT_FALSE(editor.form.Visible);
}

TEST_F(StartUpOnDrives, MissingCategoryFileIsReportedAndTheEditorStillStarts)
{
    EXPECT_TRUE(editor.Form_Load({"/c"}, "/opt/salon", {0, 0, 1024 * 15, 768 * 15}));
    EXPECT_EQ(editor.DataDrive, "C");
    EXPECT_EQ(editor.ProgramDir, "/opt/salon\\");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("dslob00.aob"), std::string::npos);
    EXPECT_TRUE(editor.form.Visible);
    EXPECT_TRUE(editor.form.Funkce[9].Enabled);
    // The hairstyle command then opens nothing and changes nothing.
    editor.Funkce_MouseDown(1, LeftButton, 0, 0, 0);
    editor.Funkce_MouseUp(1, LeftButton, 0, 0, 0);
    EXPECT_EQ(host.catalogues, 0);
    EXPECT_EQ(engine.editMode, 1);
}

TEST(WaitAnimation, FirstAndSeventhTicksShowTheSamePictures)
{
    uint8_t counter = 0;
    std::vector<WaitFrame> frames;
    for (int tick = 0; tick < 13; ++tick)
        frames.push_back(nextWaitFrame(counter));
    const int32_t lefts[6] = {16, 0, 0, 17, 0, 0};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(frames[size_t(k)].left, lefts[k]) << k;
        EXPECT_EQ(frames[size_t(k)].right, 10 + k) << k;
        EXPECT_EQ(frames[size_t(k + 6)].left, frames[size_t(k)].left);
        EXPECT_EQ(frames[size_t(k + 6)].right, frames[size_t(k)].right);
    }
    EXPECT_EQ(counter, 1);
}

TEST_F(PanelTest, WaitingImagesAnimateUntilBothPicturesHaveContent)
{
    std::vector<int32_t> asked;
    editor.resourceBitmap = [&](int32_t id) {
        asked.push_back(id);
        return Bitmap::rgb24(4, 4);
    };
    editor.Timer2_Timer();
    EXPECT_EQ(asked, (std::vector<int32_t>{16, 10}));
    // A model alone: the right picture shows, the left image keeps animating.
    engine.modelLoaded = true;
    editor.Makovice(0);
    EXPECT_TRUE(editor.form.Picture2.Visible);
    EXPECT_FALSE(editor.form.Image1[1].Visible);
    EXPECT_TRUE(editor.form.Image1[0].Visible);
    EXPECT_TRUE(editor.form.Timer2.Enabled);
    for (int k = 0; k < 3; ++k)
        editor.Timer2_Timer();
    EXPECT_EQ(asked.back(), 13);
    EXPECT_EQ(asked[asked.size() - 2], 17);
    engine.faceLoaded = true;
    editor.Makovice(1);
    EXPECT_FALSE(editor.form.Timer2.Enabled);
    EXPECT_TRUE(editor.form.Picture1.Visible);
    EXPECT_TRUE(editor.form.Image1[0].picture.isNull());
    EXPECT_EQ(editor.form.Image1[0].Width, 5);
}

} // namespace
} // namespace salon::test

namespace salon::test {
namespace {

struct FitPanel : ::testing::Test, EditorFixture {};

TEST_F(FitPanel, TheSeamlessFitSitsWithTheOtherFitsAndRunsAsTheirThirdLevel)
{
    loadBoth();
    click(2);
    const ImageButton& seamless = editor.form.OblImg[2];
    EXPECT_TRUE(seamless.Visible);
    EXPECT_EQ(seamless.ToolTipText, ResText(84));
    // Below the two levels, overlapping neither.
    EXPECT_GE(seamless.Top, editor.form.OblImg[0].Top + editor.form.OblImg[0].Height);

    editor.OblImg_MouseDown(2, LeftButton, 0, 0, 0);
    EXPECT_EQ(seamless.BorderStyle, 1);
    editor.OblImg_MouseUp(2, LeftButton, 0, 0, 0);
    EXPECT_EQ(seamless.BorderStyle, 0);
    EXPECT_EQ(engine.fits, std::vector<int32_t>{2});

    editor.OblImg_MouseDown(2, RightButton, 0, 0, 0);
    editor.OblImg_MouseUp(2, RightButton, 0, 0, 0);
    EXPECT_EQ(engine.fits.size(), 1u);  // help only
    EXPECT_EQ(hints.back(), 2);
    editor.OblImg_MouseUp(3, LeftButton, 0, 0, 0);  // no such button
    EXPECT_EQ(engine.fits.size(), 1u);

    engine.editMode = 2;  // no fitted result on screen: no question before the move mode
    click(11);
    EXPECT_FALSE(seamless.Visible);
}

} // namespace
} // namespace salon::test
