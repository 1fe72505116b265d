#pragma once
// Watermarks and the three-array blend, steered by a data table JData (32-bit, from index 0).
//
// PsVoda(Hrgn, JData, BPole): marks region Hrgn (0: everything) into pixel array BPole.
//   JData(0), JData(1) the array's width and height; JData(2) strength 1..100 %;
//   JData(3) 0 lighten (b + (255 - b) s), 1 darken (b (1 - s)), 2 tint towards colour JData(4)
//   (b (1 - s) + c s). Result 1, 0 refused, -1 when the region misses the picture.
// PsVodaObj(Obj, BPole, JData[, Hrgn]): lays the byte mask BPole (rank 2, from 0; its bounds are
//   its size) on Obj at (JData(0), JData(1)); each covered pixel changes with s = mask / 255 x
//   JData(2) / 100 by the kind JData(3) as above (colour JData(4)); limited to region Hrgn when one
//   is given. The object's image changes; its kept picture stays. Result 1 / 0.
// PsZmenaObj(PoleA, PoleB, PoleC, JData, BPole): three pixel arrays of JData(0) x JData(1) and a
//   byte mask BPole of that size: m = B + (C - B) mask / 255, then A becomes A + (m - A) s with
//   s = JData(2) / 100. Result 1 / 0.
// Every table, array and mask is checked before a byte is changed.
#include "platform/BoundedArray.h"
#include "platform/Surface.h"

#include <cstdint>

namespace pixol::watermarks {

int32_t markRegion(int32_t hrgn, const salon::LongArray& jData, salon::ByteArray& bPole);
int32_t markObject(salon::Surface& obj, const salon::ByteArray& bPole, const salon::LongArray& jData,
                   int32_t hrgn);
int32_t blendThree(salon::ByteArray& a, const salon::ByteArray& b, const salon::ByteArray& c,
                   const salon::LongArray& jData, const salon::ByteArray& mask);

} // namespace pixol::watermarks
