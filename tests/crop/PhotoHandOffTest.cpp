// The editor's oversized-photo path through the real engine and the crop component: the engine names
// the reduced copy, the component writes it, the engine loads it in place of the photo.
#include "crop/CropComponent.h"
#include "crop/CropObraz.h"
#include "editor/engine/Engine.h"
#include "editor/shell/texts/Texts.h"
#include "platform/PictureFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace trimlet;
namespace fs = std::filesystem;

namespace {

enum class Answer { Ok, Cancel, TrimLeft };

class AnsweringView : public CutPicView {
public:
    explicit AnsweringView(Answer a) : m_answer(a) {}
    void runModal(CutPic& d) override
    {
        if (m_answer == Answer::TrimLeft) {
            // Push the left strip in by 100 preview pixels.
            d.Frame1_MouseDown(LeftStrip, LeftButton, 0, 75, 1500);
            d.Frame1_MouseMove(LeftStrip, LeftButton, 0, 75 + 1500, 1500);
            d.Frame1_MouseUp(LeftStrip, LeftButton, 0, 75 + 1500, 1500);
        }
        d.Command1_Click(m_answer == Answer::Cancel ? 1 : 0);
    }

private:
    Answer m_answer;
};

struct HandOffCase {
    const char* name;
    int32_t w, h;
    Answer answer;
    bool loaded;
    int32_t photoW, photoH;
    int32_t refusalText;  // 0: no message
};

class PhotoHandOffTest : public testing::TestWithParam<HandOffCase> {
protected:
    void SetUp() override
    {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("crop-handoff-" + std::to_string(rd()));
        fs::create_directories(dir / "program");
    }
    void TearDown() override
    {
        setCutPicViewFactory(nullptr);
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    fs::path dir;
};

TEST_P(PhotoHandOffTest, OversizedPhotosGoThroughTheCropDialog)
{
    const HandOffCase c = GetParam();
    const Answer answer = c.answer;
    setCutPicViewFactory([answer] { return std::make_unique<AnsweringView>(answer); });

    const fs::path photo = dir / "photo1.jpg";
    ASSERT_TRUE(salon::writeFileAtomically(photo, salon::encodeJpeg(salon::Bitmap::rgb24(c.w, c.h))).ok());
    salon::ScriptedUi ui;
    salon::Engine engine(ui);
    engine.cropper = &cropComponent();
    engine.ProgramDir = (dir / "program").string() + "/";
    engine.PhotoFile = photo.string();

    EXPECT_EQ(engine.LoadPhoto(true), c.loaded);
    if (c.loaded) {
        EXPECT_EQ(engine.PhotoW, c.photoW);
        EXPECT_EQ(engine.PhotoH, c.photoH);
        EXPECT_TRUE(fs::exists(dir / "program" / "photo-.bmp"));
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(engine.PhotoFile, (dir / "program" / "photo-.bmp").string());  // the copy from now on
    } else {
        EXPECT_EQ(engine.PhotoFile, photo.string());  // a cancelled crop changes nothing
        EXPECT_FALSE(fs::exists(dir / "program" / "photo-.bmp"));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, salon::ResText(c.refusalText));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Photos, PhotoHandOffTest,
    testing::Values(HandOffCase{"WideReduced", 1000, 800, Answer::Ok, true, 354, 283, 0},
                    HandOffCase{"TallReduced", 200, 481, Answer::Ok, true, 196, 472, 0},
                    // 430 x 360 is shown at 330 / 430: 100 preview pixels are 130 photo pixels, and the 300 x 360
                    // that remain fit without reduction
                    HandOffCase{"TrimmedNeedsNoReduction", 430, 360, Answer::TrimLeft, true, 300, 360, 0},
                    HandOffCase{"WideCancelled", 361, 200, Answer::Cancel, false, 0, 0, 168},
                    HandOffCase{"TallCancelled", 200, 481, Answer::Cancel, false, 0, 0, 169}),
    [](const testing::TestParamInfo<HandOffCase>& info) { return std::string(info.param.name); });

} // namespace
