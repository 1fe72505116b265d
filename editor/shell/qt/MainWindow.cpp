#include "editor/shell/qt/MainWindow.h"

#include "editor/shell/qt/ButtonFaces.h"
#include "platform/Numbers.h"
#include "platform/qt/QtImage.h"
#include "platform/qt/QtUi.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QToolTip>

namespace salon {
namespace {

int buttonOf(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int buttonsOf(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

int shiftOf(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

QColor colourOf(uint32_t packed) { return QColor(redOf(packed), greenOf(packed), blueOf(packed)); }

QRect rectOf(const Control& c) { return QRect(c.Left, c.Top, c.Width, c.Height); }

int keyCodeOf(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    case Qt::Key_F1: return 112;
    case Qt::Key_F5: return 116;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    default: return e->key() < 128 ? e->key() : 0;
    }
}

void drawImageButton(QPainter& p, const ImageButton& b)
{
    if (!b.Visible)
        return;
    const QRect r = rectOf(b);
    QImage face = buttonFace(b.Picture, r.width(), r.height());
    if (!face.isNull())
        p.drawImage(r.topLeft(), face);
    if (b.BorderStyle == 1) {
        // The pressed look: a single-line frame and a slight shade, as a sunk button.
        p.fillRect(r, QColor(0, 0, 0, 40));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

} // namespace

MainWindow::MainWindow(Editor& editor, QWidget* parent) : QWidget(parent), m_editor(editor)
{
    setWindowTitle("Frizet01");
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_timer1.setTimerType(Qt::PreciseTimer);
    connect(&m_timer1, &QTimer::timeout, this, [this] {
        m_editor.Timer1_Timer();
        syncFromModel();
    });
    connect(&m_timer2, &QTimer::timeout, this, [this] {
        m_editor.Timer2_Timer();
        syncFromModel();
    });
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->hide();
    m_scroll->setFocusPolicy(Qt::NoFocus);  // keys stay with the window (Form_KeyDown)
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int v) {
        auto& s = m_editor.form.HScroll1;
        if (s.Value == v)
            return;
        s.Value = v;
        if (m_editor.commands.HScroll1_Change)
            m_editor.commands.HScroll1_Change();
        syncFromModel();
    });
}

void MainWindow::endByProgram()
{
    m_ending = true;
    close();
}

void MainWindow::syncFromModel()
{
    const Form1& f = m_editor.form;
    if (size() != QSize(f.Width, f.Height) && f.Width > 0)
        resize(f.Width, f.Height);
    auto syncTimer = [](QTimer& t, const Timer& m) {
        if (m.Enabled && (!t.isActive() || t.interval() != m.Interval))
            t.start(m.Interval);
        else if (!m.Enabled && t.isActive())
            t.stop();
    };
    syncTimer(m_timer1, f.Timer1);
    syncTimer(m_timer2, f.Timer2);
    const ScrollBar& s = f.HScroll1;
    m_scroll->setVisible(s.Visible && f.Vzornik[0].Visible);
    m_scroll->setGeometry(s.Left, s.Top, s.Width, s.Height);
    {
        QSignalBlocker block(m_scroll);
        m_scroll->setRange(s.Min, s.Max);
        m_scroll->setSingleStep(s.SmallChange);
        m_scroll->setPageStep(s.LargeChange);
        m_scroll->setValue(s.Value);
    }
    // The pointer over a picture follows that picture's MousePointer.
    const QPoint at = mapFromGlobal(QCursor::pos());
    Cursor c = Cursor::Default;
    if (f.Picture1.Visible && rectOf(f.Picture1).contains(at))
        c = f.Picture1.MousePointer;
    else if (f.Picture2.Visible && rectOf(f.Picture2).contains(at))
        c = f.Picture2.MousePointer;
    setCursor(cursorShape(c));
    update();
}

void MainWindow::paintEvent(QPaintEvent*)
{
    const Form1& f = m_editor.form;
    QPainter p(this);
    p.fillRect(rect(), colourOf(f.BackColor));
    EngineLink& e = m_editor.engine();

    auto drawSurface = [&](const PictureBox& box) {
        if (!box.Visible || box.Width <= 0 || box.Height <= 0)
            return;
        QImage img = box.surface >= 0 ? toQImage(e.surface(box.surface).image()) : toQImage(box.picture);
        if (img.isNull())
            return;
        p.drawImage(QRect(box.Left, box.Top, box.Width, box.Height), img);
    };
    drawSurface(f.Picture1);
    drawSurface(f.Picture2);
    if (f.Picture3[0].Visible) {
        const PictureBox& b = f.Picture3[0];
        QImage img = toQImage(e.surface(5).image());
        if (!img.isNull())
            p.drawImage(QPoint(b.Left, b.Top), img);
    }
    for (const ImageControl& im : f.Image1) {
        if (!im.Visible || im.picture.isNull())
            continue;
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(im.Left, im.Top, im.Width, im.Height), toQImage(im.picture));
    }

    for (const auto& b : f.Funkce) drawImageButton(p, b);
    for (const auto& b : f.Sipka) drawImageButton(p, b);
    for (const auto& b : f.SSipka) drawImageButton(p, b);
    for (const auto& b : f.TSipka) drawImageButton(p, b);
    for (const auto& b : f.QSipka) drawImageButton(p, b);
    for (const auto& b : f.Tlac) drawImageButton(p, b);
    for (const auto& b : f.OblImg) drawImageButton(p, b);
    for (const auto& b : f.BarImg) drawImageButton(p, b);
    if (f.PicStopa.Visible) {
        const QRect r = rectOf(f.PicStopa);
        QImage img = toQImage(e.surface(8).image());
        p.fillRect(r, Qt::white);
        if (!img.isNull())
            p.drawImage(r.adjusted(1, 1, -1, -1), img);
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    drawSurface(f.Vzornik[0]);
    if (f.Status.Visible && !f.Status.Caption.empty()) {
        const QRect r = rectOf(f.Status);
        p.fillRect(r, QColor(0, 0, 0, 160));
        p.setPen(Qt::white);
        // The line is as wide as the face view, which is narrower for a wide model: the text gets
        // a smaller font until it fits, and is elided only below a readable size.
        const QRect text = r.adjusted(4, 0, -4, 0);
        const QString caption = QString::fromStdString(f.Status.Caption);
        p.save();
        QFont font = p.font();
        while (QFontMetrics(font).horizontalAdvance(caption) > text.width() && font.pointSizeF() > 7.0)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        p.setFont(font);
        p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                   QFontMetrics(font).elidedText(caption, Qt::ElideRight, text.width()));
        p.restore();
    }
}

const Control* MainWindow::controlOf(const Hit& hit) const
{
    const Form1& f = m_editor.form;
    switch (hit.group) {
    case Group::Funkce: return &f.Funkce[size_t(hit.index)];
    case Group::Sipka: return &f.Sipka[size_t(hit.index)];
    case Group::SSipka: return &f.SSipka[size_t(hit.index)];
    case Group::TSipka: return &f.TSipka[size_t(hit.index)];
    case Group::QSipka: return &f.QSipka[size_t(hit.index)];
    case Group::Tlac: return &f.Tlac[size_t(hit.index)];
    case Group::OblImg: return &f.OblImg[size_t(hit.index)];
    case Group::BarImg: return &f.BarImg[size_t(hit.index)];
    case Group::PicStopa: return &f.PicStopa;
    case Group::Vzornik: return &f.Vzornik[0];
    case Group::Picture1: return &f.Picture1;
    case Group::Picture2: return &f.Picture2;
    default: return nullptr;
    }
}

MainWindow::Hit MainWindow::hitTest(QPoint p) const
{
    const Form1& f = m_editor.form;
    auto in = [&](const Control& c) { return c.Visible && c.Enabled && rectOf(c).contains(p); };
    auto local = [&](const Control& c) { return p - QPoint(c.Left, c.Top); };
    auto group = [&](auto& arr, Group g) -> Hit {
        for (size_t i = 0; i < arr.size(); ++i)
            if (in(arr[i]))
                return {g, int(i), local(arr[i])};
        return {};
    };
    for (Hit h : {group(f.Funkce, Group::Funkce), group(f.Sipka, Group::Sipka), group(f.SSipka, Group::SSipka),
                  group(f.TSipka, Group::TSipka), group(f.QSipka, Group::QSipka), group(f.Tlac, Group::Tlac),
                  group(f.OblImg, Group::OblImg), group(f.BarImg, Group::BarImg)})
        if (h.group != Group::None)
            return h;
    if (in(f.PicStopa))
        return {Group::PicStopa, 0, local(f.PicStopa)};
    if (in(f.Vzornik[0]))
        return {Group::Vzornik, 0, local(f.Vzornik[0])};
    if (in(f.Picture1))
        return {Group::Picture1, 0, local(f.Picture1)};
    if (in(f.Picture2))
        return {Group::Picture2, 0, local(f.Picture2)};
    return {};
}

void MainWindow::dispatchDown(const Hit& h, int button, int shift)
{
    m_editor.mouseDown(h.group, h.index, button, shift, h.local.x(), h.local.y());
}

void MainWindow::dispatchUp(const Hit& h, int button, int shift)
{
    m_editor.mouseUp(h.group, h.index, button, shift, h.local.x(), h.local.y());
}

void MainWindow::mousePressEvent(QMouseEvent* e)
{
    const int button = buttonOf(e->button());
    if (!button)
        return;
    // As with the system's controls, the control that took the press also gets the release.
    if (m_heldButtons == 0)
        m_captured = hitTest(e->position().toPoint());
    m_heldButtons |= button;
    Hit h = m_captured;
    if (const Control* c = controlOf(h))
        h.local = e->position().toPoint() - QPoint(c->Left, c->Top);
    dispatchDown(h, button, shiftOf(e->modifiers()));
    syncFromModel();
}

void MainWindow::mouseReleaseEvent(QMouseEvent* e)
{
    const int button = buttonOf(e->button());
    if (!button)
        return;
    m_heldButtons &= ~button;
    Hit h = m_captured;
    if (const Control* c = controlOf(h))
        h.local = e->position().toPoint() - QPoint(c->Left, c->Top);
    dispatchUp(h, button, shiftOf(e->modifiers()));
    if (m_heldButtons == 0)
        m_captured = {};
    syncFromModel();
}

void MainWindow::mouseMoveEvent(QMouseEvent* e)
{
    const Form1& f = m_editor.form;
    if (m_captured.group == Group::Picture1) {
        const QPoint local = e->position().toPoint() - QPoint(f.Picture1.Left, f.Picture1.Top);
        m_editor.Picture1_MouseMove(buttonsOf(e->buttons()), shiftOf(e->modifiers()), local.x(), local.y());
        update();
    }
    const QPoint at = e->position().toPoint();
    Cursor c = Cursor::Default;
    if (f.Picture1.Visible && rectOf(f.Picture1).contains(at))
        c = f.Picture1.MousePointer;
    else if (f.Picture2.Visible && rectOf(f.Picture2).contains(at))
        c = f.Picture2.MousePointer;
    setCursor(cursorShape(c));
}

void MainWindow::keyPressEvent(QKeyEvent* e)
{
    // The system's key repeat is not passed on: a held key repeats on the editor's own timer,
    // as a held arrow button does.
    const int code = keyCodeOf(e);
    if (code && !e->isAutoRepeat())
        m_editor.Form_KeyDown(code, shiftOf(e->modifiers()));
    syncFromModel();
}

void MainWindow::keyReleaseEvent(QKeyEvent* e)
{
    const int code = keyCodeOf(e);
    if (code && !e->isAutoRepeat())
        m_editor.Form_KeyUp(code, shiftOf(e->modifiers()));
    syncFromModel();
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    if (m_ending || m_editor.Form_QueryUnload(0)) {
        m_timer1.stop();
        m_timer2.stop();
        e->accept();
    } else {
        e->ignore();
    }
}

bool MainWindow::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* he = static_cast<QHelpEvent*>(e);
        const Hit h = hitTest(he->pos());
        const Control* c = controlOf(h);
        // Disabled buttons keep their tooltip, as on the system's controls.
        if (!c) {
            for (const auto& b : m_editor.form.Funkce)
                if (b.Visible && rectOf(b).contains(he->pos()))
                    c = &b;
        }
        if (c && !c->ToolTipText.empty())
            QToolTip::showText(he->globalPos(), QString::fromStdString(c->ToolTipText), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

} // namespace salon
