#pragma once
// Frames of a region drawn on a picture, as picture controls draw the edges of buttons: the edge
// pixels of the region, one pixel wide on its inside, split by the way each pixel faces.
//   light part: pixels whose upper or left neighbour lies outside, and neither the lower nor the
//               right one does;
//   dark part:  pixels whose lower or right neighbour lies outside (so the bottom-left and
//               top-right corners go with the dark side, as the platform's raised edges draw them);
//   ring:       both parts together, the region minus its cross-shrunk self.
// The three are returned as new regions (old handles in the outputs released first); the region
// itself is only read (an empty or invalid one is released by the type-0 test, result 0).
#include "platform/Region.h"
#include "platform/Surface.h"

#include <cstdint>

namespace pixol::regions {

enum class FrameStyle { Plain, Raised, Sunken };

// Colours of the raised and sunken edges: the platform's button highlight and shadow.
inline constexpr uint32_t FrameLight = 0xFFFFFF;
inline constexpr uint32_t FrameShadow = 0x808080;

struct FrameParts {
    salon::Region light, dark, ring;
};
FrameParts frameParts(const salon::Region& r);

// Plain: the ring in the surface's pen colour (foreColour). Raised: light part light, dark part
// shadow. Sunken: the other way round. Hrgn1 light part, Hrgn2 dark part, Hrgn3 ring.
int32_t drawFrame(salon::Surface& obj, int32_t& h, int32_t& light, int32_t& dark, int32_t& ring, FrameStyle style);

} // namespace pixol::regions
