// What the fuzzing and the speed work changed must give the very same pixels as the plain
// formulas: clipped scan conversion and pen lines (points far away cost nothing), the single-
// instruction channel rounding, and the vector form of the rotation. Each is compared with a
// straightforward reference over many seeded cases.
#include "editor/engine/Engine.h"
#include "editor/engine/FaceTransform.h"
#include "platform/Numbers.h"
#include "platform/Region.h"
#include "platform/Surface.h"
#include "platform/Ui.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

using namespace salon;

namespace {

TEST(ClippedScan, IsThePolygonSetSeenThroughTheClip)
{
    std::mt19937 rng(11);
    auto coord = [&](int range) { return int32_t(int(rng() % uint32_t(2 * range + 1)) - range); };
    for (int round = 0; round < 400; ++round) {
        std::vector<Point> points;
        std::vector<int32_t> counts;
        const int polygons = 1 + int(rng() % 3);
        for (int p = 0; p < polygons; ++p) {
            const int n = 3 + int(rng() % 9);
            for (int i = 0; i < n; ++i) points.push_back(Point{coord(300), coord(300)});
            counts.push_back(n);
        }
        const int32_t l = coord(200), t = coord(200);
        const Rect clip{l, t, l + int32_t(rng() % 250), t + int32_t(rng() % 250)};
        for (FillRule rule : {FillRule::EvenOdd, FillRule::Winding}) {
            const Region whole = Region::polygons(points, counts, rule);
            const Region seen = Region::polygons(points, counts, rule, clip);
            ASSERT_TRUE(seen.isValid());
            EXPECT_EQ(seen, whole.intersected(Region::rect(clip))) << "round " << round;
        }
    }
}

TEST(ClippedScan, PointsNearTheIntegerLimitsCostOnlyTheClip)
{
    const int32_t far = std::numeric_limits<int32_t>::max() - 1, near = std::numeric_limits<int32_t>::min() + 1;
    const std::vector<Point> points{{near, near}, {far, near + 7}, {far - 3, far}, {near + 5, far - 9}};
    const int32_t count = 4;
    const Region r = Region::polygons(points, std::span<const int32_t>(&count, 1), FillRule::EvenOdd, Rect{0, 0, 64, 48});
    // Every pixel of the clip lies deep inside this quadrilateral.
    EXPECT_EQ(r, Region::rect(0, 0, 64, 48));
}

// The classic Bresenham walk, end point left out: the pixels a 1-pixel pen draws.
std::vector<Point> walkedLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    std::vector<Point> out;
    int64_t dx = std::llabs(int64_t(x2) - x1), dy = std::llabs(int64_t(y2) - y1);
    int64_t sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1, err = dx - dy;
    int64_t x = x1, y = y1;
    while (x != x2 || y != y2) {
        out.push_back(Point{int32_t(x), int32_t(y)});
        const int64_t e2 = 2 * err;
        if (e2 > -dy) err -= dy, x += sx;
        if (e2 < dx) err += dx, y += sy;
    }
    return out;
}

TEST(PenLines, ReachingFarOutsideDrawTheSamePixelsAsTheWholeWalk)
{
    std::mt19937 rng(5);
    auto coord = [&](int range) { return int32_t(int(rng() % uint32_t(2 * range + 1)) - range); };
    for (int round = 0; round < 300; ++round) {
        Surface s(64, 48);
        const int range = round % 3 == 0 ? 40 : round % 3 == 1 ? 400 : 4000;
        const int32_t x1 = coord(range), y1 = coord(range), x2 = coord(range), y2 = coord(range);
        s.drawLine(x1, y1, x2, y2);
        std::vector<bool> expected(64 * 48, false);
        for (const Point& p : walkedLine(x1, y1, x2, y2))
            if (p.x >= 0 && p.x < 64 && p.y >= 0 && p.y < 48) expected[size_t(p.y * 64 + p.x)] = true;
        for (int32_t y = 0; y < 48; ++y)
            for (int32_t x = 0; x < 64; ++x)
                ASSERT_EQ(s.image().pixel(x, y) == 0, expected[size_t(y * 64 + x)])
                    << "line (" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ") at " << x << "," << y;
    }
}

TEST(PenLines, AScribbleOfThousandsOfSegmentsDrawsTheWalkedPixels)
{
    // So many segments over a small surface that the pen marks its pixels in a mask instead of
    // listing every dot: the pixels must be those of the walks all the same.
    std::mt19937 rng(17);
    for (int32_t width : {1, 3}) {
        std::vector<Point> points;
        for (int i = 0; i < 4000; ++i)
            points.push_back(Point{int32_t(rng() % 161) - 50, int32_t(rng() % 141) - 45});
        const int32_t count = int32_t(points.size());
        Surface s(64, 48);
        s.fillStyle = FillStyle::Transparent;
        s.drawWidth = width;
        s.drawPolygons(points, std::span<const int32_t>(&count, 1), FillRule::EvenOdd);
        std::vector<bool> expected(64 * 48, false);
        auto dot = [&](int32_t x, int32_t y) {
            for (int32_t dy = 0; dy < width; ++dy)
                for (int32_t dx = 0; dx < width; ++dx) {
                    const int32_t px = x - (width - 1) / 2 + dx, py = y - (width - 1) / 2 + dy;
                    if (px >= 0 && px < 64 && py >= 0 && py < 48) expected[size_t(py * 64 + px)] = true;
                }
        };
        for (size_t i = 0; i < points.size(); ++i) {
            const Point p = points[i], q = points[(i + 1) % points.size()];
            if (p == q) dot(p.x, p.y);
            for (const Point& w : walkedLine(p.x, p.y, q.x, q.y)) dot(w.x, w.y);
        }
        for (int32_t y = 0; y < 48; ++y)
            for (int32_t x = 0; x < 64; ++x)
                ASSERT_EQ(s.image().pixel(x, y) == 0, expected[size_t(y * 64 + x)]) << "pen " << width << " at " << x << "," << y;
    }
}

