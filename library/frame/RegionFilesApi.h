#pragma once
// The library's NLG and NSG file methods over the thread's region table. Readers scale the stored
// regions from their reference size to SrX x SrY (unchanged when any of the four is 0); writers
// record SrX x SrY as the reference size. Written files replace the old one by rename, so a failed
// write leaves it whole; `overwriteQuestion` is asked first when Dotaz is set and the file exists.
#include "platform/BoundedArray.h"

#include <cstdint>
#include <string>

namespace pixol {

int32_t SuCtiNLG(const std::string& JmeSou, int32_t SrX, int32_t SrY);
int32_t SuPisNLG(const std::string& JmeSou, int32_t Hrgn, bool Dotaz, int32_t SrX, int32_t SrY,
                 const std::string& overwriteQuestion);
// SadaHrgn becomes 1..m; every region it receives belongs to the caller. A damaged file leaves
// SadaHrgn as it was and creates nothing.
int32_t SuCtiNSG(const std::string& JmeSou, salon::LongArray& SadaHrgn, int32_t SrX, int32_t SrY);
int32_t SuPisNSG(const std::string& JmeSou, const salon::LongArray& SadaHrgn, bool Dotaz, int32_t SrX, int32_t SrY,
                 const std::string& overwriteQuestion);

} // namespace pixol
