// Start-up, the menu screens with their hot areas and balloons, and the menu actions.
#include "presentation/Presentation.h"

#include "presentation/Texts.h"

#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace prevu {

namespace {

// The window in twips and the client area in pixels of each resolution class; class 4 shares
// class 3's layout.
constexpr std::array<ClassLayout, 4> Layouts{{
    {14280, 11025, 944, 708, 1.0f},
    {11040, 8595, 728, 546, 0.7712f},
    {8640, 6795, 568, 426, 0.6017f},
    {8640, 6795, 568, 426, 0.6017f},
}};
constexpr int32_t TwipsPerPixel = 15;

int32_t scaled(int32_t v, float factor) { return int32_t(std::nearbyint(float(v) * factor)); }
int32_t halfEven(float v) { return int32_t(std::nearbyint(v)); }

// Hover pictures of areas 1 and 2 by screen.
constexpr std::array<std::array<int32_t, 2>, 5> UpperHover{{{27, 28}, {30, 19}, {27, 19}, {29, 19}, {0, 0}}};
// Background picture stems by screen (screen 1 is the menu, drawn in "mela2").
constexpr std::array<const char*, 6> Backgrounds{"", "mela2", "mela1", "mela3", "mela4", "mela5"};

} // namespace

const std::vector<salon::Rect>& hotAreaTable(int32_t screen)
{
    static const std::array<std::vector<salon::Rect>, 6> table = [] {
        std::array<std::vector<salon::Rect>, 6> t;
        t[1] = {{152, 562, 372, 601}, {777, 205, 924, 335}, {376, 356, 417, 494}, {711, 459, 928, 499}};
        for (int32_t k = 5; k <= 10; ++k) t[1].push_back({0, 48 + 45 * (k - 5), 280, 94 + 45 * (k - 5)});
        t[2] = {{438, 490, 657, 529}, {691, 490, 910, 529}};
        t[3] = {{424, 396, 643, 436}, {675, 396, 890, 436}};
        t[4] = {{438, 490, 657, 529}, {691, 490, 910, 529}};
        t[5] = {{775, 520, 931, 603}};
        return t;
    }();
    static const std::vector<salon::Rect> none;
    return screen >= 1 && screen <= 5 ? table[size_t(screen)] : none;
}

std::string backgroundFile(int32_t screen, int32_t resolutionClass)
{
    const char letter = resolutionClass == 1 ? 'a' : resolutionClass == 2 ? 'b' : 'c';
    if (screen < 1 || screen > 5 || (screen == 5 && letter == 'c')) return {};
    return std::string(Backgrounds[size_t(screen)]) + letter + ".jpg";
}

const ClassLayout& classLayout(int32_t resolutionClass)
{
    return Layouts[size_t(std::clamp(resolutionClass, 1, 4) - 1)];
}

int32_t widthClass(int32_t screenWidth)
{
    if (screenWidth > 1023) return 1;
    if (screenWidth >= 800) return 2;
    if (screenWidth >= 640) return 3;
    return 4;
}

Presentation::Presentation(LibraryLink& library, salon::Ui& ui, PresentationHost& host, Resources resources)
    : m_lib(library), m_ui(ui), m_host(host), m_res(std::move(resources))
{
    form.Bublina[0].ReadProperties(m_res.balloon0);
    form.Bublina[1].ReadProperties(m_res.balloon1);
    form.Picture1.surface.autoRedraw = true;
}

Presentation::~Presentation()
{
    // Whatever way the run ends, the shape region goes back to the library.
    m_lib.TsRgn(ShapeRegion);
}

