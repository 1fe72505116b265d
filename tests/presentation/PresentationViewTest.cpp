// The Qt view over the window logic: balloons never take the mouse from the window beneath, and
// the video window plays a demo video to its end and closes, or names a file it cannot play.
#include "PresentationFixture.h"

#include "presentation/Texts.h"
#include "presentation/qt/PresentationWindow.h"
#include "presentation/qt/VideoDialog.h"

#include <QApplication>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace prevu::test {

struct ViewTest : PresentationTest {
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "presentation_view_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
        PresentationTest::SetUp();
    }
};

TEST_F(ViewTest, a_click_on_a_balloon_over_its_area_reaches_the_window)
{
    ASSERT_TRUE(start());
    PresentationWindow window(p);
    window.sync();
    window.show();
    // Hover area 4 of the menu: balloon 1 ends at the area's centre, so the area's left part lies
    // under the balloon.
    QMouseEvent move(QEvent::MouseMove, QPointF(800, 470), window.mapToGlobal(QPointF(800, 470)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    ASSERT_TRUE(p.form.Bublina[1].Visible);
    const QPoint under(720, 470);
    const Bublina& b = p.form.Bublina[1];
    ASSERT_TRUE(under.x() >= b.Left && under.x() < b.Left + b.Width && under.y() >= b.Top && under.y() < b.Top + b.Height);
    QWidget* hit = window.childAt(under);
    EXPECT_TRUE(hit == nullptr || hit->testAttribute(Qt::WA_TransparentForMouseEvents));
    QTest::mouseClick(&window, Qt::LeftButton, {}, under);
    EXPECT_EQ(p.CurrentScreen, 2);
}

TEST_F(ViewTest, a_right_click_returns_to_the_menu)
{
    ASSERT_TRUE(start());
    PresentationWindow window(p);
    window.sync();
    window.show();
    p.ShowScreen(3);
    QTest::mouseClick(&window, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(p.CurrentScreen, 1);
}

TEST_F(ViewTest, video_plays_to_its_end_and_closes_itself)
{
    salon::DriveTable::current() = salon::DriveTable({{'D', fs::path(SALON_BINARY_DIR) / "drive", salon::DriveType::Fixed}});
    VideoDialog dialog("D:\\orvella\\avi\\kata1.avi", ui, nullptr);
    QTimer::singleShot(20000, &dialog, &QDialog::reject);  // a hung player fails the test, not the run
    QElapsedTimer clock;
    clock.start();
    const int result = dialog.exec();
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_GE(clock.elapsed(), 2000);  // three seconds of video
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ViewTest, every_video_of_the_drive_opens_in_the_player)
{
    salon::DriveTable::current() = salon::DriveTable({{'D', fs::path(SALON_BINARY_DIR) / "drive", salon::DriveType::Fixed}});
    QMediaPlayer player;
    QtMedia media(player);
    for (const char* name : {"demo1", "demo2", "demo3", "hair", "hairclas", "kata1", "kata2", "kata3", "kata4"}) {
        media.FileName = std::string("D:\\orvella\\avi\\") + name + ".avi";
        media.Command("open");
        EXPECT_EQ(media.Mode(), ModeStopped) << name;
        media.Command("close");
        EXPECT_EQ(media.Mode(), ModeNotOpen) << name;
    }
}

TEST_F(ViewTest, a_missing_video_closes_at_once_and_names_the_file)
{
    VideoDialog dialog("D:\\orvella\\avi\\none.avi", ui, nullptr);
    QTimer::singleShot(10000, &dialog, &QDialog::reject);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, std::string(texts::VideoNotPlayed) + "D:\\orvella\\avi\\none.avi");
}

} // namespace prevu::test
