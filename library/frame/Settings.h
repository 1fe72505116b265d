#pragma once
// The library's settings: the environment SuSettingsP reads into the state, the text file it loads,
// and the eleven brushes of the brush table.
#include "library/frame/LibraryState.h"

#include <cstdint>
#include <string>

namespace pixol {

// SuSettingsP: 1 on success (states 1, 2, 3), 0 for a language outside 1..999 or a damaged text
// file (state 0, language 0, no texts). A language file that is missing or damaged falls back to
// Pixol001.STX; when that is missing the library runs without texts (state 3).
int32_t loadSettings(LibraryState& s, int32_t language, const std::string& appDir);

// StSTX: text k of the loaded file, UTF-8; "" unless a file is loaded and k is one of its texts.
std::string libraryText(const LibraryState& s, int32_t k);

// PsObrBrush: 0 a solid brush of `colour` (0..0xFFFFFF), 1-5 the library's pattern brushes;
// 0 for anything else. The caller owns the brush.
int32_t makeBrush(LibraryState& s, int32_t kind, int32_t colour);
// PsSysBrush: the stock brush 0-5 (white, light grey, grey, dark grey, black, null); 0 outside.
int32_t stockBrush(int32_t kind);

// Fills the brush table (entries 1-5 pattern brushes, 0 the null brush, 6-10 the greys), first
// releasing the pattern brushes of an earlier fill.
void fillBrushSet(LibraryState& s);

// Deletes the scratch file and forgets it.
void removeScratchFile(LibraryState& s);

} // namespace pixol
