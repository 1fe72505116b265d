#pragma once
// The retouch stamp in the editor window: Picture2 clicks in mode 6, the diameter and coverage
// buttons TSipka and QSipka with their pressed looks, and the sample display PicStopa (surface 8).
//
// Each click reads the composite (surface 5) afresh, stamps it and writes it back, so the stamp
// always works on the result that is on screen whatever command ran before it.
#include "editor/shell/Stamp.h"

namespace salon {

class Editor;
class Engine;
class Ui;

class StampPanel {
public:
    StampPanel(Editor& editor, Engine& engine, Ui& ui);

    // Installs the handlers into the editor's command hooks (keeping hooks others set).
    void install();

    StampTool tool;

    // The handlers as the view calls them (index, button, shift, x, y).
    void Picture2_MouseDown(int button, int shift, int x, int y);
    void TSipka_MouseDown(int index, int button);
    void TSipka_MouseUp(int index, int button);
    void QSipka_MouseDown(int index, int button);
    void QSipka_MouseUp(int index, int button);
    void PicStopa_MouseDown(int button);
    // Pressed looks of the current radius and coverage when the stamp's sub-panel is shown.
    void panelShown(int32_t mode);

private:
    StampHost host();
    void syncFromEditor();
    void syncToEditor();

    Editor& m_editor;
    Engine& m_engine;
    Ui& m_ui;
    Bitmap m_composite;
};

} // namespace salon
