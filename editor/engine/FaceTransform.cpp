// Rebuilding the face from the unchanged photo and setting it into the model.
#include "editor/engine/FaceTransform.h"

#include "editor/engine/Engine.h"
#include "platform/Numbers.h"

namespace salon {

namespace {
constexpr int32_t MinWorkSide = 30;
} // namespace

FaceState Engine::State() const { return {ScaleX, ScaleY, FaceX, FaceY, DeformH, DeformV, Mirror, Angle}; }

void Engine::SetState(const FaceState& s)
{
    ScaleX = s.ScaleX;
    ScaleY = s.ScaleY;
    FaceX = s.FaceX;
    FaceY = s.FaceY;
    DeformH = s.DeformH;
    DeformV = s.DeformV;
    Mirror = s.Mirror;
    Angle = s.Angle;
}

void Engine::RenderFace(bool force)
{
    const HistoryEntry& last = History[0];
    if (!force && float(DeformH) == last[4] && float(DeformV) == last[5] && Angle == last[7]) return;
    // Always from the loaded photo, in the fixed order mirror, turn, tilt, rotation, so that
    // adjustments never pile up rounding losses.
    Surface& working = Surfaces[WorkingPhoto];
    working.setSize(PhotoW, PhotoH);
    bitBlt(working, 0, 0, PhotoW, PhotoH, Surfaces[LoadedPhoto], 0, 0, RasterOp::SrcCopy);
    KeepImage(WorkingPhoto);
    if (Mirror == 1) MirrorPhoto();
    if (DeformH != 0) DeformTurn(WorkingPhoto, DeformFactor(DeformH));
    if (DeformV != 0) DeformTilt(WorkingPhoto, DeformFactor(DeformV));
    if (Angle > 0.5f || Angle < -0.5f) RotatePixels(WorkingPhoto, Angle);
    KeepImage(WorkingPhoto);
}

bool Engine::DeformTurn(int32_t index, float f)
{
    if (!validIndex(index) || f < 0.2f || f > 1.8f) return false;
    PixelBuffer b = GetPixels(index);
    if (!b.Valid || !DeformTurnPixels(b, f)) return false;
    return PutPixels(index, b);
}

bool Engine::DeformTilt(int32_t index, float f)
{
    if (!validIndex(index) || f < 0.2f || f > 1.8f) return false;
    PixelBuffer b = GetPixels(index);
    if (!b.Valid || !DeformTiltPixels(b, f)) return false;
    return PutPixels(index, b);
}

bool Engine::RotatePixels(int32_t index, float& angle)
{
    NormaliseAngle(angle);
    if (!validIndex(index)) return false;
    PixelBuffer b = GetPixels(index);
    if (!b.Valid) return false;
    return PutPixels(index, RotatedPixels(b, angle));
}

void Engine::ComposeResult()
{
    LastComposeDrew = false;
    if (!FaceLoaded || ModelW < MinWorkSide || ModelH < MinWorkSide || PhotoW < MinWorkSide || PhotoH < MinWorkSide)
        return;
    if (!hasPhotoSize(WorkingPhoto)) return;
    const bool intoModel = ModelLoaded && EditMode >= 2;
    Surface& composite = Surfaces[Composite];
    Surface& face = Surfaces[FaceLayer];
    patBlt(face, 0, 0, ModelW, ModelH, RasterOp::Blackness);

    // Counted in 64 bits: a state set from outside the placement controls (a batch command, a
    // script) may carry a scale and an offset whose quotient leaves 32 bits; such a face then lies
    // wholly off the model and nothing is drawn.
    const int64_t SW = roundWide(float(PhotoW) * ScaleX);
    const int64_t SH = roundWide(float(PhotoH) * ScaleY);
    const int64_t oX = roundWide(float(FaceX) / ScaleX);
    const int64_t oY = roundWide(float(FaceY) / ScaleY);
    // A face moved past the left or top edge is cut there: the part of the photo that is still
    // visible goes to the edge of the model.
    int64_t dx, dw, sx, sw, dy, dh, sy, sh;
    if (FaceX < 0) {
        dx = 0, dw = SW + FaceX, sx = -oX, sw = PhotoW + oX;
    } else {
        dx = FaceX, dw = SW, sx = 0, sw = PhotoW;
    }
    if (FaceY < 0) {
        dy = 0, dh = SH + FaceY, sy = -oY, sh = PhotoH + oY;
    } else {
        dy = FaceY, dh = SH, sy = 0, sh = PhotoH;
    }
    // Each rectangle of the stretch, corner and far edge, must be one the surfaces can address.
    auto drawable = [](int64_t at, int64_t size) { return at >= 0 && size >= 1 && at + size <= INT32_MAX; };
    if (!drawable(dx, dw) || !drawable(dy, dh) || !drawable(sx, sw) || !drawable(sy, sh)) {
        if (intoModel) patBlt(composite, 0, 0, ModelW, ModelH, RasterOp::Blackness);
        return;
    }

    stretchBlt(face, int32_t(dx), int32_t(dy), int32_t(dw), int32_t(dh), Surfaces[WorkingPhoto], int32_t(sx),
               int32_t(sy), int32_t(sw), int32_t(sh), RasterOp::SrcCopy);
    LastComposeDrew = true;
    if (!intoModel) return;

    // The composite is the face inside the cut-out and the model outside it. The program got
    // there by stretching the photo into the black composite a second time, XORing the model in,
    // blacking out the outside region and XORing the model again; the same pixels come from a
    // copy of the face layer (the same stretch into the same black rectangle) and a copy of the
    // model through the outside region, at a third of the cost of a held arrow's step.
    bitBlt(composite, 0, 0, ModelW, ModelH, face, 0, 0, RasterOp::SrcCopy);
    if (OutRgn) {
        composite.setClip(*OutRgn);
        bitBlt(composite, 0, 0, ModelW, ModelH, Surfaces[ModelPicture], 0, 0, RasterOp::SrcCopy);
        composite.setClip(std::nullopt);
    }
}

} // namespace salon
