#pragma once
// The library's own mouse cursors, resources 10-59: 32 x 32 pictures with an AND mask and a hot
// spot, as a cursor file carries them. They are drawn from their description rather than stored,
// so every size stays exact:
//   10-25  brush outlines: circles of radius 1..16 (the brush sizes of the strokes)
//   26-41  the same circles with a centre cross
//   42-49  crosshairs whose centre gap is 0..7 pixels
//   50-59  square outlines of side 3, 5 .. 21 (rectangular tools)
// Outlines are black with a white halo, so they show on any picture; the hot spot is the centre
// (16, 16).
#include "platform/Bitmap.h"

#include <cstdint>
#include <optional>

namespace pixol::cursors {

struct Cursor {
    salon::Bitmap colour;  // 24-bit, 32 x 32
    salon::Bitmap mask;    // 24-bit: white where the picture under the cursor shows through
    int32_t hotX = 16, hotY = 16;
};

constexpr int32_t First = 10, Last = 59;

std::optional<Cursor> find(int32_t resource);

} // namespace pixol::cursors
