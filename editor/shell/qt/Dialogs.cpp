#include "editor/shell/qt/Dialogs.h"

#include "editor/shell/texts/Texts.h"
#include "platform/qt/QtImage.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace salon {

CatalogueDialog::CatalogueDialog(CatalogueForm& form, QWidget* parent) : QDialog(parent), m_form(form)
{
    setWindowTitle(QString::fromStdString(ResText(213)));
    setModal(true);
    m_list = new QListWidget(this);
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_cancel = new QPushButton(this);
    connect(m_list, &QListWidget::itemClicked, this, [this] {
        m_form.List1.ListIndex = m_list->currentRow();
        m_form.List1_Click();
        afterHandler();
    });
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int v) {
        m_form.HScroll1.Value = v;
        m_form.HScroll1_Change();
        afterHandler();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_form.Command1_Click();
        afterHandler();
    });
    m_sheet = new QPushButton(QString::fromStdString(ResText(206)), this);
    m_sheet->setToolTip(QString::fromStdString(ResText(207)));
    connect(m_sheet, &QPushButton::clicked, this, [this] {
        if (contactSheet)
            contactSheet(m_form.currentCategory);
    });
    sync();
}

void CatalogueDialog::sync()
{
    const CatalogueForm& f = m_form;
    setFixedSize(f.Width, f.Height);
    move(parentWidget() ? parentWidget()->mapToGlobal(QPoint(f.Left, f.Top)) : QPoint(f.Left, f.Top));
    {
        QSignalBlocker b(m_list);
        if (m_list->count() != int(f.List1.items.size())) {
            m_list->clear();
            for (const auto& item : f.List1.items)
                m_list->addItem(QString::fromStdString(item));
        }
        m_list->setCurrentRow(f.List1.ListIndex);
    }
    m_list->setGeometry(f.List1.Left, f.List1.Top, f.List1.Width, f.List1.Height);
    {
        QSignalBlocker b(m_scroll);
        m_scroll->setRange(f.HScroll1.Min, f.HScroll1.Max);
        m_scroll->setPageStep(f.HScroll1.LargeChange);
        m_scroll->setValue(f.HScroll1.Value);
    }
    m_scroll->setGeometry(f.HScroll1.Left, f.HScroll1.Top, f.HScroll1.Width, f.HScroll1.Height);
    m_cancel->setText(QString::fromStdString(f.Command1.Caption));
    m_cancel->setGeometry(f.Command1.Left, f.Command1.Top, f.Command1.Width, f.Command1.Height);
    // Left of Cancel, the same height; hidden without an action or a category.
    const int sheetW = 130;
    m_sheet->setGeometry(f.Command1.Left - sheetW - 8, f.Command1.Top, sheetW, f.Command1.Height);
    m_sheet->setVisible(bool(contactSheet) && f.currentCategory >= 0);
    update();
}

void CatalogueDialog::afterHandler()
{
    if (!m_form.Visible)
        accept();
    else
        sync();
}

void CatalogueDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int k = 0; k < 4; ++k) {
        const Control& c = m_form.Picture1[size_t(k)];
        const QRect r(c.Left, c.Top, c.Width, c.Height);
        p.drawImage(r.topLeft(), toQImage(m_form.boxPictures[size_t(k)]));
        p.setPen(QColor(120, 110, 140));
        p.drawRect(r.adjusted(-1, -1, 0, 0));
    }
}

void CatalogueDialog::mouseReleaseEvent(QMouseEvent* e)
{
    for (int k = 0; k < 4; ++k) {
        const Control& c = m_form.Picture1[size_t(k)];
        if (QRect(c.Left, c.Top, c.Width, c.Height).contains(e->position().toPoint())) {
            m_form.Picture1_Click(k);
            afterHandler();
            return;
        }
    }
}

void CatalogueDialog::reject()
{
    m_form.Form_Unload();
    QDialog::reject();
}

QuestionDialog::QuestionDialog(QuestionForm& form, QWidget* parent) : QDialog(parent), m_form(form)
{
    setWindowTitle(" ");
    setModal(true);
    m_text = new QTextBrowser(this);
    m_yes = new QPushButton(this);
    m_no = new QPushButton(this);
    m_never = new QPushButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    buttons->addWidget(m_never);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    connect(m_yes, &QPushButton::clicked, this, [this] {
        m_form.Command3_Click();
        afterHandler();
    });
    connect(m_no, &QPushButton::clicked, this, [this] {
        m_form.Command2_Click();
        afterHandler();
    });
    connect(m_never, &QPushButton::clicked, this, [this] {
        m_form.Command1_Click();
        afterHandler();
    });
    sync();
}

void QuestionDialog::sync()
{
    resize(m_form.Width, m_form.Height);
    auto set = [](QPushButton* b, const CommandButton& c) {
        b->setText(QString::fromStdString(c.Caption));
        b->setToolTip(QString::fromStdString(c.ToolTipText));
    };
    set(m_yes, m_form.Command3);
    set(m_no, m_form.Command2);
    set(m_never, m_form.Command1);
    if (m_text->toHtml().isEmpty() || !m_form.helpText.empty()) {
        if (m_form.helpText.empty())
            m_text->setPlainText(QString::fromStdString(ResText(165) + "\n\n" + ResText(166)));
        else
            m_text->setHtml(QString::fromStdString(m_form.helpText));
        m_text->setAlignment(Qt::AlignCenter);
    }
    (m_form.focused == 3 ? m_yes : m_form.focused == 2 ? m_no : m_never)->setFocus();
}

void QuestionDialog::afterHandler()
{
    if (!m_form.Visible)
        accept();
    else
        sync();
}

void QuestionDialog::reject()
{
    m_form.Form_Unload();
    QDialog::reject();
}

} // namespace salon
