// prevu1, the presentation of the salon: menu screens with hover balloons, videos, the narrated
// slideshow and the buttons that start the editor (frizet01 beside this program).
//
//   prevu1                                   the presentation on the first drive holding Dslob00.aob
//   prevu1 --show balloon|shaped|shaped2|info|video|editor [--screenshot FILE.png]
//
// --show puts the presentation in a state (a balloon over the menu, the first or second shaped
// photo of the slideshow, the information window, the first menu video) or clicks the editor's button of the
// second screen; --screenshot saves the screen as a PNG about two seconds later and ends. Both are
// for looking at the program without a person.
#include "platform/Paths.h"
#include "platform/Version.h"
#include "platform/qt/QtUi.h"
#include "presentation/EditorLaunch.h"
#include "presentation/Presentation.h"
#include "presentation/pixol/PixolLink.h"
#include "presentation/qt/InfoDialog.h"
#include "presentation/qt/Pictures.h"
#include "presentation/qt/PresentationUi.h"
#include "presentation/qt/PresentationWindow.h"
#include "presentation/qt/VideoDialog.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdlib>
#include <iostream>

namespace prevu {
namespace {

class QtHost : public PresentationHost {
public:
    Presentation* presentation = nullptr;
    PresentationWindow* window = nullptr;
    salon::Ui* ui = nullptr;
    WorkArea workArea;

    void showVideo(const std::string& windowsPath) override
    {
        VideoDialog dialog(windowsPath, *ui, window);
        dialog.move(window->mapToGlobal(QPoint(presentation->videoLeft(320), presentation->videoTop(240))));
        dialog.exec();
    }
    void showInformation() override
    {
        InfoWindow info(presentation->DataRoot, [this](const std::string& file) { showVideo(file); });
        info.Form_Load(presentation->ResolutionClass, workArea.left, workArea.top, workArea.width, workArea.height);
        InfoDialog dialog(info, window);
        dialog.move(info.form.Left, info.form.Top);
        dialog.exec();
        info.Form_Unload();
    }
    bool startProgram(const std::string& program, const std::vector<std::string>& args) override
    {
        return prevu::startProgram(program, args);
    }
    void closeWindow() override { QTimer::singleShot(0, window, [w = window] { w->endByProgram(); }); }
};

const char* const Help =
    "prevu1 - the presentation of the virtual hair salon\n"
    "\n"
    "  prevu1                 the presentation on the first fixed or CD-ROM drive whose root holds\n"
    "                         Dslob00.aob (the drive table: SALON_DRIVES=\"D=/srv/salon;E=/media/cdrom\")\n"
    "  prevu1 --show STATE [--screenshot FILE.png]\n"
    "                         put the presentation in a state: balloon (a hover balloon over the menu),\n"
    "                         shaped or shaped2 (the first or second shaped photo of the slideshow),\n"
    "                         info (the information window), video (the first menu video) or editor\n"
    "                         (the editor's button of the second screen)\n"
    "      --screenshot FILE.png\n"
    "                         save the screen as a PNG about two seconds after the start and end\n"
    "  prevu1 --help          this text\n"
    "  prevu1 --version       the version number\n"
    "\n"
    "The buttons that start the salon run frizet01 from this program's folder. Without a data drive\n"
    "the program asks to retry or cancel; cancel ends with exit status 2.\n";

void show(Presentation& p, const std::string& what)
{
    if (what == "balloon") {
        const HotArea& a = p.Areas[3];
        p.Form_MouseMove(0, 0, (a.rect.left + a.rect.right) / 2, (a.rect.top + a.rect.bottom) / 2);
    } else if (what == "shaped" || what == "shaped2") {
        p.ShowScreen(4);
        p.RunProg(41);
        const int32_t last = what == "shaped" ? 6 : 15;
        while (p.CurrentScreen == 5 && p.Step <= last) p.Povel();
    } else if (what == "info") {
        const HotArea& a = p.Areas[9];
        p.Form_MouseUp(LeftButton, 0, a.rect.left + 10, a.rect.top + 10);
    } else if (what == "video") {
        p.RunProg(12);
    } else if (what == "editor") {
        p.ShowScreen(2);
        const HotArea& a = p.Areas[0];
        p.Form_MouseUp(LeftButton, 0, a.rect.left + 5, a.rect.top + 5);
    }
}

} // namespace
} // namespace prevu

int main(int argc, char** argv)
{
    using namespace prevu;
    if (salon::asksForVersion(argc, argv)) {
        std::cout << salon::versionLine("prevu1");
        return 0;
    }
    if (argc >= 2 && std::string(argv[1]) == "--help") {
        std::cout << Help;
        return 0;
    }
    QApplication app(argc, argv);
    std::string showWhat, screenshot;
    for (int i = 1; i + 1 < argc; ++i) {
        std::string a = argv[i];
        if (a == "--show") showWhat = argv[++i];
        else if (a == "--screenshot") screenshot = argv[++i];
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect all = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QRect avail = screen ? screen->availableGeometry() : all;
    // The library publishes the screen it is told about; tell it the real one.
    const std::string size = std::to_string(all.width()) + "x" + std::to_string(all.height());
    setenv("PIXOL_SCREEN", size.c_str(), 0);

    PixolLink library;
    PresentationUi ui;
    QtHost host;
    host.ui = &ui;
    host.workArea = {avail.left(), avail.top(), avail.width(), avail.height()};
    Resources resources{presentationBitmap, balloonSettings(0), balloonSettings(1)};
    Presentation presentation(library, ui, host, resources);
    host.presentation = &presentation;
    library.library().useUi(&ui);

    const std::string programDir = salon::programDirectory().string();
    if (!presentation.Form_Load(programDir, host.workArea, all.width(), all.height())) return 2;
    PresentationWindow window(presentation);
    host.window = &window;
    window.sync();
    window.move(presentation.form.Left, presentation.form.Top);
    window.show();

    if (!screenshot.empty()) {
        QTimer::singleShot(2500, &window, [&] {
            QPixmap shot = QGuiApplication::platformName() == "xcb" && screen ? screen->grabWindow(0) : window.grab();
            const bool ok = shot.save(QString::fromStdString(screenshot));
            std::cerr << (ok ? "prevu1: screenshot written to " : "prevu1: cannot write ") << screenshot << '\n';
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
            window.endByProgram();
            app.exit(ok ? 0 : 1);
        });
    }
    if (!showWhat.empty())
        QTimer::singleShot(300, &window, [&] {
            show(presentation, showWhat);
            window.sync();
        });
    return app.exec();
}
