#pragma once
// Text as a region: the pixels a string covers when drawn in a font, for shaped captions and
// masks. Glyphs are rasterised by FreeType from the installed font that fontconfig matches to the
// name, weight and slant asked for (a bold or italic the font lacks is made by thickening or
// slanting its outlines), one bit per pixel: a pixel is in when its centre lies inside a glyph.
// Underline and strike-through are bars at the font's own positions and thickness. No Qt, no
// display: the same pixels on a server as on a desktop, given the same fonts.
#include "platform/Region.h"

#include <cstdint>
#include <string>

namespace pixol::regions {

struct TextStyle {
    int32_t x = 0, y = 0;            // top-left corner of the text's line (the top of its ascent)
    bool bold = false, italic = false, underline = false, strikeOut = false;
    std::string font;                // family name; empty: the default sans-serif face
    int32_t points = 0;              // size in points at 96 dpi (1-1000)
    int32_t weight = 0;              // 1-1000; 0: 700 when bold, else 400
    int32_t angle = 0;               // tenths of a degree, anticlockwise on the screen, about (x, y)
};

// The region of the text (UTF-8), Invalid when the size, weight or text is unusable or no font
// can be loaded.
salon::Region renderText(const std::string& text, const TextStyle& style);

// SuTextRgn: h's old region released, h = the new region's handle, which is also the result.
int32_t textRegion(const std::string& text, const TextStyle& style, int32_t& h);

} // namespace pixol::regions
