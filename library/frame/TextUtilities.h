#pragma once
// Small text utilities of the library: numbers to text and the reversible scrambling of strings.
#include <cstdint>
#include <string>

namespace pixol {

// Cis rounded half to even to `places` decimals (0..5) in the general number format ("0.12",
// "3", "1E+10"); with more places, or when the scaled value leaves 32 bits, Cis as it is.
std::string numberText(float Cis, int32_t places);

// Cislo as exactly `digits` decimal digits, zero-padded: 1; "" and 0 for digits outside 1..9,
// -1 for a negative number, -2 for one with more digits.
int32_t fixedDigits(int32_t Cislo, int32_t digits, std::string& out);

// Adds (scramble) or subtracts (unscramble) a position-dependent offset to every byte, modulo 256.
// Strings of 0 or 1 bytes stay as they are.
void scramble(std::string& text, bool forward);

} // namespace pixol
