// The catalogue files as the editor's catalogue window reads them: record layout of the category
// list, the contents file's header, its item table stored field by field and the previews.
#include "library/formats/ModelFile.h"
#include "platform/Numbers.h"
#include "tools/authoring/Catalogue.h"
#include "platform/CodePage.h"
#include "tools/authoring/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace salon::tools {
namespace {

namespace fs = std::filesystem;

int32_t longAt(const std::vector<uint8_t>& d, int64_t pos)  // 1-based, as the readers seek
{
    size_t i = size_t(pos - 1);
    return int32_t(uint32_t(d[i]) | uint32_t(d[i + 1]) << 8 | uint32_t(d[i + 2]) << 16 | uint32_t(d[i + 3]) << 24);
}

Bitmap preview(int32_t w, int32_t h, uint8_t seed)
{
    Bitmap b = Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) b.setPixel(x, y, packRgb(uint8_t(x + seed), uint8_t(y), seed));
    return b;
}

TEST(Catalogue, CategoryListHoldsPaddedThirtyTwoByteRecords)
{
    std::vector<Category> cats{{"Damske ucesy", "DS1", "DA", {}}, {"A name of exactly 24 chr", "X", "PQRS", {}}};
    auto list = categoryList(cats);
    ASSERT_EQ(list.size(), 64u);
    EXPECT_EQ(std::string(list.begin(), list.begin() + 32), "Damske ucesy            DS1 DA  ");
    EXPECT_EQ(std::string(list.begin() + 32, list.end()), "A name of exactly 24 chrX   PQRS");
}

TEST(Catalogue, ContentsFileHasTheHeaderAndTheTableStoredFieldByField)
{
    std::vector<Bitmap> previews{preview(90, 120, 1), preview(60, 100, 2), preview(89, 119, 3)};
    auto file = contentsFile(previews);
    const int32_t n = 3;
    ASSERT_GE(file.size(), 13u + 52u * n);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "IWRG");
    EXPECT_EQ(longAt(file, 5), int32_t(file.size()));
    EXPECT_EQ(longAt(file, 9), n);
    auto field = [&](int k, int item) { return longAt(file, 13 + 4 * (int64_t(k) * n + (item - 1))); };

    int64_t expectedPos = 13 + 52 * n;
    for (int item = 1; item <= n; ++item) {
        const Bitmap& p = previews[size_t(item - 1)];
        const int32_t bytes = rowBytes24(p.width) * p.height;
        EXPECT_EQ(field(0, item), bytes + 54) << item;
        EXPECT_EQ(field(2, item), 40);               // header size
        EXPECT_EQ(field(3, item), p.width);          // width
        EXPECT_EQ(field(4, item), p.height);         // positive: rows bottom-up
        EXPECT_EQ(field(5, item), 1 | (24 << 16));   // planes 1, 24 bits
        EXPECT_EQ(field(12, item), expectedPos);
        // Every pixel where the header says, bottom row first.
        const int32_t rb = rowBytes24(p.width);
        for (int32_t y : {0, p.height / 2, p.height - 1})
            for (int32_t x : {0, p.width - 1}) {
                size_t at = size_t(field(12, item) - 1) + size_t(p.height - 1 - y) * rb + size_t(x) * 3;
                uint32_t c = p.pixel(x, y);
                EXPECT_EQ(file[at], blueOf(c));
                EXPECT_EQ(file[at + 1], greenOf(c));
                EXPECT_EQ(file[at + 2], redOf(c));
            }
        expectedPos += bytes;
    }
    EXPECT_EQ(expectedPos - 1, int64_t(file.size()));  // nothing after the last preview
}

