#pragma once
// The system information tables: 26 figures with their labels, and the drive list.
#include "library/frame/LibraryState.h"
#include "platform/BoundedArray.h"

#include <cstdint>
#include <string>

namespace pixol {

// Items 1-26 (screen, colour depth and class, processor, memory, version) with the library's labels.
void systemFigures(LibraryState& s, salon::LongArray& values, salon::BoundedArray<std::string>& labels);

// The drives of the drive table: letters and types from 1; their count.
int32_t driveList(salon::LongArray& types, salon::BoundedArray<std::string>& letters);

// A new temporary file name in the temporary directory, Windows-style; prefix cut to 3 letters
// ("Suv" when empty), a negative number counts as 0 (then the file is made).
std::string newTemporaryName(const std::string& prefix, int32_t number);

} // namespace pixol
