#include "TempDrive.h"
#include "library/Pixolf.h"
#include "library/formats/RegionFiles.h"
#include "library/frame/LibraryState.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace pixol;
using pixol::testing::TempDrive;
using salon::Region;

namespace {

int32_t add(Region r) { return int32_t(state().regions.add(std::move(r))); }
const Region& regionOf(int32_t h) { return *state().regions.find(uint32_t(h)); }

// One rectangle per row, widths alternating so that no two bands merge: exactly `rows` rectangles.
Region staircase(int32_t rows)
{
    std::vector<salon::Rect> rects;
    for (int32_t y = 0; y < rows; ++y) rects.push_back(salon::Rect{3, y, 4 + y % 2, y + 1});
    return Region::fromRects(rects);
}

std::string bytesOf(const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); }
void putLong(std::string& s, size_t offset, int32_t v) { std::memcpy(s.data() + offset, &v, 4); }
int32_t getLong(const std::string& s, size_t offset)
{
    int32_t v;
    std::memcpy(&v, s.data() + offset, 4);
    return v;
}

} // namespace

TEST(NlgFiles, RoundTripKeepsThePixelsAndSrXZeroReadsTheStoredSize)
{
    TempDrive drive;
    Pixolf lib;
    int32_t h = add(Region::polygon(std::vector<salon::Point>{{2, 1}, {40, 9}, {11, 33}}, salon::FillRule::EvenOdd));
    ASSERT_EQ(1, lib.SuPisNLG(drive.path("shape.nlg"), h, false, 64, 48));
    const std::string file = drive.read("shape.nlg");
    EXPECT_EQ("PLG3", file.substr(0, 4));
    EXPECT_EQ(int32_t(file.size()), getLong(file, 4));
    EXPECT_EQ(getLong(file, 12), 4 * getLong(file, 8));
    EXPECT_EQ(64, getLong(file, 16));
    EXPECT_EQ(48, getLong(file, 20));

    for (auto [x, y] : {std::pair{0, 0}, {0, 48}, {64, 48}}) {
        int32_t back = lib.SuCtiNLG(drive.path("SHAPE.NLG"), x, y);
        ASSERT_NE(0, back);
        EXPECT_TRUE(regionOf(back) == regionOf(h));
        lib.TsRgn(back);
    }
}

TEST(NlgFiles, ScalingRoundsMappedCornersHalfToEven)
{
    TempDrive drive;
    Pixolf lib;
    int32_t h = add(Region::rect(1, 3, 3, 5));
    ASSERT_EQ(1, lib.SuPisNLG(drive.path("r.nlg"), h, false, 4, 4));
    // x 1.5 -> 2 (even), 4.5 -> 4; y 4.5 -> 4, 7.5 -> 8.
    int32_t back = lib.SuCtiNLG(drive.path("r.nlg"), 6, 6);
    ASSERT_NE(0, back);
    EXPECT_TRUE(regionOf(back) == Region::rect(2, 4, 4, 8));
}

TEST(NlgFiles, DamagedFilesGiveNoRegion)
{
    TempDrive drive;
    Pixolf lib;
    const std::string good = bytesOf(formats::encodeNlg(staircase(3).data(), 10, 10));
    struct Case {
        const char* what;
        std::function<void(std::string&)> damage;
    } cases[] = {
        {"wrong magic", [](std::string& s) { s[3] = '4'; }},
        {"length field one over", [](std::string& s) { putLong(s, 4, getLong(s, 4) + 1); }},
        {"length field one under", [](std::string& s) { putLong(s, 4, getLong(s, 4) - 1); }},
        {"word count not S / 4", [](std::string& s) { putLong(s, 8, getLong(s, 8) + 1); }},
        {"S below a header", [](std::string& s) { s.resize(24 + 28); putLong(s, 4, 52); putLong(s, 8, 7); putLong(s, 12, 28); }},
        {"region kind not rectangles", [](std::string& s) { putLong(s, 28, 2); }},
        {"header size not 32", [](std::string& s) { putLong(s, 24, 31); }},
        {"more rectangles than bytes", [](std::string& s) { putLong(s, 32, 4); }},
        {"negative rectangle count", [](std::string& s) { putLong(s, 32, -1); }},
        {"shorter than its fields", [](std::string& s) { s.resize(20); putLong(s, 4, 20); }},
    };
    const int32_t before = lib.regionCount();
    for (const Case& c : cases) {
        std::string bad = good;
        c.damage(bad);
        drive.write("bad.nlg", bad);
        EXPECT_EQ(0, lib.SuCtiNLG(drive.path("bad.nlg"))) << c.what;
    }
    drive.write("good.nlx", good);
    EXPECT_EQ(0, lib.SuCtiNLG(drive.path("good.nlx")));
    EXPECT_EQ(0, lib.SuCtiNLG(drive.path("missing.nlg")));
    EXPECT_EQ(0, lib.SuCtiNLG(""));
    EXPECT_EQ(before, lib.regionCount());
    drive.write("good.nlg", good);
    EXPECT_NE(0, lib.SuCtiNLG(drive.path("good.nlg")));
}

