#pragma once
// The three steps every picture operation starts or ends with: asking a picture object for its size,
// sizing and clearing it, and making what was drawn on it persistent.
#include "platform/Surface.h"

#include <cstdint>

namespace pixol {

// The drawable size in pixels. When the drawn image and the drawable area disagree (a picture was
// set without resizing), the drawn image is made persistent and the size read again, once; false
// when they still disagree.
bool pictureSize(salon::Surface& obj, int32_t& width, int32_t& height);

// No persistent picture, drawable area width x height inside the border, background colour only.
bool clearToSize(salon::Surface& obj, int32_t width, int32_t height);

// No persistent picture, drawable area the size of `image` (24-bit, not null), which becomes the
// drawn image: what clearToSize and a write of the rows leave, without painting the background
// first and copying the rows over it. False when the object refuses the size (its image kept).
bool takeImage(salon::Surface& obj, salon::Bitmap&& image);

// The drawn image becomes the persistent picture, when the object redraws automatically.
void persist(salon::Surface& obj);

} // namespace pixol