TEST(Catalogue, PreviewsOfAModelWithoutACutOutFillTheBoxFromThePicturesTop)
{
    // A 512 x 560 model: a red top quarter over blue, a green column in the middle.
    dsl::Model m;
    m.width = 512;
    m.height = 560;
    const int32_t rb = rowBytes24(512);
    m.picture1.assign(size_t(rb) * 560, 0);
    for (int32_t y = 0; y < 560; ++y)
        for (int32_t x = 0; x < 512; ++x) {
            uint8_t* p = m.picture1.data() + size_t(y) * rb + size_t(x) * 3;
            if (x >= 246 && x < 266) p[1] = 255;
            else if (y < 140) p[2] = 255;
            else p[0] = 255;
        }
    Bitmap p = makePreview(m);
    ASSERT_EQ(p.width, PreviewWidth);
    ASSERT_EQ(p.height, PreviewHeight);
    EXPECT_EQ(p.pixel(5, 5), packRgb(255, 0, 0));
    EXPECT_EQ(p.pixel(5, 100), packRgb(0, 0, 255));
    EXPECT_EQ(p.pixel(45, 60), packRgb(0, 255, 0));  // the middle stays in the middle
}

TEST(Catalogue, PreviewsOfAModelWithACutOutCloseInOnTheFace)
{
    // A red face-sized square at the cut-out, 100 pixels tall: the crop is 260 tall, 195 wide.
    dsl::Model m;
    m.width = 512;
    m.height = 560;
    const int32_t rb = rowBytes24(512);
    m.picture1.assign(size_t(rb) * 560, 0);
    for (int32_t y = 0; y < 560; ++y)
        for (int32_t x = 0; x < 512; ++x)
            m.picture1[size_t(y) * rb + size_t(x) * 3 + ((x >= 200 && x < 300 && y >= 200 && y < 300) ? 2 : 0)] = 255;
    m.set1 = dsl::PolygonSet{{4}, {{200, 200}, {300, 200}, {300, 300}, {200, 300}}};
    Bitmap p = makePreview(m);
    // The square spans preview columns 22..68 and rows 35..80 (crop from x 152.5, y 125.2).
    EXPECT_EQ(p.pixel(45, 58), packRgb(255, 0, 0));
    EXPECT_EQ(p.pixel(23, 36), packRgb(255, 0, 0));
    EXPECT_EQ(p.pixel(67, 79), packRgb(255, 0, 0));
    EXPECT_EQ(p.pixel(20, 58), packRgb(0, 0, 255));
    EXPECT_EQ(p.pixel(70, 58), packRgb(0, 0, 255));
    EXPECT_EQ(p.pixel(45, 33), packRgb(0, 0, 255));
    EXPECT_EQ(p.pixel(45, 82), packRgb(0, 0, 255));
}

// Outline points anywhere a Long reaches: the crop is worked out without wrapping, so an outline
// over everything crops like no outline at all on a model already of the preview's shape.
TEST(Catalogue, PreviewsOfOutlinesSpanningEveryLongCropTheWholePicture)
{
    dsl::Model m;
    m.width = 90;
    m.height = 120;
    m.picture1.assign(size_t(rowBytes24(90)) * 120, 0);
    for (size_t i = 0; i < m.picture1.size(); ++i) m.picture1[i] = uint8_t(i * 31 + i / 300);
    const Bitmap whole = makePreview(m);
    m.set1 = dsl::PolygonSet{{4}, {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MAX}, {INT32_MIN, INT32_MAX}}};
    EXPECT_EQ(makePreview(m), whole);
}

TEST(Catalogue, FileNamesAreTheOnesTheEditorBuilds)
{
    EXPECT_EQ(contentsFileName(0), "obsdsl00.irw");
    EXPECT_EQ(contentsFileName(3), "obsdsl03.irw");
    EXPECT_EQ(contentsFileName(10), "obsdsl10.irw");
    EXPECT_EQ(modelFileName("HA", 7), "HA007.DSL");
    EXPECT_EQ(modelFileName("HA", 42), "HA042.DSL");
    EXPECT_EQ(modelFileName("HA", 123), "HA123.DSL");
}

