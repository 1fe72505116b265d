// pikvalt_art: draws the twelve pictures that Pikvalt serves and writes them as BMP files named
// pikvalt-<id>.bmp into the directory given on the command line.
//
//   10-15  440 x 480, 8 bits: the right-hand waiting animation - a salon chair with a client whose
//          hair is being cut; scissors snip their way around the head, a comb works the other side,
//          clippings fall.
//   16-17  440 x 480, 8 bits: the left-hand waiting image, alternating every three seconds - an empty
//          portrait frame and a camera that flashes.
//   18     208 x 250, 8 bits: the salon's emblem.
//   19-21  1870 x 176 (21: 1650 x 176), 24 bits: the swatch banks, one lock of hair per 110-pixel
//          cell in the swatch colour, lit and shaded like hair.
//
// The editor lays these out by their sizes, so sizes and depths are fixed. Every run draws the same
// pixels: the randomness of the strands comes from a fixed-seed generator, and nothing depends on
// fonts or on a display.
#include "resbitmaps/SwatchColours.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;

// A small deterministic generator: the same strands on every machine and library version.
class Random {
public:
    explicit Random(uint32_t seed) : m_state(seed ? seed : 0x9E3779B9u) {}
    uint32_t next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    double uniform() { return double(next() >> 8) / double(1u << 24); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    uint32_t m_state;
};

QColor scaled(const QColor& c, double f, double add = 0.0)
{
    auto ch = [&](int v) { return std::clamp(int(std::lround(v * f + add)), 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()), c.alpha());
}

// ---------------------------------------------------------------------------------------------
// BMP files: 40-byte header, bottom-up rows. Four zero bytes follow the pixels, as in the
// resources the editor was built against, so each file is its resource plus the 14-byte file header.

void put16(std::vector<uint8_t>& b, uint32_t v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& b, uint32_t v)
{
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

std::vector<uint8_t> bmpHeader(int w, int h, int bits, uint32_t paletteBytes, uint32_t imageBytes)
{
    std::vector<uint8_t> b;
    const uint32_t offset = 14 + 40 + paletteBytes;
    b.push_back('B');
    b.push_back('M');
    put32(b, offset + imageBytes + 4);
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, uint32_t(w));
    put32(b, uint32_t(h));
    put16(b, 1);
    put16(b, uint16_t(bits));
    put32(b, 0);  // BI_RGB
    put32(b, imageBytes);
    put32(b, 3780);  // 96 dpi
    put32(b, 3780);
    put32(b, bits == 8 ? 256 : 0);
    put32(b, 0);
    return b;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

bool writeBmp24(const std::string& path, const QImage& src)
{
    const QImage img = src.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const uint32_t row = uint32_t((w * 3 + 3) / 4 * 4);
    std::vector<uint8_t> b = bmpHeader(w, h, 24, 0, row * uint32_t(h));
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            b.push_back(uint8_t(qBlue(line[x])));
            b.push_back(uint8_t(qGreen(line[x])));
            b.push_back(uint8_t(qRed(line[x])));
        }
        for (uint32_t p = uint32_t(w) * 3; p < row; ++p) b.push_back(0);
    }
    put32(b, 0);
    return writeFile(path, b);
}

// 256 colours by median cut over the picture's own colours, weighted by how often each occurs;
// every pixel then takes its nearest palette colour. No dithering: the art is smooth shapes and
// gradients, which a fitted palette of 256 reproduces without visible bands.
struct Palette {
    std::vector<QRgb> colours;
    std::vector<uint8_t> indices;
};

