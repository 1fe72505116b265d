#include "tools/prevudata/Narration.h"

#include "platform/CodePage.h"

#include <sstream>

namespace salon::tools {

Result<std::string> narrationFile(std::string_view utf8Source)
{
    std::string out;
    std::string text;
    int step = -1;
    auto finish = [&]() -> std::optional<std::string> {
        if (step < 0) return std::nullopt;
        auto bytes = utf8ToCp1250(text);
        if (!bytes) return "step " + std::to_string(step) + ": a character Windows-1250 does not have";
        if (bytes->size() > size_t(NarrationRecordBytes))
            return "step " + std::to_string(step) + ": " + std::to_string(bytes->size()) + " bytes, more than 600";
        std::string record = *bytes;
        record.resize(size_t(NarrationRecordBytes), ' ');
        out += record;
        return std::nullopt;
    };
    std::istringstream in{std::string(utf8Source)};
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.rfind("//", 0) == 0) continue;
        if (line.rfind("# ", 0) == 0) {
            if (auto error = finish()) return Error{*error};
            int n = -1;
            try {
                n = std::stoi(line.substr(2));
            } catch (...) {
            }
            if (n != step + 1) return Error{"step " + line.substr(2) + " where step " + std::to_string(step + 1) + " was due"};
            step = n;
            text.clear();
            continue;
        }
        if (step < 0) return Error{"text before the first step"};
        if (!text.empty()) text += ' ';
        text += line;
    }
    if (auto error = finish()) return Error{*error};
    if (step != NarrationSteps - 1) return Error{"the narration has " + std::to_string(step + 1) + " steps, not 17"};
    return out;
}

} // namespace salon::tools
