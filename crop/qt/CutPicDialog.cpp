#include "crop/qt/CutPicDialog.h"

#include "crop/CropObraz.h"
#include "platform/Numbers.h"
#include "platform/qt/QtImage.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace trimlet {

int handlerButtons(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? LeftButton : 0) | (buttons & Qt::RightButton ? RightButton : 0) |
           (buttons & Qt::MiddleButton ? MiddleButton : 0);
}

int handlerShift(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

namespace {

// Pointer position in twips, relative to the widget, as the strips report it.
float twipsOf(qreal pixels) { return float(pixels * salon::TwipsPerPixel); }

void placeWidget(QWidget* w, const Control& c)
{
    w->setGeometry(c.Left, c.Top, std::max(0, c.Width), std::max(0, c.Height));
    w->setVisible(c.Visible && c.Width > 0 && c.Height > 0);
}

// The help text keeps its own line breaks, and the column left of the preview is narrow: when the
// lines do not fit at the model's size and weight, a narrower cut of the font is taken instead.
QFont helpFont(const QString& text, const Label& label)
{
    QFont font = QApplication::font();
    font.setPointSizeF(label.FontSize);
    font.setBold(label.FontBold);
    const auto fits = [&](const QFont& candidate) {
        const QFontMetrics metrics(candidate);
        for (const QString& line : text.split('\n'))
            if (metrics.horizontalAdvance(line) > label.Width) return false;
        return true;
    };
    if (fits(font)) return font;
    for (const char* family : {"DejaVu Sans Condensed", "Liberation Sans Narrow", "Nimbus Sans Narrow", "Arial Narrow"}) {
        QFont narrow = font;
        narrow.setFamilies({QString::fromLatin1(family)});
        if (QFontInfo(narrow).family().startsWith(QString::fromLatin1(family).section(' ', 0, 0)) && fits(narrow))
            return narrow;
    }
    for (int stretch : {QFont::SemiCondensed, QFont::Condensed, QFont::ExtraCondensed}) {
        QFont narrow = font;
        narrow.setStretch(stretch);
        if (fits(narrow)) return narrow;
    }
    return font;
}

} // namespace

StripWidget::StripWidget(CutPicDialog& dialog, int index, QWidget* parent)
    : QWidget(parent), m_dialog(dialog), m_index(index)
{
    setCursor(index == LeftStrip || index == RightStrip ? Qt::SizeHorCursor : Qt::SizeVerCursor);
}

void StripWidget::paintEvent(QPaintEvent*)
{
    // A raised frame, darker than the dialog so that what it masks reads as cut away.
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, palette().color(QPalette::Mid));
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void StripWidget::mousePressEvent(QMouseEvent* e)
{
    m_dialog.model().Frame1_MouseDown(m_index, handlerButtons(e->button()), handlerShift(e->modifiers()),
                                      twipsOf(e->position().x()), twipsOf(e->position().y()));
    m_dialog.sync();
}

void StripWidget::mouseMoveEvent(QMouseEvent* e)
{
    m_dialog.model().Frame1_MouseMove(m_index, handlerButtons(e->buttons()), handlerShift(e->modifiers()),
                                      twipsOf(e->position().x()), twipsOf(e->position().y()));
    m_dialog.sync();
}

void StripWidget::mouseReleaseEvent(QMouseEvent* e)
{
    m_dialog.model().Frame1_MouseUp(m_index, handlerButtons(e->button()), handlerShift(e->modifiers()),
                                    twipsOf(e->position().x()), twipsOf(e->position().y()));
    m_dialog.sync();
}

PreviewWidget::PreviewWidget(CutPic& model, QWidget* parent) : QWidget(parent), m_model(model)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewWidget::paintEvent(QPaintEvent*)
{
    m_model.Picture1_Paint();
    QPainter p(this);
    const salon::Bitmap& image = m_model.form().Picture1.Image;
    if (image.isNull())
        p.fillRect(rect(), palette().color(QPalette::Window));
    else
        p.drawImage(0, 0, salon::toQImage(image));
}

CutPicDialog::CutPicDialog(CutPic& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    const CutPicForm& f = model.form();
    setFixedSize(f.Width, f.Height);
    setModal(true);
    m_help = new QLabel(this);
    m_help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_help->setTextFormat(Qt::PlainText);
    m_preview = new PreviewWidget(model, this);
    for (int k = 0; k < 2; ++k) {
        m_buttons[size_t(k)] = new QPushButton(this);
        connect(m_buttons[size_t(k)], &QPushButton::clicked, this, [this, k] {
            m_model.Command1_Click(k);
            sync();
        });
    }
    m_buttons[0]->setDefault(true);
    for (int k = 0; k < 4; ++k) m_strips[size_t(k)] = new StripWidget(*this, k, this);
    sync();
}

void CutPicDialog::sync()
{
    const CutPicForm& f = m_model.form();
    setWindowTitle(QString::fromStdString(f.Caption));

    const QString help = QString::fromStdString(f.Label1.Caption);
    m_help->setFont(helpFont(help, f.Label1));
    m_help->setText(help);
    placeWidget(m_help, f.Label1);

    for (size_t k = 0; k < 2; ++k) {
        m_buttons[k]->setText(QString::fromStdString(f.Command1[k].Caption));
        placeWidget(m_buttons[k], f.Command1[k]);
    }

    const QRect previewWas = m_preview->geometry();
    placeWidget(m_preview, f.Picture1);
    if (m_preview->geometry() != previewWas) m_preview->update();

    // Strips stack in the order the handlers brought them to the front.
    std::array<size_t, 4> order{0, 1, 2, 3};
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return f.Frame1[a].ZOrder < f.Frame1[b].ZOrder; });
    for (size_t k : order) {
        placeWidget(m_strips[k], f.Frame1[k]);
        m_strips[k]->raise();
    }

    if (!f.Visible && isVisible()) done(m_model.CUTStorno() ? Accepted : Rejected);
}

void CutPicDialog::reject()
{
    if (m_model.form().Visible) m_model.Command1_Click(1);
    QDialog::reject();
}

namespace {

// Shows CUTPic as a modal Qt dialog, from the editor's event loop or, in a program without one,
// from a QApplication made for the purpose.
class QtCutPicView : public CutPicView {
public:
    void runModal(CutPic& model) override
    {
        ensureApplication();
        QWidget* parent = QApplication::activeWindow();
        CutPicDialog dialog(model, parent);
        const CutPicForm& f = model.form();
        dialog.move(f.Left, f.Top);
        if (f.Visible) dialog.exec();
    }

    void processEvents() override
    {
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
    }

private:
    static void ensureApplication()
    {
        if (QCoreApplication::instance()) return;
        // Never destroyed: a QApplication torn down among the exit-time destructors crashes in Qt.
        static int argc = 1;
        static char name[] = "trimlet";
        static char* argv[] = {name, nullptr};
        static QApplication* app = new QApplication(argc, argv);
        (void)app;
    }
};

// Loading the shared library makes the Qt dialog the one CropObraz shows.
const bool installed = [] {
    setCutPicViewFactory([] { return std::make_unique<QtCutPicView>(); });
    return true;
}();

} // namespace

} // namespace trimlet
