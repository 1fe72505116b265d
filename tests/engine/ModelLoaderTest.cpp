#include "EngineFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <random>
#include <vector>

using namespace salon;
using namespace salon::test;

namespace {

class Loading : public TempDir {
protected:
    ScriptedUi ui;
    Engine engine{ui};
};

} // namespace

TEST_F(Loading, ModelGoesOntoTheSurfacesWithItsRegionsAndCentre)
{
    dsl::Model m = makeModel(64, 80, {10, 20, 31, 61});
    m.faceAngle = -250;
    m.rangeFlag = 1;
    m.rangeLow = 60;
    m.rangeHigh = 150;
    engine.ModelFile = writeModel("m.dsl", m);
    ASSERT_TRUE(engine.LoadModel());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(engine.ModelLoaded);
    EXPECT_EQ(64, engine.ModelW);
    EXPECT_EQ(80, engine.ModelH);
    EXPECT_EQ(-2.5f, engine.ModelAngle);
    EXPECT_EQ(packRgb(200, 150, 120), engine.SkinColour);
    EXPECT_EQ(150, engine.RangeHigh);
    // Centre of the box 10..31 x 20..61: 20.5 -> 20 (ties to even), 40.5 -> 40.
    EXPECT_EQ(20, engine.CutCentreX);
    EXPECT_EQ(40, engine.CutCentreY);
    ASSERT_TRUE(engine.CutRgn && engine.OutRgn);
    EXPECT_TRUE(engine.CutRgn->contains(10, 20));
    EXPECT_FALSE(engine.OutRgn->contains(10, 20));
    EXPECT_TRUE(engine.OutRgn->contains(0, 0));
    // Surfaces: model picture, composite = model picture, face mask white with set 2 in black.
    for (int i : {2, 3, 5, 6, 9}) {
        EXPECT_EQ(64, engine.Surfaces[size_t(i)].width()) << i;
        EXPECT_EQ(80, engine.Surfaces[size_t(i)].height()) << i;
    }
    EXPECT_EQ(packRgb(200, 7, 5), engine.Surfaces[2].image().pixel(5, 7));
    EXPECT_EQ(engine.Surfaces[2].image(), engine.Surfaces[5].image());
    EXPECT_EQ(0u, engine.Surfaces[9].image().pixel(1, 1));
    EXPECT_EQ(0xFFFFFFu, engine.Surfaces[9].image().pixel(30, 30));
    EXPECT_TRUE(engine.Model1Buffer.Valid);
    EXPECT_EQ(m.picture2, engine.Model2Buffer.Data);
}

TEST_F(Loading, MissingOrForeignModelFilesGiveTheReadersMessages)
{
    struct Case {
        std::string path;
        const char* message;
    } cases[] = {
        {file("nothing.dsl"), "Soubor neexistuje"},
        {writeModel("lib.dsl", makeModel(40, 40, {0, 0, 20, 20}), dsl::LibraryMagic), "Nejedná se o správný typ souboru"},
    };
    for (const Case& c : cases) {
        ScriptedUi u;
        Engine e(u);
        e.ModelFile = c.path;
        EXPECT_FALSE(e.LoadModel());
        ASSERT_EQ(1u, u.messages.size());
        EXPECT_EQ(c.message, u.messages[0].text);
        EXPECT_EQ(MsgButtons::Ok, u.messages[0].buttons);
        EXPECT_FALSE(e.ModelLoaded);
    }
}

// A model whose own numbers contradict each other is refused like a foreign file, and the model
// in memory stays; one that is merely unusual loads.
TEST_F(Loading, ModelsThatContradictThemselvesAreRefusedUnusualOnesLoad)
{
    engine.ModelFile = writeModel("good.dsl", makeModel(50, 60, {5, 5, 25, 25}));
    ASSERT_TRUE(engine.LoadModel());
    const Region cut = *engine.CutRgn;

    const struct {
        const char* what;
        void (*change)(dsl::Model&);
        bool loads;
    } cases[] = {
        {"set 1 counts 5 of 4 points", [](dsl::Model& m) { m.set1.counts = {5}; }, false},
        {"set 2 counts 3 of 8 points", [](dsl::Model& m) { m.set2.counts = {3}; }, false},
        {"mask 1 ends beyond the last column", [](dsl::Model& m) { m.mask1.x = INT32_MAX - 3; }, false},
        {"mask 2 ends beyond the last row", [](dsl::Model& m) { m.mask2.y = INT32_MAX - 1; }, false},
        {"the cut-out lies right of the picture",
         [](dsl::Model& m) { m.set1 = {{4}, {{70, 5}, {90, 5}, {90, 25}, {70, 25}}}; }, false},
        {"no cut-out at all", [](dsl::Model& m) { m.set1 = {}; }, false},
        {"no face-mask outline", [](dsl::Model& m) { m.set2 = {}; }, true},
        {"masks beside the picture", [](dsl::Model& m) { m.mask1.x = -300, m.mask2.y = 900; }, true},
        {"a cut-out reaching far past the edges",
         [](dsl::Model& m) { m.set1 = {{4}, {{-90000, 5}, {INT32_MAX, 5}, {INT32_MAX, 25}, {-90000, 25}}}; }, true},
    };
    for (const auto& c : cases) {
        dsl::Model m = makeModel(40, 40, {0, 0, 20, 20});
        c.change(m);
        ui.messages.clear();
        engine.ModelFile = writeModel("case.dsl", m);
        EXPECT_EQ(c.loads, engine.LoadModel()) << c.what;
        if (c.loads) {
            EXPECT_EQ(40, engine.ModelW) << c.what;
            EXPECT_TRUE(ui.messages.empty()) << c.what;
            engine.ModelFile = file("good.dsl");
            ASSERT_TRUE(engine.LoadModel());
            continue;
        }
        ASSERT_EQ(1u, ui.messages.size()) << c.what;
        EXPECT_EQ("Nejedná se o správný typ souboru", ui.messages[0].text);
        EXPECT_EQ(50, engine.ModelW) << c.what;
        EXPECT_EQ(cut, *engine.CutRgn) << c.what;
    }
}

