// pixol info: the environment as the library sees it, with the library's own labels.
// pixol stx make / show: the library's text files, made from the readable table in data/.
#include "Command.h"

#include "library/Pixolf.h"
#include "library/frame/TextFile.h"
#include "platform/PictureFile.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace pixol::cli {

namespace {

int32_t languageOption(const std::vector<std::string>& args)
{
    const std::string* value = option(args, "--language");
    if (!value) return 1;
    try {
        size_t used = 0;
        int n = std::stoi(*value, &used);
        if (used == value->size() && n >= 1 && n <= 999) return n;
    } catch (...) {
    }
    throw std::invalid_argument("--language takes a number 1-999 (1 Czech, 2 Slovak, 3 German, 4 English, 5 Spanish)");
}

int info(const std::vector<std::string>& args)
{
    Pixolf lib;
    const int32_t language = languageOption(args);
    if (!lib.SuSettingsP(language, std::filesystem::current_path().string()))
        return fail("the library's text file " + textFileName(language) + " in " + lib.SuDirSys() + " is damaged");
    static const char* const states[] = {"not loaded", "fallback text file", "own text file", "no text file"};
    std::cout << "Library texts:     " << (lib.SuSlovoSys().empty() ? "(none)" : lib.SuSlovoSys()) << " ("
              << states[lib.SuSettings() & 3] << ", language " << lib.SuJazyk() << ")\n"
              << "System directory:  " << lib.SuDirSys() << "\n"
              << "Windows directory: " << lib.SuDirWin() << "\n"
              << "Temporary folder:  " << lib.SuDirTmp() << "\n"
              << "Code page:         " << lib.SuCode() << "\n\n";
    LongArray values;
    StringArray labels;
    if (!lib.SysData2(values, labels)) return fail("the system information could not be read");
    for (int32_t i = 1; i <= 26; ++i) {
        std::string label = labels(i).empty() ? "(item " + std::to_string(i) + ")" : labels(i);
        if (i == 26) {
            std::cout << "  " << values(i) << "  " << label << "\n";
            continue;
        }
        std::cout << "  " << label << ": " << values(i) << "\n";
    }
    LongArray types;
    StringArray letters;
    const int32_t drives = lib.SysData3(types, letters);
    std::cout << "\n";
    for (int32_t i = 1; i <= drives; ++i)
        std::cout << "  " << letters(i) << ":  " << lib.StSTX(40 + types(i)) << " (" << types(i) << ")\n";
    return 0;
}

// The texts of one language column (1 Czech .. 5 Spanish) of the tab-separated table.
std::vector<std::string> textColumn(const std::string& tablePath, int column)
{
    std::ifstream in(tablePath);
    if (!in) throw std::runtime_error("cannot read " + tablePath);
    std::vector<std::string> texts;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream ss(line);
        for (std::string f; std::getline(ss, f, '\t');) fields.push_back(f);
        const int number = std::atoi(fields[0].c_str());
        if (number < 1 || number > MaxTexts || int(fields.size()) != 6)
            throw std::runtime_error(tablePath + ":" + std::to_string(lineNo) + ": expected a number and five texts");
        if (size_t(number) > texts.size()) texts.resize(size_t(number));
        texts[size_t(number) - 1] = fields[size_t(column)];
    }
    return texts;
}

int stx(const std::vector<std::string>& args)
{
    if (args.empty()) return fail("stx needs make or show");
    if (args[0] == "make") {
        const std::string *table = option(args, "--table"), *out = option(args, "--out");
        if (!table || !out) return fail("stx make needs --table FILE.tsv and --out FILE.STX");
        const int32_t language = languageOption(args);
        if (language > 5) return fail("the table has five languages");
        auto bytes = buildTextFile(textColumn(*table, language));
        if (!bytes) return fail("a text of language " + std::to_string(language) + " has a character Windows-1250 lacks");
        if (!salon::writeFileAtomically(*out, *bytes).ok()) return fail("cannot write " + *out);
        return 0;
    }
    if (args[0] == "show" && args.size() >= 2) {
        auto bytes = salon::readFileBytes(args[1], 64u << 20);
        if (!bytes.ok()) return fail("cannot read " + args[1]);
        auto table = parseTextFile(bytes.value());
        if (!table) return fail(args[1] + " is not a library text file (or it is damaged)");
        for (int32_t k = 1; k <= table->count(); ++k) {
            std::string text = readText(args[1], *table, k);
            if (!text.empty()) std::cout << k << "\t" << text << "\n";
        }
        return 0;
    }
    return fail("stx needs make or show");
}

const CommandRegistration infoCommand{{"info",
    "  pixol info [--language N]      the environment (screen, processor, memory, drives) with the\n"
    "                                 library's labels in language N (1 Czech, 4 English, ...)",
    info}};
const CommandRegistration stxCommand{{"stx",
    "  pixol stx make --table T.tsv --language N --out F.STX\n"
    "                                 a library text file from the table of texts\n"
    "  pixol stx show F.STX           the texts of a library text file",
    stx}};

} // namespace

} // namespace pixol::cli
