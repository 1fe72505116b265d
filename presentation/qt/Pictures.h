#pragma once
// The presentation's own pictures, made when first asked for: hover cards, the slideshow's
// photos and hairstyles with their masks, the information window's picture and buttons, and the
// balloons' persisted settings. Photos and hairstyles come from the demo data's portrait and
// models, embedded at build time; everything else is painted here.
#include "platform/Bitmap.h"
#include "presentation/Bublina.h"

#include <cstdint>

namespace prevu {

// The bitmap resource `id`; a null picture for a number the program does not have.
salon::Bitmap presentationBitmap(int32_t id);
// The balloons as the form keeps them: 0 opaque without a mask, 1 shaped as a speech balloon.
PropertyBag balloonSettings(int index);

} // namespace prevu
