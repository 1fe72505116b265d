#pragma once
// SuCtiObsah: one picture of a picture contents file ("ISWG") drawn onto a picture object. The
// header of the file read last is cached (LibraryState::contentsCache); a file whose size or
// modification time changed is read again.
#include "platform/Surface.h"

#include <cstdint>
#include <string>

namespace pixol {

// ObTyp 0: the picture becomes Obj's picture and Obj takes its size. 1: centred on white in a
// surface of the file's cell size. 2: centred on white in XMax x YMax, cropped symmetrically where
// the picture is larger. CObr outside 1..CMax (or ObTyp above 2) draws nothing and still gives the
// header. XMax, YMax, CMax, SiText, SiName come back from the header; result 1, 0 on failure (the
// cache is then cleared).
int32_t SuCtiObsah(salon::Surface& Obj, const std::string& ObName, int32_t CObr, int32_t& XMax, int32_t& YMax,
                   int32_t& CMax, std::string& SiText, std::string& SiName, uint8_t ObTyp);

} // namespace pixol
