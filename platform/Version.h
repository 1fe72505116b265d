#pragma once
// The suite's version as every command reports it. The number itself comes from the build
// (project(... VERSION ...)), so the programs, the man pages and the package all say the same.
#include <string>
#include <string_view>

namespace salon {

// "0.1": the suite's version number.
std::string_view suiteVersion();

// What `PROGRAM --version` prints: "PROGRAM (salon) 0.1" and a newline, the form man page
// generators read.
std::string versionLine(std::string_view program);

// Whether a command line asks only for the version: its first argument is --version.
bool asksForVersion(int argc, const char* const* argv);

} // namespace salon
