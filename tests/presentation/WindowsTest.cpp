// The balloon control, the video window and the information window on their own.
#include "presentation/Bublina.h"
#include "presentation/InfoWindow.h"
#include "presentation/Texts.h"
#include "presentation/VideoWindow.h"

#include <gtest/gtest.h>

namespace prevu::test {

TEST(BublinaTest, back_style_is_clamped_to_0_or_1)
{
    Bublina b;
    for (auto [in, out] : std::vector<std::pair<int32_t, int16_t>>{{5, 1}, {-1, 0}, {2, 1}, {1, 1}, {0, 0}}) {
        b.changed = false;
        b.setBackStyle(in);
        EXPECT_EQ(b.BackStyle(), out) << in;
        EXPECT_TRUE(b.changed);
    }
}

TEST(BublinaTest, shape_follows_back_style_mask_and_cut_out)
{
    Bublina b;
    b.Width = 4;
    b.Height = 2;
    salon::Bitmap mask = salon::Bitmap::rgb24(4, 2);  // black: set
    mask.setPixel(1, 0, 0xFFFFFF);
    b.setBackStyle(0);
    EXPECT_FALSE(b.belongs(0, 0));  // transparent without a mask: nothing
    b.setMaskPicture(mask);
    EXPECT_TRUE(b.belongs(0, 0));
    EXPECT_FALSE(b.belongs(1, 0));
    EXPECT_FALSE(b.belongs(4, 0));
    b.setBackStyle(1);
    EXPECT_TRUE(b.belongs(1, 0));
    b.cutOut = salon::Region::rect(0, 1, 2, 2);
    EXPECT_FALSE(b.belongs(0, 1));
    EXPECT_TRUE(b.belongs(2, 1));
}

TEST(BublinaTest, persisted_settings_round_trip_with_defaults)
{
    Bublina a;
    a.setBackStyle(1);
    a.setPicture(salon::Bitmap::rgb24(3, 3));
    PropertyBag bag;
    a.WriteProperties(bag);
    EXPECT_EQ(bag.numbers.at("BackStyle"), 1);
    EXPECT_EQ(bag.pictures.count("MaskPicture"), 0u);
    Bublina b;
    b.setMaskPicture(salon::Bitmap::rgb24(2, 2));
    b.ReadProperties(bag);
    EXPECT_EQ(b.BackStyle(), 1);
    EXPECT_TRUE(b.MaskPicture().isNull());  // absent: the default, none
    EXPECT_EQ(b.Picture(), a.Picture());
    b.ReadProperties({});
    EXPECT_EQ(b.BackStyle(), 0);
}

class ScriptedMedia : public MediaControl {
public:
    int32_t mode = ModeNotOpen;
    bool opens = true;
    std::vector<std::string> commands;
    void Command(const std::string& c) override
    {
        commands.push_back(c);
        if (c == "open" && opens) mode = ModeStopped;
        if (c == "play" && mode != ModeNotOpen) mode = ModePlaying;
        if (c == "close") mode = ModeNotOpen;
    }
    int32_t Mode() const override { return mode; }
};

struct VideoWindowTest : ::testing::Test {
    ScriptedMedia media;
    salon::ScriptedUi ui;
    VideoWindow w{media, ui};
};

TEST_F(VideoWindowTest, plays_once_and_closes_at_the_end)
{
    w.show("D:\\orvella\\avi\\demo1.avi");
    w.Form_Activate();
    EXPECT_EQ(media.FileName, "D:\\orvella\\avi\\demo1.avi");
    EXPECT_EQ(media.DeviceType, "AviVideo");
    w.Form_Activate();  // reactivated after another window: no second start
    EXPECT_EQ(media.commands, (std::vector<std::string>{"open", "play"}));
    w.MMControl1_StatusUpdate();
    EXPECT_TRUE(w.form.playing);
    EXPECT_TRUE(w.form.Visible);
    media.mode = ModeStopped;
    w.MMControl1_StatusUpdate();
    EXPECT_FALSE(w.form.Visible);
    EXPECT_EQ(media.commands.back(), "close");
}

TEST_F(VideoWindowTest, playing_reported_during_the_play_command_still_counts)
{
    // A media control that reports its status while "play" runs, as Qt's player does.
    struct ReportingMedia : ScriptedMedia {
        VideoWindow* window = nullptr;
        void Command(const std::string& c) override
        {
            ScriptedMedia::Command(c);
            if (c == "play") window->MMControl1_StatusUpdate();
        }
    } media;
    VideoWindow w{media, ui};
    media.window = &w;
    w.show("x.avi");
    w.Form_Activate();
    EXPECT_TRUE(w.form.playing);
    media.mode = ModeStopped;
    w.MMControl1_StatusUpdate();
    EXPECT_FALSE(w.form.Visible);
}

TEST_F(VideoWindowTest, stopped_before_playing_began_does_not_close)
{
    w.show("x.avi");
    media.opens = true;
    w.Form_Activate();
    media.mode = ModeStopped;  // a status update before the device reported playing
    w.MMControl1_StatusUpdate();
    EXPECT_TRUE(w.form.Visible);
}

TEST_F(VideoWindowTest, a_click_closes_and_sends_close_only_to_an_open_device)
{
    w.show("x.avi");
    w.Form_Activate();
    w.Picture1_Click();
    EXPECT_FALSE(w.form.Visible);
    EXPECT_EQ(media.commands.back(), "close");
    media.commands.clear();
    w.Picture1_Click();
    EXPECT_TRUE(media.commands.empty());
}

TEST_F(VideoWindowTest, a_file_that_cannot_open_closes_the_window_and_names_the_file)
{
    media.opens = false;
    w.show("D:\\orvella\\avi\\missing.avi");
    w.Form_Activate();
    EXPECT_FALSE(w.form.Visible);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, std::string(texts::VideoNotPlayed) + "D:\\orvella\\avi\\missing.avi");
    EXPECT_EQ(media.commands, std::vector<std::string>{"open"});
}

