#include "platform/PictureFile.h"

#include "platform/BinaryFile.h"
#include "platform/Metafile.h"
#include "platform/Numbers.h"

#include <gif_lib.h>
#include <jpeglib.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <system_error>

// Every reader checks a size or an offset against the bytes it has before it uses it, and refuses
// pictures over MaxPixels before allocating anything, so a damaged file costs an Error and at most
// one picture's memory.

namespace salon {

namespace {

constexpr int64_t MaxPixels = int64_t(64) << 20;
constexpr int64_t MaxSide = int64_t(1) << 20;

Error fail(std::string message) { return Error{std::move(message)}; }

bool sizeAcceptable(int64_t w, int64_t h)
{
    return w > 0 && h > 0 && w <= MaxSide && h <= MaxSide && w * h <= MaxPixels;
}

uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

// ---- device-independent bitmaps (BMP files and icon images) ----

struct DibHeader {
    int64_t headerSize = 0;
    int64_t width = 0, height = 0;  // height as stored: negative = top-down
    int bits = 0;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    bool core = false;                  // 12-byte header with 3-byte palette entries
};

enum : uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiAlphaBitfields = 6 };

// Reads the header at `at` and returns where the palette (or the masks after a 40-byte header)
// begin.
Result<int64_t> readDibHeader(std::span<const uint8_t> d, int64_t at, DibHeader& h)
{
    ByteReader r(d);
    auto size = r.long32(at + 1);
    if (!size) return fail("The picture header is cut short.");
    h.headerSize = uint32_t(*size);
    if (h.headerSize == 12) {
        if (!r.has(at + 1, 12)) return fail("The picture header is cut short.");
        h.core = true;
        h.width = uint16_t(*r.short16(at + 5));
        h.height = uint16_t(*r.short16(at + 7));
        h.bits = uint16_t(*r.short16(at + 11));
        return at + 12;
    }
    if (h.headerSize < 40 || h.headerSize > 4096) return fail("The picture header has an unknown size.");
    if (!r.has(at + 1, h.headerSize)) return fail("The picture header is cut short.");
    h.width = *r.long32(at + 5);
    h.height = *r.long32(at + 9);
    h.bits = uint16_t(*r.short16(at + 15));
    h.compression = uint32_t(*r.long32(at + 17));
    h.coloursUsed = uint32_t(*r.long32(at + 33));
    int64_t next = at + h.headerSize;
    if (h.compression == BiBitfields || h.compression == BiAlphaBitfields) {
        int n = h.compression == BiAlphaBitfields ? 4 : 3;
        if (h.headerSize >= 52 + 4 * (n - 3)) {
            for (int i = 0; i < n; ++i) h.masks[i] = uint32_t(*r.long32(at + 41 + 4 * i));
        } else {
            if (!r.has(next + 1, 4 * n)) return fail("The colour masks are cut short.");
            for (int i = 0; i < n; ++i) h.masks[i] = uint32_t(*r.long32(next + 1 + 4 * i));
            next += 4 * n;
        }
    }
    return next;
}

struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;
    uint8_t get(uint32_t v) const
    {
        if (!max) return 0;
        uint64_t c = (v & mask) >> shift;
        return uint8_t((c * 510 + max) / (2 * uint64_t(max)));  // c * 255 / max, rounded
    }
};

Channel channel(uint32_t mask)
{
    Channel c;
    c.mask = mask;
    if (!mask) return c;
    while (!((mask >> c.shift) & 1)) ++c.shift;
    c.max = mask >> c.shift;
    return c;
}

