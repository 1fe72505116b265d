// Building a model from sources: what the masks, colours and polygons come out as, that both
// model readers see the same model, and that bad sources are refused with a reason.
#include "library/formats/ModelFile.h"
#include "platform/Numbers.h"
#include "platform/Region.h"
#include "tools/authoring/ModelAuthoring.h"

#include <gtest/gtest.h>

#include <random>

namespace salon::tools {
namespace {

Bitmap filled(int32_t w, int32_t h, uint8_t r, uint8_t g, uint8_t b)
{
    Bitmap bmp = Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            bmp.row(y)[3 * x] = b;
            bmp.row(y)[3 * x + 1] = g;
            bmp.row(y)[3 * x + 2] = r;
        }
    return bmp;
}

dsl::PolygonSet rectangle(int32_t l, int32_t t, int32_t r, int32_t b)
{
    return dsl::PolygonSet{{4}, {{l, t}, {r, t}, {r, b}, {l, b}}};
}

// A 60 x 80 model: picture 1 brown hair over a skin base, hair opaque in the top 20 rows and a
// half-covered fringe row band over the cut-out's top.
ModelSources sampleSources()
{
    ModelSources s;
    s.picture = filled(60, 80, 90, 60, 40);
    s.base = filled(60, 80, 200, 160, 140);
    s.hairMatte = GreyImage{60, 80, std::vector<uint8_t>(60 * 80, 0)};
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 60; ++x) s.hairMatte.values[size_t(y) * 60 + x] = 255;
    for (int32_t y = 20; y < 26; ++y)
        for (int32_t x = 10; x < 50; ++x) s.hairMatte.values[size_t(y) * 60 + x] = 100;
    s.cutout = rectangle(10, 20, 50, 70);
    s.feather = 4;
    s.name = "Sample";
    return s;
}

TEST(ModelAuthoring, BothReadersSeeTheSameModelAsBuilt)
{
    auto built = buildModel(sampleSources());
    ASSERT_TRUE(built) << built.error();
    const dsl::Model& model = built.value();

    auto editorFile = dsl::serialize(model, dsl::EditorMagic);
    auto libraryFile = dsl::serialize(model, dsl::LibraryMagic);
    auto editor = dsl::parse(editorFile, dsl::EditorMagic, false);
    auto library = dsl::parse(libraryFile, dsl::LibraryMagic, true);
    ASSERT_TRUE(editor) << editor.error();
    ASSERT_TRUE(library) << library.error();
    for (const dsl::Model* read : {&editor.value(), &library.value()}) {
        EXPECT_EQ(read->picture1, model.picture1);
        EXPECT_EQ(read->picture2, model.picture2);
        EXPECT_EQ(read->mask1, model.mask1);
        EXPECT_EQ(read->mask2, model.mask2);
        EXPECT_EQ(read->mask3, model.mask3);
        EXPECT_EQ(read->set1, model.set1);
        EXPECT_EQ(read->set2, model.set2);
        EXPECT_EQ(read->width, 60);
        EXPECT_EQ(read->height, 80);
        EXPECT_EQ(read->skinColour, model.skinColour);
        EXPECT_EQ(read->hairColour, model.hairColour);
        EXPECT_EQ(read->name, "Sample");
    }
    // The two magics do not stand in for each other.
    EXPECT_FALSE(dsl::parse(editorFile, dsl::LibraryMagic, true));
    EXPECT_FALSE(dsl::parse(libraryFile, dsl::EditorMagic, false));
}

TEST(ModelAuthoring, PicturesKeepTheModelFileRowLayout)
{
    ModelSources s = sampleSources();
    s.picture = filled(101, 80, 1, 2, 3);  // 101 wide: rows of 304 bytes
    s.base = Bitmap();
    s.hairMatte.width = 101;
    s.hairMatte.values.assign(101 * 80, 255);
    auto built = buildModel(s);
    ASSERT_TRUE(built) << built.error();
    EXPECT_EQ(built.value().picture1.size(), size_t(304 * 80));
    EXPECT_EQ(built.value().picture2, built.value().picture1);  // no base: picture 2 is picture 1
    EXPECT_EQ(built.value().bitmapHeader[1], 101);
    EXPECT_EQ(built.value().bitmapHeader[2], -80);  // rows top-down
}

