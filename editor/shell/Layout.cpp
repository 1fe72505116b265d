#include "editor/shell/Layout.h"

#include "platform/Numbers.h"

namespace salon {

std::optional<MainLayout> computeLayout(int32_t windowWidthTwips, int32_t windowHeightTwips)
{
    if (windowWidthTwips < MinWindowWidthTwips)
        return std::nullopt;
    MainLayout l;
    l.ScreenW = roundHalfEven(float(windowWidthTwips - 120) / 15.0f);
    l.ScreenH = roundHalfEven(float(windowHeightTwips - 465) / 15.0f);
    l.PictureW = intDiv(l.ScreenW - 115, 2);
    l.PictureH = l.ScreenH - 10;
    l.PanelX = roundHalfEven(float(l.ScreenW - 95) / 2.0f);
    return l;
}

Point funkcePosition(const MainLayout& layout, int index)
{
    static constexpr int32_t rows[8] = {5, 58, 105, 152, 199, 246, 293, 346};
    return {layout.PanelX + (index % 2) * 50, rows[(index / 2) % 8]};
}

ViewPlacement placeViews(const MainLayout& layout, int32_t viewW, int32_t viewH)
{
    const int32_t dx = intDiv(layout.PictureW - viewW, 2);
    const int32_t top = intDiv(layout.PictureH - viewH, 2) + 5;
    return {{dx + 5, top, dx + 5 + viewW, top + viewH},
            {dx + rightAreaLeft(layout), top, dx + rightAreaLeft(layout) + viewW, top + viewH}};
}

Rect waitImageRect(const MainLayout& layout, int index)
{
    const int32_t w = layout.PictureW;
    // A real division whose result is stored in a whole-pixel size: rounded, not cut (338 -> 369).
    const int32_t h = roundHalfEven(float(layout.PictureW) * 12.0f / 11.0f);
    const int32_t left = index == 0 ? 5 : rightAreaLeft(layout);
    return {left, 5, left + w, 5 + h};
}

} // namespace salon
