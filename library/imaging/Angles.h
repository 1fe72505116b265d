#pragma once
// Angles, line directions, colour bytes and hexadecimal text. Angles are single precision; radians
// use pi = 3.141592654; directions are measured with y pointing down the screen, so a positive angle
// turns clockwise on the screen. The figures are computed in double precision and stored as
// singles, as the library always did, so results match to the last bit of a single.
#include <cstdint>
#include <string>

namespace pixol {

inline constexpr double Pi = 3.141592654;
inline constexpr double TwoPi = 6.283185308;

// Degrees into [-360, 360] and to radians (toRadians), or radians into [-2 pi, 2 pi] and to
// degrees. The wrapped input is written back.
void convertAngle(float& degrees, float& radians, bool toRadians);

// Length and direction in (-pi, pi] of (x1, y1) -> (x2, y2); 0 and a zero direction for a point.
// The sums are taken in double precision, so no segment between 32-bit points overflows.
void lineDirection(int32_t x1, int32_t y1, int32_t x2, int32_t y2, float& length, float& degrees, float& radians);

// Direction of (x1, y1) -> (x2, y2) in radians; differences below 0.1 in size count as 0.
float directionOf(float x1, float y1, float x2, float y2);

// The signed angle at the vertex (x1, y1) from the ray to (x3, y3) to the ray to (x2, y2), in
// (-pi, pi].
float vertexAngle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3);

// Red, green and blue bytes of a packed colour; false (and zeros) above 0xFFFFFF or negative.
bool colourBytes(int32_t colour, uint8_t& r, uint8_t& g, uint8_t& b);

// A hexadecimal number of width 32 (type 0, up to 8 digits), 16 (1, up to 4) or 8 bits (2, up to 2),
// "&H" allowed in front; a full-width number with the top bit set is negative (two's complement).
// False, and `value` unchanged, for anything else.
bool parseHex(const std::string& text, int32_t& value, int type);

} // namespace pixol
