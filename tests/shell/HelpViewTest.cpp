#include "editor/shell/HelpFile.h"
#include "editor/shell/HelpPages.h"
#include "editor/shell/qt/HelpPictures.h"
#include "editor/shell/qt/HelpView.h"
#include "platform/qt/QtImage.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTextBlock>
#include <QTextEdit>

#include <set>

namespace salon {
namespace {

QApplication& app()
{
    static int argc = 1;
    static char name[] = "help_view_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own statics go first at exit, and tearing the application down after
    // them crashes.
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

const std::filesystem::path builtHelp = std::filesystem::path(SALON_BINARY_DIR) / "editor/shell" / HelpFileName;

TEST(HelpPicturesTest, SixteenDistinctPicturesOfFixedSizeAndNoneOutside)
{
    app();
    std::set<std::vector<uint8_t>> seen;
    for (int32_t id = 50; id <= 65; ++id) {
        const Bitmap b = helpPicture(id);
        ASSERT_EQ(b.width, HelpPictureWidth) << id;
        ASSERT_EQ(b.height, HelpPictureHeight) << id;
        seen.insert(b.pixels);
    }
    EXPECT_EQ(seen.size(), 16u);
    // All sixteen side by side, for people to look at.
    QImage sheet(4 * HelpPictureWidth, 4 * HelpPictureHeight, QImage::Format_RGB32);
    QPainter p(&sheet);
    for (int32_t k = 0; k < 16; ++k)
        p.drawImage((k % 4) * HelpPictureWidth, (k / 4) * HelpPictureHeight, toQImage(helpPicture(50 + k)));
    p.end();
    std::filesystem::create_directories(std::filesystem::path(SALON_BINARY_DIR) / "screens");
    sheet.save(QString::fromStdString((std::filesystem::path(SALON_BINARY_DIR) / "screens" / "help-pictures.png").string()));
    EXPECT_TRUE(helpPicture(49).isNull());
    EXPECT_TRUE(helpPicture(66).isNull());
}

TEST(HelpWindowTest, ShowsThePageCentredWithThePictureOfItsTopic)
{
    app();
    HelpPages pages;
    pages.helpFile = builtHelp;
    ASSERT_TRUE(pages.ShowHint(4));
    HelpWindow w(helpPicture);
    w.showPage(pages);
    const QString text = w.textBox()->toPlainText();
    EXPECT_TRUE(text.contains(QString::fromUtf8("RAZÍTKO"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("pravým")));
    for (QTextBlock b = w.textBox()->document()->begin(); b.isValid(); b = b.next())
        EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    ASSERT_FALSE(w.pictureBox()->pixmap().isNull());
    EXPECT_EQ(w.pictureBox()->pixmap().width(), HelpPictureWidth);

    // Kept as a picture of the window for people to look at.
    w.show();
    app().processEvents();
    std::filesystem::create_directories(std::filesystem::path(SALON_BINARY_DIR) / "screens");
    w.grab().save(QString::fromStdString(
        (std::filesystem::path(SALON_BINARY_DIR) / "screens" / "help-window.png").string()));
}

TEST(HelpWindowTest, QuestionPageFillsAnyTextBox)
{
    app();
    HelpPages pages;
    pages.helpFile = builtHelp;
    pages.ShowHint(16);
    QTextEdit box;
    setHelpText(&box, pages.form3Text);
    EXPECT_TRUE(box.toPlainText().contains(QString::fromUtf8("Tuto zprávu již nezobrazovat")));
}

} // namespace
} // namespace salon
