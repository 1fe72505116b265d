#include "library/formats/ModelFile.h"
#include "library/formats/ModelFileApi.h"

#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <cstring>
#include <fstream>
#include <iterator>
#include <unistd.h>

using namespace salon;

namespace {

struct Arrays {
    ByteArray2D obr1, obr2, tr1, tr2, tr3;
    LongArray plg1, x1, y1, plg2, x2, y2, rgn, data;
    std::string name;

    int32_t read(const std::string& path)
    {
        return SuCtiDSL(path, obr1, obr2, tr1, tr2, tr3, plg1, x1, y1, plg2, x2, y2, name, rgn, data);
    }
    int32_t write(Ui& ui, const std::string& path, bool ask = false) const
    {
        return SuPisDSL(ui, path, obr1, obr2, tr1, tr2, tr3, plg1, x1, y1, plg2, x2, y2, name, rgn, data, ask);
    }
};

// A small library model filled through the arrays, as a caller of the library would.
Arrays sampleArrays()
{
    Arrays a;
    const int32_t w = 22, h = 21, rb = rowBytes24(w);
    a.data.redim(1, 30);
    int32_t values[30] = {1, 1234, int32_t(packRgb(190, 140, 110)), int32_t(packRgb(50, 30, 20)), w, h,
                          4, 3, 2, 5,   // mask 1: W, H, X, Y
                          6, 2, 1, 7,   // mask 2
                          6, 2, 1, 7,   // mask 3
                          1, 4, 2, 7,   // polygons and points of both sets
                          1, 60, 150, 8, 9, 3, 12, 0};
    for (int i = 0; i < 30; ++i) a.data(i + 1) = values[i];
    a.obr1.redim(0, rb - 1, 0, h - 1);
    a.obr2.redim(0, rb - 1, 0, h - 1);
    for (size_t i = 0; i < a.obr1.values.size(); ++i) {
        a.obr1.values[i] = uint8_t(i);
        a.obr2.values[i] = uint8_t(255 - i);
    }
    a.tr1.redim(2, 5, 5, 7);
    a.tr1(3, 6) = 77;
    a.tr2.redim(1, 6, 7, 8);
    a.tr2(6, 8) = 5;
    a.tr3.redim(1, 6, 7, 8);
    a.tr3(1, 7) = 250;
    a.plg1.redim(0, 0);
    a.plg1(0) = 4;
    a.x1.values = {0, 10, 10, 0};
    a.y1.values = {0, 0, 10, 10};
    a.plg2.values = {3, 4};
    a.x2.values = {1, 5, 3, 2, 8, 8, 2};
    a.y2.values = {1, 1, 6, 9, 9, 12, 12};
    a.name = "Mikado";
    a.rgn.redim(1, 3);
    a.rgn.values = {7, 8, 9};
    return a;
}

class LibraryModelFile : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("salon-dsl-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
};

} // namespace

TEST_F(LibraryModelFile, WrittenArraysReadBackUnchanged)
{
    ScriptedUi ui;
    const Arrays a = sampleArrays();
    ASSERT_EQ(1, a.write(ui, path("m.dsl")));
    EXPECT_TRUE(ui.messages.empty());
    Arrays b;
    ASSERT_EQ(1, b.read(path("m.dsl")));
    EXPECT_EQ(a.data.values, b.data.values);
    EXPECT_EQ(a.obr1.values, b.obr1.values);
    EXPECT_EQ(a.obr2.values, b.obr2.values);
    EXPECT_EQ(77, b.tr1(3, 6));
    EXPECT_EQ(2, b.tr1.lower1);
    EXPECT_EQ(5, b.tr2(6, 8));
    EXPECT_EQ(250, b.tr3(1, 7));
    EXPECT_EQ(a.x2.values, b.x2.values);
    EXPECT_EQ(a.y2.values, b.y2.values);
    EXPECT_EQ(a.plg2.values, b.plg2.values);
    EXPECT_EQ("Mikado", b.name);
    EXPECT_EQ(1, b.rgn.lower);
    EXPECT_EQ(a.rgn.values, b.rgn.values);
}