Palette quantise(const QImage& src)
{
    const QImage img = src.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    std::unordered_map<uint32_t, uint32_t> counts;
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) ++counts[line[x] & 0xFFFFFFu];
    }
    struct Entry {
        uint32_t colour, count;
    };
    std::vector<Entry> entries;
    entries.reserve(counts.size());
    for (auto [c, n] : counts) entries.push_back({c, n});
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.colour < b.colour; });

    struct Box {
        size_t begin, end;
    };
    auto channel = [](uint32_t c, int k) { return int((c >> (16 - 8 * k)) & 255); };
    auto spread = [&](const Box& box, int& axis) {
        int best = -1;
        for (int k = 0; k < 3; ++k) {
            int lo = 255, hi = 0;
            for (size_t i = box.begin; i < box.end; ++i) {
                lo = std::min(lo, channel(entries[i].colour, k));
                hi = std::max(hi, channel(entries[i].colour, k));
            }
            if (hi - lo > best) {
                best = hi - lo;
                axis = k;
            }
        }
        return best;
    };
    std::vector<Box> boxes{{0, entries.size()}};
    while (boxes.size() < 256) {
        // Split the box whose colours lie furthest apart, weighted by how many pixels it holds.
        size_t pick = boxes.size();
        double pickScore = 0;
        int pickAxis = 0;
        for (size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].end - boxes[b].begin < 2) continue;
            int axis = 0;
            const int s = spread(boxes[b], axis);
            uint64_t n = 0;
            for (size_t i = boxes[b].begin; i < boxes[b].end; ++i) n += entries[i].count;
            const double score = double(s) * std::sqrt(double(n));
            if (s > 0 && score > pickScore) {
                pickScore = score;
                pick = b;
                pickAxis = axis;
            }
        }
        if (pick == boxes.size()) break;
        Box box = boxes[pick];
        std::sort(entries.begin() + long(box.begin), entries.begin() + long(box.end),
                  [&](const Entry& a, const Entry& b) { return channel(a.colour, pickAxis) < channel(b.colour, pickAxis); });
        uint64_t total = 0, half = 0;
        for (size_t i = box.begin; i < box.end; ++i) total += entries[i].count;
        size_t cut = box.begin + 1;
        for (size_t i = box.begin; i < box.end - 1; ++i) {
            half += entries[i].count;
            cut = i + 1;
            if (half * 2 >= total) break;
        }
        boxes[pick] = {box.begin, cut};
        boxes.push_back({cut, box.end});
    }

    Palette pal;
    std::unordered_map<uint32_t, uint8_t> lookup;
    for (size_t b = 0; b < boxes.size(); ++b) {
        double r = 0, g = 0, bl = 0, n = 0;
        for (size_t i = boxes[b].begin; i < boxes[b].end; ++i) {
            r += channel(entries[i].colour, 0) * double(entries[i].count);
            g += channel(entries[i].colour, 1) * double(entries[i].count);
            bl += channel(entries[i].colour, 2) * double(entries[i].count);
            n += entries[i].count;
        }
        pal.colours.push_back(qRgb(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(bl / n))));
    }
    while (pal.colours.size() < 256) pal.colours.push_back(qRgb(0, 0, 0));

    pal.indices.resize(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const uint32_t c = line[x] & 0xFFFFFFu;
            auto it = lookup.find(c);
            if (it == lookup.end()) {
                int best = 0;
                long bestD = -1;
                for (int i = 0; i < 256; ++i) {
                    const long dr = qRed(pal.colours[size_t(i)]) - qRed(c);
                    const long dg = qGreen(pal.colours[size_t(i)]) - qGreen(c);
                    const long db = qBlue(pal.colours[size_t(i)]) - qBlue(c);
                    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (bestD < 0 || d < bestD) {
                        bestD = d;
                        best = i;
                    }
                }
                it = lookup.emplace(c, uint8_t(best)).first;
            }
            pal.indices[size_t(y) * size_t(w) + size_t(x)] = it->second;
        }
    }
    return pal;
}

bool writeBmp8(const std::string& path, const QImage& src)
{
    const Palette pal = quantise(src);
    const int w = src.width(), h = src.height();
    const uint32_t row = uint32_t((w + 3) / 4 * 4);
    std::vector<uint8_t> b = bmpHeader(w, h, 8, 1024, row * uint32_t(h));
    for (QRgb c : pal.colours) {
        b.push_back(uint8_t(qBlue(c)));
        b.push_back(uint8_t(qGreen(c)));
        b.push_back(uint8_t(qRed(c)));
        b.push_back(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) b.push_back(pal.indices[size_t(y) * size_t(w) + size_t(x)]);
        for (uint32_t p = uint32_t(w); p < row; ++p) b.push_back(0);
    }
    put32(b, 0);
    return writeFile(path, b);
}

// ---------------------------------------------------------------------------------------------
// Hair: a lock is many thin strands, each a wavy curve drawn segment by segment so that its colour
// can follow the light along it - darker at the lock's sides and towards the tips, a sheen band
// where the light catches the curve of the hair.

struct Strand {
    std::vector<QPointF> points;
    std::vector<double> crest;  // 0..1 per point: 1 where the wave of the lock turns toward the light
    double tone;   // the strand's own lightness, about 1
    double width;
};

