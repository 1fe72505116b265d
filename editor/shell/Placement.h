#pragma once
// The arithmetic of the face placement controls, apart from the window: which step an arrow makes
// in each mode and with which keys, what a step does, the angle of a guide line and where a click
// on the face moves it.
#include <cstdint>
#include <optional>

namespace salon {

// Step code (1..28) of a scale (mode 9) or move (mode 10) arrow; 0 when the arrow or the key
// combination has no step there. Shift: 1 Shift, 2 Ctrl, 4 Alt.
int32_t placementStepCode(int32_t mode, bool coarse, int index, int shift);

// Performs one step of the code table on the transform values.
void applyPlacementStep(int32_t code, int32_t& faceX, int32_t& faceY, float& scaleX, float& scaleY);

// The arrow button (index of Sipka) that a key stands for in a placement mode: the arrow keys and
// + / - press the arrows of scale (9), move (10), deformation (12) and rotation (13). None for
// other keys and modes. Key codes are the platform's: 37-40 arrows, 107 / 109 keypad + and -, and
// the characters '+', '=' (an unshifted plus on many keyboards) and '-'.
std::optional<int> placementArrowForKey(int32_t mode, int keyCode);

// The scaled photo must stay between these sides (rounded as the composition rounds them): below,
// the face vanishes; above, the sizes leave what the stretch and the offsets can be computed in.
inline constexpr int32_t MinScaledSide = 8;
inline constexpr int32_t MaxScaledSide = 32768;
// Whether a photo of photoW x photoH at these scales has both sides within those limits.
bool scaledPhotoFits(int32_t photoW, int32_t photoH, float scaleX, float scaleY);

// Degrees a rotation arrow (index 4 clockwise, 5 counter-clockwise) turns; none for other arrows
// and for key combinations other than one single key.
std::optional<float> rotationStep(bool coarse, int index, int shift);

struct DeformStep {
    bool vertical = false;  // DeformV, else DeformH
    int32_t delta = 0;
};
// The deformation arrows: 0 lean forward, 1 lean back, 2 turn right, 3 turn left (fine arrows only).
std::optional<DeformStep> deformStep(bool coarse, int index);
inline constexpr int32_t DeformLimit = 5;

// LineAngle of a guide line drawn from (0, 0) to (dx, dy), y pointing down; none when the line is
// shorter than 5 pixels both ways. A line and its reverse give the same angle; vertical gives 0.
std::optional<float> guideLineAngle(int32_t dx, int32_t dy);

struct FaceOffset {
    int32_t faceX, faceY;
};
// Click on the face at (x, y) of the left view: the new offsets that bring the clicked point onto
// the cut-out centre. Sizes are those of the face layer (model size) and of the view.
FaceOffset clickToCentre(int32_t x, int32_t y, int32_t layerW, int32_t layerH, int32_t viewW,
                         int32_t viewH, int32_t cutCentreX, int32_t cutCentreY, int32_t faceX,
                         int32_t faceY);

// Tooltip text ids of the arrows and of the reset button per face-edit mode; 0 = arrow hidden.
int32_t arrowTooltipId(int32_t mode, bool coarse, int index);
int32_t resetTooltipId(int32_t mode);

} // namespace salon
