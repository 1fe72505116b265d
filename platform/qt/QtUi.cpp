#include "platform/qt/QtUi.h"

#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/qt/QtImage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QFontDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include <vector>

namespace salon {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// The buttons of each set in the order the platform lays them out; the default button counts
// in this order.
std::vector<std::pair<QMessageBox::StandardButton, MsgAnswer>> buttonsOf(MsgButtons set)
{
    using B = QMessageBox;
    switch (set) {
    case MsgButtons::Ok: return {{B::Ok, MsgAnswer::Ok}};
    case MsgButtons::OkCancel: return {{B::Ok, MsgAnswer::Ok}, {B::Cancel, MsgAnswer::Cancel}};
    case MsgButtons::AbortRetryIgnore:
        return {{B::Abort, MsgAnswer::Abort}, {B::Retry, MsgAnswer::Retry}, {B::Ignore, MsgAnswer::Ignore}};
    case MsgButtons::YesNoCancel:
        return {{B::Yes, MsgAnswer::Yes}, {B::No, MsgAnswer::No}, {B::Cancel, MsgAnswer::Cancel}};
    case MsgButtons::YesNo: return {{B::Yes, MsgAnswer::Yes}, {B::No, MsgAnswer::No}};
    case MsgButtons::RetryCancel: return {{B::Retry, MsgAnswer::Retry}, {B::Cancel, MsgAnswer::Cancel}};
    }
    return {{B::Ok, MsgAnswer::Ok}};
}

QMessageBox::Icon iconOf(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}


class QtPrintJob : public PrintJob {
public:
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer))
    {
        m_active = m_painter.begin(m_printer.get());
    }
    ~QtPrintJob() override
    {
        if (m_painter.isActive()) m_painter.end();
    }
    bool active() const { return m_active; }
    int32_t pageWidth() const override { return m_printer->pageLayout().paintRectPixels(m_printer->resolution()).width(); }
    int32_t pageHeight() const override { return m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height(); }
    int32_t dpiX() const override { return m_printer->resolution(); }
    int32_t dpiY() const override { return m_printer->resolution(); }
    void drawPicture(const Bitmap& picture, int32_t x, int32_t y, int32_t w, int32_t h) override
    {
        if (!m_painter.isActive() || picture.isNull()) return;
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        m_painter.drawImage(QRect(x, y, w, h), toQImage(picture));
    }
    bool finish() override
    {
        if (!m_painter.isActive()) return false;
        return m_painter.end() && m_printer->printerState() != QPrinter::Error;
    }

private:
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    bool m_active = false;
};

} // namespace

Qt::CursorShape cursorShape(Cursor c)
{
    switch (c) {
    case Cursor::Cross: return Qt::CrossCursor;
    case Cursor::IBeam: return Qt::IBeamCursor;
    case Cursor::Hourglass: return Qt::WaitCursor;
    case Cursor::SizeAll: return Qt::SizeAllCursor;
    case Cursor::Hand: return Qt::PointingHandCursor;
    case Cursor::Arrow:
    case Cursor::Default: break;
    }
    return Qt::ArrowCursor;
}

QStringList qtNameFilters(const std::string& filter)
{
    QStringList parts = q(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts[i].trimmed();
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString t = p.trimmed();
            for (const QString& v : {t, t.toLower(), t.toUpper()})
                if (!v.isEmpty() && !patterns.contains(v)) patterns << v;
        }
        if (patterns.isEmpty()) continue;
        out << QStringLiteral("%1 (%2)").arg(label.isEmpty() ? patterns.join(QLatin1Char(' ')) : label,
                                             patterns.join(QLatin1Char(' ')));
    }
    return out;
}

QtUi::~QtUi()
{
    if (m_overrideCursor) QApplication::restoreOverrideCursor();
}

MsgAnswer QtUi::message(const MessageRequest& request)
{
    QMessageBox box;
    box.setWindowTitle(q(request.title));
    box.setText(q(request.text));
    box.setIcon(iconOf(request.icon));
    const auto buttons = buttonsOf(request.buttons);
    std::vector<QPushButton*> made;
    for (const auto& [b, answer] : buttons) made.push_back(box.addButton(b));
    size_t def = request.defaultButton == MsgDefault::Second ? 1 : request.defaultButton == MsgDefault::Third ? 2 : 0;
    if (def >= made.size()) def = 0;
    box.setDefaultButton(made[def]);
    // Escape gives what closing the box would: Cancel where there is one, else the lone button.
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].second == MsgAnswer::Cancel || buttons.size() == 1) box.setEscapeButton(made[i]);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (size_t i = 0; i < made.size(); ++i)
        if (made[i] == clicked) return buttons[i].second;
    for (const auto& [b, answer] : buttons)
        if (answer == MsgAnswer::Cancel) return answer;
    return request.buttons == MsgButtons::YesNo ? MsgAnswer::No
           : request.buttons == MsgButtons::AbortRetryIgnore ? MsgAnswer::Abort
                                                             : MsgAnswer::Ok;
}

