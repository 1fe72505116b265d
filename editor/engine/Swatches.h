#pragma once
// The 49 hair colour swatches: colour and the value that a model's allowed range is tested
// against. The value is the channel sum except for swatch 21 (213 rather than 216).
#include <array>
#include <cstdint>

namespace salon {

struct Swatch {
    uint8_t red, green, blue;
    int32_t value;
};

inline constexpr int32_t SwatchCount = 49;
extern const std::array<Swatch, SwatchCount> SwatchTable;

// Packed colour (red + 256 green + 65536 blue) of a swatch; 0 for an index outside 0..48.
uint32_t SwatchColours(int32_t index);
// The swatch value tested against the model's range; -1 outside 0..48.
int32_t SwatchValue(int32_t index);

// Brightness class of a target colour for hair recolouring: 1 light (sum above 220), 2 medium
// (above 120), 3 dark. Green counts with the fraction that red contributes to (C mod 65536) / 256.
int32_t SwatchClass(uint32_t colour);

} // namespace salon
