#pragma once
// Starting another program as a new process: the program file and its arguments go to the new
// process as a list, never through a shell, so no character of a path or argument is interpreted.
#include <string>
#include <vector>

namespace prevu {

// True when the program was started (its image was executed); the new process is not waited for.
bool startProgram(const std::string& nativeProgram, const std::vector<std::string>& args);

} // namespace prevu
