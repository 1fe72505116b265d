#pragma once
// The catalogue window's contact sheet: the face photo now in the editor set into every model of the
// category shown, as one labelled PNG picture where the user chooses. The sheet itself is drawn by
// the contact-sheet command (editor/sheet); this asks for the file and reports the outcome.
#include "platform/Ui.h"

#include <cstdint>
#include <string>

namespace salon {

// False when nothing was written (no photo yet, cancelled, or the sheet failed - the user is told).
bool printContactSheet(Ui& ui, const std::string& dataDrive, int32_t category, const std::string& photoFile,
                       std::string& lastSheet);

} // namespace salon
