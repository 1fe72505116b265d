#include "library/imaging/Traces.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace pixol::traces {

namespace {

constexpr int32_t Radius = 256, Opacity = 257, Hard = 258, Ready = 259;

bool isTable(const salon::LongArray& t) { return t.lower == 0 && t.size() == 260; }

void defaults(salon::LongArray& t)
{
    t.redim(0, 259);
    for (int v = 0; v < 256; ++v) t(v) = -1;
    t(Radius) = 8;
    t(Opacity) = 100;
    t(Hard) = 1;
    t(Ready) = 1;
}

bool usable(const salon::LongArray& t)
{
    return isTable(t) && t(Radius) >= 1 && t(Radius) <= 64 && t(Opacity) >= 1 && t(Opacity) <= 100 &&
           (t(Hard) == 0 || t(Hard) == 1);
}

uint32_t ramp(uint32_t a, uint32_t b, float t)
{
    auto ch = [&](uint8_t x, uint8_t y) { return salon::toByte(float(x) * (1.0f - t) + float(y) * t); };
    return salon::packRgb(ch(salon::redOf(a), salon::redOf(b)), ch(salon::greenOf(a), salon::greenOf(b)),
                          ch(salon::blueOf(a), salon::blueOf(b)));
}

// Paints one pixel of the trace with weight a (0..1).
void tracePixel(salon::Bitmap& dst, const salon::Bitmap& src, int32_t x, int32_t y, float a,
                const salon::LongArray& t, bool copySource)
{
    const uint8_t* s = src.row(y) + 3 * x;
    uint8_t* d = dst.row(y) + 3 * x;
    const int32_t v = s[0] / 3 + s[1] / 3 + s[2] / 3;
    const int32_t entry = copySource ? -1 : t(v);
    uint8_t c[3] = {s[0], s[1], s[2]};
    if (entry >= 0) {
        const uint32_t e = uint32_t(entry);
        c[0] = salon::blueOf(e), c[1] = salon::greenOf(e), c[2] = salon::redOf(e);
    }
    for (int ch = 0; ch < 3; ++ch) d[ch] = salon::toByte(float(d[ch]) * (1.0f - a) + float(c[ch]) * a);
}

// Every pixel within the radius of the segment a-b (a point when a = b), on both pictures.
void paintBand(salon::Surface& dst, const salon::Surface& src, float ax, float ay, float bx, float by,
               const salon::LongArray& t, bool copySource)
{
    salon::Bitmap& d = dst.image();
    const salon::Bitmap& s = src.image();
    const int32_t w = std::min(d.width, s.width), h = std::min(d.height, s.height);
    const float r = float(t(Radius)), opacity = float(t(Opacity)) / 100.0f;
    const bool hard = t(Hard) == 1;
    const float vx = bx - ax, vy = by - ay, len2 = vx * vx + vy * vy;
    const int32_t x0 = std::max(0, int32_t(std::floor(std::min(ax, bx) - r)));
    const int32_t x1 = std::min(w - 1, int32_t(std::ceil(std::max(ax, bx) + r)));
    const int32_t y0 = std::max(0, int32_t(std::floor(std::min(ay, by) - r)));
    const int32_t y1 = std::min(h - 1, int32_t(std::ceil(std::max(ay, by) + r)));
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x) {
            float px = float(x) - ax, py = float(y) - ay;
            if (len2 > 0.0f) {
                const float u = std::clamp((px * vx + py * vy) / len2, 0.0f, 1.0f);
                px -= u * vx;
                py -= u * vy;
            }
            const float dist = std::sqrt(px * px + py * py);
            if (dist > r) continue;
            const float a = hard ? opacity : opacity * (1.0f - dist / (r + 1.0f));
            tracePixel(d, s, x, y, a, t, copySource);
        }
}

