// JPEG, GIF and icon readers, kind sniffing, loading and the atomic file writer.
#include "platform/BinaryFile.h"
#include "platform/Numbers.h"
#include "platform/PictureFile.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

using namespace salon;
namespace fs = std::filesystem;

namespace {

Bitmap gradient(int w, int h)
{
    Bitmap b = Bitmap::rgb24(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.setPixel(x, y, packRgb(uint8_t(x * 255 / w), uint8_t(y * 255 / h), 128));
    return b;
}

int writeToVector(GifFileType* gif, const GifByteType* data, int n)
{
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + n);
    return n;
}

// A GIF made with giflib's own writer: one frame of the given rows at (left, top) on a screen.
std::vector<uint8_t> makeGif(int screenW, int screenH, int left, int top, const std::vector<std::vector<uint8_t>>& rows,
                             bool interlace, int background = 0)
{
    std::vector<uint8_t> out;
    int err = 0;
    GifFileType* gif = EGifOpen(&out, writeToVector, &err);
    EXPECT_NE(gif, nullptr);
    GifColorType colours[4] = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {10, 20, 30}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    EGifPutScreenDesc(gif, screenW, screenH, 2, background, map);
    const int w = int(rows[0].size()), h = int(rows.size());
    EGifPutImageDesc(gif, left, top, w, h, interlace, nullptr);
    std::vector<int> order;
    if (interlace) {
        for (int pass = 0, starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2}; pass < 4; ++pass)
            for (int y = starts[pass]; y < h; y += steps[pass]) order.push_back(y);
    } else {
        for (int y = 0; y < h; ++y) order.push_back(y);
    }
    for (int y : order) {
        std::vector<GifPixelType> line(rows[size_t(y)].begin(), rows[size_t(y)].end());
        EGifPutLine(gif, line.data(), w);
    }
    EGifCloseFile(gif, &err);
    GifFreeMapObject(map);
    return out;
}

// An icon directory entry with a DIB image: rows bottom-up, then the 1-bit AND mask.
struct IconImage {
    int w, h, bits;
    std::vector<uint8_t> dib;  // header + pixels + mask
};

IconImage iconImage(int w, int h, int bits, uint32_t colour, uint8_t alpha = 0)
{
    ByteWriter d;
    d.long32(1, 40);
    d.long32(5, w);
    d.long32(9, 2 * h);
    d.short16(13, 1);
    d.short16(15, int16_t(bits));
    int64_t pos = 41;
    const int rowBytes = ((w * bits + 31) / 32) * 4;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int64_t at = pos + int64_t(y) * rowBytes + x * (bits / 8);
            const uint8_t p[4] = {blueOf(colour), greenOf(colour), redOf(colour), alpha};
            d.bytes(at, std::span<const uint8_t>(p, size_t(bits / 8)));
        }
    pos += int64_t(rowBytes) * h;
    d.bytes(pos, std::vector<uint8_t>(size_t(((w + 31) / 32) * 4 * h), 0));
    return {w, h, bits, d.data()};
}

std::vector<uint8_t> makeIco(const std::vector<IconImage>& images, int type = 1)
{
    ByteWriter f;
    f.short16(1, 0);
    f.short16(3, int16_t(type));
    f.short16(5, int16_t(images.size()));
    int64_t offset = 6 + 16 * int64_t(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const int64_t e = 7 + 16 * int64_t(i);
        const uint8_t wh[2] = {uint8_t(images[i].w), uint8_t(images[i].h)};
        f.bytes(e, wh);
        f.short16(e + 6, int16_t(images[i].bits));
        f.long32(e + 8, int32_t(images[i].dib.size()));
        f.long32(e + 12, int32_t(offset));
        f.bytes(offset + 1, images[i].dib);
        offset += int64_t(images[i].dib.size());
    }
    return f.data();
}