TEST_F(Loading, AFailedLoadKeepsThePreviousModelWhole)
{
    engine.ModelFile = writeModel("good.dsl", makeModel(50, 60, {5, 5, 25, 25}));
    ASSERT_TRUE(engine.LoadModel());
    const Bitmap composite = engine.Surfaces[5].image();
    const auto mask1 = engine.Mask1;
    const Region cut = *engine.CutRgn;

    auto bytes = dsl::serialize(makeModel(90, 90, {0, 0, 80, 80}), dsl::EditorMagic);
    bytes.resize(bytes.size() / 2);  // cut off in the middle of picture 2
    writeBytes(dir / "cut.dsl", bytes);
    engine.ModelFile = file("cut.dsl");
    EXPECT_FALSE(engine.LoadModel());
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ("Nejedná se o správný typ souboru", ui.messages[0].text);
    EXPECT_EQ(50, engine.ModelW);
    EXPECT_EQ(50, engine.Model1Buffer.Width);
    EXPECT_EQ(mask1, engine.Mask1);
    EXPECT_EQ(cut, *engine.CutRgn);
    EXPECT_EQ(composite, engine.Surfaces[5].image());
    EXPECT_TRUE(engine.ModelLoaded);
}

// The composite keeps its old size until FitViews; the outside region of a larger model must
// still reach the model's own right and bottom edges.
TEST_F(Loading, OutsideRegionCoversALargerModelEntirely)
{
    ASSERT_EQ(512, engine.Surfaces[5].width());
    engine.ModelFile = writeModel("big.dsl", makeModel(600, 620, {100, 100, 200, 200}));
    ASSERT_TRUE(engine.LoadModel());
    ASSERT_TRUE(engine.OutRgn);
    EXPECT_TRUE(engine.OutRgn->contains(599, 619));
    EXPECT_TRUE(engine.OutRgn->contains(550, 10));
    EXPECT_FALSE(engine.OutRgn->contains(150, 150));

    // With a face set in, the model shows beyond 512 x 560 as well.
    engine.PhotoFile = writePhoto("p.bmp", makePhoto(300, 400));
    engine.FaceLoaded = true;
    engine.EditMode = 2;
    ASSERT_TRUE(engine.LoadPhoto(true));
    engine.ScaleX = engine.ScaleY = 2.0f;
    engine.ComposeResult();
    EXPECT_EQ(engine.Surfaces[2].image().pixel(590, 600), engine.Surfaces[5].image().pixel(590, 600));

    // A model that fits gets the region over the composite's size, as before.
    engine.ModelFile = writeModel("small.dsl", makeModel(100, 100, {10, 10, 20, 20}));
    ASSERT_TRUE(engine.LoadModel());
    EXPECT_EQ((Rect{0, 0, 600, 620}), engine.OutRgn->bounds());
}

TEST_F(Loading, FitViewsKeepsTheModelsAspectInTheFrame)
{
    struct Case {
        int32_t w, h, viewW, viewH;
        float scale;
    } cases[] = {{400, 500, 240, 300, 0.6f}, {500, 400, 300, 240, 0.6f}, {300, 300, 300, 300, 1.0f}, {301, 300, 300, 299, 300.0f / 301.0f}};
    engine.FrameW = engine.FrameH = 300;
    engine.ResultViewLeft = 410;
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(c.scale, engine.FitViews(c.w, c.h)) << c.w << "x" << c.h;
        EXPECT_EQ(c.viewW, engine.ViewW);
        EXPECT_EQ(c.viewH, engine.ViewH);
        EXPECT_EQ(c.viewW, engine.Surfaces[0].width());
        EXPECT_EQ(c.viewH, engine.Surfaces[4].height());
        EXPECT_EQ(c.w, engine.Surfaces[5].width());
        EXPECT_EQ(c.h, engine.Surfaces[6].height());
        EXPECT_EQ((300 - c.viewW) / 2 + 5, engine.FaceViewX);
        EXPECT_EQ((300 - c.viewW) / 2 + 410, engine.ResultViewX);
    }
}

