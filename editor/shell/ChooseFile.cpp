#include "editor/shell/ChooseFile.h"

#include "editor/shell/texts/Texts.h"
#include "platform/Paths.h"

#include <cctype>
#include <cerrno>
#include <sys/stat.h>

namespace salon {
namespace {

const std::string CrLf = "\r\n";

std::filesystem::path toNative(const std::string& name)
{
    if (auto p = nativePath(name)) return *p;
    return std::filesystem::path(name);
}

bool exists(const std::string& name)
{
    std::error_code ec;
    return std::filesystem::exists(toNative(name), ec);
}

bool matchesPattern(const std::string& name, const std::string& pattern)
{
    // The table's patterns are "*.EXT" (or "*.*"); the drives' names are matched without case.
    if (pattern == "*.*" || pattern == "*") return true;
    if (pattern.size() < 2 || pattern[0] != '*') return false;
    const std::string tail = pattern.substr(1);
    if (name.size() < tail.size()) return false;
    for (size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[name.size() - tail.size() + i])) !=
            std::tolower(static_cast<unsigned char>(tail[i])))
            return false;
    return true;
}

} // namespace

int32_t filterIndexForFolder(const std::string& filter, const std::string& directory)
{
    std::vector<std::string> patterns;  // the pattern of each "label|pattern|" pair
    for (size_t at = 0, n = 0; at < filter.size(); ++n) {
        const size_t bar = filter.find('|', at);
        if (bar == std::string::npos) break;
        if (n % 2 == 1) patterns.push_back(filter.substr(at, bar - at));
        at = bar + 1;
    }
    std::vector<std::string> names;
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(toNative(directory), ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec))
        if (it->is_regular_file(ec)) names.push_back(it->path().filename().string());
    // The last filter is "all files", which always matches; it is only the answer for an empty list.
    for (size_t i = 0; i + 1 < patterns.size(); ++i)
        for (const std::string& name : names) {
            std::string rest = patterns[i];
            for (size_t semi; !rest.empty(); rest = semi == std::string::npos ? "" : rest.substr(semi + 1)) {
                semi = rest.find(';');
                if (matchesPattern(name, rest.substr(0, semi))) return int32_t(i + 1);
            }
        }
    return 1;
}

std::optional<ChooseFileKind> chooseFileKind(int32_t kind)
{
    const bool defaultTitle = kind >= 10 && kind <= 17;
    const int32_t base = defaultTitle ? kind - 10 : kind;
    if (base < 0 || base > 7) return std::nullopt;
    ChooseFileKind k;
    k.titleId = defaultTitle ? 0 : 500 + base;
    switch (base) {
    case 0:
    case 2:
        k.fileMustExist = true;
        k.readOnlyChecked = true;
        break;
    case 1:
        k.fileMustExist = true;
        break;
    case 3:
    case 4:
        k.dialog = FileDialogKind::Save;
        break;
    case 5:
        k.dialog = FileDialogKind::Save;
        k.overwritePrompt = true;
        break;
    case 6:
        k.fileMustExist = true;
        k.readOnlyChecked = true;
        k.multiSelect = true;
        k.nameBuffer = 32000;
        break;
    case 7:
        k.fileMustExist = true;
        k.multiSelect = true;
        k.nameBuffer = 32000;
        break;
    }
    return k;
}

std::string buildFileFilter(std::string_view filterIds)
{
    std::string out;
    while (!filterIds.empty()) {
        const size_t comma = filterIds.find(',');
        std::string_view item = filterIds.substr(0, comma);
        filterIds = comma == std::string_view::npos ? std::string_view{} : filterIds.substr(comma + 1);
        while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
        while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
        int32_t id = 0;
        bool digits = !item.empty() && item.size() < 7;
        for (char c : item) {
            if (c < '0' || c > '9') {
                digits = false;
                break;
            }
            id = id * 10 + (c - '0');
        }
        if (digits) out += ResText(id);
    }
    return out + ResText(600);
}

ProposedName splitProposedName(std::string_view proposed)
{
    const size_t sep = proposed.find_last_of("\\/");
    // 1-based position of the separator as the dialog code counts it; a drive root "c:\" is the
    // shortest directory that counts.
    if (sep == std::string_view::npos || sep + 1 < 3)
        return {"c:\\", std::string(sep == std::string_view::npos ? proposed : proposed.substr(sep + 1))};
    return {std::string(proposed.substr(0, sep + 1)), std::string(proposed.substr(sep + 1))};
}

FileWarnings fileWarnings(const std::filesystem::path& native)
{
    FileWarnings w;
    struct stat st{};
    if (::lstat(native.c_str(), &st) != 0) return w;
    const std::string name = native.filename().string();
    w.hidden = !name.empty() && name[0] == '.' && name != "." && name != "..";
    w.system = !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode) && !S_ISLNK(st.st_mode);
    w.readOnly = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return w;
}

