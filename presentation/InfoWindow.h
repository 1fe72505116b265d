#pragma once
// The information window Form3: a picture with four buttons, each playing one video.
#include "platform/Bitmap.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace prevu {

struct InfoButton {
    int32_t Left = 0, Top = 0, Width = 200, Height = 23;
    int32_t Picture = 0;  // bitmap resource
};

struct Form3 {
    bool Visible = false;
    int32_t Left = 0, Top = 0, Width = 568, Height = 426;  // pixels
    int32_t Picture = 52;
    std::array<InfoButton, 4> Command1;
};

class InfoWindow {
public:
    // dataRoot: the data drive's letter; playVideo shows the modal video window.
    InfoWindow(std::string dataRoot, std::function<void(const std::string&)> playVideo);

    Form3 form;

    // Centres the window on the reference screen of the resolution class, not above or left of
    // its corner, and keeps it inside the work area (pixels).
    void Form_Load(int32_t resolutionClass, int32_t workLeft, int32_t workTop, int32_t workWidth, int32_t workHeight);
    void Command1_Click(int index);
    void Form_Unload() { form.Visible = false; }
    std::string videoOf(int index) const;

private:
    std::string m_root;
    std::function<void(const std::string&)> m_play;
};

} // namespace prevu
