#pragma once
// The video window over Qt Multimedia: a modal dialog with a video area, and a media control whose
// "open", "play" and "close" drive a QMediaPlayer (GStreamer underneath) and whose mode follows the
// player's state.
#include "presentation/VideoWindow.h"

#include <QDialog>

class QMediaPlayer;
class QVideoWidget;

namespace prevu {

class QtMedia : public MediaControl {
public:
    explicit QtMedia(QMediaPlayer& player) : m_player(player) {}
    void Command(const std::string& command) override;
    int32_t Mode() const override;

private:
    QMediaPlayer& m_player;
    bool m_open = false;
};

class VideoDialog : public QDialog {
public:
    VideoDialog(const std::string& windowsPath, salon::Ui& ui, QWidget* parent);
    ~VideoDialog() override;

protected:
    void showEvent(QShowEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    void afterHandler();

    QMediaPlayer* m_player;
    QVideoWidget* m_video;
    QtMedia m_media;
    VideoWindow m_window;
};

} // namespace prevu
