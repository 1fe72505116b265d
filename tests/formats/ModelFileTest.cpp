#include "library/formats/ModelFile.h"

#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace salon;
using namespace salon::dsl;

namespace {

int32_t longAt(const std::vector<uint8_t>& f, int64_t pos)
{
    int32_t v;
    std::memcpy(&v, f.data() + pos - 1, 4);
    return v;
}
void setLong(std::vector<uint8_t>& f, int64_t pos, int32_t v) { std::memcpy(f.data() + pos - 1, &v, 4); }
int32_t H(const std::vector<uint8_t>& f, int i) { return longAt(f, 9 + 4 * i); }
void setH(std::vector<uint8_t>& f, int i, int32_t v) { setLong(f, 9 + 4 * i, v); }

Model sampleModel(int32_t w = 101, int32_t h = 7)
{
    Model m;
    m.faceAngle = -250;
    m.skinColour = int32_t(packRgb(200, 150, 120));
    m.hairColour = int32_t(packRgb(60, 40, 20));
    m.width = w;
    m.height = h;
    m.bitmapHeader = standardBitmapHeader(w, h);
    m.picture1.resize(size_t(rowBytes24(w) * h));
    m.picture2.resize(m.picture1.size());
    for (size_t i = 0; i < m.picture1.size(); ++i) {
        m.picture1[i] = uint8_t(i * 7);
        m.picture2[i] = uint8_t(i * 13 + 1);
    }
    m.mask1 = {3, 2, 5, 4, std::vector<uint8_t>(20, 9)};
    m.mask2 = {1, 1, 6, 3, std::vector<uint8_t>(18, 200)};
    m.mask3 = {1, 1, 6, 3, std::vector<uint8_t>(18, 250)};
    m.mask1.bytes[7] = 255;
    m.set1 = {{4, 3}, {{0, 0}, {10, 0}, {10, 5}, {0, 5}, {2, 2}, {4, 2}, {3, 4}}};
    m.set2 = {{3}, {{1, 1}, {5, 1}, {3, 6}}};
    m.rangeFlag = 1;
    m.rangeLow = 60;
    m.rangeHigh = 150;
    m.extra1 = 11;
    m.extra2 = -12;
    m.name = "Model A";
    m.regionData = {1, 2, 3, -4};
    return m;
}

} // namespace

TEST(ModelFile, RoundTripsEveryFieldWithEitherMagic)
{
    const Model m = sampleModel();
    for (const char* magic : {EditorMagic, LibraryMagic}) {
        auto file = serialize(m, magic);
        ASSERT_EQ(0, std::memcmp(file.data(), magic, 4));
        auto back = parse(file, magic, true);
        ASSERT_TRUE(back.ok()) << back.error();
        EXPECT_EQ(m, back.value());
    }
}

TEST(ModelFile, HeaderArithmeticOfA101PixelWideModel)
{
    const Model m = sampleModel(101, 7);
    auto f = serialize(m, EditorMagic);
    EXPECT_EQ(221, H(f, 3));
    EXPECT_EQ(304 * 7, H(f, 4));
    EXPECT_EQ(261, H(f, 5));
    EXPECT_EQ(261 + 304 * 7, H(f, 6));
    EXPECT_EQ(H(f, 6) + 304 * 7, H(f, 11));
    EXPECT_EQ(20, H(f, 12));
    EXPECT_EQ(H(f, 11) + 20, H(f, 17));
    EXPECT_EQ(H(f, 17) + 18, H(f, 23));
    EXPECT_EQ(H(f, 23) + 18, H(f, 27));
    EXPECT_EQ(H(f, 27) + 4 * 2, H(f, 28));
    EXPECT_EQ(H(f, 28) + 8 * 7, H(f, 31));
    EXPECT_EQ(H(f, 31) + 4 * 1, H(f, 32));
    EXPECT_EQ(H(f, 32) + 8 * 3, H(f, 49));
    EXPECT_EQ(H(f, 49) + 7, H(f, 52));
    EXPECT_EQ(16, H(f, 51));
    EXPECT_EQ(int64_t(f.size()), H(f, 52) + H(f, 51) - 1);
    EXPECT_EQ(int32_t(f.size()), longAt(f, 5));
    // The bitmap information header at 221: 40, width, -height, planes 1 and 24 bits, 2834 ppm.
    EXPECT_EQ(40, longAt(f, 221));
    EXPECT_EQ(101, longAt(f, 225));
    EXPECT_EQ(-7, longAt(f, 229));
    EXPECT_EQ(1, f[232]);
    EXPECT_EQ(24, f[234]);
    EXPECT_EQ(2834, longAt(f, 245));
    EXPECT_EQ(2834, longAt(f, 249));
    // Pixel bytes land where the header says, picture 2 right after picture 1.
    EXPECT_EQ(m.picture2[5], f[size_t(261 + 304 * 7 + 5 - 1)]);
}

