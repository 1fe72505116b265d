#include "editor/shell/qt/ButtonFaces.h"

#include "editor/shell/ButtonFaces.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <vector>

namespace salon {
namespace {

enum class Family { File, Style, Face, History, Sub };

// Every glyph is drawn on a 100 x 100 canvas and scaled to the button.
using Glyph = void (*)(QPainter&);

QColor tileColour(Family f)
{
    switch (f) {
    case Family::File: return QColor(52, 101, 164);
    case Family::Style: return QColor(133, 62, 130);
    case Family::Face: return QColor(24, 128, 128);
    case Family::History: return QColor(206, 124, 20);
    case Family::Sub: return QColor(92, 86, 140);
    }
    return Qt::gray;
}

QPen glyphPen(qreal w = 7) { return QPen(Qt::white, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void arrowHead(QPainter& p, QPointF tip, qreal angleDeg, qreal size = 16)
{
    const qreal a = qDegreesToRadians(angleDeg);
    QPointF back(tip.x() - size * qCos(a), tip.y() - size * qSin(a));
    QPointF n(-qSin(a) * size * 0.75, qCos(a) * size * 0.75);
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(back + n);
    path.lineTo(back - n);
    path.closeSubpath();
    p.fillPath(path, Qt::white);
}

void straightArrow(QPainter& p, QPointF from, QPointF to, qreal head = 18, qreal width = 8)
{
    const qreal ang = qRadiansToDegrees(qAtan2(to.y() - from.y(), to.x() - from.x()));
    const qreal a = qDegreesToRadians(ang);
    QPointF shaftEnd(to.x() - head * 0.8 * qCos(a), to.y() - head * 0.8 * qSin(a));
    p.setPen(glyphPen(width));
    p.drawLine(from, shaftEnd);
    arrowHead(p, to, ang, head);
}

void curvedArrow(QPainter& p, bool clockwise, qreal startDeg = 30, qreal spanDeg = 270)
{
    // Qt angles run counter-clockwise; the head sits at the end of the sweep.
    const QRectF r(24, 24, 52, 52);
    p.setPen(glyphPen(8));
    p.setBrush(Qt::NoBrush);
    const qreal span = clockwise ? -spanDeg : spanDeg;
    p.drawArc(r, int(startDeg * 16), int(span * 16));
    const qreal endDeg = startDeg + span;
    const qreal e = qDegreesToRadians(endDeg);
    QPointF end(50 + 26 * qCos(e), 50 - 26 * qSin(e));
    // Tangent direction in screen coordinates.
    const qreal tangent = clockwise ? endDeg + 90 : endDeg - 90;
    arrowHead(p, end + QPointF(6 * qCos(qDegreesToRadians(-tangent)), 6 * qSin(qDegreesToRadians(-tangent))), -tangent, 18);
}

void faceOutline(QPainter& p, QRectF r, bool features = true)
{
    p.setPen(glyphPen(6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r);
    if (!features)
        return;
    const qreal cx = r.center().x(), cy = r.center().y();
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx - r.width() * 0.18, cy - r.height() * 0.08), 3.5, 3.5);
    p.drawEllipse(QPointF(cx + r.width() * 0.18, cy - r.height() * 0.08), 3.5, 3.5);
    p.setPen(glyphPen(4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - r.width() * 0.2, cy, r.width() * 0.4, r.height() * 0.25), -20 * 16, -140 * 16);
}

void hair(QPainter& p, QRectF head)
{
    QPainterPath path;
    path.moveTo(head.left() - 4, head.center().y() + 18);
    path.cubicTo(head.left() - 10, head.top() - 14, head.right() + 10, head.top() - 14, head.right() + 4,
                 head.center().y() + 18);
    path.cubicTo(head.right() - 6, head.top() + 10, head.left() + 6, head.top() + 10, head.left() - 4,
                 head.center().y() + 18);
    p.fillPath(path, Qt::white);
}

// --- The sixteen commands -----------------------------------------------------------------------

void gExit(QPainter& p)
{
    p.setPen(glyphPen(8));
    p.drawArc(QRectF(24, 26, 52, 52), 120 * 16, 300 * 16);
    p.drawLine(QPointF(50, 18), QPointF(50, 50));
}

void gHairstyle(QPainter& p)
{
    const QRectF head(32, 30, 36, 46);
    faceOutline(p, head);
    hair(p, head);
    // Long strands either side.
    p.setPen(glyphPen(6));
    p.drawLine(QPointF(28, 50), QPointF(24, 82));
    p.drawLine(QPointF(72, 50), QPointF(76, 82));
}

void gFit(QPainter& p)
{
    faceOutline(p, QRectF(22, 28, 40, 50));
    // A drop of colour at the side.
    QPainterPath drop;
    drop.moveTo(76, 30);
    drop.cubicTo(90, 50, 88, 68, 76, 68);
    drop.cubicTo(64, 68, 62, 50, 76, 30);
    p.fillPath(drop, QColor(255, 214, 170));
    p.setPen(glyphPen(3));
    p.drawPath(drop);
}

void gHairColour(QPainter& p)
{
    // A brush over three colour stripes of hair.
    const QColor colours[3] = {QColor(120, 70, 30), QColor(230, 190, 90), QColor(180, 40, 40)};
    for (int k = 0; k < 3; ++k) {
        QPainterPath s;
        s.moveTo(20 + k * 14, 84);
        s.cubicTo(14 + k * 14, 60, 30 + k * 14, 40, 26 + k * 14, 18);
        p.setPen(QPen(colours[k], 9, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(s);
    }
    p.setPen(glyphPen(7));
    p.drawLine(QPointF(84, 16), QPointF(64, 56));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(62, 62), 9, 9);
}

void gStamp(QPainter& p)
{
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(40, 14, 20, 30), 8, 8);
    p.drawRect(QRectF(44, 42, 12, 12));
    p.drawRoundedRect(QRectF(22, 52, 56, 14), 4, 4);
    p.setPen(glyphPen(5));
    p.drawLine(QPointF(22, 80), QPointF(78, 80));
}

void gPrint(QPainter& p)
{
    p.setPen(glyphPen(5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(32, 16, 36, 22));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(18, 38, 64, 28), 5, 5);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(32, 58, 36, 26));
    p.drawLine(QPointF(38, 68), QPointF(62, 68));
    p.drawLine(QPointF(38, 76), QPointF(56, 76));
}

// A hook-shaped arrow: over the top and down, head on the right (redo) or the left (undo).
void hookArrow(QPainter& p, bool right)
{
    p.save();
    if (!right) {
        p.translate(100, 0);
        p.scale(-1, 1);
    }
    QPainterPath path;
    path.moveTo(22, 80);
    path.lineTo(22, 56);
    path.cubicTo(22, 22, 72, 18, 76, 50);
    p.setPen(glyphPen(10));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    arrowHead(p, QPointF(77, 74), 90, 26);
    p.restore();
}
void gRedo(QPainter& p) { hookArrow(p, true); }
void gUndo(QPainter& p) { hookArrow(p, false); }

void gHelp(QPainter& p)
{
    QFont f("DejaVu Sans", 58, QFont::Bold);
    f.setPixelSize(64);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 4, 100, 96), Qt::AlignCenter, "?");
}

