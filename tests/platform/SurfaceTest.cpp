// Picture surfaces: sizes and pictures, raster operations, stretched copies, fills and the pen.
#include "platform/Surface.h"

#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <random>

using namespace salon;

namespace {

Surface filled(int w, int h, uint32_t colour)
{
    Surface s(w, h);
    s.fillRect(Rect{0, 0, w, h}, colour);
    return s;
}

// A picture whose every channel differs from pixel to pixel.
Surface pattern(int w, int h, unsigned seed = 1)
{
    Surface s(w, h);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.image().setPixel(x, y, rng() & 0xFFFFFF);
    return s;
}

uint32_t px(const Surface& s, int x, int y) { return s.image().pixel(x, y); }

} // namespace

TEST(Surface, BorderedSurfaceReadsItsDrawableArea)
{
    Surface s(120, 90);
    s.setBorderStyle(1);
    EXPECT_EQ(s.drawableWidth(), 116);
    EXPECT_EQ(s.drawableHeight(), 86);
    Bitmap rows = s.readRows();
    EXPECT_EQ(rows.width, 116);
    EXPECT_EQ(rows.height, 86);
    EXPECT_EQ(rows.rowBytes(), 348);
    EXPECT_TRUE(Surface(3, 3).readRows().isNull() == false);
    Surface tiny(3, 3);
    tiny.setBorderStyle(1);
    EXPECT_TRUE(tiny.readRows().isNull());
}

TEST(Surface, ResizingKeepsTheTopLeftAndPaintsNewAreaWithTheBackground)
{
    Surface s = filled(4, 4, 0x123456);
    s.backColour = 0xABCDEF;
    s.setSize(6, 3);
    EXPECT_EQ(px(s, 3, 2), 0x123456u);
    EXPECT_EQ(px(s, 4, 0), 0xABCDEFu);
    EXPECT_EQ(s.image().height, 3);
    // A size no picture can have is refused and changes nothing.
    EXPECT_FALSE(s.setSize(100000, 100000));
    EXPECT_FALSE(s.setSize(2, (1 << 20) + 1));
    EXPECT_EQ(s.width(), 6);
    EXPECT_EQ(px(s, 3, 2), 0x123456u);
    EXPECT_TRUE(s.setSize(-5, 4));
    EXPECT_TRUE(s.image().isNull());
}

TEST(Surface, PersistentPictureSurvivesClearAndKeepImageCommits)
{
    Surface s(4, 4);
    Bitmap pic = Bitmap::rgb24(3, 2);
    pic.setPixel(0, 0, 0x0000FF);
    s.setPicture(pic);
    EXPECT_EQ(s.width(), 3);
    EXPECT_EQ(s.height(), 2);
    s.fillRect(Rect{0, 0, 3, 2}, 0x00FF00);
    s.clear();
    EXPECT_EQ(px(s, 0, 0), 0x0000FFu) << "clear brings back the picture";
    s.fillRect(Rect{0, 0, 1, 1}, 0x00FF00);
    s.keepImage();
    s.fillRect(Rect{0, 0, 1, 1}, 0);
    s.clear();
    EXPECT_EQ(px(s, 0, 0), 0x00FF00u) << "keepImage made the drawing persistent";
    s.autoRedraw = false;
    s.fillRect(Rect{0, 0, 1, 1}, 0);
    s.keepImage();
    s.clear();
    EXPECT_EQ(px(s, 0, 0), 0x00FF00u) << "without automatic redraw nothing is kept";
    s.clearPicture();
    EXPECT_FALSE(s.hasPicture());
    EXPECT_EQ(px(s, 0, 0), s.backColour);
}

TEST(Surface, WriteRowsWritesTheOverlapAndRefusesNothing)
{
    Surface s(4, 4);
    EXPECT_FALSE(s.writeRows(Bitmap{}));
    Bitmap rows = Bitmap::rgb24(6, 2);
    rows.setPixel(3, 1, 0x010203);
    rows.setPixel(5, 1, 0x040506);
    EXPECT_TRUE(s.writeRows(rows));
    EXPECT_EQ(px(s, 3, 1), 0x010203u);
    EXPECT_EQ(px(s, 0, 3), s.backColour);
    EXPECT_EQ(s.width(), 4);
}

