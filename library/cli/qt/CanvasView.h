#pragma once
// The painting demo's canvas at 1:1: shows the session's picture with the pointer the session
// chose for its tool, and forwards the mouse to the session.
#include "library/cli/PaintSession.h"

#include <QImage>
#include <QWidget>

namespace pixol::cli {

class CanvasView : public QWidget {
public:
    explicit CanvasView(PaintSession& session);

    // After the picture or the tool changed: the new picture and pointer.
    void refresh();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    PaintSession& m_session;
    QImage m_image;
};

} // namespace pixol::cli
