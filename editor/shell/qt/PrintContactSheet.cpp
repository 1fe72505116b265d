#include "editor/shell/qt/PrintContactSheet.h"

#include "editor/sheet/ContactSheet.h"
#include "editor/shell/ChooseFile.h"
#include "editor/shell/texts/Texts.h"
#include "platform/Paths.h"

#include <filesystem>
#include <vector>

namespace salon {

bool printContactSheet(Ui& ui, const std::string& dataDrive, int32_t category, const std::string& photoFile,
                       std::string& lastSheet)
{
    if (photoFile.empty()) {
        ui.message(ResText(208), MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    if (category < 0 || dataDrive.empty()) return false;
    FileDialogRequest req;
    req.kind = FileDialogKind::Save;
    req.title = ResText(209);
    req.filter = ResText(211);
    const ProposedName split = splitProposedName(lastSheet.empty() ? "arch-ucesu.png" : lastSheet);
    req.initialDir = split.directory;
    req.fileName = split.name;
    req.overwritePrompt = true;
    const std::optional<FileDialogAnswer> answer = ui.chooseFile(req);
    if (!answer || answer->files.empty()) return false;
    lastSheet = answer->files.front();

    const std::optional<std::filesystem::path> photo = nativePath(photoFile);
    std::vector<std::string> args = {"frizet01",  "--contact-sheet", std::to_string(category),
                                     "--photo",   photo ? photo->string() : photoFile,
                                     "--out",     lastSheet,
                                     "--drive",   dataDrive.substr(0, 1)};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ui.setCursor(Cursor::Hourglass);
    const int rc = runContactSheet(int(args.size()), argv.data());
    ui.setCursor(Cursor::Default);
    if (rc != 0) {
        showFileError(ui, 31036, lastSheet);
        return false;
    }
    return true;
}

} // namespace salon
