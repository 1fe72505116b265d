// The demo data drive the build makes: what the editor finds on it, and that the sample face
// goes into every model through the engine.
#include "editor/engine/vision/FaceFinder.h"
#include "editor/sheet/ContactSheet.h"
#include "library/formats/FileBytes.h"
#include "library/formats/ModelFile.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace salon {
namespace {

namespace fs = std::filesystem;

const fs::path Drive = fs::path(SALON_BINARY_DIR) / "drive";

class DemoDrive : public ::testing::Test {
protected:
    void SetUp() override
    {
        DriveTable::current() = DriveTable::parse("D=" + Drive.string());
        auto read = readCatalogue('D');
        ASSERT_TRUE(read) << read.error();
        categories = read.value();
    }
    std::vector<CatalogueCategory> categories;
};

TEST_F(DemoDrive, HasTwoCategoriesOfAtLeastFiveModels)
{
    ASSERT_EQ(categories.size(), 2u);
    for (const CatalogueCategory& c : categories) {
        EXPECT_GE(c.count, 5) << c.name;
        EXPECT_FALSE(c.name.empty());
        for (int32_t item = 1; item <= c.count; ++item)
            EXPECT_TRUE(FileExists(catalogueModelPath('D', c, item))) << catalogueModelPath('D', c, item);
    }
}

TEST_F(DemoDrive, EveryModelIsAnEditorModelWithAllItsParts)
{
    for (const CatalogueCategory& c : categories)
        for (int32_t item = 1; item <= c.count; ++item) {
            const std::string path = catalogueModelPath('D', c, item);
            auto bytes = dsl::readWholeFile(*nativePath(path));
            ASSERT_TRUE(bytes) << path;
            auto model = dsl::parse(*bytes, dsl::EditorMagic, false);
            ASSERT_TRUE(model) << path << ": " << model.error();
            const dsl::Model& m = model.value();
            EXPECT_GE(m.width, 400) << path;
            EXPECT_GE(m.height, 400) << path;
            EXPECT_NE(m.picture1, m.picture2) << path << ": picture 2 should be the skin under the hair";
            EXPECT_GT(m.mask1.width * m.mask1.height, 0) << path;
            EXPECT_GT(m.mask2.width * m.mask2.height, 0) << path;
            EXPECT_GE(m.set2.counts.size(), 2u) << path << ": a face mask the editor draws";
            EXPECT_NE(m.skinColour, 0) << path;
            EXPECT_NE(m.hairColour, 0) << path;
            EXPECT_FALSE(m.name.empty()) << path;
        }
}

TEST_F(DemoDrive, SamplePhotosOneThatFitsAndOneForTheCropStep)
{
    auto face = loadPicture(Drive / "photos" / "face.jpg");
    auto portrait = loadPicture(Drive / "photos" / "portrait.jpg");
    ASSERT_TRUE(face) << face.error();
    ASSERT_TRUE(portrait) << portrait.error();
    EXPECT_LE(face.value().width, 360);
    EXPECT_LE(face.value().height, 480);
    EXPECT_TRUE(portrait.value().width > 360 || portrait.value().height > 480);
}

// The face lands in the cut-out: the result differs from the bare model there, and far from the
// face (the picture's corners) the model is untouched.
TEST_F(DemoDrive, TheSampleFaceGoesIntoEveryModel)
{
    auto photo = preparePhoto(Drive / "photos" / "face.jpg", nullptr, fs::temp_directory_path());
    ASSERT_TRUE(photo) << photo.error();
    for (const CatalogueCategory& c : categories)
        for (int32_t item = 1; item <= c.count; ++item) {
            const std::string path = catalogueModelPath('D', c, item);
            auto withFace = renderFaceIntoModel(path, photo.value(), true);
            auto bare = renderFaceIntoModel(path, photo.value(), false);
            ASSERT_TRUE(withFace) << withFace.error();
            ASSERT_TRUE(bare) << bare.error();
            const Bitmap& a = withFace.value();
            const Bitmap& b = bare.value();
            ASSERT_EQ(a.width, b.width);
            ASSERT_EQ(a.height, b.height);
            EXPECT_EQ(a.pixel(2, 2), b.pixel(2, 2)) << path;
            EXPECT_EQ(a.pixel(a.width - 3, a.height - 3), b.pixel(b.width - 3, b.height - 3)) << path;
            int changed = 0;
            for (int32_t y = a.height * 2 / 5; y < a.height / 2; ++y)
                for (int32_t x = a.width * 2 / 5; x < a.width * 3 / 5; ++x) changed += a.pixel(x, y) != b.pixel(x, y);
            EXPECT_GT(changed, 0) << path << ": no face in the cut-out";
        }
}

// The hair masks cover the hair, not only its edge over the face: a red swatch turns the body of
// the hair red in every model of the recolourable category.
TEST_F(DemoDrive, ARedSwatchReddensAllOfTheHair)
{
    auto photo = preparePhoto(Drive / "photos" / "face.jpg", nullptr, fs::temp_directory_path());
    ASSERT_TRUE(photo) << photo.error();
    const CatalogueCategory& c = categories.at(0);
    for (int32_t item = 1; item <= c.count; ++item) {
        const std::string path = catalogueModelPath('D', c, item);
        auto model = dsl::parse(*dsl::readWholeFile(*nativePath(path)), dsl::EditorMagic, false);
        ASSERT_TRUE(model);
        const dsl::Mask& hair = model.value().mask2;
        auto own = renderFaceIntoModel(path, photo.value(), true);
        auto red = renderFaceIntoModel(path, photo.value(), true, 24);  // 64, 15, 13
        ASSERT_TRUE(own && red) << path;
        double ownR = 0, ownG = 0, redR = 0, redG = 0;
        int n = 0;
        for (int32_t y = hair.y; y < hair.y + hair.height; ++y)
            for (int32_t x = hair.x; x < hair.x + hair.width; ++x) {
                if (hair.at(x, y) != 255 || model.value().mask1.contains(x, y)) continue;
                uint32_t a = own.value().pixel(x, y), b = red.value().pixel(x, y);
                ownR += redOf(a); ownG += greenOf(a); redR += redOf(b); redG += greenOf(b);
                ++n;
            }
        ASSERT_GT(n, 2000) << path << ": too little opaque hair outside the face";
        EXPECT_GT(redR / redG, 1.5 * (ownR / ownG)) << path;
    }
}

TEST(DemoPhoto, OversizedPhotosAreReducedWithTheirFaceBox)
{
    const fs::path photo = Drive / "photos" / "portrait.jpg";
    FaceBox box{180, 77, 92, 101};
    auto prepared = preparePhoto(photo, &box, fs::temp_directory_path() / ("salon-sheet-test-" + std::to_string(::getpid())));
    ASSERT_TRUE(prepared) << prepared.error();
    auto reduced = loadPicture(prepared.value().path);
    ASSERT_TRUE(reduced);
    EXPECT_EQ(reduced.value().width, 360);  // 512 x 512 fits 360 x 360
    EXPECT_EQ(reduced.value().height, 360);
    EXPECT_EQ(prepared.value().face.x, 126);  // 180 * 360 / 512
    EXPECT_EQ(prepared.value().face.h, 71);
    fs::remove_all(fs::temp_directory_path() / ("salon-sheet-test-" + std::to_string(::getpid())));
}

// A photo without a .box beside it is placed by the face detector, not by the guess of the middle
// of the photo; a face box given or lying beside it still places it as before.
TEST(DemoPhoto, APhotoWithoutABoxIsPlacedByTheDetector)
{
    if (!FaceFinder().ready()) GTEST_SKIP() << "no cascades installed";
    const fs::path dir = fs::temp_directory_path() / ("salon-sheet-detect-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::copy_file(Drive / "photos" / "face.jpg", dir / "face.jpg");
    auto bare = preparePhoto(dir / "face.jpg", nullptr, dir);
    ASSERT_TRUE(bare) << bare.error();
    EXPECT_TRUE(bare.value().detect);
    auto boxed = preparePhoto(Drive / "photos" / "face.jpg", nullptr, dir);
    ASSERT_TRUE(boxed);
    EXPECT_FALSE(boxed.value().detect);
    FaceBox given{105, 96, 115, 126};
    EXPECT_FALSE(preparePhoto(dir / "face.jpg", &given, dir).value().detect);

    const auto models = readCatalogue('D');
    ASSERT_TRUE(models);
    const std::string model = catalogueModelPath('D', models.value().front(), 1);
    PreparedPhoto guessed = bare.value();
    guessed.detect = false;
    auto detected = renderFaceIntoModel(model, bare.value());
    auto middle = renderFaceIntoModel(model, guessed);
    ASSERT_TRUE(detected && middle);
    EXPECT_NE(detected.value(), middle.value());
    fs::remove_all(dir);
}

} // namespace
} // namespace salon

