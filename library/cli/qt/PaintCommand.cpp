// pixol paint [PICTURE] [--demo] [--screenshot FILE]: a window to try the library's brushes,
// strokes, clone stamp and figure tools on a picture. The window only shows the canvas and
// forwards the mouse; PaintSession does the painting through the library.
//   --demo        paints a few strokes, a stamp and a fill through the same event path
//   --screenshot  saves the window once shown and quits (for Xvfb runs)
#include "library/cli/Command.h"
#include "library/cli/PaintSession.h"
#include "library/cli/qt/CanvasView.h"

#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QMainWindow>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <iostream>

namespace pixol::cli {

namespace {

class PaintWindow : public QMainWindow {
public:
    explicit PaintWindow(PaintSession& session) : m_session(session)
    {
        setWindowTitle("Pixol paint");
        m_view = new CanvasView(session);
        setCentralWidget(m_view);
        auto* tools = addToolBar("Tools");
        auto* group = new QActionGroup(this);
        for (int t = 0; t < PaintSession::ToolCount; ++t) {
            auto tool = PaintSession::Tool(t);
            QAction* a = tools->addAction(PaintSession::toolName(tool), [this, tool] {
                m_session.setTool(tool);
                m_view->refresh();
                showHint();
            });
            a->setCheckable(true);
            a->setChecked(tool == session.tool());
            group->addAction(a);
        }
        auto* options = addToolBar("Options");
        options->addWidget(new QLabel(" Width "));
        auto* width = new QSpinBox;
        width->setRange(1, 300);
        width->setValue(session.width());
        connect(width, &QSpinBox::valueChanged, this, [this](int v) {
            m_session.setWidth(v);
            m_view->refresh();
        });
        options->addWidget(width);
        options->addAction("Colour...", [this] {
            const uint32_t c = m_session.colour();
            const QColor q = QColorDialog::getColor(QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF), this);
            if (q.isValid()) m_session.setColour(uint32_t(q.red()) | uint32_t(q.green()) << 8 | uint32_t(q.blue()) << 16);
        });
        showHint();
    }

    void refresh() { m_view->refresh(); }

private:
    void showHint()
    {
        const char* hint = "Drag to paint.";
        switch (m_session.tool()) {
        case PaintSession::Tool::Stamp: hint = "Right-click the source, then drag to clone."; break;
        case PaintSession::Tool::Polygon: hint = "Click the corners; right-click closes."; break;
        case PaintSession::Tool::Fill: hint = "Click an area to fill it."; break;
        default: break;
        }
        statusBar()->showMessage(hint);
    }

    PaintSession& m_session;
    CanvasView* m_view;
};

// Strokes, a stamp and a fill, sent as the mouse would send them.
void paintDemo(PaintSession& s)
{
    const int32_t w = s.canvas().drawableWidth(), h = s.canvas().drawableHeight();
    auto drag = [&](std::initializer_list<std::pair<int32_t, int32_t>> pts, int buttons = 1) {
        auto it = pts.begin();
        s.press(it->first, it->second, buttons);
        for (++it; it != pts.end(); ++it) s.move(it->first, it->second, buttons);
        s.release((pts.end() - 1)->first, (pts.end() - 1)->second, buttons);
    };
    s.setTool(PaintSession::Tool::Fill);
    s.setColour(0xF0E0C8);
    drag({{w - 5, h - 5}});
    s.setTool(PaintSession::Tool::Rectangle);
    s.setColour(0x40A0F0);
    drag({{w / 2 + 20, 30}, {w - 30, h / 3}});
    s.setTool(PaintSession::Tool::Brush);
    s.setWidth(24);
    s.setColour(0xC03020);
    drag({{30, h - 60}, {90, h - 110}, {160, h - 70}, {230, h - 120}, {300, h - 80}});
    s.setTool(PaintSession::Tool::Airbrush);
    s.setColour(0x2090F0);
    drag({{40, 40}, {120, 60}, {200, 40}});
    s.setTool(PaintSession::Tool::Taper);
    s.setWidth(14);
    s.setColour(0x208020);
    drag({{40, h / 2}, {260, h / 2 - 30}});
    s.setTool(PaintSession::Tool::Stamp);
    s.setWidth(40);
    s.press(70, h - 85, 2);  // the source: a piece of the red stroke
    drag({{w / 2, h / 2 + 20}, {w / 2 + 90, h / 2 + 40}});
    s.setTool(PaintSession::Tool::Fill);
    s.setColour(0x00C0FF);
    drag({{w - 40, h / 3 - 10}});
    s.setTool(PaintSession::Tool::Brush);
    s.setWidth(16);
}

int paint(const std::vector<std::string>& args)
{
    PaintSession session;
    std::string picture;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--screenshot") ++i;
        else if (args[i].rfind("--", 0) != 0) picture = args[i];
    }
    std::string error;
    if (!picture.empty() && !session.open(picture, error)) return fail(error);
    if (flag(args, "--demo")) paintDemo(session);
    int argc = 1;
    char name[] = "pixol";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    PaintWindow window(session);
    window.show();
    if (const std::string* shot = option(args, "--screenshot")) {
        const std::string path = *shot;
        QTimer::singleShot(300, &window, [&window, path] {
            window.grab().save(QString::fromStdString(path));
            std::cout << "pixol paint: " << path << " written\n";
            QApplication::quit();
        });
    }
    return app.exec();
}

const CommandRegistration registration{
    Command{"paint", "pixol paint [PICTURE] [--demo] [--screenshot FILE]\n    a window to paint on a picture with the "
                     "library's brushes, stamp and figure tools",
            paint}};

} // namespace

} // namespace pixol::cli
