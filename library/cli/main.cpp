// pixol: the graphics library from the command line, for developers and a salon's technician.
#include "Command.h"

#include "platform/Version.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <stdexcept>

namespace pixol::cli {

namespace {
std::vector<Command>& registry()
{
    static std::vector<Command> all;
    return all;
}

void printHelp()
{
    std::cout << "Usage: pixol COMMAND [OPTIONS]\n"
                 "The Pixol graphics library from the command line. Paths may be native or the\n"
                 "programs' Windows-style paths (D:\\orvella\\post01.nlg), resolved through SALON_DRIVES.\n\n"
                 "Commands:\n";
    for (const Command& c : registry()) std::cout << c.usage << "\n";
    std::cout << "\n  pixol --help       this text\n"
                 "  pixol --version    the version number\n";
}
} // namespace

const std::vector<Command>& commands() { return registry(); }

CommandRegistration::CommandRegistration(Command command) { registry().push_back(std::move(command)); }

const std::string* option(const std::vector<std::string>& args, const std::string& name)
{
    for (size_t i = 0; i < args.size(); ++i)
        if (args[i] == name) {
            if (i + 1 >= args.size()) throw std::invalid_argument(name + " needs a value");
            return &args[i + 1];
        }
    return nullptr;
}

bool flag(const std::vector<std::string>& args, const std::string& name)
{
    for (const std::string& a : args)
        if (a == name) return true;
    return false;
}

std::vector<std::string> positionals(const std::vector<std::string>& args, const std::vector<std::string>& flags)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) != 0) out.push_back(args[i]);
        else if (std::find(flags.begin(), flags.end(), args[i]) == flags.end()) ++i;  // its value
    }
    return out;
}

int fail(const std::string& message)
{
    std::cerr << "pixol: " << message << "\n";
    return 1;
}

} // namespace pixol::cli

int main(int argc, char** argv)
{
    using namespace pixol::cli;
    if (salon::asksForVersion(argc, argv)) {
        std::cout << salon::versionLine("pixol");
        return 0;
    }
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        printHelp();
        return args.empty() ? 2 : 0;
    }
    for (const Command& c : commands())
        if (c.name == args[0]) {
            try {
                return c.run(std::vector<std::string>(args.begin() + 1, args.end()));
            } catch (const std::exception& e) {
                return fail(e.what());
            }
        }
    return fail("unknown command \"" + args[0] + "\" (pixol --help lists them)");
}