// Hair colour as real numbers, so that a lock can be tuned finely toward its swatch colour.
struct HairColour {
    double r, g, b;
    static HairColour of(const QColor& c) { return {double(c.red()), double(c.green()), double(c.blue())}; }
};

// Colour of hair of base colour c at lightness factor f with a sheen of strength s (0..1). The sheen
// lightens in proportion to the colour, plus a little grey so that even black hair shines.
QColor hairShade(const HairColour& c, double f, double s)
{
    const double k = f * (1.0 + 1.3 * s), add = 22.0 * s;
    auto ch = [&](double v) { return std::clamp(int(std::lround(v * k + add)), 0, 255); };
    return QColor(ch(c.r), ch(c.g), ch(c.b));
}

void drawStrands(QPainter& p, const std::vector<Strand>& strands, const HairColour& colour, double sheenY,
                 double sheenHalf, double left, double right)
{
    const double centre = (left + right) / 2, half = (right - left) / 2;
    for (const Strand& s : strands) {
        for (size_t i = 1; i < s.points.size(); ++i) {
            const QPointF a = s.points[i - 1], b = s.points[i];
            const double t = double(i) / double(s.points.size() - 1);
            const double side = std::min(1.0, std::abs((a.x() + b.x()) / 2 - centre) / std::max(1.0, half));
            // Round lock: the sides turn away from the light; the tips thin out and darken a little.
            double f = s.tone * (1.12 - 0.42 * side * side) * (1.0 - 0.18 * t * t);
            const double d = ((a.y() + b.y()) / 2 - sheenY) / sheenHalf;
            // A broad band where the lock bulges toward the light, and a glint on every wave crest.
            const double c = s.crest.empty() ? 0.0 : std::pow(s.crest[i], 6.0);
            const double sheen =
                std::clamp((0.35 * std::exp(-d * d) + 0.5 * c) * (1.0 - side * 0.8) * std::max(0.0, s.tone - 0.7) * 2.0,
                           0.0, 1.0);
            QPen pen(hairShade(colour, f, sheen));
            pen.setWidthF(s.width * (1.0 - 0.45 * t));
            pen.setCapStyle(Qt::RoundCap);
            p.setPen(pen);
            p.drawLine(a, b);
        }
    }
}

// The strands of one lock in a w x h cell (cell coordinates); the same seed gives the same lock.
std::vector<Strand> lockStrands(double w, double h, uint32_t seed)
{
    Random rnd(seed);
    const double top = 16, left = 16, right = w - 16, tipY = h - 10;
    const double centre = w / 2 + rnd.range(-4, 4);
    const double sway = rnd.range(-10, 10);
    const double wavePhase = rnd.range(0, 2 * Pi);
    const double waveFreq = rnd.range(0.012, 0.018);  // one to two and a half waves down the lock
    const double waveAmp = rnd.range(2.5, 4.5);

    std::vector<Strand> strands;
    const int count = 190;
    for (int k = 0; k < count; ++k) {
        Strand s;
        const double u = rnd.uniform();  // place across the root
        const double x0 = left + 4 + u * (right - left - 8);
        const double tipSpread = rnd.range(-9, 9);
        const double end = tipY - rnd.range(0, 18) * (0.3 + std::abs(u - 0.5));
        // The strands of a lock wave together; a little jitter keeps them from looking combed flat.
        const double amp = waveAmp * rnd.range(0.8, 1.2);
        const double freq = waveFreq * rnd.range(0.95, 1.05);
        const double phase = wavePhase + rnd.range(-0.25, 0.25);
        const int steps = 24;
        for (int i = 0; i <= steps; ++i) {
            const double t = double(i) / steps;
            const double y = top + (end - top) * t;
            // Strands gather towards the tip: an ease so that the lock stays full at the top.
            const double gather = t * t * (3 - 2 * t);
            const double x = x0 + (centre + sway + tipSpread - x0) * gather + sway * 0.3 * std::sin(t * Pi) +
                             amp * std::sin(phase + y * freq * 2 * Pi) * (0.5 + t);
            s.points.emplace_back(x, y);
            s.crest.push_back(std::max(0.0, std::cos(phase + y * freq * 2 * Pi)));
        }
        s.tone = rnd.range(0.78, 1.22);
        s.width = rnd.range(1.1, 2.1);
        strands.push_back(std::move(s));
    }
    // Darker strands first, lighter ones over them: light falls on the outermost hair.
    std::sort(strands.begin(), strands.end(), [](const Strand& a, const Strand& b) { return a.tone < b.tone; });
    return strands;
}

