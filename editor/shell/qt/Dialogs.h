#pragma once
// The modal windows of the editor as Qt dialogs over their control models: the catalogue ObsFrm
// and the question Form3. Each runs until its form hides itself.
#include "editor/shell/CatalogueForm.h"
#include "editor/shell/QuestionForm.h"

#include <QDialog>

#include <cstdint>
#include <functional>

class QListWidget;
class QScrollBar;
class QPushButton;
class QTextBrowser;

namespace salon {

class CatalogueDialog : public QDialog {
    Q_OBJECT
public:
    CatalogueDialog(CatalogueForm& form, QWidget* parent);
    void sync();
    // The contact sheet of the category shown, from the button beside Cancel (hidden when unset).
    std::function<void(int32_t category)> contactSheet;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void reject() override;  // the window's close box and Esc: Cancel

private:
    void afterHandler();
    CatalogueForm& m_form;
    QListWidget* m_list;
    QScrollBar* m_scroll;
    QPushButton* m_cancel;
    QPushButton* m_sheet;
};

class QuestionDialog : public QDialog {
    Q_OBJECT
public:
    QuestionDialog(QuestionForm& form, QWidget* parent);
    void sync();

protected:
    void reject() override;  // closed from the title bar: No

private:
    void afterHandler();
    QuestionForm& m_form;
    QPushButton* m_yes;
    QPushButton* m_no;
    QPushButton* m_never;
    QTextBrowser* m_text;
};

} // namespace salon
