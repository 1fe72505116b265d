// The editor as the program runs it: the real engine on the demo drive behind the window logic,
// and the Qt view driven by synthetic mouse and key events (offscreen platform).
#include "editor/engine/Engine.h"
#include "editor/shell/Editor.h"
#include "editor/shell/EngineAdapter.h"
#include "editor/shell/qt/MainWindow.h"
#include "editor/shell/texts/Texts.h"
#include "platform/qt/QtImage.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace salon {
namespace {

struct NoModalHost : EditorHost {
    int helps = 0, ends = 0;
    void showCatalogue(CatalogueForm& f) override { f.Command1_Click(); }
    void showQuestion(QuestionForm& f) override { f.Command3_Click(); }
    void showHelp() override { ++helps; }
    void endProgram() override { ++ends; }
};

struct EditorView : ::testing::Test {
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "shell_view_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }

    ScriptedUi ui;
    Engine engine{ui};
    EngineAdapter adapter{engine};
    NoModalHost host;
    Editor editor{adapter, ui, host};
    std::vector<int32_t> hints;

    void SetUp() override
    {
        editor.commands.showHint = [this](int32_t t) { hints.push_back(t); };
        ASSERT_TRUE(editor.Form_Load({"/D"}, "/opt/salon", {0, 0, 1024 * 15, 768 * 15}));
        adapter.rightFrameLeft = rightAreaLeft(editor.layout);
        adapter.setViewFrame(editor.layout.PictureW, editor.layout.PictureH);
        ASSERT_TRUE(ui.messages.empty()) << ui.messages.front().text;
    }

    bool loadDemo()
    {
        return editor.loadChosenModel("D:\\DS1\\DA001.DSL") && editor.loadPhotoFile("D:\\photos\\face.jpg");
    }

