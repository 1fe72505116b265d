#include "presentation/VideoWindow.h"

#include "presentation/Texts.h"

namespace prevu {

void VideoWindow::show(const std::string& windowsPath)
{
    form.videoFile = windowsPath;
    form.playing = false;
    form.started = false;
    form.Visible = true;
}

void VideoWindow::Form_Activate()
{
    if (form.started || !form.Visible) return;
    form.started = true;
    m_media.FileName = form.videoFile;
    m_media.DeviceType = "AviVideo";
    m_media.Command("open");
    if (m_media.Mode() == ModeNotOpen) {
        // An empty window that waits for a click tells the user nothing: close it and say which file.
        form.Visible = false;
        m_ui.message(std::string(texts::VideoNotPlayed) + form.videoFile);
        return;
    }
    m_ui.processEvents();
    // Cleared before "play": a device that reports "playing" while the command runs must not have
    // that report wiped out, or the end of the video would never close the window.
    form.playing = false;
    m_media.Command("play");
}

void VideoWindow::MMControl1_StatusUpdate()
{
    const int32_t mode = m_media.Mode();
    if (mode == ModePlaying) {
        form.playing = true;
    } else if (mode == ModeStopped && form.playing) {
        m_media.Command("close");
        form.playing = false;
        form.Visible = false;
    }
}

void VideoWindow::Picture1_Click()
{
    if (m_media.Mode() != ModeNotOpen) m_media.Command("close");
    form.playing = false;
    form.Visible = false;
}

} // namespace prevu
