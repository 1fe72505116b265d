#pragma once
// File-system services over the programs' Windows-style paths. Paths resolve through the drive
// table (platform/Paths.h), each component matched without regard to case.
//
// Attribute bits as the original platform numbers them, derived on Linux from what the file system
// has: read-only 1 (the file cannot be written by this process), hidden 2 (a dot-name), system 4
// (never), directory 16, archive 32 (a regular file).
#include "platform/BoundedArray.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace pixol::files {

inline constexpr int32_t AttrReadOnly = 1, AttrHidden = 2, AttrSystem = 4, AttrDirectory = 16, AttrArchive = 32;

// FsExist: 1 when a normal file (not a directory, not hidden) of exactly that name exists.
// Wildcards never match: "*.bmp" is no file's name.
int32_t FsExist(const std::string& Jme);

// FsControlAtrib: Atr2 the attribute bits of an existing file or directory, Atr1 -1 for a
// directory, system or hidden entry, else its read-only bit; 1. Nothing there: both 0, result 0.
int32_t FsControlAtrib(const std::string& Jme, int32_t& Atr1, int32_t& Atr2);

// FsDirFun: every entry of the directory part of Jme (up to its last "", at least 3 characters),
// all kinds, "." and ".." left out, in name order; arrays 1..count. None: arrays erased, "", 0.
int32_t FsDirFun(const std::string& Jme, std::string& FsDCesta, int32_t& FsDPoc, salon::LongArray& FsDAttr,
                 salon::BoundedArray<std::string>& FsDJme);

// FsSkupina: the members of Jme's numbered series, files whose name is the base name with any
// digits in place of its number (FsVTyp 1: as many digits as Jme has), in name order.
int32_t FsSkupina(const std::string& Jme, uint8_t FsVTyp, std::string& FsDCesta, int32_t& FsDPoc,
                  salon::LongArray& FsDAttr, salon::LongArray& FsDNum, salon::BoundedArray<std::string>& FsDJme);

// SysCmDZ: the drive type of the drive named by Disk's first letter, 0 when not listed; VTyp
// whether it fits DTyp (0 any of 3-6, 1 = 2, 3 or 5, 2 removable, 3 CD-ROM, 4 fixed, 5 remote).
int32_t SysCmDZ(const std::string& Disk, int32_t DTyp, bool& VTyp);

// SysFsDir: 1 when the directory of NDir (its drive and directory components) exists or was made
// after the question "path + text 107 + line end + text 108" was answered Yes. `text` gives the
// library's texts.
int32_t SysFsDir(const std::string& NDir, const std::function<std::string(int32_t)>& text);

// The attribute bits of a native path; none when nothing is there. Symbolic links are reported as
// what they point to.
std::optional<int32_t> attributesOf(const std::filesystem::path& native);

// The native path of a Windows-style name, none for an unknown drive.
std::optional<std::filesystem::path> resolve(const std::string& name);

// Upper-cased last three characters equal `ext` (three upper-case letters).
bool hasExtension(const std::string& name, const char* ext);

} // namespace pixol::files

namespace pixol::files {

// A yes/no question through the thread's Ui (no Ui: "No"); true for Yes. The overwrite questions
// carry the exclamation mark and make No the default, so that Enter keeps the file.
bool askYesNo(const std::string& text, bool exclamationNoDefault);
// A message box with only OK; nothing when there is no Ui.
void tell(const std::string& text);

} // namespace pixol::files
