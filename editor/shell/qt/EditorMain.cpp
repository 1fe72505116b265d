// The interactive editor: Qt application, engine, components and the main window.
//
//   frizet01 /D                      the editor on data drive D
//   frizet01 /D --model PATH --photo PATH [--place X,Y,S] [--mode N] [--screenshot FILE.png]
//   frizet01 --faces FILE.png
//
// --model and --photo start the editor with that model and photo set in, as if chosen by hand;
// --place scales the face by S and puts the photo point (X, Y) on the centre of the cut-out;
// --mode selects a command button's mode afterwards (a Funkce index, e.g. 11 for move);
// --screenshot saves the window as a PNG once it is shown and ends; --faces saves the button
// faces as one sheet and ends.
#include "editor/shell/EditorMain.h"

#include "editor/engine/Engine.h"
#include "editor/shell/Editor.h"
#include "editor/shell/EngineAdapter.h"
#include "editor/shell/HelpCommands.h"
#include "editor/shell/HelpFile.h"
#include "editor/shell/SaveAndPrintCommands.h"
#include "editor/shell/StampPanel.h"
#include "editor/shell/SwatchCommands.h"
#include "editor/shell/qt/ButtonFaces.h"
#include "editor/shell/qt/HelpPictures.h"
#include "editor/shell/qt/HelpView.h"
#include "editor/shell/qt/PrintContactSheet.h"
#include "editor/shell/qt/Dialogs.h"
#include "editor/shell/qt/EditorHost.h"
#include "editor/shell/qt/MainWindow.h"
#include "platform/Installation.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/qt/QtTranslations.h"
#include "platform/qt/QtImage.h"
#include "platform/qt/QtUi.h"

#ifdef SALON_HAVE_TRIMLET
#include "crop/CropObraz.h"
#endif
#ifdef SALON_HAVE_PIKVALT
#include "resbitmaps/SuObrTR.h"
#endif

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <cstdio>
#include <iostream>
#include <optional>

namespace salon {

void QtEditorHost::showCatalogue(CatalogueForm& form)
{
    CatalogueDialog dialog(form, window);
    dialog.contactSheet = contactSheet;
    dialog.sync();
    dialog.exec();
}

void QtEditorHost::showQuestion(QuestionForm& form)
{
    QuestionDialog dialog(form, window);
    dialog.exec();
}

void QtEditorHost::showHelp()
{
    if (helpWindow)
        helpWindow();
}

void QtEditorHost::endProgram()
{
    if (window)
        window->endByProgram();
}

namespace {

#ifdef SALON_HAVE_TRIMLET
// The crop component, created for each oversized photo and released after it, as the editor does.
class TrimletCropper final : public PhotoCropper {
public:
    int32_t HairFoto(const std::string& Jme1, const std::string& Jme2, int32_t Tleft, int32_t TTop,
                     int32_t TJaz) override
    {
        trimlet::CropObraz crop;
        const int32_t r = crop.HairFoto(Jme1, Jme2, Tleft, TTop, TJaz);
        m_written = r != 0 && crop.writtenPath() != Jme2 ? crop.writtenPath() : std::string{};
        return r;
    }
    std::string writtenPath() const override { return m_written; }

private:
    std::string m_written;
};
#endif

struct Options {
    std::vector<std::string> commandLine;
    std::string model, photo, screenshot, faces;
    int mode = -1;
    std::optional<std::array<float, 3>> place;
};

Options parseOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&](std::string& into) {
            if (i + 1 < argc)
                into = argv[++i];
        };
        if (a == "--model") next(o.model);
        else if (a == "--photo") next(o.photo);
        else if (a == "--screenshot") next(o.screenshot);
        else if (a == "--faces") next(o.faces);
        else if (a == "--mode" && i + 1 < argc) o.mode = std::atoi(argv[++i]);
        else if (a == "--place" && i + 1 < argc) {
            std::array<float, 3> v{0, 0, 1};
            if (std::sscanf(argv[++i], "%f,%f,%f", &v[0], &v[1], &v[2]) >= 2 && v[2] > 0)
                o.place = v;
        }
        else o.commandLine.push_back(a);
    }
    return o;
}

WorkArea workAreaOf(const QScreen* screen)
{
    const QRect r = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return {r.x() * TwipsPerPixel, r.y() * TwipsPerPixel, r.width() * TwipsPerPixel, r.height() * TwipsPerPixel};
}

int32_t depthMode(const QScreen* screen)
{
    const int depth = screen ? screen->depth() : 24;
    return depth == 16 ? 1 : depth == 15 ? 2 : 0;
}

} // namespace

