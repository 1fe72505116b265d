// The Qt crop dialog, offscreen: it shows the model, turns pointer events into strip drags and ends
// its modal loop when the model hides the form. A screenshot is left in the build tree.
#include "crop/CropComponent.h"
#include "crop/CropObraz.h"
#include "crop/qt/CutPicDialog.h"
#include "platform/Numbers.h"
#include "platform/PictureFile.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace trimlet;
namespace fs = std::filesystem;

namespace {

// Made once and never destroyed: tearing a QApplication down among the exit-time destructors
// crashes inside Qt.
QApplication& app()
{
    static int argc = 1;
    static char name[] = "crop-dialog-test";
    static char* argv[] = {name, nullptr};
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

// A face-like test photo: a warm oval on a blue ground, 1000 x 800.
salon::Bitmap portrait()
{
    salon::Bitmap b = salon::Bitmap::rgb24(1000, 800);
    for (int32_t y = 0; y < 800; ++y)
        for (int32_t x = 0; x < 1000; ++x) {
            const double dx = (x - 500) / 220.0, dy = (y - 380) / 300.0;
            const bool face = dx * dx + dy * dy < 1.0;
            const uint8_t shade = uint8_t(120 + y / 8);
            b.setPixel(x, y, face ? salon::packRgb(230, uint8_t(170 + y / 20), 140) : salon::packRgb(60, 90, shade));
        }
    return b;
}

void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Presses on the strip, moves by (dx, dy) in steps and releases, with positions relative to the strip
// as it moves - what a window system delivers to the widget that took the press.
void drag(StripWidget* strip, int dx, int dy)
{
    const QPoint grab = strip->rect().center();
    const QPoint grabGlobal = strip->mapToGlobal(grab);
    send(strip, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 5; ++i) {
        const QPoint global = grabGlobal + QPoint(dx * i / 5, dy * i / 5);
        send(strip, QEvent::MouseMove, strip->mapFromGlobal(global), Qt::NoButton, Qt::LeftButton);
    }
    send(strip, QEvent::MouseButtonRelease, strip->mapFromGlobal(grabGlobal + QPoint(dx, dy)), Qt::LeftButton,
         Qt::NoButton);
}

class CutPicDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        app();
        std::random_device rd;
        dir = fs::temp_directory_path() / ("crop-dialog-" + std::to_string(rd()));
        fs::create_directories(dir);
        photo = (dir / "portrait1.jpg").string();
        ASSERT_TRUE(salon::writeFileAtomically(photo, salon::encodeJpeg(portrait(), 92)).ok());
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    fs::path dir;
    std::string photo;
};

TEST_F(CutPicDialogTest, DragsMoveTheStripsAndTheScreenshotShowsThem)
{
    CutPic model;
    model.setCUTJme(photo);
    model.setCUTJOt((dir / "portrait-.bmp").string());
    model.setCutJazyk(0);
    model.Form_Activate();
    CutPicDialog dialog(model);
    dialog.show();
    const auto strips = dialog.findChildren<StripWidget*>();
    ASSERT_EQ(strips.size(), 4);
    drag(strips[LeftStrip], 60, 0);
    drag(strips[RightStrip], -40, 0);
    drag(strips[BottomStrip], 0, -30);
    EXPECT_EQ(model.strips()[LeftStrip].width, 70);
    EXPECT_EQ(model.strips()[RightStrip].width, 50);
    EXPECT_EQ(model.strips()[RightStrip].left, 540);
    EXPECT_EQ(model.strips()[BottomStrip].height, 40);
    EXPECT_EQ(strips[RightStrip]->geometry(), QRect(540, 58, 50, 284));

    const QImage shot = dialog.grab().toImage();
    shot.save(QString::fromStdString(std::string(SALON_BINARY_DIR) + "/crop-dialog.png"));
    // Inside the strips the photo shows (the warm face); under a strip the photo is masked.
    EXPECT_GT(qRed(shot.pixel(415, 200)), 200);
    EXPECT_LT(qRed(shot.pixel(300, 200)), 200);
}

TEST_F(CutPicDialogTest, HairFotoRunsModallyAndOkWritesTheCopy)
{
    int seen = 0;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CutPicDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ++seen;
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(" CHANGE OF PICTURE DIMENSIONS"));
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == "OK") b->click();
    });
    // The shared component, as the editor installs it.
    salon::PhotoCropper& cropper = cropComponent();
    const int32_t result = cropper.HairFoto(photo, (dir / "portrait-.bmp").string(), 0, 0, 60);
    EXPECT_EQ(seen, 1);
    ASSERT_EQ(result, 1);
    EXPECT_TRUE(cropper.writtenPath().empty());  // written where asked
    auto out = salon::loadPicture(dir / "portrait-.bmp");
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.value().width, 354);
    EXPECT_EQ(out.value().height, 283);
}

TEST_F(CutPicDialogTest, ClosingTheWindowIsACancel)
{
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    CropObraz crop;
    EXPECT_EQ(crop.HairFoto(photo, (dir / "portrait-.bmp").string(), 0, 0, 0), 0);
    EXPECT_FALSE(fs::exists(dir / "portrait-.bmp"));
}

TEST_F(CutPicDialogTest, AnUnwritableProgramDirectorySendsTheCopyToTheCache)
{
    setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
    QTimer::singleShot(0, [] {
        if (auto* d = qobject_cast<CutPicDialog*>(QApplication::activeModalWidget())) {
            d->model().Command1_Click(0);
            d->sync();
        }
    });
    salon::PhotoCropper& cropper = cropComponent();
    ASSERT_EQ(cropper.HairFoto(photo, (dir / "missing" / "portrait-.bmp").string(), 0, 0, 0), 1);
    EXPECT_EQ(cropper.writtenPath(), (dir / "cache" / "salon" / "portrait-.bmp").string());
    EXPECT_TRUE(fs::exists(dir / "cache" / "salon" / "portrait-.bmp"));
}

} // namespace
