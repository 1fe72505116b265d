#include "Angles.h"

#include <cctype>
#include <cmath>

namespace pixol {

namespace {

// Repeated steps keep the rounding of the original arithmetic for ordinary angles; far-off values
// go through fmod first, so that a huge or infinite angle cannot stall the loop.
void wrap(float& value, double limit, double step)
{
    if (!std::isfinite(value)) return;
    if (std::fabs(double(value)) > 1e6 * step) value = float(std::fmod(double(value), step));
    while (double(value) > limit) value = float(double(value) - step);
    while (double(value) < -limit) value = float(double(value) + step);
}

// The direction rule shared by the line and vertex measures, with `half` and `whole` the values
// used for pi / 2 and pi.
double direction(double dx, double dy, double half, double whole)
{
    if ((dx == 0 && dy == 0) || (dy == 0 && dx > 0)) return 0;
    if (dy == 0) return whole;
    if (dx == 0) return dy > 0 ? half : -half;
    double a = std::atan(dy / dx);
    if (dx > 0) return a;
    return dy > 0 ? a + whole : a - whole;
}

// A ray's direction in [0, 2 pi).
double fullDirection(double dx, double dy)
{
    if ((dx == 0 && dy == 0) || (dy == 0 && dx > 0)) return 0;
    if (dy == 0) return Pi;
    if (dx == 0) return dy > 0 ? Pi / 2 : 9.424777962 / 2;
    double a = std::atan(dy / dx);
    if (dx > 0) return dy > 0 ? a : a + TwoPi;
    return a + Pi;
}

} // namespace

void convertAngle(float& degrees, float& radians, bool toRadians)
{
    if (toRadians) {
        wrap(degrees, 360, 360);
        radians = float(double(degrees) * Pi / 180);
    } else {
        wrap(radians, 6.2831855, TwoPi);
        degrees = float(double(radians) * 180 / Pi);
    }
}

void lineDirection(int32_t x1, int32_t y1, int32_t x2, int32_t y2, float& length, float& degrees, float& radians)
{
    const double dx = double(x2) - x1, dy = double(y2) - y1;
    length = float(std::sqrt(dx * dx + dy * dy));
    const double r = direction(dx, dy, Pi / 2, Pi);
    radians = float(r);
    degrees = float(r * 180 / Pi);
}

float directionOf(float x1, float y1, float x2, float y2)
{
    float dx = x2 - x1, dy = y2 - y1;
    if (std::fabs(dx) < 0.1f) dx = 0;
    if (std::fabs(dy) < 0.1f) dy = 0;
    if (!std::isfinite(dx) || !std::isfinite(dy)) return 0;
    return float(direction(dx, dy, 1.5707964f, 3.1415927f));
}

float vertexAngle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3)
{
    const double d2 = fullDirection(double(x2) - x1, double(y2) - y1);
    const double d3 = fullDirection(double(x3) - x1, double(y3) - y1);
    double a = d2 - d3;
    if (a > 3.1415927) a -= TwoPi;
    if (a < -3.1415927) a += TwoPi;
    return float(a);
}

bool colourBytes(int32_t colour, uint8_t& r, uint8_t& g, uint8_t& b)
{
    if (uint32_t(colour) > 0xFFFFFFu) {
        r = g = b = 0;
        return false;
    }
    r = uint8_t(colour % 256);
    g = uint8_t((colour & 0xFFFF) / 256);
    b = uint8_t(colour / 65536);
    return true;
}

bool parseHex(const std::string& text, int32_t& value, int type)
{
    static constexpr size_t maxDigits[3] = {8, 4, 2};
    if (type < 0 || type > 2) return false;
    size_t a = text.find_first_not_of(" \t"), z = text.find_last_not_of(" \t");
    std::string digits = a == std::string::npos ? "" : text.substr(a, z - a + 1);
    for (char& c : digits) c = char(std::toupper(static_cast<unsigned char>(c)));
    if (digits.rfind("&H", 0) == 0) digits.erase(0, 2);
    if (digits.size() > maxDigits[type]) return false;
    int64_t v = 0;
    for (char c : digits) {
        int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (d < 0) return false;
        v = v * 16 + d;
    }
    // Two's complement of the full width: -(value of the complemented digits + 1).
    const bool negative = type != 2 && digits.size() == maxDigits[type] && digits[0] > '7';
    if (negative) v = v - (int64_t(1) << (4 * maxDigits[type]));
    value = int32_t(v);
    return true;
}

} // namespace pixol
