// hairgen: draws the demo hairstyle models from strands and the sample portrait's face.
//
//   hairgen ASTRONAUT.png OUT_DIR
//
// For every style it writes OUT_DIR/<id>/picture.png (the model as shown), base.png (the same
// portrait without hair, the skin the face colour blends into), hair.png (the hair's coverage) and
// cutout.json (the face outline). It also writes OUT_DIR/../photos/face.jpg, a portrait that fits
// the editor's 360 x 480 limit, and portrait.jpg, a larger one that goes through the crop step.
// Everything is seeded: running it again gives the same pictures.
#include "tools/hairgen/qt/HairGen.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace hairgen {

namespace {

constexpr double Pi = 3.14159265358979323846;

// Where the sample portrait's face lies: hairline centre and scale into the model.
constexpr double SrcFaceCx = 226, SrcHairline = 77;
constexpr double FaceScale = (FaceChin - FaceTop) / (178.0 - SrcHairline);

struct V3 {
    double x, y, z;
};
V3 normalised(V3 v)
{
    double l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / l, v.y / l, v.z / l};
}
double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

const V3 Light = normalised({-0.22, -0.6, 0.8});
const V3 HalfVector = normalised({Light.x, Light.y, Light.z + 1.0});

QPointF bezier(const Guide& g, double t)
{
    double u = 1 - t;
    return g.p[0] * (u * u * u) + g.p[1] * (3 * u * u * t) + g.p[2] * (3 * u * t * t) + g.p[3] * (t * t * t);
}

