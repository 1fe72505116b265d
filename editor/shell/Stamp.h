#pragma once
// The retouch stamp: a clone brush that copies a soft-edged disc from around a sample point onto the
// clicked place of the composite (surface 5), blended with what is there.
//
// Coordinates: the composite's pixels, (0, 0) top-left, rows downward. A click arrives in pixels of the
// result view (Picture2) and is scaled by the ratio of the two sizes' sums, as the views keep the
// composite's aspect ratio. The disc is painted in place: a pixel painted earlier in the same click can
// be read back as a sample for a later one - that smear is part of how the stamp looks.
#include "platform/Bitmap.h"

#include <cstdint>
#include <functional>

namespace salon {

class Ui;

// A writable view of 24-bit rows (blue, green, red), top row first, rowBytes apart. Both the engine's
// pixel buffers and plain Bitmaps have this layout.
struct PixelRows {
    int32_t width = 0;
    int32_t height = 0;
    int32_t rowBytes = 0;
    uint8_t* data = nullptr;

    static PixelRows of(Bitmap& b) { return {b.width, b.height, b.rowBytes(), b.pixels.data()}; }
    bool isNull() const { return data == nullptr || width <= 0 || height <= 0; }
    uint8_t* at(int32_t x, int32_t y) const { return data + size_t(y) * size_t(rowBytes) + size_t(3 * x); }
};

// Radius in composite pixels of the TSipka button index 0..3 (8, 12, 16, 20); other indices give 8.
int32_t stampRadius(int32_t stampSize);

enum class StampCoverage : int32_t { Fine = 1, Coarse = 2 };

// The two blend weights of a disc pixel at distance dist from the centre: new = old * b + sample * a.
// Fine coverage never exceeds a = 0.25; coarse is capped at a = 0.4 with b = 0.596, so the weights of
// a capped pixel add up to 0.996 and a stamp of a pixel onto itself darkens it slightly.
struct StampWeights {
    float a;
    float b;
};
StampWeights stampWeights(float dist, int32_t radius, StampCoverage coverage);

// Paints one disc of radius r centred on (cx, cy), copying from around (sampleX, sampleY). Disc pixels
// whose own place or whose sample pixel lies outside the picture are left as they are; so is
// everything when the centre is outside. Returns whether the centre was inside (something may have
// been painted).
bool stampDisc(PixelRows rows, int32_t cx, int32_t cy, int32_t radius, StampCoverage coverage, int32_t sampleX,
               int32_t sampleY);

// A view click (X, Y) in composite pixels: f = (cw + ch) / (vw + vh), rounded half to even.
struct CompositePoint {
    int32_t x;
    int32_t y;
};
CompositePoint viewToComposite(float X, float Y, int32_t compositeW, int32_t compositeH, int32_t viewW,
                               int32_t viewH);

// The picture of the sample display PicStopa: white, with the disc of radius `radius` around the
// sample point drawn 1:1 in its middle and faded toward white by the distance from the centre (the
// preview shows where the sample comes from, not how strongly it will be laid on).
Bitmap sampleDisplay(const Bitmap& composite, int32_t sampleX, int32_t sampleY, int32_t radius, int32_t width,
                     int32_t height);

// Mouse buttons as the window events number them.
namespace mouse {
inline constexpr int32_t Left = 1;
inline constexpr int32_t Right = 2;
} // namespace mouse

// What the stamp needs from the editor around it; the tool never sees the window.
struct StampHost {
    std::function<Bitmap*()> composite;         // the composite's pixel buffer (read from surface 5)
    std::function<int32_t()> viewWidth;         // size of the result view in pixels
    std::function<int32_t()> viewHeight;
    std::function<void()> recordUndo;           // UndoStep(0)
    std::function<void()> compositeChanged;     // write the buffer to surface 5 and redraw the view
    std::function<void(const Bitmap&)> showSample;  // the new picture of PicStopa
    std::function<void(int32_t)> markTSipka;    // pressed look on TSipka(i), released on the others
    std::function<void(int32_t)> markQSipka;    // pressed look on QSipka(i), released on the other
    Ui* ui = nullptr;
};

// State and handlers of the stamp tool (mode 6). Names follow the window's controls.
class StampTool {
public:
    static constexpr int32_t EmptySampleBitmap = 27;  // the white field of PicStopa without a sample
    static constexpr int32_t SampleDisplaySize = 44;  // PicStopa: a radius-20 disc fits 1:1

    uint8_t SampleTaken = 0;
    int32_t SampleX = 0;
    int32_t SampleY = 0;
    uint8_t StampSize = 0;   // TSipka index, radius stampRadius(StampSize)
    int32_t Coverage = 1;    // 1 fine, 2 coarse; anything else counts as 1

    explicit StampTool(StampHost host) : m_host(std::move(host)) {}

    // Only called in mode 6. A click without Shift/Ctrl/Alt records an undo step first; a stroke made
    // with a key held adds to the step of its first click, so the whole stroke is undone at once.
    void Picture2_MouseDown(int32_t button, int32_t shift, float X, float Y);
    void Stamp(float X, float Y, int32_t shift, int32_t button);

    void TSipka_MouseUp(int32_t index, int32_t button);
    void QSipka_MouseUp(int32_t index, int32_t button);
    void MarkTSipkaButton(int32_t index);
    void MarkQSipkaButton(int32_t index);
    void ShowSample(int32_t size);

    // A left click on any command button drops the sample; true when there was one (the caller then
    // shows the empty-sample bitmap in PicStopa).
    bool DropSample();

    StampCoverage coverage() const { return Coverage == 2 ? StampCoverage::Coarse : StampCoverage::Fine; }

private:
    StampHost m_host;
};

} // namespace salon
