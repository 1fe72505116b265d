#include "editor/shell/SwatchPalette.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cstdlib>

namespace salon {

bool swatchCrossed(int32_t value, const SwatchRange& range)
{
    return range.limited != 0 && (value >= range.max || value <= range.min);
}

bool swatchUsable(int32_t value, const SwatchRange& range)
{
    return !(range.limited != 0 && (value > range.max || value < range.min));
}

int32_t swatchBaseOfBank(int32_t barIndex)
{
    return barIndex >= 0 && barIndex <= 2 ? barIndex * SwatchesPerBank : -1;
}

int32_t paletteBitmapOfBank(int32_t barIndex)
{
    return barIndex >= 0 && barIndex <= 2 ? 19 + barIndex : 0;
}

std::optional<int32_t> swatchCellAt(float scroll, float X)
{
    const int32_t p = roundHalfEven(scroll + X);
    if (p < 0 || p >= PaletteWidth) return std::nullopt;
    return intDiv(p, SwatchCellWidth);
}

namespace {

void plotRed(Bitmap& b, int32_t x, int32_t y)
{
    if (x < 0 || y < 0 || x >= b.width || y >= b.height) return;
    uint8_t* p = b.row(y) + 3 * x;
    p[0] = 0;
    p[1] = 0;
    p[2] = 255;
}

} // namespace

void drawSwatchCrosses(Bitmap& palette, int32_t swatchBase, const std::function<int32_t(int32_t)>& value,
                       const SwatchRange& range)
{
    if (palette.isNull() || range.limited == 0 || !value) return;
    if (palette.bitsPerPixel != 24) palette = palette.toRgb24();
    // The cross spans the cell with a margin, four pixels thick, so it reads at a glance over any
    // swatch colour.
    const int32_t margin = 14, thick = 4;
    const int32_t h = palette.height - 2 * margin;
    const int32_t w = SwatchCellWidth - 2 * margin;
    if (h <= 0) return;
    for (int32_t k = 0; k < SwatchesPerBank; ++k) {
        if (!swatchCrossed(value(swatchBase + k), range)) continue;
        const int32_t left = SwatchCellWidth * k + margin;
        for (int32_t i = 0; i < h; ++i) {
            const int32_t y = margin + i;
            const int32_t x = left + (i * (w - 1)) / std::max(1, h - 1);
            for (int32_t t = -thick / 2; t < thick - thick / 2; ++t) {
                plotRed(palette, x + t, y);
                plotRed(palette, left + (w - 1) - (x - left) + t, y);
            }
        }
    }
}

Bitmap paletteWindow(const Bitmap& palette, int32_t scroll, int32_t width, int32_t height)
{
    Bitmap out = Bitmap::rgb24(std::max(width, 1), std::max(height, 1));
    std::fill(out.pixels.begin(), out.pixels.end(), uint8_t(192));
    if (palette.isNull()) return out;
    const Bitmap conv = palette.bitsPerPixel == 24 ? Bitmap{} : palette.toRgb24();
    const Bitmap& p = palette.bitsPerPixel == 24 ? palette : conv;
    for (int32_t y = 0; y < out.height && y < p.height; ++y) {
        for (int32_t x = 0; x < out.width; ++x) {
            const int32_t sx = scroll + x;
            if (sx < 0 || sx >= p.width) continue;
            std::copy_n(p.row(y) + 3 * sx, 3, out.row(y) + 3 * x);
        }
    }
    return out;
}

PaletteScroll paletteScroll(int32_t stripWidth)
{
    PaletteScroll s;
    s.max = std::max(0, PaletteWidth - stripWidth);
    return s;
}

void SwatchPanel::OpenPalette(int32_t barIndex, const Bitmap& bankPicture,
                              const std::function<int32_t(int32_t)>& value, const SwatchRange& range)
{
    palette = bankPicture.bitsPerPixel == 24 ? bankPicture : bankPicture.toRgb24();
    SwatchBase = std::max(0, swatchBaseOfBank(barIndex));
    drawSwatchCrosses(palette, SwatchBase, value, range);
    PaletteOpen = barIndex + 1;
    ScrollValue = std::clamp(ScrollValue, 0, paletteScroll(stripWidth).max);
}

void SwatchPanel::ClosePalette()
{
    PaletteOpen = 0;
}

std::optional<int32_t> SwatchPanel::Vzornik_MouseDown(float X, const std::function<int32_t(int32_t)>& value,
                                                      const SwatchRange& range)
{
    const std::optional<int32_t> k = swatchCellAt(float(ScrollValue), X);
    if (!k) return std::nullopt;
    SwatchChosen = SwatchBase + *k;
    if (value && !swatchUsable(value(SwatchChosen), range)) return std::nullopt;
    return SwatchChosen;
}

void SwatchPanel::HScroll1_Change(int32_t v)
{
    ScrollValue = std::clamp(v, 0, paletteScroll(stripWidth).max);
}

} // namespace salon
