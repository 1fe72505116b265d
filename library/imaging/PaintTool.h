#pragma once
// The mouse-driven painting tool (PsMaluj): the caller forwards its mouse events and keeps the
// collected points; the tool draws with the object's pen and fill settings (SObrMode).
//
// Events (MouseStat): 1 button down, 2 move, 3 button up. Button bit 1 paints with the pen colour
// (ForeColor), bit 2 with the back colour. Shift bit 1 constrains: lines to multiples of 45
// degrees, rectangles and ellipses to squares and circles.
// Kinds (Typ):
//   1 freehand: every move with a button down draws from the last point to the new one;
//   2 line, 3 rectangle, 4 ellipse: from the point of the button-down to the current point, shown
//     as the mouse moves (the picture is kept at button-down and brought back for each preview, so
//     previews need automatic redraw; without it only the final figure is drawn) and drawn for
//     good at button-up; rectangles and ellipses are filled with the fill colour and style;
//   5 polygon: each left button-down adds a vertex; a right button-down (or the SiStop-th vertex)
//     closes and fills it;
//   6 fill: the 4-connected area of the colour under the point takes the colour. With FillRgnStat
//     non-zero on entry, the filled area comes back as a new region FillRgn (the caller owns it)
//     and FillRgnStat becomes 1.
// Points: AXY(2i - 1), AXY(2i) = x, y of point i (from 1), Pocet of them; AXY grows as needed. For
// 2-4, point 1 is the start and point 2 the current end. SiStop (> 0) ends a freehand trace after
// that many points. MsTyp receives the pointer to show (PsObjCursor number): the brush outline of
// the pen width for freehand, the paint bucket (62) for fill, the cross (2) otherwise.
// Result: 1 event taken, 2 figure finished, 0 refused (kind or event out of range, no picture).
#include "platform/BoundedArray.h"
#include "platform/Region.h"
#include "platform/Surface.h"

#include <cstdint>
#include <optional>

namespace pixol::painttool {

struct Event {
    int32_t mouseStat;
    uint8_t typ;
    int16_t button, shift;
    float mx, my;
    int32_t siStop;
};

struct FillOutput {
    int32_t* stat = nullptr;
    int32_t* region = nullptr;
};

int32_t maluj(salon::Surface& obj, const Event& e, salon::LongArray& axy, int32_t& pocet, FillOutput fill,
              int32_t& msTyp);

// The 4-connected area of pixels equal in colour to (x, y); invalid off the picture.
salon::Region floodArea(const salon::Bitmap& image, int32_t x, int32_t y);

} // namespace pixol::painttool