// Expands the RLE8 / RLE4 stream into indexed rows in file order; pixels the stream skips keep
// index 0. Codes that would write outside the picture are clipped, and the stream may end early.
void decodeRle(std::span<const uint8_t> s, Bitmap& out, bool four)
{
    int64_t x = 0, y = 0;
    size_t i = 0;
    auto put = [&](uint8_t index) {
        if (x >= 0 && x < out.width && y >= 0 && y < out.height) {
            uint8_t* row = out.row(int32_t(y));
            if (four) {
                uint8_t& b = row[x >> 1];
                b = (x & 1) ? uint8_t((b & 0xF0) | (index & 0x0F)) : uint8_t((b & 0x0F) | (index << 4));
            } else {
                row[x] = index;
            }
        }
        ++x;
    };
    while (i + 1 < s.size() && y < out.height) {
        uint8_t count = s[i], value = s[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k)
                put(four ? ((k & 1) ? (value & 0x0F) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // delta
            if (i + 1 >= s.size()) break;
            x += s[i];
            y += s[i + 1];
            i += 2;
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            size_t bytes = four ? (size_t(value) + 1) / 2 : value;
            if (i + bytes > s.size()) bytes = s.size() - i;
            for (int k = 0; k < value; ++k) {
                size_t at = i + (four ? size_t(k) / 2 : size_t(k));
                if (at >= i + bytes) break;
                put(four ? ((k & 1) ? (s[at] & 0x0F) : (s[at] >> 4)) : s[at]);
            }
            i += (bytes + 1) & ~size_t(1);
        }
    }
}

void flipRows(Bitmap& b)
{
    const size_t rb = size_t(b.rowBytes());
    std::vector<uint8_t> tmp(rb);
    for (int32_t a = 0, z = b.height - 1; a < z; ++a, --z) {
        std::memcpy(tmp.data(), b.row(a), rb);
        std::memcpy(b.row(a), b.row(z), rb);
        std::memcpy(b.row(z), tmp.data(), rb);
    }
}

// Decodes the DIB whose header is at `at`; pixels at `pixelsAt` (or right after the palette when
// negative). For icon images the header's height counts the AND mask too, so the picture is half
// of it. `pixelsEnd`, when given, receives where the (uncompressed) pixel rows end: an icon's AND
// mask starts there.
Result<Bitmap> decodeDib(std::span<const uint8_t> d, int64_t at, int64_t pixelsAt, bool icon,
                         int64_t* pixelsEnd = nullptr)
{
    DibHeader h;
    auto afterHeader = readDibHeader(d, at, h);
    if (!afterHeader) return Error{afterHeader.error()};
    const bool topDown = h.height < 0;
    int64_t height = topDown ? -h.height : h.height;
    if (icon) height /= 2;
    const int64_t width = h.width;
    if (!sizeAcceptable(width, height)) return fail("The picture size is not acceptable.");

    const int bits = h.bits;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return fail("The picture has an unsupported number of bits per pixel.");
    const uint32_t comp = h.compression;
    const bool rle = comp == BiRle8 || comp == BiRle4;
    if (comp == BiRle8 && bits != 8) return fail("RLE8 needs 8 bits per pixel.");
    if (comp == BiRle4 && bits != 4) return fail("RLE4 needs 4 bits per pixel.");
    if ((comp == BiBitfields || comp == BiAlphaBitfields) && bits != 16 && bits != 32)
        return fail("Colour masks need 16 or 32 bits per pixel.");
    if (comp != BiRgb && !rle && comp != BiBitfields && comp != BiAlphaBitfields)
        return fail("The picture's compression is not supported.");

    // Palette.
    std::vector<uint32_t> palette;
    int64_t pos = afterHeader.value();
    if (bits <= 8) {
        int64_t entries = int64_t(1) << bits;
        if (h.coloursUsed > 0 && h.coloursUsed < uint32_t(entries)) entries = h.coloursUsed;
        const int64_t entrySize = h.core ? 3 : 4;
        // The old header has no count of colours; writers that save a short palette say so only
        // by where the pixels start.
        if (h.core && pixelsAt > pos) entries = std::clamp<int64_t>((pixelsAt - pos) / 3, 1, entries);
        if (pos + entries * entrySize > int64_t(d.size())) return fail("The palette is cut short.");
        for (int64_t i = 0; i < entries; ++i) {
            const uint8_t* p = d.data() + pos + i * entrySize;
            palette.push_back(packRgb(p[2], p[1], p[0]));
        }
        pos += entries * entrySize;
    } else if (h.coloursUsed > 0 && h.coloursUsed <= 65536 && !h.core) {
        pos += int64_t(h.coloursUsed) * 4;  // an optional palette that true-colour pictures skip
    }
    if (pixelsAt < 0) pixelsAt = pos;
    if (pixelsAt >= int64_t(d.size())) return fail("The picture has no pixel data.");

    const int64_t rowBytes = ((width * bits + 31) / 32) * 4;
    std::span<const uint8_t> data = d.subspan(size_t(pixelsAt));

    if (rle) {
        Bitmap out = Bitmap::indexed(int32_t(width), int32_t(height), uint16_t(bits), std::move(palette));
        decodeRle(data, out, comp == BiRle4);
        if (!topDown) flipRows(out);
        return out;
    }

    if (int64_t(data.size()) < rowBytes * height) return fail("The pixel data is cut short.");
    if (pixelsEnd) *pixelsEnd = pixelsAt + rowBytes * height;
    auto srcRow = [&](int64_t y) { return data.data() + (topDown ? y : height - 1 - y) * rowBytes; };

    Bitmap out;
    if (bits <= 8) {
        out = Bitmap::indexed(int32_t(width), int32_t(height), uint16_t(bits), std::move(palette));
        for (int64_t y = 0; y < height; ++y) std::memcpy(out.row(int32_t(y)), srcRow(y), size_t(rowBytes));
    } else if (bits == 24) {
        out = Bitmap::rgb24(int32_t(width), int32_t(height));
        for (int64_t y = 0; y < height; ++y) std::memcpy(out.row(int32_t(y)), srcRow(y), size_t(rowBytes));
    } else {
        uint32_t m[4] = {h.masks[0], h.masks[1], h.masks[2], h.masks[3]};
        if (comp == BiRgb) {
            if (bits == 16) {
                m[0] = 0x7C00, m[1] = 0x03E0, m[2] = 0x001F, m[3] = 0;
            } else {
                m[0] = 0xFF0000, m[1] = 0x00FF00, m[2] = 0x0000FF, m[3] = icon ? 0xFF000000u : 0;
            }
        }
        const Channel cr = channel(m[0]), cg = channel(m[1]), cb = channel(m[2]), ca = channel(m[3]);
        out = Bitmap::rgb24(int32_t(width), int32_t(height));
        // An icon with an alpha channel that is all zero is an old icon that relies on its mask.
        bool useAlpha = false;
        if (icon && ca.max) {
            for (int64_t y = 0; y < height && !useAlpha; ++y)
                for (int64_t x = 0; x < width && !useAlpha; ++x)
                    useAlpha = ca.get(le32(srcRow(y) + 4 * x)) != 0;
        }
        for (int64_t y = 0; y < height; ++y) {
            const uint8_t* s = srcRow(y);
            uint8_t* o = out.row(int32_t(y));
            for (int64_t x = 0; x < width; ++x, o += 3) {
                uint32_t v = bits == 16 ? le16(s + 2 * x) : le32(s + 4 * x);
                uint8_t r = cr.get(v), g = cg.get(v), b = cb.get(v);
                if (useAlpha) {
                    // Composited onto black, as the icon would show on a black background.
                    uint32_t a = ca.get(v);
                    r = uint8_t((r * a + 127) / 255), g = uint8_t((g * a + 127) / 255), b = uint8_t((b * a + 127) / 255);
                }
                o[0] = b, o[1] = g, o[2] = r;
            }
        }
    }
    return out;
}

// ---- JPEG ----

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void jpegFail(j_common_ptr c)
{
    auto* e = reinterpret_cast<JpegError*>(c->err);
    (*c->err->format_message)(c, e->message);
    std::longjmp(e->jump, 1);
}

void jpegQuiet(j_common_ptr, int) {}

// ---- GIF ----

struct GifSource {
    std::span<const uint8_t> data;
    size_t pos = 0;
};

int gifRead(GifFileType* gif, GifByteType* buf, int n)
{
    auto* s = static_cast<GifSource*>(gif->UserData);
    size_t take = std::min(size_t(std::max(n, 0)), s->data.size() - s->pos);
    std::memcpy(buf, s->data.data() + s->pos, take);
    s->pos += take;
    return int(take);
}

} // namespace

