#pragma once
// The library's own bitmap resources:
//   3       the 24 x 32 probe picture SuSettingsP measures the colour depth with
//   4, 5, 9, 69, 70   the 16 x 16 tiles of the pattern brushes PsObrBrush(2), (1), (5), (3), (4)
// They are drawn here as character pictures, so that a reader sees the pattern a brush paints.
#include "platform/Bitmap.h"

#include <cstdint>
#include <optional>

namespace pixol {

std::optional<salon::Bitmap> libraryBitmap(int32_t id);

} // namespace pixol
