#pragma once
// The editor's text table: five language blocks of 1000 ids (0 Czech, 1000 Slovak, 2000 German,
// 3000 English, 4000 Spanish); ids 700 and above are language-independent data kept once, in the
// Czech block. Texts are UTF-8 here and keep their leading and trailing blanks.
#include <cstdint>
#include <string>

namespace salon {

// Added to every id below 700. The editor always speaks Czech, so it stays 0.
inline int32_t TextOffset = 0;

// The entry id + TextOffset for ids below 700, else the entry id; "" for an id not in the table.
std::string ResText(int32_t id);

// The message id for a run-time error number of a file operation (52 -> 511, ...); 0 when none.
int32_t errorTextId(int32_t errorNumber);

} // namespace salon