// Raster operation codes carry their own truth table: with source 0xCC and destination 0xAA the
// result byte is bits 16..23 of the code.
class RasterOps : public ::testing::TestWithParam<RasterOp> {};

TEST_P(RasterOps, EveryByteFollowsTheOperationsTruthTable)
{
    const RasterOp op = GetParam();
    Surface dst = filled(5, 2, 0xAAAAAA), src = filled(5, 2, 0xCCCCCC);
    dst.image().row(0)[15] = 0x5A;  // padding of a 5-pixel row
    bitBlt(dst, 0, 0, 5, 2, src, 0, 0, op);
    const uint32_t expected = (uint32_t(op) >> 16) & 0xFF;
    for (int x = 0; x < 5; ++x) EXPECT_EQ(px(dst, x, 1), expected * 0x010101u);
    EXPECT_EQ(dst.image().row(0)[15], 0x5A) << "row padding is not touched";
}

INSTANTIATE_TEST_SUITE_P(AllOps, RasterOps,
                         ::testing::Values(RasterOp::SrcCopy, RasterOp::SrcPaint, RasterOp::SrcAnd,
                                           RasterOp::SrcInvert, RasterOp::SrcErase, RasterOp::NotSrcCopy,
                                           RasterOp::NotSrcErase, RasterOp::MergePaint, RasterOp::DstInvert,
                                           RasterOp::Blackness, RasterOp::Whiteness));