int runEditor(int argc, char** argv)
{
    QApplication app(argc, argv);
    installCzechQtTranslations(app);
    const Options opt = parseOptions(argc, argv);
    if (!opt.faces.empty())
        return buttonFaceSheet().save(QString::fromStdString(opt.faces)) ? 0 : 1;

    QtUi ui;
    Engine engine(ui);
    EngineAdapter adapter(engine);
    QtEditorHost host;
    Editor editor(adapter, ui, host);

#ifdef SALON_HAVE_PIKVALT
    pikvalt::SuObrTR pikvalt;
#endif
    auto resources = [&](int32_t id) -> Bitmap {
#ifdef SALON_HAVE_PIKVALT
        if (id >= 10 && id <= 21)
            return pikvalt.LtRscB(id);
#endif
        if (id >= 50 && id <= 65)
            return helpPicture(id);
        return fromQImage(editorResourcePicture(id));
    };
    editor.resourceBitmap = resources;
    engine.resourceBitmap = resources;
#ifdef SALON_HAVE_TRIMLET
    TrimletCropper cropper;
    engine.cropper = &cropper;
#endif

    QScreen* screen = QGuiApplication::primaryScreen();
    engine.DisplayDepthMode = depthMode(screen);
    const std::string programDir = programDirectory().string();
    engine.ProgramDir = programDirString(programDir);

    // Stamp, swatches, save, print and help plug into the window's command hooks.
    StampPanel stamp(editor, engine, ui);
    stamp.install();
    SwatchCommands swatches(editor, engine, ui);
    swatches.install();
    SaveAndPrintCommands files(editor, engine, ui);
    files.install();
    HelpCommands help(editor, suiteFile(programDir, HelpFileName));
    help.install();
#ifdef SALON_HAVE_SHEET
    std::string lastSheet;
    host.contactSheet = [&](int32_t category) {
        printContactSheet(ui, editor.DataDrive, category, engine.PhotoFile, lastSheet);
    };
#endif
    host.helpWindow = [&] {
        HelpWindow w(resources, host.window);
        w.showPage(help.pages);
        w.exec();
    };
    if (!editor.Form_Load(opt.commandLine, programDir, workAreaOf(screen)))
        return 1;

    MainWindow window(editor);
    host.window = &window;
    // The editor layout leaves the right frame at PanelX + 100; FitViews centres the result there.
    adapter.rightFrameLeft = rightAreaLeft(editor.layout);
    adapter.setViewFrame(editor.layout.PictureW, editor.layout.PictureH);
    window.move(editor.form.Left, editor.form.Top);
    window.syncFromModel();
    window.show();
    editor.Timer2_Timer();  // the first frame now rather than after a blank second
    window.syncFromModel();

    if (screen) {
        // A change of the display settings re-lays the window out; the work is kept.
        QObject::connect(screen, &QScreen::availableGeometryChanged, &window, [&](const QRect&) {
            editor.SysInfo1_DisplayChanged(workAreaOf(screen));
            adapter.rightFrameLeft = rightAreaLeft(editor.layout);
            adapter.setViewFrame(editor.layout.PictureW, editor.layout.PictureH);
            window.syncFromModel();
        });
    }

    QTimer::singleShot(0, &window, [&] {
        if (!opt.model.empty() && !editor.loadChosenModel(opt.model))
            std::cerr << "frizet01: the model " << opt.model << " was not loaded\n";
        if (!opt.photo.empty() && !editor.loadPhotoFile(opt.photo))
            std::cerr << "frizet01: the photo " << opt.photo << " was not loaded\n";
        if (opt.place && engine.FaceLoaded && engine.ModelLoaded) {
            const auto [x, y, scale] = *opt.place;
            engine.ScaleX = engine.ScaleY = scale;
            engine.FaceX = engine.CutCentreX - roundHalfEven(x * scale);
            engine.FaceY = engine.CutCentreY - roundHalfEven(y * scale);
            adapter.RebuildResult();
        }
        editor.ShowPanel(engine.EditMode);
        window.syncFromModel();
        if (!opt.screenshot.empty()) {
            // Scheduled before the mode click: a modal window (the catalogue, --mode 1) runs its own
            // loop, and the picture is taken while it is open.
            QTimer::singleShot(600, &window, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                QPixmap shot = screen && QGuiApplication::platformName() == "xcb" ? screen->grabWindow(0)
                                                                                  : window.grab();
                const bool ok = shot.save(QString::fromStdString(opt.screenshot));
                std::cerr << (ok ? "frizet01: screenshot written to " : "frizet01: cannot write ")
                          << opt.screenshot << '\n';
                if (modal)
                    modal->close();
                window.endByProgram();
                app.exit(ok ? 0 : 1);
            });
        }
        if (opt.mode >= 0 && opt.mode <= 15) {
            editor.Funkce_MouseDown(opt.mode, LeftButton, 0, 0, 0);
            editor.Funkce_MouseUp(opt.mode, LeftButton, 0, 0, 0);
        }
        window.syncFromModel();
    });
    return app.exec();
}

} // namespace salon
