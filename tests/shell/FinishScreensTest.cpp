// Pictures of the stamp in use, an open palette with crosses and the help window over the real
// editor window, on the demo data drive. They are written to <build>/screens/ for people to look
// at; the checks here only make sure each picture shows what it is meant to.
#include "editor/engine/Engine.h"
#include "editor/shell/Editor.h"
#include "editor/shell/EngineAdapter.h"
#include "editor/shell/HelpCommands.h"
#include "editor/shell/HelpFile.h"
#include "editor/shell/SaveAndPrintCommands.h"
#include "editor/shell/StampPanel.h"
#include "editor/shell/SwatchCommands.h"
#include "editor/engine/Swatches.h"
#include "editor/shell/qt/ButtonFaces.h"
#include "editor/shell/qt/HelpPictures.h"
#include "editor/shell/qt/HelpView.h"
#include "editor/shell/qt/MainWindow.h"
#include "editor/shell/qt/PrintContactSheet.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/qt/QtImage.h"
#include "platform/qt/QtUi.h"
#include "platform/PictureFile.h"
#include "editor/shell/PrintCommand.h"

#ifdef SALON_HAVE_PIKVALT
#include "resbitmaps/SuObrTR.h"
#endif

#include <gtest/gtest.h>

#include <QApplication>

