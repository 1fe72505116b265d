#pragma once
// CUTPic, the crop dialog, as plain state and event handlers over a control model.
//
// The dialog shows the photo reduced into a fixed preview area and four masking strips around it
// (Frame1: left, right, top, bottom). The user pushes the strips in from the edges; OK writes the
// part inside the strips, reduced to fit 354 x 472, as a 24-bit BMP file. The handlers only change
// the model and the state; a view (crop/qt/, or a scripted one in tests) draws the model, forwards
// the pointer and button events, and runs the modal loop until the form is hidden.
//
// Positions of controls are dialog client pixels. Strip pointer events carry twips relative to the
// strip, as the strips have always reported them.
#include "crop/CropGeometry.h"
#include "platform/Bitmap.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace trimlet {

struct Control {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    bool Visible = true;
    int32_t ZOrder = 0;  // larger is in front
};

struct PictureBox : Control {
    bool AutoRedraw = false;
    salon::Bitmap Image;    // what is drawn; 24-bit, Width x Height when not empty
    bool HasPicture = false;  // the drawing was made persistent
};

struct CommandButton : Control {
    std::string Caption;
};

struct Label : Control {
    std::string Caption;
    float FontSize = 9.0f;
    bool FontBold = true;
};

// The controls of CUTPic with the properties the handlers use.
struct CutPicForm {
    std::string Caption;
    int32_t Left = 0;   // dialog position on the screen, pixels
    int32_t Top = 0;
    int32_t Width = 600;  // client size
    int32_t Height = 400;
    bool Visible = false;

    PictureBox Picture1;  // the preview
    salon::Bitmap Picture2;  // the loaded picture, never shown
    std::array<Control, 4> Frame1;  // masking strips, StripIndex order
    std::array<CommandButton, 2> Command1;  // 0 OK, 1 cancel
    Label Label1;  // help text
};

enum MouseButton : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

class CutPic;

// Shows the dialog modally: draws the model, forwards events to the handlers and returns once
// Visible has become false.
class CutPicView {
public:
    virtual ~CutPicView() = default;
    virtual void runModal(CutPic& dialog) = 0;
    // Lets pending window events run (repaints after the preview changed).
    virtual void processEvents() {}
};

class CutPic {
public:
    CutPic();
    explicit CutPic(std::unique_ptr<CutPicView> view);
    ~CutPic();
    CutPic(const CutPic&) = delete;
    CutPic& operator=(const CutPic&) = delete;

    // Write-only properties set by the caller before showing.
    void setCUTJme(std::string path) { m_cutJme = std::move(path); }  // picture to crop
    void setCUTJOt(std::string path) { m_cutJOt = std::move(path); }  // file to write
    void setCutJazyk(int32_t offset) { m_cutJazyk = offset; }  // language offset of the string table
    // 1 after a successful OK, 0 after cancel or any failure.
    uint8_t CUTStorno() const { return m_cutStorno; }
    // Where the reduced copy really went: CUTJOt itself, or a file in the user's cache directory when
    // CUTJOt could not be written (e.g. a program directory of an installed program). Empty unless
    // the last showing wrote a file.
    const std::string& writtenPath() const { return m_writtenPath; }

    // Moves the dialog (pixels) and shows it modally; returns when it is hidden again.
    void showModal(int32_t left, int32_t top);
    void setView(std::unique_ptr<CutPicView> view);

    // Event handlers.
    void Form_Activate();  // the dialog start, every time the dialog is shown
    void Frame1_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Frame1_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Frame1_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void Command1_Click(int Index);
    void Picture1_Paint();

    const CutPicForm& form() const { return m_form; }
    const PreviewFit& fit() const { return m_fit; }
    int32_t sourceWidth() const { return m_w0; }
    int32_t sourceHeight() const { return m_h0; }
    // Committed strip rectangles (slots 0-3) and the working copies of a drag (slots 4-7).
    const std::array<StripRect, 8>& strips() const { return m_strips; }
    bool dragging() const { return m_drag.active; }

private:
    void moveStrip(int index, const StripRect& r);
    void bringToFront(Control& c);
    void hide();
    void finishOk();

    std::unique_ptr<CutPicView> m_view;
    CutPicForm m_form;
    std::string m_cutJme, m_cutJOt, m_writtenPath;
    int32_t m_cutJazyk = 0;
    uint8_t m_cutStorno = 0;
    int32_t m_w0 = 0, m_h0 = 0;
    PreviewFit m_fit;
    std::array<StripRect, 8> m_strips{};
    struct Drag {
        bool active = false;
        int index = 0;
        int32_t startX = 0, startY = 0, refX = 0, refY = 0;
    } m_drag;
    int32_t m_zCounter = 0;
};

} // namespace trimlet
