#pragma once
// The Qt view of the crop dialog: draws the CUTPic control model and forwards pointer and button
// events to its handlers. Loading, the drag arithmetic and writing the reduced copy all stay in the
// model; this file only shows it.
#include "crop/CutPic.h"

#include <QDialog>
#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace trimlet {

class CutPicDialog;

// One masking strip. Qt keeps delivering the pointer to the strip that took the button press, with
// positions relative to the strip's current place - what the drag arithmetic expects.
class StripWidget : public QWidget {
    Q_OBJECT
public:
    StripWidget(CutPicDialog& dialog, int index, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    CutPicDialog& m_dialog;
    int m_index;
};

class PreviewWidget : public QWidget {
    Q_OBJECT
public:
    PreviewWidget(CutPic& model, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    CutPic& m_model;
};

class CutPicDialog : public QDialog {
    Q_OBJECT
public:
    CutPicDialog(CutPic& model, QWidget* parent = nullptr);

    CutPic& model() { return m_model; }
    // Brings every widget in line with the model; closes the dialog once the model hid the form.
    void sync();

public slots:
    void reject() override;  // Escape and the window's close button are the cancel button

private:
    CutPic& m_model;
    PreviewWidget* m_preview;
    std::array<StripWidget*, 4> m_strips{};
    std::array<QPushButton*, 2> m_buttons{};
    QLabel* m_help;
};

// Mouse buttons and modifier keys as the handlers number them (1 left, 2 right, 4 middle;
// 1 shift, 2 ctrl, 4 alt).
int handlerButtons(Qt::MouseButtons buttons);
int handlerShift(Qt::KeyboardModifiers modifiers);

} // namespace trimlet
