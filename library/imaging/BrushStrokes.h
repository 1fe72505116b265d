#pragma once
// Brush strokes on picture objects: PsMalBod (paint) and PsRazitko (clone stamp) over the stroke
// engine (StrokeEngine.h), working in place on the object's drawn image inside the changed
// rectangle.
//
// PsMalBod kinds (p the opacity; kinds 3, 4 use p / 2, 11 p / 2.5 + 0.59, 12-15 p / 5):
//   1 hard, 2 soft   colour: w = min(1, (n - c) p / (255 - p c)); b (1 - w) 0.996 + w colour
//   3 lighten, 4 darken by (n - c) p (linear profile)
//   5 hard, 6 soft   spray: the weight of 1 times max(0, 1 - r (spread + 0.5)), r random per pixel
//   7 hard, 8 soft   colour noise: b + (0.5 - r) x spread x 200 x p x min(1, (n - c) / (255 - c)),
//                    r random per byte
//   9 hard, 10 soft  as 7, 8 with one r per pixel (brightness grain)
//   11-15 tapering strokes (one start cap, fading along the stroke): 11 colour, 12 colour wash,
//         13 lighten, 14 darken, 15 spray.
// PsRazitko kinds (the source pixel takes the colour's place; s the source byte):
//   1 hard, 2 soft clone; 3 hard, 4 soft lighten only (max(b, result)); 5 hard, 6 soft darken
//   only; 7, 8, 9 clone with a linear, quadratic (airbrush) and plateau profile; 10 hard, 11 soft
//   spray clone; 12 hard, 13 soft heal (the source's difference from its own mean added to the
//   target's mean: s - mean(s) + mean(b) over the three channels); 14 hard, 15 soft tapering clone;
//   16, 17, 18 tapering clone with the profiles of 7, 8, 9.
// The source area is copied before painting, so a stamp within one picture never reads pixels it
// has just painted; pixels whose source lies outside the source picture are not painted and keep
// their coverage.
#include "platform/BoundedArray.h"
#include "platform/Surface.h"

#include <cstdint>
#include <random>

namespace pixol::strokes {

struct StrokeBox {
    int32_t& left;
    int32_t& top;
    int32_t& width;
    int32_t& height;
};

int32_t malBod(salon::Surface& obj, int32_t bmX, int32_t bmY, salon::ByteArray& pole, int32_t typ, int32_t sila,
               float pruhl, int32_t barva, int32_t xz, int32_t yz, int32_t xk, int32_t yk, StrokeBox box,
               float rozptyl, std::mt19937& random);

int32_t razitko(salon::Surface& target, const salon::Surface& source, int32_t bmX, int32_t bmY, int32_t bmX1,
                int32_t bmY1, salon::ByteArray& pole, int32_t typ, int32_t sila, float pruhl, int32_t dX, int32_t dY,
                int32_t xz, int32_t yz, int32_t xk, int32_t yk, StrokeBox box, float rozptyl,
                std::mt19937& random);

} // namespace pixol::strokes
