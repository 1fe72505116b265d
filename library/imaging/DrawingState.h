#pragma once
// Drawing state of picture objects: colours, fill, pen, draw and stretch modes, the selected brush,
// the mouse pointer, and the colour dropper.
//
// Settings take effect only inside their ranges (-1 or anything else out of range: no change).
// Brush numbers: 0 the null brush, 1-5 stock white .. black, 6-10 the library's pattern brushes
// (the eleven brushes of the library's brush set, never released here), 11 a new solid brush of a
// random colour, 12 a new solid brush of the given colour. A brush the library made for an earlier
// call (11, 12) is released when another is selected into the same object; a brush the caller
// owns is never released.
// Pointers: 0-15 the standard pointers; 20-80 the library's cursor (value - 10) as the custom
// pointer 99. The library carries cursors 10-59 (LibraryCursors.h).
#include "platform/Surface.h"

#include <cstdint>

namespace pixol::drawing {

struct Settings {
    int32_t back, fore, fill, fillStyle, drawMode, drawStyle, drawWidth, stretchMode;
};
void apply(salon::Surface& obj, const Settings& s);

int32_t selectBrush(salon::Surface& obj, int32_t number, int32_t colour);
int32_t selectedBrush(const salon::Surface& obj);

int32_t setPointer(salon::Surface& obj, int32_t msTyp0);

// Average colour of the square of side 2 radius - 1 around (xa, ya), inside the picture; -1 refused.
int32_t dropper(const salon::Surface& obj, float xa, float ya, int32_t radius);

} // namespace pixol::drawing
