#include "editor/shell/HelpCommands.h"

#include "editor/shell/Editor.h"

namespace salon {

HelpCommands::HelpCommands(Editor& editor, std::filesystem::path helpFile) : m_editor(editor)
{
    pages.helpFile = std::move(helpFile);
}

void HelpCommands::install()
{
    m_editor.commands.showHint = [this](int32_t topic) { showHint(topic); };
    showHint(QuestionHelpTopic);
}

void HelpCommands::showHint(int32_t topic)
{
    pages.HelpOffset = m_editor.HelpOffset;
    if (!pages.ShowHint(topic)) return;
    if (topic == QuestionHelpTopic) m_editor.form3.helpText = richTextToHtml(pages.form3Text.text);
}

} // namespace salon
