#pragma once
// A Ui for batch runs: nobody is there to answer, so message texts go to a stream (stderr) and
// every question gets its cautious answer (No / Cancel); dialogs are cancelled.
#include "platform/Ui.h"

#include <ostream>

namespace salon {

class ConsoleUi : public Ui {
public:
    explicit ConsoleUi(std::ostream& out) : m_out(out) {}
    MsgAnswer message(const MessageRequest& request) override;
    using Ui::message;
    std::optional<FileDialogAnswer> chooseFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<uint32_t> chooseColour(uint32_t) override { return std::nullopt; }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    bool hasPrinter() override { return false; }
    std::unique_ptr<PrintJob> startPrint(const PrintRequest&) override { return nullptr; }
    void setCursor(Cursor) override {}
    void processEvents() override {}
    int messagesShown() const { return m_shown; }

private:
    std::ostream& m_out;
    int m_shown = 0;
};

} // namespace salon