namespace salon {
namespace {

QApplication& app()
{
    static int argc = 1;
    static char name[] = "finish_screens";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own statics go first at exit, and tearing the application down after
    // them crashes.
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

std::filesystem::path screens()
{
    const auto d = std::filesystem::path(SALON_BINARY_DIR) / "screens";
    std::filesystem::create_directories(d);
    return d;
}

struct Host : EditorHost {
    void showCatalogue(CatalogueForm&) override {}
    void showQuestion(QuestionForm& form) override { form.Command3_Click(); }
    void showHelp() override {}
    void endProgram() override {}
};

class FinishScreens : public ::testing::Test {
protected:
    ScriptedUi ui;
    Engine engine{ui};
    EngineAdapter adapter{engine};
    Host host;
    Editor editor{adapter, ui, host};
    StampPanel stamp{editor, engine, ui};
    SwatchCommands swatches{editor, engine, ui};
    std::unique_ptr<HelpCommands> help;
#ifdef SALON_HAVE_PIKVALT
    pikvalt::SuObrTR pikvalt;
#endif
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        app();
        if (!FileExists("D:\\dslob00.aob")) GTEST_SKIP() << "no demo data drive";
        auto resources = [this](int32_t id) -> Bitmap {
#ifdef SALON_HAVE_PIKVALT
            if (id >= 10 && id <= 21) return pikvalt.LtRscB(id);
#endif
            if (id >= 50 && id <= 65) return helpPicture(id);
            return fromQImage(editorResourcePicture(id));
        };
        editor.resourceBitmap = resources;
        engine.resourceBitmap = resources;
        stamp.install();
        swatches.install();
        help = std::make_unique<HelpCommands>(editor, std::filesystem::path(SALON_BINARY_DIR) / "editor/shell" / HelpFileName);
        help->install();
        const std::string programDir = std::string(SALON_BINARY_DIR) + "/editor/shell/";
        ASSERT_TRUE(editor.Form_Load({"/D"}, programDir, WorkArea{0, 0, 1280 * 15, 760 * 15}));
        window = std::make_unique<MainWindow>(editor);
        adapter.rightFrameLeft = rightAreaLeft(editor.layout);
        adapter.setViewFrame(editor.layout.PictureW, editor.layout.PictureH);
        window->syncFromModel();
        window->show();
    }

    void load(const char* model)
    {
        ASSERT_TRUE(editor.loadChosenModel(model));
        ASSERT_TRUE(editor.loadPhotoFile("D:\\photos\\face.jpg"));
        // The face of the sample photo (its box 105, 96, 115 x 126) set onto the cut-out's centre,
        // as a person would place it with the arrows.
        const float scale = 1.4f;
        engine.ScaleX = engine.ScaleY = scale;
        engine.FaceX = engine.CutCentreX - roundHalfEven((105 + 57.5f) * scale);
        engine.FaceY = engine.CutCentreY - roundHalfEven((96 + 70.0f) * scale);
        adapter.RebuildResult();
        editor.ShowPanel(engine.EditMode);
    }
    void click(int funkce, int button = LeftButton)
    {
        editor.Funkce_MouseDown(funkce, button, 0, 0, 0);
        editor.Funkce_MouseUp(funkce, button, 0, 0, 0);
    }
    QImage shot(const char* name)
    {
        window->syncFromModel();
        app().processEvents();
        QImage img = window->grab().toImage();
        img.save(QString::fromStdString((screens() / name).string()));
        return img;
    }
};

TEST_F(FinishScreens, StampInUse)
{
    load("D:\\DS1\\DA002.DSL");
    click(2);
    editor.OblImg_MouseDown(0, LeftButton, 0, 0, 0);
    editor.OblImg_MouseUp(0, LeftButton, 0, 0, 0);
    click(4);
    ASSERT_EQ(engine.EditMode, 6);
    const PictureBox& v = editor.form.Picture2;
    // Sample from the neck, then smooth the seam under the chin with coarse coverage: one click,
    // then a stroke with Shift held, undone as one step.
    editor.commands.Picture2_MouseDown(0, RightButton, 0, v.Width / 2, v.Height * 44 / 63);
    editor.commands.QSipka_MouseUp(1, LeftButton, 0, 0, 0);
    const Bitmap before = engine.Surfaces[Composite].readRows();
    for (int k = 0; k < 12; ++k)
        editor.commands.Picture2_MouseDown(0, LeftButton, k ? ShiftKey : 0, v.Width / 2 - 60 + 10 * k, v.Height * 38 / 63);
    EXPECT_NE(engine.Surfaces[Composite].readRows(), before);
    EXPECT_TRUE(editor.form.PicStopa.Visible);
    shot("stamp-in-use.png");
}

TEST_F(FinishScreens, OpenPaletteWithCrosses)
{
    load("D:\\DS1\\DA005.DSL");  // the up-do takes only the lighter swatches
    ASSERT_NE(engine.RangeFlag, 0);
    click(2);
    editor.OblImg_MouseDown(0, LeftButton, 0, 0, 0);
    editor.OblImg_MouseUp(0, LeftButton, 0, 0, 0);
    click(3);
    editor.commands.BarImg_MouseDown(0, LeftButton, 0, 0, 0);
    editor.commands.BarImg_MouseUp(0, LeftButton, 0, 0, 0);
    ASSERT_TRUE(editor.form.Vzornik[0].Visible);
    // A usable swatch recolours the hair under the open strip.
    for (int k = 0; k < SwatchesPerBank; ++k)
        if (!swatchCrossed(SwatchValue(k), {engine.RangeFlag, engine.RangeLow, engine.RangeHigh})) {
            editor.commands.Vzornik_MouseDown(0, LeftButton, 0, 110 * k + 55, 20);
            break;
        }
    EXPECT_NE(engine.HairChoice, 0u);
    shot("palette-open.png");
}

TEST_F(FinishScreens, HelpWindowOverTheEditor)
{
    load("D:\\DS1\\DA001.DSL");
    editor.Form_KeyDown(112, 0);  // F1
    HelpWindow w(editor.resourceBitmap, window.get());
    w.showPage(help->pages);
    w.show();
    app().processEvents();
    EXPECT_EQ(help->pages.pictureId, 57);
    w.grab().save(QString::fromStdString((screens() / "help-general.png").string()));
}

TEST_F(FinishScreens, SavedBitmapAndPrintedPdfOfTheResult)
{
    load("D:\\DS1\\DA001.DSL");
    click(2);
    editor.OblImg_MouseDown(0, LeftButton, 0, 0, 0);
    editor.OblImg_MouseUp(0, LeftButton, 0, 0, 0);
    SaveAndPrintCommands files(editor, engine, ui);
    files.install();
    const std::filesystem::path bmp = screens() / "result.bmp";
    ui.fileAnswers.push_back(FileDialogAnswer{{bmp.string()}, 1});
    click(8);
    auto saved = loadPicture(bmp);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.value().width, engine.ModelW);
    EXPECT_EQ(saved.value().height, engine.ModelH);
    // The PDF goes through the real print path of the desktop (Qt's PDF printer).
    QtUi qtUi;
    const std::filesystem::path pdf = screens() / "result.pdf";
    std::filesystem::remove(pdf);
    EXPECT_EQ(PrintResult(qtUi, engine.Surfaces[Composite].readRows(), pdf.string()), PrintOutcome::Printed);
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

TEST_F(FinishScreens, ContactSheetOfACategoryFromTheCatalogueButton)
{
    std::string last;
    EXPECT_FALSE(printContactSheet(ui, "D", 0, "", last));  // no photo yet: told, nothing asked
    EXPECT_TRUE(ui.fileRequests.empty());
    const std::filesystem::path png = screens() / "contact-sheet.png";
    std::filesystem::remove(png);
    ui.fileAnswers.push_back(FileDialogAnswer{{png.string()}, 1});
    ASSERT_TRUE(printContactSheet(ui, "D", 0, "D:\\photos\\face.jpg", last));
    const QImage sheet(QString::fromStdString(png.string()));
    EXPECT_GT(sheet.width(), 400);
    EXPECT_EQ(last, png.string());
}

} // namespace
} // namespace salon
