#include "Swatches.h"

#include <cstddef>

namespace salon {

const std::array<Swatch, SwatchCount> SwatchTable = {{
    {36, 30, 34, 100},   {33, 27, 27, 87},    {40, 25, 25, 90},    {92, 24, 26, 142},   {48, 15, 14, 77},
    {33, 20, 19, 72},    {125, 53, 28, 206},  {70, 37, 25, 132},   {87, 37, 25, 149},   {41, 28, 21, 90},
    {37, 28, 18, 83},    {57, 36, 19, 112},   {23, 23, 21, 67},    {23, 18, 14, 55},    {36, 25, 17, 78},
    {93, 68, 46, 207},   {140, 109, 73, 322}, {172, 131, 77, 380}, {125, 79, 40, 244},  {89, 67, 43, 199},
    {54, 40, 27, 121},   {96, 73, 47, 213},   {39, 31, 27, 97},    {40, 30, 22, 92},    {64, 15, 13, 92},
    {53, 17, 14, 84},    {57, 39, 24, 120},   {37, 24, 27, 88},    {45, 30, 26, 101},   {43, 33, 25, 101},
    {41, 36, 29, 106},   {34, 31, 26, 91},    {28, 24, 23, 75},    {15, 15, 15, 45},    {171, 145, 83, 399},
    {157, 131, 74, 362}, {99, 76, 41, 216},   {72, 57, 35, 164},   {35, 33, 29, 97},    {24, 23, 19, 66},
    {15, 14, 12, 41},    {110, 46, 28, 184},  {67, 50, 34, 151},   {45, 35, 26, 106},   {85, 25, 16, 126},
    {35, 24, 18, 77},    {28, 19, 13, 60},    {43, 33, 34, 110},   {75, 59, 37, 171},
}};

uint32_t SwatchColours(int32_t index)
{
    if (index < 0 || index >= SwatchCount) return 0;
    const Swatch& s = SwatchTable[std::size_t(index)];
    return uint32_t(s.red) + 256u * s.green + 65536u * s.blue;
}

int32_t SwatchValue(int32_t index)
{
    if (index < 0 || index >= SwatchCount) return -1;
    return SwatchTable[std::size_t(index)].value;
}

int32_t SwatchClass(uint32_t colour)
{
    const float r = float(colour % 256);
    const float g = float(colour % 65536) / 256.0f;
    const float b = float(colour / 65536);
    const float sum = r + g + b;
    return sum > 220.0f ? 1 : sum > 120.0f ? 2 : 3;
}

} // namespace salon
