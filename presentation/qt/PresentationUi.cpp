#include "presentation/qt/PresentationUi.h"

#include <QCoreApplication>

namespace prevu {

void PresentationUi::processEvents() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

} // namespace prevu