class TempDir {
public:
    TempDir()
    {
        std::string t = (fs::temp_directory_path() / "salon-pic-XXXXXX").string();
        path = mkdtemp(t.data());
    }
    ~TempDir() { fs::remove_all(path); }
    fs::path path;
};

} // namespace

TEST(PictureFile, KindsAreRecognisedBySignature)
{
    struct Case {
        std::vector<uint8_t> head;
        PictureKind kind;
    };
    const Case cases[] = {
        {{'B', 'M', 0, 0}, PictureKind::Bmp},
        {{0xFF, 0xD8, 0xFF, 0xE0}, PictureKind::Jpeg},
        {{'G', 'I', 'F', '8', '9', 'a'}, PictureKind::Gif},
        {{'G', 'I', 'F', '8', '7', 'a'}, PictureKind::Gif},
        {{'G', 'I', 'F', '8', '8', 'a'}, PictureKind::Unknown},
        {{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, PictureKind::Png},
        {{0, 0, 1, 0, 1, 0}, PictureKind::Ico},
        {{0, 0, 2, 0, 3, 0}, PictureKind::Cur},
        {{0, 0, 1, 0, 0, 0}, PictureKind::Unknown},
        {{'B'}, PictureKind::Unknown},
        {{}, PictureKind::Unknown},
    };
    for (const Case& c : cases) EXPECT_EQ(sniffPicture(c.head), c.kind);
}

TEST(PictureFile, JpegDecodesWhatWasEncoded)
{
    const Bitmap pic = gradient(41, 30);
    const std::vector<uint8_t> file = encodeJpeg(pic, 95);
    ASSERT_EQ(sniffPicture(file), PictureKind::Jpeg);
    auto r = decodePicture(file);
    ASSERT_TRUE(r.ok()) << r.error();
    const Bitmap& b = r.value();
    ASSERT_EQ(b.width, 41);
    ASSERT_EQ(b.height, 30);
    EXPECT_EQ(b.bitsPerPixel, 24);
    double sum = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 41; ++x)
            for (int s = 0; s < 24; s += 8) sum += std::abs(int((b.pixel(x, y) >> s) & 255) - int((pic.pixel(x, y) >> s) & 255));
    EXPECT_LT(sum / (41 * 30 * 3), 2.5);
}

TEST(PictureFile, DamagedJpegsAreErrors)
{
    const std::vector<uint8_t> file = encodeJpeg(gradient(16, 16), 80);
    for (size_t cut : {size_t(3), size_t(20), size_t(150)}) {
        auto r = decodeJpeg(std::vector<uint8_t>(file.begin(), file.begin() + long(cut)));
        EXPECT_FALSE(r.ok()) << "cut at " << cut;
    }
    std::vector<uint8_t> garbage{0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_FALSE(decodeJpeg(garbage).ok());
    // A frame header claiming 65000 x 65000 pixels is refused before anything is allocated.
    std::vector<uint8_t> huge = file;
    for (size_t i = 0; i + 9 < huge.size(); ++i) {
        if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
            huge[i + 5] = 0xFD, huge[i + 6] = 0xE8, huge[i + 7] = 0xFD, huge[i + 8] = 0xE8;
            break;
        }
    }
    EXPECT_FALSE(decodeJpeg(huge).ok());
}

TEST(PictureFile, GifFirstFrameKeepsIndicesAndPalette)
{
    const std::vector<std::vector<uint8_t>> rows{{0, 1, 2, 3, 0}, {1, 1, 1, 1, 1}, {3, 2, 1, 0, 3}, {2, 2, 0, 0, 1}};
    for (bool interlace : {false, true}) {
        auto r = decodePicture(makeGif(5, 4, 0, 0, rows, interlace));
        ASSERT_TRUE(r.ok()) << r.error();
        const Bitmap& b = r.value();
        EXPECT_EQ(b.bitsPerPixel, 8);
        ASSERT_GE(b.palette.size(), 4u);
        EXPECT_EQ(b.palette[3], packRgb(10, 20, 30));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x) EXPECT_EQ(b.row(y)[x], rows[size_t(y)][size_t(x)]) << interlace << " " << x << "," << y;
    }
    // Ten interlaced rows exercise every pass.
    std::vector<std::vector<uint8_t>> tall;
    for (int y = 0; y < 10; ++y) tall.push_back({uint8_t(y % 4), uint8_t((y + 1) % 4)});
    Bitmap t = decodeGif(makeGif(2, 10, 0, 0, tall, true)).value();
    for (int y = 0; y < 10; ++y) EXPECT_EQ(t.row(y)[0], y % 4);
}

