#pragma once
// The main window's geometry: everything follows from the desktop work area, given in twips
// (15 twips a pixel) as the system-information control reports it.
#include "platform/Geometry.h"

#include <cstdint>
#include <optional>

namespace salon {

// Narrower work areas than this cannot hold two pictures and the panel (text 54).
inline constexpr int32_t MinWindowWidthTwips = 10500;

struct MainLayout {
    int32_t ScreenW = 0;   // usable window size in pixels
    int32_t ScreenH = 0;
    int32_t PanelX = 0;    // left edge of the command strip
    int32_t PictureW = 0;  // the frame each large picture is fitted into
    int32_t PictureH = 0;
};

// None when the window (placed over the work area) is narrower than MinWindowWidthTwips. The 120
// and 465 twips are the frame and title allowances of the window.
std::optional<MainLayout> computeLayout(int32_t windowWidthTwips, int32_t windowHeightTwips);

// Top-left of command button i: two columns (even index left), eight rows.
Point funkcePosition(const MainLayout& layout, int index);
inline constexpr int32_t FunkceSize = 45;

// Left edge of the right picture area.
inline int32_t rightAreaLeft(const MainLayout& l) { return l.PanelX + 100; }

// The two views' placement for a view size (FitViews gives the size): each centred in its frame.
struct ViewPlacement {
    Rect left;   // Picture1
    Rect right;  // Picture2
};
ViewPlacement placeViews(const MainLayout& layout, int32_t viewW, int32_t viewH);

// The waiting images: PictureW wide and PictureW * 12 / 11 high, over the two picture areas.
Rect waitImageRect(const MainLayout& layout, int index);

// The swatch strip along the bottom.
inline int32_t swatchStripTop(const MainLayout& l) { return l.ScreenH - 50; }

} // namespace salon