TEST(Surface, BlocksAreClippedToBothSurfacesAndTheClipRegion)
{
    Surface src = pattern(4, 4), dst = filled(6, 6, 0);
    bitBlt(dst, -1, 4, 4, 4, src, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(px(dst, 0, 4), px(src, 1, 0));
    EXPECT_EQ(px(dst, 2, 5), px(src, 3, 1));
    EXPECT_EQ(px(dst, 3, 5), 0u);
    EXPECT_EQ(px(dst, 0, 3), 0u);

    // Source pixels that do not exist are not copied.
    Surface d2 = filled(6, 6, 0);
    bitBlt(d2, 0, 0, 6, 6, src, 2, 2, RasterOp::SrcCopy);
    EXPECT_EQ(px(d2, 1, 1), px(src, 3, 3));
    EXPECT_EQ(px(d2, 2, 2), 0u);

    Surface d3 = filled(4, 4, 0);
    d3.setClip(Region::rect(1, 1, 2, 2));
    bitBlt(d3, 0, 0, 4, 4, src, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(px(d3, 1, 1), px(src, 1, 1));
    EXPECT_EQ(px(d3, 0, 0), 0u);
    d3.setClip(std::nullopt);
    bitBlt(d3, 0, 0, 4, 4, src, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(px(d3, 0, 0), px(src, 0, 0));
}

// Unpadded rows (widths that are multiples of 4) are combined as one span when both pictures
// have the block's width, and row by row otherwise; both must give the per-pixel result.
TEST(Surface, XorOfWholeAndPartialUnpaddedBlocksFollowsEveryPixel)
{
    const Surface wide = pattern(8, 5, 2), narrow = pattern(4, 5, 3);
    for (const auto& [src, sx] : {std::pair{&wide, 2}, std::pair{&narrow, 0}}) {
        Surface dst = pattern(4, 5, 4);
        const Surface before = dst;
        bitBlt(dst, 0, 1, 4, 3, *src, sx, 0, RasterOp::SrcInvert);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 4; ++x) {
                const uint32_t want = y >= 1 && y < 4 ? px(before, x, y) ^ px(*src, x + sx, y - 1) : px(before, x, y);
                EXPECT_EQ(px(dst, x, y), want) << "source width " << src->width() << " at " << x << "," << y;
            }
    }
}

TEST(Surface, OverlappingCopyWithinOneSurfaceReadsTheOriginal)
{
    Surface s = pattern(8, 1), before = s;
    bitBlt(s, 1, 0, 7, 1, s, 0, 0, RasterOp::SrcCopy);
    for (int x = 1; x < 8; ++x) EXPECT_EQ(px(s, x, 0), px(before, x - 1, 0));
    Surface t = pattern(8, 1), orig = t;
    stretchBlt(t, 1, 0, 7, 1, t, 0, 0, 7, 1, RasterOp::SrcCopy);
    for (int x = 1; x < 8; ++x) EXPECT_EQ(px(t, x, 0), px(orig, x - 1, 0));
}

TEST(Surface, HalftoneShrinkAveragesBlocksRoundingHalfToEven)
{
    Surface src(4, 4), dst(2, 2);
    dst.stretchMode = StretchMode::Halftone;
    // Red of pixel (x, y) = 10x + y: the 2 x 2 blocks average to 5.5, 25.5, 7.5, 27.5.
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) src.image().setPixel(x, y, packRgb(uint8_t(10 * x + y), 200, uint8_t(x == 0 ? 1 : 0)));
    stretchBlt(dst, 0, 0, 2, 2, src, 0, 0, 4, 4, RasterOp::SrcCopy);
    EXPECT_EQ(redOf(px(dst, 0, 0)), 6);
    EXPECT_EQ(redOf(px(dst, 1, 0)), 26);
    EXPECT_EQ(redOf(px(dst, 0, 1)), 8);
    EXPECT_EQ(redOf(px(dst, 1, 1)), 28);
    EXPECT_EQ(greenOf(px(dst, 1, 1)), 200);
    EXPECT_EQ(blueOf(px(dst, 0, 0)), 0) << "0.5 rounds to the even 0";
}

TEST(Surface, HalftoneCases)
{
    struct Case {
        const char* name;
        std::vector<uint8_t> src;  // one row of red values
        int dw;
        std::vector<uint8_t> out;
    };
    const Case cases[] = {
        {"same size is exact", {3, 250, 17, 0, 99}, 5, {3, 250, 17, 0, 99}},
        {"enlarging 2 -> 3 blends by overlap", {0, 90}, 3, {0, 45, 90}},
        {"enlarging 1 -> 4 repeats", {77}, 4, {77, 77, 77, 77}},
        {"shrinking 3 -> 2 weighs the middle pixel half each", {0, 30, 60}, 2, {10, 50}},
        {"shrinking 5 -> 1 is the mean", {1, 2, 3, 4, 6}, 1, {3}},
        {"mirrored by a negative destination width", {1, 2, 3}, -3, {3, 2, 1}},
    };
    for (const Case& c : cases) {
        Surface src(int(c.src.size()), 1), dst(std::abs(c.dw), 1);
        dst.stretchMode = StretchMode::Halftone;
        for (size_t x = 0; x < c.src.size(); ++x) src.image().setPixel(int(x), 0, packRgb(c.src[x], 0, 0));
        stretchBlt(dst, c.dw < 0 ? -c.dw : 0, 0, c.dw, 1, src, 0, 0, int(c.src.size()), 1, RasterOp::SrcCopy);
        for (size_t x = 0; x < c.out.size(); ++x) EXPECT_EQ(redOf(px(dst, int(x), 0)), c.out[x]) << c.name << " x=" << x;
    }
}

TEST(Surface, StretchHalftoneOnBitmapsMatchesTheSurfaceCopy)
{
    Surface src = pattern(37, 23, 5), dst(16, 40);
    dst.stretchMode = StretchMode::Halftone;
    stretchBlt(dst, 0, 0, 16, 40, src, 2, 1, 33, 21, RasterOp::SrcCopy);
    Bitmap b = stretchHalftone(src.image(), Rect{2, 1, 35, 22}, 16, 40);
    EXPECT_EQ(b, dst.image());
}

TEST(Surface, MirroringTwiceRestoresThePicture)
{
    for (StretchMode mode : {StretchMode::Halftone, StretchMode::ColorOnColor}) {
        Surface photo = pattern(31, 30, 9), original = photo, work(31, 30);
        work.stretchMode = mode;
        for (int i = 0; i < 2; ++i) {
            stretchBlt(work, 31, 0, -31, 30, photo, 0, 0, 31, 30, RasterOp::SrcCopy);
            if (i == 0) {
                EXPECT_EQ(px(work, 30, 4), px(photo, 0, 4));
            }
            bitBlt(photo, 0, 0, 31, 30, work, 0, 0, RasterOp::SrcCopy);
        }
        EXPECT_EQ(photo.image(), original.image());
        // Mirrored source and destination cancel; a mirrored source alone mirrors vertically too.
        stretchBlt(work, 31, 30, -31, -30, photo, 31, 30, -31, -30, RasterOp::SrcCopy);
        EXPECT_EQ(work.image(), original.image());
        stretchBlt(work, 0, 0, 31, 30, photo, 0, 30, 31, -30, RasterOp::SrcCopy);
        EXPECT_EQ(px(work, 3, 0), px(original, 3, 29));
    }
}

TEST(Surface, PlainModesPickOrCombineSourcePixels)
{
    // A one-pixel black line in white: nearest-pixel shrinking may lose it, black-on-white keeps it.
    Surface src = filled(8, 1, 0xFFFFFF);
    src.image().setPixel(2, 0, 0);
    Surface keep(4, 1), pick(4, 1), light(4, 1);
    keep.stretchMode = StretchMode::BlackOnWhite;
    pick.stretchMode = StretchMode::ColorOnColor;
    light.stretchMode = StretchMode::WhiteOnBlack;
    stretchBlt(keep, 0, 0, 4, 1, src, 0, 0, 8, 1, RasterOp::SrcCopy);
    stretchBlt(pick, 0, 0, 4, 1, src, 0, 0, 8, 1, RasterOp::SrcCopy);
    stretchBlt(light, 0, 0, 4, 1, src, 0, 0, 8, 1, RasterOp::SrcCopy);
    EXPECT_EQ(px(keep, 1, 0), 0u);
    EXPECT_EQ(px(pick, 1, 0), 0xFFFFFFu) << "the centre of destination pixel 1 is source pixel 3";
    EXPECT_EQ(px(light, 1, 0), 0xFFFFFFu);
    for (int x : {0, 2, 3}) EXPECT_EQ(px(keep, x, 0), 0xFFFFFFu);
}

TEST(Surface, StretchedCopiesApplyTheirRasterOperation)
{
    Surface src = filled(2, 2, 0x0F0F0F), dst = filled(4, 4, 0xF0F0F0);
    stretchBlt(dst, 0, 0, 4, 4, src, 0, 0, 2, 2, RasterOp::SrcInvert);
    EXPECT_EQ(px(dst, 3, 3), 0xFFFFFFu);
    stretchBlt(dst, 0, 0, 2, 2, src, 0, 0, 2, 2, RasterOp::MergePaint);
    EXPECT_EQ(px(dst, 0, 0), 0xFFFFFFu | (~0x0F0F0Fu & 0xFFFFFF));
    patBlt(dst, 4, 4, -2, -2, RasterOp::Blackness);
    EXPECT_EQ(px(dst, 2, 2), 0u);
    EXPECT_EQ(px(dst, 1, 1), 0xFFFFFFu);
}

TEST(Surface, HugeStretchesStayBounded)
{
    Surface src = pattern(3, 3), dst(8, 8);
    dst.stretchMode = StretchMode::Halftone;
    stretchBlt(dst, -100000, -100000, 200000, 200000, src, 0, 0, 3, 3, RasterOp::SrcCopy);
    EXPECT_EQ(px(dst, 0, 0), px(src, 1, 1));
    stretchBlt(dst, 0, 0, 8, 8, src, 0, 0, INT32_MAX, 3, RasterOp::SrcCopy);  // refused, no hang
}

TEST(Surface, FillsFollowTheRegionAndTheClip)
{
    Surface s = filled(10, 10, 0);
    s.setClip(Region::rect(0, 0, 5, 10));
    s.fillRegion(Region::rect(3, 3, 8, 4).united(Region::rect(-5, 9, 50, 50)), 0x00FF00);
    EXPECT_EQ(px(s, 3, 3), 0x00FF00u);
    EXPECT_EQ(px(s, 4, 3), 0x00FF00u);
    EXPECT_EQ(px(s, 5, 3), 0u);
    EXPECT_EQ(px(s, 0, 9), 0x00FF00u);
    EXPECT_EQ(px(s, 2, 3), 0u);
    s.fillRegion(Region::invalid(), 0xFFFFFF);  // nothing, no crash
}

TEST(Surface, PolygonFillsMatchTheRegionAndThePenDrawsTheOutline)
{
    const Point pts[] = {{2, 1}, {17, 4}, {9, 15}, {1, 12}, {12, 7}};
    const int32_t counts[] = {5};
    Surface solid = filled(20, 20, 0xFFFFFF), outline = solid;
    solid.fillStyle = FillStyle::Solid;
    solid.fillColour = 0x0000FF;
    solid.foreColour = outline.foreColour = 0x00FF00;
    solid.drawPolygons(pts, counts, FillRule::EvenOdd);
    outline.drawPolygons(pts, counts, FillRule::EvenOdd);
    const Region inside = Region::polygons(pts, counts, FillRule::EvenOdd);
    int penPixels = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            uint32_t expected = px(outline, x, y) == 0x00FF00u ? 0x00FF00u : inside.contains(x, y) ? 0x0000FFu : 0xFFFFFFu;
            penPixels += px(outline, x, y) == 0x00FF00u;
            ASSERT_EQ(px(solid, x, y), expected) << x << "," << y;
        }
    EXPECT_TRUE(outline.image().pixel(17, 4) == 0x00FF00u) << "the outline reaches every vertex";
    EXPECT_GT(penPixels, 40);
}

