#pragma once
// The arithmetic of the crop dialog, free of any window.
//
// Units: dialog coordinates are pixels, (0, 0) the dialog's top-left client pixel. Pointer positions
// of the masking strips arrive in twips relative to the strip (15 twips a pixel), because the strips'
// mouse events have always been reported that way and the drag arithmetic is defined on them.
// Real arithmetic is single precision and rounds half to even (platform/Numbers.h).
#include "platform/Geometry.h"

#include <array>
#include <cstdint>
#include <optional>

namespace trimlet {

// The preview is fitted into this area of the dialog; the editor's layout of the dialog relies on it.
inline constexpr int32_t PreviewAreaLeft = 250;
inline constexpr int32_t PreviewAreaTop = 20;
inline constexpr int32_t PreviewAreaWidth = 330;
inline constexpr int32_t PreviewAreaHeight = 360;

// Masking strips are this thick when untouched, and never thinner.
inline constexpr int32_t StripThickness = 10;

// The editor's working area takes photos up to 360 x 480; the reduced copy stays a little inside it.
inline constexpr int32_t OutputMaxWidth = 354;
inline constexpr int32_t OutputMaxHeight = 472;

// The four masking strips, in the order of the dialog's Frame1 control array.
enum StripIndex : int { LeftStrip = 0, RightStrip = 1, TopStrip = 2, BottomStrip = 3 };

struct StripRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const StripRect&, const StripRect&) = default;
};

// Where and how large the photo is shown: preview pixels per source pixel, and the preview rectangle.
struct PreviewFit {
    float scale = 0.0f;
    int32_t width = 0;   // DW
    int32_t height = 0;  // DH
    int32_t left = 0;    // L
    int32_t top = 0;     // T
};

// Fits a w0 x h0 picture into the preview area, keeping its aspect ratio, centred. A picture that
// could not be loaded (w0 or h0 not positive) has scale 0 and an empty preview in the middle of the
// area, so the dialog still lays out and OK can tell that there is nothing to cut.
[[nodiscard]] PreviewFit fitPreview(int32_t w0, int32_t h0);

// The four strips lying just outside the preview, each 10 pixels thick, the corners covered twice.
[[nodiscard]] std::array<StripRect, 4> initialStrips(const PreviewFit& fit);

// One pointer move of a strip drag. `committed` is the strip as it was when the button went down,
// `working` where the drag has put it so far; start and reference points are in twips. A move that
// would make the strip thinner than 10 pixels is not applied: the strip stays where it is. The right and bottom strips grow toward the left/top, so
// their origin moves with the pointer and the pointer's strip-relative position drifts by the same
// amount; the reference point carries that drift from move to move.
struct DragStep {
    bool applied = false;   // false when the strip would become thinner than 10 pixels
    StripRect rect;         // the working rectangle after the move (`working` when not applied)
    int32_t referenceX = 0;
    int32_t referenceY = 0;
};
[[nodiscard]] DragStep dragStrip(int strip, const StripRect& committed, const StripRect& working, int32_t startX,
                                 int32_t startY, int32_t referenceX, int32_t referenceY, int32_t x, int32_t y);

// The part of the source picture that remains inside the strips, in source pixels.
struct Cut {
    int32_t x = 0;       // X1, left cut
    int32_t y = 0;       // Y1, top cut
    int32_t width = 0;   // W, may be zero or negative when the strips overlap
    int32_t height = 0;  // H
};
// Fails (none) when the arithmetic cannot be done: no picture (scale 0) or values out of range.
[[nodiscard]] std::optional<Cut> cutInSource(int32_t w0, int32_t h0, float scale,
                                             const std::array<StripRect, 4>& strips);

// The factor that brings a w x h cut inside 354 x 472 (1 when it already fits), and the size it gives.
struct Reduction {
    float factor = 1.0f;
    int32_t width = 0;   // NW
    int32_t height = 0;  // NH
};
[[nodiscard]] Reduction reduceToFit(int32_t w, int32_t h);

} // namespace trimlet