namespace salon {
namespace {

int sheet(std::vector<std::string> args)
{
    args.insert(args.begin(), "frizet01");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    return runContactSheet(int(args.size()), argv.data());
}

TEST(ContactSheetCommand, WritesOneSheetOfTheWholeDriveAndRefusesBadRequests)
{
    DriveTable::current() = DriveTable::parse("D=" + Drive.string());
    const fs::path out = fs::temp_directory_path() / ("salon-contact-sheet-" + std::to_string(::getpid()) + ".png");
    fs::remove(out);
    const std::string photo = (Drive / "photos" / "face.jpg").string();
    ASSERT_EQ(sheet({"--contact-sheet", "all", "--photo", photo, "--out", out.string()}), 0);
    auto bytes = dsl::readWholeFile(out);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(sniffPicture(*bytes), PictureKind::Png);

    EXPECT_EQ(sheet({"--contact-sheet", "7", "--photo", photo, "--out", out.string()}), 2);  // no such category
    EXPECT_EQ(sheet({"--contact-sheet", "0", "--out", out.string()}), 2);                    // no photo
    EXPECT_EQ(sheet({"--contact-sheet", "0", "--photo", photo, "--out", out.string(), "--swatch", "49"}), 2);
    EXPECT_EQ(sheet({"--contact-sheet", "0", "--photo", "/nonexistent.jpg", "--out", out.string()}), 1);
    fs::remove(out);
}

} // namespace
} // namespace salon
