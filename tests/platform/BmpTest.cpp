// BMP files: the 24-bit writer, hand-made files of every depth and compression, damaged files.
#include "platform/BinaryFile.h"
#include "platform/Numbers.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <random>

using namespace salon;

namespace {

struct BmpSpec {
    int32_t width = 0, height = 0;  // height < 0: top-down
    uint16_t bits = 24;
    uint32_t compression = 0;
    std::vector<uint32_t> palette;  // packed colours
    std::vector<uint32_t> masks;    // after the header (compression 3)
    std::vector<uint8_t> data;      // pixel data as stored
    bool coreHeader = false;        // 12-byte header, 3-byte palette entries
};

std::vector<uint8_t> makeBmp(const BmpSpec& s)
{
    ByteWriter w;
    const int32_t header = s.coreHeader ? 12 : 40;
    const int32_t entry = s.coreHeader ? 3 : 4;
    const int32_t offBits = 14 + header + 4 * int32_t(s.masks.size()) + entry * int32_t(s.palette.size());
    w.text(1, "BM");
    w.long32(3, offBits + int32_t(s.data.size()));
    w.long32(11, offBits);
    w.long32(15, header);
    if (s.coreHeader) {
        w.short16(19, int16_t(s.width));
        w.short16(21, int16_t(s.height));
        w.short16(23, 1);
        w.short16(25, int16_t(s.bits));
    } else {
        w.long32(19, s.width);
        w.long32(23, s.height);
        w.short16(27, 1);
        w.short16(29, int16_t(s.bits));
        w.long32(31, int32_t(s.compression));
        w.long32(47, int32_t(s.palette.size()));
    }
    int64_t pos = 15 + header;
    for (uint32_t m : s.masks) w.long32(pos, int32_t(m)), pos += 4;
    for (uint32_t c : s.palette) {
        const uint8_t q[4] = {blueOf(c), greenOf(c), redOf(c), 0};
        w.bytes(pos, std::span<const uint8_t>(q, size_t(entry)));
        pos += entry;
    }
    w.bytes(pos, s.data);
    return w.data();
}

Bitmap decodeOk(const std::vector<uint8_t>& file)
{
    auto r = decodeBmp(file);
    EXPECT_TRUE(r.ok()) << r.error();
    return r ? r.value() : Bitmap{};
}

const std::vector<uint32_t> kPalette{0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x808080,
                                     0x123456, 0x654321, 0xABCDEF, 0x010101};

} // namespace

TEST(Bmp, TwentyFourBitFilesRoundTripWithTheDocumentedHeader)
{
    Bitmap pic = Bitmap::rgb24(5, 3);  // odd width: 15 bytes of pixels, 1 byte of padding a row
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) pic.setPixel(x, y, packRgb(uint8_t(x * 40), uint8_t(y * 70), uint8_t(x + y)));
    std::vector<uint8_t> file = encodeBmp(pic);
    ASSERT_EQ(file.size(), 54u + 16u * 3u);
    ByteReader r(file);
    EXPECT_EQ(r.text(1, 2).value(), "BM");
    EXPECT_EQ(r.long32(3).value(), 54 + 48);
    EXPECT_EQ(r.long32(11).value(), 54);
    EXPECT_EQ(r.long32(15).value(), 40);
    EXPECT_EQ(r.long32(23).value(), 3) << "rows bottom-up";
    EXPECT_EQ(r.short16(29).value(), 24);
    // The first stored row is the bottom one.
    EXPECT_EQ(r.byte(55 + 3).value(), blueOf(pic.pixel(1, 2)));
    EXPECT_EQ(decodeOk(file), pic);

    Bitmap indexed = Bitmap::indexed(3, 2, 8, kPalette);
    indexed.row(1)[2] = 7;
    EXPECT_EQ(decodeOk(encodeBmp(indexed, true)), indexed);
    EXPECT_EQ(decodeOk(encodeBmp(indexed)), indexed.toRgb24());
}

