#pragma once
// The Ui of the desktop programs: Qt dialogs, printers and the application's override cursor.
// Needs a QApplication. Message boxes have no title, as the programs show them.
#include "platform/Ui.h"

#include <QString>

namespace salon {

class QtUi : public Ui {
public:
    QtUi() = default;
    ~QtUi() override;

    MsgAnswer message(const MessageRequest& request) override;
    using Ui::message;
    std::optional<FileDialogAnswer> chooseFile(const FileDialogRequest& request) override;
    std::optional<uint32_t> chooseColour(uint32_t initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    bool hasPrinter() override;
    std::unique_ptr<PrintJob> startPrint(const PrintRequest& request) override;
    void setCursor(Cursor cursor) override;
    void processEvents() override;
    std::optional<uint32_t> colourDialog(const ColourDialogRequest& request) override;
    std::optional<FontChoice> fontDialog(const FontDialogRequest& request) override;
    std::optional<PrintChoice> printDialog(const PrintDialogRequest& request) override;

private:
    bool m_overrideCursor = false;
};

// "label|pattern|label|pattern|" (patterns separated by ';') as Qt name filters
// "label (p1 p2)". Each pattern is also offered in lower and upper case, since names on this
// system differ in case where Windows would not care.
QStringList qtNameFilters(const std::string& filter);

// The Qt pointer shape of a cursor of the programs.
Qt::CursorShape cursorShape(Cursor c);

} // namespace salon
