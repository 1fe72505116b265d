#include "library/cli/qt/CanvasView.h"

#include "platform/qt/QtCursor.h"
#include "platform/qt/QtImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace pixol::cli {

namespace {

int buttonsOf(Qt::MouseButtons b) { return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0); }

} // namespace

CanvasView::CanvasView(PaintSession& session) : m_session(session)
{
    setMouseTracking(true);
    refresh();
}

void CanvasView::refresh()
{
    m_image = salon::toQImage(m_session.canvas().image());
    setFixedSize(m_image.size());
    if (const auto& c = m_session.cursor())
        setCursor(salon::toQCursor(*c));
    else
        setCursor(salon::standardPointer(m_session.pointer()));
    update();
}

void CanvasView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void CanvasView::mousePressEvent(QMouseEvent* e)
{
    if (m_session.press(e->pos().x(), e->pos().y(), buttonsOf(e->button()))) refresh();
}

void CanvasView::mouseMoveEvent(QMouseEvent* e)
{
    if (m_session.move(e->pos().x(), e->pos().y(), buttonsOf(e->buttons()))) refresh();
}

void CanvasView::mouseReleaseEvent(QMouseEvent* e)
{
    if (m_session.release(e->pos().x(), e->pos().y(), buttonsOf(e->button()))) refresh();
}

} // namespace pixol::cli
