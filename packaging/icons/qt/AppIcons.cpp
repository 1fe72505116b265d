// appicons: draws the menu icons of the editor and the presentation in the style of the editor's
// button faces - a rounded tile of a family colour with a white glyph - as PNG files of the usual
// icon theme sizes and as SVG, laid out as the hicolor icon theme wants them:
//
//   appicons OUTDIR EDITOR_ID PRESENTATION_ID
//
// writes OUTDIR/hicolor/NxN/apps/ID.png (16 to 256) and OUTDIR/hicolor/scalable/apps/ID.svg.
#include "editor/shell/ButtonFaces.h"
#include "editor/shell/qt/ButtonFaces.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <cstdio>
#include <functional>

namespace {

using Paint = std::function<void(QPainter&, const QRectF&)>;

// The editor: the face of its hairstyle command, the heart of the program.
void paintEditor(QPainter& p, const QRectF& r) { salon::paintButtonFace(p, salon::face::enabledCommand(1), r); }

// The presentation: a screen playing a show, on the tile colour of the program commands.
void presentationGlyph(QPainter& p)
{
    const QPen pen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(10, 16, 80, 56), 7, 7);
    p.drawLine(QPointF(50, 72), QPointF(50, 84));
    p.drawLine(QPointF(32, 86), QPointF(68, 86));
    QPainterPath play;
    play.moveTo(40, 30);
    play.lineTo(64, 44);
    play.lineTo(40, 58);
    play.closeSubpath();
    p.fillPath(play, Qt::white);
}

void paintPresentation(QPainter& p, const QRectF& r)
{
    salon::paintFaceTile(p, r, salon::buttonFaceColour(salon::face::enabledCommand(0)), presentationGlyph);
}

bool writePng(const QString& dir, const QString& id, int size, const Paint& paint)
{
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(dir).arg(size);
    if (!QDir().mkpath(folder)) return false;
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        paint(p, QRectF(0, 0, size, size));
    }
    return img.save(folder + "/" + id + ".png");
}

bool writeSvg(const QString& dir, const QString& id, const QString& title, const Paint& paint)
{
    const QString folder = dir + "/hicolor/scalable/apps";
    if (!QDir().mkpath(folder)) return false;
    QSvgGenerator svg;
    svg.setFileName(folder + "/" + id + ".svg");
    svg.setSize(QSize(128, 128));
    svg.setViewBox(QRectF(0, 0, 128, 128));
    svg.setTitle(title);
    QPainter p;
    if (!p.begin(&svg)) return false;
    paint(p, QRectF(0, 0, 128, 128));
    return p.end();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: appicons OUTDIR EDITOR_ID PRESENTATION_ID\n", stderr);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const struct {
        QString id, title;
        Paint paint;
    } icons[] = {{QString::fromLocal8Bit(argv[2]), "Salon editor", paintEditor},
                 {QString::fromLocal8Bit(argv[3]), "Salon presentation", paintPresentation}};
    for (const auto& icon : icons) {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            if (!writePng(dir, icon.id, size, icon.paint)) {
                std::fprintf(stderr, "appicons: cannot write the %dx%d icon\n", size, size);
                return 1;
            }
        if (!writeSvg(dir, icon.id, icon.title, icon.paint)) {
            std::fputs("appicons: cannot write the SVG icon\n", stderr);
            return 1;
        }
    }
    return 0;
}
