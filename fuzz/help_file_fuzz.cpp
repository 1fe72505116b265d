// The help file "NpvHair.tmf" on any bytes: every page the index names is read only from inside
// the file, and whatever text it holds goes through the rich-text reader to the help window.
#include "fuzz/FuzzSupport.h"

#include "editor/shell/HelpFile.h"
#include "editor/shell/RtfReader.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace salon;
    const std::vector<uint8_t> file(data, data + size);
    const int32_t count = helpPageCount(file);
    fuzz::check(count >= 0, "a negative page count");
    // The editor asks for pages 0 to 98 only, but the reader must hold for any number.
    for (int32_t page : {-1, 0, 1, 7, 16, 98, 99, count - 1, count, INT32_MAX}) {
        auto text = helpPage(file, page);
        if (!text) continue;
        fuzz::check(text->size() <= size, "a help page longer than its file");
        (void)richTextToHtml(readRtf(*text));
    }
    // Page texts are arbitrary bytes once a file is damaged: the reader gets them whole, too.
    (void)richTextToHtml(readRtf(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
