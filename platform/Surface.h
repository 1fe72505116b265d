#pragma once
// A picture surface: the stand-in for a picture control of a window and its device context.
//
// Pixels are 24-bit (blue, green, red), rows top first, padded to 4 bytes - the Bitmap layout.
// Size: Width x Height in pixels. With border style 1 a fixed border takes 2 pixels on every side,
// so the drawable area is (Width - 4) x (Height - 4); every pixel operation works in drawable
// coordinates, (0, 0) the top-left drawable pixel.
//
// Two pictures, as on the original controls: the *drawing image* (image()), which every drawing and
// copy goes to, and the *persistent picture* (picture()), which survives a clear or a resize.
// With automatic redraw on, keepImage() makes the current image the persistent picture; clear()
// brings the image back to the persistent picture (or to the background colour when there is none).
// Resizing keeps the image's top-left content and paints new area with the background colour.
#include "Bitmap.h"
#include "Geometry.h"
#include "Region.h"

#include <cstdint>
#include <optional>
#include <span>

namespace salon {

// Raster operation codes as the platform numbers them; d = destination byte, s = source byte.
enum class RasterOp : uint32_t {
    SrcCopy = 0x00CC0020,     // s
    SrcPaint = 0x00EE0086,    // d | s
    SrcAnd = 0x008800C6,      // d & s
    SrcInvert = 0x00660046,   // d ^ s
    SrcErase = 0x00440328,    // s & ~d
    NotSrcCopy = 0x00330008,  // ~s
    NotSrcErase = 0x001100A6, // ~(d | s)
    MergePaint = 0x00BB0226,  // d | ~s
    DstInvert = 0x00550009,   // ~d
    Blackness = 0x00000042,   // 0
    Whiteness = 0x00FF0062,   // 255
};

enum class StretchMode { BlackOnWhite = 1, WhiteOnBlack = 2, ColorOnColor = 3, Halftone = 4 };

// Draw modes of the picture controls (the platform's binary raster operations, numbered 1..16):
// how the pen or fill colour p combines with the destination d. They apply to lines, outlines and
// polygon fills; fillRect and fillRegion always copy their colour.
enum class DrawMode {
    Blackness = 1,     // 0
    NotMergePen = 2,   // ~(d | p)
    MaskNotPen = 3,    // d & ~p
    NotCopyPen = 4,    // ~p
    MaskPenNot = 5,    // p & ~d
    Invert = 6,        // ~d
    XorPen = 7,        // d ^ p
    NotMaskPen = 8,    // ~(d & p)
    MaskPen = 9,       // d & p
    NotXorPen = 10,    // ~(d ^ p)
    Nop = 11,          // d
    MergeNotPen = 12,  // d | ~p
    CopyPen = 13,      // p
    MergePenNot = 14,  // p | ~d
    MergePen = 15,     // d | p
    Whiteness = 16,    // 255
};

// Fill styles of the picture controls: 0 solid, 1 transparent (no fill), 2..7 hatches drawn in the
// fill colour over what is there, on an 8 x 8 grid anchored at the drawable area's origin.
enum class FillStyle {
    Solid = 0,
    Transparent = 1,
    HorizontalLine = 2,    // rows y % 8 == 0
    VerticalLine = 3,      // columns x % 8 == 0
    UpwardDiagonal = 4,    // (x + y) % 8 == 7
    DownwardDiagonal = 5,  // (x - y) % 8 == 0
    Cross = 6,             // horizontal and vertical
    DiagonalCross = 7,     // both diagonals
};

// Pen styles. The broken styles repeat along a figure in pixels (dash 18 on / 6 off, dot 3 / 3,
// dash-dot 9 / 6 / 3 / 6, dash-dot-dot 9 / 3 / 3 / 3 / 3 / 3), as the platform's cosmetic pens
// do; pens wider than 1 pixel draw them solid. Transparent draws no pen at all.
enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Transparent = 5, InsideSolid = 6 };

