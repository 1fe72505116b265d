#include "FileTypes.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace pixol {

namespace {

struct Kind {
    int type, group;
    const char* extension;
    const char* signature;
};

constexpr char JpegSignature[] = {char(255), char(216), char(255), char(224), 0};

const Kind kinds[] = {
    {0, 0, "*", ""},       {1, 1, "BMP", "BM"},    {2, 1, "JPG", JpegSignature}, {3, 1, "GIF", "GIF8"},
    {4, 2, "ICO", ""},     {5, 1, "RLE", ""},      {6, 1, "WMF", ""},      {7, 1, "EMF", ""},
    {8, 0, "CUR", ""},     {9, 8, "DSL", "JDSL"},  {10, 8, "DSM", "JDSM"}, {11, 8, "DSN", "JDSN"},
    {12, 4, "HBR", "HB"},  {13, 4, "ZXL", "ZXXL"}, {14, 4, "ZIR", "ZIRB"}, {15, 4, "ZWR", "ZWRB"},
    {16, 4, "ZAW", "ZAOW"}, {17, 8, "ZOW", "ZWOW"}, {18, 4, "ZBW", "ZBOW"}, {19, 9, "OTT", "STP3"},
    {21, 8, "JPF", "WJPF"}, {22, 8, "JPS", "WJPS"}, {23, 8, "WUA", "SWUA"}, {24, 8, "WWA", "SWWA"},
    {25, 8, "WWB", "SWWB"}, {26, 8, "WWC", "SWWC"}, {27, 8, "WWD", "SWWD"}, {28, 8, "WRB", "WR"},
    {29, 4, "IRB", "IW"},  {30, 4, "WHM", "WH"},   {31, 4, "WXL", "WX"},   {32, 4, "XXL", "XX"},
    {33, 8, "WOW", "SWOW"}, {34, 8, "AOW", "SAOW"}, {35, 8, "XXB", "WWBR"}, {36, 8, "JPH", "WJPH"},
    {37, 4, "WRC", "WWRC"}, {38, 9, "OTN", "STP6"}, {39, 6, "IRW", "IWRG"}, {40, 6, "AOB", ""},
    {41, 5, "TMT", "WTMT"}, {42, 5, "TMF", "WTMF"}, {43, 9, "STT", "STP1"}, {44, 9, "DTT", "STP2"},
    {45, 9, "STN", "STP4"}, {46, 9, "DTN", "STP5"}, {47, 0, "PLG", "PLG1"}, {48, 0, "PSG", "PLG2"},
    {49, 0, "PBG", "BTP1"}, {50, 0, "PCG", "BTP2"}, {51, 0, "NLG", "PLG3"}, {52, 0, "NSG", "PLG4"},
    {53, 0, "NBG", "BTP3"}, {54, 0, "NCG", "BTP4"}, {55, 6, "ISW", "ISWG"},
};

std::string upper(std::string s)
{
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string trimmed(const std::string& s)
{
    size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

} // namespace

std::string buildFileTypeTable()
{
    std::string table;
    table.reserve(1000);
    for (int k = 0; k < 100; ++k) {
        char entry[11];
        std::snprintf(entry, sizeof entry, "%02d0       ", k);
        for (const Kind& kind : kinds)
            if (kind.type == k) {
                entry[2] = char('0' + kind.group);
                std::string ext = kind.extension, sig = kind.signature;
                ext.resize(3, ' ');
                sig.insert(0, 4 - sig.size(), ' ');
                std::copy(ext.begin(), ext.end(), entry + 3);
                std::copy(sig.begin(), sig.end(), entry + 6);
            }
        table.append(entry, 10);
    }
    return table;
}

int32_t findFileType(const std::string& table, const std::string& extension, int32_t& type)
{
    type = 0;
    if (extension.empty() || extension.size() >= 4 || table.size() < 1000) return 0;
    const std::string wanted = upper(extension);
    for (int32_t k = 0; k < 100; ++k)
        if (upper(trimmed(table.substr(size_t(k) * 10 + 3, 3))) == wanted) {
            type = k;
            return 1;
        }
    return 0;
}

int32_t fileTypeEntry(const std::string& table, int32_t type, FileTypeEntry& entry)
{
    entry = FileTypeEntry{};
    if (type < 0 || type > 99 || table.size() < 1000) return 0;
    const std::string e = table.substr(size_t(type) * 10, 10);
    entry.group = e[2] >= '0' && e[2] <= '9' ? e[2] - '0' : 0;
    entry.extension = trimmed(e.substr(3, 3));
    entry.signature = trimmed(e.substr(6, 4));
    return 1;
}

std::string fileDialogFilter(const std::string& table, const std::string& typeList,
                             const std::function<std::string(int32_t)>& text)
{
    const std::string list = upper(typeList);
    std::string filter;
    for (size_t at = 0; at + 3 <= list.size(); at += 4) {
        const std::string token = list.substr(at, 3);
        std::string description = text(91), extension;
        FileTypeEntry entry;
        if (token == "***") {
            extension = "*";
        } else if (token[0] == '&') {
            int32_t type = std::isdigit(static_cast<unsigned char>(token[1])) && std::isdigit(static_cast<unsigned char>(token[2]))
                               ? (token[1] - '0') * 10 + (token[2] - '0') : -1;
            if (!fileTypeEntry(table, type, entry) || entry.extension.empty()) continue;
            extension = entry.extension;
            description = text(91 + entry.group);
        } else {
            extension = trimmed(token);
            if (extension.empty()) continue;
            int32_t type = 0;
            findFileType(table, extension, type);
            if (type >= 1 && fileTypeEntry(table, type, entry)) {
                extension = entry.extension;
                description = text(91 + entry.group);
            }
        }
        filter += description + "  *." + extension + "|*." + extension + "|";
    }
    return filter.empty() ? text(91) + "  *.*|*.*|" : filter;
}

} // namespace pixol
