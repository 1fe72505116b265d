#pragma once
// The pixel array: a picture's bytes taken out of a surface so that the transforms can address
// them by (3 x + channel, y) without a call per pixel. Rank 2, byte column 0..stride - 1 fastest,
// row 0..H - 1, 24-bit blue-green-red rows padded to 4 bytes - the memory image of a top-down
// 24-bit device-independent bitmap, so a whole picture moves in one copy each way.
#include "platform/Bitmap.h"
#include "platform/BoundedArray.h"
#include "platform/Region.h"
#include "platform/Surface.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace pixol::pixels {

using salon::ByteArray;

[[nodiscard]] int32_t stride(int32_t width);  // 3 W rounded up to a multiple of 4

// True when `a` is a pixel array of exactly W x H pixels (rank 2, bounds from 0, stride columns,
// at least H rows): the check every reader and writer makes before touching the bytes.
[[nodiscard]] bool fits(const ByteArray& a, int32_t width, int32_t height);

// A zeroed (black) W x H pixel array.
void make(ByteArray& a, int32_t width, int32_t height);

// The array's bytes as a 24-bit bitmap of W x H, and back. fits() must hold for toBitmap.
[[nodiscard]] salon::Bitmap toBitmap(const ByteArray& a, int32_t width, int32_t height);
void fromBitmap(const salon::Bitmap& picture, ByteArray& a);  // any depth; redimensions `a`

// What a display of 15 or 16 bits keeps of a colour: blue and red 5 bits, green 6.
void reduceColours(ByteArray& a, int32_t width, int32_t height);
void reduceColours(ByteArray& a, int32_t width, int32_t height, const salon::Region& inside);

// Typ: 0 plain, 1 keep the drawn image as the persistent picture first, 2 reduce colours on a
// 15/16-bit display, 3 both. `reduceInside` (when given) limits the reduction to a region.
// 1 when the array was filled; 0 leaves W, H and the array untouched.
int32_t createObrPole(salon::Surface& obj, int32_t& width, int32_t& height, ByteArray& pole, int32_t typ,
                      int32_t colourDepth, const salon::Region* reduceInside, bool regionGiven);
// Writes a W x H array into obj, resizing obj first when its drawable size differs.
int32_t obnovObrPole(salon::Surface& obj, int32_t width, int32_t height, const ByteArray& pole, int32_t typ);

int32_t poleCopy(const ByteArray& from, ByteArray& to);
int32_t poleBod(ByteArray& dst, const ByteArray& src, int32_t width, int32_t height);

// A picture file's bytes decoded in memory and set as obj's persistent picture (obj takes its size).
int32_t memTmpObr(salon::Surface& obj, std::span<const uint8_t> bytes);
// A picture file (path or bytes) straight into a pixel array, with the 15/16-bit reduction.
int32_t poleLoad(std::string_view windowsPath, int32_t& width, int32_t& height, ByteArray& pole, int32_t colourDepth);
int32_t memTmpPole(std::span<const uint8_t> bytes, int32_t& width, int32_t& height, ByteArray& pole,
                   int32_t colourDepth);

// The source rectangle and destination offset of a W x H window at (dX, dY) of a PrxC x PrYC
// source; false when less than 2 x 2 pixels of it lie on the source.
struct ScreenWindow {
    int32_t destX = 0, destY = 0, srcX = 0, srcY = 0, width = 0, height = 0;
};
[[nodiscard]] bool screenWindow(int32_t prxC, int32_t prYC, int32_t dX, int32_t dY, int32_t bmX, int32_t bmY,
                                ScreenWindow& w);
// The window copied into `target`, sized to W x H (its uncovered part the background colour).
int32_t loadScreen(const salon::Surface& source, int32_t prxC, int32_t prYC, int32_t dX, int32_t dY,
                   int32_t bmX, int32_t bmY, salon::Surface& target);

// Sizes a surface to a drawable W x H with nothing on it (no persistent picture).
bool clearSized(salon::Surface& s, int32_t width, int32_t height);

} // namespace pixol::pixels
