// The crop dialog driven the way a view drives it: pointer events on the strips in twips relative to
// the strip, then OK or cancel. The photos are written as real JPEG files and the results read back.
#include "crop/CropObraz.h"
#include "crop/CropTexts.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>

using namespace trimlet;
namespace fs = std::filesystem;

namespace {

// Plays a script on the dialog while it is shown, as a person at the Qt dialog would.
class ScriptedView : public CutPicView {
public:
    explicit ScriptedView(std::function<void(CutPic&)> script, int* shown = nullptr) : m_script(std::move(script)), m_shown(shown) {}
    void runModal(CutPic& dialog) override
    {
        if (m_shown) ++*m_shown;
        if (m_script) m_script(dialog);
    }

private:
    std::function<void(CutPic&)> m_script;
    int* m_shown;
};

// Grabs strip k in its middle and moves the pointer by (dx, dy) pixels in `steps` moves. Every
// position is reported relative to where the strip stands at that moment, in twips.
void dragStripBy(CutPic& d, int k, int32_t dx, int32_t dy, int steps = 4)
{
    const Control& c = d.form().Frame1[k];
    const int32_t grabX = c.Left + c.Width / 2, grabY = c.Top + c.Height / 2;
    d.Frame1_MouseDown(k, LeftButton, 0, float((grabX - c.Left) * 15), float((grabY - c.Top) * 15));
    for (int i = 1; i <= steps; ++i) {
        const int32_t px = grabX + dx * i / steps, py = grabY + dy * i / steps;
        const Control& now = d.form().Frame1[k];
        d.Frame1_MouseMove(k, LeftButton, 0, float((px - now.Left) * 15), float((py - now.Top) * 15));
    }
    const Control& end = d.form().Frame1[k];
    d.Frame1_MouseUp(k, LeftButton, 0, float((grabX + dx - end.Left) * 15), float((grabY + dy - end.Top) * 15));
}

void clickOk(CutPic& d) { d.Command1_Click(0); }
void clickCancel(CutPic& d) { d.Command1_Click(1); }

constexpr uint32_t Red = 0x0000FF, Blue = 0xFF0000, Green = 0x00FF00, White = 0xFFFFFF;

// Bands of colour that show which part of the photo survived: columns below 200 green, 200-499 red,
// 500-899 blue, from 900 green again; rows above 100 white.
salon::Bitmap bandedPhoto(int32_t w, int32_t h)
{
    salon::Bitmap b = salon::Bitmap::rgb24(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            uint32_t c = x < 200 ? Green : x < 500 ? Red : x < 900 ? Blue : Green;
            if (y < 100) c = White;
            b.setPixel(x, y, c);
        }
    return b;
}

// Near a colour, allowing for JPEG and for the averaging of the reduction.
bool near(uint32_t a, uint32_t b)
{
    for (int s = 0; s < 24; s += 8)
        if (std::abs(int((a >> s) & 255) - int((b >> s) & 255)) > 40) return false;
    return true;
}

class CutPicTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("crop-test-" + std::to_string(rd()));
        fs::create_directories(dir);
        salon::DriveTable::current().set('Q', dir);
        setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    std::string writeJpeg(const std::string& name, const salon::Bitmap& b)
    {
        const auto bytes = salon::encodeJpeg(b, 95);
        EXPECT_TRUE(salon::writeFileAtomically(dir / name, bytes).ok());
        return (dir / name).string();
    }

    int32_t run(const std::string& photo, const std::string& target, std::function<void(CutPic&)> script,
                int32_t language = 0)
    {
        CropObraz crop(std::make_unique<ScriptedView>(std::move(script), &shown));
        const int32_t result = crop.HairFoto(photo, target, 0, 0, language);
        written = crop.writtenPath();
        return result;
    }

    fs::path dir;
    int shown = 0;
    std::string written;
};

