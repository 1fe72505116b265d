// The automatic placement: its arithmetic against the editor's own rendering, the .box files,
// and the engine command's one undo step and its refusals.
#include "EngineFixture.h"
#include "editor/engine/AutoPlacement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace salon {
namespace {

using test::makeModel;
using test::TempDir;

constexpr Rect Cut{60, 50, 140, 150};

TEST(AutoPlacementMaths, TheFaceBoxMeetsTheCutOutAndTheEyeLineTheModelsAngle)
{
    const FaceCalibration& cal = demoCalibration();
    FaceGuess face{{150.0f, 170.0f}, 100.0f, cal.uprightRoll};
    FacePlacement p = placeFace(face, 300, Cut, 0.0f);
    EXPECT_FLOAT_EQ(0.8f, p.scale);
    EXPECT_FLOAT_EQ(0.0f, p.angle);
    // Unturned: centre 150 * 0.8 = 120 must land on 100, 170 * 0.8 = 136 on 100.
    EXPECT_EQ(-20, p.faceX);
    EXPECT_EQ(-36, p.faceY);

    // A face leaning 12 degrees clockwise is turned back by 12, and on by the model's own angle.
    face.roll = cal.uprightRoll + 12.0f;
    EXPECT_NEAR(-12.0f, placeFace(face, 300, Cut, 0.0f).angle, 1e-4);
    EXPECT_NEAR(-17.0f, placeFace(face, 300, Cut, 5.0f).angle, 1e-4);
    // Angles stay within -180..180 whatever the eye line (an upside-down photo).
    face.roll = cal.uprightRoll + 185.0f;
    EXPECT_NEAR(175.0f, placeFace(face, 300, Cut, 0.0f).angle, 1e-3);

    for (float roll : {-20.0f, -3.0f, 0.2f, 17.0f}) {
        face.roll = cal.uprightRoll + roll;
        p = placeFace(face, 300, Cut, 0.0f);
        const PointF at = photoToModel(face.centre, 300, p);
        EXPECT_NEAR(100.0f, at.x, 0.5f) << roll;
        EXPECT_NEAR(100.0f, at.y, 0.5f) << roll;
    }
}

TEST(AutoPlacementMaths, EyesAndDetectorSquaresGiveTheBoxTheyWereMeasuredFrom)
{
    // A face of box width 100 centred at (200, 150), turned 10 degrees: where the calibration puts
    // its eyes and its square, and back.
    const FaceCalibration& cal = demoCalibration();
    const float roll = 10.0f, r = roll * 3.14159265f / 180.0f, c = std::cos(r), s = std::sin(r);
    auto at = [&](float across, float down) {
        return PointF{200.0f + 100.0f * (c * across - s * down), 150.0f + 100.0f * (s * across + c * down)};
    };
    const float half = cal.eyeSpanPerSide / 2.0f;
    const FaceGuess fromEyes =
        faceFromEyes(at(cal.eyeMidAcross - half, cal.eyeMidDown), at(cal.eyeMidAcross + half, cal.eyeMidDown));
    EXPECT_NEAR(200.0f, fromEyes.centre.x, 0.01f);
    EXPECT_NEAR(150.0f, fromEyes.centre.y, 0.01f);
    EXPECT_NEAR(100.0f, fromEyes.side, 0.01f);
    EXPECT_NEAR(roll, fromEyes.roll, 0.01f);

    const FaceGuess fromSquare = faceFromSquare(at(cal.squareAcross, cal.squareDown), 100.0f * cal.squarePerSide, roll);
    EXPECT_NEAR(200.0f, fromSquare.centre.x, 0.01f);
    EXPECT_NEAR(150.0f, fromSquare.centre.y, 0.01f);
    EXPECT_NEAR(100.0f, fromSquare.side, 0.01f);
}

class FaceBoxFile : public TempDir {};

TEST_F(FaceBoxFile, OnlyAWholeBoxWithASizeCounts)
{
    EXPECT_FALSE(readFaceBox(file("none.jpg")));
    std::ofstream(file("good.box")) << "105 96 115 126\n";
    EXPECT_EQ((Rect{105, 96, 220, 222}), readFaceBox(file("good.jpg")));
    std::ofstream(file("short.box")) << "105 96 115";
    EXPECT_FALSE(readFaceBox(file("short.jpg")));
    std::ofstream(file("flat.box")) << "105 96 0 126";
    EXPECT_FALSE(readFaceBox(file("flat.jpg")));
    std::ofstream(file("word.box")) << "left 96 115 126";
    EXPECT_FALSE(readFaceBox(file("word.jpg")));
}

// A photo with one white dot on black, set into a model by a placement: the editor's own
// rotation, scale and offset must bring the dot where photoToModel says.
class PlacedDot : public TempDir {
protected:
    ScriptedUi ui;
    Engine engine{ui};

