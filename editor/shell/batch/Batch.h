#pragma once
// frizet01 without a window: rendering a result from the command line (see batchHelp()).
#include <ostream>
#include <string>

namespace salon {

// True when the command line asks for a batch command (--render, --demo, --contact-sheet, --help).
bool isBatchCommand(int argc, char** argv);
// Runs it: 0 on success; on any failure the program's message goes to stderr, nothing is written
// and the result is non-zero.
int runBatch(int argc, char** argv);
// The same with the messages and reports going to the given streams.
int runBatch(int argc, char** argv, std::ostream& out, std::ostream& err);

std::string batchHelp();

} // namespace salon
