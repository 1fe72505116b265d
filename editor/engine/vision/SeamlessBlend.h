#pragma once
// The face blended into a model picture in the gradient domain (OpenCV's seamless clone, normal
// cloning): inside the mask the result keeps the face's own gradients - its features, light and
// shade - while its colour is pulled to the model's skin all along the mask's edge, so no colour
// step is left there. OpenCV stays behind this header.
#include <cstddef>
#include <cstdint>
#include <string>

namespace salon {

// Pictures of 24-bit pixels (blue, green, red), width x height, rows of rowBytes bytes; the mask
// one byte a pixel, rows of width bytes, non-zero inside.
struct BgrPicture {
    const uint8_t* pixels;
    int32_t width, height;
    size_t rowBytes;
};

struct BlendResult {
    bool ok = false;
    std::string error;  // when not ok: why, in OpenCV's words
};

// Writes the blend of face into model over the mask to out (same size and layout as model; it may
// be model's own buffer). The face sits where it sits in the model: no shift. Fails, writing
// nothing, when the sizes differ, the mask is empty or touches no pixel away from the picture's
// edge, or the solver refuses.
BlendResult seamlessBlend(const BgrPicture& face, const BgrPicture& model, const uint8_t* mask, uint8_t* out);

} // namespace salon
