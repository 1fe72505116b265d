#pragma once
// Mouse pointers for the Qt views: the picture controls' standard pointer numbers and the custom
// pointers built from cursor files.
#include "platform/PictureFile.h"

#include <QCursor>

#include <cstdint>

namespace salon {

// Pointer numbers 0-15 of a picture control (0 default, 1 arrow, 2 cross, 3 I-beam, 4 icon,
// 5 size, 6-9 the four sizing directions, 10 up arrow, 11 hourglass, 12 no drop, 13 arrow and
// hourglass, 14 arrow and question mark, 15 size all); other numbers give the arrow.
[[nodiscard]] Qt::CursorShape standardPointer(int32_t number);

// The cursor's image where its mask hides the screen, transparent where the mask lets the screen
// through, pointing with its hot spot. (A monochrome cursor's inverting pixels show transparent:
// Qt's pixmap cursors cannot invert the screen under them.)
[[nodiscard]] QCursor toQCursor(const CursorPicture& cursor);

} // namespace salon
