#pragma once
// The pixol command's subcommands. Each family of the library adds its own file to library/cli/
// with a static CommandRegistration; main() dispatches on the first argument.
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
// Errors a subcommand reports: "pixol: " + message on stderr, exit status 1.
int fail(const std::string& message);

} // namespace pixol::cli