TEST(Surface, InvertingPenRestoresThePictureWhenDrawnTwice)
{
    Surface s = pattern(30, 20, 3), original = s;
    s.drawMode = DrawMode::Invert;
    s.drawLine(2, 3, 27, 15);
    EXPECT_EQ(px(s, 2, 3), ~px(original, 2, 3) & 0xFFFFFF);
    EXPECT_EQ(px(s, 27, 15), px(original, 27, 15)) << "the end point is not drawn";
    s.drawLine(2, 3, 27, 15);
    EXPECT_EQ(s.image(), original.image());
    // A closed figure whose edges meet at its corners still inverts each pixel once.
    const Point tri[] = {{5, 5}, {20, 5}, {5, 18}};
    const int32_t counts[] = {3};
    s.drawPolygons(tri, counts, FillRule::EvenOdd);
    EXPECT_EQ(px(s, 5, 5), ~px(original, 5, 5) & 0xFFFFFF);
    s.drawPolygons(tri, counts, FillRule::EvenOdd);
    EXPECT_EQ(s.image(), original.image());
}

TEST(Surface, LinesAndRectanglesCoverTheExpectedPixels)
{
    Surface s = filled(10, 10, 0);
    s.foreColour = 0xFFFFFF;
    s.drawLine(1, 1, 6, 1);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(px(s, x, 1), (x >= 1 && x < 6) ? 0xFFFFFFu : 0u);
    Surface r = filled(10, 10, 0);
    r.foreColour = 0xFFFFFF;
    r.drawRect(Rect{2, 2, 6, 5});
    int n = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) n += px(r, x, y) != 0;
    EXPECT_EQ(n, 10) << "the frame of a 4 x 3 rectangle";
    EXPECT_NE(px(r, 5, 4), 0u);
    EXPECT_EQ(px(r, 6, 5), 0u);
    Surface thick = filled(10, 10, 0);
    thick.drawWidth = 3;
    thick.foreColour = 0xFFFFFF;
    thick.drawLine(5, 1, 5, 8);
    EXPECT_NE(px(thick, 4, 4), 0u);
    EXPECT_NE(px(thick, 6, 4), 0u);
    EXPECT_EQ(px(thick, 7, 4), 0u);
}

