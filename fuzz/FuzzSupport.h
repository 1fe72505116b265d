#pragma once
// What the fuzz targets share: a scratch directory per process, files written into it, and the
// checks that turn a silently wrong result into a finding. Everything here is inline so that one
// test program can link every target's source.
#include "platform/Bitmap.h"
#include "platform/PictureFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <unistd.h>

namespace salon::fuzz {

// A finding: say what broke (the fuzzer then prints the stack and keeps the input).
[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void check(bool ok, const char* what)
{
    if (!ok) fail(what);
}

// A directory of this process's own; the files in it are overwritten per input, and it goes when
// the process ends normally (a crashing run leaves it for a look).
inline const std::filesystem::path& scratchDir()
{
    struct Scratch {
        std::filesystem::path dir;
        Scratch()
        {
            std::error_code ec;
            auto base = std::filesystem::temp_directory_path(ec);
            if (ec) base = "/tmp";
            dir = base / ("salon-fuzz-" + std::to_string(::getpid()));
            std::filesystem::create_directories(dir, ec);
        }
        ~Scratch()
        {
            std::error_code ec;
            std::filesystem::remove_all(dir, ec);
        }
    };
    static const Scratch scratch;
    return scratch.dir;
}

inline std::filesystem::path writeScratch(const std::string& name, std::span<const uint8_t> bytes)
{
    auto path = scratchDir() / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    check(bool(out), "cannot write a scratch file");
    return path;
}

// A decoded picture must be internally whole: its pixel rows and palette cover what it claims.
inline void checkBitmap(const Bitmap& b)
{
    check(b.width > 0 && b.height > 0, "a decoded picture has no size");
    check(b.bitsPerPixel == 1 || b.bitsPerPixel == 4 || b.bitsPerPixel == 8 || b.bitsPerPixel == 24,
          "a decoded picture has an unknown depth");
    check(b.pixels.size() == size_t(b.rowBytes()) * size_t(b.height), "pixel bytes do not match the size");
    if (b.bitsPerPixel <= 8) check(!b.palette.empty(), "an indexed picture without a palette");
}

// Same size and the same colour at every pixel (row padding may differ).
inline bool samePixels(const Bitmap& a, const Bitmap& b)
{
    if (a.width != b.width || a.height != b.height) return false;
    for (int32_t y = 0; y < a.height; ++y)
        for (int32_t x = 0; x < a.width; ++x)
            if ((a.pixel(x, y) & 0xFFFFFFu) != (b.pixel(x, y) & 0xFFFFFFu)) return false;
    return true;
}

// Whatever a reader accepts, our own BMP writer must be able to save, and reading that file back
// must give the same pixels: a photo that opens must never be saved wrong.
inline void checkBmpRoundTrip(const Bitmap& b)
{
    // Pictures of many megapixels are legal but make the fuzzer crawl; their rows go through the
    // same code as small ones.
    if (int64_t(b.width) * b.height > (int64_t(1) << 20)) return;
    const Bitmap rgb = b.toRgb24();
    check(rgb.width == b.width && rgb.height == b.height && rgb.bitsPerPixel == 24, "toRgb24 changed the size");
    for (int32_t y = 0; y < b.height; y += (b.height > 64 ? 7 : 1))
        for (int32_t x = 0; x < b.width; x += (b.width > 64 ? 7 : 1))
            check(rgb.pixel(x, y) == (b.pixel(x, y) & 0xFFFFFFu), "toRgb24 changed a pixel");
    const auto file = encodeBmp(b);
    auto back = decodeBmp(file);
    check(back.ok(), "our own BMP file does not read back");
    check(samePixels(back.value(), rgb), "our own BMP file reads back different pixels");
    if (b.bitsPerPixel <= 8) {
        const auto indexed = encodeBmp(b, true);
        auto again = decodeBmp(indexed);
        check(again.ok(), "our own indexed BMP file does not read back");
        check(samePixels(again.value(), rgb), "our own indexed BMP file reads back different pixels");
    }
}

// A cheap, stable number from the input, for choices a target makes beside the bytes it parses.
// A picture reader given any bytes: an error, or a whole picture that our writer saves faithfully;
// the generic loader must agree with the reader it picks.
template <class Decode>
void checkPictureReader(std::span<const uint8_t> bytes, Decode decode)
{
    auto picture = decode(bytes);
    if (picture.ok()) {
        checkBitmap(picture.value());
        checkBmpRoundTrip(picture.value());
    }
    auto any = decodePicture(bytes);
    if (any.ok()) checkBitmap(any.value());
}

inline uint32_t inputHash(std::span<const uint8_t> data)
{
    uint32_t h = 2166136261u;
    for (uint8_t c : data) h = (h ^ c) * 16777619u;
    return h;
}

} // namespace salon::fuzz
