#include "editor/shell/StartUp.h"

#include "editor/shell/texts/Texts.h"
#include "platform/CodePage.h"
#include "platform/PictureFile.h"

#include <cctype>

namespace salon {

std::string trimBlanks(std::string_view s)
{
    size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    size_t e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

std::string programDirString(std::string_view dir)
{
    std::string d = trimBlanks(dir);
    if (d.size() > 3 && d.back() != '\\' && d.back() != '/')
        d += '\\';
    return d;
}

std::string joinCommandLine(std::span<const std::string> args)
{
    std::string line;
    for (const auto& a : args) {
        if (!line.empty())
            line += ' ';
        line += a;
    }
    return line;
}

std::string chooseDataDrive(std::string_view commandLine, const DriveTable& drives)
{
    std::string drive;
    for (const Drive& d : drives.drives()) {
        if (FileExists(std::string(1, d.letter) + ":\\dslob00.aob")) {
            drive = std::string(1, d.letter);
            break;
        }
    }
    if (commandLine.size() == 2 && commandLine[0] == '/')
        drive = std::string(1, char(std::toupper(static_cast<unsigned char>(commandLine[1]))));
    return drive;
}

std::string noDataDriveMessage(const DriveTable& drives)
{
    std::string searched;
    for (const Drive& d : drives.drives())
        searched += std::string(searched.empty() ? "" : ", ") + d.letter + ": = " + d.root.string();
    if (searched.empty())
        searched = "-";
    return ResText(200) + "\n" + ResText(201) + searched + "\n" + ResText(202);
}

namespace {

bool isValidUtf8(std::string_view s)
{
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = s[i];
        int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (n < 0 || (n > 0 && i + size_t(n) >= s.size()))
            return false;
        for (int k = 1; k <= n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2)
                return false;
        i += size_t(n) + 1;
    }
    return true;
}

} // namespace

std::string textFromDataFile(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return cp1250ToUtf8(bytes);
}

std::vector<Category> parseCategoryFile(std::span<const uint8_t> bytes)
{
    std::vector<Category> out;
    const size_t n = bytes.size() / 32;
    for (size_t k = 0; k < n; ++k) {
        auto field = [&](size_t off, size_t len) {
            return std::string_view(reinterpret_cast<const char*>(bytes.data()) + 32 * k + off, len);
        };
        out.push_back({textFromDataFile(trimBlanks(field(0, 24))), trimBlanks(field(24, 4)),
                       trimBlanks(field(28, 4))});
    }
    return out;
}

Result<std::vector<Category>> readCategoryFile(std::string_view dataDrive)
{
    const std::string path = std::string(dataDrive) + ":\\dslob00.aob";
    auto native = nativePath(path);
    if (!native)
        return Error{"The data drive " + std::string(dataDrive) + ": is not in the drive table."};
    auto bytes = readFileBytes(*native, 1u << 20);
    if (!bytes)
        return Error{"The category file " + native->string() + " cannot be read: " + bytes.error()};
    if (bytes.value().size() < 32)
        return Error{"The category file " + native->string() + " holds no category."};
    return parseCategoryFile(bytes.value());
}

std::vector<std::string> categoryListItems(const std::vector<Category>& categories)
{
    std::vector<std::string> items{" "};
    for (const auto& c : categories)
        items.push_back(c.name + "   ");
    return items;
}

} // namespace salon
