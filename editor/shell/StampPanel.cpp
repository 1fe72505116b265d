#include "editor/shell/StampPanel.h"

#include "editor/engine/Engine.h"
#include "editor/shell/Editor.h"
#include "editor/shell/HelpPages.h"

namespace salon {

StampPanel::StampPanel(Editor& editor, Engine& engine, Ui& ui)
    : tool(StampHost{}), m_editor(editor), m_engine(engine), m_ui(ui)
{
    tool = StampTool(host());
}

StampHost StampPanel::host()
{
    StampHost h;
    h.composite = [this]() -> Bitmap* {
        const PixelBuffer b = m_engine.GetPixels(Composite);
        if (!b.Valid) return nullptr;
        m_composite = b.toBitmap();
        return &m_composite;
    };
    h.viewWidth = [this] { return m_engine.Surfaces[ResultView].width(); };
    h.viewHeight = [this] { return m_engine.Surfaces[ResultView].height(); };
    h.recordUndo = [this] { m_engine.UndoStep(0); };
    h.compositeChanged = [this] {
        m_engine.PutPixels(Composite, PixelBuffer::fromBitmap(m_composite));
        m_engine.ShowResult();
    };
    h.showSample = [this](const Bitmap& b) { m_engine.Surfaces[StampSample].setPicture(b, true); };
    h.markTSipka = [this](int32_t i) {
        for (int k = 0; k < 4; ++k) m_editor.form.TSipka[size_t(k)].BorderStyle = k == i ? 1 : 0;
    };
    h.markQSipka = [this](int32_t i) {
        for (int k = 0; k < 2; ++k) m_editor.form.QSipka[size_t(k)].BorderStyle = k == i ? 1 : 0;
    };
    h.ui = &m_ui;
    return h;
}

void StampPanel::syncFromEditor()
{
    // A command click drops the sample on the editor's side (and shows the empty-sample bitmap).
    if (!m_editor.SampleTaken) tool.DropSample();
}

void StampPanel::syncToEditor() { m_editor.SampleTaken = tool.SampleTaken != 0; }

void StampPanel::install()
{
    EditorCommands& c = m_editor.commands;
    c.Picture2_MouseDown = [this](int, int button, int shift, int x, int y) { Picture2_MouseDown(button, shift, x, y); };
    c.TSipka_MouseDown = [this](int i, int button, int, int, int) { TSipka_MouseDown(i, button); };
    c.TSipka_MouseUp = [this](int i, int button, int, int, int) { TSipka_MouseUp(i, button); };
    c.QSipka_MouseDown = [this](int i, int button, int, int, int) { QSipka_MouseDown(i, button); };
    c.QSipka_MouseUp = [this](int i, int button, int, int, int) { QSipka_MouseUp(i, button); };
    c.PicStopa_MouseDown = [this](int, int button, int, int, int) { PicStopa_MouseDown(button); };
    auto previous = c.panelShown;
    c.panelShown = [this, previous](int32_t mode) {
        if (previous) previous(mode);
        panelShown(mode);
    };
}

void StampPanel::Picture2_MouseDown(int button, int shift, int x, int y)
{
    if (m_engine.EditMode != 6) return;
    syncFromEditor();
    tool.Picture2_MouseDown(button, shift, float(x), float(y));
    syncToEditor();
}

void StampPanel::TSipka_MouseDown(int index, int button)
{
    if (button == RightButton) m_editor.showHelp(helpTopicOfMode(6));
}

void StampPanel::TSipka_MouseUp(int index, int button)
{
    syncFromEditor();
    tool.TSipka_MouseUp(index, button);
}

void StampPanel::QSipka_MouseDown(int index, int button)
{
    if (button == RightButton) m_editor.showHelp(helpTopicOfMode(6));
}

void StampPanel::QSipka_MouseUp(int index, int button) { tool.QSipka_MouseUp(index, button); }

void StampPanel::PicStopa_MouseDown(int button)
{
    if (button == RightButton) m_editor.showHelp(helpTopicOfMode(6));
}

void StampPanel::panelShown(int32_t mode)
{
    if (mode != 6) return;
    for (int k = 0; k < 4; ++k) m_editor.form.TSipka[size_t(k)].BorderStyle = k == tool.StampSize ? 1 : 0;
    const int q = tool.Coverage == 2 ? 1 : 0;
    for (int k = 0; k < 2; ++k) m_editor.form.QSipka[size_t(k)].BorderStyle = k == q ? 1 : 0;
}

} // namespace salon
