#include "presentation/InfoWindow.h"

#include <algorithm>

namespace prevu {

namespace {
constexpr int32_t TwipsPerPixel = 15;
}

InfoWindow::InfoWindow(std::string dataRoot, std::function<void(const std::string&)> playVideo)
    : m_root(std::move(dataRoot)), m_play(std::move(playVideo))
{
    // The buttons lie in a row along the bottom of the picture.
    for (int k = 0; k < 4; ++k) {
        InfoButton& b = form.Command1[size_t(k)];
        b.Picture = 46 + k;
        b.Left = 34 + (k % 2) * 300;
        b.Top = 340 + (k / 2) * 35;
    }
}

void InfoWindow::Form_Load(int32_t resolutionClass, int32_t workLeft, int32_t workTop, int32_t workWidth,
                           int32_t workHeight)
{
    // Reference screens in twips; class 4 has none of its own and takes class 3's.
    int32_t refW = 9600, refH = 6780;
    if (resolutionClass == 1) refW = 15360, refH = 11100;
    if (resolutionClass == 2) refW = 12000, refH = 8580;
    const int32_t w = form.Width * TwipsPerPixel, h = form.Height * TwipsPerPixel;
    form.Left = std::max(0, (refW - w) / 2) / TwipsPerPixel;
    form.Top = std::max(0, (refH - h) / 2) / TwipsPerPixel;
    form.Width = std::min(form.Width, workWidth);
    form.Height = std::min(form.Height, workHeight);
    form.Left = workLeft + std::clamp(form.Left, 0, std::max(0, workWidth - form.Width));
    form.Top = workTop + std::clamp(form.Top, 0, std::max(0, workHeight - form.Height));
    form.Visible = true;
}

std::string InfoWindow::videoOf(int index) const
{
    return m_root + ":\\orvella\\avi\\kata" + std::to_string(index + 1) + ".avi";
}

void InfoWindow::Command1_Click(int index)
{
    if (index < 0 || index > 3) return;
    m_play(videoOf(index));
}

} // namespace prevu
