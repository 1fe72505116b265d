#pragma once
// The number rules every picture routine shares, each in one place.
//
// - A real becomes an integer by rounding to the nearest, ties to even. std::lrint/nearbyint do
//   exactly that in the default rounding mode, which this program never changes.
// - Fix drops the fraction toward zero.
// - "\" of the original arithmetic is C++ integer division (truncating toward zero).
// - Channel arithmetic is single precision; the build uses -ffp-contract=off so that a*b+c is never
//   fused and the results are the same on every machine.
#include <cmath>
#include <cstdint>

namespace salon {

[[nodiscard]] inline int32_t roundHalfEven(float v) { return static_cast<int32_t>(std::lrintf(v)); }
[[nodiscard]] inline int32_t roundHalfEven(double v) { return static_cast<int32_t>(std::lrint(v)); }

// The same rounding for values that may lie beyond 32 bits (a quotient of a hostile offset and a
// tiny scale): the nearest 64-bit whole number, ties to even, saturated at +-2^62 so that sums
// of a few such values still fit; NaN counts as the upper end. Equal to roundHalfEven wherever
// that one's result fits.
[[nodiscard]] inline int64_t roundWide(float v)
{
    constexpr float Limit = 4611686018427387904.0f;  // 2^62
    if (v >= -Limit && v <= Limit) return static_cast<int64_t>(std::llrintf(v));
    return v < 0 ? -(int64_t(1) << 62) : int64_t(1) << 62;
}

// Nearest whole number, ties to even, clamped to a channel. The formulas keep their results inside
// 0..255 by construction (the 0.996 factors); the clamp only guards against a malformed input.
// (This runs for every channel of every pixel step: it decides the range first and rounds with
// lrintf - one instruction, as the build sets -fno-math-errno - instead of calling nearbyintf; the
// results are the same for every v, since v < 0 rounds to 0 or below and v >= 255.5 to 256 or
// above.)
[[nodiscard]] inline uint8_t toByte(float v)
{
    if (!(v >= 0.0f)) return 0;  // also catches NaN
    if (v >= 255.5f) return 255;
    return static_cast<uint8_t>(std::lrintf(v));
}

// The conversion itself truncates toward zero (for every value that fits, as trunc would).
[[nodiscard]] inline int32_t fix(float v) { return static_cast<int32_t>(v); }
[[nodiscard]] inline int32_t fix(double v) { return static_cast<int32_t>(v); }

// Integer division truncating toward zero ("\"); b must not be 0.
[[nodiscard]] constexpr int32_t intDiv(int32_t a, int32_t b) { return a / b; }

// Bytes of one 24-bit row, padded to a multiple of 4: 4 * floor((3w - 1) / 4) + 4.
[[nodiscard]] constexpr int32_t rowBytes24(int32_t width) { return ((3 * width + 3) / 4) * 4; }

// Packed colour: red + 256 * green + 65536 * blue.
[[nodiscard]] constexpr uint32_t packRgb(uint8_t r, uint8_t g, uint8_t b)
{
    return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16);
}
[[nodiscard]] constexpr uint8_t redOf(uint32_t c) { return uint8_t(c & 0xFF); }
[[nodiscard]] constexpr uint8_t greenOf(uint32_t c) { return uint8_t((c >> 8) & 0xFF); }
[[nodiscard]] constexpr uint8_t blueOf(uint32_t c) { return uint8_t((c >> 16) & 0xFF); }

// Window layout arrives in twips; 15 twips make one pixel.
inline constexpr int32_t TwipsPerPixel = 15;

} // namespace salon