TEST(Catalogue, CategoriesTheEditorCouldNotUseAreRefused)
{
    struct Case { Category c; const char* message; };
    std::vector<fs::path> two{"a.DSL", "b.DSL"};
    for (const Case& k : {Case{{"One", "DS1", "DA", {"a.DSL"}}, "has 1 model(s); a category needs 2 to 999"},
                          Case{{"Long dir", "DS100", "DA", two}, "directory \"DS100\" must be 1 to 4"},
                          Case{{"Bad prefix", "DS1", "D-", two}, "prefix \"D-\""},
                          Case{{"A name far longer than the field", "DS1", "DA", two}, "1 to 24 characters"},
                          Case{{"    ", "DS1", "DA", two}, "the name is blank"}}) {
        std::string problems = checkCategories({k.c});
        EXPECT_NE(problems.find(k.message), std::string::npos) << problems;
    }
    // Two categories writing the same file names into one directory (the drive ignores case).
    std::string clash = checkCategories({{"A", "ds1", "da", two}, {"B", "DS1", "DA", two}});
    EXPECT_NE(clash.find("already used by category 0"), std::string::npos) << clash;
    EXPECT_EQ(checkCategories({{"A", "DS1", "DA", two}, {"B", "DS1", "ME", two}}), "");
}

TEST(Catalogue, ADriveWithAnUnreadableModelIsNotWrittenAtAll)
{
    fs::path dir = fs::temp_directory_path() / ("salon-catalogue-test-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    ASSERT_TRUE(replaceFile(dir / "junk.DSL", std::vector<uint8_t>{'J', 'S', 'D', 'L', 0, 0}));
    std::vector<Category> cats{{"Cat", "DS1", "DA", {dir / "junk.DSL", dir / "missing.DSL"}}};
    fs::path drive = dir / "drive";
    auto done = buildCatalogue(cats, drive);
    ASSERT_FALSE(done);
    EXPECT_NE(done.error().find("junk.DSL: not a model file"), std::string::npos) << done.error();
    EXPECT_FALSE(fs::exists(drive));
    fs::remove_all(dir);
}

} // namespace
} // namespace salon::tools

namespace salon::tools {
namespace {

TEST(CodePage, CzechNamesBecomeTheEditorsEightBitText)
{
    EXPECT_EQ(utf8ToCp1250("Mikado 2"), "Mikado 2");
    EXPECT_EQ(utf8ToCp1250("Dámské účesy"), "D\xE1msk\xE9 \xFA\xE8" "esy");
    EXPECT_EQ(utf8ToCp1250("Culík přes rameno"), "Cul\xEDk p\xF8" "es rameno");
    EXPECT_EQ(utf8ToCp1250("\xC5\xA0\xC5\xBD"), "\x8A\x8E");  // Š Ž
    EXPECT_FALSE(utf8ToCp1250("日本"));         // not in the code page
    EXPECT_FALSE(utf8ToCp1250("caf\xE9"));      // not UTF-8 (already 8-bit)
    EXPECT_FALSE(utf8ToCp1250("\xC3"));         // cut short
    // and back, as the editor reads the names; unassigned codes show as '?'
    EXPECT_EQ(cp1250ToUtf8(*utf8ToCp1250("Culík přes rameno Šž")), "Culík přes rameno Šž");
    EXPECT_EQ(cp1250ToUtf8("a\x81" "b"), "a?b");
}

} // namespace
} // namespace salon::tools