    PointF renderedDot(PointF dot, const FacePlacement& p)
    {
        engine.ModelFile = writeModel("m.dsl", makeModel(300, 320, {0, 0, 300, 320}));
        EXPECT_TRUE(engine.LoadModel());
        Bitmap photo = Bitmap::rgb24(120, 160);
        for (int dy = 0; dy < 3; ++dy)
            for (int dx = 0; dx < 3; ++dx) photo.setPixel(int32_t(dot.x) - 1 + dx, int32_t(dot.y) - 1 + dy, 0xFFFFFF);
        engine.PhotoFile = writePhoto("p.bmp", photo);
        EXPECT_TRUE(engine.LoadPhoto(true));
        engine.FaceLoaded = true;
        engine.EditMode = 2;
        engine.ScaleX = engine.ScaleY = p.scale;
        engine.FaceX = p.faceX;
        engine.FaceY = p.faceY;
        engine.Angle = p.angle;
        engine.RenderFace(true);
        engine.ComposeResult();
        // The centre of the lit pixels of the face layer.
        const Bitmap& layer = engine.Surfaces[FaceLayer].image();
        double sx = 0, sy = 0, n = 0;
        for (int32_t y = 0; y < layer.height; ++y)
            for (int32_t x = 0; x < layer.width; ++x)
                if (const double v = double(layer.pixel(x, y) & 0xFF); v > 0) {
                    sx += v * (x + 0.5), sy += v * (y + 0.5), n += v;
                }
        return n > 0 ? PointF{float(sx / n), float(sy / n)} : PointF{-1, -1};
    }
};

TEST_F(PlacedDot, TheEditorsTurnScaleAndOffsetAreThoseThePlacementSolvesFor)
{
    const PointF dot{70.5f, 40.5f};  // pixel 70, 40 and its neighbours: centre 70.5, 40.5
    for (const FacePlacement& p : {FacePlacement{1.0f, 10, 20, 0.0f}, FacePlacement{1.5f, 30, -10, 15.0f},
                                   FacePlacement{0.8f, 60, 40, -18.0f}}) {
        const PointF want = photoToModel(dot, 120, p);
        const PointF got = renderedDot(dot, p);
        EXPECT_NEAR(want.x, got.x, 1.0f) << p.angle;
        EXPECT_NEAR(want.y, got.y, 1.0f) << p.angle;
    }
}

class AutoPlaceCommand : public TempDir {
protected:
    ScriptedUi ui;
    Engine engine{ui};

    void load(const Bitmap& photo, const char* box = nullptr)
    {
        engine.ModelFile = writeModel("m.dsl", makeModel(300, 320, Cut));
        ASSERT_TRUE(engine.LoadModel());
        engine.PhotoFile = writePhoto("p.bmp", photo);
        if (box) std::ofstream(file("p.box")) << box;
        ASSERT_TRUE(engine.LoadPhoto(true));
        engine.FaceLoaded = true;
        engine.EditMode = 10;
    }
};

TEST_F(AutoPlaceCommand, ABoxBesideThePhotoPlacesItInOneStepThatUndoes)
{
    load(test::makePhoto(200, 240), "50 60 80 90");
    engine.CascadeDir = file("no-cascades");  // the box alone must do
    engine.FaceX = 7;
    engine.Mirror = 1;
    engine.DeformH = 2;
    const FaceState before = engine.State();

    const AutoPlaceResult r = engine.AutoPlace();
    ASSERT_EQ(PlaceOutcome::Placed, r.outcome);
    EXPECT_TRUE(r.fromBox);
    EXPECT_EQ((Rect{50, 60, 130, 150}), r.face);
    EXPECT_FLOAT_EQ(1.0f, engine.ScaleX);  // box 80 wide, cut-out 80 wide
    EXPECT_FLOAT_EQ(0.0f, engine.Angle);
    EXPECT_EQ(100 - 90, engine.FaceX);
    EXPECT_EQ(100 - 105, engine.FaceY);
    EXPECT_EQ(0, engine.Mirror);
    EXPECT_EQ(0, engine.DeformH);
    EXPECT_EQ(1, engine.HistoryCount);

    engine.UndoStep(1);
    EXPECT_EQ(before.FaceX, engine.FaceX);
    EXPECT_EQ(before.Mirror, engine.Mirror);
    EXPECT_EQ(before.DeformH, engine.DeformH);
    EXPECT_EQ(0, engine.HistoryCount);
}

TEST_F(AutoPlaceCommand, ABoxReachingBeyondThePhotoIsNotItsBox)
{
    load(test::makePhoto(200, 240), "150 60 80 90");  // 150 + 80 > 200
    engine.CascadeDir = file("no-cascades");
    const AutoPlaceResult r = engine.AutoPlace();
    EXPECT_FALSE(r.fromBox);
    EXPECT_EQ(PlaceOutcome::DetectorMissing, r.outcome);
    EXPECT_EQ(0, engine.HistoryCount);
}

TEST_F(AutoPlaceCommand, NoFaceOrNoDetectorLeavesEverythingAsItWas)
{
    load(test::makePhoto(200, 240));
    engine.FaceX = 7;
    const FaceState before = engine.State();
    const Bitmap composite = engine.Surfaces[Composite].image();

    engine.CascadeDir = file("no-cascades");
    AutoPlaceResult r = engine.AutoPlace();
    EXPECT_EQ(PlaceOutcome::DetectorMissing, r.outcome);
    EXPECT_NE(std::string::npos, r.missingFile.find("no-cascades"));
    EXPECT_EQ(before.FaceX, engine.FaceX);
    EXPECT_EQ(0, engine.HistoryCount);

    engine.CascadeDir.clear();
    if (!FaceFinder().ready()) GTEST_SKIP() << "no cascades installed";
    r = engine.AutoPlace();  // a colour ramp has no face
    EXPECT_EQ(PlaceOutcome::NoFace, r.outcome);
    EXPECT_EQ(before.FaceX, engine.FaceX);
    EXPECT_EQ(before.ScaleX, engine.ScaleX);
    EXPECT_EQ(0, engine.HistoryCount);
    EXPECT_EQ(composite, engine.Surfaces[Composite].image());
}

TEST_F(AutoPlaceCommand, WithoutAModelOrAPhotoNothingHappens)
{
    EXPECT_EQ(PlaceOutcome::NoPhoto, engine.AutoPlace().outcome);
    EXPECT_EQ(0, engine.HistoryCount);
}

} // namespace
} // namespace salon