void drawLockHair(QPainter& p, const std::vector<Strand>& strands, const HairColour& colour, double w, double h)
{
    // The hair underneath, in shadow: the same strands drawn wide and dark, so no background shows
    // between them and the lock keeps the outline the strands give it.
    for (const Strand& st : strands) {
        QPen under(hairShade(colour, 0.55, 0.0), st.width * 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(under);
        p.setBrush(Qt::NoBrush);
        QPainterPath path(st.points.front());
        const size_t inner = st.points.size() - 3;  // the last points taper: leave them to the strand
        for (size_t i = 1; i < inner; ++i) path.lineTo(st.points[i]);
        p.drawPath(path);
    }
    drawStrands(p, strands, colour, 16 + h * 0.28, h * 0.09, 16, w - 16);
}

void drawClip(QPainter& p, double w)
{
    const double top = 16, left = 16, right = w - 16;
    QLinearGradient metal(0, top - 9, 0, top + 3);
    metal.setColorAt(0, QColor(236, 236, 240));
    metal.setColorAt(0.5, QColor(168, 170, 178));
    metal.setColorAt(1, QColor(110, 112, 120));
    p.setBrush(metal);
    p.setPen(QPen(QColor(80, 82, 90), 1));
    p.drawRoundedRect(QRectF(left - 2, top - 9, right - left + 4, 12), 5, 5);
}

// A lock on a transparent layer whose hair averages `target`: light, shade and sheen vary around the
// swatch colour rather than shifting it, so the sample reads as the colour a click gives. The base
// colour is corrected a few times against the mean of what was drawn.
QImage lockLayer(const QColor& target, int w, int h, uint32_t seed)
{
    const std::vector<Strand> strands = lockStrands(w, h, seed);
    HairColour base = HairColour::of(target);
    QImage layer;
    for (int round = 0; round < 4; ++round) {
        layer = QImage(w, h, QImage::Format_ARGB32);
        layer.fill(Qt::transparent);
        {
            QPainter p(&layer);
            p.setRenderHint(QPainter::Antialiasing);
            drawLockHair(p, strands, base, w, h);
        }
        double sr = 0, sg = 0, sb = 0, n = 0;
        for (int y = 0; y < h; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const double a = qAlpha(line[x]) / 255.0;
                sr += a * qRed(line[x]);
                sg += a * qGreen(line[x]);
                sb += a * qBlue(line[x]);
                n += a;
            }
        }
        if (n <= 0) break;
        auto correct = [](double b, double want, double got) { return std::clamp(b * (want + 0.5) / (got + 0.5), 0.0, 255.0); };
        base = {correct(base.r, target.red(), sr / n), correct(base.g, target.green(), sg / n),
                correct(base.b, target.blue(), sb / n)};
    }
    return layer;
}

// One lock of hair with its clip, drawn into p at the cell's origin.
void drawLock(QPainter& p, const QColor& colour, int w, int h, uint32_t seed)
{
    p.drawImage(0, 0, lockLayer(colour, w, h, seed));
    drawClip(p, w);
}

QImage swatchBank(int first, int count)
{
    const int cell = 110, h = 176;
    QImage img(cell * count, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0, QColor(246, 243, 238));
    bg.setColorAt(1, QColor(222, 216, 208));
    p.fillRect(img.rect(), bg);
    for (int k = 0; k < count; ++k) {
        const pikvalt::SwatchRgb s = pikvalt::SwatchRgbTable[size_t(first + k)];
        p.save();
        p.translate(k * cell, 0);
        p.setClipRect(0, 0, cell, h);
        // A faint divider so the cells read as separate samples.
        p.setPen(QPen(QColor(200, 192, 182), 1));
        p.drawLine(QPointF(cell - 0.5, 4), QPointF(cell - 0.5, h - 4));
        drawLock(p, QColor(s.red, s.green, s.blue), cell, h, 0x51A7u + uint32_t(first + k) * 7919u);
        p.restore();
    }
    return img;
}

// ---------------------------------------------------------------------------------------------
// The salon scene of the right-hand waiting animation.

