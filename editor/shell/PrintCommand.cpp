#include "editor/shell/PrintCommand.h"

#include "editor/shell/ChooseFile.h"
#include "editor/shell/texts/Texts.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace salon {

PrintPlacement printPlacement(int32_t pageW, int32_t pageH, int32_t W, int32_t H)
{
    PrintPlacement p;
    if (W <= 0 || H <= 0 || pageW <= 0 || pageH <= 0) return p;
    const float s = std::min(float(pageW) / float(W), float(pageH) / float(H));
    // The side that decides the factor fills the page exactly; the other is rounded half to even.
    p.w = float(pageW) / float(W) <= float(pageH) / float(H) ? pageW : std::max(1, roundHalfEven(float(W) * s));
    p.h = float(pageW) / float(W) <= float(pageH) / float(H) ? std::max(1, roundHalfEven(float(H) * s)) : pageH;
    p.w = std::min(p.w, pageW);
    p.h = std::min(p.h, pageH);
    p.x = roundHalfEven(float(pageW - p.w) / 2.0f);
    p.y = roundHalfEven(float(pageH - p.h) / 2.0f);
    return p;
}

PrintOutcome PrintResult(Ui& ui, const Bitmap& composite, const std::string& pdfFile)
{
    if (pdfFile.empty() && !ui.hasPrinter()) {
        ui.message(ResText(172), MsgButtons::Ok, MsgIcon::Information);
        return PrintOutcome::NoPrinter;
    }
    if (composite.isNull()) return PrintOutcome::Failed;
    PrintRequest req;
    req.documentName = "Frizet01";
    req.pdfFile = pdfFile;
    std::unique_ptr<PrintJob> job = ui.startPrint(req);
    if (!job) return PrintOutcome::Cancelled;
    const PrintPlacement p = printPlacement(job->pageWidth(), job->pageHeight(), composite.width, composite.height);
    job->drawPicture(composite, p.x, p.y, p.w, p.h);
    if (job->finish()) return PrintOutcome::Printed;
    // A device that failed to take the document must not look like a finished print.
    showFileError(ui, 57, pdfFile);
    return PrintOutcome::Failed;
}

} // namespace salon