TEST(Bmp, IndexedFilesKeepTheirDepthAndPalette)
{
    // 1 bit, bottom-up: stored rows are bottom first.
    BmpSpec one{10, 2, 1, 0, {0x0000FF, 0xFF0000}, {}, {0xA0, 0x00, 0, 0, 0x00, 0x40, 0, 0}};
    Bitmap b1 = decodeOk(makeBmp(one));
    EXPECT_EQ(b1.bitsPerPixel, 1);
    EXPECT_EQ(b1.palette, one.palette);
    EXPECT_EQ(b1.pixel(0, 1), 0xFF0000u);
    EXPECT_EQ(b1.pixel(1, 1), 0x0000FFu);
    EXPECT_EQ(b1.pixel(2, 1), 0xFF0000u);
    EXPECT_EQ(b1.pixel(9, 0), 0xFF0000u) << "the top row has pixel 9 set";
    EXPECT_EQ(b1.pixel(1, 0), 0x0000FFu);

    // 4 bits, top-down, a palette shorter than 16 entries.
    BmpSpec four{3, -2, 4, 0, kPalette, {}, {0x12, 0x30, 0, 0, 0x45, 0x60, 0, 0}};
    Bitmap b4 = decodeOk(makeBmp(four));
    EXPECT_EQ(b4.bitsPerPixel, 4);
    EXPECT_EQ(b4.pixel(0, 0), kPalette[1]);
    EXPECT_EQ(b4.pixel(2, 0), kPalette[3]);
    EXPECT_EQ(b4.pixel(1, 1), kPalette[5]);

    BmpSpec eight{2, 2, 8, 0, kPalette, {}, {9, 8, 0, 0, 7, 6, 0, 0}};
    Bitmap b8 = decodeOk(makeBmp(eight));
    EXPECT_EQ(b8.pixel(0, 0), kPalette[7]);
    EXPECT_EQ(b8.pixel(1, 1), kPalette[8]);

    BmpSpec core{2, 1, 8, 0, kPalette, {}, {4, 3, 0, 0}, true};
    Bitmap bc = decodeOk(makeBmp(core));
    EXPECT_EQ(bc.pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(bc.pixel(1, 0), 0xFF0000u);
}

TEST(Bmp, TrueColourFilesBecomeTwentyFourBits)
{
    struct Case {
        const char* name;
        BmpSpec spec;
        std::vector<uint32_t> expected;  // packed colours of the top row
    };
    const Case cases[] = {
        {"16-bit 5-5-5", {4, 1, 16, 0, {}, {}, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42}},
         {packRgb(255, 0, 0), packRgb(0, 255, 0), packRgb(0, 0, 255), packRgb(132, 132, 132)}},
        {"16-bit 5-6-5 masks", {2, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07, 0x20, 0x00}},
         {packRgb(0, 255, 0), packRgb(0, 4, 0)}},
        {"32-bit", {2, 1, 32, 0, {}, {}, {1, 2, 3, 0, 4, 5, 6, 99}}, {packRgb(3, 2, 1), packRgb(6, 5, 4)}},
        {"32-bit masks", {1, 1, 32, 3, {}, {0x000000FF, 0x0000FF00, 0x00FF0000}, {1, 2, 3, 0}}, {packRgb(1, 2, 3)}},
        {"24-bit top-down", {2, -2, 24, 0, {}, {}, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 0, 0, 0, 0, 0}},
         {packRgb(3, 2, 1), packRgb(6, 5, 4)}},
    };
    for (const Case& c : cases) {
        Bitmap b = decodeOk(makeBmp(c.spec));
        ASSERT_EQ(b.bitsPerPixel, 24) << c.name;
        for (size_t x = 0; x < c.expected.size(); ++x) EXPECT_EQ(b.pixel(int(x), 0), c.expected[x]) << c.name << " x=" << x;
    }
}