TEST(PictureFile, GifFrameSitsOnTheScreenBackground)
{
    const std::vector<std::vector<uint8_t>> rows{{1, 2}, {2, 1}};
    Bitmap b = decodeGif(makeGif(6, 5, 3, 2, rows, false, 3)).value();
    EXPECT_EQ(b.width, 6);
    EXPECT_EQ(b.height, 5);
    EXPECT_EQ(b.row(0)[0], 3);
    EXPECT_EQ(b.row(2)[3], 1);
    EXPECT_EQ(b.row(3)[3], 2);
    EXPECT_EQ(b.pixel(5, 4), packRgb(10, 20, 30));
}

TEST(PictureFile, DamagedGifsAreErrors)
{
    const std::vector<uint8_t> good = makeGif(5, 4, 0, 0, {{0, 1, 2, 3, 0}, {1, 1, 1, 1, 1}, {3, 2, 1, 0, 3}, {2, 2, 0, 0, 1}}, false);
    for (size_t cut : {size_t(6), size_t(10), size_t(13), size_t(25), good.size() - 6})
        EXPECT_FALSE(decodeGif(std::vector<uint8_t>(good.begin(), good.begin() + long(cut))).ok()) << "cut at " << cut;
    // A frame that claims more pixels than is acceptable.
    std::vector<uint8_t> huge = good;
    for (size_t i = 13 + 12; i + 9 < huge.size(); ++i)
        if (huge[i] == 0x2C) {  // image separator
            huge[i + 5] = 0xFF, huge[i + 6] = 0xFF, huge[i + 7] = 0xFF, huge[i + 8] = 0xFF;
            break;
        }
    EXPECT_FALSE(decodeGif(huge).ok());
    EXPECT_FALSE(decodeGif(std::vector<uint8_t>{'G', 'I', 'F'}).ok());
}

TEST(PictureFile, IconsGiveTheirLargestReadableImage)
{
    const std::vector<uint8_t> ico = makeIco({iconImage(2, 2, 24, 0x0000FF), iconImage(4, 4, 24, 0x00FF00),
                                              iconImage(3, 3, 24, 0xFF0000)});
    auto r = decodePicture(ico);
    ASSERT_TRUE(r.ok()) << r.error();
    EXPECT_EQ(r.value().width, 4);
    EXPECT_EQ(r.value().height, 4);
    EXPECT_EQ(r.value().pixel(3, 3), 0x00FF00u);

    // Alpha composites onto black; a larger PNG-compressed image is passed over.
    IconImage png{8, 8, 32, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0, 0, 0, 0, 0}};
    const std::vector<uint8_t> cur = makeIco({iconImage(2, 2, 32, packRgb(255, 100, 0), 128), png}, 2);
    ASSERT_EQ(sniffPicture(cur), PictureKind::Cur);
    Bitmap c = decodeIco(cur).value();
    EXPECT_EQ(c.width, 2);
    EXPECT_EQ(c.pixel(0, 0), packRgb(128, 50, 0));
}

