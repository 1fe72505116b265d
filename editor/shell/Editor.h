#pragma once
// The salon editor's main window Form1: its controls, the editor state that lives for the whole run,
// and the event handlers under their own names. GUI-free: handlers change the control model, the
// engine and the state; the view (editor/shell/qt/) draws the model and forwards events.
//
// Mouse buttons as the platform numbers them: 1 left, 2 right, 4 middle. Shift state: 1 Shift,
// 2 Ctrl, 4 Alt, added together.
#include "editor/shell/CatalogueForm.h"
#include "editor/shell/Controls.h"
#include "editor/shell/EngineLink.h"
#include "editor/shell/Layout.h"
#include "editor/shell/QuestionForm.h"
#include "editor/shell/StartUp.h"

#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "platform/Ui.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace salon {

inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int ShiftKey = 1;
inline constexpr int CtrlKey = 2;
inline constexpr int AltKey = 4;

inline constexpr uint32_t EditorBackColour = 0xFFE4F0;  // RGB(240, 228, 255), packed

// The desktop work area the window is laid over, in twips.
struct WorkArea {
    int32_t left = 0, top = 0, width = 0, height = 0;
};

// What the window logic asks of the windowing side: modal windows and the end of the program.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    // Each shows its form modally and returns when the form has hidden itself.
    virtual void showCatalogue(CatalogueForm& form) = 0;
    virtual void showQuestion(QuestionForm& form) = 0;
    virtual void showHelp() = 0;  // Form2
    virtual void endProgram() = 0;
};

struct Form1 {
    bool Visible = false;
    uint32_t BackColor = EditorBackColour;
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;  // pixels

    PictureBox Picture1;                 // surface 0, the face as placed
    PictureBox Picture2;                 // surface 4, the result
    std::array<PictureBox, 5> Picture3;  // surfaces 5, 6, 7, 9, 10; only (0) is ever shown
    PictureBox PicStopa;                 // surface 8, the stamp sample
    std::array<ImageButton, 16> Funkce;
    std::array<ImageButton, 6> Sipka;    // fine arrows
    std::array<ImageButton, 6> SSipka;   // coarse arrows
    std::array<ImageButton, 4> TSipka;   // stamp diameters
    std::array<ImageButton, 2> QSipka;   // stamp coverage
    std::array<ImageButton, 1> Tlac;     // reset of the face-edit mode
    std::array<ImageButton, 3> OblImg;   // fit at 100 % and 60 %, and the seamless fit
    std::array<ImageButton, 4> BarImg;   // swatch banks and the model's own colour
    std::array<ImageControl, 2> Image1;  // waiting images over the two pictures
    std::array<PictureBox, 2> Vzornik;   // visible swatch strip and the hidden palette
    ScrollBar HScroll1;                  // swatch scroll bar
    Timer Timer1;                        // auto-repeat of the placement arrows
    Timer Timer2;                        // waiting animation
    Label Status;                        // what the automatic placement found, over the face view
};

// Commands whose work lives in other files; unset ones show the help page of their button.
// Mouse handlers take (index, button, shift, x, y); x and y in the control's own pixels.
using MouseHandler = std::function<void(int index, int button, int shift, int x, int y)>;

// The window's controls that take mouse presses, by group; a group's controls are told apart by
// their index.
enum class ControlGroup { None, Funkce, Sipka, SSipka, TSipka, QSipka, Tlac, OblImg, BarImg, PicStopa, Vzornik, Picture1, Picture2 };

struct EditorCommands {
    std::function<void()> print;                  // Funkce(5)
    std::function<void()> save;                   // Funkce(8)
    std::function<void(int32_t topic)> showHint;  // fills the help window with a page
    std::function<void(int32_t mode)> panelShown; // after ShowPanel(mode), for sub-panels of others
    // The retouch stamp and the swatches: the view forwards these events here.
    MouseHandler Picture2_MouseDown;  // index unused
    MouseHandler TSipka_MouseDown, TSipka_MouseUp;
    MouseHandler QSipka_MouseDown, QSipka_MouseUp;
    MouseHandler BarImg_MouseDown, BarImg_MouseUp;
    MouseHandler PicStopa_MouseDown;  // index unused
    MouseHandler Vzornik_MouseDown;
    std::function<void()> HScroll1_Change;
};

class Editor {
public:
    Editor(EngineLink& engine, Ui& ui, EditorHost& host);

    Form1 form;
    EditorCommands commands;
    // Resource bitmaps (Pikvalt pictures 10-21 and the program's own); null picture when unknown.
    std::function<Bitmap(int32_t id)> resourceBitmap;

