#include "PresentationFixture.h"

#include "platform/CodePage.h"

namespace prevu::test {

struct SlideshowTest : PresentationTest {
    void SetUp() override
    {
        PresentationTest::SetUp();
        lib.shapes["D:\\orvella\\post01.nlg"] = salon::Region::rect(200, 50, 260, 150);
        lib.shapes["D:\\orvella\\post02.nlg"] = salon::Region::rect(0, 0, 100, 100);
        ASSERT_TRUE(start());
    }
    // Runs the slideshow up to and including step `last`.
    void runTo(int32_t last)
    {
        p.RunProg(41);
        while (p.Step <= last) p.Povel();
    }
    static std::string record(const std::string& text)
    {
        std::string r = salon::utf8ToCp1250(text).value();
        r.resize(600, ' ');
        return r;
    }
};

TEST_F(SlideshowTest, step_0_places_the_narration_and_shows_record_0)
{
    writeNarration(record("Vítejte v salonu.") + record("Fotografie zákaznice."));
    p.RunProg(41);
    EXPECT_EQ(p.CurrentScreen, 5);
    EXPECT_EQ(p.Step, 1);
    EXPECT_TRUE(p.form.Text1.Visible);
    EXPECT_EQ(p.form.Text1.Left, 944 - 170);
    EXPECT_EQ(p.form.Text1.Top, 139);  // (708 - 500) / 3 x 2 = 138.67
    EXPECT_EQ(p.form.Text1.Caption, "Vítejte v salonu.");
    p.Povel();
    EXPECT_EQ(p.form.Text1.Caption, "Fotografie zákaznice.");
}

TEST_F(SlideshowTest, a_missing_or_short_record_reads_as_blanks_and_the_step_still_runs)
{
    writeNarration(record("Jedna.") + salon::utf8ToCp1250("Krátký").value());
    p.RunProg(41);
    p.Povel();
    EXPECT_EQ(p.form.Text1.Caption, "Krátký");
    p.Povel();
    EXPECT_EQ(p.form.Text1.Caption, "");
    EXPECT_EQ(p.Step, 3);
    std::filesystem::remove(dir / "orvella" / "Demo.nxt");
    p.Povel();
    EXPECT_EQ(p.form.Text1.Caption, "");
    EXPECT_EQ(p.Step, 4);
}

TEST_F(SlideshowTest, step_1_shows_the_photo_and_holds_only_the_outside_of_the_shape)
{
    runTo(1);
    const PictureBox& photo = p.form.Picture1;
    EXPECT_TRUE(photo.Visible);
    EXPECT_EQ(p.PhotoW, 300);
    EXPECT_EQ(p.PhotoH, 400);
    EXPECT_EQ(photo.Left, (944 - 300 - 174) / 2);
    EXPECT_EQ(photo.Top, 139);
    EXPECT_EQ(photo.Width, 304);
    EXPECT_EQ(photo.Height, 404);
    EXPECT_EQ(photo.surface.image().pixel(150, 200), 51u);
    EXPECT_EQ(p.form.Picture2[1].image().pixel(0, 0), 51u);
    EXPECT_EQ(lib.nlgReads, std::vector<std::string>{"D:\\orvella\\post01.nlg"});
    ASSERT_EQ(lib.regionCount(), 1);
    salon::Region outside = salon::Region::rect(0, 0, 300, 400);
    outside.subtract(salon::Region::rect(200, 50, 260, 150));
    EXPECT_EQ(*lib.regions.find(uint32_t(p.ShapeRegion)), outside);
}

struct BalloonStep {
    int32_t step;
    int32_t width, height;
    int32_t dx, dy;  // from the photo's corner
    int32_t picture;
    int16_t backStyle;
    int32_t mask;    // 0: none
};

TEST_F(SlideshowTest, balloon_0_follows_the_steps)
{
    const std::vector<BalloonStep> steps{
        {2, 300, 364, 0, 0, 11, 1, 0},     {3, 209, 254, 0, 0, 10, 1, 0},     {4, 209, 254, 0, 0, 10, 0, 17},
        {5, 209, 254, 210, 97, 10, 0, 17}, {8, 371, 480, 0, 0, 12, 1, 0},     {9, 229, 297, 0, 0, 13, 1, 0},
        {10, 229, 297, 0, 0, 14, 1, 0},    {11, 229, 297, 0, 0, 15, 1, 0},    {12, 229, 297, 0, 0, 16, 1, 0},
        {13, 229, 297, 0, 0, 16, 0, 18},   {14, 229, 297, 276, 9, 16, 0, 18},
    };
    p.RunProg(41);
    for (const BalloonStep& s : steps) {
        while (p.Step <= s.step) p.Povel();
        const Bublina& b = p.form.Bublina[0];
        SCOPED_TRACE(s.step);
        EXPECT_TRUE(b.Visible);
        EXPECT_EQ(b.Width, s.width);
        EXPECT_EQ(b.Height, s.height);
        EXPECT_EQ(b.Left, p.form.Picture1.Left + s.dx);
        EXPECT_EQ(b.Top, p.form.Picture1.Top + s.dy);
        EXPECT_EQ(b.Picture(), resourcePicture(s.picture));
        EXPECT_EQ(b.BackStyle(), s.backStyle);
        EXPECT_EQ(b.MaskPicture(), s.mask ? resourcePicture(s.mask) : salon::Bitmap{});
    }
}

TEST_F(SlideshowTest, shaped_photo_shows_the_balloon_only_inside_shape_and_mask)
{
    runTo(6);
    const Bublina& b = p.form.Bublina[0];
    ASSERT_TRUE(b.cutOut.has_value());
    EXPECT_TRUE(b.inFront);
    // Balloon (bx, by) lies over photo pixel (bx + 208, by + 95); the shape is x 200-259, y 50-149,
    // the photo 300 x 400, and the mask's upper 127 rows are set.
    struct Probe {
        int32_t bx, by;
        bool belongs;
    };
    for (const Probe& q : std::vector<Probe>{{0, 0, true}, {51, 54, true}, {52, 10, false},
                                             {10, 55, false}, {10, 127, false}, {150, 10, true}}) {
        EXPECT_EQ(b.belongs(q.bx, q.by), q.belongs) << q.bx << "," << q.by;
    }
    // The photo itself is whole and its drawing clip is the outside of the shape.
    EXPECT_EQ(p.form.Picture1.surface.image().pixel(250, 100), 51u);
    // Composing again (a repaint) gives the same shape.
    std::optional<salon::Region> before = b.cutOut;
    p.Step = 6;
    p.Povel();
    EXPECT_EQ(p.form.Bublina[0].cutOut, before);
}

TEST_F(SlideshowTest, without_a_shape_file_the_photo_is_shown_unclipped)
{
    lib.shapes.clear();
    runTo(6);
    EXPECT_EQ(p.ShapeRegion, 0);
    EXPECT_FALSE(p.form.Bublina[0].cutOut.has_value());
    EXPECT_EQ(lib.regionCount(), 0);
}

TEST_F(SlideshowTest, second_photo_replaces_the_first_shape_without_a_leak)
{
    runTo(7);
    EXPECT_EQ(lib.regionCount(), 1);
    EXPECT_EQ(p.PhotoW, 360);
    EXPECT_FALSE(p.form.Bublina[0].Visible);
    EXPECT_EQ(lib.nlgReads.back(), "D:\\orvella\\post02.nlg");
    runTo(15);
    EXPECT_TRUE(p.form.Bublina[0].cutOut.has_value());
}

TEST_F(SlideshowTest, step_16_returns_to_the_menu_with_the_hover_balloon_restored)
{
    runTo(16);
    EXPECT_EQ(p.CurrentScreen, 1);
    EXPECT_EQ(p.Step, 17);
    EXPECT_FALSE(p.form.Picture1.Visible);
    EXPECT_FALSE(p.form.Text1.Visible);
    const Bublina& b = p.form.Bublina[0];
    EXPECT_FALSE(b.Visible);
    EXPECT_EQ(b.Width, 238);
    EXPECT_EQ(b.Height, 180);
    EXPECT_EQ(b.BackStyle(), 1);
    EXPECT_TRUE(b.MaskPicture().isNull());
    EXPECT_FALSE(b.cutOut.has_value());
    EXPECT_EQ(lib.regionCount(), 0);
    // The menu works again, and the balloon shows its hover picture whole.
    p.Form_MouseMove(0, 0, 10, 100);
    EXPECT_TRUE(p.form.Bublina[0].Visible);
    EXPECT_TRUE(p.form.Bublina[0].belongs(200, 170));
    p.Form_MouseUp(LeftButton, 0, 200, 580);
    EXPECT_EQ(p.CurrentScreen, 3);
    // A second run starts at step 0.
    p.ShowScreen(4);
    p.RunProg(41);
    EXPECT_EQ(p.Step, 1);
    EXPECT_EQ(p.CurrentScreen, 5);
}

TEST_F(SlideshowTest, clicks_on_the_next_button_advance_and_elsewhere_do_nothing)
{
    p.RunProg(41);
    p.Form_MouseUp(LeftButton, 0, 800, 550);
    EXPECT_EQ(p.Step, 2);
    p.Form_MouseUp(LeftButton, 0, 100, 100);
    EXPECT_EQ(p.Step, 2);
    p.Step = 0;  // step 0 runs only from the menu action
    p.Form_MouseUp(LeftButton, 0, 800, 550);
    EXPECT_EQ(p.Step, 0);
}

TEST_F(SlideshowTest, escape_in_the_middle_cleans_up_and_returns_to_the_menu)
{
    runTo(6);
    p.Form_KeyDown(KeyEscape, 0);
    EXPECT_EQ(p.CurrentScreen, 1);
    EXPECT_EQ(lib.regionCount(), 0);
    EXPECT_FALSE(p.form.Picture1.Visible);
    EXPECT_FALSE(p.form.Text1.Visible);
    EXPECT_EQ(p.form.Bublina[0].BackStyle(), 1);
    EXPECT_FALSE(p.form.Bublina[0].cutOut.has_value());
}

} // namespace prevu::test
