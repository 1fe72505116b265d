#pragma once
// The Qt view of the presentation's Form1: draws the control model (background, photo, narration,
// balloons) and forwards mouse moves, clicks, keys and closing to the handlers. Balloons are child
// windows shaped by their model and transparent for the mouse, so they never take a click or a
// move from the window beneath.
#include "presentation/Presentation.h"

#include <QWidget>

#include <array>

namespace prevu {

class BalloonWidget : public QWidget {
public:
    BalloonWidget(const Bublina& model, QWidget* parent);
    void sync();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const Bublina& m_model;
};

class PresentationWindow : public QWidget {
public:
    explicit PresentationWindow(Presentation& presentation);
    // Brings the window and its balloons in line with the model after a handler ran.
    void sync();
    // Closes without going through the handlers again (the program ends itself).
    void endByProgram();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    Presentation& m_p;
    std::array<BalloonWidget*, 2> m_balloons{};
    bool m_unloaded = false;
};

} // namespace prevu