void drawBackground(QPainter& p, int w, int h)
{
    QLinearGradient wall(0, 0, 0, h);
    wall.setColorAt(0, QColor(214, 236, 234));
    wall.setColorAt(0.72, QColor(240, 248, 246));
    wall.setColorAt(0.721, QColor(188, 170, 150));
    wall.setColorAt(1, QColor(150, 128, 108));
    p.fillRect(QRect(0, 0, w, h), wall);
    // Floor boards in perspective.
    p.setPen(QPen(QColor(128, 106, 88), 1.2));
    const double horizon = h * 0.721;
    for (int i = -6; i <= 6; ++i) p.drawLine(QPointF(w / 2 + i * 30, horizon), QPointF(w / 2 + i * 110, h));
    // Wallpaper stripes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    for (int x = 10; x < w; x += 44) p.drawRect(QRectF(x, 0, 16, horizon));
}

void drawMirror(QPainter& p, const QRectF& r, int frame)
{
    QRadialGradient glass(r.center() - QPointF(r.width() * 0.2, r.height() * 0.25), r.width() * 0.8);
    glass.setColorAt(0, QColor(250, 254, 255));
    glass.setColorAt(1, QColor(170, 204, 214));
    p.setPen(QPen(QColor(190, 150, 70), 9));
    p.setBrush(glass);
    p.drawEllipse(r);
    p.setPen(QPen(QColor(236, 206, 130), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(-3, -3, 3, 3));
    // A glint that travels across the glass.
    p.setPen(QPen(QColor(255, 255, 255, 200), 6, Qt::SolidLine, Qt::RoundCap));
    const double gx = r.left() + r.width() * (0.25 + 0.08 * frame);
    p.drawLine(QPointF(gx, r.top() + r.height() * 0.25), QPointF(gx + 24, r.top() + r.height() * 0.12));
}

void drawChair(QPainter& p, double cx, double seatY)
{
    // Hydraulic pole and round base.
    QLinearGradient chrome(cx - 60, 0, cx + 60, 0);
    chrome.setColorAt(0, QColor(120, 124, 132));
    chrome.setColorAt(0.45, QColor(245, 246, 250));
    chrome.setColorAt(1, QColor(110, 114, 122));
    p.setPen(Qt::NoPen);
    p.setBrush(chrome);
    p.drawEllipse(QRectF(cx - 78, seatY + 98, 156, 28));
    p.drawRect(QRectF(cx - 11, seatY + 36, 22, 76));
    p.setBrush(QColor(60, 62, 70));
    p.drawRoundedRect(QRectF(cx - 34, seatY + 104, 68, 11), 5, 5);

    QLinearGradient leather(cx - 110, 0, cx + 110, 0);
    leather.setColorAt(0, QColor(92, 18, 34));
    leather.setColorAt(0.4, QColor(176, 44, 66));
    leather.setColorAt(1, QColor(84, 14, 30));
    // Seat.
    p.setBrush(leather);
    p.setPen(QPen(QColor(60, 10, 22), 2));
    p.drawRoundedRect(QRectF(cx - 100, seatY - 6, 200, 46), 18, 18);
    // Armrests.
    p.drawRoundedRect(QRectF(cx - 124, seatY - 56, 36, 82), 14, 14);
    p.drawRoundedRect(QRectF(cx + 88, seatY - 56, 36, 82), 14, 14);
    p.setBrush(chrome);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(cx - 120, seatY - 62, 28, 10), 4, 4);
    p.drawRoundedRect(QRectF(cx + 92, seatY - 62, 28, 10), 4, 4);
}

