#pragma once
// The file type registry: 100 numbered kinds, each with a description group, an extension and a
// signature, kept as one 1000-character string of 10-character entries:
//   characters 1-2   the type number ("00".."99", always the entry's position)
//   3                the description group 0-9 (its dialog text is 91 + group)
//   4-6              the extension, upper case, blank-padded on the right; blank when free
//   7-10             the signature (first bytes of such a file), blank-padded on the left
// Types 20 and 56-99 are free.
#include <cstdint>
#include <functional>
#include <string>

namespace pixol {

std::string buildFileTypeTable();

// FsDefTyp: the first type whose extension equals `extension` without regard to case; 1 found,
// 0 otherwise (type 0). Only the table side is trimmed: " BMP" does not match.
int32_t findFileType(const std::string& table, const std::string& extension, int32_t& type);

struct FileTypeEntry {
    int32_t group = 0;
    std::string extension;  // trimmed
    std::string signature;  // trimmed; raw bytes (the JPEG one is FF D8 FF E0)
};
// FsTypExt: 1 and the entry for types 0..99, else 0 and an empty entry.
int32_t fileTypeEntry(const std::string& table, int32_t type, FileTypeEntry& entry);

// The filter list of the file dialog from a type list ("BMP JPG", "&02", "***"): tokens of three
// characters at every fourth position, each giving `description  *.ext|*.ext|`; `text(n)` gives
// library text n. Nothing usable gives text 91 + "  *.*|*.*|".
std::string fileDialogFilter(const std::string& table, const std::string& typeList,
                             const std::function<std::string(int32_t)>& text);

} // namespace pixol
