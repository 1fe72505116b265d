// Metafiles are drawn by Debian's libraries; these tests write the smallest files of each kind by
// hand (a filled rectangle without an outline) and check where the colour lands.
#include "platform/Metafile.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <vector>

using namespace salon;

namespace {

struct Words {
    std::vector<uint8_t> bytes;
    void w16(int32_t v) { bytes.push_back(uint8_t(v)), bytes.push_back(uint8_t(v >> 8)); }
    void w32(int64_t v) { w16(int32_t(v & 0xFFFF)), w16(int32_t((v >> 16) & 0xFFFF)); }
};

constexpr uint32_t Red = 0x0000FF;  // packed red + 256 green + 65536 blue, as COLORREF

// A placeable WMF of 100 x 50 units at 96 units per inch with a red rectangle (20,10)-(60,40).
std::vector<uint8_t> wmfFile()
{
    Words rec;
    auto record = [&](int32_t function, std::vector<int32_t> params) {
        rec.w32(3 + int64_t(params.size()));
        rec.w16(function);
        for (int32_t p : params) rec.w16(p);
    };
    record(0x020B, {0, 0});       // SETWINDOWORG y, x
    record(0x020C, {50, 100});    // SETWINDOWEXT y, x
    record(0x02FC, {0, int32_t(Red & 0xFFFF), int32_t(Red >> 16), 0});  // CREATEBRUSHINDIRECT solid red
    record(0x012D, {0});          // SELECTOBJECT brush
    record(0x02FA, {5, 0, 0, 0, 0});  // CREATEPENINDIRECT PS_NULL
    record(0x012D, {1});          // SELECTOBJECT pen
    record(0x041B, {40, 60, 10, 20});  // RECTANGLE bottom, right, top, left
    record(0x0000, {});           // EOF

    Words f;
    std::vector<int32_t> placeable = {int32_t(0xCDD7), int32_t(0x9AC6), 0, 0, 0, 100, 50, 96, 0, 0};
    int32_t checksum = 0;
    for (int32_t w : placeable) checksum ^= w;
    for (int32_t w : placeable) f.w16(w);
    f.w16(checksum);
    const int64_t words = 9 + int64_t(rec.bytes.size()) / 2;
    f.w16(1), f.w16(9), f.w16(0x0300), f.w32(words), f.w16(2), f.w32(8), f.w16(0);
    f.bytes.insert(f.bytes.end(), rec.bytes.begin(), rec.bytes.end());
    return f.bytes;
}

// An EMF whose bounds are (0,0)-(99,49) device pixels with the same rectangle.
std::vector<uint8_t> emfFile()
{
    Words body;
    body.w32(39), body.w32(24), body.w32(1), body.w32(0), body.w32(Red), body.w32(0);  // CREATEBRUSHINDIRECT
    body.w32(37), body.w32(12), body.w32(1);                                           // SELECTOBJECT brush
    body.w32(37), body.w32(12), body.w32(0x80000008);                                  // SELECTOBJECT NULL_PEN
    body.w32(43), body.w32(24), body.w32(20), body.w32(10), body.w32(60), body.w32(40);  // RECTANGLE
    body.w32(14), body.w32(20), body.w32(0), body.w32(16), body.w32(20);               // EOF
    Words f;
    const int64_t total = 88 + int64_t(body.bytes.size());
    f.w32(1), f.w32(88);
    f.w32(0), f.w32(0), f.w32(99), f.w32(49);          // bounds, device pixels
    f.w32(0), f.w32(0), f.w32(2645), f.w32(1322);      // frame, 0.01 mm at 96 dpi
    f.w32(0x464D4520), f.w32(0x10000), f.w32(total), f.w32(6);
    f.w16(2), f.w16(0), f.w32(0), f.w32(0), f.w32(0);
    f.w32(1024), f.w32(768), f.w32(271), f.w32(203);   // device in pixels and millimetres (96 dpi)
    f.bytes.insert(f.bytes.end(), body.bytes.begin(), body.bytes.end());
    return f.bytes;
}

void expectRedRectangle(const Bitmap& b)
{
    ASSERT_EQ(100, b.width);
    ASSERT_EQ(50, b.height);
    for (auto [x, y] : {std::pair{25, 15}, {40, 25}, {55, 35}}) EXPECT_EQ(Red, b.pixel(x, y)) << x << "," << y;
    for (auto [x, y] : {std::pair{5, 5}, {80, 25}, {40, 45}, {10, 30}}) EXPECT_EQ(0xFFFFFFu, b.pixel(x, y)) << x << "," << y;
}

} // namespace

TEST(Metafiles, WmfIsDrawnAtItsOwnSize)
{
    const auto file = wmfFile();
    EXPECT_EQ(PictureKind::Wmf, sniffPicture(file));
    auto picture = decodePicture(file);
    ASSERT_TRUE(picture.ok()) << picture.error();
    expectRedRectangle(picture.value());
}

TEST(Metafiles, EmfIsDrawnAtItsBounds)
{
    const auto file = emfFile();
    EXPECT_EQ(PictureKind::Emf, sniffPicture(file));
    auto picture = decodePicture(file);
    ASSERT_TRUE(picture.ok()) << picture.error();
    expectRedRectangle(picture.value());
}

TEST(Metafiles, DamagedMetafilesAreErrors)
{
    auto wmf = wmfFile();
    wmf.resize(40);  // the records cut off
    EXPECT_FALSE(decodeWmf(wmf).ok());
    // A largest record of 2^31 words: refused before the reader sizes a buffer by it.
    wmf = wmfFile();
    wmf[34] = 0xFF, wmf[35] = 0xFF, wmf[36] = 0xFF, wmf[37] = 0x7F;
    const auto huge = decodeWmf(wmf);
    ASSERT_FALSE(huge.ok());
    EXPECT_NE(huge.error().find("largest record"), std::string::npos) << huge.error();
    auto emf = emfFile();
    emf[16] = 0xFF, emf[17] = 0xFF, emf[18] = 0xFF, emf[19] = 0x7F;  // bounds far too wide
    EXPECT_FALSE(decodeEmf(emf).ok());
    EXPECT_FALSE(decodeEmf(std::vector<uint8_t>(88, 0)).ok());
    EXPECT_FALSE(renderSvg("<svg").ok());
}
