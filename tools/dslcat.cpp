// dslcat: builds the catalogue of a data drive from model files; --help lists the options.
#include "tools/commands/Commands.h"

#include <iostream>

int main(int argc, char** argv)
{
    return salon::tools::runDslCat(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
