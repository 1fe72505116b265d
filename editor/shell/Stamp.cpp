#include "editor/shell/Stamp.h"

#include "editor/shell/texts/Texts.h"
#include "platform/Numbers.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cmath>

namespace salon {

int32_t stampRadius(int32_t stampSize)
{
    switch (stampSize) {
    case 1: return 12;
    case 2: return 16;
    case 3: return 20;
    default: return 8;
    }
}

StampWeights stampWeights(float dist, int32_t radius, StampCoverage coverage)
{
    float a = 1.0f - dist / float(radius);
    a = coverage == StampCoverage::Coarse ? a / 2.0f : a / 4.0f;
    float b = 1.0f - a;
    // The capped weights are the tool's own constants, deliberately not 1 - a: they keep the sum below
    // 1 so that no rounding can lift a channel past 255.
    if (coverage == StampCoverage::Fine && a > 0.25f) {
        a = 0.25f;
        b = 0.7496f;
    }
    if (coverage == StampCoverage::Coarse && a > 0.4f) {
        a = 0.4f;
        b = 0.596f;
    }
    return {a, b};
}

bool stampDisc(PixelRows rows, int32_t cx, int32_t cy, int32_t radius, StampCoverage coverage, int32_t sampleX,
               int32_t sampleY)
{
    if (rows.isNull() || radius <= 0) return false;
    if (cx < 0 || cy < 0 || cx > rows.width - 1 || cy > rows.height - 1) return false;
    for (int32_t y = cy - radius; y <= cy + radius; ++y) {
        const int32_t sy = y - cy + sampleY;
        if (y < 0 || y > rows.height - 1 || sy < 0 || sy > rows.height - 1) continue;
        for (int32_t x = cx - radius; x <= cx + radius; ++x) {
            const int32_t sx = x - cx + sampleX;
            if (x < 0 || x > rows.width - 1 || sx < 0 || sx > rows.width - 1) continue;
            const float dy = float(cy - y), dx = float(cx - x);
            const float dist = std::sqrt(dy * dy + dx * dx);
            if (!(dist < float(radius))) continue;
            const StampWeights w = stampWeights(dist, radius, coverage);
            uint8_t* d = rows.at(x, y);
            const uint8_t* s = rows.at(sx, sy);
            for (int c = 0; c < 3; ++c) {
                const float v = float(d[c]) * w.b + float(s[c]) * w.a;
                d[c] = toByte(v);
            }
        }
    }
    return true;
}

CompositePoint viewToComposite(float X, float Y, int32_t compositeW, int32_t compositeH, int32_t viewW,
                               int32_t viewH)
{
    if (viewW + viewH <= 0) return {-1, -1};
    const float f = float(compositeW + compositeH) / float(viewW + viewH);
    return {roundHalfEven(f * X), roundHalfEven(f * Y)};
}

Bitmap sampleDisplay(const Bitmap& composite, int32_t sampleX, int32_t sampleY, int32_t radius, int32_t width,
                     int32_t height)
{
    Bitmap out = Bitmap::rgb24(width, height);
    std::fill(out.pixels.begin(), out.pixels.end(), uint8_t(255));
    if (composite.isNull() || composite.bitsPerPixel != 24) return out;
    const int32_t ox = width / 2, oy = height / 2;
    for (int32_t dy = -radius; dy <= radius; ++dy) {
        for (int32_t dx = -radius; dx <= radius; ++dx) {
            const int32_t px = ox + dx, py = oy + dy, sx = sampleX + dx, sy = sampleY + dy;
            if (px < 0 || py < 0 || px >= width || py >= height) continue;
            if (sx < 0 || sy < 0 || sx >= composite.width || sy >= composite.height) continue;
            const float dist = std::sqrt(float(dx * dx + dy * dy));
            if (!(dist < float(radius))) continue;
            // Full sample colour over the inner half of the disc, fading to white toward the rim.
            const float w = std::min(1.0f, 2.0f * (1.0f - dist / float(radius)));
            const uint8_t* s = composite.row(sy) + 3 * sx;
            uint8_t* d = out.row(py) + 3 * px;
            for (int c = 0; c < 3; ++c) d[c] = toByte(float(s[c]) * w + 255.0f * (1.0f - w));
        }
    }
    return out;
}

void StampTool::Picture2_MouseDown(int32_t button, int32_t shift, float X, float Y)
{
    if (shift == 0 && m_host.recordUndo) m_host.recordUndo();
    Stamp(X, Y, shift, button);
}

void StampTool::Stamp(float X, float Y, int32_t shift, int32_t button)
{
    if (Coverage != 1 && Coverage != 2) Coverage = 1;
    Bitmap* comp = m_host.composite ? m_host.composite() : nullptr;
    if (!comp || comp->isNull()) return;
    const int32_t vw = m_host.viewWidth ? m_host.viewWidth() : comp->width;
    const int32_t vh = m_host.viewHeight ? m_host.viewHeight() : comp->height;
    const CompositePoint c = viewToComposite(X, Y, comp->width, comp->height, vw, vh);

    if (button == mouse::Right) {
        SampleX = c.x;
        SampleY = c.y;
        MarkTSipkaButton(3);
        MarkQSipkaButton(0);
        SampleTaken = 1;
        ShowSample(3);
        return;
    }
    if (button != mouse::Left) return;
    if (!SampleTaken) {
        if (m_host.ui) m_host.ui->message(ResText(33), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (stampDisc(PixelRows::of(*comp), c.x, c.y, stampRadius(StampSize), coverage(), SampleX, SampleY) &&
        m_host.compositeChanged)
        m_host.compositeChanged();
}

void StampTool::TSipka_MouseUp(int32_t index, int32_t button)
{
    if (button != mouse::Left || index < 0 || index > 3) return;
    MarkTSipkaButton(index);
    ShowSample(index);
}

void StampTool::QSipka_MouseUp(int32_t index, int32_t button)
{
    if (button != mouse::Left || index < 0 || index > 1) return;
    MarkQSipkaButton(index);
}

void StampTool::MarkTSipkaButton(int32_t index)
{
    StampSize = uint8_t(std::clamp(index, 0, 3));
    if (m_host.markTSipka) m_host.markTSipka(StampSize);
}

void StampTool::MarkQSipkaButton(int32_t index)
{
    Coverage = index == 1 ? 2 : 1;
    if (m_host.markQSipka) m_host.markQSipka(index == 1 ? 1 : 0);
}

void StampTool::ShowSample(int32_t size)
{
    // Without a sample PicStopa keeps its empty-sample bitmap; there is nothing to preview.
    if (!SampleTaken || !m_host.showSample) return;
    Bitmap* comp = m_host.composite ? m_host.composite() : nullptr;
    if (!comp) return;
    m_host.showSample(
        sampleDisplay(*comp, SampleX, SampleY, stampRadius(size), SampleDisplaySize, SampleDisplaySize));
}

bool StampTool::DropSample()
{
    if (!SampleTaken) return false;
    SampleTaken = 0;
    return true;
}

} // namespace salon
