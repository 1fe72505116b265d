#pragma once
// The authoring commands as functions, so that tests run them exactly as a salon does.
// Each returns the process exit code: 0 done, 1 bad input (nothing written), 2 bad usage.
#include <ostream>
#include <string>
#include <vector>

namespace salon::tools {

// dslmake: one model file from a picture and outlines (see usage text).
int runDslMake(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// dslcat: the category list, contents files with previews and model files of a data drive.
int runDslCat(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace salon::tools
