// The face finder on the demo photos and on pictures without a face, and what a missing cascade
// does.
#include "SyntheticPortraits.h"
#include "editor/engine/AutoPlacement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace salon {
namespace {

Bitmap demoPhoto(const std::string& name)
{
    auto p = loadPicture(std::string(SALON_SOURCE_DIR) + "/data/photos/" + name);
    return p ? p.value().toRgb24() : Bitmap{};
}

class Finder : public ::testing::Test {
protected:
    FaceFinder finder;
    void SetUp() override
    {
        if (!finder.ready()) GTEST_SKIP() << "no cascades installed";
    }
};

// The calibration holds on both demo photos: the face found and mapped is their .box.
TEST_F(Finder, TheDemoPhotosFaceIsTheirBox)
{
    for (const char* name : {"face", "portrait"}) {
        const std::string base = std::string(SALON_SOURCE_DIR) + "/data/photos/" + name;
        const auto box = readFaceBox(base + ".jpg");
        ASSERT_TRUE(box) << name;
        const FoundFace found = finder.find(demoPhoto(std::string(name) + ".jpg"));
        ASSERT_EQ(FindStatus::Found, found.status) << name;
        ASSERT_TRUE(found.eyesFound) << name;
        EXPECT_LT(found.leftEye.x, found.rightEye.x);
        const FaceGuess g = faceFromFinding(found);
        const float w = float(box->width());
        EXPECT_NEAR(float(box->left + box->right) / 2.0f, g.centre.x, 0.02f * w) << name;
        EXPECT_NEAR(float(box->top + box->bottom) / 2.0f, g.centre.y, 0.02f * w) << name;
        EXPECT_NEAR(w, g.side, 0.03f * w) << name;
        EXPECT_NEAR(demoCalibration().uprightRoll, g.roll, 1.0f) << name;

        // The square alone, as for a face whose eyes are hidden, still comes near the box.
        const FaceGuess sq = faceFromSquare(found.centre, found.side, found.roll);
        EXPECT_NEAR(w, sq.side, 0.08f * w) << name;
    }
}

TEST_F(Finder, AFaceTurnedBeyondTheCascadesReachIsFoundInATurnedFrame)
{
    const auto demo = testing::loadDemoPortrait();
    std::mt19937 rng(5);
    int tried = 0;
    for (int i = 0; i < 200 && tried < 2; ++i) {
        testing::Portrait p = testing::makePortrait(demo, rng);
        if (std::abs(p.truth.turn) < 17.0f) continue;
        ++tried;
        const FoundFace found = finder.find(p.photo);
        ASSERT_EQ(FindStatus::Found, found.status) << p.truth.turn;
        EXPECT_TRUE(found.eyesFound);
        EXPECT_NEAR(p.truth.turn + testing::portraitEyeLine(), found.roll, 2.0f);
    }
    EXPECT_EQ(2, tried);
}

TEST_F(Finder, FlatAndTinyPicturesHaveNoFace)
{
    Bitmap grey = Bitmap::rgb24(360, 480);
    std::fill(grey.pixels.begin(), grey.pixels.end(), uint8_t(128));
    EXPECT_EQ(FindStatus::NoFace, finder.find(grey).status);
    EXPECT_EQ(FindStatus::UnusablePicture, finder.find(Bitmap::rgb24(10, 10)).status);
    EXPECT_EQ(FindStatus::UnusablePicture, finder.find(Bitmap{}).status);
    // An 8-bit picture is taken like any other.
    Bitmap indexed = Bitmap::indexed(100, 100, 8, std::vector<uint32_t>(256, 0));
    EXPECT_EQ(FindStatus::NoFace, finder.find(indexed).status);
}

TEST_F(Finder, EyesInAKnownBoxGiveItsTurn)
{
    const auto box = readFaceBox(std::string(SALON_SOURCE_DIR) + "/data/photos/face.jpg");
    ASSERT_TRUE(box);
    const auto [centre, side] = squareOfFace(faceFromBox(*box, 0.0f));
    const FoundFace f = finder.eyesIn(demoPhoto("face.jpg"), centre, side);
    EXPECT_EQ(FindStatus::Found, f.status);
    EXPECT_EQ(centre.x, f.centre.x);
    EXPECT_TRUE(f.eyesFound);
    EXPECT_NEAR(demoCalibration().uprightRoll, f.roll, 1.0f);
}

TEST(FinderFiles, AMissingOrBrokenCascadeIsReportedNotFound)
{
    const FaceFinder none("/nonexistent-cascades");
    EXPECT_FALSE(none.ready());
    EXPECT_EQ("/nonexistent-cascades/haarcascade_frontalface_default.xml", none.missingFile());
    EXPECT_EQ(FindStatus::DetectorMissing, none.find(Bitmap::rgb24(100, 100)).status);

    const auto dir = std::filesystem::temp_directory_path() / ("salon-cascades-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "haarcascade_frontalface_default.xml") << "<opencv_storage>broken";
    std::ofstream(dir / "haarcascade_eye.xml") << "";
    const FaceFinder broken(dir.string());
    EXPECT_FALSE(broken.ready());
    EXPECT_EQ(FindStatus::DetectorMissing, broken.find(Bitmap::rgb24(100, 100)).status);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace salon
