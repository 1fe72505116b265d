#pragma once
// Reading and writing picture files. Every reader checks sizes and offsets against the data it has
// before it allocates; a damaged or unsupported file is an Error, never a crash. Pictures over
// 64 Mpixel or with a side over 2^20 pixels are refused.
#include "Bitmap.h"
#include "Result.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace salon {

enum class PictureKind { Unknown, Bmp, Jpeg, Gif, Ico, Cur, Png, Wmf, Emf };

// The kind by content (signature), not by name.
PictureKind sniffPicture(std::span<const uint8_t> data);

// BMP: 1, 4, 8, 16, 24, 32 bits, RLE4 and RLE8, top-down and bottom-up. Indexed files keep their
// depth and palette; 16- and 32-bit files become 24-bit.
Result<Bitmap> decodeBmp(std::span<const uint8_t> data);
Result<Bitmap> decodeJpeg(std::span<const uint8_t> data);  // always 24-bit
// First frame, 8-bit with its palette, placed on the logical screen (background index elsewhere).
Result<Bitmap> decodeGif(std::span<const uint8_t> data);
// ICO or CUR: the largest bitmap image (PNG-compressed images are passed over), 24-bit; pixels with
// an alpha channel are composited onto black, the AND mask is not applied.
Result<Bitmap> decodeIco(std::span<const uint8_t> data);

// What a mouse pointer needs of an icon or cursor file: the image decodeIco shows, the AND mask
// that lets the screen through around it, and the hot spot - the pixel that points.
struct CursorPicture {
    Bitmap image;  // 24-bit
    Bitmap mask;   // 1-bit, palette black, white: white (bit 1) where the screen shows through
    int32_t hotX = 0, hotY = 0;
};
// The same image as decodeIco, with its mask and, from a CUR file's directory, its hot spot (an ICO
// file points with its centre). A mask cut short or a hot spot off the picture is an error. Colour
// under a set mask bit inverts the screen on the platform; views show it as transparent.
Result<CursorPicture> decodeCursor(std::span<const uint8_t> data);
Result<Bitmap> decodePicture(std::span<const uint8_t> data);  // by sniffPicture; WMF and EMF in Metafile.h

// A 24-bit bottom-up BMP file (54-byte header), any input depth converted. Indexed pictures of 8
// bits or less may also be written with their palette (keepDepth).
std::vector<uint8_t> encodeBmp(const Bitmap& picture, bool keepDepth = false);
std::vector<uint8_t> encodeJpeg(const Bitmap& picture, int quality = 90);

Result<std::vector<uint8_t>> readFileBytes(const std::filesystem::path& path, uint64_t maxBytes = 512u << 20);
Result<Bitmap> loadPicture(const std::filesystem::path& path);
// Writes to a temporary file beside the target and renames it over the target; a replaced file
// keeps its permissions. On failure the target is untouched and no temporary file remains.
Result<bool> writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);
Result<bool> saveBmp(const std::filesystem::path& path, const Bitmap& picture);

} // namespace salon
