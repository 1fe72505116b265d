// The warp into a quadrilateral: two passes of one-pixel-wide stretches, first every row to its
// place and length, then every column from the upper to the lower boundary. The coefficients of
// the bilinear map are handed back so that an outline can follow the picture.
#include "library/imaging/Transforms.h"

#include "platform/Numbers.h"

#include <algorithm>

namespace pixol::transforms {

bool warp(salon::Surface& obj, const WarpCorners& k, WarpResult& r)
{
    int32_t w, h;
    if (!sizeOf(obj, w, h) || w < 2 || h < 2) return false;
    if (!(k.x1 < k.x4 && k.x2 < k.x3 && k.y1 < k.y2 && k.y4 < k.y3)) return false;
    // Corners far apart would make a picture no surface can hold, and scanning their polygon alone
    // would take as long as its height: they are refused before anything is built.
    const int64_t spanX = int64_t(std::max(k.x3, k.x4)) - std::min(k.x1, k.x2);
    const int64_t spanY = int64_t(std::max(k.y2, k.y3)) - std::min(k.y1, k.y4);
    if (spanX > (1 << 20) || spanY > (1 << 20) || spanX * spanY > (int64_t(64) << 20)) return false;
    const salon::Point quad[4] = {{k.x1, k.y1}, {k.x2, k.y2}, {k.x3, k.y3}, {k.x4, k.y4}};
    salon::Region q = salon::Region::polygon(quad, salon::FillRule::EvenOdd);
    if (!q.isValid() || q.isEmpty()) return false;
    const salon::Rect box = q.bounds();
    const int32_t bw = box.width(), bh = box.height();
    q.offset(-box.left, -box.top);

    const int32_t ex = w - 1, ey = h - 1;
    const float exy = float(ex) * float(ey);
    r.q1 = float(k.x1 + k.x3 - k.x2 - k.x4) / exy;
    r.q2 = float(k.y1 + k.y3 - k.y2 - k.y4) / exy;
    r.t1 = float(k.x4 - k.x1) / float(ex);
    r.t3 = float(k.y2 - k.y1) / float(ey);
    r.t2 = float(k.x2 - k.x1) / float(ey);
    r.t4 = float(k.y4 - k.y1) / float(ex);
    r.ddx = k.x2 < k.x1 ? k.x1 - k.x2 : 0;
    r.ddy = k.y4 < k.y1 ? k.y1 - k.y4 : 0;
    r.dX = (bw - w) / 2;
    r.dY = (bh - h) / 2;

    salon::Surface rows(bw, h), cols(bw, bh);
    rows.stretchMode = salon::StretchMode::Halftone;
    // The platform's black-on-white mode ANDs the bytes of the rows a shrink drops, which speckles
    // a photo with false colours; the columns are averaged like the rows instead.
    cols.stretchMode = salon::StretchMode::Halftone;
    if (rows.drawableWidth() != bw || cols.drawableHeight() != bh) return false;

    // Rows: row y starts on the left edge and ends on the right edge of the quadrilateral.
    for (int32_t y = 0; y <= ey; ++y) {
        const float fy = float(y);
        const int32_t xs = salon::roundHalfEven(r.t2 * fy + float(r.ddx));
        const int32_t xe = salon::roundHalfEven(r.t1 * float(ex) + float(r.ddx) + r.t2 * fy + fy * float(ex) * r.q1);
        if (xe - xs + 1 > 0) salon::stretchBlt(rows, xs, y, xe - xs + 1, 1, obj, 0, y, w, 1, salon::RasterOp::SrcCopy);
    }

    // Columns: from the upper to the lower boundary; on a slanted side edge the column holds only
    // part of the source rows, in proportion to the position along that edge.
    const int32_t left = std::min(k.x1, k.x2), right = std::max(k.x3, k.x4), top0 = std::min(k.y1, k.y4);
    const float fey = float(ey);
    for (int32_t i = left; i <= right; ++i) {
        const float fi = float(i);
        float top, srcTop = 0.0f, bottom, srcBottom = fey;
        if (i < k.x1) {
            const float t = float(k.x1 - i) / float(k.x1 - k.x2);
            top = float(k.y1) + t * float(k.y2 - k.y1);
            srcTop = t * fey;
        } else if (i <= k.x4) {
            top = float(k.y1) + (fi - float(k.x1)) * float(k.y4 - k.y1) / float(k.x4 - k.x1);
        } else {
            const float t = float(i - k.x4) / float(k.x3 - k.x4);
            top = float(k.y4) + t * float(k.y3 - k.y4);
            srcTop = t * fey;
        }
        if (i < k.x2) {
            const float t = float(i - k.x1) / float(k.x2 - k.x1);
            bottom = float(k.y1) + t * float(k.y2 - k.y1);
            srcBottom = t * fey;
        } else if (i <= k.x3) {
            bottom = float(k.y2) + (fi - float(k.x2)) * float(k.y3 - k.y2) / float(k.x3 - k.x2);
        } else {
            const float t = float(i - k.x3) / float(k.x4 - k.x3);
            bottom = float(k.y3) + t * float(k.y4 - k.y3);
            srcBottom = fey - t * fey;
        }
        const int32_t dTop = salon::roundHalfEven(top) - top0, dBottom = salon::roundHalfEven(bottom) - top0;
        const int32_t sTop = salon::roundHalfEven(srcTop), sBottom = salon::roundHalfEven(srcBottom);
        const int32_t dh = dBottom - dTop + 1, sh = sBottom - sTop + 1;
        if (dh > 0 && sh > 0)
            salon::stretchBlt(cols, i - left, dTop, 1, dh, rows, i - left, sTop, 1, sh, salon::RasterOp::SrcCopy);
    }

    if (!replaceWith(obj, cols.readRows())) return false;
    r.ex = w;
    r.ey = h;
    r.outline = std::move(q);
    return true;
}

} // namespace pixol::transforms
