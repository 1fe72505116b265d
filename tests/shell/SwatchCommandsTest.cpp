#include "tests/shell/EditorFinishFixture.h"

#include "editor/engine/Swatches.h"

namespace salon::test {
namespace {

class SwatchCommandsTest : public EditorFinishFixture {
protected:
    void SetUp() override
    {
        EditorFinishFixture::SetUp();
        dsl::Model m = makeModel(120, 130, Rect{30, 30, 90, 100});
        // Range 60..150 over the swatch values: bank 0 holds 0 (100), 4 (77), 13 (55) ...
        m.rangeFlag = 1;
        m.rangeLow = 60;
        m.rangeHigh = 150;
        loadEdit(m);
        click(2);
        editor.OblImg_MouseDown(0, LeftButton, 0, 0, 0);
        editor.OblImg_MouseUp(0, LeftButton, 0, 0, 0);
        click(3);
        ASSERT_EQ(engine.EditMode, 5);
    }
    void openBank(int i)
    {
        editor.commands.BarImg_MouseDown(i, LeftButton, 0, 0, 0);
        editor.commands.BarImg_MouseUp(i, LeftButton, 0, 0, 0);
    }
    // A strip x inside swatch k of the open bank, with the scroll bar where it is.
    int xOf(int k) const { return 110 * k + 50 - editor.form.HScroll1.Value; }
};

TEST_F(SwatchCommandsTest, BankButtonOpensThePaletteStripWithItsScrollBar)
{
    openBank(1);
    EXPECT_NE(editor.PaletteOpen, 0);
    EXPECT_TRUE(editor.form.Vzornik[0].Visible);
    EXPECT_TRUE(editor.form.HScroll1.Visible);
    EXPECT_EQ(editor.form.HScroll1.Max, PaletteWidth - 700);
    EXPECT_EQ(swatches.panel.SwatchBase, 17);
    EXPECT_EQ(editor.form.Vzornik[0].picture.width, 700);
    EXPECT_EQ(editor.form.BarImg[1].BorderStyle, 0);
}

TEST_F(SwatchCommandsTest, SwatchesOutsideTheRangeDoNothingAndTheLimitSwatchRecolours)
{
    openBank(0);
    const Bitmap before = composite();
    // Swatch 13 (value 55) is below the range: nothing changes.
    editor.form.HScroll1.Value = 1000;
    editor.commands.HScroll1_Change();
    editor.commands.Vzornik_MouseDown(0, LeftButton, 0, xOf(13), 20);
    EXPECT_EQ(composite(), before);
    EXPECT_EQ(engine.HairChoice, 0u);
    // Swatch 12 (value 67) recolours.
    editor.commands.Vzornik_MouseDown(0, LeftButton, 0, xOf(12), 20);
    EXPECT_EQ(engine.HairChoice, SwatchColours(12));
    EXPECT_NE(composite(), before);
}

TEST_F(SwatchCommandsTest, UndoAndRedoAreIgnoredAndKeepThePaletteOpen)
{
    openBank(0);
    engine.UndoStep(0);  // something to undo, were undo allowed
    const int32_t faceX = engine.FaceX, count = engine.HistoryCount;
    click(15);
    click(6);
    editor.Form_KeyDown(8, 0);
    EXPECT_EQ(engine.HistoryCount, count);
    EXPECT_EQ(engine.FaceX, faceX);
    EXPECT_NE(editor.PaletteOpen, 0);
    EXPECT_TRUE(editor.form.Vzornik[0].Visible);
}

TEST_F(SwatchCommandsTest, AnyOtherCommandClosesThePaletteAndItsClicksDoNothingThen)
{
    openBank(2);
    click(3);
    EXPECT_EQ(editor.PaletteOpen, 0);
    EXPECT_FALSE(editor.form.Vzornik[0].Visible);
    const Bitmap before = composite();
    editor.commands.Vzornik_MouseDown(0, LeftButton, 0, 10, 20);
    EXPECT_EQ(composite(), before);
}

TEST_F(SwatchCommandsTest, OwnColourButtonRestoresTheModelHair)
{
    openBank(0);
    const Bitmap fitted = composite();
    editor.commands.Vzornik_MouseDown(0, LeftButton, 0, xOf(0), 20);
    ASSERT_NE(composite(), fitted);
    editor.commands.BarImg_MouseDown(3, LeftButton, 0, 0, 0);
    editor.commands.BarImg_MouseUp(3, LeftButton, 0, 0, 0);
    EXPECT_EQ(engine.HairChoice, 0u);
    EXPECT_EQ(composite(), fitted);
}

} // namespace
} // namespace salon::test
