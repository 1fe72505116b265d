#pragma once
// Gradients: a weight 0..1 per pixel by shape (SuGra), and pictures painted from it (PsGra).
//
// SuGra shapes (Typ), from the start point Z = (XmZ, YmZ) towards the end point K = (XmK, YmK):
//   1 linear (projection onto Z->K), 2 radial (distance from Z over |ZK|), 3 diamond (|dx| + |dy|),
//   4 square (max(|dx|, |dy|)), 5 conical (the angle about Z from the direction Z->K, one turn,
//   clockwise on the screen), 6 reflected linear (0 at Z, 1 at K, back to 0 at K + ZK).
// Z = K (the defaults) means the whole picture: linear from the left edge to the right, the others
// from the centre to the corner. The weight is t^BrSg (BrSg > 0; 1 plain, above 1 slower start).
// SPole(x + BmX y) receives the weight of pixel (x, y).
//
// PsGra paints Obj1 from such a weight w, inside region XRgn (0: the whole picture):
//   Typ1 the shape (as SuGra); Typ2 the colours: 0 ForeColor -> XColor, 1 XColor -> BackColor,
//   2 ForeColor -> BackColor, 3 the picture -> XColor (a fade), 4 the picture -> Obj2 (a cross-fade,
//   Obj2 at least Obj1's size); Typ3 repeats: 0 none, 1 there and back, 2 twice; Typ4 the easing:
//   0 linear, 1 smooth (3w^2 - 2w^3), 2 ease in (w^2), 3 ease out (1 - (1 - w)^2); Typ5 1 swaps the
//   two ends. Krok >= 2 cuts w into Krok bands. NMinus and NPlus (percent) keep the first and the
//   last colour solid over that share of the range (together below 100).
// Each channel is nint(a (1 - w) + b w).
#include "platform/BoundedArray.h"
#include "platform/Surface.h"

#include <cstdint>

namespace pixol::gradients {

int32_t weights(uint8_t typ, int32_t bmX, int32_t bmY, float brSg, salon::BoundedArray<float>& sPole, int32_t xmZ,
                int32_t ymZ, int32_t xmK, int32_t ymK);

struct GraSettings {
    uint8_t shape, colours, repeat, easing, swap, steps;
    int32_t xmZ, ymZ, xmK, ymK, region, colour, plus, minus;
};
int32_t paint(salon::Surface& obj, const GraSettings& g, const salon::Surface* other);

} // namespace pixol::gradients