void gSave(QPainter& p)
{
    p.setPen(glyphPen(5));
    p.setBrush(Qt::NoBrush);
    QPainterPath disk;
    disk.moveTo(20, 18);
    disk.lineTo(70, 18);
    disk.lineTo(82, 30);
    disk.lineTo(82, 82);
    disk.lineTo(20, 82);
    disk.closeSubpath();
    p.drawPath(disk);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(32, 18, 30, 20));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(30, 52, 42, 30));
}

void gOpenPhoto(QPainter& p)
{
    // A photo frame with a small portrait, and an opening arrow.
    p.setPen(glyphPen(5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(16, 22, 50, 60));
    faceOutline(p, QRectF(29, 34, 24, 30), false);
    p.setPen(glyphPen(5));
    p.drawArc(QRectF(22, 62, 38, 30), 20 * 16, 140 * 16);
    straightArrow(p, QPointF(70, 80), QPointF(86, 28), 16, 7);
}

void gScale(QPainter& p)
{
    p.setPen(glyphPen(3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(38, 38, 24, 24));
    straightArrow(p, QPointF(36, 36), QPointF(14, 14), 16, 6);
    straightArrow(p, QPointF(64, 36), QPointF(86, 14), 16, 6);
    straightArrow(p, QPointF(36, 64), QPointF(14, 86), 16, 6);
    straightArrow(p, QPointF(64, 64), QPointF(86, 86), 16, 6);
}

void gMove(QPainter& p)
{
    straightArrow(p, QPointF(50, 50), QPointF(50, 12), 16, 6);
    straightArrow(p, QPointF(50, 50), QPointF(50, 88), 16, 6);
    straightArrow(p, QPointF(50, 50), QPointF(12, 50), 16, 6);
    straightArrow(p, QPointF(50, 50), QPointF(88, 50), 16, 6);
}

void gMirror(QPainter& p)
{
    QPainterPath l, r;
    l.moveTo(42, 24);
    l.lineTo(42, 76);
    l.lineTo(12, 76);
    l.closeSubpath();
    r.moveTo(58, 24);
    r.lineTo(58, 76);
    r.lineTo(88, 76);
    r.closeSubpath();
    p.fillPath(l, Qt::white);
    p.setPen(glyphPen(4));
    p.drawPath(r);
    p.setPen(QPen(Qt::white, 3, Qt::DashLine));
    p.drawLine(QPointF(50, 10), QPointF(50, 90));
}

void gDeform(QPainter& p)
{
    // A face narrowed on one side: the imitated head turn.
    QPainterPath head;
    head.moveTo(30, 22);
    head.cubicTo(60, 12, 84, 30, 80, 52);
    head.cubicTo(76, 78, 52, 90, 36, 80);
    head.cubicTo(24, 70, 18, 36, 30, 22);
    p.setPen(glyphPen(6));
    p.drawPath(head);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(44, 46), 3, 3);
    p.drawEllipse(QPointF(64, 44), 4, 4);
    straightArrow(p, QPointF(26, 94), QPointF(8, 94), 10, 4);
}

void drawRotation(QPainter& p, bool clockwise, bool coarse);

void gRotate(QPainter& p)
{
    drawRotation(p, true, false);
    p.save();
    p.translate(50, 50);
    p.rotate(20);
    p.setPen(glyphPen(5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(-11, -15, 22, 30));
    p.restore();
}

// --- Sub-panel faces ------------------------------------------------------------------------------

void coarseMarks(QPainter& p, qreal angleDeg)
{
    // A second head behind the first marks the coarse step.
    const qreal a = qDegreesToRadians(angleDeg);
    arrowHead(p, QPointF(50 + 10 * qCos(a), 50 + 10 * qSin(a)), angleDeg, 28);
}

void drawDirection(QPainter& p, qreal angleDeg, bool coarse)
{
    const qreal a = qDegreesToRadians(angleDeg);
    QPointF tip(50 + 38 * qCos(a), 50 + 38 * qSin(a));
    QPointF tail(50 - 34 * qCos(a), 50 - 34 * qSin(a));
    straightArrow(p, tail, tip, 28, 11);
    if (coarse)
        coarseMarks(p, angleDeg);
}

void drawAxisScale(QPainter& p, bool vertical, bool grow, bool coarse)
{
    // Two opposite arrows along one axis, pointing out (grow) or in (shrink), about a bar.
    p.save();
    if (vertical) {
        p.translate(100, 0);
        p.rotate(90);
    }
    p.setPen(glyphPen(6));
    p.drawLine(QPointF(50, 30), QPointF(50, 70));
    if (grow) {
        straightArrow(p, QPointF(42, 50), QPointF(8, 50), 22, 9);
        straightArrow(p, QPointF(58, 50), QPointF(92, 50), 22, 9);
    } else {
        straightArrow(p, QPointF(6, 50), QPointF(40, 50), 22, 9);
        straightArrow(p, QPointF(94, 50), QPointF(60, 50), 22, 9);
    }
    if (coarse) {
        p.setPen(glyphPen(5));
        p.drawLine(QPointF(30, 26), QPointF(30, 74));
        p.drawLine(QPointF(70, 26), QPointF(70, 74));
    }
    p.restore();
}

void drawSize(QPainter& p, bool grow, bool coarse)
{
    p.setPen(glyphPen(5));
    p.setBrush(Qt::NoBrush);
    const qreal s = grow ? 34 : 20;
    p.drawRect(QRectF(50 - s / 2, 50 - s / 2, s, s));
    if (grow) {
        straightArrow(p, QPointF(30, 30), QPointF(8, 8), 18, 7);
        straightArrow(p, QPointF(70, 70), QPointF(92, 92), 18, 7);
    } else {
        straightArrow(p, QPointF(6, 6), QPointF(34, 34), 18, 7);
        straightArrow(p, QPointF(94, 94), QPointF(66, 66), 18, 7);
    }
    if (coarse) {
        straightArrow(p, grow ? QPointF(70, 30) : QPointF(94, 6), grow ? QPointF(92, 8) : QPointF(66, 34), 18, 7);
        straightArrow(p, grow ? QPointF(30, 70) : QPointF(6, 94), grow ? QPointF(8, 92) : QPointF(34, 66), 18, 7);
    }
}

void drawRotation(QPainter& p, bool clockwise, bool coarse)
{
    p.setPen(glyphPen(coarse ? 13 : 10));
    p.setBrush(Qt::NoBrush);
    const QRectF r(18, 18, 64, 64);
    const qreal start = clockwise ? 150 : 30;
    const qreal span = clockwise ? -240 : 240;
    p.drawArc(r, int(start * 16), int(span * 16));
    const qreal endDeg = start + span;
    const qreal e = qDegreesToRadians(endDeg);
    QPointF end(50 + 32 * qCos(e), 50 - 32 * qSin(e));
    const qreal dir = clockwise ? -(endDeg - 90) : -(endDeg + 90);
    arrowHead(p, end + QPointF(10 * qCos(qDegreesToRadians(dir)), 10 * qSin(qDegreesToRadians(dir))), dir, coarse ? 34 : 28);
}

void drawDeformation(QPainter& p, int which)
{
    // A face (ellipse) squeezed on one side, with an arrow for the imitated movement.
    p.setPen(glyphPen(7));
    p.setBrush(Qt::NoBrush);
    QPainterPath head;
    switch (which) {
    case 0:  // lean forward: low forehead, long chin
        head.moveTo(22, 40);
        head.cubicTo(30, 22, 70, 22, 78, 40);
        head.cubicTo(80, 80, 60, 96, 50, 96);
        head.cubicTo(40, 96, 20, 80, 22, 40);
        break;
    case 1:  // lean back: tall forehead, narrow chin
        head.moveTo(20, 46);
        head.cubicTo(18, 0, 82, 0, 80, 46);
        head.cubicTo(78, 68, 60, 80, 50, 80);
        head.cubicTo(40, 80, 22, 68, 20, 46);
        break;
    case 2:  // turn right: left side narrowed
        head.moveTo(36, 16);
        head.cubicTo(80, 8, 92, 40, 86, 60);
        head.cubicTo(80, 88, 50, 94, 38, 84);
        head.cubicTo(24, 70, 22, 30, 36, 16);
        break;
    default:  // turn left: right side narrowed
        head.moveTo(64, 16);
        head.cubicTo(20, 8, 8, 40, 14, 60);
        head.cubicTo(20, 88, 50, 94, 62, 84);
        head.cubicTo(76, 70, 78, 30, 64, 16);
        break;
    }
    p.drawPath(head);
    static const QPointF eyes[4][2] = {{{38, 60}, {62, 60}}, {{38, 40}, {62, 40}},
                                       {{54, 44}, {76, 44}}, {{24, 44}, {46, 44}}};
    static const QPointF mouths[4] = {{50, 82}, {50, 60}, {66, 70}, {34, 70}};
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const QPointF& e : eyes[which])
        p.drawEllipse(e, 6, 6);
    p.setPen(glyphPen(6));
    p.drawLine(mouths[which] - QPointF(9, 0), mouths[which] + QPointF(9, 0));
}

void drawFitLevel(QPainter& p, const QString& label)
{
    faceOutline(p, QRectF(30, 10, 40, 48));
    QFont f("DejaVu Sans");
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 58, 100, 40), Qt::AlignCenter, label);
}

