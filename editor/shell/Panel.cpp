// The command panel: the sixteen Funkce buttons, the sub-panels per mode, the two layouts, the reset
// button Tlac and the fit buttons OblImg.
#include "editor/shell/ButtonFaces.h"
#include "editor/shell/ChooseFile.h"
#include "platform/Paths.h"
#include "editor/shell/Editor.h"
#include "editor/shell/Placement.h"
#include "editor/shell/texts/Texts.h"

#include <filesystem>

namespace salon {
namespace {

bool inResultModes(int32_t mode) { return mode >= 3 && mode <= 8; }

// The mode a face-edit command (10..14) selects.
int32_t modeOfCommand(int index)
{
    switch (index) {
    case 10: return 9;
    case 11: return 10;
    case 12: return 2;
    case 13: return 12;
    case 14: return 13;
    default: return -1;
    }
}

} // namespace

int32_t Editor::modeTopic(int32_t mode)
{
    switch (mode) {
    case 9: return 10;
    case 10: return 11;
    case 12: return 13;
    case 13: return 14;
    case 4: return 2;
    case 5: return 3;
    case 6: return 4;
    default: return 7;
    }
}

void Editor::Funkce_MouseDown(int index, int button, int /*shift*/, int, int)
{
    if (index < 0 || index > 15)
        return;
    PressedMode = -1;
    form.Status.Visible = false;  // what the last placement said is old news now
    for (int i = 2; i <= 4; ++i)
        if (form.Funkce[i].BorderStyle == 1)
            PressedMode = int16_t(i);
    ClickedButton = int16_t(index);

    // A command press drops a guide line that was waiting for its rotation.
    lineDrawing = false;
    if (m_engine.LineAngle() != 0) {
        m_engine.LineAngle() = 0;
        m_engine.ShowFaceView();
    }

    // Undo and redo sit out the hair-colour mode entirely, their help included.
    if ((index == 15 || index == 6) && m_engine.EditMode() == 5)
        return;
    if (index == 5 || index == 8)
        return;
    if (index != 0 && index != 6 && index != 7 && index != 15)
        for (int i = 0; i < 16; ++i)
            if (i != index)
                form.Funkce[i].BorderStyle = 0;
    if (button == LeftButton)
        form.Funkce[index].BorderStyle = 1;
}

void Editor::Funkce_MouseUp(int index, int button, int /*shift*/, int, int)
{
    if (index < 0 || index > 15)
        return;
    int32_t& mode = m_engine.EditMode();
    if ((index == 15 || index == 6) && mode == 5)
        return;

    if (button == LeftButton && SampleTaken) {
        SampleTaken = false;
        showEmptySample();
    }
    if (index != 6 && index != 15) {
        form.Picture1.MousePointer = Cursor::Default;
        form.Picture2.MousePointer = Cursor::Default;
    }

    if (index == 0 && button == LeftButton) {
        if (m_ui.message(ResText(60), MsgButtons::OkCancel) == MsgAnswer::Ok)
            m_host.endProgram();
        form.Funkce[0].BorderStyle = 0;
        return;
    }
    if (index == 7) {
        showHelp(7);
        form.Funkce[7].BorderStyle = 0;
        return;
    }
    if (button == RightButton) {
        showHelp(index);
        form.Funkce[index].BorderStyle = 0;
        return;
    }
    if (button != LeftButton || index < 1)
        return;

    if (PaletteOpen != 0 || form.Vzornik[0].Visible) {
        form.Vzornik[0].Visible = false;
        PaletteOpen = 0;
        form.HScroll1.Visible = false;
    }

    switch (index) {
    case 1:
        chooseHairstyle();
        break;
    case 2:
        mode = 4;
        break;
    case 3:
        mode = 5;
        break;
    case 4:
        mode = 6;
        form.Picture2.MousePointer = Cursor::Cross;
        break;
    case 5:
        if (commands.print)
            commands.print();
        else
            showHelp(5);
        break;
    case 6:
        m_engine.UndoStep(10);
        form.Funkce[6].BorderStyle = 0;
        break;
    case 8:
        if (commands.save)
            commands.save();
        else
            showHelp(8);
        break;
    case 9:
        openPhoto();
        break;
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
        if (!askModeChange())
            break;
        mode = modeOfCommand(index);
        if (index == 11) {
            form.Picture1.MousePointer = Cursor::SizeAll;
        } else if (index == 14) {
            form.Picture1.MousePointer = Cursor::Cross;
        } else if (index == 12) {
            m_ui.setCursor(Cursor::Hourglass);
            m_engine.UndoStep(0);
            m_engine.MirrorFace();
            m_engine.RebuildResult();
            m_ui.setCursor(Cursor::Default);
            form.Funkce[12].BorderStyle = 0;
        }
        break;
    case 15:
        m_engine.UndoStep(1);
        form.Funkce[15].BorderStyle = 0;
        break;
    default:
        break;
    }
    ShowPanel(mode);
}

// The question before a face edit replaces a fitted, recoloured or retouched result. False when the
// user keeps that result: the command then changes nothing.
bool Editor::askModeChange()
{
    const int32_t mode = m_engine.EditMode();
    if (DontAsk == 0 && inResultModes(mode)) {
        form3.Form_Activate();
        m_host.showQuestion(form3);
    }
    if (Answer == 0) {
        // The command does not happen, so its button must not look pressed - also when no mode
        // button was pressed as the click began (a right or middle click before released it).
        if (DontAsk == 0 && inResultModes(mode)) {
            form.Funkce[ClickedButton].BorderStyle = 0;
            if (PressedMode > 1) form.Funkce[PressedMode].BorderStyle = 1;
        }
        if (DontAsk == 0 && inResultModes(mode))
            return false;
    }
    if (Answer == 1 && DontAsk != 1 && inResultModes(mode)) {
        // Back to the bare face in the model: the compose starts from the face layer and the model
        // picture, so the fit, colour and stamp work is gone.
        m_engine.RebuildResult();
    }
    if (DontAsk == 2)
        DontAsk = 1;
    return true;
}

void Editor::chooseHairstyle()
{
    if (!catalogue)
        return;
    catalogue->Form_Load();
    catalogue->workWidth = form.Width;
    catalogue->workHeight = form.Height;
    catalogue->Visible = true;
    catalogue->Form_Activate();
    if (catalogue->Visible)
        m_host.showCatalogue(*catalogue);
    catalogue->Visible = false;
    if (catalogue->chosenModel.empty())
        restorePressedLook();
    else
        loadChosenModel(catalogue->chosenModel);
}

// A command that ended without doing anything gives the mode button its look back.
void Editor::restorePressedLook()
{
    if (ClickedButton >= 0 && ClickedButton < 16)
        form.Funkce[size_t(ClickedButton)].BorderStyle = 0;
    if (PressedMode > 1)
        form.Funkce[size_t(PressedMode)].BorderStyle = 1;
}

bool Editor::loadChosenModel(const std::string& modelPath)
{
    int32_t& mode = m_engine.EditMode();
    const int32_t modeBefore = mode;
    const bool bothBefore = m_engine.FaceLoaded() && m_engine.ModelLoaded();
    mode = 1;
    // The engine reads whatever ModelFile names; a model that does not load leaves the name of
    // the one still shown.
    const std::string nameBefore = m_engine.ModelFile();
    m_engine.ModelFile() = modelPath;
    m_ui.setCursor(Cursor::Hourglass);
    const bool loaded = m_engine.ChooseModel();
    m_ui.setCursor(Cursor::Default);
    if (!loaded && m_engine.ModelLoaded()) {
        // The old model is still there (the reader said why the new one is not): keep the work
        // on screen instead of rebuilding it away.
        m_engine.ModelFile() = nameBefore;
        mode = modeBefore;
        restorePressedLook();
        ShowPanel(mode);
        return false;
    }
    if (loaded) {
        m_engine.ModelLoaded() = true;
        placeViews();
        // The right picture is revealed only once it really has a model in it.
        if (!bothBefore)
            Makovice(0);
    }
    mode = (m_engine.FaceLoaded() && m_engine.ModelLoaded()) ? 2 : 1;
    if (mode == 2)
        m_engine.RebuildResult();
    ShowPanel(mode);
    // A new model has the photo set in again from the start: the face is placed anew.
    if (loaded && mode == 2)
        autoPlaceFace();
    return loaded;
}

std::string Editor::photoDialogStart() const
{
    if (!lastPhotoFolder.empty())
        return lastPhotoFolder;
    if (DataDrive.empty())
        return {};
    const std::string photos = DataDrive.substr(0, 1) + ":\\photos\\";
    const auto native = nativePath(photos);
    std::error_code ec;
    return native && std::filesystem::is_directory(*native, ec) ? photos : DataDrive.substr(0, 1) + ":\\";
}

void Editor::openPhoto()
{
    // The photo is chosen like every other file: the program's dialog with its title, the picture
    // filters and "all files", and the warnings before a hidden, system or read-only file.
    std::vector<std::string> chosen;
    if (!ChooseFile(m_ui, 0, photoDialogStart(), "601,607", chosen) || chosen.empty()) {
        const int32_t modeBefore = m_engine.EditMode();
        const bool bothBefore = m_engine.FaceLoaded() && m_engine.ModelLoaded();
        m_engine.EditMode() = 1;
        photoLoaded(false, bothBefore, modeBefore);
        return;
    }
    const std::string path = windowsPath(chosen.front());
    lastPhotoFolder = splitProposedName(path).directory;
    loadPhotoFile(path);
}

bool Editor::loadPhotoFile(const std::string& photoPath)
{
    const int32_t modeBefore = m_engine.EditMode();
    const bool bothBefore = m_engine.FaceLoaded() && m_engine.ModelLoaded();
    m_engine.EditMode() = 1;
    // The engine reloads whatever PhotoFile names; a photo that does not load leaves the name of
    // the one still shown.
    const std::string before = m_engine.PhotoFile();
    m_engine.PhotoFile() = photoPath;
    const bool ok = m_engine.LoadPhoto(true);
    if (!ok) m_engine.PhotoFile() = before;
    return photoLoaded(ok, bothBefore, modeBefore);
}

bool Editor::photoLoaded(bool ok, bool bothBefore, int32_t modeBefore)
{
    if (!ok && bothBefore) {
        // Cancelled or refused: the fitted, recoloured or retouched result stays as it was.
        m_engine.EditMode() = modeBefore;
        restorePressedLook();
        ShowPanel(modeBefore);
        return false;
    }
    if (ok) {
        m_engine.FaceLoaded() = true;
        placeViews();
        if (!bothBefore)
            Makovice(1);
    }
    int32_t& mode = m_engine.EditMode();
    mode = (m_engine.FaceLoaded() && m_engine.ModelLoaded()) ? 2 : 1;
    if (mode == 2)
        m_engine.RebuildResult();
    ShowPanel(mode);
    if (ok && mode == 2)
        autoPlaceFace();
    return ok;
}

void Editor::ShowPanel(int32_t mode)
{
    // The panel of another mode hides the held arrow, so its repeat ends here: a new model or
    // photo, or another command, must not be followed by steps the user no longer sees.
    if (form.Timer1.Enabled && mode != repeatMode) {
        form.Timer1.Enabled = false;
        m_engine.RepeatCode() = 0;
    }
    // Which command buttons take clicks, and their faces.
    for (int i = 0; i < 16; ++i) {
        bool available = mode >= 2 || i == 0 || i == 1 || i == 6 || i == 7 || i == 9 || i == 15;
        if (i == 3 && !colourAllowed())
            available = false;
        int32_t picture = available ? face::enabledCommand(i) : face::disabledCommand(i);
        if (i == 6 || i == 7 || i == 9)
            picture = face::enabledCommand(i);
        auto& b = form.Funkce[i];
        b.Enabled = available;
        if (PanelState[size_t(i)] != picture) {
            PanelState[size_t(i)] = picture;
            b.Picture = picture;
        }
    }

    for (auto& b : form.OblImg) b.Visible = false;
    for (auto& b : form.BarImg) b.Visible = false;
    for (auto& b : form.TSipka) b.Visible = false;
    for (auto& b : form.QSipka) b.Visible = false;
    form.PicStopa.Visible = false;
    for (auto& b : form.Sipka) b.Visible = false;
    for (auto& b : form.SSipka) b.Visible = false;
    form.Tlac[0].Visible = false;

    switch (mode) {
    case 4:
        form.OblImg[0].Picture = face::Fit100;
        form.OblImg[1].Picture = face::Fit60;
        form.OblImg[2].Picture = face::FitSeamless;
        for (auto& b : form.OblImg) b.Visible = true;
        break;
    case 5:
        for (int k = 0; k < 4; ++k) {
            form.BarImg[k].Picture = face::Bank + k;
            form.BarImg[k].Visible = true;
        }
        break;
    case 6:
        for (int k = 0; k < 4; ++k) {
            form.TSipka[k].Picture = face::StampSize + k;
            form.TSipka[k].Visible = true;
        }
        for (int k = 0; k < 2; ++k) {
            form.QSipka[k].Picture = face::Coverage + k;
            form.QSipka[k].Visible = true;
        }
        form.PicStopa.Visible = true;
        break;
    case 9:
    case 10:
    case 12:
    case 13: {
        // Fine arrows on the left half of the strip, coarse ones on the right, two to a row; the
        // rotation pair stands in the first row.
        const int32_t y0 = 400;
        for (int coarse = 0; coarse < 2; ++coarse) {
            auto& group = coarse ? form.SSipka : form.Sipka;
            for (int i = 0; i < 6; ++i) {
                const int32_t tip = arrowTooltipId(mode, coarse, i);
                auto& b = group[i];
                if (tip == 0)
                    continue;
                const int slot = mode == 13 ? i - 4 : i;
                b.Left = layout.PanelX + 1 + 49 * coarse + 24 * (slot % 2);
                b.Top = y0 + 24 * (slot / 2);
                b.Width = 22, b.Height = 22;
                b.ToolTipText = ResText(tip) + ResText(coarse ? 42 : 39);
                int32_t picture = 0;
                if (mode == 10) picture = face::MoveUp + i;
                else if (mode == 13) picture = face::RotateCw + (i - 4);
                else if (mode == 12) picture = face::LeanForward + i;
                else picture = i < 4 ? face::Taller + i : face::Smaller + (i - 4);
                if (coarse)
                    picture = (mode == 9 && i >= 4) ? face::CoarseSmaller + (i - 4) : picture + face::CoarseOffset;
                b.Picture = picture;
                b.Visible = true;
            }
        }
        auto& t = form.Tlac[0];
        t.Top = y0 + (mode == 13 ? 1 : mode == 9 ? 3 : 2) * 24 + 4;
        t.ToolTipText = ResText(resetTooltipId(mode));
        t.Picture = face::Reset;
        t.Visible = true;
        break;
    }
    default:
        break;
    }
    if (commands.panelShown)
        commands.panelShown(mode);
}

void Editor::SetPanelMode(int layoutMode)
{
    if (layoutMode == 1) {
        form.Visible = false;
        form.BackColor = 0;
        form.Picture1.Visible = false;
        form.Picture2.Visible = false;
        for (auto& b : form.Funkce) b.Visible = false;
        // The sub-panel and the swatch strip would float on the black page; they come back with
        // the editor layout.
        for (auto& b : form.Sipka) b.Visible = false;
        for (auto& b : form.SSipka) b.Visible = false;
        for (auto& b : form.OblImg) b.Visible = false;
        for (auto& b : form.BarImg) b.Visible = false;
        for (auto& b : form.TSipka) b.Visible = false;
        for (auto& b : form.QSipka) b.Visible = false;
        form.Tlac[0].Visible = false;
        form.PicStopa.Visible = false;
        form.Vzornik[0].Visible = false;
        form.HScroll1.Visible = false;
        PaletteOpen = 0;
        m_engine.surface(5).autoRedraw = false;
        auto& p = form.Picture3[0];
        p.Width = m_engine.surface(5).width();
        p.Height = m_engine.surface(5).height();
        p.Left = (form.Width - p.Width) / 2;
        p.Top = (form.Height - p.Height) / 2;
        p.Visible = true;
        form.Visible = true;
    } else {
        form.Visible = false;
        for (auto& b : form.Funkce) b.Visible = true;
        ShowPanel(m_engine.EditMode());
        form.BackColor = EditorBackColour;
        form.Picture3[0].Visible = false;
        m_engine.surface(5).autoRedraw = true;
        if (m_engine.FaceLoaded())
            form.Picture1.Visible = true;
        if (m_engine.ModelLoaded())
            form.Picture2.Visible = true;
        form.Visible = true;
    }
}

void Editor::Tlac_MouseDown(int index, int button, int, int, int)
{
    if (index != 0)
        return;
    if (button == LeftButton)
        form.Tlac[0].BorderStyle = 1;
}

void Editor::Tlac_MouseUp(int index, int button, int, int, int)
{
    if (index != 0)
        return;
    form.Tlac[0].BorderStyle = 0;
    const int32_t mode = m_engine.EditMode();
    if (button == RightButton) {
        showHelp(modeTopic(mode));
        return;
    }
    if (button != LeftButton)
        return;
    switch (mode) {
    case 9: {
        // Evening out a narrow and a tall scale can give a side the arrows would have refused (a
        // face under 8 pixels, or one past what can be composed); then the button does nothing.
        const float even = (m_engine.ScaleX() + m_engine.ScaleY()) / 2.0f;
        const Surface& photo = m_engine.surface(7);
        if (photo.width() >= 1 && !scaledPhotoFits(photo.width(), photo.height(), even, even))
            break;
        m_engine.UndoStep(0);
        m_engine.ScaleX() = m_engine.ScaleY() = even;
        m_engine.RebuildResult();
        break;
    }
    case 10:
        autoPlaceFace();
        break;
    case 12:
        m_engine.UndoStep(0);
        m_engine.DeformH() = 0;
        m_engine.DeformV() = 0;
        m_engine.RenderFace(true);
        m_engine.RebuildResult();
        break;
    case 13:
        if (m_engine.LineAngle() != 0) {
            m_ui.setCursor(Cursor::Hourglass);
            m_engine.UndoStep(0);
            m_engine.Angle() = m_engine.Angle() + m_engine.LineAngle() - m_engine.ModelAngle();
            m_engine.RenderFace(true);
            m_engine.RebuildResult();
            m_engine.LineAngle() = 0;
            m_ui.setCursor(Cursor::Default);
        }
        break;
    default:
        break;
    }
}

void Editor::OblImg_MouseDown(int index, int button, int, int, int)
{
    if (index < 0 || index >= int(form.OblImg.size()))
        return;
    form.OblImg[index].BorderStyle = 1;
    if (button == RightButton) {
        showHelp(2);
        form.OblImg[index].BorderStyle = 0;
    }
}

void Editor::OblImg_MouseUp(int index, int button, int, int, int)
{
    if (index < 0 || index >= int(form.OblImg.size()))
        return;
    if (button == LeftButton) {
        m_ui.setCursor(Cursor::Hourglass);
        m_engine.FitFace(index);
        m_ui.setCursor(Cursor::Default);
    }
    form.OblImg[index].BorderStyle = 0;
}

} // namespace salon