TEST_F(CutPicTest, OkWithoutDragsWritesTheWholePhotoReducedToFit)
{
    writeJpeg("Photo1.jpg", bandedPhoto(1000, 800));
    // Windows-style paths through the drive table, the file name matched without regard to case.
    const int32_t result = run("Q:\\PHOTO1.JPG", "Q:\\photo-.bmp", clickOk);
    ASSERT_EQ(result, 1);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(written, "Q:\\photo-.bmp");
    auto out = salon::loadPicture(dir / "photo-.bmp");
    ASSERT_TRUE(out.ok()) << out.error();
    EXPECT_EQ(out.value().bitsPerPixel, 24);
    EXPECT_EQ(out.value().width, 354);   // f = min(354 / 1000, 472 / 800) = 0.354
    EXPECT_EQ(out.value().height, 283);  // 800 * 0.354 = 283.2
    EXPECT_TRUE(near(out.value().pixel(20, 100), Green));
    EXPECT_TRUE(near(out.value().pixel(120, 100), Red));
    EXPECT_TRUE(near(out.value().pixel(20, 10), White));
}

TEST_F(CutPicTest, DraggedStripsCutTheSourceAtTheirScale)
{
    const std::string photo = writeJpeg("photo1.jpg", bandedPhoto(1000, 800));
    const std::string target = (dir / "photo-.bmp").string();
    // Scale 0.33: 66 preview pixels are 200 source pixels, 33 are 100.
    const int32_t result = run(photo, target, [](CutPic& d) {
        dragStripBy(d, LeftStrip, 66, 0);
        dragStripBy(d, RightStrip, -33, 5);
        dragStripBy(d, TopStrip, 3, 33);
        EXPECT_EQ(d.strips()[LeftStrip].width, 76);
        EXPECT_EQ(d.strips()[RightStrip], (StripRect{547, 58, 43, 284}));
        EXPECT_EQ(d.strips()[TopStrip].height, 43);
        EXPECT_EQ(d.strips()[BottomStrip].height, 10);
        clickOk(d);
    });
    ASSERT_EQ(result, 1);
    // Source (200, 100) 700 x 700, reduced by 354 / 700.
    auto out = salon::loadPicture(target);
    ASSERT_TRUE(out.ok()) << out.error();
    ASSERT_EQ(out.value().width, 354);
    ASSERT_EQ(out.value().height, 354);
    for (int32_t y : {10, 180, 351}) {
        EXPECT_TRUE(near(out.value().pixel(10, y), Red)) << y;      // the green band is gone
        EXPECT_TRUE(near(out.value().pixel(345, y), Blue)) << y;   // and the right-hand green one
    }
}

TEST_F(CutPicTest, APhotoThatAlreadyFitsIsWrittenAtItsOwnSize)
{
    // Shown at 0.9 (270 x 360), written back at 300 x 400: the preview scale does not leak into the copy.
    const std::string photo = writeJpeg("small1.jpg", bandedPhoto(300, 400));
    ASSERT_EQ(run(photo, (dir / "small-.bmp").string(), [](CutPic& d) {
        EXPECT_EQ(d.form().Picture1.Width, 270);
        clickOk(d);
    }), 1);
    auto out = salon::loadPicture(dir / "small-.bmp");
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.value().width, 300);
    EXPECT_EQ(out.value().height, 400);
}

