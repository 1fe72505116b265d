#include "editor/shell/HelpPages.h"

#include "editor/shell/HelpFile.h"

namespace salon {

bool HelpPages::ShowHint(int32_t topic)
{
    const int32_t page = topic + HelpOffset;
    if (page < 0 || page > 98) return false;
    if (topic != QuestionHelpTopic) pictureId = topic + FirstHelpPicture;
    std::optional<std::string> rtf = readHelpPage(helpFile, page);
    if (!rtf) return true;
    HelpTextBox& box = topic == QuestionHelpTopic ? form3Text : form2Text;
    box.rtf = std::move(*rtf);
    box.text = readRtf(box.rtf);
    box.text.align(RichAlign::Centre);
    return true;
}

int32_t helpTopicOfMode(int32_t editMode)
{
    switch (editMode) {
    case 4: return 2;
    case 5: return 3;
    case 6: return 4;
    case 9: return 10;
    case 10: return 11;
    case 12: return 13;
    case 13: return 14;
    default: return 7;
    }
}

} // namespace salon
