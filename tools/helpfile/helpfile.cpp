// helpfile: builds the editor's help text file "NpvHair.tmf" from readable RTF pages.
//   helpfile OUT.tmf PAGE0.rtf PAGE1.rtf ...
// The pages are RTF written in UTF-8 so that they read as Czech in any editor; each is checked to
// parse into some text and stored 7-bit, every character above 127 as a \u escape.
#include "editor/shell/HelpFile.h"
#include "editor/shell/RtfReader.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: helpfile OUT.tmf PAGE.rtf...\n");
        return 2;
    }
    std::vector<std::string> pages;
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "helpfile: cannot read %s\n", argv[i]);
            return 1;
        }
        const std::string src((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (src.rfind("{\\rtf", 0) != 0) {
            std::fprintf(stderr, "helpfile: %s is not RTF\n", argv[i]);
            return 1;
        }
        std::string page = salon::rtfEscapeUtf8(src);
        if (salon::readRtf(page).empty()) {
            std::fprintf(stderr, "helpfile: %s has no text\n", argv[i]);
            return 1;
        }
        pages.push_back(std::move(page));
    }
    const std::vector<uint8_t> bytes = salon::buildHelpFile(pages);
    const std::filesystem::path out = argv[1];
    const std::filesystem::path tmp = out.string() + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!f.flush()) {
            std::fprintf(stderr, "helpfile: cannot write %s\n", tmp.c_str());
            return 1;
        }
    }
    std::error_code ec;
    std::filesystem::rename(tmp, out, ec);
    if (ec) {
        std::fprintf(stderr, "helpfile: cannot write %s: %s\n", out.c_str(), ec.message().c_str());
        return 1;
    }
    return 0;
}