namespace {

// Exact box-filter reference: per axis, destination pixel i covers [i*S/D, (i+1)*S/D) of the
// source and source pixel j weighs its overlap; reads outside the source repeat the edge.
Bitmap boxFilterReference(const Bitmap& src, int sx, int sy, int64_t sw, int64_t sh, int dw, int dh)
{
    auto weights = [](int64_t S, int64_t D) {
        std::vector<std::vector<std::pair<int64_t, uint64_t>>> w(static_cast<size_t>(D));
        for (int64_t i = 0; i < D; ++i)
            for (int64_t j = 0; j < S; ++j) {
                int64_t lo = std::max(i * S, j * D), hi = std::min((i + 1) * S, (j + 1) * D);
                if (hi > lo) w[size_t(i)].push_back({j, uint64_t(hi - lo)});
            }
        return w;
    };
    const auto wx = weights(sw, dw), wy = weights(sh, dh);
    auto clampTo = [](int64_t v, int n) { return int(std::min<int64_t>(std::max<int64_t>(v, 0), n - 1)); };
    Bitmap out = Bitmap::rgb24(dw, dh);
    const uint64_t total = uint64_t(sw) * uint64_t(sh);
    for (int k = 0; k < dh; ++k)
        for (int i = 0; i < dw; ++i)
            for (int c = 0; c < 3; ++c) {
                uint64_t sum = 0;
                for (auto [l, a] : wy[size_t(k)]) {
                    uint64_t row = 0;
                    for (auto [j, b] : wx[size_t(i)])
                        row += b * src.row(clampTo(sy + l, src.height))[3 * clampTo(sx + j, src.width) + c];
                    sum += a * row;
                }
                uint64_t q = sum / total, r = sum % total;
                if (2 * r > total || (2 * r == total && (q & 1))) ++q;
                out.row(k)[3 * i + c] = uint8_t(q);
            }
    return out;
}

} // namespace