void drawReset(QPainter& p)
{
    drawRotation(p, false, false);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(50, 50), 11, 11);
}

void drawStampSize(QPainter& p, int k)
{
    const qreal r = 10 + 10 * k;
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(50, 50), r, r);
}

void drawCoverage(QPainter& p, bool coarse)
{
    QRadialGradient g(QPointF(50, 50), 40);
    g.setColorAt(0, QColor(255, 255, 255, coarse ? 255 : 170));
    g.setColorAt(coarse ? 0.8 : 0.4, QColor(255, 255, 255, coarse ? 230 : 90));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(50, 50), 40, 40);
}

void drawBank(QPainter& p, int k)
{
    static const QColor banks[3][3] = {
        {QColor(60, 36, 20), QColor(120, 72, 36), QColor(170, 110, 60)},
        {QColor(200, 160, 90), QColor(235, 205, 140), QColor(250, 230, 180)},
        {QColor(150, 30, 30), QColor(200, 80, 40), QColor(110, 40, 120)},
    };
    if (k == 3) {
        // The model's own colour: a strand of hair with a return arrow.
        hair(p, QRectF(30, 36, 40, 46));
        curvedArrow(p, false, 200, 200);
        return;
    }
    for (int s = 0; s < 3; ++s) {
        QPainterPath strand;
        strand.moveTo(24 + s * 20, 88);
        strand.cubicTo(14 + s * 20, 62, 36 + s * 20, 36, 28 + s * 20, 12);
        p.setPen(QPen(banks[k][s], 14, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(strand);
    }
}

struct FaceSpec {
    Family family;
    std::function<void(QPainter&)> draw;
};

bool faceSpec(int32_t id, FaceSpec& out, bool& disabled)
{
    disabled = false;
    int32_t base = id;
    if (id >= 70 && id <= 85) {
        disabled = true;
        base = id - 60;
    }
    static const Glyph commands[16] = {gExit, gHairstyle, gFit, gHairColour, gStamp, gPrint, gRedo, gHelp,
                                       gSave, gOpenPhoto, gScale, gMove, gMirror, gDeform, gRotate, gUndo};
    static const Family families[16] = {Family::File, Family::Style, Family::Style, Family::Style,
                                        Family::Style, Family::File, Family::History, Family::File,
                                        Family::File, Family::File, Family::Face, Family::Face,
                                        Family::Face, Family::Face, Family::Face, Family::History};
    if (base >= 10 && base <= 25) {
        out = {families[base - 10], commands[base - 10]};
        return true;
    }
    const Family sub = Family::Sub;
    if (id >= 30 && id <= 49) {
        const bool coarse = id >= 40;
        const int k = (id - 30) % 10;
        if (k <= 3) {
            static const qreal dirs[4] = {-90, 90, 180, 0};
            out = {sub, [=](QPainter& p) { drawDirection(p, dirs[k], coarse); }};
        } else if (k <= 5) {
            out = {sub, [=](QPainter& p) { drawRotation(p, k == 4, coarse); }};
        } else {
            const int a = k - 6;  // taller, shorter, wider, narrower
            out = {sub, [=](QPainter& p) { drawAxisScale(p, a < 2, a % 2 == 0, coarse); }};
        }
        return true;
    }
    if (id >= 86 && id <= 89) {
        const bool coarse = id >= 88;
        const bool grow = (id - 86) % 2 == 1;
        out = {sub, [=](QPainter& p) { drawSize(p, grow, coarse); }};
        return true;
    }
    if (id >= 90 && id <= 93) {
        out = {sub, [=](QPainter& p) { drawDeformation(p, id - 90); }};
        return true;
    }
    switch (id) {
    case face::Reset: out = {sub, drawReset}; return true;
    case face::Fit100: out = {Family::Style, [](QPainter& p) { drawFitLevel(p, "100%"); }}; return true;
    case face::Fit60: out = {Family::Style, [](QPainter& p) { drawFitLevel(p, "60%"); }}; return true;
    case face::FitSeamless: out = {Family::Style, [](QPainter& p) { drawFitLevel(p, QString::fromUtf8("\u2248")); }}; return true;
    default: break;
    }
    if (id >= face::StampSize && id < face::StampSize + 4) {
        out = {sub, [=](QPainter& p) { drawStampSize(p, id - face::StampSize); }};
        return true;
    }
    if (id >= face::Coverage && id < face::Coverage + 2) {
        out = {sub, [=](QPainter& p) { drawCoverage(p, id == face::Coverage + 1); }};
        return true;
    }
    if (id >= face::Bank && id < face::Bank + 4) {
        out = {Family::Style, [=](QPainter& p) { drawBank(p, id - face::Bank); }};
        return true;
    }
    return false;
}

} // namespace

void paintFaceTile(QPainter& p, const QRectF& rect, const QColor& colour,
                   const std::function<void(QPainter&)>& glyph, bool disabled)
{
    const qreal width = rect.width(), height = rect.height();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, rect.top(), 0, rect.top() + height);
    g.setColorAt(0, colour.lighter(135));
    g.setColorAt(1, colour.darker(115));
    const qreal radius = qMin(width, height) * 0.18;
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(rect.left() + 0.5, rect.top() + 0.5, width - 1, height - 1), radius, radius);
    // Glyph on the 100 x 100 canvas, inset so that it never touches the tile's edge.
    const qreal inset = 0.12;
    p.translate(rect.left() + width * inset, rect.top() + height * inset);
    p.scale(width * (1 - 2 * inset) / 100.0, height * (1 - 2 * inset) / 100.0);
    if (disabled)
        p.setOpacity(0.55);
    glyph(p);
    p.restore();
}

