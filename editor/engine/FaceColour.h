#pragma once
// The three pixel steps that finish the picture, on buffers of the model's size:
//   MatchFaceColour  corrects the face toward the model's skin colour and blends it into the base
//                    through mask 1;
//   BlendHair        lays model picture 1's hair back over the work through masks 2 and 3;
//   RecolourHair     repaints that hair in a chosen colour, keeping its light and shade.
// Channel arithmetic is single precision; results round half to even. Masks are addressed by the
// model's (x, y); mask 3 lies over rectangle 2 (mask 2's rectangle). Pixels of a mask rectangle
// that fall outside a buffer are skipped.
#include "editor/engine/PixelBuffer.h"
#include "library/formats/ModelFile.h"

#include <cstdint>
#include <string>

namespace salon {

// strong: divisor 1.2 (face-colour button 0), else 1.6 (button 1). A mask 1 without any value of
// 8 or more gives nothing to average, and the work buffer is left as it is.
void MatchFaceColour(const PixelBuffer& face, const PixelBuffer& base, const dsl::Mask& mask1, uint32_t skinColour,
                     bool strong, PixelBuffer& work);

void BlendHair(const PixelBuffer& model1, const dsl::Mask& mask2, const dsl::Mask& mask3, PixelBuffer& work);

// The face blended into the base in the gradient domain over the pixels where mask 1 is 8 or more
// (no colour step at the mask's edge), then laid into the work buffer through mask 1 as
// MatchFaceColour lays its corrected face. False, with the reason in why and the work buffer
// untouched, when the blend cannot be made.
bool SeamlessFaceColour(const PixelBuffer& face, const PixelBuffer& base, const dsl::Mask& mask1, PixelBuffer& work,
                        std::string& why);

// colour 0 means the model's own hair: BlendHair.
void RecolourHair(uint32_t colour, uint32_t hairColour, const PixelBuffer& model1, const PixelBuffer& base,
                  const dsl::Mask& mask2, const dsl::Mask& mask3, PixelBuffer& work);

} // namespace salon