bool Presentation::Form_Load(const std::string& programDir, WorkArea workArea, int32_t platformScreenWidth,
                             int32_t platformScreenHeight)
{
    ProgramDir = programDir;
    if (!ProgramDir.empty() && ProgramDir.back() != '/') ProgramDir += '/';
    int32_t screenWidth = platformScreenWidth;
    int32_t depth = 24;
    if (m_lib.SuSettingsP(1, ProgramDir) != 0) {
        screenWidth = m_lib.SuScWidth();
        depth = m_lib.SuScBarva();
    } else {
        std::fprintf(stderr, "prevu1: the graphics library found no settings; using the screen size %dx%d\n",
                     int(platformScreenWidth), int(platformScreenHeight));
    }
    ColourClass = depth > 14 ? 1 : depth > 7 ? 2 : 3;

    // The class the screen's width gives, made smaller until its window fits the work area.
    ResolutionClass = widthClass(screenWidth);
    while (ResolutionClass < 3) {
        const ClassLayout& l = classLayout(ResolutionClass);
        if (l.windowWidth / TwipsPerPixel <= workArea.width && l.windowHeight / TwipsPerPixel <= workArea.height)
            break;
        ++ResolutionClass;
    }
    const ClassLayout& layout = classLayout(ResolutionClass);
    LayoutWidth = layout.layoutWidth;
    LayoutHeight = layout.layoutHeight;
    LayoutFactor = layout.factor;

    while (!findDataRoot()) {
        if (m_ui.message(texts::NoDataDrive, salon::MsgButtons::RetryCancel, salon::MsgIcon::Exclamation) !=
            salon::MsgAnswer::Retry) {
            m_lib.SyTmpDel();
            return false;
        }
    }

    ShowScreen(1);
    FirstTimeDone = true;
    placeWindow(workArea);
    form.Visible = true;
    return true;
}

bool Presentation::findDataRoot()
{
    salon::BoundedArray<int32_t> types;
    salon::BoundedArray<std::string> letters;
    int32_t count = m_lib.SysData3(types, letters);
    for (int32_t i = 0; i < count; ++i) {
        if (!types.has(types.lower + i) || !letters.has(letters.lower + i)) break;
        int32_t type = types(types.lower + i);
        const std::string& letter = letters(letters.lower + i);
        if ((type == 3 || type == 5) && !letter.empty() && m_lib.FsExist(letter.substr(0, 1) + ":\\Dslob00.aob") == 1) {
            DataRoot = letter.substr(0, 1);
            return true;
        }
    }
    return false;
}

void Presentation::placeWindow(WorkArea area)
{
    const ClassLayout& layout = classLayout(ResolutionClass);
    form.Width = std::min(layout.windowWidth / TwipsPerPixel, area.width);
    form.Height = std::min(layout.windowHeight / TwipsPerPixel, area.height);
    form.Left = area.left + (area.width - form.Width) / 3;
    form.Top = area.top + (area.height - form.Height) / 3;
}

void Presentation::Form_Unload()
{
    m_lib.TsRgn(ShapeRegion);
    m_lib.SyTmpDel();
}

void Presentation::hideBalloons()
{
    form.Bublina[0].Visible = false;
    form.Bublina[1].Visible = false;
}

void Presentation::ShowScreen(int32_t screen)
{
    hideBalloons();
    CurrentScreen = screen;
    AreaCount = int32_t(hotAreaTable(screen).size());
    LastHovered = 0;

    if (!FirstTimeDone) {
        static constexpr std::array<int32_t, 8> LowerHover{29, 30, 20, 21, 22, 23, 24, 25};
        for (size_t k = 0; k < LowerHover.size(); ++k) Areas[k + 2].hover = m_res.bitmap(LowerHover[k]);
        form.Bublina[0].setPicture(m_res.bitmap(26));
        form.Bublina[1].setPicture(m_res.bitmap(31));
    }

    form.Picture = {};
    if (std::string file = backgroundFile(screen, ResolutionClass); !file.empty()) {
        std::string name = DataRoot + ":\\orvella\\" + file;
        if (auto native = salon::nativePath(name)) {
            auto picture = salon::loadPicture(*native);
            if (picture) form.Picture = std::move(picture).value();
        }
    }
    if (screen >= 1 && screen <= 4) {
        Areas[0].hover = m_res.bitmap(UpperHover[size_t(screen - 1)][0]);
        Areas[1].hover = m_res.bitmap(UpperHover[size_t(screen - 1)][1]);
    }

    const std::vector<salon::Rect>& defs = hotAreaTable(screen);
    for (size_t j = 0; j < defs.size(); ++j) {
        HotArea& a = Areas[j];
        a.rect = {scaled(defs[j].left, LayoutFactor), scaled(defs[j].top, LayoutFactor),
                  scaled(defs[j].right, LayoutFactor), scaled(defs[j].bottom, LayoutFactor)};
        a.anchorY = halfEven(float(a.rect.top + a.rect.bottom) / 2.0f);
        a.anchorX = halfEven(float(a.rect.left + a.rect.right) / (j < 4 ? 2.0f : 4.0f));
    }
    m_ui.processEvents();
}