// Back of the client's head in the chair, with a cape over the shoulders.
void drawClient(QPainter& p, double cx, double seatY, const QColor& hair)
{
    // Cape.
    QPainterPath cape;
    cape.moveTo(cx - 40, seatY - 150);
    cape.cubicTo(cx - 120, seatY - 120, cx - 112, seatY - 40, cx - 96, seatY + 10);
    cape.lineTo(cx + 96, seatY + 10);
    cape.cubicTo(cx + 112, seatY - 40, cx + 120, seatY - 120, cx + 40, seatY - 150);
    cape.closeSubpath();
    QLinearGradient capeFill(cx - 110, 0, cx + 110, 0);
    capeFill.setColorAt(0, QColor(40, 70, 110));
    capeFill.setColorAt(0.45, QColor(78, 124, 178));
    capeFill.setColorAt(1, QColor(36, 62, 100));
    p.setBrush(capeFill);
    p.setPen(QPen(QColor(28, 46, 78), 2));
    p.drawPath(cape);
    // Dots on the cape.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    for (int i = 0; i < 14; ++i) p.drawEllipse(QPointF(cx - 80 + (i % 5) * 40 + (i / 5) * 14, seatY - 110 + (i / 5) * 40), 4, 4);
    // Neck and ears.
    p.setBrush(QColor(228, 180, 150));
    p.setPen(QPen(QColor(170, 120, 96), 1.5));
    p.drawRoundedRect(QRectF(cx - 23, seatY - 180, 46, 40), 14, 14);
    p.drawEllipse(QRectF(cx - 66, seatY - 250, 18, 32));
    p.drawEllipse(QRectF(cx + 48, seatY - 250, 18, 32));

    // Hair: the back of the head, strands running like meridians from the top of the head over its
    // curve down to the nape; the light catches the crown.
    const QRectF head(cx - 58, seatY - 296, 116, 136);
    QPainterPath shape;
    shape.addEllipse(head);
    p.setPen(Qt::NoPen);
    p.setBrush(scaled(hair, 0.55));
    p.drawPath(shape);
    p.save();
    p.setClipPath(shape);
    Random rnd(1234);  // the same hair in every frame; only the tools move
    std::vector<Strand> strands;
    const double rx = head.width() / 2, top = head.top() - 4;
    for (int k = 0; k < 340; ++k) {
        Strand s;
        const double u = rnd.range(-1.08, 1.08);
        const double wobble = rnd.range(-3, 3);
        const double len = rnd.range(0.92, 1.06);
        for (int i = 0; i <= 20; ++i) {
            const double t = double(i) / 20 * len;
            // Spreads out over the upper curve of the head, then falls almost straight.
            const double spread = std::sin(std::min(1.0, t * 1.7) * Pi / 2);
            const double x = cx + u * rx * spread * (1.0 - 0.12 * t * t) + wobble * t + 1.5 * std::sin(t * 9 + u * 3);
            const double y = top + t * (head.height() + 8);
            s.points.emplace_back(x, y);
            s.crest.push_back(std::max(0.0, std::cos(t * 2 * Pi * 1.3 + 0.8)));
        }
        s.tone = rnd.range(0.75, 1.25);
        s.width = rnd.range(1.5, 2.6);
        strands.push_back(std::move(s));
    }
    std::sort(strands.begin(), strands.end(), [](const Strand& a, const Strand& b) { return a.tone < b.tone; });
    drawStrands(p, strands, HairColour::of(hair), head.top() + head.height() * 0.3, 20, head.left(), head.right());
    p.restore();
}

void drawScissors(QPainter& p, const QPointF& pivot, double angleDeg, double openDeg, double size)
{
    p.save();
    p.translate(pivot);
    p.rotate(angleDeg);
    p.scale(size, size);
    QLinearGradient steel(0, -6, 0, 6);
    steel.setColorAt(0, QColor(250, 251, 255));
    steel.setColorAt(0.5, QColor(180, 186, 198));
    steel.setColorAt(1, QColor(112, 118, 132));
    for (int side : {-1, 1}) {
        p.save();
        p.rotate(side * openDeg / 2);
        // Blade, pointing along +x.
        QPainterPath blade;
        blade.moveTo(-6, 0);
        blade.cubicTo(20, -7.0 * side, 50, -5.0 * side, 78, 0);
        blade.cubicTo(50, 2.5 * side, 20, 4.0 * side, -6, 0);
        p.setBrush(steel);
        p.setPen(QPen(QColor(70, 74, 86), 1.2));
        p.drawPath(blade);
        // Handle and finger ring behind the pivot.
        p.setPen(QPen(QColor(196, 30, 52), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-4, 0), QPointF(-26, 6.0 * side));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(-38, 10.0 * side), 13, 9);
        p.restore();
    }
    p.setBrush(QColor(60, 60, 66));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, 0), 3.2, 3.2);
    p.restore();
}

