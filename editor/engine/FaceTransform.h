#pragma once
// The pixel work of the face transforms, on whole buffers. The engine's DeformTurn, DeformTilt
// and RotatePixels read a surface, run these and write the result back.
#include "editor/engine/PixelBuffer.h"

#include <cstdint>

namespace salon {

// The factor of a deformation level: -5..-1 -> 0.5..0.9, 1..5 -> 1.1..1.5; 0 for level 0 (no
// deformation) and for levels outside -5..5.
float DeformFactor(int32_t level);

// Imitated head turn: columns of local scale S(j) running linearly from 2 - f at the left to f at
// the right; the picture keeps its width. False (buffer untouched) unless 0.2 <= f <= 1.8 and the
// buffer is at least 21 x 21.
bool DeformTurnPixels(PixelBuffer& buffer, float f);
// The same over rows: 2 - f at the top row, f at the bottom.
bool DeformTiltPixels(PixelBuffer& buffer, float f);

// Adds or subtracts 360 until 0 <= angle <= 360.
void NormaliseAngle(float& angle);

// Rotation by a normalised angle in degrees (clockwise on screen) about ((W + 1) / 2, (W + 1) / 2),
// bilinear, with the 0.996 factors; pixels without a full source neighbourhood turn black.
[[nodiscard]] PixelBuffer RotatedPixels(const PixelBuffer& source, float angle);

} // namespace salon
