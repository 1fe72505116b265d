#include "FileServices.h"

#include "platform/Paths.h"

#include <cctype>
#include <unistd.h>

namespace fs = std::filesystem;

namespace pixol::files {

namespace {

std::string upper(std::string s)
{
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

std::optional<fs::path> resolve(const std::string& name)
{
    if (name.empty()) return std::nullopt;
    return salon::nativePath(name);
}

bool hasExtension(const std::string& name, const char* ext)
{
    return name.size() >= 3 && upper(name.substr(name.size() - 3)) == ext;
}

std::optional<int32_t> attributesOf(const fs::path& native)
{
    std::error_code ec;
    const fs::file_status st = fs::status(native, ec);
    if (ec || !fs::exists(st)) return std::nullopt;
    int32_t bits = 0;
    if (fs::is_directory(st)) bits |= AttrDirectory;
    else if (fs::is_regular_file(st)) bits |= AttrArchive;
    const std::string leaf = native.filename().string();
    if (!leaf.empty() && leaf[0] == '.' && leaf != "." && leaf != "..") bits |= AttrHidden;
    if (::access(native.c_str(), W_OK) != 0) bits |= AttrReadOnly;
    return bits;
}

int32_t FsExist(const std::string& Jme)
{
    if (Jme.empty() || Jme.find_first_of("*?") != std::string::npos) return 0;
    const auto native = resolve(Jme);
    if (!native) return 0;
    std::error_code ec;
    if (!fs::is_regular_file(*native, ec)) return 0;
    // The found name, upper-cased, must end the given one: "a.bmp " or "a.bmp\" name no file.
    const std::string found = upper(native->filename().string());
    if (found.empty() || found[0] == '.' || found.size() > Jme.size()) return 0;
    return upper(Jme.substr(Jme.size() - found.size())) == found ? 1 : 0;
}

} // namespace pixol::files

#include "library/frame/LibraryState.h"

namespace pixol::files {

bool askYesNo(const std::string& text, bool exclamationNoDefault)
{
    salon::Ui* ui = state().ui;
    if (!ui) return false;
    const auto answer = exclamationNoDefault
                            ? ui->message(text, salon::MsgButtons::YesNo, salon::MsgIcon::Exclamation,
                                          salon::MsgDefault::Second)
                            : ui->message(text, salon::MsgButtons::YesNo, salon::MsgIcon::Question);
    return answer == salon::MsgAnswer::Yes;
}

void tell(const std::string& text)
{
    if (salon::Ui* ui = state().ui) ui->message(text);
}

} // namespace pixol::files

#include "library/frame/PathNames.h"
#include "platform/Paths.h"

#include <algorithm>

namespace pixol::files {

namespace {

struct Entry {
    std::string name;
    int32_t attributes;
};

// The entries of a native directory in name order (the order the original file system listed).
std::vector<Entry> listDirectory(const fs::path& dir, bool filesOnly)
{
    std::vector<Entry> out;
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    if (ec) return out;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        const auto bits = attributesOf(it->path());
        if (!bits) continue;
        if (filesOnly && (*bits & AttrDirectory)) continue;
        out.push_back({it->path().filename().string(), *bits});
    }
    std::sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return out;
}

} // namespace

int32_t FsControlAtrib(const std::string& Jme, int32_t& Atr1, int32_t& Atr2)
{
    Atr1 = Atr2 = 0;
    if (Jme.find_first_of("*?") != std::string::npos) return 0;
    const auto native = resolve(Jme);
    if (!native) return 0;
    const auto bits = attributesOf(*native);
    if (!bits) return 0;
    Atr2 = *bits;
    Atr1 = (*bits & (AttrDirectory | AttrSystem | AttrHidden)) ? -1 : (*bits & AttrReadOnly);
    return 1;
}

int32_t FsDirFun(const std::string& Jme, std::string& FsDCesta, int32_t& FsDPoc, salon::LongArray& FsDAttr,
                 salon::BoundedArray<std::string>& FsDJme)
{
    FsDCesta.clear();
    FsDPoc = 0;
    FsDAttr.erase();
    FsDJme.erase();
    const size_t slash = Jme.rfind('\\');
    if (slash == std::string::npos || slash + 1 < 3) return 0;
    const std::string dir = Jme.substr(0, slash + 1);
    const auto native = resolve(dir);
    if (!native) return 0;
    const auto entries = listDirectory(*native, false);
    if (entries.empty()) return 0;
    FsDAttr.redim(1, int32_t(entries.size()));
    FsDJme.redim(1, int32_t(entries.size()));
    for (size_t k = 0; k < entries.size(); ++k) {
        FsDAttr.values[k] = entries[k].attributes;
        FsDJme.values[k] = entries[k].name;
    }
    FsDPoc = int32_t(entries.size());
    FsDCesta = dir;
    return 1;
}

int32_t FsSkupina(const std::string& Jme, uint8_t FsVTyp, std::string& FsDCesta, int32_t& FsDPoc,
                  salon::LongArray& FsDAttr, salon::LongArray& FsDNum, salon::BoundedArray<std::string>& FsDJme)
{
    FsDCesta.clear();
    FsDPoc = 0;
    FsDAttr.erase();
    FsDNum.erase();
    FsDJme.erase();
    salon::BoundedArray<std::string> names;
    salon::LongArray types;
    int32_t count = 0, number = 0, digits = 0;
    if (!FsCesta(Jme, names, types, count, number, digits)) return 0;
    std::string base, ext;
    bool hasExt = false;
    for (int32_t k = 1; k <= count; ++k) {
        if (types(k) == 3) base = names(k);
        else if (types(k) == 4) ext = names(k), hasExt = true;
        else FsDCesta += SJmeSkup(names(k), types(k));
    }
    const std::string prefix = base.substr(0, base.size() - size_t(digits));
    const std::string suffix = hasExt ? "." + ext : "";
    const std::string pattern = prefix + (FsVTyp == 1 ? std::string(size_t(digits), '?') : "*") + suffix;
    const auto native = resolve(FsDCesta);
    std::vector<Entry> found;
    if (native)
        for (Entry& e : listDirectory(*native, true)) {
            if (!matchesPattern(e.name, pattern) || e.name.size() < prefix.size() + suffix.size()) continue;
            const std::string part = e.name.substr(prefix.size(), e.name.size() - prefix.size() - suffix.size());
            if (part.empty() || part.size() > 9 ||
                !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }))
                continue;
            found.push_back(std::move(e));
        }
    if (found.empty()) {
        FsDCesta.clear();
        return 0;
    }
    const int32_t n = int32_t(found.size());
    FsDAttr.redim(1, n);
    FsDNum.redim(1, n);
    FsDJme.redim(1, n);
    for (int32_t k = 0; k < n; ++k) {
        const Entry& e = found[size_t(k)];
        FsDAttr.values[size_t(k)] = e.attributes;
        FsDNum.values[size_t(k)] = std::stoi(e.name.substr(prefix.size(), e.name.size() - prefix.size() - suffix.size()));
        FsDJme.values[size_t(k)] = e.name;
    }
    FsDPoc = n;
    return 1;
}