    // State of the run.
    int32_t HelpOffset = 0;
    std::string ProgramDir;
    std::string DataDrive;
    // Where the photo dialog opens next: the folder of the last photo chosen (Windows-style, with
    // its separator); empty until then, when it opens in the data drive's photos.
    std::string lastPhotoFolder;
    std::vector<Category> CatalogueCodes;
    std::string CrLf = "\r\n";
    bool SampleTaken = false;
    int32_t PaletteOpen = 0;
    std::string SaveFile;
    std::array<int32_t, 27> PanelState{};
    MainLayout layout;
    WorkArea workArea;
    bool colourAllowed() const { return catalogue ? catalogue->colourAllowed : true; }

    // Panel state.
    int16_t PressedMode = -1;
    int16_t ClickedButton = 0;
    int32_t DontAsk = 0;
    uint8_t Answer = 0;

    // Guide line of the rotation mode (left-picture pixels) and the busy flag of its erasing.
    int32_t lineX1 = 0, lineY1 = 0, lineX2 = 0, lineY2 = 0;
    bool lineBusy = false;
    bool lineDrawing = false;

    uint8_t frameCounter = 0;
    // The key that holds a placement arrow down (0: none) and the arrow it holds.
    int heldArrowKey = 0;
    int heldArrowIndex = 0;
    // The mode whose arrow the auto-repeat (Timer1) is stepping.
    int32_t repeatMode = 0;
    std::unique_ptr<CatalogueForm> catalogue;
    QuestionForm form3;

    // Start. Form_Load decides everything before the window exists; false when the program must
    // end (no data drive, or a work area too small), after telling the user why.
    bool Form_Load(const std::vector<std::string>& args, const std::string& programDir, WorkArea area);
    bool InitMainWindow();
    void Makovice(uint8_t ag);
    // The window's close box: true when the program may end.
    bool Form_QueryUnload(int unloadMode);
    void Form_KeyDown(int keyCode, int shift);
    void Form_KeyUp(int keyCode, int shift);
    void Timer2_Timer();
    // The display settings changed: lay the window out again over the new work area.
    void SysInfo1_DisplayChanged(WorkArea area);

    // A press and a release on a control, handed to its handler: the one way the views reach the
    // handlers below, so that every view (and the tests that stand in for one) dispatch alike.
    void mouseDown(ControlGroup group, int index, int button, int shift, int x, int y);
    void mouseUp(ControlGroup group, int index, int button, int shift, int x, int y);

    // Command panel.
    void Funkce_MouseDown(int index, int button, int shift, int x, int y);
    void Funkce_MouseUp(int index, int button, int shift, int x, int y);
    void ShowPanel(int32_t mode);
    void SetPanelMode(int layoutMode);
    void Tlac_MouseDown(int index, int button, int shift, int x, int y);
    void Tlac_MouseUp(int index, int button, int shift, int x, int y);
    void OblImg_MouseDown(int index, int button, int shift, int x, int y);
    void OblImg_MouseUp(int index, int button, int shift, int x, int y);

    // Face placement.
    void Sipka_MouseDown(int index, int button, int shift, int x, int y);
    void Sipka_MouseUp(int index, int button, int shift, int x, int y);
    void SSipka_MouseDown(int index, int button, int shift, int x, int y);
    void SSipka_MouseUp(int index, int button, int shift, int x, int y);
    void Timer1_Timer();
    void Picture1_MouseDown(int button, int shift, int x, int y);
    void Picture1_MouseMove(int button, int shift, int x, int y);
    void Picture1_MouseUp(int button, int shift, int x, int y);

    // Help page of a topic, then the help window.
    void ShowHint(int32_t topic);
    void showHelp(int32_t topic);

    // The model at a path of the data drive (as the catalogue names it) and a photo file, loaded as
    // the catalogue and the open command would; for starting the editor on a given edit.
    bool loadChosenModel(const std::string& modelPath);
    bool loadPhotoFile(const std::string& photoPath);

    // The photo's face found and set into the model's cut-out (one undo step); the status line
    // says what became of it.
    void autoPlaceFace();

    // The command-button topic of a face-edit mode (9 -> 10, 10 -> 11, 12 -> 13, 13 -> 14).
    static int32_t modeTopic(int32_t mode);
    // Places both views after the engine fitted them to a model (sizes of surfaces 0 and 4).
    void placeViews();

    EngineLink& engine() { return m_engine; }

private:
    void arrowDown(bool coarse, int index, int button, int shift);
    void arrowUp(bool coarse, int index, int button);
    void layoutControls();
    void showEmptySample();
    void chooseHairstyle();
    void openPhoto();
    std::string photoDialogStart() const;
    bool photoLoaded(bool ok, bool bothBefore, int32_t modeBefore);
    void restorePressedLook();
    bool askModeChange();
    // Applies placement step `code`; false, changing nothing, when it would scale the photo past
    // what can be composed.
    bool applyStep(int code);
    bool stepFits(int code);
    void drawGuideLine(int32_t x2, int32_t y2);

    EngineLink& m_engine;
    Ui& m_ui;
    EditorHost& m_host;
};

} // namespace salon
