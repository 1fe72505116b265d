#include "Dialogs.h"

#include "library/frame/FileServices.h"
#include "library/frame/FileTypes.h"
#include "library/frame/LibraryState.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"

#include <algorithm>

namespace pixol::files {

namespace {

struct Mode {
    salon::FileDialogKind kind;
    int32_t title;
    bool mustExist, multiple, overwritePrompt;
};

constexpr Mode Modes[8] = {
    {salon::FileDialogKind::Open, 50, true, false, false},  {salon::FileDialogKind::Open, 51, true, false, false},
    {salon::FileDialogKind::Open, 52, true, false, false},  {salon::FileDialogKind::Save, 53, false, false, false},
    {salon::FileDialogKind::Save, 54, false, false, false}, {salon::FileDialogKind::Save, 55, false, false, true},
    {salon::FileDialogKind::Open, 56, true, true, false},   {salon::FileDialogKind::Open, 57, true, true, false},
};

constexpr int32_t EffectsFlag = 0x100, NoPageNumbersFlag = 0x8;

std::string trimmed(std::string s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    size_t a = 0;
    while (a < s.size() && (s[a] == ' ' || s[a] == '\t')) ++a;
    return s.substr(a);
}

// The chosen name as the programs write paths: a path under a drive becomes "X:\...".
std::string programPath(const std::string& chosen)
{
    if (chosen.size() >= 2 && chosen[1] == ':') return chosen;
    return salon::windowsPath(std::filesystem::path(chosen));
}

} // namespace

int32_t FsOpenSou(uint8_t FsTyp, const std::string& FsDir, const std::string& FsTypSou,
                  salon::BoundedArray<std::string>& JmeOpen, const std::string& FsTitle, const TextLookup& text)
{
    JmeOpen.redim(1, 1);
    salon::Ui* ui = state().ui;
    if (FsTyp > 7 || !ui) return 0;
    const Mode& mode = Modes[FsTyp];

    salon::FileDialogRequest request;
    request.kind = mode.kind;
    request.title = FsTitle.empty() ? text(mode.title) : FsTitle;
    const size_t slash = FsDir.rfind('\\');
    const std::string dir = slash == std::string::npos ? "" : trimmed(FsDir.substr(0, slash + 1));
    request.initialDir = dir.size() >= 3 ? dir : "c:\\";
    request.fileName = slash == std::string::npos ? FsDir : FsDir.substr(slash + 1);
    request.filter = fileDialogFilter(state().fileTypes, FsTypSou, text);
    request.multiSelect = mode.multiple;
    request.overwritePrompt = mode.overwritePrompt;
    request.fileMustExist = mode.mustExist;

    const auto answer = ui->chooseFile(request);
    if (!answer || answer->files.empty()) return 0;
    std::vector<std::string> chosen;
    for (const std::string& f : answer->files) chosen.push_back(programPath(f));
    if (!mode.multiple) chosen.resize(1);

    const std::string& first = chosen[0];
    if (FsTyp == 2) {
        int32_t a1 = 0, a2 = 0;
        FsControlAtrib(first, a1, a2);
        if (a1 == -1) {
            tell(text(62));
            return 0;
        }
        if (a1 == 1 && !askYesNo(text(65), false)) return 0;
    }
    if (FsTyp == 4 && !FsExist(first) && !askYesNo(text(66), false)) return 0;

    JmeOpen.redim(1, int32_t(chosen.size()));
    JmeOpen.values = std::move(chosen);
    return 1;
}

int32_t SysDgColor(int32_t Ag1, int32_t Ag2, const TextLookup& text)
{
    salon::Ui* ui = state().ui;
    if (!ui) return -1;
    salon::ColourDialogRequest request;
    request.title = text(103);
    if (Ag2 >= 0) request.initial = uint32_t(Ag2) & 0xFFFFFFu;
    request.fullOpen = Ag1 == 0 || Ag1 == 2;
    request.preventFullOpen = Ag1 == 2 || Ag1 == 3;
    const auto colour = ui->colourDialog(request);
    return colour ? int32_t(*colour & 0xFFFFFFu) : -1;
}

int32_t SysDgFont(bool& TF1, bool& TF2, bool& TF3, bool& TF4, std::string& TF5, int32_t& TF6, int32_t& TF7,
                  int32_t& TF8, int32_t flags, const TextLookup& text)
{
    salon::Ui* ui = state().ui;
    if (!ui) return 0;
    salon::FontDialogRequest request;
    request.title = text(102);
    request.minSize = 8;
    request.maxSize = 100;
    request.existingOnly = true;
    request.effects = (flags & EffectsFlag) != 0;
    const auto font = ui->fontDialog(request);
    if (!font) return 0;
    TF1 = font->bold;
    TF2 = font->italic;
    TF3 = request.effects && font->strikeout;
    TF4 = request.effects && font->underline;
    TF5 = font->name;
    TF6 = salon::roundHalfEven(std::min(std::max(font->size, 8.0f), 100.0f));
    TF7 = request.effects ? int32_t(font->colour & 0xFFFFFFu) : 0;
    TF8 = font->bold ? 700 : 400;
    return 1;
}

int32_t SysDgPrint(int32_t& TF1, int32_t& TF2, int32_t& TF3, int32_t flags, const TextLookup& text)
{
    salon::Ui* ui = state().ui;
    if (!ui) return 0;
    salon::PrintDialogRequest request;
    request.title = text(104);
    request.copies = 1;
    request.fromPage = request.toPage = 1;
    request.minPage = 1;
    request.maxPage = 10;
    request.pageNumbers = (flags & NoPageNumbersFlag) == 0;
    const auto choice = ui->printDialog(request);
    if (!choice) return 0;
    // Whatever the dialog lets through, the caller gets a range inside the one it offered.
    TF1 = std::max(1, choice->copies);
    TF2 = std::clamp(choice->fromPage, request.minPage, request.maxPage);
    TF3 = std::clamp(choice->toPage, TF2, request.maxPage);
    return 1;
}

} // namespace pixol::files
