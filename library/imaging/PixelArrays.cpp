#include "library/imaging/PixelArrays.h"

#include "library/imaging/PictureBasics.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <algorithm>
#include <cstring>

namespace pixol::pixels {

int32_t stride(int32_t width) { return salon::rowBytes24(width); }

bool fits(const ByteArray& a, int32_t width, int32_t height)
{
    if (width < 1 || height < 1 || a.rank != 2) return false;
    if (a.lbound(1) != 0 || a.lbound(2) != 0) return false;
    // A wider row than the stride of W would shift every row after the first.
    return a.count[0] == stride(width) && a.count[1] >= height;
}

void make(ByteArray& a, int32_t width, int32_t height) { a.redim(0, stride(width) - 1, 0, height - 1); }

salon::Bitmap toBitmap(const ByteArray& a, int32_t width, int32_t height)
{
    salon::Bitmap b = salon::Bitmap::rgb24(width, height);
    std::memcpy(b.pixels.data(), a.values.data(), size_t(stride(width)) * size_t(height));
    return b;
}

void fromBitmap(const salon::Bitmap& picture, ByteArray& a)
{
    salon::Bitmap rgb = picture.bitsPerPixel == 24 ? salon::Bitmap{} : picture.toRgb24();
    const salon::Bitmap& p = picture.bitsPerPixel == 24 ? picture : rgb;
    make(a, p.width, p.height);
    std::memcpy(a.values.data(), p.pixels.data(), size_t(stride(p.width)) * size_t(p.height));
}

namespace {
void reduceSpan(uint8_t* row, int32_t x0, int32_t x1)
{
    for (int32_t x = x0; x < x1; ++x) {
        row[3 * x] &= 248;
        row[3 * x + 1] &= 252;
        row[3 * x + 2] &= 248;
    }
}

bool reducedDisplay(int32_t depth) { return depth == 15 || depth == 16; }

// Step 4 of the measuring: the persistent picture must be as large as the drawn image and the
// drawable area; when it is not, the drawn image becomes the picture.
void alignPicture(salon::Surface& obj)
{
    const int32_t w = obj.drawableWidth(), h = obj.drawableHeight();
    if (!obj.hasPicture() || obj.picture()->width != w || obj.picture()->height != h ||
        obj.image().width != w || obj.image().height != h)
        obj.keepImage();
}
} // namespace

void reduceColours(ByteArray& a, int32_t width, int32_t height)
{
    const int32_t s = stride(width);
    for (int32_t y = 0; y < height; ++y) reduceSpan(a.values.data() + size_t(y) * size_t(s), 0, width);
}

void reduceColours(ByteArray& a, int32_t width, int32_t height, const salon::Region& inside)
{
    if (!inside.isValid()) return;
    const int32_t s = stride(width);
    for (const salon::Rect& r : inside.rects()) {
        // Rectangles of the region that reach past the picture are cut at its edges.
        const int32_t l = std::max(r.left, 0), rr = std::min(r.right, width);
        const int32_t t = std::max(r.top, 0), b = std::min(r.bottom, height);
        for (int32_t y = t; y < b; ++y)
            if (l < rr) reduceSpan(a.values.data() + size_t(y) * size_t(s), l, rr);
    }
}

int32_t createObrPole(salon::Surface& obj, int32_t& width, int32_t& height, ByteArray& pole, int32_t typ,
                      int32_t colourDepth, const salon::Region* reduceInside, bool regionGiven)
{
    if (!obj.autoRedraw || typ < 0 || typ > 3) return 0;
    if (typ == 1 || typ == 3) obj.keepImage();
    if (!obj.hasPicture()) obj.keepImage();
    alignPicture(obj);
    const salon::Bitmap rows = obj.readRows();
    if (rows.isNull()) return 0;
    width = rows.width;
    height = rows.height;
    fromBitmap(rows, pole);
    if ((typ == 2 || typ == 3) && reducedDisplay(colourDepth)) {
        if (!regionGiven)
            reduceColours(pole, width, height);
        else if (reduceInside)
            reduceColours(pole, width, height, *reduceInside);
    }
    return 1;
}

bool clearSized(salon::Surface& s, int32_t width, int32_t height)
{
    return clearToSize(s, width, height) && s.drawableWidth() == width && s.drawableHeight() == height;
}

int32_t obnovObrPole(salon::Surface& obj, int32_t width, int32_t height, const ByteArray& pole, int32_t typ)
{
    if (!fits(pole, width, height) || typ < 0 || typ > 3) return 0;
    if (!obj.hasPicture()) obj.keepImage();
    for (int attempt = 0; attempt < 2; ++attempt) {
        alignPicture(obj);
        if (obj.drawableWidth() == width && obj.drawableHeight() == height) break;
        if (!clearSized(obj, width, height)) return 0;
        obj.keepImage();
    }
    if (obj.drawableWidth() != width || obj.drawableHeight() != height) return 0;
    if (!obj.writeRows(toBitmap(pole, width, height))) return 0;
    if (typ == 1 || typ == 3) obj.keepImage();
    return 1;
}

int32_t poleCopy(const ByteArray& from, ByteArray& to)
{
    if (from.rank < 1 || from.rank > 3) return 0;
    to = from;
    return 1;
}

int32_t poleBod(ByteArray& dst, const ByteArray& src, int32_t width, int32_t height)
{
    if (width < 1 || height < 1 || dst.rank != 2 || src.rank != 2) return 0;
    // Both corners of the block must lie in both arrays before a byte moves.
    if (!dst.has(0, 0) || !dst.has(width - 1, height - 1) || !src.has(0, 0) || !src.has(width - 1, height - 1))
        return 0;
    const size_t sStride = size_t(src.count[0]), dStride = size_t(dst.count[0]);
    const size_t sOff = size_t(-src.lower[0]) + size_t(-src.lower[1]) * sStride;
    const size_t dOff = size_t(-dst.lower[0]) + size_t(-dst.lower[1]) * dStride;
    for (int32_t y = 0; y < height; ++y)
        std::memcpy(dst.values.data() + dOff + size_t(y) * dStride, src.values.data() + sOff + size_t(y) * sStride,
                    size_t(width));
    return 1;
}

int32_t memTmpObr(salon::Surface& obj, std::span<const uint8_t> bytes)
{
    salon::Result<salon::Bitmap> p = salon::decodePicture(bytes);
    if (!p) return 0;
    obj.setPicture(p.value(), true);
    return obj.drawableWidth() == p.value().width && obj.drawableHeight() == p.value().height ? 1 : 0;
}

namespace {
int32_t fillFrom(salon::Result<salon::Bitmap> p, int32_t& width, int32_t& height, ByteArray& pole, int32_t depth)
{
    if (!p || p.value().isNull()) return 0;
    fromBitmap(p.value(), pole);
    width = p.value().width;
    height = p.value().height;
    if (reducedDisplay(depth)) reduceColours(pole, width, height);
    return 1;
}
} // namespace

int32_t poleLoad(std::string_view windowsPath, int32_t& width, int32_t& height, ByteArray& pole, int32_t colourDepth)
{
    std::optional<std::filesystem::path> path = salon::nativePath(windowsPath);
    if (!path) return 0;
    return fillFrom(salon::loadPicture(*path), width, height, pole, colourDepth);
}

int32_t memTmpPole(std::span<const uint8_t> bytes, int32_t& width, int32_t& height, ByteArray& pole,
                   int32_t colourDepth)
{
    return fillFrom(salon::decodePicture(bytes), width, height, pole, colourDepth);
}

bool screenWindow(int32_t prxC, int32_t prYC, int32_t dX, int32_t dY, int32_t bmX, int32_t bmY, ScreenWindow& w)
{
    if (bmX < 2 || bmY < 2 || prxC < 1 || prYC < 1) return false;
    auto axis = [](int32_t d, int32_t size, int32_t limit, int32_t& dest, int32_t& src, int32_t& len) {
        const int64_t start = d < 0 ? 0 : int64_t(d);
        int64_t n = d < 0 ? int64_t(size) + d : int64_t(size);
        dest = d < 0 ? int32_t(std::min<int64_t>(-int64_t(d), size)) : 0;
        // Both directions are limited by the source position really read, so a window that starts
        // left of or above the source never reads past its far edge.
        if (start + n > limit) n = int64_t(limit) - start;
        src = int32_t(std::min<int64_t>(start, limit));
        len = int32_t(std::max<int64_t>(n, 0));
    };
    axis(dX, bmX, prxC, w.destX, w.srcX, w.width);
    axis(dY, bmY, prYC, w.destY, w.srcY, w.height);
    return w.width >= 2 && w.height >= 2;
}

int32_t loadScreen(const salon::Surface& source, int32_t prxC, int32_t prYC, int32_t dX, int32_t dY, int32_t bmX,
                   int32_t bmY, salon::Surface& target)
{
    // The caller's claimed source size may not exceed what the source really has.
    prxC = std::min(prxC, source.drawableWidth());
    prYC = std::min(prYC, source.drawableHeight());
    ScreenWindow w;
    if (!screenWindow(prxC, prYC, dX, dY, bmX, bmY, w)) return 0;
    if (!clearSized(target, bmX, bmY)) return 0;
    salon::bitBlt(target, w.destX, w.destY, w.width, w.height, source, w.srcX, w.srcY, salon::RasterOp::SrcCopy);
    return 1;
}

} // namespace pixol::pixels
