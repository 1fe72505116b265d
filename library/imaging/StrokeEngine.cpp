#include "library/imaging/StrokeEngine.h"

#include "library/imaging/LineClip.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace pixol::strokes {

bool prepareSegment(int32_t bmX, int32_t bmY, int32_t sila, int32_t xz, int32_t yz, int32_t xk, int32_t yk,
                    Segment& s)
{
    imaging::ClippedLine c;
    if (!imaging::clipLineToRect(0, 0, bmX - 1, bmY - 1, xz, yz, xk, yk, c)) return false;
    s.x1 = c.x1, s.y1 = c.y1, s.x2 = c.x2, s.y2 = c.y2;
    s.h = sila / 2;
    const float dx = float(s.x2 - s.x1), dy = float(s.y2 - s.y1);
    s.length = salon::roundHalfEven(std::sqrt(dx * dx + dy * dy));
    s.angle = imaging::lineDirection(s.x1, s.y1, s.x2, s.y2);
    s.changed.left = std::max(0, std::min(s.x1, s.x2) - s.h - 1);
    s.changed.top = std::max(0, std::min(s.y1, s.y2) - s.h - 1);
    s.changed.right = std::min(bmX - 1, std::max(s.x1, s.x2) + s.h + 1) + 1;
    s.changed.bottom = std::min(bmY - 1, std::max(s.y1, s.y2) + s.h + 1) + 1;
    return true;
}

std::vector<uint8_t> crossProfile(int32_t h, int32_t sila, Profile shape, float opacity)
{
    if (sila < 2) shape = Profile::Hard;
    std::vector<uint8_t> byK(size_t(h) + 2, 255);  // index k = 1..h+1
    for (int32_t k = 1; k <= h + 1; ++k) {
        const float fk = float(k);
        float v = 1.0f;
        switch (shape) {
        case Profile::Hard: v = 1.0f; break;
        case Profile::Soft: v = fk * (1.0f / float(h)) + 0.05f / opacity; break;
        case Profile::Linear: v = fk * (1.0f / float(h)); break;
        case Profile::Quadratic: {
            const float q = fk / float(h + 1);
            v = q * q;
            break;
        }
        case Profile::Plateau: v = 2.0f * fk / float(h + 1); break;
        }
        byK[size_t(k)] = uint8_t(salon::roundHalfEven(std::min(1.0f, v) * 255.0f));
    }
    if (sila % 2 == 0) byK[1] = uint8_t(salon::roundHalfEven(float(byK[1]) / 2.0f));
    std::vector<uint8_t> rows(size_t(2 * h + 1));
    for (int32_t r = 0; r <= 2 * h; ++r) rows[size_t(r)] = byK[size_t(std::min(r, 2 * h - r) + 1)];
    return rows;
}

Mask brushMask(const std::vector<uint8_t>& profile, int32_t h, int32_t length, bool taper)
{
    Mask m;
    m.h = h;
    m.rows = 2 * h + 1;
    m.cols = length + 2 * h + 1;
    m.values.assign(size_t(m.rows) * size_t(m.cols), 0);
    for (int32_t r = 0; r < m.rows; ++r) {
        const float mr = float(profile[size_t(r)]);
        const float v = float(r - h);
        for (int32_t c = 0; c < m.cols; ++c) {
            const int32_t u = c - h;
            float value = 0.0f;
            if (u < 0 || (u > length && !taper)) {
                const float du = float(u < 0 ? u : u - length);
                const float e = std::sqrt(du * du + v * v) - float(h);
                const float mc = float(profile[size_t(u < 0 ? u + h : length + h - u)]);
                if (e < -1.0f) value = mr * mc / 255.0f;
                else if (e < 0.0f) value = mr * -e * mc / 255.0f;
            } else if (u <= length) {
                value = taper ? mr - float(u) / float(h + length) * 230.0f : mr;
            }
            m.values[size_t(r) * size_t(m.cols) + size_t(c)] = salon::toByte(value);
        }
    }
    return m;
}

void fitCoverage(salon::ByteArray& pole, int32_t bmX, int32_t bmY)
{
    if (pole.rank == 2 && pole.lower[0] == 0 && pole.lower[1] == 0 && pole.count[0] == bmX && pole.count[1] == bmY)
        return;
    pole.redim(0, bmX - 1, 0, bmY - 1);
}

} // namespace pixol::strokes