TEST(ModelAuthoring, MaskOneFadesInsideTheCutOutAndNeverLeavesIt)
{
    auto built = buildModel(sampleSources());
    ASSERT_TRUE(built);
    const dsl::Mask& m1 = built.value().mask1;
    EXPECT_EQ(m1.x, 10);
    EXPECT_EQ(m1.y, 20);
    EXPECT_EQ(m1.width, 40);
    EXPECT_EQ(m1.height, 50);
    // Full strength deep inside; towards the outline a smoothstep of the Euclidean distance to the
    // nearest pixel outside, over the 4-pixel feather: d = 1, 2, 3, 4 give 11, 81, 174, 244.
    EXPECT_EQ(m1.at(30, 45), 255);
    const uint8_t ramp[] = {11, 81, 174, 244, 255};
    for (int32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(m1.at(10 + i, 45), ramp[i]) << "left edge " << i;
        EXPECT_EQ(m1.at(49 - i, 45), ramp[i]) << "right edge " << i;
        EXPECT_EQ(m1.at(30, 20 + i), ramp[i]) << "top edge " << i;
    }
    // Near a corner the nearest outside pixel is straight across, not diagonal.
    EXPECT_EQ(m1.at(11, 21), 81);
    EXPECT_EQ(m1.at(13, 22), 174);
}

TEST(ModelAuthoring, MasksTwoAndThreeFollowTheHairMatte)
{
    auto built = buildModel(sampleSources());
    ASSERT_TRUE(built);
    const dsl::Model& m = built.value();
    EXPECT_EQ(m.mask2.x, 0);
    EXPECT_EQ(m.mask2.y, 0);
    EXPECT_EQ(m.mask2.width, 60);
    EXPECT_EQ(m.mask2.height, 26);  // the matte's extent, not the picture's
    EXPECT_EQ(m.mask3.width, m.mask2.width);
    EXPECT_EQ(m.mask3.height, m.mask2.height);
    EXPECT_EQ(m.mask2.at(5, 5), 255);
    EXPECT_EQ(m.mask2.at(20, 22), 100);
    EXPECT_EQ(m.mask2.at(5, 22), 0);
    // Recolouring strength: full on body hair, doubled coverage on thin hair.
    EXPECT_EQ(m.mask3.at(5, 5), 255);
    EXPECT_EQ(m.mask3.at(20, 22), 200);
}

TEST(ModelAuthoring, ColoursAreMeasuredWhereTheEditorUsesThemUnlessGiven)
{
    auto measured = buildModel(sampleSources());
    ASSERT_TRUE(measured);
    // Skin from picture 2 under mask 1 (the fringe rows excluded), hair from opaque hair.
    EXPECT_EQ(uint32_t(measured.value().skinColour), packRgb(200, 160, 140));
    EXPECT_EQ(uint32_t(measured.value().hairColour), packRgb(90, 60, 40));

    ModelSources s = sampleSources();
    s.skinColour = packRgb(1, 2, 3);
    s.hairColour = packRgb(4, 5, 6);
    s.faceAngle = -12.5;
    s.rangeFlag = true;
    s.rangeLow = 60;
    s.rangeHigh = 150;
    auto given = buildModel(s);
    ASSERT_TRUE(given);
    EXPECT_EQ(uint32_t(given.value().skinColour), packRgb(1, 2, 3));
    EXPECT_EQ(uint32_t(given.value().hairColour), packRgb(4, 5, 6));
    EXPECT_EQ(given.value().faceAngle, -1250);
    EXPECT_EQ(given.value().rangeFlag, 1);
    EXPECT_EQ(given.value().rangeLow, 60);
    EXPECT_EQ(given.value().rangeHigh, 150);
}

