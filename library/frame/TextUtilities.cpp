#include "TextUtilities.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace pixol {

namespace {

// The general number format: as many significant digits as the type carries, no trailing zeros,
// an exponent "E+10" / "E-05" only where the plain form would be too long.
std::string general(double value, int significant)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", significant, value);
    std::string s = buf;
    if (auto e = s.find('e'); e != std::string::npos) s[e] = 'E';
    return s;
}

} // namespace

std::string numberText(float Cis, int32_t places)
{
    if (places >= 0 && places <= 5 && std::isfinite(Cis)) {
        const double scale = std::pow(10.0, places);
        const double product = double(Cis) * scale;
        if (product >= double(std::numeric_limits<int32_t>::min()) - 0.5 &&
            product <= double(std::numeric_limits<int32_t>::max()) + 0.5) {
            const double rounded = std::nearbyint(product);
            if (rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max())
                return general(rounded / scale, 15);
        }
    }
    return general(double(Cis), 7);  // a single carries about 7 significant digits
}

int32_t fixedDigits(int32_t Cislo, int32_t digits, std::string& out)
{
    out.clear();
    if (digits < 1 || digits > 9) return 0;
    if (Cislo < 0) return -1;
    std::string plain = std::to_string(Cislo);
    if (int32_t(plain.size()) > digits) return -2;
    out = std::string(size_t(digits) - plain.size(), '0') + plain;
    return 1;
}

void scramble(std::string& text, bool forward)
{
    if (text.size() < 2) return;
    for (size_t k = 0; k < text.size(); ++k) {
        const uint64_t i = k + 1;
        const int d = int(i % 2 + i % 121 + i % 37 + i % 7 + i % 3);
        int c = static_cast<unsigned char>(text[k]);
        c = forward ? c + d : c - d;
        if (c >= 256) c -= 256;
        if (c < 0) c += 256;
        text[k] = char(c);
    }
}

} // namespace pixol
