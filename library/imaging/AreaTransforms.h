#pragma once
// Area transforms: colour and tone filters and blends over pixel arrays, inside an area.
//
// Pixel arrays are ByteArray of rank 2, bounds (0..stride-1, 0..height-1), stride the padded 24-bit
// row; the first index runs fastest, so `values` holds the rows top first exactly as a
// device-independent bitmap does and every kernel walks raw rows. Masks are rank-2 byte arrays, one
// byte per pixel, indexed (x, y) from 0.
//
// The area is the part of the region handle on the picture (the whole picture for handle 0) as a
// list of rectangles in band order; every kernel visits exactly those pixels, rectangle by
// rectangle, rows top to bottom, pixels left to right, and changes them in place. A rejected
// parameter or array leaves every array unchanged (result 0); an empty area gives -1.
//
// Arithmetic: single precision; bytes rounded half to even (lrintf); the 0.996 factors keep weighted
// sums under 255.5. Per-type constants (and 256-entry lookup tables where a byte maps to a byte)
// are made once before the loop. Area sums are 64-bit. The busiest kinds (grey, contrast, lighten,
// threshold, blends B 1 and 3, colour transfers B 5-8, modes C) run whole rows through the vector
// kernels of AreaRows.h, which give the same bytes as the formulas one pixel at a time.
//
// Design of the variants left open (what a retoucher would expect):
//  PaZmenaA
//   8  relief: per channel v = (c(x,y) - c(x+2,y+2)) / 4 (neighbour clamped to the picture); beyond
//      +-Data1 it becomes +-127; the byte is nint(v) + 128.
//   9  sharpen: c + Data1/100 x (c - mean of the neighbours), 4 neighbours (Data2 0) or 8 (Data2 1).
//   10 smoothing: centre and its 4 neighbours; weights centre 0.2 / neighbours 0.2 (Data1 1) or
//      0.4 / 0.15 (Data1 0), taken as the exact fractions 1/5 and 8/20, 3/20 and rounded half to
//      even in integers. Neighbours of 8-10 are read from a copy, clamped to the picture.
//   11 colourise: grey g = (B+G+R)/3, s = Data2/100, t = Data3/100:
//      c' = c (1-s) + s (1-t) colour g / 255 + s t colour.
//   12 as 6, mixed with the target colour: c' = (1-q) c f + 0.96 q colour, q = Data4/100, which is
//      the listed factor (1-q) and extra weight q 0.96 / (1-q) applied to (1-q) colour.
//   13 noise: c' = c + w1 (r0 - 0.5) + w2 (rc - 0.5), r0 one random number per pixel (grain of
//      brightness), rc one per channel (colour grain); floor Data2. The library's seedable
//      generator is used, never the clock, so a seeded run repeats.
//   14 measure: Data1..Data3 = the largest red, green, blue byte of the area, Data4 their sum.
//   15 duotone in Data3 steps: the grey is cut into Data3 levels l = 0..1 and the pixel moves by
//      Data2/100 towards l x colour.
//   16 hue turn: the angle is taken in 0..360; sector k = angle \ 120 turns the channels k times
//      (red -> green -> blue -> red); the remainder mixes the k and k+1 turns with weight
//      w = (1 - remainder/120) x 0.996 and 1 - w.
//  PaZmenaG 4: levels spread over 0..255: q = nint(v / (255 / Data1)), byte nint(q x 255 / Data1).
//  PaZmenaB (k = Data1/100; "mix(m)" is nint(P1 (1-k) 0.996 + m k))
//   2  random choice: r < threshold takes P2 whole, else mix(P2) with weight Data1/100 Data2/100.
//   4  as 2 with one random number per channel.
//   5  colour transfer: mix(P2 x f), f per channel = colour Data4 / colour Data5 (0 bytes count 1).
//   6  as 5, lifted by 1 + Data2/250, P1 kept with (100 - Data1) 0.00996.
//   7  multiply by the transferred colour: mix(P1 x P2 f / 255).
//   8  as 7 with 6's lift and weights.
//   9  dark key: where the sum s of P2's bytes is below T = Data4, weight (T - s) / F, F = T 100 / Data1.
//   10 as 9 with F x (1 + Data2/250).  11, 12 bright key: weight (s - (765 - T)) / F, F as 9, 10.
//  PaZmenaC: m = mode(P2, P3), then mix(m): 1 multiply, 2 screen, 3 overlay (P2 the base), 4 darken,
//      5 lighten, 6 difference, 7 average.
//  PaZmenaD: coverage a = mask/255 x k: 1 P2 over P1 through the mask, 2 through the inverted mask,
//      3-8 the modes multiply, screen, overlay, darken, lighten, difference of (P1, P2) through the mask.
//  PaZmenaE: 1 P3 over P2 through the mask, the result mixed onto P1; 2 the same through the
//      inverted mask; 3-8 mode(P2, P3) through the mask onto P1 (as PaZmenaD 3-8 with P2 for P1).
//  PaZmenaF: P2 over P1 through ByPo1, then P3 over that through ByPo2; Data1 / Data2 1 invert the
//      first / second mask (0..1, else rejected).
#include "platform/BoundedArray.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <random>
#include <vector>

