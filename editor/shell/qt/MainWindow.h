#pragma once
// The Qt view of Form1: draws the control model and the engine's surfaces, and forwards mouse,
// key, timer and close events to the editor's handlers. It holds no state of its own beyond which
// control the mouse went down on.
#include "editor/shell/Editor.h"

#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace salon {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Editor& editor, QWidget* parent = nullptr);

    // Brings the window, the timers and the scroll bar in line with the model after a handler ran.
    void syncFromModel();
    // Set when the program ends itself: closing then asks nothing.
    void endByProgram();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;
    void closeEvent(QCloseEvent*) override;
    bool event(QEvent*) override;

private:
    using Group = ControlGroup;
    struct Hit {
        Group group = Group::None;
        int index = 0;
        QPoint local;  // in the control's own pixels
    };
    Hit hitTest(QPoint p) const;
    void dispatchDown(const Hit& hit, int button, int shift);
    void dispatchUp(const Hit& hit, int button, int shift);
    const Control* controlOf(const Hit& hit) const;

    Editor& m_editor;
    QTimer m_timer1, m_timer2;
    QScrollBar* m_scroll = nullptr;
    Hit m_captured;
    int m_heldButtons = 0;
    bool m_ending = false;
};

} // namespace salon