void drawComb(QPainter& p, const QPointF& at, double angleDeg)
{
    p.save();
    p.translate(at);
    p.rotate(angleDeg);
    QLinearGradient body(0, -12, 0, 4);
    body.setColorAt(0, QColor(60, 150, 170));
    body.setColorAt(1, QColor(24, 84, 104));
    p.setBrush(body);
    p.setPen(QPen(QColor(16, 56, 70), 1.2));
    p.drawRoundedRect(QRectF(-60, -12, 120, 14), 6, 6);
    p.setPen(QPen(QColor(30, 100, 120), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 22; ++i) {
        const double x = -54 + i * 5.2;
        p.drawLine(QPointF(x, 2), QPointF(x, i < 11 ? 18 : 13));
    }
    p.restore();
}

void drawClippings(QPainter& p, const QColor& hair, int frame, double cx, double seatY)
{
    Random rnd(777);
    for (int k = 0; k < 26; ++k) {
        const double x0 = cx + rnd.range(-90, 90);
        const double y0 = seatY - rnd.range(110, 190);
        const double speed = rnd.range(14, 26);
        const double len = rnd.range(6, 14);
        const double spin = rnd.range(0, Pi);
        // Each clipping falls a little further every frame and starts again once on the floor.
        double y = y0 + std::fmod(frame * speed + k * 13.0, 260.0);
        const double floorY = seatY + 140;
        if (y > floorY) y = floorY - rnd.range(0, 6);
        const double a = spin + frame * 0.7;
        p.setPen(QPen(scaled(hair, rnd.range(0.8, 1.3)), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x0 - std::cos(a) * len / 2, y - std::sin(a) * len / 2),
                   QPointF(x0 + std::cos(a) * len / 2, y + std::sin(a) * len / 2));
    }
}

QImage salonFrame(int frame)
{
    const int w = 440, h = 480;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackground(p, w, h);
    drawMirror(p, QRectF(110, 22, 220, 150), frame);
    const double cx = 220, seatY = 340;
    const QColor hair(118, 72, 38);
    drawChair(p, cx, seatY);
    drawClient(p, cx, seatY, hair);
    drawClippings(p, hair, frame, cx, seatY);
    // Scissors work their way round the ends of the hair, left side to nape to right side, opening and
    // snapping shut; the comb works across the top of the head.
    const QPointF head(cx, seatY - 228);
    const double a = Pi * (1.08 - 0.19 * frame);
    const QPointF at(head.x() + std::cos(a) * 84, head.y() + std::sin(a) * 84);
    drawScissors(p, at, a * 180 / Pi + 180 + (frame % 2 ? 8 : -8), frame % 2 == 0 ? 40 : 6, 0.9);
    drawComb(p, QPointF(cx + 70 - frame * 26, seatY - 292 + std::abs(frame - 2.5) * 6), -6 + frame * 2.5);
    return img;
}

// ---------------------------------------------------------------------------------------------
// The left-hand waiting image: an empty portrait frame and a camera; in the second picture the camera
// flashes and the portrait lights up.

QImage portraitFrame(bool flash)
{
    const int w = 440, h = 480;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wall(0, 0, 0, h);
    wall.setColorAt(0, flash ? QColor(250, 246, 226) : QColor(226, 230, 240));
    wall.setColorAt(1, flash ? QColor(232, 222, 196) : QColor(196, 202, 220));
    p.fillRect(img.rect(), wall);

    // Frame.
    const QRectF outer(70, 40, 300, 360);
    QLinearGradient wood(outer.topLeft(), outer.bottomRight());
    wood.setColorAt(0, QColor(214, 170, 88));
    wood.setColorAt(0.5, QColor(150, 100, 40));
    wood.setColorAt(1, QColor(200, 150, 70));
    p.setPen(QPen(QColor(96, 60, 24), 2));
    p.setBrush(wood);
    p.drawRoundedRect(outer, 10, 10);
    const QRectF inner = outer.adjusted(26, 26, -26, -26);
    QLinearGradient canvas(0, inner.top(), 0, inner.bottom());
    canvas.setColorAt(0, flash ? QColor(255, 252, 238) : QColor(208, 216, 232));
    canvas.setColorAt(1, flash ? QColor(246, 236, 210) : QColor(176, 186, 208));
    p.setBrush(canvas);
    p.setPen(QPen(QColor(96, 60, 24), 2));
    p.drawRect(inner);

    // Head-and-shoulders silhouette waiting for a face.
    const QColor figure = flash ? QColor(150, 160, 186) : QColor(120, 130, 160);
    p.setPen(Qt::NoPen);
    p.setBrush(figure);
    QPainterPath shoulders;
    shoulders.moveTo(inner.left() + 20, inner.bottom());
    shoulders.cubicTo(inner.left() + 30, inner.bottom() - 90, inner.center().x() - 60, inner.bottom() - 110,
                      inner.center().x(), inner.bottom() - 112);
    shoulders.cubicTo(inner.center().x() + 60, inner.bottom() - 110, inner.right() - 30, inner.bottom() - 90,
                      inner.right() - 20, inner.bottom());
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.drawRoundedRect(QRectF(inner.center().x() - 26, inner.top() + 160, 52, 50), 16, 16);  // neck
    p.drawEllipse(QPointF(inner.center().x(), inner.top() + 108), 62, 76);
    // Dashed outline where the face will go.
    QPen dash(flash ? QColor(255, 255, 255) : QColor(236, 240, 250), 3, Qt::DashLine, Qt::RoundCap);
    p.setPen(dash);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(inner.center().x(), inner.top() + 108), 50, 64);

    // Camera in the lower right corner.
    p.save();
    p.translate(330, 390);
    p.rotate(-12);
    QLinearGradient body(0, -40, 0, 40);
    body.setColorAt(0, QColor(84, 88, 98));
    body.setColorAt(1, QColor(34, 36, 42));
    p.setBrush(body);
    p.setPen(QPen(QColor(20, 20, 24), 2));
    p.drawRoundedRect(QRectF(-62, -36, 124, 78), 12, 12);
    p.drawRoundedRect(QRectF(-40, -50, 40, 18), 5, 5);
    QRadialGradient lens(QPointF(-6, -2), 34);
    lens.setColorAt(0, QColor(120, 170, 230));
    lens.setColorAt(0.5, QColor(40, 60, 110));
    lens.setColorAt(1, QColor(10, 12, 20));
    p.setBrush(lens);
    p.setPen(QPen(QColor(180, 184, 196), 5));
    p.drawEllipse(QPointF(0, 4), 28, 28);
    p.setBrush(flash ? QColor(255, 255, 230) : QColor(190, 196, 210));
    p.setPen(QPen(QColor(20, 20, 24), 1.5));
    p.drawRect(QRectF(30, -30, 22, 12));
    if (flash) {
        // Burst from the flash.
        QRadialGradient glow(QPointF(41, -24), 90);
        glow.setColorAt(0, QColor(255, 255, 240, 240));
        glow.setColorAt(0.3, QColor(255, 244, 170, 150));
        glow.setColorAt(1, QColor(255, 240, 160, 0));
        p.setBrush(glow);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(41, -24), 90, 90);
        p.setPen(QPen(QColor(255, 220, 80), 4, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 10; ++i) {
            const double a = -Pi * 0.95 + i * Pi * 0.11;
            p.drawLine(QPointF(41 + std::cos(a) * 22, -24 + std::sin(a) * 22),
                       QPointF(41 + std::cos(a) * (i % 2 ? 48 : 62), -24 + std::sin(a) * (i % 2 ? 48 : 62)));
        }
    }
    p.restore();
    return img;
}

