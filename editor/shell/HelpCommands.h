#pragma once
// Help in the editor window: ShowHint fills the help window Form2 (picture and page) or, for page
// 16, the text of the question window Form3; the view then shows Form2 modally.
#include "editor/shell/HelpPages.h"

namespace salon {

class Editor;

class HelpCommands {
public:
    // helpFile: the program directory's "NpvHair.tmf".
    HelpCommands(Editor& editor, std::filesystem::path helpFile);
    // Installs ShowHint and fills Form3's text at once (the start asked for it before any hook).
    void install();

    HelpPages pages;

private:
    void showHint(int32_t topic);

    Editor& m_editor;
};

} // namespace salon
