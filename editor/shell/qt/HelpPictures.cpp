#include "editor/shell/qt/HelpPictures.h"

#include "platform/qt/QtImage.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace salon {
namespace {

const QColor Ink(70, 30, 90);
const QColor Accent(150, 60, 170);
const QColor Skin(236, 196, 168);
const QColor Hair(92, 56, 32);

// Short names under the pictures, in the editor's language.
const char* const Captions[16] = {
    "Ukončení",        "Výběr účesu",   "Usazení do účesu", "Barva vlasů", "Razítko",  "Tisk",
    "Zrušení návratu", "Nápověda",      "Uložení",          "Otevření fotografie", "Velikost", "Přemístění",
    "Zrcadlení",       "Deformace",     "Rotace",           "Návrat zpět",
};

void arrowHead(QPainter& p, QPointF tip, double angleDeg, double size)
{
    const double a = angleDeg * M_PI / 180.0;
    QPolygonF head;
    head << tip << tip - QPointF(size * std::cos(a - 0.45), size * std::sin(a - 0.45))
         << tip - QPointF(size * std::cos(a + 0.45), size * std::sin(a + 0.45));
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
    p.restore();
}

void arrow(QPainter& p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QPointF d = to - from;
    arrowHead(p, to, std::atan2(d.y(), d.x()) * 180.0 / M_PI, 14);
}

// A face with a hairdo, centred on c, scaled by s.
void head(QPainter& p, QPointF c, double s, bool withHair = true)
{
    p.save();
    if (withHair) {
        QPainterPath hair;
        hair.moveTo(c + QPointF(-34 * s, 30 * s));
        hair.cubicTo(c + QPointF(-52 * s, -40 * s), c + QPointF(52 * s, -40 * s), c + QPointF(34 * s, 30 * s));
        hair.cubicTo(c + QPointF(30 * s, -8 * s), c + QPointF(-30 * s, -8 * s), c + QPointF(-34 * s, 30 * s));
        p.setBrush(Hair);
        p.setPen(Qt::NoPen);
        p.drawPath(hair);
    }
    p.setBrush(Skin);
    p.setPen(QPen(Ink, 2));
    p.drawEllipse(c + QPointF(0, 8 * s), 24 * s, 31 * s);
    p.setBrush(Ink);
    p.drawEllipse(c + QPointF(-9 * s, 2 * s), 2.5 * s, 2.5 * s);
    p.drawEllipse(c + QPointF(9 * s, 2 * s), 2.5 * s, 2.5 * s);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c + QPointF(-9 * s, 12 * s), QSizeF(18 * s, 12 * s)), 200 * 16, 140 * 16);
    p.restore();
}

void curvedArrow(QPainter& p, QPointF c, double r, bool clockwise)
{
    QPainterPath path;
    const double start = clockwise ? 150 : 30, span = clockwise ? -240 : 240;
    path.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), start);
    path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), start, span);
    p.drawPath(path);
    const double end = (start + span) * M_PI / 180.0;
    const QPointF tip(c.x() + r * std::cos(end), c.y() - r * std::sin(end));
    // Tangent direction at the end of the arc (screen y grows downward).
    const double tangent = clockwise ? std::atan2(-std::cos(end), -std::sin(end)) : std::atan2(std::cos(end), std::sin(end));
    arrowHead(p, tip, tangent * 180.0 / M_PI + (clockwise ? 180 : 0), 16);
}

