#pragma once
// Qt's own dialog texts (buttons, file dialog labels) in Czech, the language the programs speak,
// from the translations Debian ships with Qt.
class QCoreApplication;

namespace salon {

// Installs Qt's Czech translations into the application; false when they are not installed
// (the dialogs then keep Qt's English texts).
bool installCzechQtTranslations(QCoreApplication& app);

} // namespace salon
