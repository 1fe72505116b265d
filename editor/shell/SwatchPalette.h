#pragma once
// The hair colour swatch strip: three banks of 17 swatches, each bank a palette picture 1870 x 176
// (bitmaps 19, 20, 21 of the bitmap component) whose swatch k fills the cell 110 * k .. 110 * k + 109.
// The visible strip Vzornik(0) shows a window of that picture starting at the scroll bar's value.
//
// The model may limit the usable swatches to a range of swatch values. The picture marks the
// swatches at or beyond the limits with a red cross, while a click refuses only those strictly
// beyond them: a swatch whose value equals a limit is crossed and still recolours. Both tests are
// kept as they are because models are authored against them.
#include "platform/Bitmap.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace salon {

inline constexpr int32_t SwatchCellWidth = 110;
inline constexpr int32_t SwatchesPerBank = 17;
inline constexpr int32_t PaletteWidth = SwatchCellWidth * SwatchesPerBank;  // 1870
inline constexpr int32_t PaletteHeight = 176;

// The model's range of usable swatch values (SwatchLimited, SwatchMin, SwatchMax of the model file).
struct SwatchRange {
    int32_t limited = 0;
    int32_t min = 0;
    int32_t max = 0;
};

bool swatchCrossed(int32_t value, const SwatchRange& range);  // v >= max or v <= min, when limited
bool swatchUsable(int32_t value, const SwatchRange& range);   // not (v > max or v < min), when limited

// SwatchBase of bank button BarImg(0..2): 0, 17, 34; -1 for other buttons.
int32_t swatchBaseOfBank(int32_t barIndex);
// The palette picture of BarImg(0..2): bitmaps 19, 20, 21.
int32_t paletteBitmapOfBank(int32_t barIndex);

// Swatch of the bank under strip position X with the scroll bar at `scroll`: the cell of
// round(scroll + X). Positions left of the picture or right of its last cell hold no swatch of this
// bank and give none (the table index would otherwise run into the next bank).
std::optional<int32_t> swatchCellAt(float scroll, float X);

// Draws the red crosses over the cells of the crossed swatches. value(k) gives the swatch value of
// table index swatchBase + k.
void drawSwatchCrosses(Bitmap& palette, int32_t swatchBase, const std::function<int32_t(int32_t)>& value,
                       const SwatchRange& range);

// The rectangle of the palette picture at x = scroll, y = 0, of the strip's size, copied plainly;
// whatever lies beyond the picture shows the strip's background (grey).
Bitmap paletteWindow(const Bitmap& palette, int32_t scroll, int32_t width, int32_t height);

// The scroll bar over a palette seen through a strip of stripWidth: 0 .. max, a cell per large step.
struct PaletteScroll {
    int32_t max = 0;
    int32_t smallChange = 11;
    int32_t largeChange = SwatchCellWidth;
};
PaletteScroll paletteScroll(int32_t stripWidth);

// State and handlers of the swatch strip, mode 5. The colour work itself is the engine's; the
// handlers say what it should do.
class SwatchPanel {
public:
    int32_t PaletteOpen = 0;
    int32_t SwatchBase = 0;
    int32_t SwatchChosen = 0;
    int32_t ScrollValue = 0;      // HScroll1.Value
    Bitmap palette;               // Vzornik(1), the whole bank with its crosses
    int32_t stripWidth = 0;       // Vzornik(0)'s size
    int32_t stripHeight = PaletteHeight;

    // Loads the bank's palette (BarImg index 0..2) and marks the unusable swatches.
    void OpenPalette(int32_t barIndex, const Bitmap& bankPicture, const std::function<int32_t(int32_t)>& value,
                     const SwatchRange& range);
    // A command button was clicked: the strip and its scroll bar go away.
    void ClosePalette();

    // The table index of the usable swatch under the click, or none when the click changes nothing
    // (no swatch there, or one outside the model's range). Sets SwatchChosen for every hit cell.
    std::optional<int32_t> Vzornik_MouseDown(float X, const std::function<int32_t(int32_t)>& value,
                                             const SwatchRange& range);

    void HScroll1_Change(int32_t value);
    // What Vzornik(0) shows now.
    Bitmap visibleStrip() const { return paletteWindow(palette, ScrollValue, stripWidth, stripHeight); }
};

} // namespace salon