class Surface {
public:
    Surface() = default;
    Surface(int32_t width, int32_t height);

    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    // Sizes below 0 count as 0. A size whose drawable area would exceed 64 Mpixel (or a side
    // 2^20 pixels) is refused: false, and the surface keeps its size and pixels.
    bool setSize(int32_t width, int32_t height);
    int borderStyle() const { return m_border; }
    void setBorderStyle(int style);
    int32_t drawableWidth() const;
    int32_t drawableHeight() const;

    bool autoRedraw = true;
    bool visible = true;
    uint32_t backColour = 0xFFFFFF;  // packed
    uint32_t foreColour = 0;         // pen colour, packed
    int32_t drawWidth = 1;
    DrawStyle drawStyle = DrawStyle::Solid;
    DrawMode drawMode = DrawMode::CopyPen;
    uint32_t fillColour = 0;
    FillStyle fillStyle = FillStyle::Transparent;
    StretchMode stretchMode = StretchMode::ColorOnColor;

    const Bitmap& image() const { return m_image; }
    Bitmap& image() { return m_image; }
    const std::optional<Bitmap>& picture() const { return m_picture; }
    bool hasPicture() const { return m_picture.has_value(); }

    // Sets the persistent picture (any depth, converted to 24 bits) and shows it; with autoSize the
    // surface takes the picture's size (plus the border), unless setSize refuses it.
    void setPicture(const Bitmap& picture, bool autoSize = true);
    void clearPicture();   // picture := none; the image is cleared to the background colour
    void keepImage();      // picture := image, when autoRedraw
    void clear();          // image := picture, or the background colour

    // GetDIBits / SetDIBits of the drawable area, 24-bit top-down rows. readRows() of a surface
    // whose drawable area is empty gives a null Bitmap. writeRows() resizes nothing: it writes
    // min(size) of the rows into the image from (0, 0) and returns false on a null bitmap.
    [[nodiscard]] Bitmap readRows() const;
    bool writeRows(const Bitmap& rows);

    // Fills and drawing, clipped to the drawable area (and to the clip region when one is set).
    void fillRect(const Rect& r, uint32_t colour);
    void fillRegion(const Region& region, uint32_t colour);
    void setClip(std::optional<Region> clip);
    // Pen outline of each polygon with the pen; inside filled with fillColour / fillStyle by the
    // given rule (the region scan conversion, so fills match Region::polygons exactly).
    void drawPolygons(std::span<const Point> points, std::span<const int32_t> counts, FillRule rule);
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);  // end point excluded, as LineTo
    void drawRect(const Rect& r);  // outline with the pen

private:
    int32_t m_width = 0;
    int32_t m_height = 0;
    int m_border = 0;
    Bitmap m_image;
    std::optional<Bitmap> m_picture;
    std::optional<Region> m_clip;
    friend class SurfaceAccess;
};

// BitBlt: copies a w x h block with a raster operation; parts outside either surface are skipped.
void bitBlt(Surface& dst, int32_t dx, int32_t dy, int32_t w, int32_t h, const Surface& src, int32_t sx,
            int32_t sy, RasterOp op);
// Operations without a source (Blackness, Whiteness, DstInvert).
void patBlt(Surface& dst, int32_t dx, int32_t dy, int32_t w, int32_t h, RasterOp op);

// StretchBlt with the destination's stretch mode. A negative destination or source width (height)
// mirrors the copy. Halftone averages the covered source area; the other modes take the nearest
// source pixel (BlackOnWhite ANDs, WhiteOnBlack ORs the source pixels a shrink drops).
void stretchBlt(Surface& dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, const Surface& src,
                int32_t sx, int32_t sy, int32_t sw, int32_t sh, RasterOp op);

// The same resampling on plain bitmaps (24-bit), for code that works on buffers.
[[nodiscard]] Bitmap stretchHalftone(const Bitmap& src, const Rect& srcRect, int32_t dw, int32_t dh);

} // namespace salon
