#include "presentation/qt/PresentationWindow.h"

#include "platform/qt/QtImage.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace prevu {

BalloonWidget::BalloonWidget(const Bublina& model, QWidget* parent) : QWidget(parent), m_model(model)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void BalloonWidget::sync()
{
    const bool resized = width() != m_model.Width || height() != m_model.Height;
    setGeometry(m_model.Left, m_model.Top, m_model.Width, m_model.Height);
    if (m_model.changed || resized) {
        // The window's shape is exactly the pixels that belong to the control.
        QRegion shape;
        for (int32_t y = 0; y < m_model.Height; ++y) {
            int32_t x = 0;
            while (x < m_model.Width) {
                while (x < m_model.Width && !m_model.belongs(x, y)) ++x;
                int32_t start = x;
                while (x < m_model.Width && m_model.belongs(x, y)) ++x;
                if (x > start) shape += QRect(start, y, x - start, 1);
            }
        }
        setMask(shape);
    }
    if (m_model.inFront) raise();
    setVisible(m_model.Visible);
    update();
}

void BalloonWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(255, 255, 255));
    if (!m_model.Picture().isNull()) p.drawImage(0, 0, salon::toQImage(m_model.Picture()));
}

PresentationWindow::PresentationWindow(Presentation& presentation) : m_p(presentation)
{
    setWindowTitle("Virtuální salon");
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < 2; ++i) m_balloons[size_t(i)] = new BalloonWidget(m_p.form.Bublina[size_t(i)], this);
}

void PresentationWindow::sync()
{
    const Form1& f = m_p.form;
    setFixedSize(std::min(m_p.LayoutWidth, f.Width), std::min(m_p.LayoutHeight, f.Height));
    for (BalloonWidget* b : m_balloons) b->sync();
    for (Bublina& b : m_p.form.Bublina) b.changed = false;
    update();
}

void PresentationWindow::endByProgram()
{
    if (!m_unloaded) m_p.Form_Unload();
    m_unloaded = true;
    close();
}

void PresentationWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const Form1& f = m_p.form;
    p.fillRect(rect(), QColor(236, 226, 242));
    if (!f.Picture.isNull()) p.drawImage(0, 0, salon::toQImage(f.Picture));
    if (f.Picture1.Visible) {
        const PictureBox& box = f.Picture1;
        p.fillRect(QRect(box.Left, box.Top, box.Width, box.Height), QColor(60, 40, 70));
        p.drawImage(box.Left + 2, box.Top + 2, salon::toQImage(box.surface.image()));
    }
    if (f.Text1.Visible) {
        const Label& t = f.Text1;
        QRect r(t.Left, t.Top, t.Width, t.Height);
        p.fillRect(r, QColor(255, 252, 245));
        p.setPen(QColor(60, 40, 70));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setFont(QFont("DejaVu Sans", 9));
        p.drawText(r.adjusted(8, 8, -8, -8), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                   QString::fromStdString(t.Caption));
    }
}

void PresentationWindow::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    m_p.Form_MouseMove(0, 0, pos.x(), pos.y());
    sync();
}

void PresentationWindow::mouseReleaseEvent(QMouseEvent* e)
{
    const int button = e->button() == Qt::LeftButton ? LeftButton : e->button() == Qt::RightButton ? RightButton : 4;
    const QPoint pos = e->position().toPoint();
    m_p.Form_MouseUp(button, 0, pos.x(), pos.y());
    if (!m_unloaded) sync();
}

void PresentationWindow::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        m_p.Form_KeyDown(KeyEscape, 0);
        sync();
    }
}

void PresentationWindow::closeEvent(QCloseEvent* e)
{
    if (!m_unloaded) m_p.Form_Unload();
    m_unloaded = true;
    e->accept();
}

} // namespace prevu
