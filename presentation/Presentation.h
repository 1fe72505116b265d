#pragma once
// The presentation's main window Form1: its controls, the program state that lives for the whole run,
// and the event handlers under their own names. GUI-free: handlers change the control model, the
// picture surfaces and the state; the view (presentation/qt/) draws the model and forwards events.
//
// Units: window pixels of the client area, (0, 0) top left. Mouse buttons 1 left, 2 right.
// Screens: 0 none yet, 1 the menu, 2-4 the menu's pages, 5 the slideshow.
#include "presentation/Bublina.h"
#include "presentation/LibraryLink.h"

#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "platform/Region.h"
#include "platform/Surface.h"
#include "platform/Ui.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace prevu {

inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int KeyEscape = 27;

struct WorkArea {
    int32_t left = 0, top = 0, width = 0, height = 0;  // pixels
};

struct Label {
    bool Visible = false;
    int32_t Left = 0, Top = 0, Width = 160, Height = 360;  // ends above the next-step button
    std::string Caption;  // UTF-8
};

// A picture box that shows its surface inside a 2-pixel frame.
struct PictureBox {
    bool Visible = false;
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;  // outer size, frame included
    salon::Surface surface;
};

struct HotArea {
    salon::Rect rect;        // layout pixels, right and bottom excluded
    int32_t anchorX = 0, anchorY = 0;
    salon::Bitmap hover;     // the balloon picture shown while the pointer is over the area
};

struct Form1 {
    bool Visible = false;
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;  // outer window, pixels
    salon::Bitmap Picture;                              // background of the current screen
    PictureBox Picture1;                                // the slideshow photo
    std::array<salon::Surface, 2> Picture2;             // 0 loads, 1 keeps the composed photo
    Label Text1;                                        // narration
    std::array<prevu::Bublina, 2> Bublina;                   // 0 slideshow and lower entries, 1 upper areas
};

// What the window logic asks of the windowing side.
class PresentationHost {
public:
    virtual ~PresentationHost() = default;
    // Plays one video in the modal video window; returns when the window has hidden itself.
    virtual void showVideo(const std::string& windowsPath) = 0;
    // The information window, modal; returns when it is closed.
    virtual void showInformation() = 0;
    // Starts a program as a new process with its own argument list; false when it did not start.
    virtual bool startProgram(const std::string& nativeProgram, const std::vector<std::string>& args) = 0;
    // Closes the main window (the program ends after Form_Unload).
    virtual void closeWindow() = 0;
};

// The program's pictures: bitmap resources by number, the balloons' persisted settings.
struct Resources {
    std::function<salon::Bitmap(int32_t id)> bitmap;
    PropertyBag balloon0, balloon1;
};

// Layout of a resolution class.
struct ClassLayout {
    int32_t windowWidth, windowHeight;  // outer window, twips
    int32_t layoutWidth, layoutHeight;  // client area, pixels
    float factor;
};
const ClassLayout& classLayout(int32_t resolutionClass);
// Hot areas of screens 1-5 in class-1 pixels (right and bottom excluded), in area order; none for
// other screens. The backgrounds draw their labels there.
const std::vector<salon::Rect>& hotAreaTable(int32_t screen);
// The background picture of a screen in a resolution class ("mela2a.jpg"); "" where there is none
// (screen 5 has no picture for classes 3 and 4).
std::string backgroundFile(int32_t screen, int32_t resolutionClass);
// 1 wider than 1023, 2 800-1023, 3 640-799, 4 narrower.
int32_t widthClass(int32_t screenWidth);

class Presentation {
public:
    Presentation(LibraryLink& library, salon::Ui& ui, PresentationHost& host, Resources resources);
    ~Presentation();

    Form1 form;

    // State of the run.
    int32_t ResolutionClass = 1;
    int32_t ColourClass = 1;
    int32_t LayoutWidth = 944, LayoutHeight = 708;
    float LayoutFactor = 1.0f;
    std::string DataRoot;  // the data drive's letter
    std::string CrLf = "\r\n";
    int32_t CurrentScreen = 0;
    int32_t AreaCount = 0;
    std::array<HotArea, 10> Areas;
    int32_t LastHovered = 0;
    int32_t Step = 0;
    int32_t PhotoW = 0, PhotoH = 0;
    int32_t ShapeRegion = 0;  // library handle: the photo rectangle outside the cut shape
    bool FirstTimeDone = false;
    std::string ProgramDir;  // native, ending in '/'

    // Start: everything before the window is shown. False when the program must end (no data drive
    // and the user cancelled); the view then exits with a non-zero status.
    bool Form_Load(const std::string& programDir, WorkArea workArea, int32_t platformScreenWidth,
                   int32_t platformScreenHeight);
    // Closing the window: the library's scratch file goes, whatever state the run is in.
    void Form_Unload();

    void ShowScreen(int32_t screen);
    void Form_MouseMove(int button, int shift, int32_t x, int32_t y);
    void Bublina_MouseMove(int index, int button, int shift, int32_t x, int32_t y);
    void Form_MouseUp(int button, int shift, int32_t x, int32_t y);
    void Form_KeyDown(int keyCode, int shift);
    void RunProg(int32_t Ag);
    void Povel();

    // Where the video window goes inside the main window (one third of the free room).
    int32_t videoLeft(int32_t videoWidth) const { return (form.Width - videoWidth) / 3; }
    int32_t videoTop(int32_t videoHeight) const { return (form.Height - videoHeight) / 3; }
    // The path the slideshow narration is read from, and what the editor is started as.
    std::string narrationPath() const { return DataRoot + ":\\orvella\\Demo.nxt"; }
    std::string editorProgram() const { return ProgramDir + "frizet01"; }
    std::vector<std::string> editorArguments() const { return {"/" + DataRoot}; }

private:
    bool findDataRoot();
    void placeWindow(WorkArea area);
    void hideBalloons();
    void afterModal();
    void loadPhoto(int32_t resource, const std::string& shapeFile);
    void composePhoto();
    void balloonOverPhoto(int32_t width, int32_t height, int32_t picture);
    void endSlideshow();
    void restoreHoverBalloon();
    std::string narration(int32_t step) const;

    LibraryLink& m_lib;
    salon::Ui& m_ui;
    PresentationHost& m_host;
    Resources m_res;
};

} // namespace prevu