namespace salon::tools {
namespace {

// A 60 x 80 model with a cut-out in the middle; `shade` tells two versions apart.
std::vector<uint8_t> modelFile(uint8_t shade)
{
    dsl::Model m;
    m.width = 60;
    m.height = 80;
    m.bitmapHeader = dsl::standardBitmapHeader(60, 80);
    m.picture1.assign(size_t(rowBytes24(60)) * 80, shade);
    m.picture2 = m.picture1;
    m.set1 = dsl::PolygonSet{{4}, {{20, 20}, {40, 20}, {40, 50}, {20, 50}}};
    return dsl::serialize(m, dsl::EditorMagic);
}

class DriveRebuild : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("salon-drive-rebuild-" + std::to_string(::getpid()));
    fs::path drive = dir / "drive";
    void SetUp() override
    {
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (uint8_t shade : {1, 2, 3, 4})
            ASSERT_TRUE(replaceFile(dir / ("m" + std::to_string(shade) + ".DSL"), modelFile(shade)));
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path model(int k) const { return dir / ("m" + std::to_string(k) + ".DSL"); }
    std::vector<uint8_t> onDrive(const char* name) const { return readWholeFile(drive / name).value(); }
};

// A rebuild that fails part way - here the second category's folder cannot be made, as a file
// of that name is in the way - leaves every file of the old catalogue as it was, and no staging
// folder behind.
TEST_F(DriveRebuild, AFailureWhileWritingLeavesTheOldCatalogueWhole)
{
    ASSERT_TRUE(buildCatalogue({{"Old", "DS1", "DA", {model(1), model(2)}}}, drive));
    ASSERT_TRUE(replaceFile(drive / "photos.txt", std::vector<uint8_t>{'k', 'e', 'e', 'p'}));
    ASSERT_TRUE(replaceFile(drive / "DS2", std::vector<uint8_t>{'x'}));
    const auto list = onDrive("dslob00.aob"), contents = onDrive("orvella/obsdsl00.irw");
    const auto first = onDrive("DS1/DA001.DSL"), second = onDrive("DS1/DA002.DSL");

    auto done = buildCatalogue({{"New", "DS1", "DA", {model(3), model(4)}}, {"More", "DS2", "ME", {model(1), model(2)}}},
                               drive);
    ASSERT_FALSE(done);
    EXPECT_NE(done.error().find("DS2"), std::string::npos) << done.error();
    EXPECT_EQ(onDrive("dslob00.aob"), list);
    EXPECT_EQ(onDrive("orvella/obsdsl00.irw"), contents);
    EXPECT_EQ(onDrive("DS1/DA001.DSL"), first);
    EXPECT_EQ(onDrive("DS1/DA002.DSL"), second);
    EXPECT_FALSE(fs::exists(drive / "orvella/obsdsl01.irw"));
    EXPECT_EQ(onDrive("photos.txt"), (std::vector<uint8_t>{'k', 'e', 'e', 'p'}));
    for (const auto& e : fs::directory_iterator(dir)) EXPECT_EQ(e.path().filename().string().find(".drive"), std::string::npos) << e.path();

    // Once the way is clear the new catalogue goes in whole, and files not part of it stay.
    fs::remove(drive / "DS2");
    ASSERT_TRUE(buildCatalogue({{"New", "DS1", "DA", {model(3), model(4)}}, {"More", "DS2", "ME", {model(1), model(2)}}},
                               drive));
    EXPECT_NE(onDrive("DS1/DA001.DSL"), first);
    EXPECT_EQ(onDrive("DS2/ME002.DSL"), second);
    EXPECT_EQ(onDrive("photos.txt"), (std::vector<uint8_t>{'k', 'e', 'e', 'p'}));
}

// A catalogue never offers a model the editor would refuse.
TEST_F(DriveRebuild, ModelsThatContradictThemselvesAreNotCatalogued)
{
    auto m = dsl::parse(modelFile(5), dsl::EditorMagic, false).value();
    m.set1.counts = {3};
    ASSERT_TRUE(replaceFile(dir / "counts.DSL", dsl::serialize(m, dsl::EditorMagic)));
    m = dsl::parse(modelFile(5), dsl::EditorMagic, false).value();
    m.set1.points = {{100, 100}, {120, 100}, {120, 120}, {100, 120}};
    ASSERT_TRUE(replaceFile(dir / "outside.DSL", dsl::serialize(m, dsl::EditorMagic)));
    for (const char* bad : {"counts.DSL", "outside.DSL"}) {
        auto done = buildCatalogue({{"Cat", "DS1", "DA", {model(1), dir / bad}}}, drive);
        ASSERT_FALSE(done) << bad;
        EXPECT_NE(done.error().find(std::string(bad) + ": not a usable model"), std::string::npos) << done.error();
        EXPECT_FALSE(fs::exists(drive)) << bad;
    }
}

} // namespace
} // namespace salon::tools