TEST_F(CutPicTest, CancelWritesNothing)
{
    const std::string photo = writeJpeg("photo1.jpg", bandedPhoto(1000, 800));
    const int32_t result = run(photo, (dir / "photo-.bmp").string(), [](CutPic& d) {
        dragStripBy(d, LeftStrip, 40, 0);
        clickCancel(d);
        EXPECT_FALSE(d.form().Visible);
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(written.empty());
    EXPECT_FALSE(fs::exists(dir / "photo-.bmp"));
}

struct RemainderCase {
    int32_t dx, dy;  // left strip pushed right, top strip pushed down (pixels, scale 1)
    int32_t result, width, height;
};

class CropRemainderTest : public CutPicTest, public testing::WithParamInterface<RemainderCase> {};

TEST_P(CropRemainderTest, LessThanTenPixelsLeftIsAFailureWithoutAFile)
{
    // 330 x 360 is shown at scale 1, so preview pixels are source pixels.
    const RemainderCase c = GetParam();
    const std::string photo = writeJpeg("photo1.jpg", bandedPhoto(330, 360));
    const std::string target = (dir / "photo-.bmp").string();
    const int32_t result = run(photo, target, [&](CutPic& d) {
        if (c.dx) dragStripBy(d, LeftStrip, c.dx, 0, 7);
        if (c.dy) dragStripBy(d, TopStrip, 0, c.dy, 7);
        clickOk(d);
        EXPECT_FALSE(d.form().Visible);
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(fs::exists(target), c.result == 1);
    if (c.result == 1) {
        auto out = salon::loadPicture(target);
        ASSERT_TRUE(out.ok());
        EXPECT_EQ(out.value().width, c.width);
        EXPECT_EQ(out.value().height, c.height);
    }
}

INSTANTIATE_TEST_SUITE_P(Remainders, CropRemainderTest,
                         testing::Values(RemainderCase{320, 0, 1, 10, 360}, RemainderCase{321, 0, 0, 0, 0},
                                         RemainderCase{0, 350, 1, 330, 10}, RemainderCase{0, 351, 0, 0, 0},
                                         RemainderCase{600, 0, 0, 0, 0}));  // past the right edge

TEST_F(CutPicTest, DragCountsOnlyTheLeftButtonOnTheGrabbedStrip)
{
    const std::string photo = writeJpeg("photo1.jpg", bandedPhoto(660, 480));  // scale 0.5
    run(photo, (dir / "x-.bmp").string(), [](CutPic& d) {
        d.Frame1_MouseDown(LeftStrip, RightButton, 0, 75, 75);
        d.Frame1_MouseMove(LeftStrip, RightButton, 0, 375, 75);
        EXPECT_EQ(d.form().Frame1[LeftStrip].Width, 10);  // right button: no drag

        d.Frame1_MouseDown(LeftStrip, LeftButton, 0, 75, 75);
        d.Frame1_MouseMove(TopStrip, LeftButton, 0, 375, 375);  // another strip's event
        d.Frame1_MouseMove(LeftStrip, 0, 0, 375, 75);           // button no longer held
        EXPECT_EQ(d.form().Frame1[LeftStrip].Width, 10);
        d.Frame1_MouseMove(LeftStrip, LeftButton, 0, 375, 75);
        EXPECT_EQ(d.form().Frame1[LeftStrip].Width, 30);
        EXPECT_EQ(d.strips()[LeftStrip].width, 10);  // committed only on release
        EXPECT_GT(d.form().Frame1[LeftStrip].ZOrder, d.form().Frame1[BottomStrip].ZOrder);
        d.Frame1_MouseMove(LeftStrip, LeftButton, 0, 0, 75);  // would be 5: not applied
        EXPECT_EQ(d.form().Frame1[LeftStrip].Width, 30);
        d.Frame1_MouseMove(LeftStrip, LeftButton, 0, 225, 75);
        d.Frame1_MouseUp(LeftStrip, LeftButton, 0, 225, 75);
        EXPECT_EQ(d.strips()[LeftStrip].width, 20);
        EXPECT_FALSE(d.dragging());
        clickCancel(d);
    });
}

TEST_F(CutPicTest, UnreadablePictureGivesAnEmptyPreviewAndOkFails)
{
    fs::path bad = dir / "broken.jpg";
    ASSERT_TRUE(salon::writeFileAtomically(bad, std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3}).ok());
    for (const fs::path& photo : {bad, dir / "missing.jpg"}) {
        const int32_t result = run(photo.string(), (dir / "out-.bmp").string(), [](CutPic& d) {
            EXPECT_EQ(d.form().Picture1.Width, 0);
            EXPECT_EQ(d.form().Picture1.Left, 415);
            EXPECT_TRUE(d.form().Picture1.Image.isNull());
            clickOk(d);
        });
        EXPECT_EQ(result, 0) << photo;
        EXPECT_FALSE(fs::exists(dir / "out-.bmp"));
    }
}

TEST_F(CutPicTest, AFailedLoadDoesNotCutThePreviousPhoto)
{
    const std::string photo = writeJpeg("photo1.jpg", bandedPhoto(660, 480));
    CropObraz crop(std::make_unique<ScriptedView>(clickOk));
    ASSERT_EQ(crop.HairFoto(photo, (dir / "first-.bmp").string(), 0, 0), 1);
    EXPECT_EQ(crop.HairFoto((dir / "gone.jpg").string(), (dir / "second-.bmp").string(), 0, 0), 0);
    EXPECT_FALSE(fs::exists(dir / "second-.bmp"));
    EXPECT_TRUE(crop.writtenPath().empty());
}

TEST_F(CutPicTest, UnwritableTargetFallsBackToTheCacheDirectory)
{
    const std::string photo = writeJpeg("photo1.jpg", bandedPhoto(660, 480));
    // A directory that cannot be written to (a missing one: permission bits do not stop root).
    const std::string target = (dir / "no-such-program-dir" / "photo-.bmp").string();
    ASSERT_EQ(run(photo, target, clickOk), 1);
    const fs::path cached = dir / "cache" / "salon" / "photo-.bmp";
    EXPECT_EQ(written, cached.string());
    auto out = salon::loadPicture(cached);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.value().width, 354);
    EXPECT_EQ(out.value().height, 257);  // 480 * 0.53636 = 257.45
    // The editor's own resolver finds the reported path.
    EXPECT_EQ(salon::nativePath(written), cached);
}

TEST(CropObrazWithoutView, CannotAskAnyoneAndReportsFailure)
{
    CropObraz crop(nullptr);
    EXPECT_EQ(crop.HairFoto("/nonexistent/a.jpg", "/nonexistent/a-.bmp", 0, 0, 0), 0);
    EXPECT_FALSE(crop.dialog().form().Visible);
}

struct LanguageCase {
    int32_t offset;
    const char* ok;
    const char* cancel;
    const char* titleStart;
    float fontSize;
    bool bold;
    size_t helpLines;
};

class CropLanguageTest : public testing::TestWithParam<LanguageCase> {};

TEST_P(CropLanguageTest, CaptionsAndHelpFontFollowTheLanguage)
{
    const LanguageCase c = GetParam();
    CropObraz crop(std::make_unique<ScriptedView>([&](CutPic& d) {
        const CutPicForm& f = d.form();
        EXPECT_EQ(f.Command1[0].Caption, c.ok);
        EXPECT_EQ(f.Command1[1].Caption, c.cancel);
        EXPECT_EQ(f.Caption.rfind(c.titleStart, 0), 0u) << f.Caption;
        EXPECT_EQ(f.Label1.FontSize, c.fontSize);
        EXPECT_EQ(f.Label1.FontBold, c.bold);
        EXPECT_EQ(size_t(std::count(f.Label1.Caption.begin(), f.Label1.Caption.end(), '\n')) + 1, c.helpLines);
        EXPECT_NE(f.Label1.Caption.back(), '\n');
        clickCancel(d);
    }));
    EXPECT_EQ(crop.HairFoto("/nonexistent/a.jpg", "/nonexistent/a-.bmp", 0, 0, c.offset), 0);
}

INSTANTIATE_TEST_SUITE_P(
    FiveLanguages, CropLanguageTest,
    testing::Values(LanguageCase{0, "OK", "Storno", "   ÚPRAVA ROZMĚRŮ", 9.0f, true, 19},
                    LanguageCase{20, "OK", "Storno", " ÚPRAVA ROZMEROV", 9.0f, true, 19},
                    LanguageCase{40, "OK", "Rückgängig", "  Anpassung", 8.0f, false, 20},
                    LanguageCase{60, "OK", "Cancel", " CHANGE OF", 9.0f, true, 19},
                    LanguageCase{80, " OK ", " Cancelar ", " Cambio del", 9.0f, true, 18}));

} // namespace
