#pragma once
// The library's own mouse cursors, resources 10-59: monochrome cursor files carried inside the
// library (data/library/cursors, drawn by tools/cursors/make_cursors.py), each with its AND mask and
// hot spot. Black and white on a transparent ground, so they show on any picture:
//   10-25  brush outlines: circles of radius 1..16 (the brush sizes of the strokes), 48 x 48 so
//          that the largest keeps its halo, hot spot at the centre (24, 24)
//   26-41  the same circles with a small centre cross (the clone stamp's target), 48 x 48
//   42-49  cross-hairs whose centre gap is 0..7 pixels, 32 x 32, hot spot at the centre (16, 16)
//   50-59  tools, 32 x 32, the hot spot where the tool touches the picture: 50 pencil, 51 brush, 52 paint
//          bucket, 53 stamp, 54 colour dropper, 55 move, 56 rotate, 57 magnifier, 58 magic wand,
//          59 eraser
#include "platform/PictureFile.h"

#include <cstdint>
#include <optional>

namespace pixol::cursors {

using Cursor = salon::CursorPicture;

constexpr int32_t First = 10, Last = 59;
// Tool cursors by what they show.
enum Tool : int32_t { Pencil = 50, Brush, Bucket, Stamp, Dropper, Move, Rotate, Magnifier, Wand, Eraser };

// The cursor of a resource number; none outside 10-59 or when its file cannot be read.
std::optional<Cursor> find(int32_t resource);

// The cursor as it shows over a white window, as one 24-bit picture: where its mask lets the
// screen through, white with the image's colour inverting it; elsewhere the image.
salon::Bitmap overWhite(const Cursor& cursor);

} // namespace pixol::cursors
