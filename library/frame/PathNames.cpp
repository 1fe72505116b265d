#include "PathNames.h"

#include "library/frame/TextUtilities.h"

#include <cctype>
#include <vector>

namespace pixol::files {

namespace {

std::string trimmed(const std::string& s)
{
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
    return s.substr(a, b - a);
}

struct Component {
    std::string text;
    int32_t type;
};

// The components of a path, or false when it is refused.
bool split(const std::string& path, std::vector<Component>& out)
{
    const std::string s = trimmed(path);
    size_t scan;  // 0-based position where the directory names begin
    if (s.size() >= 2 && s[0] == '\\' && s[1] == '\\') {
        const size_t found = s.find("$\\");
        if (found == std::string::npos) return false;
        const size_t p = found + 1;  // 1-based position of "$\"
        if (p < 4 || p == 5) return false;
        if (p >= 6) out.push_back({s.substr(2, p - 5), 6});
        out.push_back({s.substr(p - 2, 1), 5});
        scan = p + 1;
    } else {
        if (s.size() < 3 || s[1] != ':' || s[2] != '\\') return false;
        out.push_back({s.substr(0, 1), 1});
        scan = 3;
    }
    size_t start = scan;
    for (size_t i = scan; i < s.size(); ++i)
        if (s[i] == '\\') {
            out.push_back({s.substr(start, i - start), 2});
            start = i + 1;
        }
    const std::string last = s.substr(start);
    if (last.empty()) return true;
    if (last.back() == '.') return false;
    const size_t dot = last.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        out.push_back({last, 3});
    } else {
        out.push_back({last.substr(0, dot), 3});
        out.push_back({last.substr(dot + 1), 4});
    }
    return true;
}

int32_t trailingDigits(const std::string& base)
{
    int32_t n = 0;
    for (size_t i = base.size(); i > 0 && std::isdigit(static_cast<unsigned char>(base[i - 1])); --i) ++n;
    return n;
}

} // namespace

int32_t FsCesta(const std::string& Jme, salon::BoundedArray<std::string>& FsCJme, salon::LongArray& FsTJme,
                int32_t& FsPJme, int32_t& FsPCis, int32_t& FsMCis)
{
    std::vector<Component> parts;
    if (!split(Jme, parts)) {
        FsCJme.erase();
        FsTJme.erase();
        FsPJme = 0;
        return 0;
    }
    if (FsPJme <= 0 || FsCJme.lower != 1 || FsTJme.lower != 1) {
        FsCJme.redim(1, 0);
        FsTJme.redim(1, 0);
        FsPJme = 0;
    }
    FsCJme.values.resize(size_t(FsPJme));
    FsTJme.values.resize(size_t(FsPJme));
    for (const Component& c : parts) {
        FsCJme.values.push_back(c.text);
        FsTJme.values.push_back(c.type);
        ++FsPJme;
        if (c.type == 3) {
            const int32_t digits = trailingDigits(c.text);
            FsMCis += digits;
            if (digits >= 1 && digits <= 9) FsPCis = std::stoi(c.text.substr(c.text.size() - size_t(digits)));
        }
    }
    return 1;
}

std::string SJmeSkup(const std::string& Ta, int32_t Tb)
{
    switch (Tb) {
    case 1: return Ta + ":\\";
    case 2: return Ta + "\\";
    case 3: return Ta;
    case 4: return "." + Ta;
    case 5: return Ta + "$\\";
    case 6: return "\\\\" + Ta + "\\";
    default: return "";
    }
}

int32_t FsNovJm(const std::string& Jme, std::string& NovJme, int32_t DCis, int32_t DTyp, int32_t& NCis)
{
    NovJme.clear();
    salon::BoundedArray<std::string> names;
    salon::LongArray types;
    int32_t count = 0, number = 0, digits = 0;
    if (!FsCesta(Jme, names, types, count, number, digits)) return 0;
    if (digits == 0) return -1;
    if (digits > 9) return -2;
    const int64_t wanted = DTyp != 0 ? int64_t(DCis) : int64_t(number) + DCis;
    if (wanted < INT32_MIN) return -3;
    if (wanted > INT32_MAX) return -4;
    NCis = int32_t(wanted);
    std::string formatted;
    const int32_t r = fixedDigits(NCis, digits, formatted);
    if (r == -1) return -3;
    if (r != 1) return -4;
    for (int32_t k = 1; k <= count; ++k) {
        std::string text = names(k);
        if (types(k) == 3) text = text.substr(0, text.size() - size_t(digits)) + formatted;
        NovJme += SJmeSkup(text, types(k));
    }
    return 1;
}

bool matchesPattern(const std::string& name, const std::string& pattern)
{
    auto up = [](char c) { return char(std::toupper(static_cast<unsigned char>(c))); };
    size_t n = 0, p = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || up(pattern[p]) == up(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

} // namespace pixol::files
