#pragma once
// The boundary of a region as closed polygons.
//
// Every loop runs along pixel corners with only horizontal and vertical edges and emits only real
// corners (no two consecutive edges in one direction). Outer boundaries run clockwise on the screen
// (y down: right along a top edge, down a right edge), hole boundaries the other way, so the region
// always lies on the clockwise side of the way. Where two parts of the region touch only at a
// corner the trace turns towards its own part, so loops meet at that point but never cross.
// Filling all loops by the even-odd rule gives back exactly the region's pixels.
#include "platform/Region.h"

#include <vector>

namespace pixol::regions {

// The loops in the order their first edge appears: top to bottom, left to right.
std::vector<std::vector<salon::Point>> traceBoundary(const salon::Region& r);

} // namespace pixol::regions
