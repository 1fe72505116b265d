#include "editor/shell/texts/Texts.h"

#include <charconv>
#include <string_view>
#include <unordered_map>

namespace salon {
namespace {

// data/texts/editor.txt, byte for byte.
constexpr unsigned char kTableSource[] = {
#include "EditorTexts.inc"
};

// One entry a line: "<id> "<text>"". The text runs from the first to the last double quote, so
// leading and trailing blanks survive; malformed lines are skipped rather than guessed at.
std::unordered_map<int32_t, std::string> parseTable(std::string_view src)
{
    std::unordered_map<int32_t, std::string> table;
    while (!src.empty()) {
        size_t end = src.find('\n');
        std::string_view line = src.substr(0, end);
        src = end == std::string_view::npos ? std::string_view{} : src.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        int32_t id = 0;
        auto [after, ec] = std::from_chars(line.data(), line.data() + line.size(), id);
        if (ec != std::errc{})
            continue;
        size_t open = line.find('"', size_t(after - line.data()));
        size_t close = line.rfind('"');
        if (open == std::string_view::npos || close == open)
            continue;
        table.emplace(id, std::string(line.substr(open + 1, close - open - 1)));
    }
    return table;
}

const std::unordered_map<int32_t, std::string>& table()
{
    static const auto t = parseTable(
        std::string_view(reinterpret_cast<const char*>(kTableSource), sizeof kTableSource));
    return t;
}

} // namespace

std::string ResText(int32_t id)
{
    int32_t key = id < 700 ? id + TextOffset : id;
    auto it = table().find(key);
    return it == table().end() ? std::string{} : it->second;
}

int32_t errorTextId(int32_t errorNumber)
{
    switch (errorNumber) {
    case 52: return 511;
    case 53: return 513;
    case 54: return 514;
    case 55: return 515;
    case 57: return 516;
    case 58: return 517;
    case 59: return 518;
    case 61: return 519;
    case 62: return 520;
    case 63: return 521;
    case 67: return 522;
    case 68: return 523;
    case 70: return 524;
    case 71: return 525;
    case 74: return 526;
    case 75: return 527;
    case 76: return 528;
    case 321: return 529;
    case 322: return 530;
    case 31036: return 531;
    case 31037: return 532;
    case 7: return 536;
    case 31001: return 537;
    default: return 0;
    }
}

} // namespace salon
