#pragma once
// The help window Form2 (help picture, page text, close button) and the rich-text rendering of help
// pages for any text box (Form3 shows page 16 the same way).
#include "editor/shell/HelpPages.h"
#include "platform/Bitmap.h"

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QTextEdit;
class QPushButton;

namespace salon {

QString helpHtml(const RichText& text);
// Sets a text box's rich text to the page as HelpPages holds it (already centred).
void setHelpText(QTextEdit* box, const HelpTextBox& page);

class HelpWindow : public QDialog {
public:
    // picture(id) gives the help picture of a resource id (null Bitmap: none).
    HelpWindow(std::function<Bitmap(int32_t)> picture, QWidget* parent = nullptr);

    // Takes the picture and the page that ShowHint left in `pages`; the caller then runs exec().
    void showPage(const HelpPages& pages);

    QTextEdit* textBox() const { return m_text; }
    QLabel* pictureBox() const { return m_picture; }

private:
    std::function<Bitmap(int32_t)> m_pictureOf;
    QLabel* m_picture;
    QTextEdit* m_text;
    QPushButton* m_close;
};

} // namespace salon