PictureKind sniffPicture(std::span<const uint8_t> d)
{
    auto starts = [&](std::initializer_list<uint8_t> sig) {
        return d.size() >= sig.size() && std::equal(sig.begin(), sig.end(), d.begin());
    };
    if (starts({'B', 'M'})) return PictureKind::Bmp;
    if (starts({0xFF, 0xD8, 0xFF})) return PictureKind::Jpeg;
    if (starts({'G', 'I', 'F', '8', '7', 'a'}) || starts({'G', 'I', 'F', '8', '9', 'a'})) return PictureKind::Gif;
    if (starts({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) return PictureKind::Png;
    if (d.size() >= 6 && starts({0, 0}) && (d[2] == 1 || d[2] == 2) && d[3] == 0 && (d[4] | d[5]) != 0)
        return d[2] == 1 ? PictureKind::Ico : PictureKind::Cur;
    if (looksLikeEmf(d)) return PictureKind::Emf;
    if (looksLikeWmf(d)) return PictureKind::Wmf;
    return PictureKind::Unknown;
}

Result<Bitmap> decodeBmp(std::span<const uint8_t> d)
{
    if (d.size() < 14 + 12 || d[0] != 'B' || d[1] != 'M') return fail("Not a BMP file.");
    int64_t offBits = le32(d.data() + 10);
    if (offBits < 14 + 12 || offBits >= int64_t(d.size())) return fail("The BMP file's pixel offset is not in the file.");
    return decodeDib(d, 14, offBits, false);
}

namespace {

// The directory entry of the image an icon or cursor file is shown by.
struct IconEntry {
    int64_t offset = 0, size = 0;
    int32_t hotX = 0, hotY = 0;  // as stored; meaningful in cursor files only
};

Result<IconEntry> chooseIconImage(std::span<const uint8_t> d)
{
    ByteReader r(d);
    if (d.size() < 6 || le16(d.data()) != 0 || (le16(d.data() + 2) != 1 && le16(d.data() + 2) != 2))
        return fail("Not an icon or cursor file.");
    const int count = le16(d.data() + 4);
    if (count == 0) return fail("The icon file holds no image.");
    if (!r.has(7, int64_t(count) * 16)) return fail("The icon directory is cut short.");

    // The largest image that is a bitmap (PNG-compressed images need a PNG decoder this layer
    // does not have); deeper colour wins between equal sizes.
    int best = -1;
    int64_t bestArea = -1, bestBits = -1;
    for (int i = 0; i < count; ++i) {
        const uint8_t* e = d.data() + 6 + 16 * i;
        int64_t size = le32(e + 8), offset = le32(e + 12);
        if (offset < 6 || size < 12 || offset + size > int64_t(d.size())) continue;
        if (size >= 8 && d[size_t(offset)] == 0x89 && d[size_t(offset) + 1] == 'P') continue;
        DibHeader h;
        if (!readDibHeader(d, offset, h)) continue;
        int64_t area = h.width * (std::llabs(h.height) / 2);
        if (area > bestArea || (area == bestArea && h.bits > bestBits)) {
            best = i;
            bestArea = area;
            bestBits = h.bits;
        }
    }
    if (best < 0) return fail("The icon file holds no image that can be read.");
    const uint8_t* e = d.data() + 6 + 16 * best;
    return IconEntry{le32(e + 12), le32(e + 8), le16(e + 4), le16(e + 6)};
}

} // namespace

Result<Bitmap> decodeIco(std::span<const uint8_t> d)
{
    auto entry = chooseIconImage(d);
    if (!entry) return Error{entry.error()};
    const IconEntry& e = entry.value();
    auto image = decodeDib(d.first(size_t(e.offset + e.size)), e.offset, -1, true);
    if (!image) return image;
    return image.value().toRgb24();
}

Result<CursorPicture> decodeCursor(std::span<const uint8_t> d)
{
    auto entry = chooseIconImage(d);
    if (!entry) return Error{entry.error()};
    const IconEntry& e = entry.value();
    const std::span<const uint8_t> image = d.first(size_t(e.offset + e.size));
    int64_t maskAt = 0;
    auto colour = decodeDib(image, e.offset, -1, true, &maskAt);
    if (!colour) return Error{colour.error()};

    CursorPicture c;
    c.image = colour.value().toRgb24();
    const int32_t w = c.image.width, h = c.image.height;
    // The mask rows follow the colour rows in the same order, bottom row first unless the header's
    // height is negative; one bit per pixel, each row padded to 4 bytes.
    DibHeader header;
    (void)readDibHeader(image, e.offset, header);  // read once already by decodeDib
    const int64_t maskRow = ((int64_t(w) + 31) / 32) * 4;
    if (maskAt <= 0 || maskAt + maskRow * h > int64_t(image.size())) return fail("The cursor's mask is cut short.");
    c.mask = Bitmap::indexed(w, h, 1, {0x000000, 0xFFFFFF});
    for (int32_t y = 0; y < h; ++y) {
        const int64_t fileRow = header.height < 0 ? y : h - 1 - y;
        std::memcpy(c.mask.row(y), image.data() + maskAt + fileRow * maskRow, size_t(maskRow));
    }
    // An icon has no hot spot of its own; used as a pointer it points with its centre.
    const bool cursorFile = le16(d.data() + 2) == 2;
    c.hotX = cursorFile ? e.hotX : w / 2;
    c.hotY = cursorFile ? e.hotY : h / 2;
    if (c.hotX >= w || c.hotY >= h) return fail("The cursor's hot spot lies outside its picture.");
    return c;
}

Result<Bitmap> decodeJpeg(std::span<const uint8_t> d)
{
    if (d.size() < 4) return fail("Not a JPEG file.");
    jpeg_decompress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegFail;
    err.mgr.emit_message = jpegQuiet;  // a truncated scan still decodes; the rest shows grey
    err.message[0] = 0;
    auto out = std::make_unique<Bitmap>();
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return fail(std::string("The JPEG file cannot be read: ") + err.message);
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, d.data(), static_cast<unsigned long>(d.size()));
    jpeg_read_header(&cinfo, TRUE);
    if (!sizeAcceptable(cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        return fail("The picture size is not acceptable.");
    }
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_start_decompress(&cinfo);
    *out = Bitmap::rgb24(int32_t(cinfo.output_width), int32_t(cinfo.output_height));
    std::vector<uint8_t> line(cmyk ? size_t(cinfo.output_width) * 4 : 0);
    while (cinfo.output_scanline < cinfo.output_height) {
        uint8_t* row = out->row(int32_t(cinfo.output_scanline));
        JSAMPROW target = cmyk ? line.data() : row;
        jpeg_read_scanlines(&cinfo, &target, 1);
        if (cmyk) {
            // Adobe writes CMYK inverted; k = 255 means no black.
            for (uint32_t x = 0; x < cinfo.output_width; ++x) {
                const uint8_t* p = line.data() + 4 * x;
                row[3 * x + 0] = uint8_t((p[2] * p[3] + 127) / 255);
                row[3 * x + 1] = uint8_t((p[1] * p[3] + 127) / 255);
                row[3 * x + 2] = uint8_t((p[0] * p[3] + 127) / 255);
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return std::move(*out);
}

std::vector<uint8_t> encodeJpeg(const Bitmap& picture, int quality)
{
    Bitmap src = picture.toRgb24();
    if (src.isNull()) return {};
    jpeg_compress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegFail;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(src.width);
    cinfo.image_height = JDIMENSION(src.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(quality, 1, 100), TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = src.row(int32_t(cinfo.next_scanline));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

Result<Bitmap> decodeGif(std::span<const uint8_t> d)
{
    if (sniffPicture(d) != PictureKind::Gif) return fail("Not a GIF file.");
    GifSource src{d, 0};
    int code = 0;
    GifFileType* gif = DGifOpen(&src, gifRead, &code);
    if (!gif) return fail(std::string("The GIF file cannot be read: ") + GifErrorString(code));
    struct Closer {
        GifFileType* g;
        ~Closer() { DGifCloseFile(g, nullptr); }
    } closer{gif};

    GifRecordType type;
    do {
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) return fail("The GIF file is damaged.");
        if (type == EXTENSION_RECORD_TYPE) {
            int ext = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &ext, &block) == GIF_ERROR) return fail("The GIF file is damaged.");
            while (block) {
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return fail("The GIF file is damaged.");
            }
        } else if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif) == GIF_ERROR) return fail("The GIF file is damaged.");
            const GifImageDesc& desc = gif->Image;
            const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
            if (!map || map->ColorCount <= 0) return fail("The GIF file has no colour table.");
            int64_t fw = desc.Width, fh = desc.Height, fl = desc.Left, ft = desc.Top;
            if (!sizeAcceptable(fw, fh)) return fail("The picture size is not acceptable.");
            // The frame sits on the logical screen; a screen too small for it grows to hold it.
            int64_t w = std::max<int64_t>(gif->SWidth, fl + fw), h = std::max<int64_t>(gif->SHeight, ft + fh);
            if (!sizeAcceptable(w, h)) return fail("The picture size is not acceptable.");
            std::vector<uint32_t> palette;
            for (int i = 0; i < map->ColorCount; ++i)
                palette.push_back(packRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue));
            Bitmap out = Bitmap::indexed(int32_t(w), int32_t(h), 8, std::move(palette));
            if (gif->SBackGroundColor > 0) std::fill(out.pixels.begin(), out.pixels.end(), uint8_t(gif->SBackGroundColor));
            std::vector<GifPixelType> line(static_cast<size_t>(fw));
            auto readRow = [&](int64_t y) {
                if (DGifGetLine(gif, line.data(), int(fw)) == GIF_ERROR) return false;
                std::memcpy(out.row(int32_t(ft + y)) + fl, line.data(), size_t(fw));
                return true;
            };
            if (desc.Interlace) {
                static const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
                for (int pass = 0; pass < 4; ++pass)
                    for (int64_t y = start[pass]; y < fh; y += step[pass])
                        if (!readRow(y)) return fail("The GIF file's pixel data is damaged.");
            } else {
                for (int64_t y = 0; y < fh; ++y)
                    if (!readRow(y)) return fail("The GIF file's pixel data is damaged.");
            }
            return out;
        }
    } while (type != TERMINATE_RECORD_TYPE);
    return fail("The GIF file holds no picture.");
}

