#pragma once
// Where a command writes its result. The name given on the command line goes through the drive
// table like every name a program reads ("D:\sheets\s.png" lands on drive D, matched without
// regard to case), and it is checked before any work is done: the folder must exist, the name
// must not be a folder, and it must not be one of the files the command reads - writing the result
// over its own model or photo would lose the input, whatever case or link the name takes.
#include "platform/Result.h"

#include <filesystem>
#include <span>
#include <string_view>

namespace salon {

Result<std::filesystem::path> outputPath(std::string_view out, std::span<const std::filesystem::path> inputs);

// True when both names lead to one existing file (through links, or by another case on a drive).
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace salon
