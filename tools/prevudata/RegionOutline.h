#pragma once
// Region files (NLG) from outlines: readable text, written through the graphics library.
//
// Outline text: "size W H" gives the reference size; every "polygon x,y x,y ..." line adds one
// polygon; all polygons together are filled with the even-odd rule. Lines starting with "//" and
// empty lines are skipped.
#include "platform/Region.h"
#include "platform/Result.h"

#include <string>
#include <string_view>

namespace salon::tools {

struct RegionOutline {
    int32_t width = 0, height = 0;
    Region region;
};

Result<RegionOutline> parseRegionOutline(std::string_view text);
// Writes the region as an NLG file with the outline's reference size (the library's SuPisNLG).
Result<bool> writeNlg(const RegionOutline& outline, const std::string& path);

} // namespace salon::tools
