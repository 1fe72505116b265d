// Form1's start, layout, waiting pictures, keys and the end of the program.
#include "editor/shell/ButtonFaces.h"
#include "editor/shell/Editor.h"
#include "editor/shell/Placement.h"
#include "editor/shell/WaitAnimation.h"
#include "editor/shell/texts/Texts.h"

#include "platform/Numbers.h"

#include <iostream>

namespace salon {

Editor::Editor(EngineLink& engine, Ui& ui, EditorHost& host) : m_engine(engine), m_ui(ui), m_host(host)
{
    form.Picture1.surface = 0;
    form.Picture2.surface = 4;
    static constexpr int hidden[5] = {5, 6, 7, 9, 10};
    for (int k = 0; k < 5; ++k) {
        form.Picture3[k].surface = hidden[k];
        form.Picture3[k].Visible = false;
    }
    form.PicStopa.surface = 8;
    form.PicStopa.Visible = false;
    for (auto& v : form.Vzornik)
        v.Visible = false;
    form.HScroll1.Visible = false;
    form.Picture1.Visible = false;
    form.Picture2.Visible = false;
    form.Timer1 = {50, false};
    form.Timer2 = {1000, true};
    form3.DontAsk = &DontAsk;
    form3.Answer = &Answer;
}

bool Editor::Form_Load(const std::vector<std::string>& args, const std::string& programDir, WorkArea area)
{
    TextOffset = 0;
    HelpOffset = 0;
    ProgramDir = programDirString(programDir);
    workArea = area;

    const DriveTable& drives = DriveTable::current();
    DataDrive = chooseDataDrive(joinCommandLine(args), drives);
    if (DataDrive.empty()) {
        // Ending without a word leaves the person guessing; say where we looked and how to fix it.
        const std::string text = noDataDriveMessage(drives);
        std::cerr << "frizet01: " << text << '\n';
        m_ui.message(text, MsgButtons::Ok, MsgIcon::Critical);
        return false;
    }

    auto categories = readCategoryFile(DataDrive);
    if (categories) {
        CatalogueCodes = std::move(categories.value());
    } else {
        // The catalogue is gone, but a photo can still be opened and looked at.
        std::cerr << "frizet01: " << categories.error() << '\n';
        m_ui.message(ResText(203) + DataDrive + ResText(204) + CrLf + ResText(205), MsgButtons::Ok,
                     MsgIcon::Exclamation);
    }
    catalogue = std::make_unique<CatalogueForm>(m_ui, DataDrive, CatalogueCodes);

    m_ui.processEvents();
    if (!InitMainWindow())
        return false;
    form.Visible = true;
    return true;
}

bool Editor::InitMainWindow()
{
    CrLf = "\r\n";
    m_engine.CutCentreX() = 256;
    m_engine.CutCentreY() = 280;

    form.Left = roundHalfEven(float(workArea.left) / TwipsPerPixel);
    form.Top = roundHalfEven(float(workArea.top) / TwipsPerPixel);
    auto l = computeLayout(workArea.width, workArea.height);
    if (!l) {
        m_ui.message(ResText(54), MsgButtons::Ok, MsgIcon::Information);
        return false;
    }
    layout = *l;
    layoutControls();

    for (int i = 0; i < 16; ++i)
        form.Funkce[i].ToolTipText = ResText(10 + i);
    form.OblImg[0].ToolTipText = ResText(159);
    form.OblImg[1].ToolTipText = ResText(158);
    form.OblImg[2].ToolTipText = ResText(84);
    for (int k = 0; k < 4; ++k)
        form.TSipka[k].ToolTipText = ResText(154 + k);
    form.QSipka[0].ToolTipText = ResText(62);
    form.QSipka[1].ToolTipText = ResText(63);
    form.Vzornik[0].ToolTipText = ResText(151);
    for (int k = 0; k < 3; ++k)
        form.BarImg[k].ToolTipText = ResText(150);
    form.BarImg[3].ToolTipText = ResText(64);
    form.PicStopa.ToolTipText = ResText(44);

    PanelState.fill(0);
    m_engine.EditMode() = 1;
    m_engine.PhotoFile().clear();
    SaveFile.clear();
    ShowPanel(m_engine.EditMode());
    SetPanelMode(0);
    showEmptySample();
    ShowHint(16);
    return true;
}

void Editor::layoutControls()
{
    const MainLayout& l = layout;
    form.Width = roundHalfEven(float(workArea.width) / TwipsPerPixel);
    form.Height = roundHalfEven(float(workArea.height) / TwipsPerPixel);
    m_engine.setViewFrame(l.PictureW, l.PictureH);

    for (int i = 0; i < 16; ++i) {
        const Point p = funkcePosition(l, i);
        auto& b = form.Funkce[i];
        b.Left = p.x, b.Top = p.y, b.Width = FunkceSize, b.Height = FunkceSize;
    }
    for (int k = 0; k < 2; ++k) {
        const Rect r = waitImageRect(l, k);
        auto& im = form.Image1[k];
        im.Left = r.left, im.Top = r.top, im.Width = r.width(), im.Height = r.height();
    }
    // The sub-panel below the command buttons: every group starts at the same line.
    const int32_t y0 = 400;
    for (int k = 0; k < 2; ++k) {
        auto& b = form.OblImg[k];
        b.Left = l.PanelX + 50 * k, b.Top = y0, b.Width = FunkceSize, b.Height = FunkceSize;
    }
    // The seamless fit below the two levels, centred under them.
    form.OblImg[2].Left = l.PanelX + 25, form.OblImg[2].Top = y0 + 47;
    form.OblImg[2].Width = FunkceSize, form.OblImg[2].Height = FunkceSize;
    for (int k = 0; k < 4; ++k) {
        auto& b = form.BarImg[k];
        b.Left = l.PanelX + 50 * (k % 2), b.Top = y0 + 47 * (k / 2), b.Width = FunkceSize, b.Height = FunkceSize;
        auto& t = form.TSipka[k];
        t.Left = l.PanelX + 24 * k, t.Top = y0, t.Width = 22, t.Height = 22;
    }
    for (int k = 0; k < 2; ++k) {
        auto& q = form.QSipka[k];
        q.Left = l.PanelX + 50 * k, q.Top = y0 + 26, q.Width = FunkceSize, q.Height = 22;
    }
    form.PicStopa.Left = l.PanelX + 25, form.PicStopa.Top = y0 + 54;
    form.PicStopa.Width = FunkceSize, form.PicStopa.Height = FunkceSize;
    form.Tlac[0].Left = l.PanelX + 25, form.Tlac[0].Top = y0 + 76;
    form.Tlac[0].Width = FunkceSize, form.Tlac[0].Height = 24;

    form.Vzornik[0].Left = 5, form.Vzornik[0].Top = swatchStripTop(l) - 100;
    form.Vzornik[0].Width = l.ScreenW - 10, form.Vzornik[0].Height = 100;
    form.Vzornik[1].Visible = false;
    form.HScroll1.Left = 5, form.HScroll1.Top = swatchStripTop(l);
    form.HScroll1.Width = l.ScreenW - 10, form.HScroll1.Height = 17;

    placeViews();
    // Sub-panel arrows follow the mode; ShowPanel places them.
    for (auto& p : PanelState)
        p = 0;
}

void Editor::placeViews()
{
    const Surface& left = m_engine.surface(0);
    // FitViews gives both views the same size.
    const ViewPlacement v = salon::placeViews(layout, left.width(), left.height());
    form.Picture1.Left = v.left.left, form.Picture1.Top = v.left.top;
    form.Picture1.Width = v.left.width(), form.Picture1.Height = v.left.height();
    form.Picture2.Left = v.right.left, form.Picture2.Top = v.right.top;
    form.Picture2.Width = v.right.width(), form.Picture2.Height = v.right.height();
}

void Editor::Makovice(uint8_t ag)
{
    if (ag == 0) {
        form.Image1[1].Visible = false;
        form.Picture2.Visible = true;
        if (m_engine.FaceLoaded()) {
            form.Image1[0].Visible = false;
            form.Picture1.Visible = true;
            form.Timer2.Enabled = false;
        }
    } else {
        form.Image1[0].Visible = false;
        form.Picture1.Visible = true;
        if (m_engine.ModelLoaded()) {
            form.Image1[1].Visible = false;
            form.Picture2.Visible = true;
            form.Timer2.Enabled = false;
        }
    }
    if (!form.Timer2.Enabled) {
        for (auto& im : form.Image1) {
            im.picture = Bitmap{};
            im.Width = 5;
            im.Height = 5;
        }
    }
}

bool Editor::Form_QueryUnload(int unloadMode)
{
    if (unloadMode != 0)
        return true;
    return m_ui.message(ResText(60), MsgButtons::OkCancel) == MsgAnswer::Ok;
}

void Editor::Form_KeyDown(int keyCode, int shift)
{
    const bool bothLoaded = m_engine.ModelLoaded() && m_engine.FaceLoaded();
    switch (keyCode) {
    case 8:
        m_engine.UndoStep(1);
        break;
    case 27:
        if (bothLoaded)
            SetPanelMode(0);
        break;
    case 116:
        if (bothLoaded)
            SetPanelMode(1);
        break;
    case 112:
        showHelp(7);
        break;
    default:
        // A key held in a placement mode is a held arrow: one step now, repeats on the timer,
        // one undo entry, released with the key.
        if (heldArrowKey == 0) {
            if (const auto arrow = placementArrowForKey(m_engine.EditMode(), keyCode)) {
                heldArrowKey = keyCode;
                heldArrowIndex = *arrow;
                Sipka_MouseDown(*arrow, LeftButton, shift, 0, 0);
            }
        }
        break;
    }
}

void Editor::Form_KeyUp(int keyCode, int shift)
{
    if (heldArrowKey == 0 || keyCode != heldArrowKey)
        return;
    heldArrowKey = 0;
    Sipka_MouseUp(heldArrowIndex, LeftButton, shift, 0, 0);
}

void Editor::Timer2_Timer()
{
    if (!form.Timer2.Enabled)
        return;
    const WaitFrame f = nextWaitFrame(frameCounter);
    if (!resourceBitmap)
        return;
    if (f.left)
        form.Image1[0].picture = resourceBitmap(f.left);
    if (f.right)
        form.Image1[1].picture = resourceBitmap(f.right);
}

void Editor::SysInfo1_DisplayChanged(WorkArea area)
{
    auto l = computeLayout(area.width, area.height);
    if (!l) {
        // Too small now: keep the old layout (and the user's work) and say why it may not fit.
        m_ui.message(ResText(54), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    workArea = area;
    form.Left = roundHalfEven(float(area.left) / TwipsPerPixel);
    form.Top = roundHalfEven(float(area.top) / TwipsPerPixel);
    layout = *l;
    layoutControls();
    ShowPanel(m_engine.EditMode());
}

void Editor::showEmptySample()
{
    Surface& s = m_engine.surface(8);
    if (resourceBitmap) {
        Bitmap b = resourceBitmap(face::EmptySample);
        if (!b.isNull()) {
            s.setPicture(b, false);
            return;
        }
    }
    s.backColour = 0xFFFFFF;
    s.clearPicture();
}

void Editor::ShowHint(int32_t topic)
{
    if (commands.showHint)
        commands.showHint(topic);
}

void Editor::showHelp(int32_t topic)
{
    ShowHint(topic);
    m_host.showHelp();
}

} // namespace salon
