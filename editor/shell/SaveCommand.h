#pragma once
// Saving the result: the composite (surface 5, the model's own resolution, not the screen view) as a
// 24-bit Windows bitmap file under a name the user chooses.
//
// The file is written beside the target under a temporary name and renamed over it only when every
// byte is on disk, so a failed save leaves the file that was there untouched; the failure is shown
// with the message of its error number.
#include "platform/Bitmap.h"
#include "platform/Ui.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace salon {

// Writes bytes to a temporary file in the target's directory, flushes it and renames it over the
// target. Returns 0 or the system error code (errno) of the step that failed; the temporary file
// is removed on failure.
int writeFileReplacing(const std::filesystem::path& target, std::span<const uint8_t> bytes);

enum class SaveOutcome { Saved, Cancelled, Failed };

// Funkce(8): ChooseFile kind 5 proposing SaveFile with the BMP filter (text 601); when confirmed,
// SaveFile becomes the chosen name and the composite is written there. A cancelled dialog leaves
// SaveFile as it was; a failed write keeps the new SaveFile (the name the user meant) and shows
// the error message.
SaveOutcome SaveResult(Ui& ui, std::string& SaveFile, const Bitmap& composite);

} // namespace salon