void drawPictogram(QPainter& p, int topic)
{
    p.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c(120, 68);
    switch (topic) {
    case 0:  // exit: a door and an arrow leaving through it
        p.setBrush(QColor(220, 200, 235));
        p.drawRect(QRectF(70, 20, 60, 96));
        p.setBrush(Ink);
        p.drawEllipse(QPointF(118, 70), 4, 4);
        p.setBrush(Qt::NoBrush);
        arrow(p, QPointF(110, 68), QPointF(185, 68));
        break;
    case 1:  // choose a hairstyle: three heads, the middle one framed
        head(p, QPointF(55, 72), 0.75);
        head(p, QPointF(185, 72), 0.75);
        head(p, c, 1.0);
        p.setPen(QPen(Accent, 3, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(78, 14, 84, 110), 8, 8);
        break;
    case 2: {  // fit: the face set into the hair, with the two levels
        head(p, c, 1.15);
        QFont f("DejaVu Sans", 13, QFont::Bold);
        p.setFont(f);
        p.setPen(Accent);
        p.drawText(QRectF(2, 40, 66, 30), Qt::AlignCenter, "100 %");
        p.drawText(QRectF(172, 40, 66, 30), Qt::AlignCenter, "60 %");
        break;
    }
    case 3: {  // hair colour: swatches, one crossed
        const QColor sw[6] = {QColor(36, 30, 34), QColor(125, 53, 28), QColor(140, 109, 73),
                              QColor(172, 131, 77), QColor(92, 24, 26), QColor(171, 145, 83)};
        for (int i = 0; i < 6; ++i) {
            p.setPen(QPen(Ink, 2));
            p.setBrush(sw[i]);
            p.drawRect(QRectF(18 + i * 35, 30, 32, 80));
        }
        p.setPen(QPen(QColor(255, 0, 0), 4));
        p.drawLine(QPointF(162, 38), QPointF(184, 102));
        p.drawLine(QPointF(184, 38), QPointF(162, 102));
        break;
    }
    case 4: {  // stamp: sample disc and the place it is copied to
        QRadialGradient g(QPointF(70, 70), 30);
        g.setColorAt(0, Skin);
        g.setColorAt(1, QColor(236, 196, 168, 0));
        p.setPen(QPen(Ink, 2, Qt::DashLine));
        p.setBrush(g);
        p.drawEllipse(QPointF(70, 70), 30, 30);
        QRadialGradient g2(QPointF(175, 70), 30);
        g2.setColorAt(0, Skin);
        g2.setColorAt(1, QColor(170, 120, 110));
        p.setBrush(g2);
        p.setPen(QPen(Ink, 2));
        p.drawEllipse(QPointF(175, 70), 30, 30);
        p.setPen(QPen(Accent, 4, Qt::SolidLine, Qt::RoundCap));
        arrow(p, QPointF(104, 70), QPointF(140, 70));
        p.setFont(QFont("DejaVu Sans", 9));
        p.setPen(Ink);
        p.drawText(QRectF(30, 104, 80, 20), Qt::AlignCenter, "pravé tl.");
        p.drawText(QRectF(135, 104, 80, 20), Qt::AlignCenter, "levé tl.");
        break;
    }
    case 5:  // print: a printer with a sheet
        p.setBrush(Qt::white);
        p.drawRect(QRectF(85, 12, 70, 45));
        head(p, QPointF(120, 30), 0.35, true);
        p.setBrush(QColor(200, 190, 215));
        p.setPen(QPen(Ink, 4));
        p.drawRoundedRect(QRectF(55, 50, 130, 55), 8, 8);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(80, 90, 80, 32));
        break;
    case 6:  // redo
        curvedArrow(p, c, 40, true);
        break;
    case 7: {  // help
        p.setBrush(QColor(250, 245, 255));
        p.drawEllipse(c, 52, 52);
        p.setFont(QFont("DejaVu Serif", 56, QFont::Bold));
        p.setPen(Accent);
        p.drawText(QRectF(c.x() - 50, c.y() - 52, 100, 104), Qt::AlignCenter, "?");
        break;
    }
    case 8:  // save: a diskette
        p.setBrush(QColor(110, 80, 150));
        p.drawRoundedRect(QRectF(75, 18, 90, 96), 6, 6);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(90, 70, 60, 44));
        p.setBrush(QColor(210, 210, 220));
        p.drawRect(QRectF(95, 18, 50, 30));
        arrow(p, QPointF(200, 20), QPointF(200, 100));
        break;
    case 9:  // open a photo: a folder with a portrait
        p.setBrush(QColor(240, 200, 110));
        p.drawRoundedRect(QRectF(45, 40, 150, 85), 6, 6);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(90, 12, 60, 80));
        head(p, QPointF(120, 45), 0.55, false);
        p.setBrush(QColor(250, 215, 130));
        p.drawRoundedRect(QRectF(45, 70, 150, 55), 6, 6);
        break;
    case 10:  // scale: a face with arrows outward
        head(p, c, 0.9, false);
        arrow(p, c + QPointF(-40, -40), c + QPointF(-70, -60));
        arrow(p, c + QPointF(40, -40), c + QPointF(70, -60));
        arrow(p, c + QPointF(-40, 45), c + QPointF(-70, 60));
        arrow(p, c + QPointF(40, 45), c + QPointF(70, 60));
        break;
    case 11:  // move: four-way arrows around a face
        head(p, c, 0.8, false);
        arrow(p, c + QPointF(0, -36), c + QPointF(0, -62));
        arrow(p, c + QPointF(0, 44), c + QPointF(0, 62));
        arrow(p, c + QPointF(-30, 6), c + QPointF(-80, 6));
        arrow(p, c + QPointF(30, 6), c + QPointF(80, 6));
        break;
    case 12: {  // mirror: a face and its mirror image about a dashed axis
        head(p, QPointF(70, 72), 0.8, true);
        p.save();
        p.translate(340, 0);
        p.scale(-1, 1);
        head(p, QPointF(170, 72), 0.8, true);
        p.restore();
        p.setPen(QPen(Accent, 3, Qt::DashLine));
        p.drawLine(QPointF(120, 8), QPointF(120, 128));
        break;
    }
    case 13: {  // deformation: a grid narrowed on one side
        p.setPen(QPen(Ink, 2));
        for (int i = 0; i <= 6; ++i) {
            const double t = i / 6.0;
            p.drawLine(QPointF(60 + t * 120, 20 + (1 - t) * 0 + t * 14), QPointF(60 + t * 120, 120 - t * 14));
            p.drawLine(QPointF(60, 20 + t * 100), QPointF(180, 34 + t * 72));
        }
        p.setPen(QPen(Accent, 4));
        arrow(p, QPointF(200, 40), QPointF(200, 100));
        break;
    }
    case 14:  // rotate: a tilted face and a rotating arrow
        p.save();
        p.translate(c);
        p.rotate(-15);
        head(p, QPointF(0, 0), 0.8, false);
        p.restore();
        p.setPen(QPen(Accent, 4, Qt::SolidLine, Qt::RoundCap));
        curvedArrow(p, c, 58, true);
        p.setPen(QPen(Ink, 2, Qt::DashLine));
        p.drawLine(QPointF(112, 20), QPointF(130, 118));
        break;
    case 15:  // undo
        curvedArrow(p, c, 40, false);
        break;
    default: break;
    }
}

} // namespace

Bitmap helpPicture(int32_t id)
{
    const int topic = id - 50;
    if (topic < 0 || topic > 15) return {};
    QImage img(HelpPictureWidth, HelpPictureHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, HelpPictureHeight);
    bg.setColorAt(0, QColor(250, 244, 255));
    bg.setColorAt(1, QColor(228, 212, 246));
    p.fillRect(img.rect(), bg);
    drawPictogram(p, topic);
    p.setPen(Ink);
    p.setFont(QFont("DejaVu Sans", 12, QFont::Bold));
    p.drawText(QRectF(0, HelpPictureHeight - 34, HelpPictureWidth, 30), Qt::AlignCenter,
               QString::fromUtf8(Captions[topic]));
    p.setPen(QPen(Accent, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, HelpPictureWidth - 2, HelpPictureHeight - 2));
    p.end();
    return fromQImage(img);
}

} // namespace salon
