#pragma once
// The presentation's Ui: Qt's dialogs, but letting pending events run never takes user input, so
// a click cannot start a second action while a screen is still being built.
#include "platform/qt/QtUi.h"

namespace prevu {

class PresentationUi : public salon::QtUi {
public:
    void processEvents() override;
};

} // namespace prevu