TEST(NlgFiles, EmptyRegionsAndBadHandlesAreNotWritten)
{
    TempDrive drive;
    Pixolf lib;
    int32_t empty = add(Region());
    EXPECT_EQ(0, lib.SuPisNLG(drive.path("e.nlg"), empty));
    EXPECT_EQ(0, lib.SuPisNLG(drive.path("e.nlg"), 0));
    EXPECT_FALSE(std::filesystem::exists(drive.native("e.nlg")));
    EXPECT_EQ(0, lib.SuPisNLG(drive.path("e.bmp"), add(Region::rect(0, 0, 2, 2))));
}

TEST(NlgFiles, OverwriteQuestionAnsweredNoKeepsTheFile)
{
    TempDrive drive;
    Pixolf lib;
    salon::ScriptedUi ui;
    lib.useUi(&ui);
    drive.write("keep.nlg", "old contents");
    int32_t h = add(Region::rect(0, 0, 5, 5));
    ui.messageAnswers = {salon::MsgAnswer::No};
    EXPECT_EQ(0, lib.SuPisNLG(drive.path("keep.nlg"), h, true));
    EXPECT_EQ("old contents", drive.read("keep.nlg"));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(salon::MsgButtons::YesNo, ui.messages[0].buttons);
    EXPECT_EQ(salon::MsgIcon::Exclamation, ui.messages[0].icon);
    EXPECT_EQ(salon::MsgDefault::Second, ui.messages[0].defaultButton);

    ui.messageAnswers = {salon::MsgAnswer::Yes};
    EXPECT_EQ(1, lib.SuPisNLG(drive.path("keep.nlg"), h, true));
    EXPECT_EQ("PLG3", drive.read("keep.nlg").substr(0, 4));
    EXPECT_EQ(1, lib.SuPisNLG(drive.path("keep.nlg"), h, false));  // without Dotaz nothing is asked
    EXPECT_EQ(2u, ui.messages.size());
    lib.useUi(nullptr);
}

TEST(NlgFiles, AFailedWriteLeavesTheOldFile)
{
    TempDrive drive;
    Pixolf lib;
    // The target's name is taken by a directory with contents: nothing can be renamed over it.
    drive.write("busy.nlg/inside", "x");
    EXPECT_EQ(0, lib.SuPisNLG(drive.path("busy.nlg"), add(Region::rect(0, 0, 2, 2))));
    EXPECT_EQ("x", drive.read("busy.nlg/inside"));
    size_t leftovers = 0;
    for (auto& e : std::filesystem::directory_iterator(drive.root())) leftovers += e.path().filename() != "busy.nlg";
    EXPECT_EQ(0u, leftovers);  // no temporary file left behind
}

// Large blocks were built in chunks of 4000 rectangles on the original platform; the pixel set must
// be the same whichever way it is built, at the chunk boundaries in particular.
TEST(RegionData, LargeRegionsReadBackIdenticallyAtChunkBoundaries)
{
    TempDrive drive;
    Pixolf lib;
    for (int32_t rows : {3999, 4000, 4001, 8000, 8001}) {
        int32_t h = add(staircase(rows));
        ASSERT_EQ(size_t(rows), regionOf(h).rectCount());
        ASSERT_EQ(1, lib.SuPisNLG(drive.path("big.nlg"), h));
        int32_t back = lib.SuCtiNLG(drive.path("big.nlg"));
        ASSERT_NE(0, back) << rows;
        EXPECT_TRUE(regionOf(back) == regionOf(h)) << rows;

        LongArray data;
        const int32_t bytes = lib.RgnNactiData(h, data);
        EXPECT_EQ(32 + 16 * rows, bytes);
        const LongArray copy = data;
        int32_t made = lib.RgnZapisData(data, bytes, 0, 0, 1, 0, 0, 1);
        ASSERT_NE(0, made);
        EXPECT_TRUE(regionOf(made) == regionOf(h)) << rows;
        EXPECT_EQ(copy.values, data.values) << "the caller's data was changed";
        lib.TsRgn(h);
        lib.TsRgn(back);
        lib.TsRgn(made);
    }
}