TEST(Surface, HalftoneMatchesAnExactBoxFilterReference)
{
    std::mt19937 rng(99);
    std::uniform_int_distribution<int> size(1, 23);
    for (int round = 0; round < 60; ++round) {
        const Surface src = pattern(size(rng), size(rng), unsigned(round));
        const int sw = size(rng), sh = size(rng), dw = size(rng), dh = size(rng);
        const int sx = int(rng() % 5) - 2, sy = int(rng() % 5) - 2;
        Surface dst(dw, dh);
        dst.stretchMode = StretchMode::Halftone;
        stretchBlt(dst, 0, 0, dw, dh, src, sx, sy, sw, sh, RasterOp::SrcCopy);
        ASSERT_EQ(dst.image(), boxFilterReference(src.image(), sx, sy, sw, sh, dw, dh)) << "round " << round;
        // Mirrored copies are the same pixels in reverse order.
        Surface mirrored(dw, dh);
        mirrored.stretchMode = StretchMode::Halftone;
        stretchBlt(mirrored, dw, 0, -dw, dh, src, sx, sy, sw, sh, RasterOp::SrcCopy);
        for (int x = 0; x < dw; ++x) ASSERT_EQ(px(mirrored, x, dh - 1), px(dst, dw - 1 - x, dh - 1));
    }
    // Source areas of over 2^26 weight units take the long division; the result stays exact.
    const Surface small = pattern(3, 3, 11);
    Surface dst(2, 2);
    dst.stretchMode = StretchMode::Halftone;
    stretchBlt(dst, 0, 0, 2, 2, small, 0, 0, 9001, 8003, RasterOp::SrcCopy);
    EXPECT_EQ(dst.image(), boxFilterReference(small.image(), 0, 0, 9001, 8003, 2, 2));
}

