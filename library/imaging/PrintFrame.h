#pragma once
// The print frame (PsPrintRamecek): a rectangle of four corners, turned by an angle, that the user
// moves over a picture to choose what is printed. The caller keeps the corners and forwards what
// the mouse did; the library sets the frame up, draws it, and keeps it a turned rectangle.
//
// Corners 1..4 are the unturned top-left, top-right, bottom-right and bottom-left; Uhel is in
// degrees, clockwise on the screen (y down).
//   Typ 1  set up: the picture's rectangle inset by a tenth of each side, turned by Uhel about its
//          centre (corners rounded half to even).
//   Typ 2  draw the frame with inverted pixels (drawing it again removes it); the object's pen
//          settings are kept.
//   Typ 3  corner 1 or 3 was dragged: the frame is rebuilt on the diagonal 1-3 at angle Uhel; with
//          Shift bit 1 it keeps the picture's proportions.
//   Typ 4  Uhel was changed: the frame turns about its centre, keeping its sides.
// MsTyp0..6 receive the pointers to show (standard pointer numbers): 0 inside the frame (size all,
// 15), 1-4 over the corners (diagonal sizes 6 or 8 by where the corner points), 5 over the edges
// (7 or 9 by the angle), 6 outside (0). Result 1; 0 for another Typ, an angle that is not a
// number, or a picture under 2 x 2.
#include "platform/Surface.h"

#include <array>
#include <cstdint>

namespace pixol::printframe {

struct Frame {
    std::array<int32_t, 4> x{}, y{};
    float angle = 0;
    std::array<int32_t, 7> pointers{};
};

int32_t run(salon::Surface& obj, int32_t typ, int16_t shift, Frame& f);

} // namespace pixol::printframe
