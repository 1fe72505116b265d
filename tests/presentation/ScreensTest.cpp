#include "PresentationFixture.h"

#include "presentation/Texts.h"

#include "platform/PictureFile.h"

namespace prevu::test {

struct AreaCase {
    int32_t screenWidth;
    WorkArea area;
    int32_t screen, areaNumber;
    salon::Rect rect;
};

class HotAreaTest : public PresentationTest, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(HotAreaTest, rectangles_are_scaled_by_the_layout_factor_half_to_even)
{
    const AreaCase& c = GetParam();
    ASSERT_TRUE(start(c.screenWidth, c.area));
    p.ShowScreen(c.screen);
    EXPECT_EQ(p.Areas[size_t(c.areaNumber - 1)].rect, c.rect);
}

INSTANTIATE_TEST_SUITE_P(Classes, HotAreaTest,
                         ::testing::Values(AreaCase{1024, {0, 0, 1024, 768}, 1, 4, {711, 459, 928, 499}},
                                           AreaCase{800, {0, 0, 800, 600}, 1, 4, {548, 354, 716, 385}},
                                           AreaCase{640, {0, 0, 640, 480}, 1, 4, {428, 276, 558, 300}},
                                           AreaCase{1024, {0, 0, 1024, 768}, 1, 10, {0, 273, 280, 319}},
                                           AreaCase{800, {0, 0, 800, 600}, 1, 10, {0, 211, 216, 246}},
                                           AreaCase{800, {0, 0, 800, 600}, 3, 2, {521, 305, 686, 336}},
                                           AreaCase{1024, {0, 0, 1024, 768}, 5, 1, {775, 520, 931, 603}},
                                           AreaCase{800, {0, 0, 800, 600}, 5, 1, {598, 401, 718, 465}}));

TEST_F(PresentationTest, each_screen_has_its_area_count_and_anchors)
{
    ASSERT_TRUE(start());
    EXPECT_EQ(p.AreaCount, 10);
    // Upper areas anchor at their centre, the menu column a quarter of the way in.
    EXPECT_EQ(p.Areas[3].anchorX, 820);   // (711 + 928) / 2 = 819.5, to even
    EXPECT_EQ(p.Areas[3].anchorY, 479);
    EXPECT_EQ(p.Areas[4].anchorX, 70);    // (0 + 280) / 4
    EXPECT_EQ(p.Areas[4].anchorY, 71);
    for (int32_t s : {2, 3, 4}) {
        p.ShowScreen(s);
        EXPECT_EQ(p.AreaCount, 2) << s;
    }
    p.ShowScreen(5);
    EXPECT_EQ(p.AreaCount, 1);
}

TEST_F(PresentationTest, backgrounds_follow_screen_and_class)
{
    for (const char* name : {"mela2a.jpg", "mela1a.jpg"}) {
        salon::Bitmap b = salon::Bitmap::rgb24(944, 708);
        auto bytes = salon::encodeJpeg(b);
        std::ofstream(dir / "orvella" / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    ASSERT_TRUE(start());
    EXPECT_EQ(p.form.Picture.width, 944);
    p.ShowScreen(2);
    EXPECT_EQ(p.form.Picture.height, 708);
    p.ShowScreen(3);  // not on this drive: no background, no failure
    EXPECT_TRUE(p.form.Picture.isNull());
}

// --- hover ---

TEST_F(PresentationTest, hovering_an_upper_area_shows_balloon_1_ending_at_the_anchor)
{
    ASSERT_TRUE(start());
    p.Form_MouseMove(0, 0, 800, 470);  // area 4
    const Bublina& b = p.form.Bublina[1];
    EXPECT_TRUE(b.Visible);
    EXPECT_FALSE(p.form.Bublina[0].Visible);
    EXPECT_EQ(b.Left, 820 - 238);
    EXPECT_EQ(b.Top, 479 - 180);
    EXPECT_EQ(p.LastHovered, 4);
}

TEST_F(PresentationTest, hovering_the_menu_column_shows_balloon_0_at_the_anchor)
{
    ASSERT_TRUE(start());
    p.Form_MouseMove(0, 0, 10, 100);  // area 6: 93..139
    const Bublina& b = p.form.Bublina[0];
    EXPECT_TRUE(b.Visible);
    EXPECT_EQ(b.Left, 70);
    EXPECT_EQ(b.Top, 116);
    EXPECT_EQ(b.Picture(), resourcePicture(21));  // area 6's hover picture
    EXPECT_EQ(p.LastHovered, 6);
}

TEST_F(PresentationTest, at_most_one_balloon_and_it_stays_inside_the_window)
{
    ASSERT_TRUE(start());
    p.Form_MouseMove(0, 0, 800, 470);  // area 4, balloon 1
    p.Form_MouseMove(0, 0, 10, 100);   // area 6, balloon 0
    EXPECT_TRUE(p.form.Bublina[0].Visible);
    EXPECT_FALSE(p.form.Bublina[1].Visible);
    p.Form_MouseMove(0, 0, 200, 580);  // area 1 (152..372 x 562..601): anchor 262, 582
    const Bublina& b = p.form.Bublina[1];
    EXPECT_FALSE(p.form.Bublina[0].Visible);
    EXPECT_EQ(b.Left, 262 - 238);
    EXPECT_EQ(b.Top, 582 - 180);
    p.Form_MouseMove(0, 0, 10, 300);   // area 10, near the bottom of the column
    const Bublina& low = p.form.Bublina[0];
    EXPECT_LE(low.Top + low.Height, p.LayoutHeight);
    EXPECT_GE(low.Left, 0);
}

TEST_F(PresentationTest, leaving_every_area_hides_and_forgets_so_reentry_shows_again)
{
    ASSERT_TRUE(start());
    p.Form_MouseMove(0, 0, 800, 470);
    p.Form_MouseMove(0, 0, 600, 100);  // no area
    EXPECT_FALSE(p.form.Bublina[1].Visible);
    EXPECT_EQ(p.LastHovered, 0);
    p.Form_MouseMove(0, 0, 800, 470);
    EXPECT_TRUE(p.form.Bublina[1].Visible);
}

TEST_F(PresentationTest, moving_within_the_same_area_keeps_the_balloon_where_it_is)
{
    ASSERT_TRUE(start());
    p.Form_MouseMove(0, 0, 800, 470);
    p.form.Bublina[1].Visible = false;  // as if something else hid it
    p.Form_MouseMove(0, 0, 801, 471);
    EXPECT_FALSE(p.form.Bublina[1].Visible);
}

TEST_F(PresentationTest, screen_change_and_modal_windows_reset_the_hover)
{
    ASSERT_TRUE(start());
    p.Form_MouseMove(0, 0, 800, 470);
    p.ShowScreen(1);
    EXPECT_EQ(p.LastHovered, 0);
    EXPECT_FALSE(p.form.Bublina[1].Visible);
    p.Form_MouseMove(0, 0, 800, 220);  // area 2
    p.Form_MouseUp(LeftButton, 0, 800, 220);
    EXPECT_EQ(p.LastHovered, 0);
    p.Form_MouseMove(0, 0, 800, 220);
    EXPECT_TRUE(p.form.Bublina[1].Visible);
}

TEST_F(PresentationTest, pointer_over_a_balloon_counts_in_window_coordinates)
{
    ASSERT_TRUE(start());
    p.Form_MouseMove(0, 0, 10, 100);  // balloon 0 at (70, 116)
    p.Bublina_MouseMove(0, 0, 0, 5, 5);  // window (75, 121): still area 6
    EXPECT_TRUE(p.form.Bublina[0].Visible);
    p.Bublina_MouseMove(0, 0, 0, 230, 5);  // window (300, 121): no area
    EXPECT_FALSE(p.form.Bublina[0].Visible);
}

TEST_F(PresentationTest, no_hover_on_the_slideshow)
{
    ASSERT_TRUE(start());
    p.RunProg(41);
    p.Form_MouseMove(0, 0, 800, 550);
    EXPECT_FALSE(p.form.Bublina[1].Visible);
}

// --- actions ---

struct ActionCase {
    int32_t x, y;           // class-1 click on screen `screen`
    int32_t screen;
    int32_t screenAfter;
    std::vector<std::string> videos;
    bool editor;
};

class ActionTest : public PresentationTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(ActionTest, a_left_click_on_an_area_runs_its_action)
{
    const ActionCase& c = GetParam();
    ASSERT_TRUE(start());
    p.ShowScreen(c.screen);
    p.Form_MouseUp(LeftButton, 0, c.x, c.y);
    EXPECT_EQ(p.CurrentScreen, c.screenAfter);
    EXPECT_EQ(host.videos, c.videos);
    EXPECT_EQ(host.started.size(), c.editor ? 1u : 0u);
    EXPECT_EQ(host.closed, c.editor ? 1 : 0);
    EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ActionTest,
    ::testing::Values(ActionCase{200, 580, 1, 3, {}, false},                                   // 11
                      ActionCase{800, 220, 1, 1, {"D:\\orvella\\avi\\demo3.avi"}, false},      // 12
                      ActionCase{400, 400, 1, 4, {}, false},                                   // 13
                      ActionCase{800, 470, 1, 2, {}, false},                                   // 14
                      ActionCase{10, 100, 1, 1, {}, false},                                    // area 6: hover only
                      ActionCase{500, 500, 2, 2, {}, true},                                    // 21
                      ActionCase{700, 500, 2, 2, {"D:\\orvella\\avi\\demo1.avi"}, false},      // 22
                      ActionCase{500, 400, 3, 3, {}, true},                                    // 31
                      ActionCase{700, 400, 3, 3, {"D:\\orvella\\avi\\hair.avi", "D:\\orvella\\avi\\hairclas.avi"}, false},
                      ActionCase{700, 500, 4, 4, {"D:\\orvella\\avi\\demo2.avi"}, false},      // 42
                      ActionCase{500, 500, 4, 5, {}, false}));                                 // 41

TEST_F(PresentationTest, area_10_opens_the_information_window)
{
    ASSERT_TRUE(start());
    p.Form_MouseUp(LeftButton, 0, 10, 300);
    EXPECT_EQ(host.informationShown, 1);
    EXPECT_EQ(p.CurrentScreen, 1);
}

TEST_F(PresentationTest, only_the_left_button_clicks)
{
    ASSERT_TRUE(start());
    p.Form_MouseUp(RightButton, 0, 200, 580);
    p.Form_MouseUp(4, 0, 200, 580);
    p.Form_MouseUp(RightButton, 0, 10, 300);
    EXPECT_EQ(p.CurrentScreen, 1);
    EXPECT_EQ(host.informationShown, 0);
}

TEST_F(PresentationTest, escape_or_right_click_returns_to_the_menu_from_every_page)
{
    ASSERT_TRUE(start());
    for (int32_t s : {2, 3, 4}) {
        p.ShowScreen(s);
        p.Form_KeyDown(KeyEscape, 0);
        EXPECT_EQ(p.CurrentScreen, 1) << s;
        p.ShowScreen(s);
        p.Form_MouseUp(RightButton, 0, 5, 5);
        EXPECT_EQ(p.CurrentScreen, 1) << s;
    }
}

TEST_F(PresentationTest, editor_gets_the_program_directory_and_the_drive_letter_as_arguments)
{
    lib.drives = {{"E", 5}};
    lib.files = {"E:\\Dslob00.aob"};
    ASSERT_TRUE(start());
    p.RunProg(21);
    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0].first, "/opt/prevu/frizet01");
    EXPECT_EQ(host.started[0].second, std::vector<std::string>{"/E"});
    EXPECT_EQ(host.closed, 1);
}

TEST_F(PresentationTest, an_editor_that_does_not_start_leaves_the_presentation_open_and_says_so)
{
    host.startSucceeds = false;
    ASSERT_TRUE(start());
    p.RunProg(31);
    EXPECT_EQ(host.closed, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, std::string(texts::EditorNotStarted) + "/opt/prevu/frizet01");
}

TEST_F(PresentationTest, below_800_by_600_the_editor_and_slideshow_are_refused)
{
    ASSERT_TRUE(start(640, {0, 0, 640, 480}));
    for (int32_t code : {21, 31, 41}) {
        p.ShowScreen(code / 10);
        p.RunProg(code);
        EXPECT_EQ(p.CurrentScreen, code / 10);
    }
    EXPECT_TRUE(host.started.empty());
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text, "\r\n Při rozlišení, menším než 800 x 600 nelze spustit !  Viz INFO");
    EXPECT_EQ(ui.messages[0].title, "");
    // The videos still play on a small screen.
    p.RunProg(22);
    EXPECT_EQ(host.videos.size(), 1u);
}

} // namespace prevu::test