namespace pixol::area {

using salon::ByteArray;
using salon::LongArray;

// The rectangles of the area: `result` 1 with at least one rectangle, -1 empty, 0 unreadable region.
struct Area {
    int32_t result = 0;
    std::vector<salon::Rect> rects;
    salon::Rect box;
};
Area areaOf(int32_t hrgn, const salon::Rect& bounds);

// A pixel array of exactly this picture size (width and height at least 4).
bool isPixelArray(const ByteArray& a, int32_t width, int32_t height);
// A mask covering at least width x height pixels, indexed from 0.
bool isMask(const ByteArray& a, int32_t width, int32_t height);

struct Box {
    int32_t& left;
    int32_t& top;
    int32_t& width;
    int32_t& height;
};
struct Data4 {
    int32_t& d1;
    int32_t& d2;
    int32_t& d3;
    int32_t& d4;
};

int32_t filterA(int32_t typ, ByteArray& pole, int32_t prX, int32_t prY, Box box, int32_t hrgn, Data4 data,
                std::mt19937& random);
int32_t filterG(int32_t typ, ByteArray& pole, int32_t prX, int32_t prY, LongArray& koR, LongArray& koG,
                LongArray& koB, Box box, int32_t hrgn, int32_t data1, int32_t colourDepth);

// The blends: Pole2 (prX2 x prY2) laid on Pole1 at (ofX, ofY); pole3 / masks are read at Pole2's
// positions and may be null where the member has none.
struct BlendInput {
    ByteArray& pole1;
    int32_t prX1, prY1;
    const ByteArray& pole2;
    int32_t prX2, prY2;
    const ByteArray* pole3 = nullptr;
    int32_t prX3 = 0, prY3 = 0;
    const ByteArray* mask1 = nullptr;
    const ByteArray* mask2 = nullptr;
    int32_t ofX = 0, ofY = 0;
};
int32_t blendB(int32_t typ, const BlendInput& in, Box box, int32_t hrgn, int32_t d1, int32_t d2, int32_t d3,
               int32_t d4, int32_t d5, std::mt19937& random);
int32_t blendC(int32_t typ, const BlendInput& in, Box box, int32_t hrgn, int32_t d1, int32_t d2, int32_t d3);
int32_t blendD(int32_t typ, const BlendInput& in, Box box, int32_t hrgn, int32_t d1, int32_t d2, int32_t d3);
int32_t blendE(int32_t typ, const BlendInput& in, Box box, int32_t hrgn, int32_t d1, int32_t d2, int32_t d3);
int32_t blendF(const BlendInput& in, Box box, int32_t hrgn, int32_t d1, int32_t d2);

} // namespace pixol::area
