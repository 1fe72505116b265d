#include "crop/CropGeometry.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trimlet {

PreviewFit fitPreview(int32_t w0, int32_t h0)
{
    PreviewFit fit;
    if (w0 > 0 && h0 > 0) {
        // Wider than the area's own proportion: the width decides, else the height.
        const float areaRatio = float(PreviewAreaHeight) / float(PreviewAreaWidth);
        if (areaRatio * float(w0) > float(h0))
            fit.scale = float(PreviewAreaWidth) / float(w0);
        else
            fit.scale = float(PreviewAreaHeight) / float(h0);
        fit.width = salon::roundHalfEven(fit.scale * float(w0));
        fit.height = salon::roundHalfEven(fit.scale * float(h0));
    }
    fit.left = salon::intDiv(PreviewAreaWidth - fit.width, 2) + PreviewAreaLeft;
    fit.top = salon::intDiv(PreviewAreaHeight - fit.height, 2) + PreviewAreaTop;
    return fit;
}

std::array<StripRect, 4> initialStrips(const PreviewFit& fit)
{
    const int32_t t = StripThickness;
    const int32_t L = fit.left, T = fit.top, DW = fit.width, DH = fit.height;
    return {{
        {L - t, T - t, t, DH + 2 * t},
        {L + DW, T - t, t, DH + 2 * t},
        {L - t, T - t, DW + 2 * t, t},
        {L - t, T + DH, DW + 2 * t, t},
    }};
}

DragStep dragStrip(int strip, const StripRect& committed, const StripRect& working, int32_t startX, int32_t startY,
                   int32_t referenceX, int32_t referenceY, int32_t x, int32_t y)
{
    DragStep step{false, working, referenceX, referenceY};
    // Twips to whole pixels, truncating toward zero as the drag always has.
    const auto pixels = [](int64_t twips) { return int32_t(twips / salon::TwipsPerPixel); };
    switch (strip) {
    case LeftStrip: {
        const int64_t w = int64_t(committed.width) + pixels(int64_t(x) - startX);
        if (w >= StripThickness && w <= std::numeric_limits<int32_t>::max()) {
            step.rect = committed;
            step.rect.width = int32_t(w);
            step.applied = true;
        }
        break;
    }
    case TopStrip: {
        const int64_t h = int64_t(committed.height) + pixels(int64_t(y) - startY);
        if (h >= StripThickness && h <= std::numeric_limits<int32_t>::max()) {
            step.rect = committed;
            step.rect.height = int32_t(h);
            step.applied = true;
        }
        break;
    }
    case RightStrip: {
        const int64_t delta = int64_t(referenceX) - x;
        const int32_t q = pixels(delta);
        const int64_t w = int64_t(committed.width) + q;
        // Only a move that is applied shifts the strip, so only then may the reference follow it;
        // otherwise the pointer would have to travel back past its start before the strip answers.
        if (w >= StripThickness && w <= std::numeric_limits<int32_t>::max()) {
            step.rect = committed;
            step.rect.width = int32_t(w);
            step.rect.left = int32_t(int64_t(committed.left) - q);
            step.referenceX = int32_t(int64_t(startX) + delta);
            step.applied = true;
        }
        break;
    }
    case BottomStrip: {
        const int64_t delta = int64_t(referenceY) - y;
        const int32_t q = pixels(delta);
        const int64_t h = int64_t(committed.height) + q;
        if (h >= StripThickness && h <= std::numeric_limits<int32_t>::max()) {
            step.rect = committed;
            step.rect.height = int32_t(h);
            step.rect.top = int32_t(int64_t(committed.top) - q);
            step.referenceY = int32_t(int64_t(startY) + delta);
            step.applied = true;
        }
        break;
    }
    default:
        break;
    }
    return step;
}

namespace {

// Strip thickness beyond the untouched 10 pixels, as source pixels; none when it does not fit 32 bits.
std::optional<int32_t> toSource(int64_t previewPixels, float scale)
{
    const float v = float(previewPixels) / scale;
    if (!std::isfinite(v) || std::fabs(v) >= 2147483520.0f) return std::nullopt;
    return salon::roundHalfEven(v);
}

} // namespace

std::optional<Cut> cutInSource(int32_t w0, int32_t h0, float scale, const std::array<StripRect, 4>& strips)
{
    if (!(scale > 0.0f) || !std::isfinite(scale)) return std::nullopt;
    const int64_t t = StripThickness;
    const auto x1 = toSource(strips[LeftStrip].width - t, scale);
    const auto y1 = toSource(strips[TopStrip].height - t, scale);
    const auto across = toSource(int64_t(strips[LeftStrip].width) + strips[RightStrip].width - 2 * t, scale);
    const auto down = toSource(int64_t(strips[TopStrip].height) + strips[BottomStrip].height - 2 * t, scale);
    if (!x1 || !y1 || !across || !down) return std::nullopt;
    const int64_t w = int64_t(w0) - *across;
    const int64_t h = int64_t(h0) - *down;
    if (w < std::numeric_limits<int32_t>::min() || h < std::numeric_limits<int32_t>::min()) return std::nullopt;
    return Cut{*x1, *y1, int32_t(w), int32_t(h)};
}

Reduction reduceToFit(int32_t w, int32_t h)
{
    Reduction r;
    const float fx = float(OutputMaxWidth) / float(w);
    const float fy = float(OutputMaxHeight) / float(h);
    r.factor = (fx >= 1.0f && fy >= 1.0f) ? 1.0f : std::min(fx, fy);
    r.width = salon::roundHalfEven(r.factor * float(w));
    r.height = salon::roundHalfEven(r.factor * float(h));
    return r;
}

} // namespace trimlet