TEST(PictureFile, DamagedIconsAreErrors)
{
    std::vector<uint8_t> good = makeIco({iconImage(4, 4, 24, 0x00FF00)});
    auto patched = [&](int64_t pos, int32_t v) {
        ByteWriter w;
        w.data() = good;
        w.long32(pos, v);
        return w.data();
    };
    EXPECT_FALSE(decodeIco(std::vector<uint8_t>(good.begin(), good.begin() + 10)).ok()) << "directory cut";
    EXPECT_FALSE(decodeIco(std::vector<uint8_t>(good.begin(), good.end() - 20)).ok()) << "image cut";
    EXPECT_FALSE(decodeIco(patched(7 + 12, 100000)).ok()) << "image offset beyond the file";
    EXPECT_FALSE(decodeIco(patched(7 + 8, -5)).ok()) << "negative image size";
    EXPECT_FALSE(decodeIco(std::vector<uint8_t>{0, 0, 1, 0, 0, 0}).ok()) << "no images";
    EXPECT_FALSE(decodeIco(std::vector<uint8_t>{0, 0, 3, 0, 1, 0}).ok()) << "unknown type";
}

TEST(PictureFile, UnsupportedAndMissingFilesAreClearErrors)
{
    const std::vector<uint8_t> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0};
    EXPECT_FALSE(decodePicture(png).ok());
    EXPECT_FALSE(decodePicture(std::vector<uint8_t>{'h', 'e', 'l', 'l', 'o'}).ok());
    TempDir dir;
    auto missing = loadPicture(dir.path / "none.bmp");
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().find("none.bmp"), std::string::npos);
    EXPECT_FALSE(loadPicture(dir.path).ok());
    EXPECT_FALSE(readFileBytes(dir.path / "none.bmp").ok());
}

TEST(PictureFile, AtomicWritesReplaceWholeFilesOrNothing)
{
    TempDir dir;
    const fs::path target = dir.path / "result.bmp";
    const Bitmap pic = gradient(7, 5);
    ASSERT_TRUE(saveBmp(target, pic).ok());
    EXPECT_EQ(loadPicture(target).value(), pic);

    // Replacing keeps the old file's permissions.
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::vector<uint8_t> bytes{1, 2, 3};
    ASSERT_TRUE(writeFileAtomically(target, bytes).ok());
    EXPECT_EQ(readFileBytes(target).value(), bytes);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // Failures leave neither a damaged target nor a temporary file behind.
    EXPECT_FALSE(writeFileAtomically(dir.path / "no" / "such.bmp", bytes).ok());
    fs::create_directory(dir.path / "sub");
    EXPECT_FALSE(writeFileAtomically(dir.path / "sub", bytes).ok());
    EXPECT_TRUE(fs::is_directory(dir.path / "sub"));
    EXPECT_FALSE(saveBmp(dir.path / "empty.bmp", Bitmap{}).ok());
    int entries = 0;
    for (auto& e : fs::directory_iterator(dir.path)) entries += e.path().filename() != "sub";
    EXPECT_EQ(entries, 1) << "only result.bmp";
}

TEST(PictureFile, RandomDamageToEveryKindNeverCrashes)
{
    const std::vector<std::vector<uint8_t>> seeds{
        encodeJpeg(gradient(24, 16), 70),
        makeGif(6, 5, 1, 1, {{0, 1, 2}, {3, 2, 1}, {1, 1, 1}}, true, 2),
        makeIco({iconImage(4, 4, 24, 0x00FF00), iconImage(2, 2, 32, 0x123456, 200)}),
        encodeBmp(Bitmap::indexed(9, 3, 4, {0x0000FF, 0x00FF00})),
    };
    std::mt19937 rng(31337);
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> f = seeds[size_t(round) % seeds.size()];
        for (int k = int(rng() % 6) + 1; k > 0; --k) f[rng() % f.size()] = uint8_t(rng());
        if (rng() % 4 == 0) f.resize(rng() % f.size());
        auto r = decodePicture(f);
        if (r) {
            const Bitmap& b = r.value();
            ASSERT_FALSE(b.isNull());
            ASSERT_GE(b.pixels.size(), size_t(b.rowBytes()) * size_t(b.height));
        } else {
            ASSERT_FALSE(r.error().empty());
        }
    }
}