TEST_F(Loading, ModelChosenWithAPhotoSetsTheFaceIn)
{
    engine.ModelFile = writeModel("m.dsl", makeModel(60, 60, {10, 10, 40, 50}));
    engine.PhotoFile = writePhoto("p.bmp", makePhoto(40, 50));
    ASSERT_TRUE(engine.ModelChosen());
    EXPECT_EQ(1, engine.EditMode);  // no photo yet
    ASSERT_TRUE(engine.LoadPhoto(true));
    engine.FaceLoaded = true;
    ASSERT_TRUE(engine.ModelChosen());
    EXPECT_EQ(2, engine.EditMode);
    // The face went in while the mode was still 1; the caller rebuilds the result in mode 2.
    EXPECT_EQ(packRgb(200, 20, 20), engine.Surfaces[5].image().pixel(20, 20));
    engine.ComposeResult();
    EXPECT_EQ(packRgb(77, 20, 20), engine.Surfaces[5].image().pixel(20, 20));
    EXPECT_EQ(engine.Model1Buffer.Data, engine.BaseBuffer.Data);
    EXPECT_EQ(engine.Model2Buffer.Data, engine.FaceBuffer.Data);
}

// Outlines far outside the picture are data like any other: they load, quickly, and clip.
TEST_F(Loading, OutlinesFarOutsideThePictureStillLoad)
{
    dsl::Model m = makeModel(40, 40, {0, 0, 20, 20});
    const int32_t far = 2000000000;
    m.set1 = {{4, 3}, {{-far, -far}, {far, -far}, {far, far}, {-far, far}, {5, 5}, {far, 7}, {6, far}}};
    m.set2 = {{3, 2}, {{0, 0}, {far, far}, {0, far}, {3, 3}, {far, 3}}};
    engine.ModelFile = writeModel("far.dsl", m);
    ASSERT_TRUE(engine.LoadModel());
    ASSERT_TRUE(engine.OutRgn);
    EXPECT_TRUE(engine.CutRgn->contains(0, 0));
    EXPECT_FALSE(engine.CutRgn->contains(30, 30));  // inside both polygons: even-odd leaves it out
    EXPECT_TRUE(engine.OutRgn->contains(30, 30));
}

// A hostile cut-out: one polygon of 200,000 points anywhere in the 32-bit plane. Its edges span
// every row of the reach the editor scans; loading and composing must still take moments, not the
// minutes of a scan that walks every edge on every row. The outlines drawn on the face mask are as
// wild and must not cost more than the mask they are drawn on.
TEST_F(Loading, AWildCutOutOfTwoHundredThousandPointsRendersQuickly)
{
    dsl::Model m = makeModel(120, 130, {30, 30, 90, 100});
    std::mt19937 rng(2026);
    std::vector<std::array<int32_t, 2>> points(200000);
    for (auto& p : points) p = {int32_t(rng()), int32_t(rng())};
    m.set1 = {{int32_t(points.size())}, points};
    m.set2 = {{100000, 100000}, points};  // the outlines drawn on the face mask, as wild
    engine.ModelFile = writeModel("wild.dsl", m);
    engine.PhotoFile = writePhoto("p.bmp", makePhoto(60, 70));
    ASSERT_TRUE(engine.LoadPhoto(true));
    engine.FaceLoaded = true;

    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(engine.ModelChosen());
    engine.ComposeResult();
    engine.MaskFaceLayer();
    engine.ShowFaceViewAndResult();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 20.0);
    // The regions still tile the model: what is not cut out is outside.
    ASSERT_TRUE(engine.OutRgn);
    const Region model = Region::rect(0, 0, 120, 130);
    const Region cut = engine.CutRgn ? engine.CutRgn->intersected(model) : Region();
    EXPECT_EQ(cut.united(*engine.OutRgn).intersected(model), model);
    EXPECT_TRUE(cut.intersected(*engine.OutRgn).isEmpty());
}

// The face mask's outlines as a scribble of 100,000 points over the model itself: every segment
// crosses the mask, and the pen once listed each of its dots, some 15 million, in memory.
TEST_F(Loading, AScribbledMaskOutlineLoadsInMoments)
{
    dsl::Model m = makeModel(200, 220, {50, 50, 150, 170});
    std::mt19937 rng(7);
    std::vector<std::array<int32_t, 2>> points(100000);
    for (auto& p : points) p = {int32_t(rng() % 200), int32_t(rng() % 220)};
    m.set2 = {{50000, 50000}, points};
    engine.ModelFile = writeModel("scatter.dsl", m);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(engine.LoadModel());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 60.0);  // generous for the sanitizer build
}
