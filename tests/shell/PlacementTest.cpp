// The face placement controls: step codes, limits, guide line, click on the face, auto-repeat.
#include "RecordingEngine.h"

#include "editor/shell/Placement.h"

#include <gtest/gtest.h>

namespace salon::test {
namespace {

TEST(StepCodes, ScaleArrowsTakeTheCoarseFactorWithAnyKey)
{
    const int32_t fine[6] = {13, 14, 16, 15, 10, 9};
    const int32_t coarse[6] = {17, 18, 20, 19, 12, 11};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(placementStepCode(9, false, i, 0), fine[i]) << i;
        for (int shift : {1, 2, 4, 3, 6, 7})
            EXPECT_EQ(placementStepCode(9, false, i, shift), coarse[i]) << i << ' ' << shift;
        EXPECT_EQ(placementStepCode(9, true, i, 0), coarse[i]) << i;
    }
    EXPECT_EQ(placementStepCode(9, false, 6, 0), 0);
}

TEST(StepCodes, MoveArrowsTakeOneSingleKey)
{
    // up, down, left, right: none, Alt, Ctrl, Shift, and the coarse arrow.
    const struct { int index; int32_t none, alt, ctrl, shift, coarse; } rows[] = {
        {0, 1, 5, 21, 25, 21}, {1, 2, 6, 22, 26, 22}, {2, 4, 8, 24, 28, 24}, {3, 3, 7, 23, 27, 23}};
    for (auto r : rows) {
        EXPECT_EQ(placementStepCode(10, false, r.index, 0), r.none);
        EXPECT_EQ(placementStepCode(10, false, r.index, AltKey), r.alt);
        EXPECT_EQ(placementStepCode(10, false, r.index, CtrlKey), r.ctrl);
        EXPECT_EQ(placementStepCode(10, false, r.index, ShiftKey), r.shift);
        EXPECT_EQ(placementStepCode(10, true, r.index, 0), r.coarse);
        EXPECT_EQ(placementStepCode(10, true, r.index, CtrlKey | AltKey), r.coarse);
        for (int both : {CtrlKey | AltKey, ShiftKey | CtrlKey, ShiftKey | AltKey, 7})
            EXPECT_EQ(placementStepCode(10, false, r.index, both), 0);
    }
    EXPECT_EQ(placementStepCode(10, false, 4, 0), 0);
    EXPECT_EQ(placementStepCode(12, false, 0, 0), 0);
}

TEST(StepCodes, EachCodeChangesOneValueByItsStep)
{
    const struct { int32_t code; int32_t dx, dy; float fx, fy; } table[] = {
        {1, 0, -1, 1, 1},   {2, 0, 1, 1, 1},    {3, 1, 0, 1, 1},    {4, -1, 0, 1, 1},
        {5, 0, -4, 1, 1},   {6, 0, 4, 1, 1},    {7, 4, 0, 1, 1},    {8, -4, 0, 1, 1},
        {21, 0, -10, 1, 1}, {22, 0, 10, 1, 1},  {23, 10, 0, 1, 1},  {24, -10, 0, 1, 1},
        {25, 0, -30, 1, 1}, {26, 0, 30, 1, 1},  {27, 30, 0, 1, 1},  {28, -30, 0, 1, 1},
        {9, 0, 0, 1 / 0.99f, 1 / 0.99f}, {10, 0, 0, 0.99f, 0.99f}, {11, 0, 0, 1 / 0.9f, 1 / 0.9f},
        {12, 0, 0, 0.9f, 0.9f}, {13, 0, 0, 1, 1 / 0.99f}, {14, 0, 0, 1, 0.99f}, {15, 0, 0, 0.99f, 1},
        {16, 0, 0, 1 / 0.99f, 1}, {17, 0, 0, 1, 1 / 0.9f}, {18, 0, 0, 1, 0.9f}, {19, 0, 0, 0.9f, 1},
        {20, 0, 0, 1 / 0.9f, 1},
    };
    for (auto t : table) {
        int32_t x = 100, y = 200;
        float sx = 1.0f, sy = 1.0f;
        applyPlacementStep(t.code, x, y, sx, sy);
        EXPECT_EQ(x, 100 + t.dx) << t.code;
        EXPECT_EQ(y, 200 + t.dy) << t.code;
        EXPECT_FLOAT_EQ(sx, t.fx) << t.code;
        EXPECT_FLOAT_EQ(sy, t.fy) << t.code;
    }
}

TEST(StepCodes, RotationSteps)
{
    EXPECT_EQ(rotationStep(false, 4, 0), 1.0f);
    EXPECT_EQ(rotationStep(false, 4, AltKey), 3.0f);
    EXPECT_EQ(rotationStep(false, 4, CtrlKey), 5.0f);
    EXPECT_EQ(rotationStep(false, 4, ShiftKey), 10.0f);
    EXPECT_EQ(rotationStep(false, 5, ShiftKey), -10.0f);
    EXPECT_EQ(rotationStep(true, 5, 0), -5.0f);
    EXPECT_FALSE(rotationStep(false, 4, CtrlKey | AltKey));
    EXPECT_FALSE(rotationStep(false, 0, 0));
}

TEST(GuideLine, AnglesOfLinesAndTheirReverses)
{
    EXPECT_FALSE(guideLineAngle(4, 4));
    EXPECT_FALSE(guideLineAngle(-4, 3));
    EXPECT_FALSE(guideLineAngle(0, 0));
    EXPECT_EQ(guideLineAngle(5, 0), 90.0f);   // d = -90
    EXPECT_EQ(guideLineAngle(-5, 0), -90.0f);
    EXPECT_EQ(guideLineAngle(0, 5), 0.0f);
    EXPECT_EQ(guideLineAngle(0, -40), 0.0f);
    const struct { int32_t dx, dy; float angle; } tracks[] = {{30, 30, 45}, {-20, 20, -45}, {10, 100, 5.7105932f}};
    for (auto t : tracks) {
        EXPECT_NEAR(*guideLineAngle(t.dx, t.dy), t.angle, 1e-4) << t.dx << ',' << t.dy;
        EXPECT_NEAR(*guideLineAngle(-t.dx, -t.dy), t.angle, 1e-4) << "reverse " << t.dx << ',' << t.dy;
    }
}

TEST(ClickOnFace, TheClickedPointMovesToTheCutOutCentre)
{
    // Face layer 512 x 560, view 256 x 280: f = 2.
    auto at = clickToCentre(128, 140, 512, 560, 256, 280, 256, 280, 0, 0);
    EXPECT_EQ(at.faceX, 0);
    EXPECT_EQ(at.faceY, 0);
    at = clickToCentre(100, 150, 512, 560, 256, 280, 256, 280, 10, -20);
    EXPECT_EQ(at.faceX, 256 + 10 - 200);
    EXPECT_EQ(at.faceY, 280 - 20 - 300);
    // f = 1072 / 715 = 1.4993; 3 * f = 4.498 -> 4; halves go to even: f = 1.5 and x = 3 -> 4.5 -> 4.
    at = clickToCentre(3, 5, 300, 300, 200, 200, 0, 0, 0, 0);
    EXPECT_EQ(at.faceX, -4);
    EXPECT_EQ(at.faceY, -8);  // 7.5 -> 8
}

struct Placement : ::testing::Test, EditorFixture {
    void enter(int button)
    {
        loadBoth();
        click(button);
        engine.undoOps.clear();
        engine.rebuilds = engine.renders = 0;
    }
};

TEST_F(Placement, DeformationStopsAtItsLimitsWithoutAnUndoStep)
{
    enter(13);
    engine.deformV = 5;
    editor.Sipka_MouseDown(1, LeftButton, 0, 0, 0);
    editor.Sipka_MouseUp(1, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.deformV, 5);
    EXPECT_TRUE(engine.undoOps.empty());
    engine.deformV = -5;
    editor.Sipka_MouseDown(0, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.deformV, -5);
    EXPECT_TRUE(engine.undoOps.empty());
    editor.Sipka_MouseDown(1, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.deformV, -4);
    editor.Sipka_MouseDown(3, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.deformH, 1);
    EXPECT_EQ(engine.undoOps, (std::vector<int32_t>{0, 0}));
    EXPECT_EQ(engine.renders, 2);
    EXPECT_FALSE(editor.form.Timer1.Enabled);  // no repeat here

    editor.Tlac_MouseDown(0, LeftButton, 0, 0, 0);
    EXPECT_EQ(editor.form.Tlac[0].BorderStyle, 1);
    editor.Tlac_MouseUp(0, LeftButton, 0, 0, 0);
    EXPECT_EQ(editor.form.Tlac[0].BorderStyle, 0);
    EXPECT_EQ(engine.deformH, 0);
    EXPECT_EQ(engine.deformV, 0);
    EXPECT_EQ(engine.undoOps.size(), 3u);
}

TEST_F(Placement, MoveArrowsWithKeysAndTheDoNothingCombination)
{
    enter(11);
    editor.Sipka_MouseDown(0, LeftButton, CtrlKey, 0, 0);
    editor.Sipka_MouseUp(0, LeftButton, CtrlKey, 0, 0);
    EXPECT_EQ(engine.faceY, -10);
    editor.Sipka_MouseDown(3, LeftButton, CtrlKey | AltKey, 0, 0);
    editor.Sipka_MouseUp(3, LeftButton, CtrlKey | AltKey, 0, 0);
    EXPECT_EQ(engine.faceX, 0);
    EXPECT_EQ(engine.undoOps, std::vector<int32_t>{0});
    editor.SSipka_MouseDown(2, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.faceX, -10);
    EXPECT_EQ(editor.form.SSipka[2].BorderStyle, 1);
    editor.SSipka_MouseUp(2, LeftButton, 0, 0, 0);
    EXPECT_EQ(editor.form.SSipka[2].BorderStyle, 0);

    // The bottom button of move mode places the face automatically, as one undo step.
    editor.Tlac_MouseUp(0, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.placements, 1);
    EXPECT_EQ(engine.undoOps.size(), 3u);
}

TEST_F(Placement, AHeldArrowRepeatsOncePerRedrawAndNeverPilesUp)
{
    enter(10);  // scale
    editor.Sipka_MouseDown(4, LeftButton, 0, 0, 0);  // smaller, code 10
    EXPECT_TRUE(editor.form.Timer1.Enabled);
    EXPECT_EQ(engine.repeatCode, 10);  // done, drawn, waiting for the tick
    EXPECT_FLOAT_EQ(engine.scaleX, 0.99f);
    EXPECT_EQ(engine.undoOps, std::vector<int32_t>{0});

    editor.Timer1_Timer();
    EXPECT_FLOAT_EQ(engine.scaleX, 0.99f * 0.99f);

    // A redraw still pending (code + 100): ticks pass without a step.
    engine.repeatCode = 110;
    const float before = engine.scaleX;
    for (int k = 0; k < 5; ++k)
        editor.Timer1_Timer();
    EXPECT_EQ(engine.scaleX, before);
    engine.repeatCode = 10;
    editor.Timer1_Timer();
    EXPECT_LT(engine.scaleX, before);
    EXPECT_EQ(engine.undoOps.size(), 1u);  // the whole hold is one undo step

    const int rebuilds = engine.rebuilds;
    editor.Sipka_MouseUp(4, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.repeatCode, 0);
    EXPECT_FALSE(editor.form.Timer1.Enabled);
    EXPECT_EQ(engine.rebuilds, rebuilds + 1);
    editor.Timer1_Timer();
    EXPECT_EQ(engine.rebuilds, rebuilds + 1);
}

TEST_F(Placement, ScaleResetEvensTheRatio)
{
    enter(10);
    engine.scaleX = 1.2f, engine.scaleY = 0.8f;
    editor.Tlac_MouseUp(0, LeftButton, 0, 0, 0);
    EXPECT_FLOAT_EQ(engine.scaleX, 1.0f);
    EXPECT_FLOAT_EQ(engine.scaleY, 1.0f);
    EXPECT_EQ(engine.undoOps, std::vector<int32_t>{0});
}

TEST_F(Placement, RightClicksOpenTheHelpOfTheMode)
{
    enter(14);
    hints.clear();
    editor.Sipka_MouseDown(4, RightButton, 0, 0, 0);
    editor.Tlac_MouseUp(0, RightButton, 0, 0, 0);
    EXPECT_EQ(hints, (std::vector<int32_t>{14, 14}));
    EXPECT_EQ(engine.angle, 0.0f);
    EXPECT_TRUE(engine.undoOps.empty());
}

TEST_F(Placement, ClickOnTheFaceInMoveMode)
{
    enter(11);
    engine.surfaces[6].setSize(512, 560);
    engine.surfaces[4].setSize(256, 280);
    engine.faceX = 7;
    editor.Picture1_MouseDown(RightButton, 0, 128, 140);  // any button
    EXPECT_EQ(engine.faceX, 7);
    EXPECT_EQ(engine.faceY, 0);
    EXPECT_EQ(engine.undoOps, std::vector<int32_t>{0});
    editor.Picture1_MouseDown(LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.faceX, 7 + 256);
    EXPECT_EQ(engine.faceY, 280);
}

TEST_F(Placement, GuideLineThenResetRotatesToTheModelAngle)
{
    enter(14);
    engine.surfaces[0].setSize(100, 100);
    engine.modelAngle = 10;
    engine.angle = 2;
    // A short line is dropped.
    editor.Picture1_MouseDown(LeftButton, 0, 50, 50);
    editor.Picture1_MouseMove(LeftButton, 0, 53, 54);
    editor.Picture1_MouseUp(LeftButton, 0, 53, 54);
    EXPECT_EQ(engine.lineAngle, 0.0f);
    EXPECT_TRUE(engine.undoOps.empty());
    // The inverting pen took the line away again when it moved on... and the drawn one stays.
    editor.Picture1_MouseDown(LeftButton, 0, 20, 50);
    editor.Picture1_MouseMove(LeftButton, 0, 40, 50);
    const Bitmap withLine = engine.surfaces[0].image();
    editor.Picture1_MouseMove(LeftButton, 0, 25, 50);
    editor.Picture1_MouseMove(LeftButton, 0, 40, 50);
    EXPECT_EQ(engine.surfaces[0].image(), withLine);
    editor.Picture1_MouseUp(LeftButton, 0, 40, 50);
    EXPECT_EQ(engine.lineAngle, 90.0f);
    EXPECT_EQ(engine.undoOps, std::vector<int32_t>{2});

    editor.Tlac_MouseUp(0, LeftButton, 0, 0, 0);
    EXPECT_FLOAT_EQ(engine.angle, 2 + 90 - 10);
    EXPECT_EQ(engine.lineAngle, 0.0f);
    EXPECT_EQ(engine.undoOps, (std::vector<int32_t>{2, 0}));
    // Without a line the reset does nothing.
    editor.Tlac_MouseUp(0, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.undoOps.size(), 2u);

    // A command press drops a pending line.
    editor.Picture1_MouseDown(LeftButton, 0, 50, 10);
    editor.Picture1_MouseMove(LeftButton, 0, 50, 90);
    editor.Picture1_MouseUp(LeftButton, 0, 50, 90);
    EXPECT_EQ(engine.lineAngle, 0.0f);  // vertical
    editor.Picture1_MouseDown(LeftButton, 0, 10, 10);
    editor.Picture1_MouseMove(LeftButton, 0, 90, 10);
    editor.Picture1_MouseUp(LeftButton, 0, 90, 10);
    ASSERT_EQ(engine.lineAngle, 90.0f);
    click(11);
    EXPECT_EQ(engine.lineAngle, 0.0f);
}

TEST_F(Placement, RotationArrowsRecordAndRenderEveryStep)
{
    enter(14);
    editor.Sipka_MouseDown(4, LeftButton, ShiftKey, 0, 0);
    editor.Sipka_MouseUp(4, LeftButton, ShiftKey, 0, 0);
    editor.SSipka_MouseDown(5, LeftButton, 0, 0, 0);
    editor.SSipka_MouseUp(5, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.angle, 5.0f);
    EXPECT_EQ(engine.undoOps, (std::vector<int32_t>{0, 0}));
    EXPECT_EQ(engine.renders, 2);
    EXPECT_EQ(ui.cursors.back(), Cursor::Default);
}

TEST_F(Placement, AHeldScaleArrowStopsWhereTheScaledPhotoCanStillBeComposed)
{
    enter(10);  // scale
    engine.surfaces[7].setSize(360, 480);  // the photo as loaded
    for (int index : {5, 4}) {  // coarse larger, then coarse smaller
        editor.SSipka_MouseDown(index, LeftButton, 0, 0, 0);
        for (int tick = 0; tick < 400; ++tick) {
            if (engine.repeatCode >= 100) engine.repeatCode = uint8_t(engine.repeatCode - 100);  // redrawn
            editor.Timer1_Timer();
        }
        editor.SSipka_MouseUp(index, LeftButton, 0, 0, 0);
        EXPECT_TRUE(scaledPhotoFits(360, 480, engine.scaleX, engine.scaleY)) << index;
        // It went as far as the limit allows: one more coarse step would leave it.
        EXPECT_FALSE(scaledPhotoFits(360, 480, index == 5 ? engine.scaleX / 0.9f : engine.scaleX * 0.9f,
                                     index == 5 ? engine.scaleY / 0.9f : engine.scaleY * 0.9f))
            << index;
    }
    EXPECT_EQ(engine.undoOps.size(), 2u);  // one per hold
    // At the limit a new press does nothing, not even an undo step.
    editor.SSipka_MouseDown(4, LeftButton, 0, 0, 0);
    editor.SSipka_MouseUp(4, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.undoOps.size(), 2u);
}

TEST_F(Placement, ArrowKeysAndPlusMinusActAsTheArrowsOfTheMode)
{
    enter(11);  // move
    editor.Form_KeyDown(38, 0);  // up
    EXPECT_EQ(engine.faceY, -1);
    EXPECT_TRUE(editor.form.Timer1.Enabled);
    editor.Timer1_Timer();
    EXPECT_EQ(engine.faceY, -2);  // held: repeats on the timer
    editor.Form_KeyDown(39, 0);   // a second key while one is held is ignored
    EXPECT_EQ(engine.faceX, 0);
    editor.Form_KeyUp(39, 0);
    EXPECT_TRUE(editor.form.Timer1.Enabled);
    editor.Form_KeyUp(38, 0);
    EXPECT_FALSE(editor.form.Timer1.Enabled);
    EXPECT_EQ(engine.undoOps, std::vector<int32_t>{0});  // the whole hold is one undo step
    editor.Form_KeyDown(37, 2);  // Ctrl+left: the coarse step of 10
    editor.Form_KeyUp(37, 2);
    EXPECT_EQ(engine.faceX, -10);

    enter(10);  // scale
    const float before = engine.scaleX;
    editor.Form_KeyDown('+', 0);
    editor.Form_KeyUp('+', 0);
    EXPECT_FLOAT_EQ(engine.scaleX, before / 0.99f);
    editor.Form_KeyDown(109, 0);  // keypad minus
    editor.Form_KeyUp(109, 0);
    EXPECT_FLOAT_EQ(engine.scaleX, before / 0.99f * 0.99f);
}

TEST(PlacementKeys, OnlyThePlacementModesTakeArrowKeys)
{
    EXPECT_EQ(placementArrowForKey(9, '='), 5);
    EXPECT_EQ(placementArrowForKey(9, 39), 2);
    EXPECT_EQ(placementArrowForKey(12, 40), 1);
    EXPECT_EQ(placementArrowForKey(13, 39), 4);
    EXPECT_EQ(placementArrowForKey(13, 38), std::nullopt);
    for (int32_t mode : {1, 2, 11, 14, 15})
        EXPECT_EQ(placementArrowForKey(mode, 38), std::nullopt) << mode;
    EXPECT_EQ(placementArrowForKey(10, 'A'), std::nullopt);
}

} // namespace
} // namespace salon::test