Result<Bitmap> decodePicture(std::span<const uint8_t> data)
{
    switch (sniffPicture(data)) {
    case PictureKind::Bmp: return decodeBmp(data);
    case PictureKind::Jpeg: return decodeJpeg(data);
    case PictureKind::Gif: return decodeGif(data);
    case PictureKind::Ico:
    case PictureKind::Cur: return decodeIco(data);
    case PictureKind::Png: return fail("PNG pictures are not supported.");
    case PictureKind::Wmf: return decodeWmf(data);
    case PictureKind::Emf: return decodeEmf(data);
    case PictureKind::Unknown: break;
    }
    return fail("The file is not a picture of a known kind.");
}

std::vector<uint8_t> encodeBmp(const Bitmap& picture, bool keepDepth)
{
    const bool indexed = keepDepth && picture.bitsPerPixel <= 8 && !picture.isNull();
    const Bitmap src = indexed ? picture : picture.toRgb24();
    if (src.isNull()) return {};
    int64_t entries = 0;
    if (indexed) {
        entries = std::min<int64_t>(int64_t(src.palette.size()), int64_t(1) << src.bitsPerPixel);
        if (entries == 0) entries = int64_t(1) << src.bitsPerPixel;  // no palette: all black
    }
    const int64_t offBits = 54 + 4 * entries;
    const int64_t rb = src.rowBytes();
    const int64_t fileSize = offBits + rb * src.height;
    ByteWriter w;
    w.text(1, "BM");
    w.long32(3, int32_t(fileSize));
    w.long32(7, 0);
    w.long32(11, int32_t(offBits));
    w.long32(15, 40);
    w.long32(19, src.width);
    w.long32(23, src.height);  // positive: rows bottom-up
    w.short16(27, 1);
    w.short16(29, int16_t(src.bitsPerPixel));
    w.long32(31, 0);
    w.long32(35, int32_t(rb * src.height));
    w.long32(39, 2834);  // 72 dots per inch
    w.long32(43, 2834);
    w.long32(47, int32_t(entries));
    w.long32(51, 0);
    for (int64_t i = 0; i < entries; ++i) {
        uint32_t c = size_t(i) < src.palette.size() ? src.palette[size_t(i)] : 0;
        const uint8_t q[4] = {blueOf(c), greenOf(c), redOf(c), 0};
        w.bytes(55 + 4 * i, q);
    }
    std::vector<uint8_t>& out = w.data();
    out.resize(size_t(fileSize), 0);
    for (int32_t y = 0; y < src.height; ++y)
        std::memcpy(out.data() + offBits + int64_t(src.height - 1 - y) * rb, src.row(y), size_t(rb));
    return std::move(out);
}

