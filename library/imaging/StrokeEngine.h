#pragma once
// The stroke engine: one segment of a brush stroke as a brush mask laid along the segment, painted
// through a coverage array.
//
// A segment is clipped to the picture (ends rounded half to even), h = width \ 2 and the band is
// 2h + 1 pixels across. The cross profile m(k), k = 1..h+1 from the edge to the centre, is mirrored
// to the other side; an even width halves the outermost value on each side (the band is then one
// pixel wider than asked, the halved rim makes up for it). The mask has one row per profile
// position and one column per pixel along the stroke, u = -h .. L + h (u = 0 the start, L the
// rounded length): the straight part carries m(row); the caps are discs of radius h whose values
// are m(row) m(column) / 255 inside and fade with the distance e = d - h over the last pixel
// (-1 <= e < 0), an anti-aliased rim. Tapering kinds have only the start cap, and along the stroke
// m(row) - u / (h + L) x 230.
//
// Placing: every pixel of the changed rectangle (the segment's box grown by h + 1, on the picture)
// is turned back by the segment's angle about its start and reads the nearest mask pixel n. It is
// painted when n > 2 and n is above the coverage c already there; then the coverage becomes n.
// The paint rules use the incremental weight (n - c) p / (255 - p c), so a pixel painted first to c
// and later to n ends as if painted once to n - which is why the joints of a chain of segments
// sharing one coverage array show no seams.
#include "platform/BoundedArray.h"
#include "platform/Geometry.h"

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace pixol::strokes {

enum class Profile {
    Hard,       // 255 across the band
    Soft,       // k / h + 0.05 / opacity, at most 1: a soft rim, narrower for opaque strokes
    Linear,     // k / h: soft from the very edge
    Quadratic,  // (k / (h + 1))^2: a smooth airbrush falloff
    Plateau,    // 2 k / (h + 1): a flat middle with a soft rim half as wide
};

struct Segment {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // clipped ends
    int32_t h = 0;                           // half width
    int32_t length = 0;                      // nint(distance of the ends)
    float angle = 0;                         // radians, y down
    salon::Rect changed;                     // on the picture, right / bottom exclusive
};

// False when the segment misses the picture (0..W-1 x 0..H-1).
bool prepareSegment(int32_t bmX, int32_t bmY, int32_t sila, int32_t xz, int32_t yz, int32_t xk, int32_t yk,
                    Segment& s);

// Profile values by row 0..2h (row h the centre).
std::vector<uint8_t> crossProfile(int32_t h, int32_t sila, Profile shape, float opacity);

// The brush mask, rows 2h + 1, columns L + 2h + 1 (row-major).
struct Mask {
    int32_t rows = 0, cols = 0, h = 0;
    std::vector<uint8_t> values;
    uint8_t at(int32_t row, int32_t col) const { return values[size_t(row) * size_t(cols) + size_t(col)]; }
};
Mask brushMask(const std::vector<uint8_t>& profile, int32_t h, int32_t length, bool taper);

// A coverage array of W x H (x, y from 0); anything else is redimensioned, which clears it.
void fitCoverage(salon::ByteArray& pole, int32_t bmX, int32_t bmY);

// Visits the pixels to paint: paint(x, y, n, c) returns whether it painted (the coverage is then
// raised to n). Pixels are visited row by row over the changed rectangle.
template <class Paint>
void placeMask(const Segment& s, const Mask& m, salon::ByteArray& coverage, Paint&& paint)
{
    const float ca = std::cos(s.angle), sa = std::sin(s.angle);
    const int32_t covStride = coverage.count[0];
    uint8_t* cov = coverage.values.data();
    for (int32_t y = s.changed.top; y < s.changed.bottom; ++y) {
        const float dy = float(y - s.y1);
        for (int32_t x = s.changed.left; x < s.changed.right; ++x) {
            const float dx = float(x - s.x1);
            const int32_t col = int32_t(std::lrintf(dx * ca + dy * sa)) + m.h;
            const int32_t row = int32_t(std::lrintf(dy * ca - dx * sa)) + m.h;
            if (col < 0 || row < 0 || col >= m.cols || row >= m.rows) continue;
            const uint8_t n = m.at(row, col);
            if (n <= 2) continue;
            uint8_t& c = cov[size_t(y) * size_t(covStride) + size_t(x)];
            if (n <= c) continue;
            if (paint(x, y, n, c)) c = n;
        }
    }
}

// A random number in [0, 1) from the library's generator (24 bits, the same on every platform).
inline float unit(std::mt19937& g) { return float(g() >> 8) * (1.0f / 16777216.0f); }

} // namespace pixol::strokes
