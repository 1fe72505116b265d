#include "crop/CutPic.h"

#include "crop/CropTexts.h"
#include "crop/ReducedCopy.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"
#include "platform/Surface.h"

#include <algorithm>
#include <cmath>

namespace trimlet {

namespace {

// Pointer positions are rounded to whole twips; a position far off any screen is clamped first so
// that the rounding stays defined.
int32_t twips(float v)
{
    if (!std::isfinite(v)) return 0;
    return salon::roundHalfEven(std::clamp(v, -1.0e9f, 1.0e9f));
}

void place(Control& c, const StripRect& r)
{
    c.Left = r.left;
    c.Top = r.top;
    c.Width = r.width;
    c.Height = r.height;
}

} // namespace

CutPic::CutPic()
{
    // The dialog's own layout: help text and buttons left of the fixed preview area.
    m_form.Label1.Left = 8;
    m_form.Label1.Top = 12;
    m_form.Label1.Width = 228;
    m_form.Label1.Height = 326;
    m_form.Command1[0].Left = 14;
    m_form.Command1[1].Left = 126;
    for (auto& b : m_form.Command1) {
        b.Top = 352;
        b.Width = 104;
        b.Height = 30;
    }
}

CutPic::CutPic(std::unique_ptr<CutPicView> view) : CutPic() { m_view = std::move(view); }

CutPic::~CutPic() = default;

void CutPic::setView(std::unique_ptr<CutPicView> view) { m_view = std::move(view); }

void CutPic::showModal(int32_t left, int32_t top)
{
    m_form.Left = left;
    m_form.Top = top;
    m_form.Visible = true;
    Form_Activate();
    // Without a view nobody can answer the dialog: that is a cancel.
    if (m_view) m_view->runModal(*this);
    if (m_form.Visible) hide();
}

void CutPic::Form_Activate()
{
    // Each step stands on its own, so a picture that cannot be loaded still gives a working dialog
    // with an empty preview (and an OK that reports failure).
    const bool german = m_cutJazyk == GermanOffset;
    m_form.Label1.FontSize = german ? 8.0f : 9.0f;
    m_form.Label1.FontBold = !german;

    m_cutStorno = 0;
    m_writtenPath.clear();
    m_form.Command1[0].Caption = cropText(m_cutJazyk + OkCaptionId);
    m_form.Command1[1].Caption = cropText(m_cutJazyk + CancelCaptionId);
    m_form.Caption = cropText(m_cutJazyk + TitleId);
    m_form.Label1.Caption = cropText(m_cutJazyk + HelpTextId);

    // Nothing of an earlier showing may survive into this one: a stale picture would be cut and
    // written in place of the one that failed to load.
    m_form.Picture2 = {};
    m_w0 = m_h0 = 0;
    if (const auto native = salon::nativePath(m_cutJme)) {
        if (auto loaded = salon::loadPicture(*native); loaded.ok() && !loaded.value().isNull()) {
            m_form.Picture2 = loaded.value().bitsPerPixel == 24 ? std::move(loaded.value()) : loaded.value().toRgb24();
            m_w0 = m_form.Picture2.width;
            m_h0 = m_form.Picture2.height;
        }
    }

    m_fit = fitPreview(m_w0, m_h0);
    PictureBox& p = m_form.Picture1;
    p.Left = m_fit.left;
    p.Top = m_fit.top;
    p.Width = m_fit.width;
    p.Height = m_fit.height;
    p.Visible = true;
    p.AutoRedraw = false;
    p.HasPicture = false;
    p.Image = {};

    const auto strips = initialStrips(m_fit);
    for (int k = 0; k < 4; ++k) {
        m_strips[k] = m_strips[k + 4] = strips[k];
        moveStrip(k, strips[k]);
    }
    m_drag = {};
    Picture1_Paint();
}

void CutPic::Picture1_Paint()
{
    PictureBox& p = m_form.Picture1;
    if (m_form.Picture2.isNull() || p.Width <= 0 || p.Height <= 0) return;
    if (p.Image.width == p.Width && p.Image.height == p.Height) return;  // already drawn at this size
    p.Image = salon::stretchHalftone(m_form.Picture2, salon::Rect{0, 0, m_w0, m_h0}, p.Width, p.Height);
}

void CutPic::Frame1_MouseDown(int Index, int Button, int Shift, float X, float Y)
{
    if (Index < 0 || Index > 3 || Button != LeftButton) return;
    m_drag.active = true;
    m_drag.index = Index;
    m_drag.startX = m_drag.refX = twips(X);
    m_drag.startY = m_drag.refY = twips(Y);
    m_strips[Index + 4] = m_strips[Index];
}

void CutPic::Frame1_MouseMove(int Index, int Button, int Shift, float X, float Y)
{
    if (!m_drag.active || (Button & LeftButton) == 0 || Index != m_drag.index) return;
    const int32_t x = twips(X), y = twips(Y);
    if (x == m_drag.startX && y == m_drag.startY) return;
    const DragStep step =
        dragStrip(Index, m_strips[Index], m_strips[Index + 4], m_drag.startX, m_drag.startY, m_drag.refX, m_drag.refY, x, y);
    m_drag.refX = step.referenceX;
    m_drag.refY = step.referenceY;
    m_strips[Index + 4] = step.rect;
    moveStrip(Index, step.rect);
}

void CutPic::Frame1_MouseUp(int Index, int Button, int Shift, float X, float Y)
{
    if (!m_drag.active) return;
    const int k = m_drag.index;
    m_strips[k] = m_strips[k + 4];
    place(m_form.Frame1[k], m_strips[k]);
    m_drag.active = false;
}

void CutPic::Command1_Click(int Index)
{
    if (Index == 0)
        finishOk();
    else if (Index == 1)
        hide();
}

void CutPic::finishOk()
{
    m_cutStorno = 1;
    PictureBox& p = m_form.Picture1;
    p.Visible = false;
    p.AutoRedraw = true;
    p.HasPicture = false;
    p.Image = {};

    const std::array<StripRect, 4> committed{m_strips[0], m_strips[1], m_strips[2], m_strips[3]};
    const auto cut = cutInSource(m_w0, m_h0, m_fit.scale, committed);
    // Strips pushed until less than 10 pixels remain leave nothing worth writing; that is a failure
    // for the caller, not a success without a file.
    if (!cut || cut->width < StripThickness || cut->height < StripThickness) {
        m_cutStorno = 0;
        hide();
        return;
    }

    const Reduction r = reduceToFit(cut->width, cut->height);
    p.Width = r.width;
    p.Height = r.height;
    p.Image = salon::stretchHalftone(m_form.Picture2,
                                     salon::Rect{cut->x, cut->y, cut->x + cut->width, cut->y + cut->height},
                                     r.width, r.height);
    p.HasPicture = !p.Image.isNull();
    if (p.HasPicture) {
        auto written = saveReducedCopy(m_cutJOt, p.Image);
        if (written.ok())
            m_writtenPath = written.value();
        else
            m_cutStorno = 0;
    } else {
        m_cutStorno = 0;
    }

    p.Image = {};
    p.HasPicture = false;
    m_form.Picture2 = {};
    if (m_view) m_view->processEvents();
    hide();
}

void CutPic::hide()
{
    m_drag.active = false;
    m_form.Visible = false;
}

void CutPic::moveStrip(int index, const StripRect& r)
{
    Control& c = m_form.Frame1[index];
    place(c, r);
    bringToFront(c);
}

void CutPic::bringToFront(Control& c) { c.ZOrder = ++m_zCounter; }

} // namespace trimlet
