#include "editor/shell/SaveAndPrintCommands.h"

#include "editor/engine/Engine.h"
#include "editor/shell/ChooseFile.h"
#include "editor/shell/texts/Texts.h"
#include "editor/shell/Editor.h"
#include "editor/shell/PrintCommand.h"
#include "editor/shell/SaveCommand.h"

#include <cstdlib>

namespace salon {

SaveAndPrintCommands::SaveAndPrintCommands(Editor& editor, Engine& engine, Ui& ui)
    : m_editor(editor), m_engine(engine), m_ui(ui)
{
}

void SaveAndPrintCommands::install()
{
    m_editor.commands.save = [this] { save(); };
    m_editor.commands.print = [this] { print(); };
}

Bitmap SaveAndPrintCommands::committedComposite()
{
    m_engine.KeepImage(Composite);
    return m_engine.Surfaces[Composite].readRows();
}

void SaveAndPrintCommands::save()
{
    SaveResult(m_ui, m_editor.SaveFile, committedComposite());
}

void SaveAndPrintCommands::print()
{
    const Bitmap composite = committedComposite();
    if (const char* env = std::getenv("SALON_PRINT_PDF"); env && *env) {
        lastPdf = env;
        PrintResult(m_ui, composite, lastPdf);
        return;
    }
    if (PrintResult(m_ui, composite) != PrintOutcome::NoPrinter) return;
    // No printer: text 172 has been shown; a PDF file is the printout that is left.
    FileDialogRequest req;
    req.kind = FileDialogKind::Save;
    req.filter = ResText(210);
    const std::string base = m_editor.SaveFile.empty() ? std::string("vysledek.bmp") : m_editor.SaveFile;
    const ProposedName split = splitProposedName(base);
    req.initialDir = split.directory;
    const size_t dot = split.name.rfind('.');
    req.fileName = (dot == std::string::npos ? split.name : split.name.substr(0, dot)) + ".pdf";
    req.overwritePrompt = true;
    const std::optional<FileDialogAnswer> answer = m_ui.chooseFile(req);
    if (!answer || answer->files.empty()) return;
    lastPdf = answer->files.front();
    PrintResult(m_ui, composite, lastPdf);
}

} // namespace salon
