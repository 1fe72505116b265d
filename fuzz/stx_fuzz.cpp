// The library's text file reader on any bytes. A file it takes must keep every text inside the
// file, so that StSTX can read any text number without leaving it; a file it refuses must leave
// the library without texts.
#include "fuzz/FuzzSupport.h"

#include "library/frame/TextFile.h"

using namespace salon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    auto table = pixol::parseTextFile(bytes);
    if (!table) return 0;
    fuzz::check(table->count() >= 1 && table->count() <= pixol::MaxTexts, "a text count outside 1..1000 was taken");
    const std::string path = fuzz::writeScratch("in.stx", bytes).string();
    for (int32_t k = 1; k <= table->count(); ++k) {
        const int64_t pos = table->positions[size_t(k - 1)], len = table->lengths[size_t(k - 1)];
        fuzz::check(len == 0 || (pos >= 1 && pos - 1 + len <= int64_t(size)), "a text reaches past the file");
        // Decoding never gives fewer characters than bytes (Windows-1250 is one byte a character).
        fuzz::check(int64_t(pixol::readText(path, *table, k).size()) >= len, "a text was read short");
    }
    return 0;
}
