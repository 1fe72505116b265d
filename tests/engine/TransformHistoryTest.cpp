#include "EngineFixture.h"

#include <gtest/gtest.h>

using namespace salon;
using namespace salon::test;

namespace {

class History : public TempDir {
protected:
    ScriptedUi ui;
    Engine engine{ui};
    void SetUp() override
    {
        TempDir::SetUp();
        engine.ModelFile = writeModel("m.dsl", makeModel(60, 60, {10, 10, 40, 50}));
        engine.PhotoFile = writePhoto("p.bmp", makePhoto(40, 50));
        ASSERT_TRUE(engine.ModelChosen());
        ASSERT_TRUE(engine.LoadPhoto(true));
        engine.FaceLoaded = true;
        engine.EditMode = 2;
    }
    // One placement step as the controls make it: record, then change.
    void step(int32_t faceX)
    {
        engine.UndoStep(0);
        engine.FaceX = faceX;
    }
};

} // namespace

TEST_F(History, UndoWithAnEmptyHistoryDoesNothing)
{
    engine.FaceX = 3;
    engine.UndoStep(1);
    EXPECT_EQ(3, engine.FaceX);
    EXPECT_EQ(HistoryEntry{}, engine.RedoEntry);
}

TEST_F(History, TheSixthStepPushesOutTheOldest)
{
    for (int32_t x = 1; x <= 6; ++x) step(x * 10);  // records 0, 10, 20, 30, 40, 50
    EXPECT_EQ(5, engine.HistoryCount);
    for (int32_t expected : {50, 40, 30, 20, 10}) {
        engine.UndoStep(1);
        EXPECT_EQ(expected, engine.FaceX);
    }
    EXPECT_EQ(0, engine.HistoryCount);
    engine.UndoStep(1);  // the state 0 was pushed out
    EXPECT_EQ(10, engine.FaceX);
}

TEST_F(History, RedoReturnsToTheStateBeforeTheUndo)
{
    step(10);
    engine.ScaleX = 1.5f;
    engine.UndoStep(1);
    EXPECT_EQ(0, engine.FaceX);
    EXPECT_EQ(1.0f, engine.ScaleX);
    engine.UndoStep(10);
    EXPECT_EQ(10, engine.FaceX);
    EXPECT_EQ(1.5f, engine.ScaleX);
    EXPECT_EQ(HistoryEntry{}, engine.RedoEntry);
    EXPECT_EQ(1, engine.HistoryCount);
    engine.UndoStep(10);  // nothing left to redo
    EXPECT_EQ(10, engine.FaceX);
    // A new step forgets the redo entry.
    engine.UndoStep(1);
    step(4);
    engine.UndoStep(10);
    EXPECT_EQ(4, engine.FaceX);
}

TEST_F(History, UndoRebuildsTheFaceFromTheRestoredState)
{
    engine.UndoStep(0);
    engine.DeformH = 4;
    engine.Angle = 20;
    engine.RenderFace(false);
    engine.ComposeResult();
    engine.UndoStep(1);
    EXPECT_EQ(0, engine.DeformH);
    EXPECT_EQ(engine.Surfaces[7].image(), engine.Surfaces[1].image());
}

TEST_F(History, ModesWithoutPlacementIgnoreTheHistory)
{
    for (int32_t mode : {0, 1, 3, 4, 5, 7, 8}) {
        engine.EditMode = mode;
        engine.UndoStep(0);
        EXPECT_EQ(0, engine.HistoryCount) << mode;
    }
    for (int32_t mode : {2, 9, 10, 11, 12, 13}) {
        engine.EditMode = mode;
        engine.UndoStep(0);
    }
    EXPECT_EQ(5, engine.HistoryCount);
}

TEST_F(History, RetouchUndoRestoresTheCompositeOnce)
{
    engine.EditMode = 6;
    const Bitmap before = engine.Surfaces[5].image();
    engine.UndoStep(0);
    EXPECT_TRUE(engine.RetouchUndoAvailable);
    engine.Surfaces[5].fillRect({0, 0, 10, 10}, 0x00FF00);
    engine.UndoStep(1);
    EXPECT_EQ(before, engine.Surfaces[5].image());
    EXPECT_FALSE(engine.RetouchUndoAvailable);
    EXPECT_EQ(engine.GetPixels(5).Data, engine.WorkBuffer.Data);
    engine.Surfaces[5].fillRect({0, 0, 10, 10}, 0x00FF00);
    engine.UndoStep(1);  // used up
    EXPECT_EQ(0x00FF00u, engine.Surfaces[5].image().pixel(1, 1));
    // Leaving the mode forgets the copy.
    engine.UndoStep(0);
    engine.EditMode = 2;
    engine.UndoStep(0);
    EXPECT_FALSE(engine.RetouchUndoAvailable);
}

TEST_F(History, StepBackWhileALineIsPendingOnlyDropsTheLine)
{
    engine.EditMode = 13;
    step(10);
    engine.LineAngle = 12.0f;
    engine.UndoStep(2);
    engine.UndoStep(1);
    EXPECT_EQ(0.0f, engine.LineAngle);
    EXPECT_EQ(10, engine.FaceX);
    // Marking the line recorded the state as a step of its own.
    EXPECT_EQ(2, engine.HistoryCount);
    engine.UndoStep(1);
    engine.UndoStep(1);
    EXPECT_EQ(0, engine.FaceX);
}

TEST_F(History, AlignTurnsByTheLineAgainstTheModelAngle)
{
    engine.ModelAngle = 2.5f;
    engine.Angle = 1.0f;
    engine.LineAngle = 10.0f;
    engine.AlignToModel();
    EXPECT_FLOAT_EQ(8.5f, engine.Angle);
    EXPECT_EQ(0.0f, engine.LineAngle);
    EXPECT_EQ(1, engine.HistoryCount);
}
