#pragma once
// The library's model file interface: SuCtiDSL reads a "JDSL" model into the caller's arrays,
// SuPisDSL writes them back (extended version only). Both return 1 on success and 0 on failure
// and never throw.
//
// The caller's arrays keep the lower bounds the interface gives them:
//   BObr1, BObr2   (0 .. RowBytes - 1, 0 .. Height - 1)   picture bytes, row by row
//   BTr1           (X1 .. X1 + W1 - 1, Y1 .. Y1 + H1 - 1) mask 1, columns fastest
//   BTr2, BTr3     over rectangle 2
//   BPlg1, BPlg2   (0 .. polygons - 1), BPbX*, BPbY* (0 .. points - 1)
//   BRgn           (1 .. H50), BDData (1 .. 30)
#include "platform/BoundedArray.h"
#include "platform/Ui.h"

#include <cstdint>
#include <string>
#include <vector>

namespace salon {


// The overwrite question when the caller has no text of its own (the library passes its text 68).
inline constexpr const char* OverwriteQuestionText = "Soubor již existuje. Přepsat?";
// Shown when the written length differs from the one the header promises.
inline constexpr const char* LengthErrorText = " Chyba delky souboru";

int32_t SuCtiDSL(const std::string& JmeSou, ByteArray2D& BObr1, ByteArray2D& BObr2, ByteArray2D& BTr1,
                 ByteArray2D& BTr2, ByteArray2D& BTr3, LongArray& BPlg1, LongArray& BPbX1, LongArray& BPbY1,
                 LongArray& BPlg2, LongArray& BPbX2, LongArray& BPbY2, std::string& JpObr, LongArray& BRgn,
                 LongArray& BDData);

// Dotaz: ask before overwriting an existing file (through ui). The file is written beside the
// target and renamed over it, so a failed write leaves the old file as it was.
int32_t SuPisDSL(Ui& ui, const std::string& JmeSou, const ByteArray2D& BObr1, const ByteArray2D& BObr2,
                 const ByteArray2D& BTr1, const ByteArray2D& BTr2, const ByteArray2D& BTr3, const LongArray& BPlg1,
                 const LongArray& BPbX1, const LongArray& BPbY1, const LongArray& BPlg2, const LongArray& BPbX2,
                 const LongArray& BPbY2, const std::string& JpObr, const LongArray& BRgn, const LongArray& BDData,
                 bool Dotaz = false, const std::string& question = OverwriteQuestionText);

} // namespace salon