TEST(ModelAuthoring, DefaultFaceMaskIsTheFrameAroundTheCutOut)
{
    auto built = buildModel(sampleSources());
    ASSERT_TRUE(built);
    const dsl::PolygonSet& set2 = built.value().set2;
    ASSERT_EQ(set2.counts, (std::vector<int32_t>{4, 4}));  // two polygons: the editor draws it
    auto inside = fillEvenOdd(set2, 60, 80);
    EXPECT_EQ(inside[5 * 60 + 5], 1);     // outside the cut-out: blanked
    EXPECT_EQ(inside[45 * 60 + 30], 0);   // the face shows through
}

TEST(ModelAuthoring, SingleFaceMaskPolygonIsKeptWithAWarning)
{
    ModelSources s = sampleSources();
    s.faceMask = rectangle(0, 0, 60, 20);
    std::vector<std::string> warnings;
    auto built = buildModel(s, &warnings);
    ASSERT_TRUE(built);
    EXPECT_EQ(built.value().set2, *s.faceMask);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("single polygon"), std::string::npos);
}

TEST(ModelAuthoring, HairOutlineStandsInForAMatte)
{
    ModelSources s = sampleSources();
    s.hairMatte = GreyImage();
    s.hairOutline = rectangle(0, 0, 60, 24);
    auto built = buildModel(s);
    ASSERT_TRUE(built) << built.error();
    EXPECT_EQ(built.value().mask2.at(30, 10), 255);
    EXPECT_EQ(built.value().mask2.height, 24);
}

struct BadCase {
    const char* what;
    void (*spoil)(ModelSources&);
    const char* message;  // a phrase the error must contain
};

class BadSources : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadSources, AreRefusedWithTheReason)
{
    ModelSources s = sampleSources();
    GetParam().spoil(s);
    auto built = buildModel(s);
    ASSERT_FALSE(built) << GetParam().what;
    EXPECT_NE(built.error().find(GetParam().message), std::string::npos) << built.error();
}

INSTANTIATE_TEST_SUITE_P(
    ModelAuthoring, BadSources,
    ::testing::Values(
        BadCase{"two-point polygon", [](ModelSources& s) { s.cutout = dsl::PolygonSet{{2}, {{10, 20}, {50, 70}}}; },
                "has 2 point(s); a polygon needs at least 3"},
        BadCase{"point beyond the picture", [](ModelSources& s) { s.cutout = rectangle(10, 20, 61, 70); },
                "point (61, 20) of polygon 1 lies outside the 60 x 80 picture"},
        BadCase{"negative point", [](ModelSources& s) { s.faceMask = rectangle(-1, 0, 60, 80); },
                "face-mask outline: point (-1, 0)"},
        BadCase{"counts not adding up", [](ModelSources& s) { s.cutout.counts = {3}; }, "do not add up"},
        BadCase{"base of another size", [](ModelSources& s) { s.base = filled(61, 80, 0, 0, 0); },
                "the base picture is 61 x 80"},
        BadCase{"matte of another size", [](ModelSources& s) { s.hairMatte.height = 79; s.hairMatte.values.resize(60 * 79); },
                "the hair matte is 60 x 79"},
        BadCase{"no hair at all", [](ModelSources& s) { s.hairMatte = GreyImage(); }, "the hair is not given"},
        BadCase{"empty matte", [](ModelSources& s) { std::fill(s.hairMatte.values.begin(), s.hairMatte.values.end(), 0); },
                "covers no pixel"},
        BadCase{"too small a picture", [](ModelSources& s) { s.picture = filled(29, 80, 0, 0, 0); s.base = Bitmap(); s.hairMatte.width = 29; s.hairMatte.values.assign(29 * 80, 255); s.cutout = rectangle(5, 20, 25, 70); },
                "at least 30 x 30"},
        BadCase{"feather too wide", [](ModelSources& s) { s.feather = 65; }, "feather width 65"},
        BadCase{"cut-out lost in its feather", [](ModelSources& s) { s.cutout = rectangle(10, 20, 13, 23); s.feather = 30; },
                "no pixel that keeps a mask value of 8"},
        BadCase{"range upside down", [](ModelSources& s) { s.rangeFlag = true; s.rangeLow = 150; s.rangeHigh = 60; },
                "colour range 150 to 60"},
        BadCase{"polygon beyond one fill batch", [](ModelSources& s) {
                    s.cutout.counts = {12000};
                    s.cutout.points.assign(12000, {20, 30});
                    s.cutout.points[1] = {40, 30};
                    s.cutout.points[2] = {40, 60};
                }, "at most 11999"}));

