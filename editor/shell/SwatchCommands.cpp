#include "editor/shell/SwatchCommands.h"

#include "editor/engine/Engine.h"
#include "editor/engine/Swatches.h"
#include "editor/shell/Editor.h"

namespace salon {

SwatchCommands::SwatchCommands(Editor& editor, Engine& engine, Ui& ui) : m_editor(editor), m_engine(engine), m_ui(ui) {}

void SwatchCommands::install()
{
    EditorCommands& c = m_editor.commands;
    c.BarImg_MouseDown = [this](int i, int button, int, int, int) { BarImg_MouseDown(i, button); };
    c.BarImg_MouseUp = [this](int i, int button, int, int, int) { BarImg_MouseUp(i, button); };
    c.Vzornik_MouseDown = [this](int, int button, int, int x, int) { Vzornik_MouseDown(button, x); };
    c.HScroll1_Change = [this] { HScroll1_Change(); };
}

SwatchRange SwatchCommands::range() const
{
    return {m_engine.RangeFlag, m_engine.RangeLow, m_engine.RangeHigh};
}

void SwatchCommands::BarImg_MouseDown(int index, int button)
{
    if (index < 0 || index > 3) return;
    if (button == LeftButton) m_editor.form.BarImg[size_t(index)].BorderStyle = 1;
}

void SwatchCommands::BarImg_MouseUp(int index, int button)
{
    if (index < 0 || index > 3) return;
    m_editor.form.BarImg[size_t(index)].BorderStyle = 0;
    m_engine.WorkBuffer = m_engine.GetPixels(Composite);
    if (button == LeftButton && index <= 2) {
        OpenPalette(index);
    } else if (button == LeftButton && index == 3) {
        m_ui.setCursor(Cursor::Hourglass);
        m_engine.OwnHairColour();
    } else if (button == RightButton) {
        m_editor.showHelp(3);
    }
    m_ui.setCursor(Cursor::Default);
}

void SwatchCommands::OpenPalette(int barIndex)
{
    Form1& f = m_editor.form;
    const Bitmap bank = m_editor.resourceBitmap ? m_editor.resourceBitmap(paletteBitmapOfBank(barIndex)) : Bitmap{};
    panel.stripWidth = f.Vzornik[0].Width;
    panel.stripHeight = f.Vzornik[0].Height;
    panel.OpenPalette(barIndex, bank.isNull() ? Bitmap::rgb24(PaletteWidth, PaletteHeight) : bank, SwatchValue, range());
    m_editor.PaletteOpen = panel.PaletteOpen;
    f.Vzornik[1].picture = panel.palette;
    const PaletteScroll s = paletteScroll(panel.stripWidth);
    f.HScroll1.Min = 0;
    f.HScroll1.Max = s.max;
    f.HScroll1.SmallChange = s.smallChange;
    f.HScroll1.LargeChange = s.largeChange;
    f.HScroll1.Value = panel.ScrollValue;
    f.HScroll1.Visible = true;
    f.Vzornik[0].Visible = true;
    showStrip();
}

void SwatchCommands::showStrip()
{
    m_editor.form.Vzornik[0].picture = panel.visibleStrip();
}

void SwatchCommands::HScroll1_Change()
{
    if (m_editor.PaletteOpen == 0) return;
    panel.HScroll1_Change(m_editor.form.HScroll1.Value);
    showStrip();
}

void SwatchCommands::Vzornik_MouseDown(int button, int x)
{
    if (m_editor.PaletteOpen == 0) return;
    panel.ScrollValue = m_editor.form.HScroll1.Value;
    m_ui.setCursor(Cursor::Hourglass);
    if (const std::optional<int32_t> k = panel.Vzornik_MouseDown(float(x), SwatchValue, range()))
        m_engine.SwatchClick(*k);
    m_ui.setCursor(Cursor::Default);
}

} // namespace salon
