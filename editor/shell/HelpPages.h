#pragma once
// The help windows' content: Form2 (help picture and page text, opened modally by the caller) and
// Form3's text box, which holds page 16, the explanation shown with the mode-change question.
//
// Pages come from "NpvHair.tmf" in the program directory (HelpFile.h). Topic t shows page
// t + HelpOffset; pages 0 to 98 exist as far as the editor is concerned, anything else shows nothing.
// Help pictures are resource bitmaps 50 to 65 (topic + 50).
#include "editor/shell/RtfReader.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace salon {

inline constexpr int32_t QuestionHelpTopic = 16;
inline constexpr int32_t FirstHelpPicture = 50;

struct HelpTextBox {
    std::string rtf;   // the page as stored
    RichText text;     // as shown (centred)
};

class HelpPages {
public:
    int32_t HelpOffset = 0;
    std::filesystem::path helpFile;  // ProgramDir + "NpvHair.tmf"

    // Form2
    int32_t pictureId = 0;  // 0: no picture yet
    HelpTextBox form2Text;
    // Form3
    HelpTextBox form3Text;

    // Loads page topic + HelpOffset into Form2 (topic 16 into Form3). Without the help file the box
    // keeps the text it had; the picture is set all the same. Returns whether a page was in range.
    bool ShowHint(int32_t topic);
};

// The help topic of the sub-panel buttons of a mode: the command that opened the mode (fit 2, hair
// colour 3, stamp 4, scale 10, move 11, head-turn 13, rotation 14); 7 (the general page) otherwise.
int32_t helpTopicOfMode(int32_t editMode);

} // namespace salon