Result<std::vector<uint8_t>> readFileBytes(const std::filesystem::path& path, uint64_t maxBytes)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return fail("\"" + path.string() + "\" is a directory.");
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail("\"" + path.string() + "\" cannot be opened.");
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0) return fail("\"" + path.string() + "\" cannot be read.");
    if (uint64_t(size) > maxBytes) return fail("\"" + path.string() + "\" is too large.");
    in.seekg(0);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        return fail("\"" + path.string() + "\" cannot be read.");
    return bytes;
}

Result<Bitmap> loadPicture(const std::filesystem::path& path)
{
    auto bytes = readFileBytes(path);
    if (!bytes) return Error{bytes.error()};
    return decodePicture(bytes.value());
}

Result<bool> writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes)
{
    const std::string target = path.string();
    if (target.empty()) return fail("No file name was given.");
    std::string temp = target + ".tmp-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return fail("\"" + target + "\" cannot be written: " + std::strerror(errno));

    // The new file gets the old file's permissions, or the usual ones for a new file.
    struct stat st{};
    mode_t mode;
    if (::stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = ::fchmod(fd, mode) == 0;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else done += size_t(n);
    }
    int savedErrno = errno;
    if (ok && ::fsync(fd) != 0) ok = false, savedErrno = errno;
    if (::close(fd) != 0 && ok) ok = false, savedErrno = errno;
    if (ok && std::rename(temp.c_str(), target.c_str()) != 0) ok = false, savedErrno = errno;
    if (!ok) {
        ::unlink(temp.c_str());
        return fail("\"" + target + "\" cannot be written: " + std::strerror(savedErrno));
    }
    return true;
}

Result<bool> saveBmp(const std::filesystem::path& path, const Bitmap& picture)
{
    std::vector<uint8_t> bytes = encodeBmp(picture);
    if (bytes.empty()) return fail("An empty picture cannot be saved.");
    return writeFileAtomically(path, bytes);
}

} // namespace salon
