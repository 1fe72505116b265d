#pragma once
// Geometric transforms of a picture object: rotation by any angle, scaling, mirroring, quarter
// turns, the quadrilateral warp, the non-linear stretches, resampling of a pixel array, fits, the
// canvas and copies. Arithmetic is single precision with round-half-to-even, as everywhere in the
// picture code; the 0.996 factors keep weighted sums below 256.
#include "platform/Bitmap.h"
#include "platform/BoundedArray.h"
#include "platform/PixelKernel.h"
#include "platform/Region.h"
#include "platform/Surface.h"

#include <cstdint>

namespace pixol::transforms {

using salon::ByteArray;

// ---- helpers shared with the outline transforms ----
// The drawable size; false when it is empty.
bool sizeOf(const salon::Surface& obj, int32_t& width, int32_t& height);
// obj emptied and sized to a drawable W x H, then given `pixels` (24-bit, same size) as its image.
bool replaceWith(salon::Surface& obj, const salon::Bitmap& pixels);
// obj's drawn image as 24-bit rows, reduced for a 15/16-bit display (a type 3 read).
salon::Bitmap readType3(salon::Surface& obj, int32_t colourDepth);

// ---- rotation ----
struct Rotated {
    salon::Bitmap pixels;   // NW x NH: one column and row more than the rotated picture
    float dX = 0, dY = 0;   // where the rotated origin lies in it
};
// The bilinear rotation of a W x H picture by u radians (positive: clockwise on screen). Plain
// mixes one channel at a time, the other forms a pixel's three channels in one vector; all give
// the same bytes.
bool rotatePixels(const salon::Bitmap& picture, float u, Rotated& out, salon::PixelKernel kernel);
bool rotatePixels(const salon::Bitmap& picture, float u, Rotated& out);
int32_t rotate(salon::Surface& obj, float u, float& dX, float& dY, bool resize, int32_t colourDepth);

// ---- scaling, mirroring, quarter turns ----
int32_t scale(salon::Surface& obj, int32_t& dX, int32_t& dY, float dpX, float dpY, bool resize);
int32_t flip(salon::Surface& obj, bool flipX, bool flipY);
int32_t quarterTurn(salon::Surface& obj, bool clockwise, int32_t& dX, int32_t& dY, bool resize, int32_t colourDepth);

// ---- the quadrilateral warp ----
struct WarpCorners {
    int32_t x1, y1, x2, y2, x3, y3, x4, y4;  // top-left, bottom-left, bottom-right, top-right
};
struct WarpResult {
    salon::Region outline;  // the quadrilateral, moved to the origin
    int32_t dX = 0, dY = 0, ex = 0, ey = 0, ddx = 0, ddy = 0;
    float t1 = 0, t2 = 0, t3 = 0, t4 = 0, q1 = 0, q2 = 0;
};
bool warp(salon::Surface& obj, const WarpCorners& c, WarpResult& r);

// ---- non-linear stretch ----
// Row (vertical) or column (horizontal) weights from 2 - value to value; value in [0.2, 1.8].
bool nonLinearPixels(salon::Bitmap& picture, float value, bool vertical);
int32_t nonLinear(salon::Surface& obj, float value, bool vertical, int32_t colourDepth);

// ---- resampling and fits ----
// Box filter of a BmX x BmY pixel array to NmX x NmY.
int32_t resample(int32_t bmX, int32_t bmY, int32_t nmX, int32_t nmY, const ByteArray& from, ByteArray& to);
// The same with a chosen form (every form gives the same bytes): Avx2 two pixels at a time, the
// others one at a time (in SSE2 vectors where the build has them); Avx2 where it does not run here
// falls back to those.
int32_t resample(int32_t bmX, int32_t bmY, int32_t nmX, int32_t nmY, const ByteArray& from, ByteArray& to,
                 salon::PixelKernel kernel);
int32_t fitObject(salon::Surface& obj, uint8_t typ, int32_t pnlX, int32_t pnlY, int32_t& nPrX, int32_t& nPrY,
                  float& dsX, float& dsY);
int32_t fitSize(uint8_t typ, int32_t& prX, int32_t& prY, int32_t pnlX, int32_t pnlY, int32_t& nPrX, int32_t& nPrY,
                float& dsX, float& dsY);

// ---- canvas and copies ----
int32_t canvas(salon::Surface& obj, int32_t bmX, int32_t bmY, int32_t colour, int32_t xLe, int32_t yLe);
int32_t copyImage(salon::Surface& dst, const salon::Surface& src, int32_t rasterOp);
int32_t copyRegionBox(const salon::Region& region, salon::Surface& dst, const salon::Surface& src, int32_t& dX,
                      int32_t& dY, bool largerCut);

} // namespace pixol::transforms