    static QPoint centreOf(const Control& c) { return {c.Left + c.Width / 2, c.Top + c.Height / 2}; }
};

TEST_F(EditorView, ModelAndPhotoFromTheDemoDriveFillBothViews)
{
    EXPECT_EQ(editor.DataDrive, "D");
    ASSERT_GE(editor.CatalogueCodes.size(), 2u);
    ASSERT_TRUE(loadDemo());
    EXPECT_EQ(engine.EditMode, 2);
    EXPECT_TRUE(engine.ModelLoaded && engine.FaceLoaded);
    EXPECT_FALSE(editor.form.Timer2.Enabled);
    EXPECT_FALSE(editor.form.Image1[0].Visible || editor.form.Image1[1].Visible);
    // Both views have the fitted size and stand centred in their halves, level with each other.
    const Surface& left = engine.Surfaces[0];
    const Surface& right = engine.Surfaces[4];
    EXPECT_EQ(left.width(), right.width());
    EXPECT_LE(right.width(), editor.layout.PictureW);
    EXPECT_LE(right.height(), editor.layout.PictureH);
    EXPECT_EQ(editor.form.Picture2.Width, right.width());
    EXPECT_EQ(editor.form.Picture2.Left - rightAreaLeft(editor.layout), editor.form.Picture1.Left - 5);
    EXPECT_EQ(editor.form.Picture1.Top, editor.form.Picture2.Top);
    const Rect cut = engine.CutRgn->bounds();
    EXPECT_GT(engine.CutCentreX, cut.left);
    EXPECT_LT(engine.CutCentreX, cut.right);
}

// Opening the demo photo into a model places its face by itself; Backspace brings back the start
// every photo had before: scale 1 at the model's top-left corner.
TEST_F(EditorView, TheOpenedPhotoIsPlacedAndBackspaceReturnsToTheStart)
{
    ASSERT_TRUE(loadDemo());
    MainWindow window(editor);
    window.syncFromModel();
    window.show();
    EXPECT_EQ(engine.HistoryCount, 1);
    EXPECT_NE(engine.ScaleX, 1.0f);
    EXPECT_TRUE(editor.form.Status.Visible);
    EXPECT_EQ(editor.form.Status.Caption, ResText(83));

    QTest::keyClick(&window, Qt::Key_Backspace);
    EXPECT_EQ(engine.ScaleX, 1.0f);
    EXPECT_EQ(engine.ScaleY, 1.0f);
    EXPECT_EQ(engine.FaceX, 0);
    EXPECT_EQ(engine.FaceY, 0);
    EXPECT_EQ(engine.Angle, 0.0f);
    EXPECT_EQ(engine.HistoryCount, 0);
}

TEST_F(EditorView, MouseAndKeysThroughTheWindowReachTheHandlers)
{
    ASSERT_TRUE(loadDemo());
    MainWindow window(editor);
    window.syncFromModel();
    window.show();

    QTest::mouseClick(&window, Qt::LeftButton, {}, centreOf(editor.form.Funkce[11]));
    ASSERT_EQ(engine.EditMode, 10);
    EXPECT_EQ(editor.form.Funkce[11].BorderStyle, 1);
    const Bitmap before = engine.Surfaces[5].image();
    // The face was placed automatically when the demo photo met the model: steps count from there.
    const int32_t x0 = engine.FaceX, y0 = engine.FaceY;

    // A held coarse arrow: pressed look while down, one step at once, released on mouse-up.
    const QPoint right = centreOf(editor.form.SSipka[3]);
    QTest::mousePress(&window, Qt::LeftButton, {}, right);
    EXPECT_EQ(editor.form.SSipka[3].BorderStyle, 1);
    EXPECT_EQ(engine.FaceX, x0 + 10);
    EXPECT_EQ(engine.RepeatCode, 23);  // drawn, waiting for the next tick
    QTest::mouseRelease(&window, Qt::LeftButton, {}, right);
    EXPECT_EQ(editor.form.SSipka[3].BorderStyle, 0);
    EXPECT_EQ(engine.RepeatCode, 0);
    EXPECT_NE(engine.Surfaces[5].image(), before);

    QTest::mouseClick(&window, Qt::LeftButton, Qt::ShiftModifier, centreOf(editor.form.Sipka[1]));
    EXPECT_EQ(engine.FaceY, y0 + 30);
    QTest::keyClick(&window, Qt::Key_Backspace);
    EXPECT_EQ(engine.FaceY, y0);

    hints.clear();
    QTest::mouseClick(&window, Qt::RightButton, {}, centreOf(editor.form.Funkce[2]));
    EXPECT_EQ(hints, std::vector<int32_t>{2});
    EXPECT_EQ(host.helps, 1);
    EXPECT_EQ(engine.EditMode, 10);

    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_TRUE(editor.form.Picture3[0].Visible);
    const QImage full = window.grab().toImage();
    EXPECT_EQ(full.pixelColor(2, 2), QColor(0, 0, 0));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(editor.form.Picture3[0].Visible);

    // The result view is what the window shows at the picture's place.
    const QImage shown = window.grab().toImage();
    const QImage result = toQImage(engine.Surfaces[4].image());
    const QPoint at(editor.form.Picture2.Left + 20, editor.form.Picture2.Top + 20);
    EXPECT_EQ(shown.pixelColor(at), result.pixelColor(20, 20));
}

TEST_F(EditorView, GuideLineIsDrawnInvertedAndRotatesTheFace)
{
    ASSERT_TRUE(loadDemo());
    MainWindow window(editor);
    window.syncFromModel();
    window.show();
    QTest::mouseClick(&window, Qt::LeftButton, {}, centreOf(editor.form.Funkce[14]));
    ASSERT_EQ(engine.EditMode, 13);

    const QPoint origin(editor.form.Picture1.Left, editor.form.Picture1.Top);
    const Bitmap view = engine.Surfaces[0].image();
    QTest::mousePress(&window, Qt::LeftButton, {}, origin + QPoint(100, 60));
    QTest::mouseMove(&window, origin + QPoint(140, 100));
    QTest::mouseMove(&window, origin + QPoint(160, 140));
    // The line from the press to the mouse is the inverse of the picture under it; the one drawn
    // on the way there is gone again.
    const uint32_t under = view.pixel(130, 100), now = engine.Surfaces[0].image().pixel(130, 100);
    EXPECT_EQ(now, under ^ 0xFFFFFFu);
    EXPECT_EQ(engine.Surfaces[0].image().pixel(120, 80), view.pixel(120, 80));
    window.grab().save(QString(SALON_BINARY_DIR) + "/tests/shell/guide-line.png");
    QTest::mouseRelease(&window, Qt::LeftButton, {}, origin + QPoint(160, 140));
    const float line = engine.LineAngle;
    EXPECT_NEAR(line, 90.0f - 53.130102f, 1e-3);  // 60 across, 80 down: 36.87 degrees off the vertical

    const float angleBefore = engine.Angle;
    QTest::mouseClick(&window, Qt::LeftButton, {}, centreOf(editor.form.Tlac[0]));
    EXPECT_FLOAT_EQ(engine.Angle, angleBefore + line - engine.ModelAngle);
    EXPECT_EQ(engine.LineAngle, 0.0f);
}

} // namespace
} // namespace salon