void Presentation::Form_MouseMove(int button, int shift, int32_t x, int32_t y)
{
    if (CurrentScreen < 1 || CurrentScreen > 4) return;
    int32_t j = 0;
    for (int32_t k = 1; k <= AreaCount; ++k) {
        const salon::Rect& r = Areas[size_t(k - 1)].rect;
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
            j = k;
            break;
        }
    }
    if (j == 0) {
        hideBalloons();
        LastHovered = 0;
        return;
    }
    if (j == LastHovered) return;
    const HotArea& area = Areas[size_t(j - 1)];
    // One balloon at a time: the menu column uses balloon 0 to the right of the anchor, the upper
    // areas balloon 1 ending at the anchor.
    hideBalloons();
    prevu::Bublina& b = form.Bublina[j > 4 ? 0 : 1];
    int32_t left = j > 4 ? area.anchorX : area.anchorX - 238;
    int32_t top = j > 4 ? area.anchorY : area.anchorY - 180;
    b.Left = std::clamp(left, 0, std::max(0, LayoutWidth - b.Width));
    b.Top = std::clamp(top, 0, std::max(0, LayoutHeight - b.Height));
    b.setPicture(area.hover);
    b.Visible = true;
    LastHovered = j;
}

void Presentation::Bublina_MouseMove(int index, int button, int shift, int32_t x, int32_t y)
{
    const prevu::Bublina& b = form.Bublina[size_t(index)];
    Form_MouseMove(button, shift, x + b.Left, y + b.Top);
}

void Presentation::Form_MouseUp(int button, int shift, int32_t x, int32_t y)
{
    if (button == RightButton && CurrentScreen >= 2) {
        if (CurrentScreen == 5) endSlideshow();
        ShowScreen(1);
        return;
    }
    if (button != LeftButton) return;
    auto inArea = [&](int32_t k) {
        const salon::Rect& r = Areas[size_t(k - 1)].rect;
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    };
    if (CurrentScreen == 1 && inArea(10)) {
        hideBalloons();
        m_host.showInformation();
        afterModal();
        return;
    }
    const int32_t clickable = CurrentScreen == 1 ? 4 : CurrentScreen == 5 ? 1 : 2;
    for (int32_t k = 1; k <= std::min(clickable, AreaCount); ++k) {
        if (!inArea(k)) continue;
        if (CurrentScreen == 5) {
            if (Step > 0) Povel();
        } else if (CurrentScreen >= 1) {
            RunProg(CurrentScreen * 10 + k);
        }
        return;
    }
}

void Presentation::Form_KeyDown(int keyCode, int shift)
{
    if (keyCode != KeyEscape || CurrentScreen < 2) return;
    if (CurrentScreen == 5) endSlideshow();
    ShowScreen(1);
}

void Presentation::afterModal()
{
    hideBalloons();
    LastHovered = 0;
}

void Presentation::RunProg(int32_t Ag)
{
    if ((Ag == 21 || Ag == 31 || Ag == 41) && ResolutionClass >= 3) {
        m_ui.message(CrLf + texts::SmallScreen);
        afterModal();
        return;
    }
    const std::string videos = DataRoot + ":\\orvella\\avi\\";
    switch (Ag) {
    case 11: ShowScreen(3); break;
    case 13: ShowScreen(4); break;
    case 14: ShowScreen(2); break;
    case 12:
    case 22:
    case 42:
        form.Bublina[1].Visible = false;
        m_host.showVideo(videos + (Ag == 12 ? "demo3.avi" : Ag == 22 ? "demo1.avi" : "demo2.avi"));
        afterModal();
        break;
    case 32:
        form.Bublina[1].Visible = false;
        m_host.showVideo(videos + "hair.avi");
        m_host.showVideo(videos + "hairclas.avi");
        afterModal();
        break;
    case 21:
    case 31:
        if (m_host.startProgram(editorProgram(), editorArguments())) {
            m_host.closeWindow();
        } else {
            m_ui.message(std::string(texts::EditorNotStarted) + editorProgram());
            afterModal();
        }
        break;
    case 41:
        ShowScreen(5);
        Step = 0;
        Povel();
        break;
    default: break;
    }
}

} // namespace prevu
