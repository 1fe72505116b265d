#include "presentation/qt/InfoDialog.h"

#include "platform/qt/QtImage.h"
#include "presentation/qt/Pictures.h"

#include <QPainter>
#include <QPushButton>

namespace prevu {

InfoDialog::InfoDialog(InfoWindow& window, QWidget* parent) : QDialog(parent), m_window(window)
{
    setWindowTitle("Informace");
    setModal(true);
    const Form3& f = m_window.form;
    setFixedSize(f.Width, f.Height);
    for (int k = 0; k < 4; ++k) {
        const InfoButton& b = f.Command1[size_t(k)];
        auto* button = new QPushButton(this);
        button->setGeometry(b.Left, b.Top, b.Width, b.Height);
        const QImage face = salon::toQImage(presentationBitmap(b.Picture));
        button->setIcon(QPixmap::fromImage(face));
        button->setIconSize(face.size());
        button->setFlat(true);
        button->setStyleSheet("QPushButton { border: none; padding: 0; }");
        connect(button, &QPushButton::clicked, this, [this, k] { m_window.Command1_Click(k); });
    }
}

void InfoDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, salon::toQImage(presentationBitmap(m_window.form.Picture)));
}

} // namespace prevu
