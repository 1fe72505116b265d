// dslmake: builds a hairstyle model file from a picture and outlines; --help lists the options.
#include "platform/Version.h"
#include "tools/commands/Commands.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (salon::asksForVersion(argc, argv)) {
        std::cout << salon::versionLine("dslmake");
        return 0;
    }
    return salon::tools::runDslMake(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
