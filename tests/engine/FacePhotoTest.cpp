#include "EngineFixture.h"

#include "editor/shell/texts/Texts.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace salon;
using namespace salon::test;

namespace {

// Writes a reduced copy (or nothing) and remembers what it was asked.
struct FakeCropper : PhotoCropper {
    int calls = 0;
    std::string from, to;
    int32_t language = -1;
    std::optional<Bitmap> reduced;
    std::string redirectTo;  // native path the copy goes to instead of Jme2, as the cache fallback does
    std::string written;
    std::string writtenPath() const override { return written; }
    int32_t HairFoto(const std::string& Jme1, const std::string& Jme2, int32_t, int32_t, int32_t TJaz) override
    {
        ++calls;
        from = Jme1;
        to = Jme2;
        language = TJaz;
        if (!reduced) return 0;
        written = redirectTo.empty() ? Jme2 : redirectTo;
        writeBytes(*nativePath(written), encodeBmp(*reduced));
        return 1;
    }
};

class Photo : public TempDir {
protected:
    ScriptedUi ui;
    Engine engine{ui};
    FakeCropper cropper;
    void SetUp() override
    {
        TempDir::SetUp();
        engine.ProgramDir = (dir / "").string();
    }
};

} // namespace

TEST_F(Photo, PhotosUpTo360By480AreTakenAsTheyAre)
{
    engine.cropper = &cropper;
    engine.PhotoFile = writePhoto("p.bmp", makePhoto(360, 480));
    ASSERT_TRUE(engine.LoadPhoto(true));
    EXPECT_EQ(0, cropper.calls);
    EXPECT_EQ(360, engine.PhotoW);
    EXPECT_EQ(480, engine.PhotoH);
    EXPECT_EQ(engine.Surfaces[1].image(), engine.Surfaces[7].image());
}

TEST_F(Photo, OversizedPhotosGoToTheCropComponent)
{
    struct Case {
        int32_t w, h;
        int text;
    } cases[] = {{361, 200, 168}, {200, 481, 169}, {400, 500, 168}};
    for (const Case& c : cases) {
        // Without a reduced copy the photo is refused with the text for its first excess.
        ScriptedUi u;
        Engine e(u);
        FakeCropper none;
        e.cropper = &none;
        e.PhotoFile = writePhoto("big.bmp", makePhoto(c.w, c.h));
        EXPECT_FALSE(e.LoadPhoto(true));
        EXPECT_EQ(1, none.calls);
        ASSERT_EQ(1u, u.messages.size());
        EXPECT_EQ(ResText(c.text), u.messages[0].text);
        EXPECT_EQ(MsgIcon::Exclamation, u.messages[0].icon);
        EXPECT_EQ(file("big.bmp"), e.PhotoFile);  // the refused photo names nothing new
        EXPECT_EQ(20, e.Surfaces[1].width());
    }
    // With one, the reduced copy is loaded instead.
    cropper.reduced = makePhoto(300, 400);
    engine.cropper = &cropper;
    const std::string original = writePhoto("photo1.bmp", makePhoto(361, 200));
    engine.PhotoFile = original;
    ASSERT_TRUE(engine.LoadPhoto(true));
    EXPECT_EQ(300, engine.PhotoW);
    EXPECT_EQ(400, engine.PhotoH);
    EXPECT_EQ(original, cropper.from);
    EXPECT_EQ(engine.ProgramDir + "photo-.bmp", cropper.to);
    EXPECT_EQ(0, cropper.language);
    // From now on the working photo is the reduced copy: reloading it (as a model change does,
    // twice) never asks for a crop again.
    EXPECT_EQ(cropper.to, engine.PhotoFile);
    ASSERT_TRUE(engine.LoadPhoto(true));
    ASSERT_TRUE(engine.LoadPhoto(true));
    EXPECT_EQ(1, cropper.calls);
    EXPECT_EQ(300, engine.PhotoW);
}

TEST_F(Photo, AFailedOpenKeepsThePhotoItsPlacementAndItsHistory)
{
    engine.PhotoFile = writePhoto("face.bmp", makePhoto(40, 30));
    ASSERT_TRUE(engine.LoadPhoto(true));
    engine.FaceLoaded = true;
    engine.UndoStep(1);
    engine.ScaleX = 1.5f;
    engine.FaceX = 12;
    const Bitmap working = engine.Surfaces[1].readRows();
    const int32_t historyBefore = engine.HistoryCount;

    const std::string notAPicture = file("notes.jpg");
    std::ofstream(notAPicture) << "shopping list";
    for (const std::string& wrong : {notAPicture, file("missing.jpg")}) {
        ui.fileAnswers.push_back(FileDialogAnswer{{wrong}, 1});
        EXPECT_FALSE(engine.LoadPhoto(false)) << wrong;
        EXPECT_EQ(file("face.bmp"), engine.PhotoFile);
        EXPECT_TRUE(engine.FaceLoaded);
        EXPECT_EQ(1.5f, engine.ScaleX);
        EXPECT_EQ(12, engine.FaceX);
        EXPECT_EQ(historyBefore, engine.HistoryCount);
        EXPECT_EQ(working, engine.Surfaces[1].readRows());
        EXPECT_EQ(40, engine.Surfaces[7].width());
    }
}

TEST_F(Photo, WithoutACropComponentOversizedPhotosAreRefused)
{
    engine.PhotoFile = writePhoto("big.bmp", makePhoto(361, 200));
    EXPECT_FALSE(engine.LoadPhoto(true));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(ResText(168), ui.messages[0].text);
}

