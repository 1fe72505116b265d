#pragma once
// The pixol command's subcommands. Each family of the library adds its own file to library/cli/
// with a static CommandRegistration; main() dispatches on the first argument.
#include "platform/Bitmap.h"
#include "platform/Result.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace pixol::cli {

struct Command {
    std::string name;      // first argument, e.g. "info"
    std::string usage;     // one or more lines for `pixol --help`
    std::function<int(const std::vector<std::string>& args)> run;  // args after the name; exit status
};

const std::vector<Command>& commands();

struct CommandRegistration {
    explicit CommandRegistration(Command command);
};

// Option helpers shared by the subcommands.
// The value after `name` in args ("--size" "512,560"), none when absent; a missing value throws.
const std::string* option(const std::vector<std::string>& args, const std::string& name);
bool flag(const std::vector<std::string>& args, const std::string& name);
// The arguments that are neither options nor option values, in order, wherever the options stand;
// `flags` names the options that take no value.
std::vector<std::string> positionals(const std::vector<std::string>& args, const std::vector<std::string>& flags = {});
// Where a command's result picture goes, checked before any work is done: the name goes through the
// drive table, its folder must exist, and it must not be one of the `inputs` - a misplaced argument
// must not cost the user the picture it was made from. Results are BMP, or PNG for a name ending
// in .png; a name of another picture type (.jpg, .gif, .ico...) is refused rather than given BMP
// bytes under it.
salon::Result<std::filesystem::path> resultPath(const std::string& out, const std::vector<std::string>& inputs);
salon::Result<bool> writePicture(const std::filesystem::path& path, const salon::Bitmap& picture);
// Errors a subcommand reports: "pixol: " + message on stderr, exit status 1.
int fail(const std::string& message);

} // namespace pixol::cli
