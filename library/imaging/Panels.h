#pragma once
// Picture panels: laying pictures of given sizes out in rows on a panel of fixed width (a contact
// sheet or a toolbar of previews), over two 32-bit tables.
//
// Size table A (from its lower bound): panel width, gap, then the width and height of every
// picture. PsObrPanel fills B (0..4n): B(0) the panel's height, then for picture i (from 1)
// B(4i - 3..4i) = left, top, width, height. Pictures go left to right with the gap around and
// between them; a picture that would cross the right edge starts a new row; a row is as tall as
// its tallest picture; a picture wider than the panel sits alone on its row. Result: the number
// of rows, 0 for a malformed table (width < 1, gap < 0, sizes below 1, an odd size list).
//
// PsObrPanelSet(Typ, HsD) prepares such a table: Typ 1 sorts the pictures by height, tallest first
// (fewer ragged rows), 2 reverses their order, 3 scales every picture to the smallest height and
// 4 to the largest (widths rounded half to even, at least 1). Result: the number of pictures, 0 for
// a malformed table or another Typ.
#include "platform/BoundedArray.h"

#include <cstdint>

namespace pixol::panels {

int32_t layout(const salon::LongArray& a, salon::LongArray& b);
int32_t prepare(int32_t typ, salon::LongArray& hsD);

} // namespace pixol::panels
