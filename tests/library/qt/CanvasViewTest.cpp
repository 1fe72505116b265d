// The painting demo's view shows the pointer its session chose through the library: the library's
// cursors with their own hot spots, the standard pointers by shape.
#include "library/cli/PaintSession.h"
#include "library/cli/qt/CanvasView.h"

#include <QApplication>

#include <gtest/gtest.h>

using pixol::cli::CanvasView;
using pixol::cli::PaintSession;

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "library_qt_tests";
        static char* argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
    }
    void TearDown() override { delete m_app; }

private:
    QApplication* m_app = nullptr;
};

[[maybe_unused]] ::testing::Environment* const qtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace

TEST(CanvasView, ShowsTheLibraryCursorOfTheToolWithItsHotSpot)
{
    PaintSession session;
    CanvasView view(session);

    session.setTool(PaintSession::Tool::Fill);
    view.refresh();
    EXPECT_EQ(62, session.pointer());
    EXPECT_EQ(Qt::BitmapCursor, view.cursor().shape());
    EXPECT_EQ(QPoint(5, 30), view.cursor().hotSpot());  // the drop under the bucket
    EXPECT_EQ(QSize(32, 32), view.cursor().pixmap().size());

    session.setTool(PaintSession::Tool::Freehand);
    view.refresh();
    EXPECT_EQ(QPoint(1, 30), view.cursor().hotSpot());  // the pencil's point

    session.setTool(PaintSession::Tool::Brush);
    session.setWidth(20);
    view.refresh();
    EXPECT_EQ(29, session.pointer());  // the outline of radius 10
    EXPECT_EQ(QPoint(16, 16), view.cursor().hotSpot());
}

TEST(CanvasView, ShowsStandardPointersByShape)
{
    PaintSession session;
    CanvasView view(session);
    session.setTool(PaintSession::Tool::Line);
    view.refresh();
    EXPECT_EQ(2, session.pointer());
    EXPECT_FALSE(session.cursor());
    EXPECT_EQ(Qt::CrossCursor, view.cursor().shape());
}