TEST_F(Photo, AReducedCopyThatIsStillTooLargeIsRefused)
{
    cropper.reduced = makePhoto(500, 100);
    engine.cropper = &cropper;
    engine.PhotoFile = writePhoto("big.bmp", makePhoto(600, 100));
    EXPECT_FALSE(engine.LoadPhoto(true));
    EXPECT_EQ(ResText(168), ui.messages.at(0).text);
}

TEST_F(Photo, CroppedNameDropsTheExtensionAndTheLastLetter)
{
    engine.cropper = &cropper;
    engine.ProgramDir = "C:\\salon\\";
    struct Case {
        std::string path, target;
    } cases[] = {
        {"D:\\photos\\photo1.jpg", "C:\\salon\\photo-.bmp"},
        {"/home/u/face.bmp", "C:\\salon\\fac-.bmp"},
        {"D:\\x\\a.jpg", "C:\\salon\\-.bmp"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ("", engine.CroppedPhotoName(c.path));  // the fake writes nothing
        EXPECT_EQ(c.target, cropper.to) << c.path;
    }
    engine.cropper = nullptr;
    EXPECT_EQ("", engine.CroppedPhotoName("D:\\photos\\photo1.jpg"));
}

TEST_F(Photo, PhotoLoadResetsTheTransformsButNotTheRedoEntry)
{
    engine.PhotoFile = writePhoto("p.bmp", makePhoto(40, 50));
    engine.ScaleX = 2;
    engine.FaceX = 9;
    engine.Angle = 30;
    engine.LineAngle = 4;
    engine.HistoryCount = 3;
    engine.History[0] = {1, 1, 2, 2, 0, 0, 0, 0};
    engine.RedoEntry = {1, 1, 5, 5, 0, 0, 0, 0};
    engine.RetouchUndoAvailable = true;
    ASSERT_TRUE(engine.LoadPhoto(true));
    EXPECT_EQ(1.0f, engine.ScaleX);
    EXPECT_EQ(0, engine.FaceX);
    EXPECT_EQ(0.0f, engine.Angle);
    EXPECT_EQ(0.0f, engine.LineAngle);
    EXPECT_EQ(0, engine.HistoryCount);
    EXPECT_EQ(HistoryEntry{}, engine.History[0]);
    EXPECT_EQ(5.0f, engine.RedoEntry[2]);
    EXPECT_FALSE(engine.RetouchUndoAvailable);
    EXPECT_FALSE(engine.FaceLoaded);  // a reload does not set it
}

TEST_F(Photo, ChoosingAPhotoAsksWithThePictureFilters)
{
    const std::string path = writePhoto("chosen.bmp", makePhoto(40, 50));
    ui.fileAnswers.push_back(FileDialogAnswer{{path}, 1});
    ASSERT_TRUE(engine.LoadPhoto(false));
    ASSERT_EQ(1u, ui.fileRequests.size());
    EXPECT_EQ(ResText(601) + ResText(607), ui.fileRequests[0].filter);
    EXPECT_TRUE(engine.FaceLoaded);
    EXPECT_EQ(40, engine.PhotoW);

    EXPECT_FALSE(engine.LoadPhoto(false));  // cancelled: nothing changes
    EXPECT_EQ(40, engine.PhotoW);
    EXPECT_EQ(40, engine.Surfaces[7].width());
}

TEST_F(Photo, BmpAndJpegPhotosAreTakenOtherPicturesNot)
{
    const Bitmap photo = makePhoto(48, 36);
    writeBytes(dir / "p.jpg", encodeJpeg(photo, 95));
    engine.PhotoFile = file("p.jpg");
    ASSERT_TRUE(engine.LoadPhoto(true));
    EXPECT_EQ(48, engine.PhotoW);
    EXPECT_EQ(36, engine.PhotoH);
    engine.PhotoFile = writePhoto("p.bmp", photo);
    ASSERT_TRUE(engine.LoadPhoto(true));
    EXPECT_EQ(photo, engine.Surfaces[7].image());
    // A GIF is a picture, but not one the photo dialog offers.
    const uint8_t gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255,
                           0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, 0x3B};
    const std::vector<uint8_t> gifBytes(std::begin(gif), std::end(gif));
    ASSERT_TRUE(decodeGif(gifBytes).ok());
    writeBytes(dir / "p.gif", gifBytes);
    engine.PhotoFile = file("p.gif");
    EXPECT_FALSE(engine.LoadPhoto(true));
}

TEST_F(Photo, FilesThatAreNotPicturesAreRefused)
{
    writeBytes(dir / "notes.bmp", {'h', 'e', 'l', 'l', 'o'});
    engine.PhotoFile = file("notes.bmp");
    EXPECT_FALSE(engine.LoadPhoto(true));
    EXPECT_EQ(1u, ui.messages.size());
    engine.PhotoFile = file("missing.bmp");
    EXPECT_FALSE(engine.LoadPhoto(true));
    EXPECT_EQ(ResText(513), ui.messages.at(1).text);
}

TEST_F(Photo, AReducedCopyWrittenElsewhereIsLoadedFromWhereItWent)
{
    engine.cropper = &cropper;
    cropper.reduced = makePhoto(300, 400);
    cropper.redirectTo = (dir / "cache-copy.bmp").string();
    engine.PhotoFile = writePhoto("big.bmp", makePhoto(700, 500));
    ASSERT_TRUE(engine.LoadPhoto(true));
    EXPECT_EQ(300, engine.PhotoW);
    EXPECT_EQ(400, engine.PhotoH);
    EXPECT_FALSE(std::filesystem::exists(dir / "bi-.bmp"));
}
