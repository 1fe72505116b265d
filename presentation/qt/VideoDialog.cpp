#include "presentation/qt/VideoDialog.h"

#include "platform/Paths.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

namespace prevu {

void QtMedia::Command(const std::string& command)
{
    if (command == "open") {
        m_open = false;
        auto native = salon::nativePath(FileName);
        if (!native || !std::filesystem::is_regular_file(*native)) return;
        m_player.setSource(QUrl::fromLocalFile(QString::fromStdString(native->string())));
        // The device answers "open" only when the file is known to play or not: wait for the
        // player to load it, letting events run, for a few seconds at most.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            const auto status = m_player.mediaStatus();
            if (status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia) {
                m_open = true;
                break;
            }
            if (status == QMediaPlayer::InvalidMedia || m_player.error() != QMediaPlayer::NoError) break;
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        }
    } else if (command == "play") {
        if (m_open) m_player.play();
    } else if (command == "close") {
        m_player.stop();
        m_player.setSource({});
        m_open = false;
    }
}

int32_t QtMedia::Mode() const
{
    if (!m_open) return ModeNotOpen;
    return m_player.playbackState() == QMediaPlayer::PlayingState ? ModePlaying : ModeStopped;
}

VideoDialog::VideoDialog(const std::string& windowsPath, salon::Ui& ui, QWidget* parent)
    : QDialog(parent), m_player(new QMediaPlayer(this)), m_video(new QVideoWidget(this)), m_media(*m_player),
      m_window(m_media, ui)
{
    setWindowTitle("Video");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_video);
    m_video->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_player->setVideoOutput(m_video);
    resize(m_window.form.Width, m_window.form.Height);
    m_window.show(windowsPath);
    auto update = [this] {
        m_window.MMControl1_StatusUpdate();
        afterHandler();
    };
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, update);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, update);
}

VideoDialog::~VideoDialog() = default;

void VideoDialog::afterHandler()
{
    if (!m_window.form.Visible && isVisible()) {
        // Leave the player's own signal handler before the dialog goes.
        QTimer::singleShot(0, this, &QDialog::accept);
    }
}

void VideoDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    QTimer::singleShot(0, this, [this] {
        m_window.Form_Activate();
        afterHandler();
    });
}

void VideoDialog::mouseReleaseEvent(QMouseEvent*)
{
    m_window.Picture1_Click();
    afterHandler();
}

} // namespace prevu
