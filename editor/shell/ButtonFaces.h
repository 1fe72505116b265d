#pragma once
// Picture ids of the panel buttons. Command button i shows 10 + i when it takes clicks and 70 + i
// when it does not; the sub-panel faces follow. The view draws each id as one icon of a consistent
// set (editor/shell/qt/ButtonFaces.cpp).
#include <cstdint>

namespace salon::face {

constexpr int32_t enabledCommand(int i) { return 10 + i; }
constexpr int32_t disabledCommand(int i) { return 70 + i; }

inline constexpr int32_t Reset = 26;
inline constexpr int32_t EmptySample = 27;
inline constexpr int32_t Fit100 = 28;
inline constexpr int32_t Fit60 = 29;
// Move arrows up, down, left, right (fine 30-33, coarse 40-43); rotation clockwise and
// counter-clockwise (34, 35 and 44, 45); scale taller, shorter, wider, narrower (36-39, 46-49);
// scale smaller and larger (86, 87 and 88, 89); deformation lean forward, lean back, turn right,
// turn left (90-93).
inline constexpr int32_t MoveUp = 30;
inline constexpr int32_t RotateCw = 34;
inline constexpr int32_t Taller = 36;
inline constexpr int32_t Smaller = 86;
inline constexpr int32_t CoarseOffset = 10;
inline constexpr int32_t CoarseSmaller = 88;
inline constexpr int32_t LeanForward = 90;
inline constexpr int32_t FaceMask = 94;
// Stamp diameters 8, 12, 16, 20 (102-105), coverage fine and coarse (106, 107), swatch banks 1-3
// and the model's own colour (108-111).
inline constexpr int32_t StampSize = 102;
inline constexpr int32_t Coverage = 106;
inline constexpr int32_t Bank = 108;
inline constexpr int32_t FitSeamless = 112;

} // namespace salon::face
