#pragma once
// Paths taken apart into typed components and put back together, and the numbered series of file
// names built on that (foto007.bmp, foto008.bmp...). Component types:
//   1 drive letter ("C" -> "C:\")          4 extension ("bmp" -> ".bmp")
//   2 directory name ("pic" -> "pic\")     5 drive of an administrative share ("C" -> "C$\")
//   3 file base name                       6 computer name of a network path ("PC" -> "\\PC\")
#include "platform/BoundedArray.h"

#include <cstdint>
#include <string>

namespace pixol::files {

// FsCesta. Components are appended to FsCJme / FsTJme (1-based) after the FsPJme already counted;
// FsMCis counts up the digits ending the base name, FsPCis is their value when there are 1-9.
// A refused path erases both arrays and sets FsPJme to 0; result 0.
int32_t FsCesta(const std::string& Jme, salon::BoundedArray<std::string>& FsCJme, salon::LongArray& FsTJme,
                int32_t& FsPJme, int32_t& FsPCis, int32_t& FsMCis);

// SJmeSkup: the joined form of one component; "" for an unknown type.
std::string SJmeSkup(const std::string& Ta, int32_t Tb);

// FsNovJm: status 1 (NovJme made), 0 (path refused), -1 (no number), -2 (more than 9 digits),
// -3 (negative number), -4 (the number needs more digits; also when it leaves 32 bits).
int32_t FsNovJm(const std::string& Jme, std::string& NovJme, int32_t DCis, int32_t DTyp, int32_t& NCis);

// Wildcard match of a file name without regard to case: '*' any run, '?' one character.
bool matchesPattern(const std::string& name, const std::string& pattern);

} // namespace pixol::files
