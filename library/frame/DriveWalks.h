#pragma once
// Searches and statistics over whole drives. Every walk starts at the roots of the drive table,
// goes breadth-first, directories of one level in name order; it never follows a symbolic link
// (so a link cannot lead it in circles or off the drive), passes over directories it cannot read,
// and lets the program's pending events run every few hundred directories. Paths are reported in
// the programs' Windows-style form, directories ending in "\".
#include "platform/BoundedArray.h"

#include <cstdint>
#include <functional>
#include <string>

namespace pixol::files {

// SysFnDir: appends every directory named YDir (any case) to NDir after the NPoc already there.
int32_t SysFnDir(const std::string& YDir, salon::BoundedArray<std::string>& NDir, int32_t& NPoc);
// SysFnSou: appends every file (not directory) matching the pattern YSou.
int32_t SysFnSou(const std::string& YSou, salon::BoundedArray<std::string>& NSou, int32_t& NPoc);

// What SysCtiDisk reports per directory, the root first: full path, attributes, the bytes of the
// files directly inside, modification time (seconds since 1970, saturated), and the directory's
// own name ("" for the root).
struct DirectoryLists {
    salon::BoundedArray<std::string>* paths = nullptr;  // CisDir
    salon::BoundedArray<std::string>* names = nullptr;  // DisDir
    salon::LongArray* attributes = nullptr;             // AttDir
    salon::LongArray* bytes = nullptr;                  // LofDir
    salon::LongArray* times = nullptr;                  // CtmDir
};

// SysCtDisk / SysCtiDisk: DiskVal(1..6) = directories (below the root), files, bytes, and the same
// three outside any directory named "RECYCLED"; byte totals saturate at 2^31 - 1. A drive that does
// not fit DTyp, or whose root cannot be read (after up to 3 tries with text 105 / 106 on removable
// and CD-ROM drives), gives 0.
int32_t SysCtDisk(const std::string& Disk, salon::LongArray& DiskVal, int32_t DTyp,
                  const std::function<std::string(int32_t)>& text, const DirectoryLists* lists = nullptr);

} // namespace pixol::files
