#pragma once
// Conversions between the platform's Bitmap (24-bit blue-green-red rows, or indexed with a
// palette) and QImage, for the Qt views. Both directions copy the pixels.
#include "platform/Bitmap.h"

#include <QImage>

namespace salon {

// A null Bitmap gives a null QImage; indexed pictures come out as 24-bit colour.
[[nodiscard]] QImage toQImage(const Bitmap& picture);
// Any QImage format; alpha is dropped (not composited). A null image gives a null Bitmap.
[[nodiscard]] Bitmap fromQImage(const QImage& image);

} // namespace salon
