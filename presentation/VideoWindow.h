#pragma once
// The video window Form2: plays one video file once through a media control, closes at the end of
// the video and on a click. The media control stands for the platform's media device ("AviVideo",
// commands "open", "play", "close", modes 524 not open, 525 stopped, 526 playing); the Qt view puts
// Qt Multimedia behind it.
#include "platform/Ui.h"

#include <cstdint>
#include <string>

namespace prevu {

inline constexpr int32_t ModeNotOpen = 524;
inline constexpr int32_t ModeStopped = 525;
inline constexpr int32_t ModePlaying = 526;

class MediaControl {
public:
    virtual ~MediaControl() = default;
    std::string FileName;
    std::string DeviceType;
    virtual void Command(const std::string& command) = 0;
    virtual int32_t Mode() const = 0;
};

struct Form2 {
    bool Visible = false;
    int32_t Left = 0, Top = 0, Width = 320, Height = 240;  // picture area, pixels
    std::string videoFile;  // Windows-style; set by the caller before showing
    bool playing = false;
    bool started = false;   // the video plays once per showing, not on every activation
};

class VideoWindow {
public:
    VideoWindow(MediaControl& media, salon::Ui& ui) : m_media(media), m_ui(ui) {}

    Form2 form;

    // Shown by the caller (Visible true, started false) with the file set.
    void show(const std::string& windowsPath);
    void Form_Activate();
    void MMControl1_StatusUpdate();
    void Picture1_Click();

private:
    MediaControl& m_media;
    salon::Ui& m_ui;
};

} // namespace prevu