TEST_F(LibraryModelFile, EditorMagicAndForeignNamesAreRefused)
{
    ScriptedUi ui;
    const Arrays a = sampleArrays();
    ASSERT_EQ(1, a.write(ui, path("m.DsL")));
    Arrays b;
    EXPECT_EQ(1, b.read(path("m.DsL")));
    EXPECT_EQ(0, b.read(path("missing.dsl")));
    EXPECT_EQ(0, a.write(ui, path("m.bmp")));
    EXPECT_FALSE(std::filesystem::exists(path("m.bmp")));

    // The editor's own files carry "JSDL".
    dsl::Model m;
    m.width = m.height = 21;
    m.picture1.assign(size_t(rowBytes24(21) * 21), 0);
    m.picture2 = m.picture1;
    auto bytes = dsl::serialize(m, dsl::EditorMagic);
    std::ofstream(path("e.dsl"), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    EXPECT_EQ(0, b.read(path("e.dsl")));
}

TEST_F(LibraryModelFile, OnlyTheExtendedVersionIsWritten)
{
    ScriptedUi ui;
    Arrays a = sampleArrays();
    a.data(1) = 0;
    EXPECT_EQ(0, a.write(ui, path("s.dsl")));
    EXPECT_FALSE(std::filesystem::exists(path("s.dsl")));
}

TEST_F(LibraryModelFile, ExistingFileIsKeptUnlessTheUserSaysYes)
{
    Arrays a = sampleArrays();
    ScriptedUi first;
    ASSERT_EQ(1, a.write(first, path("m.dsl")));
    const auto before = std::filesystem::file_size(path("m.dsl"));

    a.name = "A much longer model name";
    ScriptedUi no;
    no.messageAnswers = {MsgAnswer::No};
    EXPECT_EQ(0, a.write(no, path("m.dsl"), true));
    ASSERT_EQ(1u, no.messages.size());
    EXPECT_EQ(OverwriteQuestionText, no.messages[0].text);
    EXPECT_EQ(MsgButtons::YesNo, no.messages[0].buttons);
    EXPECT_EQ(MsgDefault::Second, no.messages[0].defaultButton);
    EXPECT_EQ(before, std::filesystem::file_size(path("m.dsl")));

    ScriptedUi yes;
    yes.messageAnswers = {MsgAnswer::Yes};
    EXPECT_EQ(1, a.write(yes, path("m.dsl"), true));
    Arrays b;
    ASSERT_EQ(1, b.read(path("m.dsl")));
    EXPECT_EQ(a.name, b.name);

    ScriptedUi silent;  // without Dotaz nobody is asked
    EXPECT_EQ(1, a.write(silent, path("m.dsl")));
    EXPECT_TRUE(silent.messages.empty());
}

TEST_F(LibraryModelFile, RegionCountThatDisagreesIsReportedAndTheTrueLengthStored)
{
    Arrays a = sampleArrays();
    a.data(29) = 16;  // claims four Longs, the array holds three
    ScriptedUi ui;
    ASSERT_EQ(1, a.write(ui, path("m.dsl")));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(" Chyba delky souboru", ui.messages[0].text);
    Arrays b;
    EXPECT_EQ(1, b.read(path("m.dsl")));  // the stored length is the real one
}

TEST_F(LibraryModelFile, ShortArraysFailInsteadOfReadingPastThem)
{
    Arrays a = sampleArrays();
    a.data(20) = 40;  // more set 1 points than the arrays hold
    ScriptedUi ui;
    EXPECT_EQ(0, a.write(ui, path("m.dsl")));
    EXPECT_FALSE(std::filesystem::exists(path("m.dsl")));
}

TEST_F(LibraryModelFile, ShortVersionLeavesNameAndRegionDataAlone)
{
    ScriptedUi ui;
    ASSERT_EQ(1, sampleArrays().write(ui, path("m.dsl")));
    // Move the bitmap header to 193: the short layout, same length.
    std::vector<uint8_t> f;
    {
        std::ifstream in(path("m.dsl"), std::ios::binary);
        f.assign(std::istreambuf_iterator<char>(in), {});
    }
    auto setLong = [&f](size_t pos, int32_t v) { std::memcpy(f.data() + pos - 1, &v, 4); };
    const auto header = dsl::standardBitmapHeader(22, 21);
    setLong(9 + 4 * 3, 193);
    for (size_t i = 0; i < 10; ++i) setLong(193 + 4 * i, header[i]);
    std::ofstream(path("short.dsl"), std::ios::binary).write(reinterpret_cast<const char*>(f.data()), std::streamsize(f.size()));

    Arrays b;
    b.name = "kept";
    b.rgn.values = {42};
    ASSERT_EQ(1, b.read(path("short.dsl")));
    EXPECT_EQ(0, b.data(1));
    EXPECT_EQ(22, b.data(5));
    EXPECT_EQ(21, b.data(6));
    EXPECT_EQ(0, b.data(28));
    EXPECT_EQ("kept", b.name);
    EXPECT_EQ(std::vector<int32_t>{42}, b.rgn.values);
    EXPECT_EQ(0, b.write(ui, path("back.dsl")));
    b.data(1) = 1;
    EXPECT_EQ(1, b.write(ui, path("back.dsl")));
}

namespace {

int32_t longAt(const std::vector<uint8_t>& f, size_t pos1)
{
    int32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= int32_t(uint32_t(f[pos1 - 1 + size_t(i)]) << (8 * i));
    return v;
}

void setLongAt(std::vector<uint8_t>& f, size_t pos1, int32_t v)
{
    for (int i = 0; i < 4; ++i) f[pos1 - 1 + size_t(i)] = uint8_t(uint32_t(v) >> (8 * i));
}

} // namespace

TEST_F(LibraryModelFile, TheStoredRegionByteCountIsReportedAsStored)
{
    const std::string first = path("a.DSL"), second = path("b.DSL");
    ScriptedUi ui;
    ASSERT_EQ(1, sampleArrays().write(ui, first));
    std::ifstream in(first, std::ios::binary);
    std::vector<uint8_t> f((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A file whose region byte field (H51, at 213) says 4 bytes more than 4 x H50, with the file
    // grown to match, as a file made elsewhere may be.
    const int32_t h51 = longAt(f, 213);
    setLongAt(f, 213, h51 + 4);
    f.resize(f.size() + 4, 0);
    setLongAt(f, 5, int32_t(f.size()));
    std::ofstream(second, std::ios::binary).write(reinterpret_cast<const char*>(f.data()), std::streamsize(f.size()));
    Arrays a;
    ASSERT_EQ(1, a.read(second));
    EXPECT_EQ(h51 + 4, a.data(29));
    EXPECT_EQ(h51 / 4, a.data(28));
}

TEST_F(LibraryModelFile, MaskThreeFieldsThatContradictRectangleTwoAreRefused)
{
    const std::string file = path("m.DSL");
    ScriptedUi ui;
    Arrays a = sampleArrays();
    a.data(15) = 7;  // mask 3 width no longer that of rectangle 2
    EXPECT_EQ(0, a.write(ui, file));
    EXPECT_FALSE(std::filesystem::exists(file));
    a.data(15) = a.data(11);
    EXPECT_EQ(1, a.write(ui, file));
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> f((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(a.data(15) * a.data(16), longAt(f, 105));  // H24 = W3 x H3r
}