// Draw modes are numbered so that, with pen 0xCC over destination 0xAA, mode n leaves n - 1 in
// each nibble of every channel.
TEST(Surface, DrawModesFollowTheirTruthTables)
{
    for (int n = 1; n <= 16; ++n) {
        Surface s = filled(6, 3, 0xAAAAAA);
        s.drawMode = DrawMode(n);
        s.foreColour = 0xCCCCCC;
        s.drawLine(0, 1, 6, 1);
        EXPECT_EQ(px(s, 3, 1), uint32_t(n - 1) * 0x111111u) << "mode " << n;
        EXPECT_EQ(px(s, 3, 0), 0xAAAAAAu);
    }
}

TEST(Surface, HatchedFillsCoverTheirGridLinesOnly)
{
    struct Case {
        FillStyle style;
        int covered;  // of the 8 x 8 cell at the origin
        Point in, out;
    };
    const Case cases[] = {
        {FillStyle::HorizontalLine, 8, {3, 8}, {3, 7}},   {FillStyle::VerticalLine, 8, {8, 3}, {7, 3}},
        {FillStyle::UpwardDiagonal, 8, {0, 7}, {0, 0}},   {FillStyle::DownwardDiagonal, 8, {5, 5}, {5, 4}},
        {FillStyle::Cross, 15, {0, 5}, {1, 1}},           {FillStyle::DiagonalCross, 16, {1, 6}, {1, 2}},
        {FillStyle::Solid, 64, {4, 4}, {20, 20}},          {FillStyle::Transparent, 0, {99, 99}, {4, 4}},
    };
    const Point square[] = {{0, 0}, {16, 0}, {16, 16}, {0, 16}};
    const int32_t counts[] = {4};
    for (const Case& c : cases) {
        Surface s = filled(24, 24, 0);
        s.fillStyle = c.style;
        s.fillColour = 0xFFFFFF;
        s.drawStyle = DrawStyle::Transparent;  // the fill alone
        s.drawPolygons(square, counts, FillRule::EvenOdd);
        int covered = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) covered += px(s, x, y) != 0;
        EXPECT_EQ(covered, c.covered) << int(c.style);
        if (c.in.x < 24) {
            EXPECT_NE(px(s, c.in.x, c.in.y), 0u) << int(c.style);
        }
        EXPECT_EQ(px(s, c.out.x, c.out.y), 0u) << int(c.style);
    }
}

TEST(Surface, BrokenPenStylesRepeatAlongTheFigure)
{
    auto drawn = [](DrawStyle style, int width) {
        Surface s = filled(60, 5, 0);
        s.drawStyle = style;
        s.drawWidth = width;
        s.foreColour = 0xFFFFFF;
        s.drawLine(0, 2, 48, 2);
        std::string row;
        for (int x = 0; x < 48; ++x) row += px(s, x, 2) ? '#' : '.';
        return row;
    };
    EXPECT_EQ(drawn(DrawStyle::Dash, 1), std::string(18, '#') + std::string(6, '.') + std::string(18, '#') + std::string(6, '.'));
    EXPECT_EQ(drawn(DrawStyle::Dot, 1).substr(0, 12), "###...###...");
    EXPECT_EQ(drawn(DrawStyle::DashDot, 1).substr(0, 24), "#########......###......");
    EXPECT_EQ(drawn(DrawStyle::DashDotDot, 1).substr(0, 24), "#########...###...###...");
    EXPECT_EQ(drawn(DrawStyle::Dash, 3), std::string(48, '#')) << "wide pens draw solid";
    EXPECT_EQ(drawn(DrawStyle::Transparent, 1), std::string(48, '.'));
    EXPECT_EQ(drawn(DrawStyle::InsideSolid, 1), std::string(48, '#'));

    // The pattern runs on round a corner: after 10 pixels along the top, the right side has the
    // 8 remaining pixels of the dash, a gap of 6, then the next dash.
    Surface s = filled(30, 30, 0);
    s.drawStyle = DrawStyle::Dash;
    s.foreColour = 0xFFFFFF;
    s.drawRect(Rect{0, 0, 11, 25});
    std::string side;
    for (int y = 0; y < 25; ++y) side += px(s, 10, y) ? '#' : '.';
    EXPECT_EQ(side, std::string(8, '#') + std::string(6, '.') + std::string(11, '#'));
}
