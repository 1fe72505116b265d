#pragma once
// The hair colour swatches in the editor window (mode 5): the bank buttons BarImg(0..2), the button
// back to the model's own colour BarImg(3), the strip Vzornik(0) over the hidden palette Vzornik(1)
// and its scroll bar HScroll1. The colour work is the engine's swatch click sequence.
#include "editor/shell/SwatchPalette.h"

#include <cstdint>

namespace salon {

class Editor;
class Engine;
class Ui;

class SwatchCommands {
public:
    SwatchCommands(Editor& editor, Engine& engine, Ui& ui);
    void install();

    SwatchPanel panel;

    void BarImg_MouseDown(int index, int button);
    void BarImg_MouseUp(int index, int button);
    void Vzornik_MouseDown(int button, int x);
    void HScroll1_Change();
    void OpenPalette(int barIndex);

private:
    SwatchRange range() const;
    void showStrip();

    Editor& m_editor;
    Engine& m_engine;
    Ui& m_ui;
};

} // namespace salon