struct InfoCase {
    int32_t resolutionClass;
    int32_t width;  // window width, pixels
    int32_t workWidth, workHeight;
    int32_t left, top;
};

class InfoPlacementTest : public ::testing::TestWithParam<InfoCase> {};

TEST_P(InfoPlacementTest, centred_on_the_class_reference_screen_within_the_work_area)
{
    const InfoCase& c = GetParam();
    InfoWindow w("D", [](const std::string&) {});
    w.form.Width = c.width;
    w.Form_Load(c.resolutionClass, 0, 0, c.workWidth, c.workHeight);
    EXPECT_EQ(w.form.Left, c.left);
    EXPECT_EQ(w.form.Top, c.top);
    EXPECT_LE(w.form.Left + w.form.Width, c.workWidth);
}

INSTANTIATE_TEST_SUITE_P(Classes, InfoPlacementTest,
                         ::testing::Values(InfoCase{1, 568, 1024, 768, 228, 157},  // (15360-8520)\2 twips
                                           InfoCase{2, 568, 800, 600, 116, 73},
                                           InfoCase{3, 568, 640, 480, 36, 13},
                                           InfoCase{3, 660, 640, 480, 0, 13},      // wider than 9600 twips
                                           InfoCase{4, 568, 600, 440, 32, 13}));   // kept inside the work area

TEST(InfoWindowTest, buttons_play_the_four_videos)
{
    std::vector<std::string> played;
    InfoWindow w("E", [&](const std::string& f) { played.push_back(f); });
    for (int k = -1; k <= 4; ++k) w.Command1_Click(k);
    EXPECT_EQ(played, (std::vector<std::string>{"E:\\orvella\\avi\\kata1.avi", "E:\\orvella\\avi\\kata2.avi",
                                                "E:\\orvella\\avi\\kata3.avi", "E:\\orvella\\avi\\kata4.avi"}));
    EXPECT_EQ(w.form.Command1[3].Picture, 49);
}

} // namespace prevu::test
