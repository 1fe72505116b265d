#pragma once
// Everything that waits on a person or a device goes through Ui: message boxes, file, colour, font
// and print dialogs, printers, the mouse pointer and letting pending events run. The Qt
// implementation lives in platform/qt/; ScriptedUi answers from a queue for tests and records
// every question asked.
#include "Bitmap.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace salon {

// Values as the platform's message box numbers them, so they can be added: buttons + icon + default.
enum class MsgButtons { Ok = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum class MsgIcon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum class MsgDefault { First = 0, Second = 256, Third = 512 };
enum class MsgAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageRequest {
    std::string text;
    std::string title;  // empty: a box without a title
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgDefault defaultButton = MsgDefault::First;
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;
    std::string filter;        // "label|pattern|label|pattern|" as the text table writes it
    int filterIndex = 1;       // 1-based
    std::string initialDir;    // Windows-style or native
    std::string fileName;      // proposed name
    bool multiSelect = false;
    bool overwritePrompt = false;
    bool fileMustExist = false;
    std::string defaultSuffix;  // added by the dialog to a name typed without an extension
};

struct FileDialogAnswer {
    std::vector<std::string> files;  // native paths; more than one only with multiSelect
    int filterIndex = 1;
};

struct FontChoice {
    std::string name;
    float size = 10;
    bool bold = false, italic = false, underline = false, strikeout = false;
    uint32_t colour = 0;
};

// A print job on a printer or a PDF file. Coordinates are device pixels of the page.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual int32_t pageWidth() const = 0;   // printable width in device pixels
    virtual int32_t pageHeight() const = 0;
    virtual int32_t dpiX() const = 0;
    virtual int32_t dpiY() const = 0;
    virtual void drawPicture(const Bitmap& picture, int32_t x, int32_t y, int32_t w, int32_t h) = 0;
    virtual bool finish() = 0;  // ends the document; false when the device reported a failure
};

struct PrintRequest {
    std::string documentName;
    std::string pdfFile;  // non-empty: print to this PDF file without asking
};

// The library's dialogs want more than the plain choices above: a title, the size limits of the
// font dialog, the page range of the print dialog.
struct ColourDialogRequest {
    std::string title;
    std::optional<uint32_t> initial;  // none: the dialog's own starting colour (black)
    bool fullOpen = false;            // open with the custom colour part shown
    bool preventFullOpen = false;     // the part cannot be opened
};

struct FontDialogRequest {
    std::string title;
    FontChoice initial;
    float minSize = 0, maxSize = 0;   // 0: no limit
    bool existingOnly = true;         // only fonts that exist may be named
    bool effects = true;              // underline, strikeout and colour can be chosen
};

struct PrintDialogRequest {
    std::string title;
    int32_t copies = 1, fromPage = 1, toPage = 1;
    int32_t minPage = 1, maxPage = 1;
    bool pageNumbers = true;          // the page range can be chosen
};

struct PrintChoice {
    int32_t copies = 1, fromPage = 1, toPage = 1;
};

enum class Cursor { Default = 0, Arrow = 1, Cross = 2, IBeam = 3, Hourglass = 11, SizeAll = 15, Hand = 99 };

class Ui {
public:
    virtual ~Ui() = default;
    virtual MsgAnswer message(const MessageRequest& request) = 0;
    virtual std::optional<FileDialogAnswer> chooseFile(const FileDialogRequest& request) = 0;
    virtual std::optional<uint32_t> chooseColour(uint32_t initial) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
    virtual bool hasPrinter() = 0;
    // Shows the print dialog (unless the request names a PDF file); none when cancelled.
    virtual std::unique_ptr<PrintJob> startPrint(const PrintRequest& request) = 0;
    virtual void setCursor(Cursor cursor) = 0;
    virtual void processEvents() = 0;

    // The fuller dialogs. By default they ask the plain ones above (the colour and font dialogs;
    // a size outside the limits is brought inside) and a print range cannot be asked: cancelled.
    virtual std::optional<uint32_t> colourDialog(const ColourDialogRequest& request);
    virtual std::optional<FontChoice> fontDialog(const FontDialogRequest& request);
    virtual std::optional<PrintChoice> printDialog(const PrintDialogRequest& request);

    // Convenience for the common "no title" box.
    MsgAnswer message(std::string text, MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None,
                      MsgDefault def = MsgDefault::First)
    {
        return message(MessageRequest{std::move(text), {}, buttons, icon, def});
    }
};

// Test double: answers come from queues (a default when a queue is empty) and every request is kept.
class ScriptedUi : public Ui {
public:
    // Default answer when the queue is empty: the button Escape would give - Ok for Ok boxes,
    // Cancel where there is one, No for Yes/No boxes, Abort for Abort/Retry/Ignore.
    std::deque<MsgAnswer> messageAnswers;
    std::deque<std::optional<FileDialogAnswer>> fileAnswers;  // default: cancelled
    std::deque<std::optional<uint32_t>> colourAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::deque<std::optional<PrintChoice>> printChoices;  // print dialogs; default: cancelled
    std::deque<bool> printAnswers;  // false: the print dialog was cancelled (default: accepted)
    bool printerPresent = true;
    int32_t pageWidth = 4960, pageHeight = 7016, dpi = 600;  // A4 at 600 dpi

    std::vector<MessageRequest> messages;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<PrintRequest> printRequests;
    std::vector<uint32_t> colourRequests;   // initial colours offered
    std::vector<FontChoice> fontRequests;   // initial fonts offered
    std::vector<ColourDialogRequest> colourDialogs;
    std::vector<FontDialogRequest> fontDialogs;
    std::vector<PrintDialogRequest> printDialogs;
    struct Drawn {
        Bitmap picture;
        int32_t x, y, w, h;
    };
    std::vector<Drawn> printed;  // what print jobs drew
    int finishedJobs = 0;
    std::vector<Cursor> cursors;
    int eventsProcessed = 0;

    MsgAnswer message(const MessageRequest& request) override;
    using Ui::message;
    std::optional<FileDialogAnswer> chooseFile(const FileDialogRequest& request) override;
    std::optional<uint32_t> chooseColour(uint32_t initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    bool hasPrinter() override { return printerPresent; }
    std::unique_ptr<PrintJob> startPrint(const PrintRequest& request) override;
    void setCursor(Cursor cursor) override { cursors.push_back(cursor); }
    void processEvents() override { ++eventsProcessed; }
    std::optional<uint32_t> colourDialog(const ColourDialogRequest& request) override;
    std::optional<FontChoice> fontDialog(const FontDialogRequest& request) override;
    std::optional<PrintChoice> printDialog(const PrintDialogRequest& request) override;
};

} // namespace salon