bool onPicture(const salon::Surface& dst, const salon::Surface& src, float x, float y)
{
    const int32_t w = std::min(dst.image().width, src.image().width);
    const int32_t h = std::min(dst.image().height, src.image().height);
    return std::isfinite(x) && std::isfinite(y) && x >= 0.0f && y >= 0.0f && x < float(w) && y < float(h);
}

} // namespace

int32_t setColours(int32_t typ, int32_t newColour, salon::LongArray& stpD)
{
    if (typ < 0 || typ > 7) return 0;
    const bool colourKind = typ >= 1 && typ <= 4;
    if (colourKind && (newColour < 0 || newColour > 0xFFFFFF)) return 0;
    if (typ == 5 && (newColour < 1 || newColour > 64)) return 0;
    if (typ == 6 && (newColour < 1 || newColour > 100)) return 0;
    if (typ == 7 && newColour != 0 && newColour != 1) return 0;
    if (typ == 0 || !usable(stpD)) defaults(stpD);
    const uint32_t c = uint32_t(newColour);
    for (int v = 0; v < 256 && colourKind; ++v) {
        const float t = float(v) / 255.0f;
        switch (typ) {
        case 1: stpD(v) = int32_t(ramp(0, c, t)); break;
        case 2: stpD(v) = int32_t(ramp(c, 0xFFFFFF, t)); break;
        case 3: stpD(v) = newColour; break;
        default:
            stpD(v) = int32_t(v < 128 ? ramp(0, c, float(v) / 127.0f) : ramp(c, 0xFFFFFF, float(v - 128) / 127.0f));
        }
    }
    if (typ == 5) stpD(Radius) = newColour;
    if (typ == 6) stpD(Opacity) = newColour;
    if (typ == 7) stpD(Hard) = newColour;
    return 1;
}

int32_t paintStatic(salon::Surface& dst, const salon::Surface& src, const Mouse& m, const salon::LongArray& stpD)
{
    if (!usable(stpD) || m.stat < 1 || m.stat > 3) return 0;
    if (m.stat == 3 || (m.stat == 2 && !(m.button & 3))) return 0;
    if (!onPicture(dst, src, m.mx, m.my)) return 0;
    const float x = float(salon::fix(m.mx)), y = float(salon::fix(m.my));
    paintBand(dst, src, x, y, x, y, stpD, m.shift & 1);
    return 1;
}

int32_t paintDynamic(salon::Surface& dst, const salon::Surface& src, const Mouse& m, salon::LongArray& axy,
                     int32_t& pocet, const salon::LongArray& stpD)
{
    if (!usable(stpD) || m.stat < 1 || m.stat > 3) return 0;
    if (!onPicture(dst, src, m.mx, m.my)) return 0;
    const int32_t x = salon::fix(m.mx), y = salon::fix(m.my);
    auto push = [&] {
        if (axy.lower != 1 || axy.size() < 2 * (pocet + 1)) {
            salon::LongArray grown;
            grown.redim(1, 2 * (pocet + 1) + 32);
            for (int32_t i = 1; i <= 2 * pocet && axy.has(i); ++i) grown(i) = axy(i);
            axy = std::move(grown);
        }
        ++pocet;
        axy(2 * pocet - 1) = x;
        axy(2 * pocet) = y;
    };
    if (m.stat == 1) {
        pocet = 0;
        push();
        paintBand(dst, src, float(x), float(y), float(x), float(y), stpD, m.shift & 1);
        return 1;
    }
    if (pocet < 1 || !axy.has(2 * pocet) || (m.stat == 2 && !(m.button & 3))) return 0;
    const float lx = float(axy(2 * pocet - 1)), ly = float(axy(2 * pocet));
    if (lx == float(x) && ly == float(y)) return 0;
    // The disc at a joint belongs to both segments' bands: below full opacity it comes out a little
    // stronger, as a pen's trace does where the hand turns.
    paintBand(dst, src, lx, ly, float(x), float(y), stpD, m.shift & 1);
    push();
    return 1;
}

} // namespace pixol::traces
