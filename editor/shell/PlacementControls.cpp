// The face placement controls of Form1: the arrows with their auto-repeat, the click on the face
// in move mode and the guide line of the rotation mode.
#include "editor/shell/Editor.h"
#include "editor/shell/Placement.h"

namespace salon {

void Editor::Sipka_MouseDown(int index, int button, int shift, int, int) { arrowDown(false, index, button, shift); }
void Editor::SSipka_MouseDown(int index, int button, int shift, int, int) { arrowDown(true, index, button, shift); }
void Editor::Sipka_MouseUp(int index, int button, int, int, int) { arrowUp(false, index, button); }
void Editor::SSipka_MouseUp(int index, int button, int, int, int) { arrowUp(true, index, button); }

void Editor::arrowDown(bool coarse, int index, int button, int shift)
{
    if (index < 0 || index > 5)
        return;
    const int32_t mode = m_engine.EditMode();
    if (button == RightButton) {
        showHelp(modeTopic(mode));
        return;
    }
    if (button != LeftButton)
        return;
    (coarse ? form.SSipka : form.Sipka)[size_t(index)].BorderStyle = 1;

    if (mode == 9 || mode == 10) {
        const int32_t code = placementStepCode(mode, coarse, index, shift);
        if (code == 0 || !stepFits(code))
            return;
        m_engine.UndoStep(0);
        applyStep(code);
        // Set before the redraw: the redraw lowers it by 100, which lets the next tick step again.
        m_engine.RepeatCode() = uint8_t(code + 100);
        form.Timer1.Enabled = true;
        repeatMode = mode;
        m_engine.RebuildResult();
    } else if (mode == 12) {
        auto step = deformStep(coarse, index);
        if (!step)
            return;
        int32_t& value = step->vertical ? m_engine.DeformV() : m_engine.DeformH();
        const int32_t next = value + step->delta;
        if (next < -DeformLimit || next > DeformLimit)
            return;
        m_engine.UndoStep(0);
        value = next;
        m_engine.RenderFace(true);
        m_engine.RebuildResult();
    } else if (mode == 13) {
        auto step = rotationStep(coarse, index, shift);
        if (!step)
            return;
        m_engine.UndoStep(0);
        if (coarse)
            m_ui.setCursor(Cursor::Hourglass);
        m_engine.Angle() += *step;
        m_engine.RenderFace(true);
        m_engine.RebuildResult();
    }
}

void Editor::arrowUp(bool coarse, int index, int /*button*/)
{
    if (index < 0 || index > 5)
        return;
    (coarse ? form.SSipka : form.Sipka)[size_t(index)].BorderStyle = 0;
    const bool repeating = form.Timer1.Enabled;
    m_engine.RepeatCode() = 0;
    form.Timer1.Enabled = false;
    if (repeating || m_engine.EditMode() == 12 || m_engine.EditMode() == 13)
        m_engine.RebuildResult();
    m_ui.setCursor(Cursor::Default);
}

bool Editor::stepFits(int code)
{
    int32_t faceX = m_engine.FaceX(), faceY = m_engine.FaceY();
    float scaleX = m_engine.ScaleX(), scaleY = m_engine.ScaleY();
    applyPlacementStep(code, faceX, faceY, scaleX, scaleY);
    const Surface& photo = m_engine.surface(7);
    // Steps that only move, or a photo not loaded yet, are always allowed.
    return (scaleX == m_engine.ScaleX() && scaleY == m_engine.ScaleY()) || photo.width() < 1 ||
           scaledPhotoFits(photo.width(), photo.height(), scaleX, scaleY);
}

bool Editor::applyStep(int code)
{
    if (!stepFits(code))
        return false;
    applyPlacementStep(code, m_engine.FaceX(), m_engine.FaceY(), m_engine.ScaleX(), m_engine.ScaleY());
    return true;
}

void Editor::Timer1_Timer()
{
    if (!form.Timer1.Enabled)
        return;
    uint8_t& code = m_engine.RepeatCode();
    // At 100 or above the last step still waits for its redraw: skip the tick rather than queue it.
    if (code == 0 || code >= 100)
        return;
    // A held arrow that has reached the largest or smallest scale waits there.
    if (!applyStep(code))
        return;
    code = uint8_t(code + 100);
    m_engine.RebuildResult();
}

void Editor::Picture1_MouseDown(int button, int /*shift*/, int x, int y)
{
    const int32_t mode = m_engine.EditMode();
    if (mode == 10) {
        const Surface& layer = m_engine.surface(6);
        const Surface& view = m_engine.surface(4);
        if (view.width() + view.height() <= 0)
            return;
        const FaceOffset to = clickToCentre(x, y, layer.width(), layer.height(), view.width(), view.height(),
                                            m_engine.CutCentreX(), m_engine.CutCentreY(), m_engine.FaceX(),
                                            m_engine.FaceY());
        m_engine.UndoStep(0);
        m_engine.FaceX() = to.faceX;
        m_engine.FaceY() = to.faceY;
        m_engine.RebuildResult();
        return;
    }
    if (mode != 13 || button != LeftButton)
        return;
    if (m_engine.LineAngle() != 0) {
        lineBusy = true;
        m_engine.LineAngle() = 0;
        m_engine.ShowFaceView();
        m_ui.processEvents();
        lineBusy = false;
    }
    lineX1 = lineX2 = x;
    lineY1 = lineY2 = y;
    lineDrawing = true;
}

void Editor::drawGuideLine(int32_t x2, int32_t y2)
{
    Surface& s = m_engine.surface(0);
    const DrawMode old = s.drawMode;
    s.drawMode = DrawMode::Invert;
    s.drawLine(lineX1, lineY1, x2, y2);
    s.drawMode = old;
}

void Editor::Picture1_MouseMove(int button, int /*shift*/, int x, int y)
{
    if (m_engine.EditMode() != 13 || !(button & LeftButton) || lineBusy || !lineDrawing)
        return;
    // Inverting twice restores the pixels, so the old line goes away without a full redraw.
    drawGuideLine(lineX2, lineY2);
    lineX2 = x;
    lineY2 = y;
    drawGuideLine(lineX2, lineY2);
}

void Editor::Picture1_MouseUp(int button, int /*shift*/, int, int)
{
    if (m_engine.EditMode() != 13 || button != LeftButton || !lineDrawing)
        return;
    lineDrawing = false;
    auto angle = guideLineAngle(lineX2 - lineX1, lineY2 - lineY1);
    if (!angle) {
        m_engine.LineAngle() = 0;
        m_engine.ShowFaceView();
        return;
    }
    m_engine.LineAngle() = *angle;
    m_engine.UndoStep(2);
}

} // namespace salon
