// The surface table and the whole-surface routines: reads and writes through pixel buffers, the
// composite reset, the two stretched views and the face-layer mask.
//
// A surface's content counts only while its size is the one its role needs (model size for 2, 5,
// 6, 9; photo size for 1 and 7): every routine here tests that first and otherwise does nothing,
// which is what happens between a model load and a photo load and after a failed load.
#include "editor/engine/Engine.h"

#include <cstring>
#include <vector>

#include "platform/Numbers.h"

#include <algorithm>

namespace salon {

namespace {
constexpr int32_t MinBufferSide = 21;        // narrower surfaces are never read into buffers
constexpr int64_t MaxBufferPixels = 1000000; // larger buffers are never written
constexpr int32_t MinWorkSide = 30;          // models and photos below this are not processed
} // namespace

Engine::Engine(Ui& ui_) : ui(ui_)
{
    for (int32_t i = 0; i < SurfaceCount; ++i) {
        Surfaces[size_t(i)].setSize(20, 20);
        // Scaled copies into these are smoothed (area averaging).
        if (i <= 7 || i == FaceMask) Surfaces[size_t(i)].stretchMode = StretchMode::Halftone;
    }
    // The composite, face layer and undo copy start at the model size the views were laid out for.
    for (int32_t i : {RetouchUndo, Composite, FaceLayer}) Surfaces[size_t(i)].setSize(512, 560);
    Surfaces[FaceView].setSize(FrameW, FrameH);
    Surfaces[ResultView].setSize(FrameW, FrameH);
    // The face mask is drawn in black, filled solid.
    Surface& mask = Surfaces[FaceMask];
    mask.foreColour = 0;
    mask.fillColour = 0;
    mask.fillStyle = FillStyle::Solid;
    mask.backColour = 0xFFFFFF;
}

bool Engine::hasModelSize(int32_t index) const
{
    const Surface& s = Surfaces[size_t(index)];
    return s.width() == ModelW && s.height() == ModelH;
}

bool Engine::hasPhotoSize(int32_t index) const
{
    const Surface& s = Surfaces[size_t(index)];
    return s.width() == PhotoW && s.height() == PhotoH;
}

PixelBuffer Engine::GetPixels(int32_t index) const
{
    if (!validIndex(index)) return {};
    const Surface& s = Surfaces[size_t(index)];
    const int32_t w = s.borderStyle() == 1 ? s.width() - 4 : s.width();
    const int32_t h = s.borderStyle() == 1 ? s.height() - 4 : s.height();
    if (w < MinBufferSide || h < MinBufferSide) return {};
    PixelBuffer b = PixelBuffer::allocate(w, h);
    const Bitmap rows = s.readRows();
    if (rows.isNull() || rows.width != w || rows.height != h || rows.bitsPerPixel != 24) return b;
    for (int32_t y = 0; y < h; ++y) std::copy_n(rows.row(y), size_t(3 * w), b.pixel(0, y));
    if (DisplayDepthMode != 0) {
        // What a 16-bit display gives back: the top 5, 6 and 5 bits of blue, green and red (the
        // same masks serve 15-bit displays).
        for (int32_t y = 0; y < h; ++y) {
            uint8_t* p = b.pixel(0, y);
            for (int32_t x = 0; x < w; ++x, p += 3) {
                p[0] &= 248;
                p[1] &= 252;
                p[2] &= 248;
            }
        }
    }
    b.Valid = true;
    return b;
}

bool Engine::PutPixels(int32_t index, const PixelBuffer& buffer)
{
    if (!validIndex(index)) return false;
    if (buffer.Width < MinBufferSide || buffer.Height < MinBufferSide) return false;
    if (int64_t(buffer.Width) * buffer.Height > MaxBufferPixels) return false;
    if (!buffer.hasShape()) return false;
    Surface& s = Surfaces[size_t(index)];
    s.clearPicture();
    const int32_t border = s.borderStyle() == 1 ? 4 : 0;
    s.setSize(buffer.Width + border, buffer.Height + border);
    if (!s.writeRows(buffer.toBitmap())) return false;
    KeepImage(index);
    return true;
}

void Engine::ClearSurface(int32_t index)
{
    if (!validIndex(index)) return;
    Surface& s = Surfaces[size_t(index)];
    s.clearPicture();
    s.setSize(20, 20);
}

void Engine::KeepImage(int32_t index)
{
    if (!validIndex(index)) return;
    Surfaces[size_t(index)].keepImage();
}

void Engine::ResetComposite()
{
    if (!ModelLoaded || !hasModelSize(Composite) || !hasModelSize(ModelPicture)) return;
    bitBlt(Surfaces[Composite], 0, 0, ModelW, ModelH, Surfaces[ModelPicture], 0, 0, RasterOp::SrcCopy);
}

void Engine::ShowFaceView()
{
    if (!FaceLoaded || ModelW < MinWorkSide || ModelH < MinWorkSide || !hasModelSize(FaceLayer)) return;
    Surface& view = Surfaces[FaceView];
    stretchBlt(view, 0, 0, view.width(), view.height(), Surfaces[FaceLayer], 0, 0, ModelW, ModelH, RasterOp::SrcCopy);
}

void Engine::ShowResult()
{
    if (!ModelLoaded || ModelW < MinWorkSide || ModelH < MinWorkSide || !hasModelSize(Composite)) return;
    Surface& view = Surfaces[ResultView];
    stretchBlt(view, 0, 0, view.width(), view.height(), Surfaces[Composite], 0, 0, ModelW, ModelH, RasterOp::SrcCopy);
}

void Engine::ShowFaceViewAndResult()
{
    ShowFaceView();
    if (ModelLoaded && EditMode >= 2) ShowResult();
    // The held-arrow timer waits for this redraw before it repeats the step.
    if (RepeatCode >= 100) RepeatCode = uint8_t(RepeatCode - 100);
}

void Engine::MaskFaceLayer()
{
    if (!ModelLoaded || !FaceLoaded) return;
    if (ModelW < MinWorkSide || ModelH < MinWorkSide || PhotoW < MinWorkSide || PhotoH < MinWorkSide) return;
    if (!hasModelSize(FaceLayer)) return;
    // face := face OR NOT mask: black mask pixels whiten the face layer, white ones leave it.
    bitBlt(Surfaces[FaceLayer], 0, 0, ModelW, ModelH, Surfaces[FaceMask], 0, 0, RasterOp::MergePaint);
}

void Engine::MirrorPhoto()
{
    if (PhotoW < MinWorkSide || PhotoH < MinWorkSide || !hasPhotoSize(WorkingPhoto)) return;
    // The program commits the image before and after mirroring; the picture only ever keeps the
    // second, so the first copy is left out.
    Bitmap& image = Surfaces[WorkingPhoto].image();
    const int32_t w = image.width;
    std::vector<uint8_t> mirrored(size_t(3) * size_t(w) + 8);
    for (int32_t y = 0; y < image.height; ++y) {
        uint8_t* row = image.row(y);
        // Two pixels a step, left to right in the result: the 6 source bytes of pixels
        // w - 2 - i and w - 1 - i come back in the other order, written with an 8-byte move
        // whose last 2 bytes the next step overwrites (the buffer has room for them at the end).
        // The reads are 8-byte moves too, except the first, whose last 2 bytes lie past the row.
        int32_t i = 0;
        auto swapPair = [](uint64_t v) { return ((v >> 24) & 0xFFFFFFu) | ((v & 0xFFFFFFu) << 24); };
        if (w >= 2) {
            uint64_t v = 0;
            std::memcpy(&v, row + 3 * size_t(w - 2), 6);
            const uint64_t swapped = swapPair(v);
            std::memcpy(mirrored.data(), &swapped, 8);
            i = 2;
        }
        for (; i + 2 <= w; i += 2) {
            uint64_t v;
            std::memcpy(&v, row + 3 * size_t(w - 2 - i), 8);
            const uint64_t swapped = swapPair(v);
            std::memcpy(mirrored.data() + 3 * size_t(i), &swapped, 8);
        }
        if (i < w) std::memcpy(mirrored.data() + 3 * size_t(i), row, 3);
        std::memcpy(row, mirrored.data(), 3 * size_t(w));
    }
    KeepImage(WorkingPhoto);
}

} // namespace salon
