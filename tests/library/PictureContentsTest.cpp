#include "TempDrive.h"
#include "library/Pixolf.h"
#include "library/formats/ContentsFile.h"
#include "library/frame/LibraryState.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace pixol;
using pixol::testing::TempDrive;

namespace {

// Every pixel a colour of its own, so that any shift or lost row shows.
salon::Bitmap numbered(int32_t w, int32_t h, uint32_t base)
{
    salon::Bitmap b = salon::Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) b.setPixel(x, y, base + uint32_t(16 * y + x));
    return b;
}

const salon::Bitmap Small = numbered(4, 3, 0x100000), Tall = numbered(4, 5, 0x200000);

std::string contentsFile()
{
    const auto bytes = formats::encodeContentsFile(6, 4, "Účesy krátké", "DS1", {salon::encodeBmp(Small), salon::encodeBmp(Tall)});
    return std::string(bytes.begin(), bytes.end());
}

struct Header {
    int32_t xMax = 0, yMax = 0, count = 0;
    std::string title, name;
};

class PictureContents : public ::testing::Test {
protected:
    TempDrive drive{'W'};
    Pixolf lib;
    salon::Surface obj{5, 5};
    Header h;
    void SetUp() override { drive.write("c.isw", contentsFile()); }
    int32_t read(int32_t picture, uint8_t kind, const std::string& name = "c.isw")
    {
        return lib.SuCtiObsah(obj, drive.path(name), picture, h.xMax, h.yMax, h.count, h.title, h.name, kind);
    }
    // The object's pixel at (x, y) is the picture's pixel (x - dx, y - dy), or white outside it.
    void expectPlaced(const salon::Bitmap& pic, int32_t dx, int32_t dy, int32_t sx = 0, int32_t sy = 0)
    {
        for (int32_t y = 0; y < obj.height(); ++y)
            for (int32_t x = 0; x < obj.width(); ++x) {
                const int32_t px = x - dx + sx, py = y - dy + sy;
                const bool inside = x >= dx && y >= dy && px < pic.width && py < pic.height;
                EXPECT_EQ(inside ? pic.pixel(px, py) : 0xFFFFFFu, obj.image().pixel(x, y)) << x << "," << y;
            }
    }
};

} // namespace

TEST_F(PictureContents, TheHeaderComesBackWithEveryPicture)
{
    ASSERT_EQ(1, read(1, 0));
    EXPECT_EQ(6, h.xMax);
    EXPECT_EQ(4, h.yMax);
    EXPECT_EQ(2, h.count);
    EXPECT_EQ("Účesy krátké", h.title);
    EXPECT_EQ("DS1", h.name);
    EXPECT_EQ(4, obj.width());
    EXPECT_EQ(3, obj.height());
    expectPlaced(Small, 0, 0);
}

TEST_F(PictureContents, CellModesCentreThePictureAndKeepItsLastRow)
{
    ASSERT_EQ(1, read(1, 1));
    ASSERT_EQ(6, obj.width());
    ASSERT_EQ(4, obj.height());
    expectPlaced(Small, 1, 0);  // ((6 - 4) \ 2, (4 - 3) \ 2)

    h.xMax = 8;
    h.yMax = 2;
    ASSERT_EQ(1, read(2, 2));
    ASSERT_EQ(8, obj.width());
    ASSERT_EQ(2, obj.height());
    expectPlaced(Tall, 2, 0, 0, 1);  // centred across, cropped from row (5 - 2) \ 2 = 1 down
    EXPECT_EQ(6, h.xMax);            // the header's cell size comes back
}

TEST_F(PictureContents, APictureNumberBeyondTheCountOnlyGivesTheHeader)
{
    obj.fillRect(salon::Rect{0, 0, 5, 5}, 0x123456);
    for (int32_t n : {3, 0, -1}) {
        EXPECT_EQ(1, read(n, 1)) << n;
        EXPECT_EQ(2, h.count);
    }
    EXPECT_EQ(1, read(1, 3));  // an unknown drawing mode draws nothing either
    EXPECT_EQ(5, obj.width());
    EXPECT_EQ(0x123456u, obj.image().pixel(4, 4));
}

TEST_F(PictureContents, TheHeaderIsReadOnceUntilTheFileChanges)
{
    ASSERT_EQ(1, read(1, 1));
    const auto path = drive.native("c.isw");
    const auto stamp = std::filesystem::last_write_time(path);
    std::string changed = contentsFile();
    changed[8] = 9;  // cell width 9, same length
    drive.write("c.isw", changed);
    std::filesystem::last_write_time(path, stamp);
    ASSERT_EQ(1, read(1, 1));
    EXPECT_EQ(6, h.xMax);  // the cached header
    std::filesystem::last_write_time(path, stamp + std::chrono::seconds(2));
    ASSERT_EQ(1, read(1, 1));
    EXPECT_EQ(9, h.xMax);  // replaced: read anew
}

TEST_F(PictureContents, DamagedFilesFailAndClearTheCache)
{
    const std::string good = contentsFile();
    auto put = [](std::string& s, size_t at, int32_t v) { std::memcpy(s.data() + at, &v, 4); };
    struct Case {
        const char* what;
        std::function<void(std::string&)> damage;
    } cases[] = {
        {"length field one over", [&](std::string& s) { put(s, 4, int32_t(s.size()) + 1); }},
        {"length field one under", [&](std::string& s) { put(s, 4, int32_t(s.size()) - 1); }},
        {"wrong magic", [](std::string& s) { s[0] = 'J'; }},
        {"201 pictures", [&](std::string& s) { put(s, 16, 201); }},
        {"negative count", [&](std::string& s) { put(s, 16, -1); }},
        {"picture past the end", [&](std::string& s) { put(s, 76 + 8, int32_t(s.size())); }},
        {"position 0", [&](std::string& s) { put(s, 72, 0); }},
        {"not a picture", [&](std::string& s) { s[1672] = 'X'; }},
        {"shorter than a header", [&](std::string& s) { s.resize(1000); put(s, 4, 1000); }},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(1, read(2, 1)) << c.what;
        std::string bad = good;
        c.damage(bad);
        drive.write("bad.isw", bad);
        EXPECT_EQ(0, read(1, 1, "bad.isw")) << c.what;
        EXPECT_EQ("", state().contentsCache.path) << c.what;
    }
    EXPECT_EQ(0, read(1, 1, "missing.isw"));
}
