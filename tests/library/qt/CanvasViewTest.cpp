// The painting demo's view shows the pointer its session chose through the library: the library's
// cursors with their own hot spots, the standard pointers by shape.
#include "library/cli/PaintSession.h"
#include "library/cli/qt/CanvasView.h"
#include "tests/QtApplicationEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

using pixol::cli::CanvasView;
using pixol::cli::PaintSession;

namespace {

[[maybe_unused]] ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new salon::test::QtApplicationEnvironment("library_qt_tests"));

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
    EXPECT_EQ(QPoint(24, 24), view.cursor().hotSpot());
    EXPECT_EQ(QSize(48, 48), view.cursor().pixmap().size());
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
