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
