#pragma once
// The slideshow narration "Demo.nxt": one record of 600 Windows-1250 characters per slideshow step,
// blank-padded, made from a readable UTF-8 source.
//
// Source: a line "# N" starts the text of step N (0-16, each once, in order); the lines after it up
// to the next "# " line are that step's text, joined by single blanks. Empty lines and lines
// starting with "//" are skipped.
#include "platform/Result.h"

#include <string>
#include <string_view>

namespace salon::tools {

inline constexpr int NarrationSteps = 17;
inline constexpr int NarrationRecordBytes = 600;

// The file's bytes; an error naming the step for a text that does not fit a record or has a
// character Windows-1250 lacks, and for missing, repeated or out-of-order steps.
Result<std::string> narrationFile(std::string_view utf8Source);

} // namespace salon::tools
