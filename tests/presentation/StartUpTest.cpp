#include "PresentationFixture.h"

#include "presentation/Texts.h"

namespace prevu::test {

struct ClassCase {
    int32_t screenWidth;
    WorkArea area;
    int32_t expectedClass;
    int32_t layoutWidth, layoutHeight;
};

class ResolutionClassTest : public PresentationTest, public ::testing::WithParamInterface<ClassCase> {};

TEST_P(ResolutionClassTest, class_is_the_largest_whose_window_fits_the_work_area)
{
    const ClassCase& c = GetParam();
    ASSERT_TRUE(start(c.screenWidth, c.area));
    EXPECT_EQ(p.ResolutionClass, c.expectedClass);
    EXPECT_EQ(p.LayoutWidth, c.layoutWidth);
    EXPECT_EQ(p.LayoutHeight, c.layoutHeight);
    EXPECT_LE(p.form.Width, c.area.width);
    EXPECT_LE(p.form.Height, c.area.height);
    EXPECT_GE(p.form.Left, c.area.left);
    EXPECT_GE(p.form.Top, c.area.top);
}

INSTANTIATE_TEST_SUITE_P(Screens, ResolutionClassTest,
                         ::testing::Values(ClassCase{1280, {0, 0, 1280, 1024}, 1, 944, 708},
                                           ClassCase{1024, {0, 0, 1024, 768}, 1, 944, 708},
                                           // a panel takes 40 pixels: the class-1 window (735) no longer fits
                                           ClassCase{1024, {0, 40, 1024, 728}, 2, 728, 546},
                                           ClassCase{800, {0, 0, 800, 600}, 2, 728, 546},
                                           ClassCase{1024, {0, 0, 800, 600}, 2, 728, 546},
                                           ClassCase{640, {0, 0, 640, 480}, 3, 568, 426},
                                           ClassCase{1024, {0, 0, 640, 480}, 3, 568, 426},
                                           ClassCase{600, {0, 0, 600, 440}, 4, 568, 426}));

TEST_F(PresentationTest, window_sits_at_a_third_of_the_free_room)
{
    ASSERT_TRUE(start(1280, {0, 0, 1280, 1024}));
    EXPECT_EQ(p.form.Width, 952);
    EXPECT_EQ(p.form.Height, 735);
    EXPECT_EQ(p.form.Left, (1280 - 952) / 3);
    EXPECT_EQ(p.form.Top, (1024 - 735) / 3);
    EXPECT_EQ(p.videoLeft(320), (952 - 320) / 3);
}

TEST_F(PresentationTest, failed_library_settings_fall_back_to_the_platform_screen)
{
    lib.settingsFail = true;
    lib.screenWidth = 1280;  // what the library would have said is not used
    ASSERT_TRUE(p.Form_Load("/opt/prevu/", {0, 0, 800, 600}, 800, 600));
    EXPECT_EQ(p.ResolutionClass, 2);
}

TEST_F(PresentationTest, data_root_is_the_first_fixed_or_cd_drive_holding_the_marker)
{
    lib.drives = {{"A", 2}, {"C", 3}, {"E", 4}, {"F", 5}, {"G", 3}};
    lib.files = {"A:\\Dslob00.aob", "E:\\Dslob00.aob", "F:\\Dslob00.aob", "G:\\Dslob00.aob"};
    ASSERT_TRUE(start());
    EXPECT_EQ(p.DataRoot, "F");
    EXPECT_EQ(p.CurrentScreen, 1);
    EXPECT_TRUE(p.FirstTimeDone);
}

TEST_F(PresentationTest, without_a_data_drive_retry_searches_again_and_cancel_ends)
{
    lib.files.clear();
    ui.messageAnswers = {salon::MsgAnswer::Retry, salon::MsgAnswer::Cancel};
    EXPECT_FALSE(start());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, texts::NoDataDrive);
    EXPECT_EQ(ui.messages[0].buttons, salon::MsgButtons::RetryCancel);
    EXPECT_EQ(lib.tmpDeleted, 1);
    EXPECT_FALSE(p.form.Visible);
}

TEST_F(PresentationTest, retry_finds_a_drive_made_ready_meanwhile)
{
    lib.files.clear();
    struct ReadyOnRetry : salon::ScriptedUi {
        LibraryDouble* lib = nullptr;
        salon::MsgAnswer message(const salon::MessageRequest& r) override
        {
            lib->files.insert("D:\\Dslob00.aob");
            return ScriptedUi::message(r);
        }
    } readyUi;
    readyUi.lib = &lib;
    readyUi.messageAnswers = {salon::MsgAnswer::Retry};
    Presentation q(lib, readyUi, host, testResources());
    EXPECT_TRUE(q.Form_Load("/opt/prevu/", {0, 0, 1024, 768}, 1024, 768));
    EXPECT_EQ(q.DataRoot, "D");
}

TEST_F(PresentationTest, closing_deletes_the_scratch_file_and_the_shape)
{
    ASSERT_TRUE(start());
    p.RunProg(41);
    p.Povel();  // step 1 reads the shape (none on this drive: nothing held)
    p.Form_Unload();
    EXPECT_EQ(lib.tmpDeleted, 1);
    EXPECT_EQ(lib.regionCount(), 0);
}

} // namespace prevu::test
