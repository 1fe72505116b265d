#pragma once
// Form3: the question asked before a face edit throws away a fitted, recoloured or retouched
// result. Yes (Command3) rebuilds, No (Command2) keeps the result and cancels the command, and the
// third button (Command1) stops further questions: its Yes or No is then the last one asked.
#include "editor/shell/Controls.h"

#include <cstdint>
#include <string>

namespace salon {

struct QuestionForm {
    bool Visible = false;
    int32_t Width = 520, Height = 300;
    CommandButton Command1, Command2, Command3;
    int focused = 3;            // which command button has the focus
    std::string helpText;       // page 16 of the help file as HTML, filled at start (ShowHint(16))

    // The mode-change state the window changes; they live with the main window.
    int32_t* DontAsk = nullptr;
    uint8_t* Answer = nullptr;

    void Form_Activate();
    void Command3_Click();  // Yes
    void Command2_Click();  // No
    void Command1_Click();  // do not ask again
    // Closed from its title bar: taken as No, so the result the user worked on stays.
    void Form_Unload();
};

} // namespace salon