bool paintButtonFace(QPainter& p, int32_t id, const QRectF& rect)
{
    FaceSpec spec;
    bool disabled = false;
    if (rect.width() <= 0 || rect.height() <= 0 || !faceSpec(id, spec, disabled))
        return false;
    paintFaceTile(p, rect, buttonFaceColour(id), spec.draw, disabled);
    return true;
}

QColor buttonFaceColour(int32_t id)
{
    FaceSpec spec;
    bool disabled = false;
    if (!faceSpec(id, spec, disabled))
        return {};
    return disabled ? QColor(168, 168, 172) : tileColour(spec.family);
}

QImage buttonFace(int32_t id, int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    if (!paintButtonFace(p, id, QRectF(0, 0, width, height)))
        return {};
    return img;
}

QImage buttonFaceSheet()
{
    std::vector<int32_t> ids;
    for (int32_t id = 10; id <= 29; ++id)
        ids.push_back(id);
    for (int32_t id = 30; id <= 49; ++id)
        ids.push_back(id);
    for (int32_t id = 70; id <= 93; ++id)
        ids.push_back(id);
    for (int32_t id = 102; id <= 111; ++id)
        ids.push_back(id);
    const int cell = 70, cols = 10;
    const int rows = int((ids.size() + cols - 1) / cols);
    QImage sheet(cols * cell, rows * cell, QImage::Format_RGB32);
    sheet.fill(QColor(240, 228, 255));
    QPainter p(&sheet);
    QFont f("DejaVu Sans");
    f.setPixelSize(10);
    p.setFont(f);
    for (size_t k = 0; k < ids.size(); ++k) {
        const int x = int(k % cols) * cell, y = int(k / cols) * cell;
        QImage face = buttonFace(ids[k], 45, 45);
        if (!face.isNull())
            p.drawImage(x + 12, y + 4, face);
        p.setPen(Qt::black);
        p.drawText(QRect(x, y + 52, cell, 14), Qt::AlignCenter, QString::number(ids[k]));
    }
    return sheet;
}

QImage editorResourcePicture(int32_t id)
{
    if (id == face::EmptySample) {
        QImage img(41, 41, QImage::Format_RGB32);
        img.fill(Qt::white);
        return img;
    }
    if (id == face::FaceMask) {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(Qt::white);
        return img;
    }
    return {};
}

} // namespace salon
