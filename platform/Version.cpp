#include "platform/Version.h"

#include "generated/SalonVersion.h"

namespace salon {

std::string_view suiteVersion() { return SALON_VERSION; }

std::string versionLine(std::string_view program)
{
    return std::string(program) + " (salon) " + std::string(suiteVersion()) + "\n";
}

bool asksForVersion(int argc, const char* const* argv)
{
    return argc >= 2 && argv[1] && std::string_view(argv[1]) == "--version";
}

} // namespace salon
