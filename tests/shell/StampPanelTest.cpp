#include "tests/shell/EditorFinishFixture.h"

#include "editor/shell/texts/Texts.h"

namespace salon::test {
namespace {

class StampPanelTest : public EditorFinishFixture {
protected:
    void SetUp() override
    {
        EditorFinishFixture::SetUp();
        loadEdit();
        click(4);
        ASSERT_EQ(engine.EditMode, 6);
    }
    // A view point for a composite point (the views may be scaled).
    int vx(int x) const { return x * engine.Surfaces[ResultView].width() / engine.ModelW; }
    int vy(int y) const { return y * engine.Surfaces[ResultView].height() / engine.ModelH; }
    void stampAt(int x, int y, int shift = 0) { editor.commands.Picture2_MouseDown(0, LeftButton, shift, vx(x), vy(y)); }
};

TEST_F(StampPanelTest, SampleThenStampChangesTheCompositeAndTheView)
{
    editor.commands.Picture2_MouseDown(0, RightButton, 0, vx(60), vy(60));
    EXPECT_TRUE(editor.SampleTaken);
    EXPECT_EQ(editor.form.TSipka[3].BorderStyle, 1);
    EXPECT_EQ(editor.form.QSipka[0].BorderStyle, 1);
    const Bitmap before = composite();
    const Bitmap viewBefore = engine.Surfaces[ResultView].image();
    stampAt(10, 10);
    EXPECT_NE(composite(), before);
    EXPECT_NE(engine.Surfaces[ResultView].image(), viewBefore);
}

TEST_F(StampPanelTest, BackspaceUndoesTheLastClickOnlyAndAKeyStrokeAsOne)
{
    editor.commands.Picture2_MouseDown(0, RightButton, 0, vx(60), vy(60));
    stampAt(10, 10);
    const Bitmap afterFirst = composite();
    stampAt(100, 110);
    stampAt(104, 110, ShiftKey);  // same stroke: no new undo step
    stampAt(108, 110, CtrlKey);
    ASSERT_NE(composite(), afterFirst);
    editor.Form_KeyDown(8, 0);
    EXPECT_EQ(composite(), afterFirst);
}

TEST_F(StampPanelTest, CommandClickDropsTheSampleAndTheStampAsksForOneAgain)
{
    editor.commands.Picture2_MouseDown(0, RightButton, 0, vx(60), vy(60));
    click(4);  // the stamp command again: any left click on a command button drops the sample
    EXPECT_FALSE(editor.SampleTaken);
    const Bitmap before = composite();
    stampAt(10, 10);
    EXPECT_EQ(composite(), before);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, ResText(33));
}

TEST_F(StampPanelTest, StampButtonsKeepTheirChoiceAcrossTheSubPanel)
{
    editor.commands.TSipka_MouseUp(1, LeftButton, 0, 0, 0);
    editor.commands.QSipka_MouseUp(1, LeftButton, 0, 0, 0);
    click(2);
    click(4);
    EXPECT_EQ(editor.form.TSipka[1].BorderStyle, 1);
    EXPECT_EQ(editor.form.TSipka[3].BorderStyle, 0);
    EXPECT_EQ(editor.form.QSipka[1].BorderStyle, 1);
    editor.commands.QSipka_MouseDown(0, RightButton, 0, 0, 0);
    EXPECT_EQ(host.helpShown, 1);
}

TEST_F(StampPanelTest, ClicksOutsideModeSixAreNotStamps)
{
    editor.commands.Picture2_MouseDown(0, RightButton, 0, vx(60), vy(60));
    click(2);  // fit mode
    const Bitmap before = composite();
    stampAt(10, 10);
    EXPECT_EQ(composite(), before);
}

} // namespace
} // namespace salon::test
