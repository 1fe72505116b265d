#pragma once
// SuObrTR, the resource bitmap component's one class: the editor's large fixed pictures.
//
//   10-17  440 x 480, 8 bits with a 256-colour palette: the waiting animation (right image 10-15,
//          left image 16 and 17)
//   18     208 x 250, 8 bits
//   19, 20 1870 x 176, 24 bits: swatch banks 1 and 2, seventeen 110-pixel cells
//   21     1650 x 176, 24 bits: swatch bank 3, fifteen cells
//
// The pictures are embedded in the library. Each call returns a new picture that the caller owns;
// any other id, or a picture that cannot be decoded, gives the empty (null) picture. Nothing throws.
#include "platform/Bitmap.h"

#include <cstdint>
#include <span>

namespace pikvalt {

class SuObrTR {
public:
    [[nodiscard]] salon::Bitmap LtRscB(int32_t Ag1) const;
};

// The embedded resource of an id as it would sit in a resource section: the device-independent
// bitmap (40-byte header, palette, bottom-up rows) without a file header. Empty for unknown ids.
[[nodiscard]] std::span<const uint8_t> resourceData(int32_t id);

} // namespace pikvalt
