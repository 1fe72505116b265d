#include "presentation/EditorLaunch.h"

#include <spawn.h>

extern char** environ;

namespace prevu {

bool startProgram(const std::string& nativeProgram, const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(nativeProgram.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // posix_spawn reports a failed exec as an error, so success means the program runs. The
    // presentation ends right after it and is not the one to wait for it.
    pid_t pid = 0;
    return posix_spawn(&pid, nativeProgram.c_str(), nullptr, nullptr, argv.data(), environ) == 0;
}

} // namespace prevu
