#pragma once
// Where the suite's own files are - the demo data drive, the editor's help file, the library's
// text files. Nothing of the build machine is compiled in: a program finds them from its own
// location, so an installed tree works wherever it is copied to and a build tree wherever it is
// moved.
//
// Installed (GNU directories): PREFIX/bin/frizet01 and PREFIX/lib/libpixol.so find
// PREFIX/share/salon/ and PREFIX/share/pixol/. In a build tree the programs sit in subfolders of
// the tree's root (the folder holding CMakeCache.txt), and the files where the build puts them.
#include <filesystem>
#include <optional>
#include <string_view>

namespace salon {

// The installation prefix of a program or library folder: `dir` with the installed relative
// folder (bin, lib/x86_64-linux-gnu...) taken off its end; none when dir does not end with it.
std::optional<std::filesystem::path> prefixOf(const std::filesystem::path& dir, const std::filesystem::path& installedDir);

// PREFIX/share/PACKAGE for a program or library installed in `moduleDir` (its bin or lib folder),
// when that folder exists.
std::optional<std::filesystem::path> installedDataDirectory(const std::filesystem::path& moduleDir,
                                                            std::string_view package);

// The root of the build tree `dir` lies in: the nearest folder upwards holding CMakeCache.txt.
std::optional<std::filesystem::path> buildTreeOf(const std::filesystem::path& dir);

// The suite's shared files for a program in `programDir`: PREFIX/share/salon when installed, else
// the build tree's root, else the program's own folder.
std::filesystem::path suiteDataDirectory(const std::filesystem::path& programDir);

// A file the program keeps beside itself in the build tree and under share/salon when installed.
std::filesystem::path suiteFile(const std::filesystem::path& programDir, std::string_view name);

// The data drive a program uses when SALON_DRIVES names none: "drive" in the suite's data folder.
std::filesystem::path demoDrive(const std::filesystem::path& programDir);

} // namespace salon
