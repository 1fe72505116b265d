#include "platform/Ui.h"

namespace salon {

namespace {

MsgAnswer escapeAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::RetryCancel: return MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
}

class ScriptedPrintJob : public PrintJob {
public:
    explicit ScriptedPrintJob(ScriptedUi& ui) : m_ui(ui) {}
    int32_t pageWidth() const override { return m_ui.pageWidth; }
    int32_t pageHeight() const override { return m_ui.pageHeight; }
    int32_t dpiX() const override { return m_ui.dpi; }
    int32_t dpiY() const override { return m_ui.dpi; }
    void drawPicture(const Bitmap& picture, int32_t x, int32_t y, int32_t w, int32_t h) override
    {
        m_ui.printed.push_back(ScriptedUi::Drawn{picture, x, y, w, h});
    }
    bool finish() override
    {
        if (m_finished) return false;
        m_finished = true;
        ++m_ui.finishedJobs;
        return true;
    }

private:
    ScriptedUi& m_ui;
    bool m_finished = false;
};

template <class T>
T takeFront(std::deque<T>& queue, T fallback)
{
    if (!queue.empty()) {
        fallback = std::move(queue.front());
        queue.pop_front();
    }
    return fallback;
}

} // namespace

MsgAnswer ScriptedUi::message(const MessageRequest& request)
{
    messages.push_back(request);
    return takeFront(messageAnswers, escapeAnswer(request.buttons));
}

std::optional<FileDialogAnswer> ScriptedUi::chooseFile(const FileDialogRequest& request)
{
    fileRequests.push_back(request);
    return takeFront<std::optional<FileDialogAnswer>>(fileAnswers, std::nullopt);
}

std::optional<uint32_t> Ui::colourDialog(const ColourDialogRequest& request)
{
    return chooseColour(request.initial.value_or(0));
}

std::optional<FontChoice> Ui::fontDialog(const FontDialogRequest& request)
{
    auto chosen = chooseFont(request.initial);
    if (chosen && request.minSize > 0 && chosen->size < request.minSize) chosen->size = request.minSize;
    if (chosen && request.maxSize > 0 && chosen->size > request.maxSize) chosen->size = request.maxSize;
    return chosen;
}

std::optional<PrintChoice> Ui::printDialog(const PrintDialogRequest&) { return std::nullopt; }

std::optional<uint32_t> ScriptedUi::chooseColour(uint32_t initial)
{
    colourRequests.push_back(initial);
    return takeFront<std::optional<uint32_t>>(colourAnswers, std::nullopt);
}

std::optional<FontChoice> ScriptedUi::chooseFont(const FontChoice& initial)
{
    fontRequests.push_back(initial);
    return takeFront<std::optional<FontChoice>>(fontAnswers, std::nullopt);
}

std::optional<uint32_t> ScriptedUi::colourDialog(const ColourDialogRequest& request)
{
    colourDialogs.push_back(request);
    return chooseColour(request.initial.value_or(0));
}

std::optional<FontChoice> ScriptedUi::fontDialog(const FontDialogRequest& request)
{
    fontDialogs.push_back(request);
    return chooseFont(request.initial);
}

std::optional<PrintChoice> ScriptedUi::printDialog(const PrintDialogRequest& request)
{
    printDialogs.push_back(request);
    return takeFront<std::optional<PrintChoice>>(printChoices, std::nullopt);
}

std::unique_ptr<PrintJob> ScriptedUi::startPrint(const PrintRequest& request)
{
    printRequests.push_back(request);
    if (request.pdfFile.empty()) {
        if (!printerPresent) return nullptr;
        if (!takeFront(printAnswers, true)) return nullptr;
    }
    return std::make_unique<ScriptedPrintJob>(*this);
}

} // namespace salon
