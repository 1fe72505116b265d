#include "editor/shell/StartUp.h"

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
        searched = "(none)";
    return "No data drive with the hairstyle catalogue (dslob00.aob) was found.\n"
           "Searched: " + searched + "\n"
           "Name the drive on the command line (frizet01 /D) and map drive letters to directories "
           "with the SALON_DRIVES variable, e.g. SALON_DRIVES=\"D=/srv/salon\".";
}

namespace {

// Windows-1250, 0x80..0xFF. 0 marks the few unassigned codes, which become '?'.
constexpr char16_t kCp1250High[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

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

void appendUtf8(std::string& out, char16_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string textFromDataFile(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    for (unsigned char c : bytes) {
        char16_t u = c < 0x80 ? char16_t(c) : kCp1250High[c - 0x80];
        appendUtf8(out, u ? u : u'?');
    }
    return out;
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
