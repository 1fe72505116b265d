#pragma once
// The Qt view of the information window: its picture and the four video buttons.
#include "presentation/InfoWindow.h"

#include <QDialog>

namespace prevu {

class InfoDialog : public QDialog {
public:
    InfoDialog(InfoWindow& window, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    InfoWindow& m_window;
};

} // namespace prevu
