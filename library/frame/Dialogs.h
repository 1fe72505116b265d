#pragma once
// The library's standard dialogs: open and save (with the file type filters and the follow-up
// questions), colour, font and print. They go through the thread's Ui; without one every dialog is
// cancelled. `text(n)` gives library text n (titles 50-57, 102-104; questions 62, 65, 66).
#include "platform/BoundedArray.h"

#include <cstdint>
#include <functional>
#include <string>

namespace pixol::files {

using TextLookup = std::function<std::string(int32_t)>;

// FsOpenSou, modes 0-7:
//   0 open   title 50   file must exist
//   1 open   title 51   file must exist
//   2 open   title 52   file must exist; a read-only file asks text 65, a directory, system or
//                       hidden file shows text 62 and is refused
//   3 save   title 53
//   4 save   title 54   a file that does not exist asks text 66
//   5 save   title 55   the dialog asks before overwriting
//   6 open   title 56   several files
//   7 open   title 57   several files
// JmeOpen becomes 1..1 (1..k for several files) with the chosen paths, Windows-style. Cancelled,
// answered No, or any other mode: JmeOpen(1) = "" and 0.
int32_t FsOpenSou(uint8_t FsTyp, const std::string& FsDir, const std::string& FsTypSou,
                  salon::BoundedArray<std::string>& JmeOpen, const std::string& FsTitle, const TextLookup& text);

// SysDgColor: the chosen colour, -1 when cancelled. Ag1 0 opens the full dialog, 2 full with the
// full-open button off, 3 never full, anything else the plain dialog; Ag2 >= 0 the start colour.
int32_t SysDgColor(int32_t Ag1, int32_t Ag2, const TextLookup& text);

// SysDgFont: sizes 8-100 of existing fonts; returns bold, italic, strikeout, underline, name,
// size rounded half to even, colour and weight (400 normal, 700 bold). The flags Ag1-Ag5 and
// SyFlag are combined; with the effects flag (&H100) unset underline, strikeout and colour are
// not offered and come back as false and 0.
int32_t SysDgFont(bool& TF1, bool& TF2, bool& TF3, bool& TF4, std::string& TF5, int32_t& TF6, int32_t& TF7,
                  int32_t& TF8, int32_t flags, const TextLookup& text);

// SysDgPrint: copies, first and last page, starting at 1 copy, pages 1 to 1 within 1-10. The flag
// &H8 (no page numbers) hides the page range.
int32_t SysDgPrint(int32_t& TF1, int32_t& TF2, int32_t& TF3, int32_t flags, const TextLookup& text);

} // namespace pixol::files
