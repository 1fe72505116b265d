#include "Resources.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace pixol {

namespace {

// One character per pixel: '#' black, '+' dark grey, '.' light grey, ' ' white.
salon::Bitmap draw(int32_t w, int32_t h, std::string_view rows)
{
    salon::Bitmap b = salon::Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            char c = rows[size_t(y * w + x)];
            uint32_t grey = c == '#' ? 0 : c == '+' ? 64 : c == '.' ? 192 : 255;
            b.setPixel(x, y, grey * 0x010101u);
        }
    return b;
}

// A 16 x 16 tile from an 8 x 8 motif repeated, the size the pattern brushes are made from.
salon::Bitmap tile(std::string_view motif8)
{
    std::string rows;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) rows += motif8[size_t((y % 8) * 8 + x % 8)];
    return draw(16, 16, rows);
}

constexpr std::string_view DiagonalHatch =  // resource 5, brush 1: fine diagonal hatch
    "#       "
    " #      "
    "  #     "
    "   #    "
    "    #   "
    "     #  "
    "      # "
    "       #";
constexpr std::string_view CrossHatch =     // resource 4, brush 2: cross hatch
    "#   #   "
    " # # #  "
    "  #   # "
    " # # #  "
    "#   #   "
    " # # #  "
    "  #   # "
    " # # #  ";
constexpr std::string_view Checker =        // resource 69, brush 3: half-tone checker
    "# # # # "
    " # # # #"
    "# # # # "
    " # # # #"
    "# # # # "
    " # # # #"
    "# # # # "
    " # # # #";
constexpr std::string_view Bricks =         // resource 70, brush 4: bricks
    "########"
    "#       "
    "#       "
    "#       "
    "########"
    "    #   "
    "    #   "
    "    #   ";
constexpr std::string_view Dots =           // resource 9, brush 5: sparse dots
    "+       "
    "        "
    "    +   "
    "        "
    "+       "
    "        "
    "    +   "
    "        ";

salon::Bitmap probe()
{
    // A small framed swatch; only its depth is measured, but a person opening it sees what it is.
    salon::Bitmap b = salon::Bitmap::rgb24(24, 32);
    for (int32_t y = 0; y < 32; ++y)
        for (int32_t x = 0; x < 24; ++x) {
            bool frame = x == 0 || y == 0 || x == 23 || y == 31;
            uint32_t c = frame ? 0 : uint32_t(x * 10) | uint32_t(y * 8) << 8 | 0x80u << 16;
            b.setPixel(x, y, c);
        }
    return b;
}

} // namespace

std::optional<salon::Bitmap> libraryBitmap(int32_t id)
{
    switch (id) {
    case 3: return probe();
    case 4: return tile(CrossHatch);
    case 5: return tile(DiagonalHatch);
    case 9: return tile(Dots);
    case 69: return tile(Checker);
    case 70: return tile(Bricks);
    default: return std::nullopt;
    }
}

} // namespace pixol