TEST(RegionData, ChunkedBlocksTakeTheirRectangleCountFromTheSize)
{
    Pixolf lib;
    LongArray data;
    const int32_t bytes = lib.RgnNactiData(add(staircase(5000)), data);
    data(3) = 10;  // the header counts only 10 rectangles
    int32_t whole = lib.RgnZapisData(data, bytes, 0, 0, 1, 0, 0, 1);
    ASSERT_NE(0, whole);
    EXPECT_EQ(5000u, regionOf(whole).rectCount());
    // Below the chunk size the header's count rules.
    const int32_t small = 32 + 16 * 4000;
    int32_t part = lib.RgnZapisData(data, small, 0, 0, 1, 0, 0, 1);
    ASSERT_NE(0, part);
    EXPECT_EQ(10u, regionOf(part).rectCount());
}

TEST(RegionData, EmptyOrUnknownRegionsGiveNoData)
{
    Pixolf lib;
    LongArray data;
    data.redim(1, 5);
    EXPECT_EQ(0, lib.RgnNactiData(add(Region()), data));
    EXPECT_EQ(0, data.lower);
    EXPECT_EQ(1, data.size());
    EXPECT_EQ(0, lib.RgnNactiData(987654, data));
    EXPECT_EQ(0, lib.RgnZapisData(data, 32, 0, 0, 1, 0, 0, 1));  // too short for a header
    LongArray region;
    const int32_t bytes = lib.RgnNactiData(add(Region::rect(0, 0, 4, 2)), region);
    EXPECT_EQ(48, bytes);
    EXPECT_EQ(0, lib.RgnZapisData(region, bytes + 4, 0, 0, 1, 0, 0, 1));  // more bytes than the array has
    int32_t moved = lib.RgnZapisData(region, bytes, 10, 20, 2, 0, 0, 1);
    EXPECT_TRUE(regionOf(moved) == Region::rect(10, 20, 18, 22));
}

TEST(NsgFiles, RoundTripStoresEmptyAndInvalidRegionsAsZeros)
{
    TempDrive drive;
    Pixolf lib;
    LongArray set;
    set.redim(0, 3);
    set(0) = add(Region::rect(0, 0, 10, 10));
    set(1) = add(Region());
    set(2) = 424242;  // names nothing
    set(3) = add(staircase(7));
    ASSERT_EQ(1, lib.SuPisNSG(drive.path("set.nsg"), set, false, 20, 20));
    const std::string file = drive.read("set.nsg");
    EXPECT_EQ("PLG4", file.substr(0, 4));
    EXPECT_EQ(int32_t(file.size()), getLong(file, 4));
    EXPECT_EQ(4, getLong(file, 8));
    const int32_t words0 = 8 + 4, words3 = 8 + 4 * 7;
    EXPECT_EQ(words0 + words3, getLong(file, 12));
    for (int k = 0; k < 4; ++k) {  // first index, word count, byte size of each slot
        const int32_t first = k == 0 ? 1 : k == 3 ? 1 + words0 : 0, words = k == 0 ? words0 : k == 3 ? words3 : 0;
        EXPECT_EQ(first, getLong(file, 24 + 4 * k)) << k;
        EXPECT_EQ(words, getLong(file, 24 + 16 + 4 * k)) << k;
        EXPECT_EQ(4 * words, getLong(file, 24 + 32 + 4 * k)) << k;
    }

    LongArray back;
    ASSERT_EQ(1, lib.SuCtiNSG(drive.path("set.nsg"), back, 40, 10));
    ASSERT_EQ(1, back.lower);
    ASSERT_EQ(4, back.size());
    EXPECT_TRUE(regionOf(back(1)) == Region::rect(0, 0, 20, 5));
    EXPECT_EQ(0, back(2));
    EXPECT_EQ(0, back(3));
    // Half-height rows land on rows rounded half to even: compare with the mapped rectangles.
    Region mapped = Region::fromData(regionOf(set(3)).data(), Region::Transform{2, 0, 0, 0.5f, 0, 0});
    EXPECT_TRUE(regionOf(back(4)) == mapped);
}

