// dslcat: builds the catalogue of a data drive from model files; --help lists the options.
#include "platform/Version.h"
#include "tools/commands/Commands.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (salon::asksForVersion(argc, argv)) {
        std::cout << salon::versionLine("dslcat");
        return 0;
    }
    return salon::tools::runDslCat(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
