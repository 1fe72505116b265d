#pragma once
// File-system services over the programs' Windows-style paths. Paths resolve through the drive
// table (platform/Paths.h), each component matched without regard to case.
//
// Attribute bits as the original platform numbers them, derived on Linux from what the file system
// has: read-only 1 (the file cannot be written by this process), hidden 2 (a dot-name), system 4
// (never), directory 16, archive 32 (a regular file).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace pixol::files {

inline constexpr int32_t AttrReadOnly = 1, AttrHidden = 2, AttrSystem = 4, AttrDirectory = 16, AttrArchive = 32;

// FsExist: 1 when a normal file (not a directory, not hidden) of exactly that name exists.
// Wildcards never match: "*.bmp" is no file's name.
int32_t FsExist(const std::string& Jme);

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
