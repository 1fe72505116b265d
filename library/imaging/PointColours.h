#pragma once
// Point colour lists and the whole-picture colour checks.
//
// A point list is Thx(i), Thy(i), i = 1..HBod: every list is checked to hold 1..HBod before any
// pixel is touched, and points off the picture are skipped (read as colour 0). Colours are packed
// red + 256 green + 65536 blue.
//
// The drawn-over-background blend: L = nint((red + green + blue of the drawn colour D) / 3),
// k = L / (2 PJas) below 2 PJas, else 1; each channel nint(F x (1 - k) 0.996) + nint(D x k). Dark
// drawn colours let the background through, bright ones cover it; the 0.996 keeps the sum a byte.
#include "platform/BoundedArray.h"
#include "platform/Surface.h"

#include <cstdint>
#include <memory>

namespace pixol::imaging {

using salon::ByteArray;
using salon::LongArray;

int32_t pointColours(const ByteArray& pole, const LongArray& thx, const LongArray& thy, LongArray& thf,
                     int32_t count);
// Blends the points into the surface's drawn image (drawable coordinates).
int32_t blendPoints(salon::Surface& obj, const LongArray& thx, const LongArray& thy, const LongArray& thd,
                    const LongArray& thf, int32_t count, int32_t pJas);
// The blend of one pair, for tests and callers that work on single colours.
uint32_t blendPointColour(uint32_t background, uint32_t drawn, int32_t pJas);

int32_t liftBlacks(salon::Surface& obj);     // every byte <= 239 becomes c - c \ 16 + 15
int32_t hasNearBlack(salon::Surface& obj);   // 2 / 1 / 0

// A black W x H picture with the region white (inverted when `invert`).
std::unique_ptr<salon::Surface> regionMask(int32_t hrgn, int32_t width, int32_t height, bool invert);

// Byte array (x, y) to weights 0..1 (element x + W y) or to bytes.
int32_t bytesToWeights(int32_t bmX, int32_t bmY, int32_t nMin, int32_t nMax, const ByteArray& bPole,
                       salon::BoundedArray<float>& sPole, float nKor, float nStep);
int32_t bytesToBytes(int32_t bmX, int32_t bmY, int32_t nMin, int32_t nMax, const ByteArray& bPole,
                     ByteArray& cPole, int32_t nKor, int32_t nStep);

} // namespace pixol::imaging
