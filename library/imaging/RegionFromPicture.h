#pragma once
// Regions made from a picture's pixels: the pixels that pass a brightness or colour test
// (RgnObraz), and the four-connected area of similar colour around a seed pixel (RgnHulka).
// Pixels are read from the picture object's drawable area as 24-bit rows.
#include "platform/Surface.h"

#include <cstdint>

namespace pixol::regions {

int32_t fromPicture(const salon::Surface& obj, int32_t typ, int32_t delta, int32_t colour);
int32_t magicWand(const salon::Surface& obj, int32_t tolerance, int32_t seedX, int32_t seedY);

} // namespace pixol::regions