// The masks are cut where the engine's own region says the cut-out is: compare the scan
// conversion with the platform's exact one on random polygons.
TEST(ModelAuthoring, CutOutPixelsAgreeWithTheEditorsRegion)
{
    std::mt19937 rng(20261207);
    std::uniform_int_distribution<int32_t> coord(0, 48);
    for (int round = 0; round < 200; ++round) {
        dsl::PolygonSet set;
        std::vector<Point> points;
        int polygons = 1 + round % 3;
        for (int k = 0; k < polygons; ++k) {
            int n = 3 + int(rng() % 6);
            set.counts.push_back(n);
            for (int i = 0; i < n; ++i) {
                int32_t x = coord(rng), y = coord(rng);
                set.points.push_back({x, y});
                points.push_back({x, y});
            }
        }
        Region region = Region::polygons(points, set.counts, FillRule::EvenOdd);
        auto inside = fillEvenOdd(set, 48, 48);
        for (int32_t y = 0; y < 48; ++y)
            for (int32_t x = 0; x < 48; ++x)
                ASSERT_EQ(inside[size_t(y) * 48 + x] != 0, region.contains(x, y))
                    << "round " << round << " pixel " << x << "," << y;
    }
}

TEST(OutlineJson, ListsOfPolygonsAndBarePolygonsBothRead)
{
    auto set = polygonsFromJson(parseJson("[[[0,0],[10,0],[0,10]], [[1,1],[2,1],[1,2],[2,2]]]").value());
    ASSERT_TRUE(set);
    EXPECT_EQ(set.value().counts, (std::vector<int32_t>{3, 4}));
    auto bare = polygonsFromJson(parseJson("[[5,6],[7,8],[9,10]]").value());
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare.value().counts, (std::vector<int32_t>{3}));
    EXPECT_EQ(bare.value().points[2], (std::array<int32_t, 2>{9, 10}));
    auto object = polygonsFromJson(parseJson(R"({"polygons": [[[0,0],[4,0],[0,4]]]})").value());
    EXPECT_TRUE(object);
}

TEST(OutlineJson, MalformedTextAndShapesAreExplained)
{
    struct Case { const char* text; const char* message; };
    for (const Case& c : {Case{"[[0,0],[1,0],", "line 1, column 14"},
                          Case{"[[0,0]\n,[1 0]]", "line 2, column 5: expected ',' or ']'"},
                          Case{"\"text\"", "expected a non-empty list of polygons"},
                          Case{"[[[0,0],[1.5,0],[0,1]]]", "whole-pixel coordinates"},
                          Case{"[[[0,0],[1],[0,1]]]", "point 2 of polygon 1 is not an [x, y] pair"}}) {
        auto json = parseJson(c.text);
        std::string error = json ? polygonsFromJson(json.value()).error() : json.error();
        EXPECT_NE(error.find(c.message), std::string::npos) << c.text << " -> " << error;
    }
    // Nesting deep enough to exhaust a naive reader's stack is refused, not followed.
    EXPECT_FALSE(parseJson(std::string(100000, '[')));
}

TEST(ColourText, HexAndTripletsReadAsPackedColours)
{
    EXPECT_EQ(parseColour("#ff8000"), packRgb(255, 128, 0));
    EXPECT_EQ(parseColour("12,34,56"), packRgb(12, 34, 56));
    for (const char* bad : {"#ff80", "256,0,0", "1,2", "1,2,3,", "red"}) EXPECT_FALSE(parseColour(bad)) << bad;
}

} // namespace
} // namespace salon::tools