double smoothstep(double a, double b, double x)
{
    double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// The face outline: the sample portrait's own face contour from the hairline to the chin (half
// widths measured on the photograph), scaled into the model and smoothed.
std::vector<QPointF> faceOutline()
{
    // (portrait y, half width) down the right side of the face.
    static const double profile[][2] = {{77, 20}, {79, 32}, {83, 39}, {90, 43}, {100, 45.5}, {112, 46},
                                        {124, 45}, {136, 42.5}, {148, 39}, {158, 34}, {166, 27},
                                        {172, 19}, {176, 10}, {178, 0}};
    const int n = int(std::size(profile));
    auto at = [&](double t) {  // Catmull-Rom along the profile
        int i = std::clamp(int(t), 0, n - 2);
        double f = t - i;
        auto pt = [&](int k) { k = std::clamp(k, 0, n - 1); return QPointF(profile[k][1], profile[k][0]); };
        QPointF p0 = pt(i - 1), p1 = pt(i), p2 = pt(i + 1), p3 = pt(i + 2);
        return 0.5 * ((2 * p1) + (-p0 + p2) * f + (2 * p0 - 5 * p1 + 4 * p2 - p3) * f * f + (-p0 + 3 * p1 - 3 * p2 + p3) * f * f * f);
    };
    std::vector<QPointF> right;
    for (int k = 0; k <= 26; ++k) {
        QPointF q = at(double(k) * (n - 1) / 26.0);
        right.emplace_back(std::round(FaceCx + q.x() * FaceScale), std::round(FaceTop + (q.y() - SrcHairline) * FaceScale));
    }
    std::vector<QPointF> pts;
    for (const QPointF& q : right) pts.push_back(q);                      // top centre, down the right
    for (int k = int(right.size()) - 2; k >= 1; --k)                       // up the left
        pts.emplace_back(2 * FaceCx - right[size_t(k)].x(), right[size_t(k)].y());
    return pts;
}

class Renderer {
public:
    Renderer(const Style& style, const QImage& portrait) : m_style(style), m_portrait(portrait)
    {
        // The skin of the model is the portrait's own, measured on the cheeks.
        double r = 0, g = 0, b = 0;
        int n = 0;
        for (int y = 118; y < 140; ++y)
            for (int x : {196, 198, 200, 202, 250, 252, 254, 256}) {
                QColor c = portrait.pixelColor(x, y);
                r += c.red(); g += c.green(); b += c.blue(); ++n;
            }
        m_skin = QColor(int(r / n), int(g / n), int(b / n));
    }

    void render(QImage& picture, QImage& base, QImage& matte)
    {
        picture = QImage(Width, Height, QImage::Format_RGB32);
        matte = QImage(Width, Height, QImage::Format_RGB32);
        matte.fill(Qt::black);
        drawBackground(picture);
        {
            QPainter p(&picture), m(&matte);
            p.setRenderHint(QPainter::Antialiasing);
            m.setRenderHint(QPainter::Antialiasing);
            for (const Layer& l : m_style.layers) if (!l.front) drawLayer(p, m, l);
            for (const Coil& c : m_style.coils) if (!c.front) drawCoil(p, m, c);
            drawPerson(p, &m);
        }
        base = picture.copy();
        // The base is the person without any hair in front: redraw the person over the back hair.
        drawBackground(base);
        {
            QPainter b(&base);
            b.setRenderHint(QPainter::Antialiasing);
            drawPerson(b, nullptr);
        }
        pasteFace(picture);
        pasteFace(base);
        {
            QPainter p(&picture), m(&matte);
            p.setRenderHint(QPainter::Antialiasing);
            m.setRenderHint(QPainter::Antialiasing);
            for (const Layer& l : m_style.layers) if (l.front) drawLayer(p, m, l);
            for (const Coil& c : m_style.coils) if (c.front) drawCoil(p, m, c);
        }
    }

private:
    void drawBackground(QImage& img)
    {
        QPainter p(&img);
        QRadialGradient g(QPointF(Width * 0.45, Height * 0.35), Width * 0.9);
        QColor c = m_style.background;
        g.setColorAt(0, c.lighter(118));
        g.setColorAt(0.6, c);
        g.setColorAt(1, c.darker(140));
        p.fillRect(img.rect(), g);
    }

    QColor shade(QColor c, double f) const
    {
        return QColor(std::clamp(int(c.red() * f), 0, 255), std::clamp(int(c.green() * f), 0, 255),
                      std::clamp(int(c.blue() * f), 0, 255));
    }

    // Neck, shoulders, clothes, ears and the head's skin; the matte is cleared where they cover.
    void drawPerson(QPainter& p, QPainter* m)
    {
        auto fill = [&](const QPainterPath& path, const QBrush& brush) {
            p.fillPath(path, brush);
            if (m) m->fillPath(path, Qt::black);
        };
        // Shoulders and clothes.
        QPainterPath body;
        body.moveTo(-10, Height + 10);
        body.cubicTo(-4, 480, 30, 440, 120, 428);
        body.cubicTo(160, 420, 186, 414, FaceCx - 72, 408);
        body.lineTo(FaceCx + 72, 408);
        body.cubicTo(326, 414, 352, 420, 392, 428);
        body.cubicTo(482, 440, 516, 480, Width + 10, Height + 10);
        body.closeSubpath();
        QPainterPath skinPart;  // what the neckline leaves bare
        if (m_style.neckline == 1) {
            skinPart.moveTo(FaceCx - 70, 400);
            skinPart.lineTo(FaceCx, 505);
            skinPart.lineTo(FaceCx + 70, 400);
            skinPart.closeSubpath();
        } else if (m_style.neckline == 2) {
            skinPart.addEllipse(QPointF(FaceCx, 405), 128, 58);
        } else {
            skinPart.addEllipse(QPointF(FaceCx, 410), 80, 34);
        }
        QRadialGradient sg(QPointF(FaceCx - 10, 404), 150);
        sg.setColorAt(0, shade(m_skin, 0.92));
        sg.setColorAt(0.5, shade(m_skin, 0.86));
        sg.setColorAt(1, shade(m_skin, 0.72));
        fill(body, sg);
        QPainterPath cloth = body.subtracted(skinPart);
        QRadialGradient cg(QPointF(FaceCx - 60, 420), 330);
        cg.setColorAt(0, m_style.clothes.lighter(118));
        cg.setColorAt(0.55, m_style.clothes);
        cg.setColorAt(1, m_style.clothes.darker(175));
        p.fillPath(cloth, cg);
        // The collar bones catch a little shadow.
        p.save();
        p.setClipPath(skinPart.intersected(body));
        p.setPen(QPen(shade(m_skin, 0.78), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(FaceCx - 124, 428, 104, 26), 40 * 16, 110 * 16);
        p.drawArc(QRectF(FaceCx + 20, 428, 104, 26), 30 * 16, 110 * 16);
        p.restore();

        // Neck: a cylinder, shadowed under the jaw and at its sides, fading into the chest so that
        // no seam shows where it meets the neckline.
        QPainterPath neck;
        neck.moveTo(FaceCx - 60, 280);
        neck.cubicTo(FaceCx - 56, 350, FaceCx - 62, 395, FaceCx - 84, 436);
        neck.lineTo(FaceCx + 84, 436);
        neck.cubicTo(FaceCx + 62, 395, FaceCx + 56, 350, FaceCx + 60, 280);
        neck.closeSubpath();
        QImage neckLayer(Width, Height, QImage::Format_ARGB32_Premultiplied);
        neckLayer.fill(Qt::transparent);
        {
            QPainter lp(&neckLayer);
            lp.setRenderHint(QPainter::Antialiasing);
            QLinearGradient ng(FaceCx - 60, 0, FaceCx + 60, 0);
            ng.setColorAt(0, shade(m_skin, 0.74));
            ng.setColorAt(0.3, shade(m_skin, 0.97));
            ng.setColorAt(0.55, shade(m_skin, 0.95));
            ng.setColorAt(1, shade(m_skin, 0.7));
            lp.fillPath(neck, ng);
            // The jaw's shadow on the neck, strongest right under the chin.
            QLinearGradient js(0, 318, 0, 385);
            js.setColorAt(0, QColor(90, 40, 25, 110));
            js.setColorAt(1, QColor(90, 40, 25, 0));
            lp.fillPath(neck, js);
            lp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            QLinearGradient fade(0, 412, 0, 436);
            fade.setColorAt(0, QColor(0, 0, 0, 255));
            fade.setColorAt(1, QColor(0, 0, 0, 0));
            lp.fillRect(neckLayer.rect(), fade);
        }
        QPainterPath uncovered;  // everywhere but the clothes
        uncovered.addRect(QRectF(0, 0, Width, Height));
        uncovered = uncovered.subtracted(cloth);
        p.save();
        p.setClipPath(uncovered);
        p.drawImage(0, 0, neckLayer);
        p.restore();
        if (m) m->fillPath(neck.subtracted(cloth), Qt::black);

        // Ears.
        for (int side : {-1, 1}) {
            QPainterPath ear;
            QPointF c(FaceCx + side * 86, 246);
            ear.addEllipse(c, 13, 27);
            QRadialGradient eg(c + QPointF(side * 4, -6), 30);
            eg.setColorAt(0, shade(m_skin, 0.95));
            eg.setColorAt(0.7, shade(m_skin, 0.82));
            eg.setColorAt(1, shade(m_skin, 0.62));
            fill(ear, eg);
            p.setPen(QPen(shade(m_skin, 0.66), 2.5));
            p.drawArc(QRectF(c.x() - 7, c.y() - 18, 14, 32), side > 0 ? -70 * 16 : 110 * 16, 140 * 16);
            p.setPen(Qt::NoPen);
        }

        // The head: skin from the chin up to the crown, lit from the upper left.
        QPainterPath head;
        head.addEllipse(QPointF(FaceCx, 214), 93, 150);
        QPainterPath jaw;
        std::vector<QPointF> outline = faceOutline();
        jaw.moveTo(outline[0]);
        for (const QPointF& q : outline) jaw.lineTo(q);
        jaw.closeSubpath();
        QPainterPath upper;
        upper.addRect(QRectF(0, 0, Width, 260));
        head = head.intersected(upper).united(jaw);
        QRadialGradient hg(QPointF(FaceCx - 30, 190), 170);
        hg.setColorAt(0, shade(m_skin, 0.96));
        hg.setColorAt(0.6, shade(m_skin, 0.88));
        hg.setColorAt(1, shade(m_skin, 0.65));
        fill(head, hg);
    }

    // The portrait's face, scaled into the cut-out and faded over a few pixels at its outline.
    void pasteFace(QImage& img)
    {
        if (m_faceWeight.isNull()) {
            QImage mask(Width, Height, QImage::Format_Grayscale8);
            mask.fill(0);
            {
                QPainter mp(&mask);
                mp.setRenderHint(QPainter::Antialiasing);
                QPainterPath path;
                std::vector<QPointF> outline = faceOutline();
                path.moveTo(outline[0]);
                for (const QPointF& q : outline) path.lineTo(q);
                path.closeSubpath();
                mp.setPen(QPen(Qt::white, 2.0));
                mp.setBrush(Qt::white);
                mp.drawPath(path);
            }
            m_faceWeight = boxBlur(boxBlur(mask, 2), 1);
        }
        for (int y = 0; y < Height; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            const uchar* wrow = m_faceWeight.constScanLine(y);
            double sy = SrcHairline + (y - FaceTop) / FaceScale;
            // Her own fringe lies just below the hairline: leave the forehead's top to the skin.
            double top = smoothstep(SrcHairline + 1, SrcHairline + 8, sy);
            for (int x = 0; x < Width; ++x) {
                double w = wrow[x] / 255.0 * top;
                if (w <= 0) continue;
                double sx = SrcFaceCx + (x - FaceCx) / FaceScale;
                QColor s = sample(sx, sy);
                QColor d = QColor::fromRgb(row[x]);
                row[x] = qRgb(int(d.red() + (s.red() - d.red()) * w), int(d.green() + (s.green() - d.green()) * w),
                              int(d.blue() + (s.blue() - d.blue()) * w));
            }
        }
    }

    static QImage boxBlur(const QImage& in, int r)
    {
        QImage tmp = in.copy(), out = in.copy();
        const int w = in.width(), h = in.height();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int sum = 0, n = 0;
                for (int k = -r; k <= r; ++k) if (x + k >= 0 && x + k < w) { sum += in.constScanLine(y)[x + k]; ++n; }
                tmp.scanLine(y)[x] = uchar(sum / n);
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int sum = 0, n = 0;
                for (int k = -r; k <= r; ++k) if (y + k >= 0 && y + k < h) { sum += tmp.constScanLine(y + k)[x]; ++n; }
                out.scanLine(y)[x] = uchar(sum / n);
            }
        return out;
    }

    QColor sample(double x, double y) const
    {
        int ix = int(std::floor(x)), iy = int(std::floor(y));
        double fx = x - ix, fy = y - iy;
        auto px = [&](int a, int b) {
            return m_portrait.pixelColor(std::clamp(a, 0, m_portrait.width() - 1), std::clamp(b, 0, m_portrait.height() - 1));
        };
        QColor c00 = px(ix, iy), c10 = px(ix + 1, iy), c01 = px(ix, iy + 1), c11 = px(ix + 1, iy + 1);
        auto mix = [&](int a, int b, int c, int d) {
            return int(std::lround(a * (1 - fx) * (1 - fy) + b * fx * (1 - fy) + c * (1 - fx) * fy + d * fx * fy));
        };
        return QColor(mix(c00.red(), c10.red(), c01.red(), c11.red()), mix(c00.green(), c10.green(), c01.green(), c11.green()),
                      mix(c00.blue(), c10.blue(), c01.blue(), c11.blue()));
    }

    // Light on a strand at a point: a head-shaped body above the chin, a hanging cylinder below.
    double lighting(QPointF pos, QPointF tangent, double& specular) const
    {
        const double hcx = FaceCx, hcy = 200, hrx = 125, hry = 150;
        double nx = (pos.x() - hcx) / hrx;
        double ny = pos.y() < hcy ? (pos.y() - hcy) / hry : 0.0;
        // Below the head the hair hangs as a wider cylinder; blend into it, no seam.
        double k = smoothstep(hcy, hcy + 120, pos.y());
        nx = nx * (1 - k) + (pos.x() - hcx) / 190.0 * k;
        double r2 = std::min(nx * nx + ny * ny, 0.98);
        V3 n{nx, ny, std::sqrt(1 - r2)};
        double tl = std::hypot(tangent.x(), tangent.y());
        V3 t{tangent.x() / tl, tangent.y() / tl, 0};
        t.z = -(n.x * t.x + n.y * t.y) / n.z;
        t = normalised(t);
        double diffuse = std::max(0.0, dot(n, Light));
        double th = dot(t, HalfVector);
        specular = std::pow(std::max(0.0, 1 - th * th), 30.0);
        return diffuse;
    }

    QColor strandColour(const QColor& base, double f, double specular, double specularGain) const
    {
        double r = base.redF() * f + specular * specularGain * (0.35 + 0.65 * base.redF());
        double g = base.greenF() * f + specular * specularGain * (0.32 + 0.6 * base.greenF());
        double b = base.blueF() * f + specular * specularGain * (0.28 + 0.55 * base.blueF());
        return QColor::fromRgbF(float(std::clamp(r, 0.0, 1.0)), float(std::clamp(g, 0.0, 1.0)), float(std::clamp(b, 0.0, 1.0)));
    }

    void drawLayer(QPainter& p, QPainter& m, const Layer& layer)
    {
        std::mt19937 rng(m_style.seed * 7919u + unsigned(layer.guides.size()) * 31u + unsigned(layer.strands));
        std::uniform_real_distribution<double> uni(0, 1);
        std::normal_distribution<double> gauss(0, 1);
        const int n = int(layer.guides.size());
        if (n < 2) return;

        struct Strand {
            std::vector<QPointF> pts;
            QColor colour;
            double var;
            double width;
            double alpha;
            bool streak;
        };
        auto makeStrand = [&](double jitterScale) {
            double pos = uni(rng) * (n - 1);
            int i = std::min(int(pos), n - 2);
            double t = pos - i;
            Guide g;
            for (int k = 0; k < 4; ++k) {
                double j = k == 0 ? layer.rootJitter : layer.jitter * (0.5 + 0.5 * k / 3.0) * jitterScale;
                g.p[k] = layer.guides[i].p[k] * (1 - t) + layer.guides[i + 1].p[k] * t + QPointF(gauss(rng) * j, gauss(rng) * j);
            }
            Strand s;
            double end = 1 - layer.shorten * uni(rng) * uni(rng) * 2;
            double phase = layer.curlCoherence * pos * 1.3 + (1 - layer.curlCoherence) * uni(rng) * 2 * Pi + gauss(rng) * 0.25;
            const int steps = 60;
            for (int k = 0; k <= steps; ++k) {
                double u = end * k / steps;
                QPointF q = bezier(g, u);
                QPointF d = bezier(g, std::min(1.0, u + 0.01)) - bezier(g, std::max(0.0, u - 0.01));
                double dl = std::hypot(d.x(), d.y());
                if (dl > 1e-9 && layer.curlAmp > 0) {
                    QPointF nrm(-d.y() / dl, d.x() / dl);
                    double ramp = smoothstep(layer.curlStart, layer.curlStart + 0.3, u);
                    q += nrm * (layer.curlAmp * ramp * std::sin(2 * Pi * layer.curlWaves * u + phase));
                }
                s.pts.push_back(q);
            }
            // Neighbouring strands share some of their shade, so the hair falls into locks.
            s.var = 0.8 + 0.12 * std::sin(pos * 9.0 + m_style.seed) + 0.1 * std::sin(pos * 23.0) + 0.22 * uni(rng);
            // Highlights come in sections, as a colourist paints them, with a few single strands between.
            double section = std::fmod(pos * 2.7 + 0.37 * std::sin(pos * 5.0), 1.0);
            s.streak = m_style.streakShare > 0 && !m_style.ombre &&
                       (section < m_style.streakShare * 0.8 || uni(rng) < m_style.streakShare * 0.2);
            s.width = layer.width * (0.75 + 0.5 * uni(rng));
            s.alpha = 0.8 + 0.2 * uni(rng);
            return s;
        };

        auto paint = [&](const Strand& s, double widthScale, double darken, bool solid, double alphaScale = 1.0) {
            const size_t count = s.pts.size();
            for (size_t k = 1; k < count; ++k) {
                double u = double(k) / double(count - 1);
                if (solid && u < 0.1) continue;  // the roots stay fine: no dark rim at the hairline
                QPointF a = s.pts[k - 1], b = s.pts[k];
                QPointF tan = b - a;
                if (std::hypot(tan.x(), tan.y()) < 1e-6) continue;
                double specular = 0;
                double diffuse = lighting((a + b) / 2, tan, specular);
                QColor base = s.streak ? m_style.streak : m_style.hair;
                if (m_style.ombre) {
                    double o = smoothstep(0.35, 0.95, (b.y() - 150) / 330.0);
                    base = QColor::fromRgbF(float(base.redF() + (m_style.streak.redF() - base.redF()) * o),
                                            float(base.greenF() + (m_style.streak.greenF() - base.greenF()) * o),
                                            float(base.blueF() + (m_style.streak.blueF() - base.blueF()) * o));
                }
                double root = 0.82 + 0.18 * smoothstep(0.0, 0.25, u);
                double f = layer.depth * s.var * root * (0.42 + 0.75 * diffuse) * darken;
                QColor c = strandColour(base, f, solid ? specular * 0.3 : specular, 0.55 * layer.depth);
                double w = s.width * widthScale * (1 - (solid ? 0.85 : 0.55) * u * u);
                double fade = layer.rootFade ? smoothstep(0.0, 0.12, u) : 1.0;
                if (solid && layer.rootFade && u < 0.2) continue;
                w *= 0.4 + 0.6 * fade;
                c.setAlphaF(float(solid ? 1.0 : alphaScale * s.alpha * fade * (u > 0.85 ? 1 - (u - 0.85) / 0.2 : 1.0)));
                QPen pen(c, w, Qt::SolidLine, Qt::RoundCap);
                p.setPen(pen);
                p.drawLine(a, b);
                QColor mc(255, 255, 255);
                mc.setAlphaF(c.alphaF());
                m.setPen(QPen(mc, w, Qt::SolidLine, Qt::RoundCap));
                m.drawLine(a, b);
            }
        };

        if (layer.underlay) {
            // A body of thick, dark strands: the hair reads as a mass with depth between strands.
            for (int i = 0; i < layer.strands / 6; ++i) paint(makeStrand(0.3), 3.8, 0.55, true);
        }
        for (int i = 0; i < layer.strands; ++i) paint(makeStrand(1.0), 1.0, 1.0, false);
        // A few loose strands at the edges keep the outline from looking cut out.
        for (int i = 0; i < layer.strands / 60; ++i) paint(makeStrand(2.0), 0.6, 1.1, false, 0.55);
    }

    void drawCoil(QPainter& p, QPainter& m, const Coil& coil)
    {
        std::mt19937 rng(m_style.seed * 104729u + unsigned(coil.strands));
        std::uniform_real_distribution<double> uni(0, 1);
        // Dark core first.
        QPainterPath core;
        core.addEllipse(coil.centre, coil.rx * 0.95, coil.ry * 0.95);
        p.fillPath(core, shade(m_style.hair, 0.55));
        m.fillPath(core, Qt::white);
        for (int i = 0; i < coil.strands; ++i) {
            double r = 0.12 + 0.88 * std::sqrt(uni(rng));
            double a0 = uni(rng) * 2 * Pi, len = 1.2 + 1.8 * uni(rng);
            double tilt = (uni(rng) - 0.5) * 0.5;
            double var = 0.8 + 0.35 * uni(rng);
            const int steps = 40;
            QPointF prev;
            for (int k = 0; k <= steps; ++k) {
                double a = a0 + len * k / steps;
                double rr = r * (1 - 0.15 * k / steps);
                QPointF q = coil.centre + QPointF(std::cos(a) * coil.rx * rr, std::sin(a + tilt) * coil.ry * rr);
                if (k > 0) {
                    QPointF tan = q - prev;
                    double specular = 0;
                    // A ball lit from the upper left: use its own normal.
                    double nx = (q.x() - coil.centre.x()) / coil.rx, ny = (q.y() - coil.centre.y()) / coil.ry;
                    double r2 = std::min(nx * nx + ny * ny, 0.98);
                    V3 n{nx, ny, std::sqrt(1 - r2)};
                    double tl = std::hypot(tan.x(), tan.y());
                    if (tl < 1e-6) { prev = q; continue; }
                    V3 t{tan.x() / tl, tan.y() / tl, 0};
                    t.z = -(n.x * t.x + n.y * t.y) / n.z;
                    t = normalised(t);
                    double th = dot(t, HalfVector);
                    specular = std::pow(std::max(0.0, 1 - th * th), 30.0);
                    double diffuse = std::max(0.0, dot(n, Light));
                    QColor c = strandColour(m_style.hair, var * (0.42 + 0.75 * diffuse), specular, 0.55);
                    c.setAlphaF(0.9f);
                    p.setPen(QPen(c, 1.3, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(prev, q);
                    m.setPen(QPen(QColor(255, 255, 255), 1.3, Qt::SolidLine, Qt::RoundCap));
                    m.drawLine(prev, q);
                }
                prev = q;
            }
        }
    }

    const Style& m_style;
    const QImage& m_portrait;
    QColor m_skin;
    QImage m_faceWeight;
};

bool writeCutout(const std::filesystem::path& path)
{
    std::ofstream out(path);
    out << "[\n  [";
    auto pts = faceOutline();
    for (size_t i = 0; i < pts.size(); ++i)
        out << (i ? ", " : "") << (i % 8 == 0 ? "\n    " : "") << "[" << int(pts[i].x()) << ", " << int(pts[i].y()) << "]";
    out << "\n  ]\n]\n";
    return bool(out);
}

QImage greyOf(const QImage& matte)
{
    QImage g(matte.width(), matte.height(), QImage::Format_Grayscale8);
    for (int y = 0; y < matte.height(); ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(matte.constScanLine(y));
        uchar* d = g.scanLine(y);
        for (int x = 0; x < matte.width(); ++x) d[x] = uchar(qRed(s[x]));
    }
    return g;
}

} // namespace

} // namespace hairgen

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: hairgen ASTRONAUT.png DATA_DIR [STYLE_ID...]\n");
        return 2;
    }
    QImage portrait(QString::fromLocal8Bit(argv[1]));
    if (portrait.isNull()) {
        std::fprintf(stderr, "hairgen: cannot read %s\n", argv[1]);
        return 1;
    }
    portrait = portrait.convertToFormat(QImage::Format_RGB32);
    std::filesystem::path dataDir = argv[2];
    std::vector<std::string> only(argv + 3, argv + argc);

    for (const hairgen::Style& style : hairgen::demoStyles()) {
        if (!only.empty() && std::find(only.begin(), only.end(), style.id) == only.end()) continue;
        std::filesystem::path dir = dataDir / "models" / style.id;
        std::filesystem::create_directories(dir);
        QImage picture, base, matte;
        hairgen::Renderer(style, portrait).render(picture, base, matte);
        picture.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString((dir / "picture.png").string()));
        base.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString((dir / "base.png").string()));
        hairgen::greyOf(matte).save(QString::fromStdString((dir / "hair.png").string()));
        hairgen::writeCutout(dir / "cutout.json");
        std::printf("%s: %s\n", style.id.c_str(), style.title.c_str());
    }

    if (only.empty()) {
        // Sample photos: one within 360 x 480, one larger for the crop step.
        std::filesystem::create_directories(dataDir / "photos");
        QImage face = portrait.copy(96, 0, 288, 384).scaled(360, 480, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        face.save(QString::fromStdString((dataDir / "photos" / "face.jpg").string()), "JPEG", 88);
        portrait.save(QString::fromStdString((dataDir / "photos" / "portrait.jpg").string()), "JPEG", 88);
    }
    return 0;
}
