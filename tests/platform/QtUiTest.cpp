// The Qt side of the platform: image conversions, filters, dialogs answered by simulated keys,
// cursors and PDF printing. Runs on the offscreen platform.
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/qt/QtImage.h"
#include "platform/qt/QtTranslations.h"
#include "platform/qt/QtUi.h"
#include "tests/QtApplicationEnvironment.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

using namespace salon;
namespace fs = std::filesystem;

namespace {

[[maybe_unused]] ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new salon::test::QtApplicationEnvironment("platform_qt_tests"));

// Runs `act` on the first modal dialog once it is shown.
void whenModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

Bitmap sample(int w, int h)
{
    Bitmap b = Bitmap::rgb24(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.setPixel(x, y, packRgb(uint8_t(x * 50), uint8_t(y * 60), uint8_t(x + y)));
    return b;
}

} // namespace

TEST(QtImage, BitmapsSurviveTheRoundTripThroughQImage)
{
    const Bitmap b = sample(5, 3);
    const QImage img = toQImage(b);
    ASSERT_EQ(img.width(), 5);
    EXPECT_EQ(img.pixelColor(4, 2), QColor(200, 120, 6));
    EXPECT_EQ(fromQImage(img), b);

    Bitmap indexed = Bitmap::indexed(3, 1, 4, {0x0000FF, 0x00FF00});
    indexed.row(0)[0] = 0x01;  // pixels 0, 1 = palette 0, 1
    EXPECT_EQ(toQImage(indexed).pixelColor(1, 0), QColor(0, 255, 0));

    QImage argb(2, 1, QImage::Format_ARGB32);
    argb.setPixelColor(0, 0, QColor(10, 20, 30, 0));
    EXPECT_EQ(fromQImage(argb).pixel(0, 0), packRgb(10, 20, 30)) << "alpha is dropped, not composited";
    EXPECT_TRUE(toQImage(Bitmap{}).isNull());
    EXPECT_TRUE(fromQImage(QImage()).isNull());
}

TEST(QtUi, FilterStringsBecomeQtNameFilters)
{
    EXPECT_EQ(qtNameFilters("Obrazové soubory *.BMP|*.BMP|Obrazové soubory *.JPG|*.JPG;*.jpeg|"),
              (QStringList{QStringLiteral("Obrazové soubory *.BMP (*.BMP *.bmp)"),
                           QStringLiteral("Obrazové soubory *.JPG (*.JPG *.jpg *.jpeg *.JPEG)")}));
    EXPECT_EQ(qtNameFilters("All|*.*"), (QStringList{QStringLiteral("All (*.*)")}));
    EXPECT_EQ(qtNameFilters("|*.nlg|dangling"), (QStringList{QStringLiteral("*.nlg *.NLG (*.nlg *.NLG)")}));
    EXPECT_TRUE(qtNameFilters("").isEmpty());
}

TEST(QtUi, MessageBoxesHaveNoTitleAndReturnTheButtonPressed)
{
    QtUi ui;
    QString title = QStringLiteral("unset");
    QString text;
    whenModal([&](QWidget* w) {
        title = w->windowTitle();
        text = static_cast<QMessageBox*>(w)->text();
        QTest::keyClick(w, Qt::Key_Return);
    });
    EXPECT_EQ(ui.message("Uložit?", MsgButtons::YesNoCancel, MsgIcon::Question, MsgDefault::Second), MsgAnswer::No);
    EXPECT_TRUE(title.isEmpty());
    EXPECT_EQ(text, QStringLiteral("Uložit?"));

    whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(ui.message("?", MsgButtons::YesNoCancel), MsgAnswer::Cancel);
    whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    EXPECT_EQ(ui.message("?", MsgButtons::AbortRetryIgnore, MsgIcon::Critical, MsgDefault::Third), MsgAnswer::Ignore);
    whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    EXPECT_EQ(ui.message("ok"), MsgAnswer::Ok);
}

