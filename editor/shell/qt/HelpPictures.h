#pragma once
// The help pictures, resource bitmaps 50 to 65: one for each command button's help page (topic + 50),
// drawn as a pictogram of what the command does with its short name underneath.
#include "platform/Bitmap.h"

#include <cstdint>

namespace salon {

inline constexpr int32_t HelpPictureWidth = 240;
inline constexpr int32_t HelpPictureHeight = 170;

// Bitmap `id` (50..65); a null Bitmap for other ids.
Bitmap helpPicture(int32_t id);

} // namespace salon