uint8_t referenceToByte(float v)
{
    const float r = std::nearbyintf(v);
    if (!(r >= 0.0f)) return 0;
    if (r > 255.0f) return 255;
    return uint8_t(r);
}

TEST(ChannelRounding, MatchesNearbyintWithClampingEverywhere)
{
    const float specials[] = {-0.5f, 0.5f, 1.5f, 2.5f, 254.5f, 255.49998f, 255.5f, 256.5f, 1e30f, -1e30f,
                              std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN(), -0.0f};
    for (float v : specials) EXPECT_EQ(toByte(v), referenceToByte(v)) << v;
    // A dense walk over the bit patterns of [-2, 300], ties included.
    for (float v = -2.0f; v < 300.0f; v = std::nextafter(v, 1000.0f) + (v > 1.0f ? v * 1e-6f : 1e-5f))
        ASSERT_EQ(toByte(v), referenceToByte(v)) << v;
    for (int i = 0; i <= 600; ++i) ASSERT_EQ(toByte(float(i) / 2.0f - 10.0f), referenceToByte(float(i) / 2.0f - 10.0f));
}

// The rotation as the formula reads, one channel at a time.
PixelBuffer referenceRotation(const PixelBuffer& source, float angle)
{
    PixelBuffer out = PixelBuffer::allocate(source.Width, source.Height);
    out.Valid = source.Valid;
    const int32_t W = source.Width, H = source.Height;
    const float theta = angle * 3.141529f / 180.0f;
    const float s = std::sin(theta), c = std::cos(theta);
    const float cx = float(W + 1) / 2.0f, cy = cx;
    const float X0 = float(std::lrintf(cx * c + cy * s)), Y0 = float(std::lrintf(cy * c - cx * s));
    for (int32_t y = 1; y <= H; ++y)
        for (int32_t x = 1; x <= W; ++x) {
            const float xs = c * float(x) + s * float(y) + cx - X0;
            const float ys = -s * float(x) + c * float(y) + cy - Y0;
            const int32_t ix = int32_t(std::trunc(xs)), iy = int32_t(std::trunc(ys));
            if (!(ix > 0 && iy > 0 && ix + 1 <= W && iy + 1 <= H)) continue;
            const float fx = xs - float(ix), fy = ys - float(iy);
            const float a = (1.0f - fx) * 0.996f, b = (1.0f - fy) * 0.996f;
            for (int k = 0; k < 3; ++k) {
                const float v = float(source.pixel(ix - 1, iy - 1)[k]) * a * b + float(source.pixel(ix, iy - 1)[k]) * fx * b +
                                float(source.pixel(ix - 1, iy)[k]) * a * fy + float(source.pixel(ix, iy)[k]) * fx * fy;
                out.pixel(x - 1, y - 1)[k] = referenceToByte(v);
            }
        }
    return out;
}

TEST(Rotation, GivesTheFormulasBytesForEveryAngleAndRowPadding)
{
    std::mt19937 rng(3);
    // Widths 4 and 8 have no row padding, so the last pixel of the buffer is the last byte.
    const int32_t sizes[][2] = {{4, 4}, {8, 5}, {31, 40}, {36, 48}, {97, 61}};
    const float angles[] = {0.0f, 0.7f, 17.0f, 45.0f, 90.0f, 133.3f, 180.0f, 271.9f, 359.6f};
    for (auto [w, h] : sizes) {
        PixelBuffer source = PixelBuffer::allocate(w, h);
        source.Valid = true;
        for (uint8_t& v : source.Data) v = uint8_t(rng());
        // Saturated corners check the clamping paths too.
        std::memset(source.pixel(0, 0), 255, 3);
        std::memset(source.pixel(w - 1, h - 1), 255, 3);
        for (float angle : angles) {
            const PixelBuffer got = RotatedPixels(source, angle), want = referenceRotation(source, angle);
            for (int32_t y = 0; y < h; ++y)
                ASSERT_EQ(0, std::memcmp(got.pixel(0, y), want.pixel(0, y), size_t(3 * w)))
                    << w << "x" << h << " at " << angle << " deg, row " << y;
        }
    }
}

TEST(Mirror, EveryPixelChangesSidesAndThePictureKeepsTheResult)
{
    std::mt19937 rng(9);
    for (int32_t w : {30, 31, 32, 33, 361}) {
        ScriptedUi ui;
        Engine engine(ui);
        engine.PhotoW = w;
        engine.PhotoH = 30;
        Surface& s = engine.Surfaces[WorkingPhoto];
        s.setSize(w, 30);
        for (uint8_t& v : s.image().pixels) v = uint8_t(rng());
        const Bitmap before = s.image();
        engine.MirrorPhoto();
        for (int32_t y = 0; y < 30; ++y)
            for (int32_t x = 0; x < w; ++x)
                ASSERT_EQ(s.image().pixel(x, y), before.pixel(w - 1 - x, y)) << w << " wide, at " << x << "," << y;
        ASSERT_TRUE(s.picture().has_value());
        EXPECT_EQ(*s.picture(), s.image());
    }
}

} // namespace