// ---------------------------------------------------------------------------------------------
// Picture 18: the emblem - crossed scissors over a comb inside an oval with a lock of hair.

QImage emblem()
{
    const int w = 208, h = 250;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), QColor(244, 240, 232));
    const QRectF oval(10, 12, 188, 226);
    QRadialGradient fill(oval.center() - QPointF(20, 30), 150);
    fill.setColorAt(0, QColor(255, 252, 244));
    fill.setColorAt(1, QColor(226, 206, 170));
    p.setBrush(fill);
    p.setPen(QPen(QColor(176, 132, 56), 6));
    p.drawEllipse(oval);
    p.setPen(QPen(QColor(230, 196, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(oval.adjusted(9, 9, -9, -9));
    p.save();
    p.translate(0, 0);
    QPainterPath clip;
    clip.addEllipse(oval.adjusted(12, 12, -12, -12));
    p.setClipPath(clip);
    p.translate(44, 40);
    drawLock(p, QColor(125, 53, 28), 120, 120, 4242);
    p.restore();
    // Comb and scissors crossed below the lock.
    drawComb(p, QPointF(104, 184), -32);
    drawScissors(p, QPointF(112, 186), -140, 30, 0.95);
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: pikvalt_art <output directory>\n");
        return 2;
    }
    const std::string dir = argv[1];
    auto name = [&](int id) { return dir + "/pikvalt-" + std::to_string(id) + ".bmp"; };
    bool ok = true;
    for (int frame = 0; frame < 6; ++frame) ok = ok && writeBmp8(name(10 + frame), salonFrame(frame));
    ok = ok && writeBmp8(name(16), portraitFrame(false));
    ok = ok && writeBmp8(name(17), portraitFrame(true));
    ok = ok && writeBmp8(name(18), emblem());
    ok = ok && writeBmp24(name(19), swatchBank(0, 17));
    ok = ok && writeBmp24(name(20), swatchBank(17, 17));
    ok = ok && writeBmp24(name(21), swatchBank(34, 15));
    if (!ok) {
        std::fprintf(stderr, "pikvalt_art: could not write the pictures to %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