TEST(ModelFile, NameFollowsSet2CountsWhenSet2IsEmpty)
{
    Model m = sampleModel();
    m.set2 = {};
    auto f = serialize(m, EditorMagic);
    EXPECT_EQ(H(f, 31), H(f, 49));
    auto back = parse(f, EditorMagic, true);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ("Model A", back.value().name);
}

TEST(ModelFile, WrongMagicIsRefusedByEachReader)
{
    auto library = serialize(sampleModel(), LibraryMagic);
    auto editor = serialize(sampleModel(), EditorMagic);
    auto a = parse(library, EditorMagic, false);
    ASSERT_FALSE(a.ok());
    EXPECT_EQ("Nejedná se o správný typ souboru", a.error());
    EXPECT_FALSE(parse(editor, LibraryMagic, true).ok());
}

TEST(ModelFile, StoredLengthOffByOneIsRefusedOnlyWhenChecked)
{
    auto f = serialize(sampleModel(), LibraryMagic);
    f.push_back(0);
    EXPECT_FALSE(parse(f, LibraryMagic, true).ok());
    EXPECT_TRUE(parse(f, LibraryMagic, false).ok());
    f.pop_back();
    setLong(f, 5, longAt(f, 5) - 1);
    EXPECT_FALSE(parse(f, LibraryMagic, true).ok());
    EXPECT_TRUE(parse(f, LibraryMagic, false).ok());
}

TEST(ModelFile, ShortVersionHasNoExtendedBlock)
{
    auto f = serialize(sampleModel(), EditorMagic);
    auto header = standardBitmapHeader(101, 7);
    setH(f, 3, 193);
    for (int i = 0; i < 10; ++i) setLong(f, 193 + 4 * i, header[size_t(i)]);
    auto back = parse(f, EditorMagic, false);
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_FALSE(back.value().extended);
    EXPECT_TRUE(back.value().name.empty());
    EXPECT_TRUE(back.value().regionData.empty());
    EXPECT_EQ(sampleModel().picture2, back.value().picture2);
}

// Header fields that do not fit the file: each must be refused without a huge allocation or a
// read past the end (the sanitizer build watches the latter).
TEST(ModelFile, HeaderThatDoesNotFitTheFileIsRefused)
{
    struct Case {
        const char* what;
        int index;       // header Long to change; -1: the bitmap height at 229
        int32_t value;
    };
    const Case cases[] = {
        {"header position past the end", 3, 1 << 30},
        {"header position zero", 3, 0},
        {"picture 1 past the end", 5, 1 << 30},
        {"picture 2 negative", 6, -5},
        {"mask 1 width negative", 7, -1},
        {"mask 1 huge", 8, 1 << 30},
        {"mask 2 position past the end", 17, 1 << 30},
        {"mask 3 position past the end", 23, 1 << 30},
        {"set 1 polygon count huge", 25, 1 << 29},
        {"set 1 point count negative", 26, -3},
        {"set 2 points past the end", 32, 1 << 30},
        {"picture height huge", -1, -(1 << 30)},
        {"picture height positive (bottom-up)", -1, 7},
        {"picture height minimum", -1, INT32_MIN},
    };
    for (const Case& c : cases) {
        auto f = serialize(sampleModel(), LibraryMagic);
        if (c.index >= 0)
            setH(f, c.index, c.value);
        else
            setLong(f, 229, c.value);
        EXPECT_FALSE(parse(f, LibraryMagic, false).ok()) << c.what;
    }
}

TEST(ModelFile, BrokenExtendedBlockIsIgnoredByTheEditorOnly)
{
    auto f = serialize(sampleModel(), EditorMagic);
    setH(f, 50, 1 << 28);  // region data far past the end
    EXPECT_FALSE(parse(f, EditorMagic, true).ok());
    auto editor = parse(f, EditorMagic, false);
    ASSERT_TRUE(editor.ok());
    EXPECT_TRUE(editor.value().regionData.empty());
}

TEST(ModelFile, EveryTruncationIsRefusedOrKeepsWholeBlocks)
{
    const Model m = sampleModel(23, 3);
    auto full = serialize(m, EditorMagic);
    for (size_t n = 0; n < full.size(); ++n) {
        std::vector<uint8_t> cut(full.begin(), full.begin() + ptrdiff_t(n));
        auto r = parse(cut, EditorMagic, false);
        // Only the extended block (which the editor ignores) may be cut off.
        if (r.ok()) {
            EXPECT_GE(n, size_t(H(full, 49) - 1)) << n;
            EXPECT_EQ(m.set2, r.value().set2);
        }
    }
}