TEST(Bmp, RunLengthFilesExpandRunsDeltasAndAbsoluteRuns)
{
    // RLE8, bottom-up 4 x 3: bottom row a run, middle row an absolute run (padded), top row a delta.
    BmpSpec rle8{4, 3, 8, 1, kPalette,
                 {},
                 {3, 5, 0, 0,              // 5 5 5, end of line
                  0, 3, 7, 8, 9, 0, 0, 0,  // absolute 7 8 9 (+ pad), end of line
                  0, 2, 1, 0, 1, 2,        // move right by 1, then one pixel of 2
                  0, 1}};                  // end of bitmap
    Bitmap b = decodeOk(makeBmp(rle8));
    const int expected[3][4] = {{0, 2, 0, 0}, {7, 8, 9, 0}, {5, 5, 5, 0}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(b.pixel(x, y), kPalette[size_t(expected[y][x])]) << x << "," << y;

    // RLE4, top-down 5 x 2: a run alternates its two nibbles; an absolute run of 3 nibbles.
    BmpSpec rle4{5, -2, 4, 2, kPalette, {}, {5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1}};
    Bitmap b4 = decodeOk(makeBmp(rle4));
    const int e4[2][5] = {{1, 2, 1, 2, 1}, {3, 4, 5, 0, 0}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(b4.pixel(x, y), kPalette[size_t(e4[y][x])]) << x << "," << y;

    // Runs past the row end and deltas out of the picture are clipped, an unfinished stream ends.
    BmpSpec wild{2, 2, 8, 1, kPalette, {}, {200, 3, 0, 2, 255, 255, 4, 4, 0, 9, 1}};
    Bitmap bw = decodeOk(makeBmp(wild));
    EXPECT_EQ(bw.pixel(1, 1), kPalette[3]);
}

TEST(Bmp, DamagedFilesAreErrors)
{
    const BmpSpec base{4, 2, 24, 0, {}, {}, std::vector<uint8_t>(24, 7)};
    const std::vector<uint8_t> good = makeBmp(base);
    ASSERT_TRUE(decodeBmp(good).ok());
    auto patched = [&](int64_t pos, int32_t value, bool sixteen = false) {
        ByteWriter w;
        w.data() = good;
        if (sixteen) w.short16(pos, int16_t(value));
        else w.long32(pos, value);
        return w.data();
    };
    auto withSpec = [&](auto change) {
        BmpSpec s = base;
        change(s);
        return makeBmp(s);
    };
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
    };
    std::vector<Case> cases{
        {"empty", {}},
        {"signature only", {'B', 'M'}},
        {"file header only", std::vector<uint8_t>(good.begin(), good.begin() + 14)},
        {"info header cut", std::vector<uint8_t>(good.begin(), good.begin() + 40)},
        {"pixels cut", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"wrong signature", patched(1, 0x4D41, true)},
        {"zero width", patched(19, 0)},
        {"negative width", patched(19, -4)},
        {"zero height", patched(23, 0)},
        {"too many pixels", [&] { auto f = patched(19, 20000); ByteWriter w; w.data() = f; w.long32(23, 20000); return w.data(); }()},
        {"side too long", patched(19, (1 << 20) + 1)},
        {"height INT_MIN", patched(23, INT32_MIN)},
        {"7 bits per pixel", patched(29, 7, true)},
        {"JPEG inside", patched(31, 4)},
        {"unknown header size", patched(15, 20)},
        {"huge header size", patched(15, 0x7FFFFFFF)},
        {"pixel offset past the end", patched(11, 5000)},
        {"pixel offset inside the header", patched(11, 3)},
        {"negative pixel offset", patched(11, -1)},
        {"RLE8 on 24 bits", patched(31, 1)},
        {"masks on 8 bits", withSpec([](BmpSpec& s) { s.bits = 8; s.compression = 3; s.palette = kPalette; })},
        {"palette cut", withSpec([](BmpSpec& s) { s.bits = 8; s.palette = kPalette; s.data.clear(); })},
    };
    for (const Case& c : cases) {
        auto r = decodeBmp(c.file);
        EXPECT_FALSE(r.ok()) << c.name;
        if (!r.ok()) {
            EXPECT_FALSE(r.error().empty()) << c.name;
        }
    }
}

TEST(Bmp, RandomDamageNeverCrashes)
{
    const std::vector<std::vector<uint8_t>> seeds{
        makeBmp({7, 5, 24, 0, {}, {}, std::vector<uint8_t>(24 * 5, 9)}),
        makeBmp({4, 3, 8, 1, kPalette, {}, {3, 5, 0, 0, 0, 3, 7, 8, 9, 0, 0, 0, 0, 2, 1, 0, 1, 2, 0, 1}}),
        makeBmp({5, -2, 4, 2, kPalette, {}, {5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1}}),
        makeBmp({2, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07, 0x20, 0x00}}),
    };
    std::mt19937 rng(4242);
    int decoded = 0;
    for (int round = 0; round < 4000; ++round) {
        std::vector<uint8_t> f = seeds[size_t(round) % seeds.size()];
        for (int k = int(rng() % 4) + 1; k > 0; --k) f[rng() % f.size()] = uint8_t(rng());
        if (rng() % 3 == 0) f.resize(rng() % f.size());
        auto r = decodeBmp(f);
        if (r) {
            ++decoded;
            const Bitmap& b = r.value();
            ASSERT_GE(b.pixels.size(), size_t(b.rowBytes()) * size_t(b.height));
        }
    }
    EXPECT_GT(decoded, 0);
}
