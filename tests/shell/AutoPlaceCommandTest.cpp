// The automatic placement in the editor: when a photo or a model completes the pair, on the move
// mode's bottom button, and what the status line says.
#include "RecordingEngine.h"

#include <gtest/gtest.h>

namespace salon::test {
namespace {

struct AutoPlaceInEditor : ::testing::Test, EditorFixture {
    // The photo opened as the open command opens it, with a model already there.
    void openPhotoOverModel()
    {
        engine.modelLoaded = true;
        EXPECT_TRUE(editor.loadPhotoFile("D:\\photos\\face.jpg"));
    }
};

TEST_F(AutoPlaceInEditor, OpeningAPhotoIntoAModelPlacesItOnceAsOneUndoStep)
{
    openPhotoOverModel();
    EXPECT_EQ(engine.editMode, 2);
    EXPECT_EQ(engine.placements, 1);
    EXPECT_EQ(engine.undoOps, std::vector<int32_t>{0});
    EXPECT_TRUE(editor.form.Status.Visible);
    EXPECT_EQ(editor.form.Status.Caption, ResText(83));
    // Over the bottom edge of the face view.
    EXPECT_EQ(editor.form.Status.Left, editor.form.Picture1.Left);
    EXPECT_EQ(editor.form.Status.Top + editor.form.Status.Height, editor.form.Picture1.Top + editor.form.Picture1.Height);
}

TEST_F(AutoPlaceInEditor, APhotoWithoutAModelWaitsForTheModel)
{
    EXPECT_TRUE(editor.loadPhotoFile("D:\\photos\\face.jpg"));
    EXPECT_EQ(engine.placements, 0);
    EXPECT_FALSE(editor.form.Status.Visible);
    EXPECT_TRUE(editor.loadChosenModel("D:\\DS1\\DA001.DSL"));
    EXPECT_EQ(engine.placements, 1);
}

TEST_F(AutoPlaceInEditor, APhotoThatDoesNotLoadIsNotPlaced)
{
    engine.modelLoaded = true;
    engine.photoLoads = false;
    EXPECT_FALSE(editor.loadPhotoFile("D:\\photos\\none.jpg"));
    EXPECT_EQ(engine.placements, 0);
}

TEST_F(AutoPlaceInEditor, NoFaceOrNoDetectorKeepsTheStartAndSaysWhy)
{
    engine.placeAnswer = {EngineLink::Placing::NoFace, {}};
    openPhotoOverModel();
    EXPECT_TRUE(engine.undoOps.empty());
    EXPECT_EQ(editor.form.Status.Caption, ResText(81));
    EXPECT_TRUE(editor.form.Status.Visible);
    EXPECT_TRUE(ui.messages.empty());  // a status line, no box to dismiss

    engine.placeAnswer = {EngineLink::Placing::DetectorMissing, "/usr/share/opencv4/haarcascades/haarcascade_eye.xml"};
    openPhotoOverModel();
    EXPECT_EQ(editor.form.Status.Caption, ResText(82) + "/usr/share/opencv4/haarcascades/haarcascade_eye.xml");
    EXPECT_TRUE(engine.undoOps.empty());

    // The next command button puts the note away.
    click(11);
    EXPECT_FALSE(editor.form.Status.Visible);
}

TEST_F(AutoPlaceInEditor, TheMoveModesBottomButtonPlacesAgainAndExplainsItself)
{
    loadBoth();
    click(11);  // move mode
    ASSERT_EQ(engine.editMode, 10);
    EXPECT_EQ(editor.form.Tlac[0].ToolTipText, ResText(80));
    EXPECT_NE(ResText(80).find("Automatické usazení"), std::string::npos);
    engine.undoOps.clear();

    editor.Tlac_MouseDown(0, RightButton, 0, 0, 0);
    editor.Tlac_MouseUp(0, RightButton, 0, 0, 0);
    EXPECT_EQ(engine.placements, 0);  // the right button only opens the help page
    EXPECT_EQ(hints, std::vector<int32_t>{11});

    editor.Tlac_MouseDown(0, LeftButton, 0, 0, 0);
    editor.Tlac_MouseUp(0, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.placements, 1);
    EXPECT_EQ(engine.undoOps, std::vector<int32_t>{0});

    // In the other face-edit modes the button keeps its own function.
    click(10);  // scale mode
    editor.Tlac_MouseUp(0, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.placements, 1);
}

} // namespace
} // namespace salon::test
