#include "library/imaging/BrushStrokes.h"

#include "library/imaging/StrokeEngine.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <array>

namespace pixol::strokes {

using salon::toByte;

namespace {

void report(StrokeBox box, const salon::Rect& r)
{
    box.left = r.left;
    box.top = r.top;
    box.width = r.width();
    box.height = r.height();
}

// The incremental weight: painting to c and later to n ends as painting once to n.
inline float incremental(uint8_t n, uint8_t c, float p)
{
    return std::min(1.0f, float(n - c) * p / (255.0f - p * float(c)));
}

inline void cover(uint8_t* b, const std::array<float, 3>& colour, float w)
{
    for (int ch = 0; ch < 3; ++ch) b[ch] = toByte(float(b[ch]) * (1.0f - w) * 0.996f + w * colour[size_t(ch)]);
}

bool sizesOk(const salon::Surface& s, int32_t bmX, int32_t bmY)
{
    return bmX > 9 && bmY > 9 && s.image().width >= bmX && s.image().height >= bmY && s.image().bitsPerPixel == 24;
}

} // namespace

int32_t malBod(salon::Surface& obj, int32_t bmX, int32_t bmY, salon::ByteArray& pole, int32_t typ, int32_t sila,
               float pruhl, int32_t barva, int32_t xz, int32_t yz, int32_t xk, int32_t yk, StrokeBox box,
               float rozptyl, std::mt19937& random)
{
    if (!sizesOk(obj, bmX, bmY) || sila < 1 || sila > 300 || typ < 1 || typ > 15 || barva < 0 ||
        barva > 0xFFFFFF || !(pruhl >= 0.01f && pruhl <= 1.0f))
        return 0;
    Segment s;
    if (!prepareSegment(bmX, bmY, sila, xz, yz, xk, yk, s)) return 0;
    if (typ == 11 && s.length <= 1) return 0;

    const bool hard = typ == 1 || typ == 5 || typ == 7 || typ == 9;
    const Profile shape = hard ? Profile::Hard : (typ == 3 || typ == 4) ? Profile::Linear : Profile::Soft;
    float p = pruhl;
    if (typ == 3 || typ == 4) p = pruhl / 2.0f;
    else if (typ == 11) p = pruhl / 2.5f + 0.59f;
    else if (typ >= 12) p = pruhl / 5.0f;
    // The soft profile's offset follows the opacity as given, not the adjusted one.
    const Mask mask = brushMask(crossProfile(s.h, sila, shape, pruhl), s.h, s.length, typ >= 11);
    fitCoverage(pole, bmX, bmY);
    report(box, s.changed);

    const uint32_t col = uint32_t(barva);
    const std::array<float, 3> colour = {float(salon::blueOf(col)), float(salon::greenOf(col)),
                                         float(salon::redOf(col))};
    const float spread = rozptyl + 0.5f, noise = rozptyl * 200.0f * p;
    salon::Bitmap& image = obj.image();
    placeMask(s, mask, pole, [&](int32_t x, int32_t y, uint8_t n, uint8_t c) {
        uint8_t* b = image.row(y) + 3 * x;
        const float lift = float(n - c) * p;
        switch (typ) {
        case 1: case 2: case 11: case 12:
            cover(b, colour, incremental(n, c, p));
            break;
        case 3: case 13:
            for (int ch = 0; ch < 3; ++ch) b[ch] = toByte(float(b[ch]) + lift);
            break;
        case 4: case 14:
            for (int ch = 0; ch < 3; ++ch) b[ch] = toByte(float(b[ch]) - lift);
            break;
        case 5: case 6: case 15: {
            const float w = std::min(1.0f, std::max(0.0f, 1.0f - unit(random) * spread) * float(n - c) * p /
                                               (255.0f - p * float(c)));
            cover(b, colour, w);
            break;
        }
        default: {  // 7-10
            const float w = std::min(1.0f, float(n - c) / (255.0f - float(c)));
            const float shared = unit(random);
            for (int ch = 0; ch < 3; ++ch) {
                const float r = typ <= 8 ? unit(random) : shared;
                b[ch] = toByte(float(b[ch]) + (0.5f - r) * noise * w);
            }
            break;
        }
        }
        return true;
    });
    return 1;
}

int32_t razitko(salon::Surface& target, const salon::Surface& source, int32_t bmX, int32_t bmY, int32_t bmX1,
                int32_t bmY1, salon::ByteArray& pole, int32_t typ, int32_t sila, float pruhl, int32_t dX, int32_t dY,
                int32_t xz, int32_t yz, int32_t xk, int32_t yk, StrokeBox box, float rozptyl,
                std::mt19937& random)
{
    if (!sizesOk(target, bmX, bmY) || !sizesOk(source, bmX1, bmY1) || sila < 1 || sila > 300 || typ < 1 ||
        typ > 18 || !(pruhl >= 0.01f && pruhl <= 1.0f))
        return 0;
    Segment s;
    if (!prepareSegment(bmX, bmY, sila, xz, yz, xk, yk, s)) return 0;

    Profile shape = Profile::Soft;
    switch (typ) {
    case 1: case 3: case 5: case 10: case 12: case 14: shape = Profile::Hard; break;
    case 7: case 16: shape = Profile::Linear; break;
    case 8: case 17: shape = Profile::Quadratic; break;
    case 9: case 18: shape = Profile::Plateau; break;
    default: break;
    }
    const bool taper = typ >= 14;
    const Mask mask = brushMask(crossProfile(s.h, sila, shape, pruhl), s.h, s.length, taper);
    fitCoverage(pole, bmX, bmY);
    report(box, s.changed);

    // The source block under the changed rectangle, copied first: the target may be the source.
    const salon::Rect& r = s.changed;
    const int32_t sw = r.width(), sh = r.height();
    std::vector<uint8_t> src(size_t(sw) * size_t(sh) * 3);
    std::vector<uint8_t> has(size_t(sw) * size_t(sh), 0);
    const salon::Bitmap& srcImage = source.image();
    for (int32_t y = 0; y < sh; ++y) {
        const int32_t sy = r.top + y + dY;
        if (sy < 0 || sy >= bmY1) continue;
        for (int32_t x = 0; x < sw; ++x) {
            const int32_t sx = r.left + x + dX;
            if (sx < 0 || sx >= bmX1) continue;
            const uint8_t* p = srcImage.row(sy) + 3 * sx;
            std::copy(p, p + 3, src.begin() + (size_t(y) * size_t(sw) + size_t(x)) * 3);
            has[size_t(y) * size_t(sw) + size_t(x)] = 1;
        }
    }

    const float p = pruhl, spread = rozptyl + 0.5f;
    salon::Bitmap& image = target.image();
    placeMask(s, mask, pole, [&](int32_t x, int32_t y, uint8_t n, uint8_t c) {
        const size_t i = size_t(y - r.top) * size_t(sw) + size_t(x - r.left);
        if (!has[i]) return false;
        const uint8_t* sp = &src[i * 3];
        std::array<float, 3> colour = {float(sp[0]), float(sp[1]), float(sp[2])};
        uint8_t* b = image.row(y) + 3 * x;
        float w = incremental(n, c, p);
        if (typ == 10 || typ == 11) w *= std::max(0.0f, 1.0f - unit(random) * spread);
        if (typ == 12 || typ == 13) {
            const float ms = (colour[0] + colour[1] + colour[2]) / 3.0f;
            const float mb = float(b[0] + b[1] + b[2]) / 3.0f;
            for (float& ch : colour) ch = std::clamp(ch - ms + mb, 0.0f, 255.0f);
        }
        const std::array<uint8_t, 3> before = {b[0], b[1], b[2]};
        cover(b, colour, w);
        for (int ch = 0; ch < 3; ++ch) {
            if (typ == 3 || typ == 4) b[ch] = std::max(b[ch], before[size_t(ch)]);
            if (typ == 5 || typ == 6) b[ch] = std::min(b[ch], before[size_t(ch)]);
        }
        return true;
    });
    return 1;
}

} // namespace pixol::strokes
