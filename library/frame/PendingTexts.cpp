// Stands in for the library's text lookup until the text files are built in; the real StSTX, a
// strong definition, takes its place wherever both are linked. Delete this file then.
#include "library/Pixolf.h"

namespace pixol {

__attribute__((weak)) std::string Pixolf::StSTX(int32_t) { return ""; }

} // namespace pixol
