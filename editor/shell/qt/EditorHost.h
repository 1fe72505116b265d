#pragma once
// The editor's modal windows and its end, on Qt.
#include "editor/shell/Editor.h"

#include <functional>

namespace salon {

class MainWindow;

class QtEditorHost : public EditorHost {
public:
    MainWindow* window = nullptr;
    // Shows the help window Form2 modally; unset, help does nothing.
    std::function<void()> helpWindow;
    // The catalogue window's contact sheet of a category (0-based); unset, the button is hidden.
    std::function<void(int32_t category)> contactSheet;

    void showCatalogue(CatalogueForm& form) override;
    void showQuestion(QuestionForm& form) override;
    void showHelp() override;
    void endProgram() override;
};

} // namespace salon