int32_t SysCmDZ(const std::string& Disk, int32_t DTyp, bool& VTyp)
{
    VTyp = false;
    if (Disk.empty()) return 0;
    const char letter = char(std::toupper(static_cast<unsigned char>(Disk[0])));
    // The drive table is the drive list: SuSettingsP's copy of it would miss drives mounted since.
    const salon::Drive* d = salon::DriveTable::current().find(letter);
    const int32_t type = d ? int32_t(d->type) : 0;
    switch (DTyp) {
    case 0: VTyp = type >= 3 && type <= 6; break;
    case 1: VTyp = type == 2 || type == 3 || type == 5; break;
    case 2: VTyp = type == 2; break;
    case 3: VTyp = type == 5; break;
    case 4: VTyp = type == 3; break;
    case 5: VTyp = type == 4; break;
    default: VTyp = false;
    }
    return type;
}

int32_t SysFsDir(const std::string& NDir, const std::function<std::string(int32_t)>& text)
{
    salon::BoundedArray<std::string> names;
    salon::LongArray types;
    int32_t count = 0, number = 0, digits = 0;
    if (!FsCesta(NDir, names, types, count, number, digits) || count < 2 || types(1) != 1) return 0;
    bool fits = false;
    if (SysCmDZ(names(1), 0, fits) < 2) return 0;
    std::vector<std::string> levels;  // "C:\", "C:\a\", "C:\a\b\"
    std::string dir = SJmeSkup(names(1), 1);
    levels.push_back(dir);
    for (int32_t k = 2; k <= count; ++k)
        if (types(k) == 2) levels.push_back(dir += SJmeSkup(names(k), 2));
    std::error_code ec;
    const auto whole = resolve(dir);
    if (!whole) return 0;
    if (fs::is_directory(*whole, ec)) return 1;
    if (!askYesNo(dir + text(107) + state().lineEnd + text(108), false)) return 0;
    for (const std::string& level : levels) {
        const auto native = resolve(level);
        if (!native) return 0;
        if (fs::is_directory(*native, ec)) continue;
        if (!fs::create_directory(*native, ec) || ec) return 0;
    }
    return 1;
}

} // namespace pixol::files