TEST(NsgFiles, DamagedSetsCreateNothingAndLeaveTheArray)
{
    TempDrive drive;
    Pixolf lib;
    formats::NsgContents c;
    c.regions = {Region::rect(0, 0, 3, 3).data(), {}, staircase(2).data()};
    const std::string good = bytesOf(formats::encodeNsg(c));
    const int32_t m = 3;
    struct Case {
        const char* what;
        std::function<void(std::string&)> damage;
    } cases[] = {
        {"length field one over", [](std::string& s) { putLong(s, 4, getLong(s, 4) + 1); }},
        {"wrong magic", [](std::string& s) { s[0] = 'X'; }},
        {"T beyond the file", [](std::string& s) { putLong(s, 12, getLong(s, 12) + 1); }},
        {"negative count", [](std::string& s) { putLong(s, 8, -1); }},
        {"huge count", [](std::string& s) { putLong(s, 8, 0x7FFFFFFF); }},
        {"first index beyond T", [m](std::string& s) { putLong(s, 24 + 8, getLong(s, 12)); }},
        {"word count beyond T", [m](std::string& s) { putLong(s, 24 + 4 * m, 1000); }},
        {"bytes not four times the words", [m](std::string& s) { putLong(s, 24 + 8 * m, 44); }},
        {"empty slot with a size", [m](std::string& s) { putLong(s, 24 + 4 * m + 4, 8); }},
    };
    LongArray set;
    set.redim(5, 5);
    set(5) = 77;
    const int32_t before = lib.regionCount();
    for (const Case& cs : cases) {
        std::string bad = good;
        cs.damage(bad);
        drive.write("bad.nsg", bad);
        EXPECT_EQ(0, lib.SuCtiNSG(drive.path("bad.nsg"), set)) << cs.what;
        EXPECT_EQ(5, set.lower);
        EXPECT_EQ(77, set(5));
    }
    EXPECT_EQ(before, lib.regionCount());
    drive.write("good.nsg", good);
    ASSERT_EQ(1, lib.SuCtiNSG(drive.path("good.nsg"), set));
    EXPECT_EQ(3, set.size());
}

TEST(FileExistence, OnlyNormalFilesOfExactlyThatNameExist)
{
    TempDrive drive;
    Pixolf lib;
    drive.write("Pics\\Foto007.BMP", "x");
    drive.write("Pics\\.hidden", "x");
    std::filesystem::create_directories(drive.native("Pics\\sub.bmp"));
    struct Case {
        std::string name;
        int32_t exists;
    } cases[] = {
        {drive.path("Pics\\Foto007.BMP"), 1},
        {drive.path("pics\\foto007.bmp"), 1},
        {drive.path("Pics\\*.bmp"), 0},
        {drive.path("Pics\\Foto00?.bmp"), 0},
        {drive.path("Pics\\sub.bmp"), 0},
        {drive.path("Pics\\"), 0},
        {drive.path("Pics\\.hidden"), 0},
        {drive.path("Pics\\Foto008.bmp"), 0},
        {"Q:\\nodrive\\x.bmp", 0},
        {"", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.exists, lib.FsExist(c.name)) << c.name;
}

TEST(ScratchFile, SyTmpDelRemovesItOnlyWhenSet)
{
    TempDrive drive;
    Pixolf lib;
    drive.write("Stv1.tmp", "x");
    const std::string saved = state().settings.scratchFile;
    state().settings.scratchFile.clear();
    lib.SyTmpDel();
    EXPECT_TRUE(std::filesystem::exists(drive.native("Stv1.tmp")));
    state().settings.scratchFile = drive.native("Stv1.tmp").string();
    lib.SyTmpDel();
    EXPECT_FALSE(std::filesystem::exists(drive.native("Stv1.tmp")));
    lib.SyTmpDel();  // already gone: nothing happens
    state().settings.scratchFile = saved;
}