bool confirmFileAction(Ui& ui, FileAction action, const std::string& fileName)
{
    if (!exists(fileName)) return true;
    const FileWarnings w = fileWarnings(toNative(fileName));
    if (!w.any()) return true;
    std::string text;
    switch (action) {
    case FileAction::Open: text = ResText(578); break;
    case FileAction::Overwrite: text = ResText(550); break;
    case FileAction::Delete: text = ResText(549); break;
    case FileAction::Rename: text = ResText(551); break;
    }
    text += CrLf + fileName + CrLf;
    if (w.system) text += ResText(546) + CrLf;
    if (w.hidden) text += ResText(547) + CrLf;
    if (w.readOnly) text += ResText(548) + CrLf;
    if (action == FileAction::Open && w.readOnly) text += ResText(555) + CrLf;
    if (w.system || w.hidden) text += ResText(557) + CrLf;
    switch (action) {
    case FileAction::Open: text += ResText(556); break;
    case FileAction::Overwrite: text += ResText(553); break;
    case FileAction::Delete: text += ResText(552); break;
    case FileAction::Rename: text += ResText(554); break;
    }
    return ui.message(text, MsgButtons::YesNo, MsgIcon::Exclamation, MsgDefault::Second) == MsgAnswer::Yes;
}

int32_t ChooseFile(Ui& ui, int32_t kind, const std::string& fileName, const std::string& filterIds,
                   std::vector<std::string>& chosen, const std::string& defaultExtension)
{
    chosen.clear();
    const std::optional<ChooseFileKind> k = chooseFileKind(kind);
    if (!k) return 0;
    const ProposedName split = splitProposedName(fileName);

    FileDialogRequest req;
    req.kind = k->dialog;
    req.title = k->titleId ? ResText(k->titleId) : std::string{};
    req.filter = buildFileFilter(filterIds);
    // An open dialog starts on the first filter that shows a file of the folder: a folder of JPEG
    // photos must not look empty because BMP pictures come first in the list.
    req.filterIndex = k->dialog == FileDialogKind::Save ? 1 : filterIndexForFolder(req.filter, split.directory);
    req.initialDir = split.directory;
    req.fileName = split.name;
    req.multiSelect = k->multiSelect;
    req.overwritePrompt = k->overwritePrompt;
    req.fileMustExist = k->fileMustExist;
    req.defaultSuffix = defaultExtension;

    std::optional<FileDialogAnswer> answer = ui.chooseFile(req);
    if (!answer || answer->files.empty() || answer->files.front().empty()) return 0;
    if (!defaultExtension.empty())
        for (std::string& f : answer->files)
            if (!std::filesystem::path(f).has_extension()) f += "." + defaultExtension;

    size_t joined = 0;
    for (const std::string& f : answer->files) joined += f.size() + 1;
    if (k->multiSelect && joined > size_t(k->nameBuffer)) {
        ui.message(ResText(572), MsgButtons::Ok, MsgIcon::Exclamation);
        return 0;
    }

    const int32_t base = kind >= 10 ? kind - 10 : kind;
    const std::string& file = answer->files.front();
    if (!exists(file)) {
        if (base == 4 && ui.message(ResText(570), MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
            return 0;
        if (base == 3) {
            ui.message(ResText(571), MsgButtons::Ok, MsgIcon::Exclamation);
            return 0;
        }
    } else {
        const FileAction action = k->dialog == FileDialogKind::Save ? FileAction::Overwrite : FileAction::Open;
        for (const std::string& f : answer->files)
            if (!confirmFileAction(ui, action, f)) return 0;
    }
    chosen = answer->files;
    return 1;
}

int32_t fileErrorNumber(int errnoValue)
{
    switch (errnoValue) {
    case 0: return 0;
    case ENOENT:
    case ENOTDIR: return 76;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return 70;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG: return 61;
    case EIO: return 57;
    case EEXIST: return 58;
    case EBUSY: return 55;
    case EMFILE:
    case ENFILE: return 67;
    case ENODEV:
    case ENXIO: return 68;
    case EXDEV: return 74;
    case ENOMEDIUM: return 71;
    case ENOMEM: return 7;
    case ENAMETOOLONG:
    case EINVAL:
    case EISDIR: return 75;
    default: return 31036;
    }
}

std::string fileErrorText(int32_t errorNumber, const std::string& fileName)
{
    const int32_t id = errorTextId(errorNumber);
    std::string text = id ? ResText(id) : ResText(531);
    if (errorNumber == 71) text += CrLf + ResText(533) + CrLf + ResText(510) + CrLf + fileName;
    return text;
}

MsgAnswer showFileError(Ui& ui, int32_t errorNumber, const std::string& fileName)
{
    return ui.message(fileErrorText(errorNumber, fileName),
                      errorNumber == 71 ? MsgButtons::OkCancel : MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace salon
