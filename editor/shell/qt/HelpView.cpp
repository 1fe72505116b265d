#include "editor/shell/qt/HelpView.h"

#include "editor/shell/texts/Texts.h"
#include "platform/qt/QtImage.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace salon {

QString helpHtml(const RichText& text)
{
    return QString::fromStdString(richTextToHtml(text));
}

void setHelpText(QTextEdit* box, const HelpTextBox& page)
{
    if (!box) return;
    box->setHtml(helpHtml(page.text));
}

HelpWindow::HelpWindow(std::function<Bitmap(int32_t)> picture, QWidget* parent)
    : QDialog(parent), m_pictureOf(std::move(picture))
{
    setWindowTitle(QString::fromStdString(ResText(212)));
    setModal(true);
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Raised);
    frame->setLineWidth(2);
    frame->setStyleSheet("QFrame { background: rgb(240, 228, 255); }");
    m_picture = new QLabel(frame);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setMinimumSize(240, 170);
    m_text = new QTextEdit(frame);
    m_text->setReadOnly(true);
    m_text->setStyleSheet("QTextEdit { background: white; }");
    m_close = new QPushButton(QString::fromStdString(ResText(160)), frame);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    auto* col = new QVBoxLayout(frame);
    col->addWidget(m_picture, 0, Qt::AlignHCenter);
    col->addWidget(m_text, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_close);
    row->addStretch();
    col->addLayout(row);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(frame);

    // Placed within the work area: at most 560 x 640, centred on the screen.
    QSize size(560, 640);
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        size = size.boundedTo(area.size() - QSize(40, 60));
        resize(size);
        move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    } else {
        resize(size);
    }
}

void HelpWindow::showPage(const HelpPages& pages)
{
    const Bitmap pic = m_pictureOf && pages.pictureId ? m_pictureOf(pages.pictureId) : Bitmap{};
    if (pic.isNull()) {
        m_picture->clear();
        m_picture->hide();
    } else {
        m_picture->setPixmap(QPixmap::fromImage(toQImage(pic)));
        m_picture->show();
    }
    setHelpText(m_text, pages.form2Text);
    m_close->setFocus();
}

} // namespace salon