namespace {

// A 2 x 2 model laid out by hand from the file's table, not by our writer: every position below is
// the table's sum, written out.
std::vector<uint8_t> handMadeModel(const char* magic)
{
    std::vector<uint8_t> f(363, 0);
    std::memcpy(f.data(), magic, 4);
    setLong(f, 5, 363);  // H52 + H51 - 1 = 356 + 8 - 1
    const int32_t H[53] = {
        1234, 0x5A6E96, 0x14283C,  // face angle, skin, hair
        221, 16, 261, 277,          // bitmap header at 221; picture bytes 8 x 2 at 261 and 277
        1, 1, 0, 0, 293, 1,         // mask 1: 1 x 1 at (0, 0), at 293 = 277 + 16
        1, 1, 1, 1, 294, 1,         // mask 2: 1 x 1 at (1, 1), at 294
        1, 1, 1, 1, 295, 1,         // mask 3 over rectangle 2, at 295
        1, 3, 296, 300,             // set 1: one polygon of 3 points, counts at 296, points at 300
        1, 3, 324, 328,             // set 2 likewise, at 324 = 300 + 8 x 3 and 328
        0, 0, 7,                    // reserved, reserved, range flag
        0, 0, 0, 0, 0, 0, 0, 0,     // reserved H36..H43
        90, 400, 11, 22,            // swatch range, extended values
        4, 352, 2, 8, 356};         // name: 4 bytes at 352; region data: 2 Longs (8 bytes) at 356
    for (int k = 0; k < 53; ++k) setLong(f, 9 + 4 * k, H[k]);
    const int32_t bih[10] = {40, 2, -2, 1 | (24 << 16), 0, 0, 2834, 2834, 0, 0};
    for (int k = 0; k < 10; ++k) setLong(f, 221 + 4 * k, bih[k]);
    for (int i = 0; i < 16; ++i) f[size_t(260 + i)] = uint8_t(10 + i), f[size_t(276 + i)] = uint8_t(100 + i);
    f[292] = 201, f[293] = 202, f[294] = 203;  // masks 1, 2, 3
    setLong(f, 296, 3);
    const int32_t set1[6] = {0, 0, 2, 0, 0, 2}, set2[6] = {1, 1, 2, 1, 1, 2};
    for (int k = 0; k < 6; ++k) setLong(f, 300 + 4 * k, set1[k]);
    setLong(f, 324, 3);
    for (int k = 0; k < 6; ++k) setLong(f, 328 + 4 * k, set2[k]);
    std::memcpy(f.data() + 351, "Mia!", 4);
    setLong(f, 356, 77);
    setLong(f, 360, -5);
    return f;
}

} // namespace

TEST(ModelFile, AFileLaidOutByHandIsReadFieldByField)
{
    for (const char* magic : {EditorMagic, LibraryMagic}) {
        auto parsed = parse(handMadeModel(magic), magic, true);
        ASSERT_TRUE(parsed) << magic;
        const Model& m = parsed.value();
        EXPECT_EQ(1234, m.faceAngle);
        EXPECT_EQ(0x5A6E96, m.skinColour);
        EXPECT_EQ(0x14283C, m.hairColour);
        EXPECT_EQ(2, m.width);
        EXPECT_EQ(2, m.height);
        ASSERT_EQ(16u, m.picture1.size());
        EXPECT_EQ(10, m.picture1.front());
        EXPECT_EQ(25, m.picture1.back());
        EXPECT_EQ(100, m.picture2.front());
        EXPECT_EQ((Mask{0, 0, 1, 1, {201}}), m.mask1);
        EXPECT_EQ((Mask{1, 1, 1, 1, {202}}), m.mask2);
        EXPECT_EQ(std::vector<uint8_t>{203}, m.mask3.bytes);
        EXPECT_EQ((PolygonSet{{3}, {{0, 0}, {2, 0}, {0, 2}}}), m.set1);
        EXPECT_EQ((PolygonSet{{3}, {{1, 1}, {2, 1}, {1, 2}}}), m.set2);
        EXPECT_EQ(7, m.rangeFlag);
        EXPECT_EQ(90, m.rangeLow);
        EXPECT_EQ(400, m.rangeHigh);
        EXPECT_EQ(11, m.extra1);
        EXPECT_EQ(22, m.extra2);
        EXPECT_EQ("Mia!", m.name);
        EXPECT_EQ((std::vector<int32_t>{77, -5}), m.regionData);
        // Our writer lays the same model out the same way, byte for byte.
        EXPECT_EQ(handMadeModel(magic), serialize(m, magic)) << magic;
    }
    // One byte short of the stored length: the library's reader refuses it.
    std::vector<uint8_t> cut = handMadeModel(LibraryMagic);
    cut.pop_back();
    EXPECT_FALSE(parse(cut, LibraryMagic, true));
}