TEST(QtUi, QtsOwnButtonsSpeakCzechOnceTheTranslationsAreInstalled)
{
    ASSERT_TRUE(installCzechQtTranslations(*qApp));
    QtUi ui;
    QStringList buttons;
    whenModal([&](QWidget* w) {
        for (QAbstractButton* b : static_cast<QMessageBox*>(w)->buttons()) buttons << b->text().remove('&');
        QTest::keyClick(w, Qt::Key_Escape);
    });
    ui.message("?", MsgButtons::YesNoCancel);
    EXPECT_TRUE(buttons.contains(QStringLiteral("Ano"))) << buttons.join(',').toStdString();
    EXPECT_TRUE(buttons.contains(QStringLiteral("Ne"))) << buttons.join(',').toStdString();
}

TEST(QtUi, FileDialogStartsInTheResolvedDirectoryWithTheFilters)
{
    std::string t = (fs::temp_directory_path() / "salon-qt-XXXXXX").string();
    const fs::path root = mkdtemp(t.data());
    fs::create_directory(root / "Foto");
    std::ofstream(root / "Foto" / "a.JPG") << "x";
    DriveTable saved = DriveTable::current();
    DriveTable::current().set('D', root);

    QtUi ui;
    QStringList filters;
    QString dir;
    whenModal([&](QWidget* w) {
        auto* d = static_cast<QFileDialog*>(w);
        filters = d->nameFilters();
        dir = d->directory().absolutePath();
        d->selectNameFilter(filters.value(1));
        d->selectFile(QString::fromStdString((root / "Foto" / "a.JPG").string()));
        QMetaObject::invokeMethod(d, "accept");
    });
    FileDialogRequest req;
    req.filter = "BMP|*.BMP|JPG|*.JPG|";
    req.initialDir = "D:\\foto\\";
    req.fileMustExist = true;
    auto answer = ui.chooseFile(req);
    DriveTable::current() = saved;
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(filters.size(), 2);
    EXPECT_EQ(dir.toStdString(), (root / "Foto").string());
    ASSERT_EQ(answer->files.size(), 1u);
    EXPECT_EQ(fs::path(answer->files[0]).filename(), "a.JPG");
    EXPECT_EQ(answer->filterIndex, 2);

    whenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    EXPECT_FALSE(ui.chooseFile(req).has_value());
    fs::remove_all(root);
}

TEST(QtUi, CursorsOverrideTheApplicationUntilReset)
{
    {
        QtUi ui;
        ui.setCursor(Cursor::Hourglass);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        ui.setCursor(Cursor::Cross);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
        ui.setCursor(Cursor::Default);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        ui.setCursor(Cursor::Hourglass);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "a destroyed Ui leaves no cursor behind";
}

TEST(QtUi, PrintingToAPdfFileNeedsNoDialog)
{
    const fs::path pdf = fs::temp_directory_path() / ("salon-print-" + std::to_string(::getpid()) + ".pdf");
    QtUi ui;
    auto job = ui.startPrint(PrintRequest{"result", pdf.string()});
    ASSERT_NE(job, nullptr);
    EXPECT_EQ(job->dpiX(), 600);
    EXPECT_GT(job->pageWidth(), 4000);
    EXPECT_GT(job->pageHeight(), job->pageWidth());
    Bitmap red = Bitmap::rgb24(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) red.setPixel(x, y, 0x0000FF);
    job->drawPicture(red, 0, 0, job->pageWidth(), job->pageHeight());
    EXPECT_TRUE(job->finish());
    std::ifstream in(pdf, std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    EXPECT_EQ(head, "%PDF");

    // With poppler's renderer at hand, the page shows the picture.
    const QString png = QString::fromStdString(pdf.string() + "-page");
    if (QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("10"), QStringLiteral("-png"),
                                                       QStringLiteral("-singlefile"), QString::fromStdString(pdf.string()), png}) == 0) {
        QImage page(png + QStringLiteral(".png"));
        ASSERT_FALSE(page.isNull());
        const QColor c = page.pixelColor(page.width() / 2, page.height() / 2);
        EXPECT_GT(c.red(), 240);  // the PDF may carry the picture compressed
        EXPECT_LT(c.green(), 16);
        EXPECT_LT(c.blue(), 16);
        fs::remove(png.toStdString() + ".png");
    }
    fs::remove(pdf);
}
