#pragma once
// The 49 hair colour swatches as the palette pictures show them: bank 1 is swatches 0-16
// (picture 19), bank 2 is 17-33 (picture 20), bank 3 is 34-48 (picture 21), one 110-pixel cell each.
// They must stay the engine's swatch colours, since a click on a cell recolours the hair with the
// engine's colour of that swatch; a test holds the two tables together.
#include <array>
#include <cstdint>

namespace pikvalt {

struct SwatchRgb {
    uint8_t red, green, blue;
};

inline constexpr int SwatchCellWidth = 110;

inline constexpr std::array<SwatchRgb, 49> SwatchRgbTable{{
    {36, 30, 34},   {33, 27, 27},   {40, 25, 25},   {92, 24, 26},   {48, 15, 14},   {33, 20, 19},   {125, 53, 28},
    {70, 37, 25},   {87, 37, 25},   {41, 28, 21},   {37, 28, 18},   {57, 36, 19},   {23, 23, 21},   {23, 18, 14},
    {36, 25, 17},   {93, 68, 46},   {140, 109, 73}, {172, 131, 77}, {125, 79, 40},  {89, 67, 43},   {54, 40, 27},
    {96, 73, 47},   {39, 31, 27},   {40, 30, 22},   {64, 15, 13},   {53, 17, 14},   {57, 39, 24},   {37, 24, 27},
    {45, 30, 26},   {43, 33, 25},   {41, 36, 29},   {34, 31, 26},   {28, 24, 23},   {15, 15, 15},   {171, 145, 83},
    {157, 131, 74}, {99, 76, 41},   {72, 57, 35},   {35, 33, 29},   {24, 23, 19},   {15, 14, 12},   {110, 46, 28},
    {67, 50, 34},   {45, 35, 26},   {85, 25, 16},   {35, 24, 18},   {28, 19, 13},   {43, 33, 34},   {75, 59, 37},
}};

} // namespace pikvalt