namespace {

// The programs name files Windows-style ("D:\photos\face.jpg"), and so do the people who use them.
// A name typed that way is resolved through the drive table before the dialog checks it, so that
// it is taken like the native path it stands for.
class ProgramPathFileDialog : public QFileDialog {
public:
    void accept() override
    {
        static const QRegularExpression drivePath(QStringLiteral("[A-Za-z]:\\\\.*$"));
        const QStringList chosen = selectedFiles();
        if (chosen.size() == 1 && !QFileInfo::exists(chosen.front())) {
            const QRegularExpressionMatch m = drivePath.match(chosen.front());
            if (m.hasMatch())
                if (auto native = nativePath(m.captured(0).toStdString())) {
                    const QFileInfo where(QString::fromStdString(native->string()));
                    setDirectory(where.absolutePath());
                    selectFile(where.fileName());
                }
        }
        QFileDialog::accept();
    }
};

} // namespace

std::optional<FileDialogAnswer> QtUi::chooseFile(const FileDialogRequest& request)
{
    ProgramPathFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.resize(760, 460);  // wide enough that the size and date columns are readable
    dialog.setWindowTitle(q(request.title));
    const bool save = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save) dialog.setFileMode(QFileDialog::AnyFile);
    else if (request.multiSelect) dialog.setFileMode(QFileDialog::ExistingFiles);
    else dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (!request.defaultSuffix.empty()) dialog.setDefaultSuffix(q(request.defaultSuffix));

    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        int index = std::clamp(request.filterIndex, 1, int(filters.size())) - 1;
        dialog.selectNameFilter(filters[index]);
    }
    if (!request.initialDir.empty()) {
        auto dir = nativePath(request.initialDir);
        if (dir) dialog.setDirectory(QString::fromStdString(dir->string()));
    }
    if (!request.fileName.empty()) dialog.selectFile(q(request.fileName));

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    FileDialogAnswer answer;
    for (const QString& f : dialog.selectedFiles()) answer.files.push_back(f.toStdString());
    if (answer.files.empty()) return std::nullopt;
    answer.filterIndex = filters.isEmpty() ? 1 : int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (answer.filterIndex < 1) answer.filterIndex = 1;
    return answer;
}

std::optional<uint32_t> QtUi::chooseColour(uint32_t initial)
{
    return colourDialog({.initial = initial});
}

std::optional<uint32_t> QtUi::colourDialog(const ColourDialogRequest& request)
{
    const uint32_t start = request.initial.value_or(0);
    QColor c = QColorDialog::getColor(QColor(redOf(start), greenOf(start), blueOf(start)), nullptr, q(request.title));
    if (!c.isValid()) return std::nullopt;
    return packRgb(uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue()));
}

std::optional<FontChoice> QtUi::chooseFont(const FontChoice& initial)
{
    return fontDialog({.initial = initial});
}

std::optional<FontChoice> QtUi::fontDialog(const FontDialogRequest& request)
{
    const FontChoice& initial = request.initial;
    QFont font(q(initial.name));
    if (initial.size > 0) font.setPointSizeF(initial.size);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    font.setUnderline(initial.underline);
    font.setStrikeOut(initial.strikeout);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, nullptr, q(request.title));
    if (!ok) return std::nullopt;
    FontChoice out = initial;  // the colour is not part of Qt's font dialog and stays
    out.name = chosen.family().toStdString();
    // Qt's dialog has no size limits of its own: a size outside them is brought inside.
    out.size = float(chosen.pointSizeF());
    if (request.minSize > 0) out.size = std::max(out.size, request.minSize);
    if (request.maxSize > 0) out.size = std::min(out.size, request.maxSize);
    out.bold = chosen.bold();
    out.italic = chosen.italic();
    out.underline = chosen.underline();
    out.strikeout = chosen.strikeOut();
    return out;
}

std::optional<PrintChoice> QtUi::printDialog(const PrintDialogRequest& request)
{
    if (!hasPrinter()) return std::nullopt;
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(request.copies);
    printer.setFromTo(request.fromPage, request.toPage);
    QPrintDialog dialog(&printer);
    dialog.setWindowTitle(q(request.title));
    dialog.setMinMax(request.minPage, request.maxPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.pageNumbers);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    PrintChoice out;
    out.copies = printer.copyCount();
    out.fromPage = printer.fromPage() ? printer.fromPage() : request.minPage;
    out.toPage = printer.toPage() ? printer.toPage() : request.maxPage;
    return out;
}

bool QtUi::hasPrinter()
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

std::unique_ptr<PrintJob> QtUi::startPrint(const PrintRequest& request)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(q(request.documentName));
    if (!request.pdfFile.empty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(q(request.pdfFile));
        printer->setResolution(600);
        printer->setPageSize(QPageSize(QPageSize::A4));
    } else {
        if (!hasPrinter()) return nullptr;
        QPrintDialog dialog(printer.get());
        if (dialog.exec() != QDialog::Accepted) return nullptr;
    }
    auto job = std::make_unique<QtPrintJob>(std::move(printer));
    if (!job->active()) return nullptr;
    return job;
}

void QtUi::setCursor(Cursor cursor)
{
    if (cursor == Cursor::Default) {
        if (m_overrideCursor) QApplication::restoreOverrideCursor();
        m_overrideCursor = false;
        return;
    }
    if (m_overrideCursor) {
        QApplication::changeOverrideCursor(QCursor(cursorShape(cursor)));
    } else {
        QApplication::setOverrideCursor(QCursor(cursorShape(cursor)));
        m_overrideCursor = true;
    }
}

void QtUi::processEvents() { QCoreApplication::processEvents(); }

} // namespace salon
