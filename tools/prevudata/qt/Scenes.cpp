#include "tools/prevudata/Scenes.h"

#include "platform/qt/QtImage.h"
#include "presentation/Presentation.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

namespace salon::tools {

namespace {

const QColor Plum(96, 48, 112);
const QColor Rose(196, 120, 150);
const QColor Gold(214, 176, 96);
const QColor Ink(50, 34, 58);

QRect areaRect(int screen, int area)
{
    const salon::Rect& r = prevu::hotAreaTable(screen)[size_t(area - 1)];
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The salon room every screen stands in: a warm wall with panels, a floor of tiles, a lamp's light.
void room(QPainter& p, bool withMirror)
{
    QLinearGradient wall(0, 0, 0, 520);
    wall.setColorAt(0, QColor(250, 238, 232));
    wall.setColorAt(1, QColor(232, 208, 206));
    p.fillRect(QRect(0, 0, 944, 520), wall);
    p.setPen(QPen(QColor(220, 190, 190), 2));
    for (int x = 300; x < 944; x += 160) p.drawRect(QRect(x + 10, 60, 140, 420));
    // Floor: tiles in perspective rows.
    QLinearGradient floor(0, 520, 0, 708);
    floor.setColorAt(0, QColor(200, 178, 168));
    floor.setColorAt(1, QColor(150, 120, 118));
    p.fillRect(QRect(0, 520, 944, 188), floor);
    p.setPen(QPen(QColor(170, 140, 136), 1));
    for (int y = 520, h = 14; y < 708; y += h, h += 6) p.drawLine(0, y, 944, y);
    for (int x = -400; x < 1400; x += 90) p.drawLine(472 + (x - 472) / 4, 520, x, 708);
    // Light from the ceiling.
    QRadialGradient light(620, 0, 420);
    light.setColorAt(0, QColor(255, 255, 230, 120));
    light.setColorAt(1, QColor(255, 255, 230, 0));
    p.fillRect(QRect(0, 0, 944, 708), light);
    if (withMirror) {
        // A tall mirror with a gold frame and a salon chair before it.
        p.setPen(QPen(Gold, 10));
        p.setBrush(QColor(210, 226, 236));
        p.drawRoundedRect(QRect(470, 70, 220, 330), 100, 100);
        QLinearGradient glare(470, 70, 690, 400);
        glare.setColorAt(0, QColor(255, 255, 255, 140));
        glare.setColorAt(0.4, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glare);
        p.drawRoundedRect(QRect(480, 80, 200, 310), 95, 95);
        p.setBrush(QColor(120, 40, 70));
        p.drawRoundedRect(QRect(500, 360, 160, 120), 30, 30);   // back of the chair
        p.drawRoundedRect(QRect(480, 450, 200, 40), 14, 14);    // seat
        p.setBrush(QColor(90, 90, 96));
        p.drawRect(QRect(572, 490, 16, 50));
        p.drawEllipse(QRect(530, 530, 100, 20));
    }
}

// A button plate with its label, exactly over a hot area.
void plate(QPainter& p, const QRect& r, const QString& label, QColor colour = Plum)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour.lighter(135));
    g.setColorAt(1, colour);
    p.setPen(QPen(Gold, 2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 10, 10);
    p.setPen(Qt::white);
    QFont f("DejaVu Sans", 15, QFont::Bold);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, label);
}

void heading(QPainter& p, const QString& title, const QString& text)
{
    p.setPen(Plum);
    p.setFont(QFont("DejaVu Serif", 30, QFont::Bold));
    p.drawText(QRect(320, 60, 600, 60), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(Ink);
    p.setFont(QFont("DejaVu Sans", 14));
    p.fillRect(QRect(310, 130, 610, 330), QColor(255, 255, 255, 170));
    p.drawText(QRect(330, 145, 570, 300), Qt::TextWordWrap, text);
}

// The page's customer on the left: a simple figure in the chair.
void client(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 40, 70));
    p.drawRoundedRect(QRect(60, 330, 200, 170), 40, 40);
    p.setBrush(QColor(70, 110, 150));
    p.drawRoundedRect(QRect(95, 290, 130, 150), 50, 50);
    p.setBrush(QColor(238, 200, 176));
    p.drawEllipse(QRect(120, 190, 80, 100));
    p.setBrush(QColor(110, 64, 40));
    QPainterPath hair;
    hair.moveTo(116, 250);
    hair.cubicTo(100, 160, 220, 160, 204, 250);
    hair.cubicTo(200, 210, 120, 210, 116, 250);
    p.drawPath(hair);
    p.setBrush(QColor(90, 90, 96));
    p.drawRect(QRect(152, 500, 16, 40));
}

void menuScreen(QPainter& p)
{
    room(p, true);
    // The menu column: six entries of 46 pixels, one above the other.
    static const char* entries[] = {"Katalog účesů", "Vaše fotografie", "Usazení obličeje", "Barva pleti a vlasů",
                                    "Retuš a tisk", "Informace"};
    p.fillRect(QRect(0, 0, 290, 708), QColor(255, 255, 255, 120));
    p.setPen(Plum);
    p.setFont(QFont("DejaVu Serif", 20, QFont::Bold));
    p.drawText(QRect(12, 4, 280, 40), Qt::AlignVCenter, "Virtuální salon");
    for (int k = 5; k <= 10; ++k) {
        QRect r = areaRect(1, k).adjusted(8, 3, -8, -3);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(k == 10 ? Gold : Rose, 2));
        p.setBrush(QColor(255, 250, 246));
        p.drawRoundedRect(r, 8, 8);
        p.setPen(Ink);
        p.setFont(QFont("DejaVu Sans", 14, k == 10 ? QFont::Bold : QFont::Normal));
        p.drawText(r.adjusted(14, 0, 0, 0), Qt::AlignVCenter, entries[k - 5]);
    }
    // Area 2: the video screen on the wall.
    QRect tv = areaRect(1, 2);
    p.setPen(QPen(QColor(40, 40, 44), 6));
    p.setBrush(QColor(30, 36, 52));
    p.drawRoundedRect(tv, 6, 6);
    p.setPen(Qt::white);
    p.setBrush(Qt::white);
    QPolygon play;
    play << tv.center() + QPoint(-14, -20) << tv.center() + QPoint(22, 0) << tv.center() + QPoint(-14, 20);
    p.drawPolygon(play);
    p.setFont(QFont("DejaVu Sans", 11, QFont::Bold));
    p.drawText(tv.adjusted(0, 0, 0, -6), Qt::AlignHCenter | Qt::AlignBottom, "Video");
    // Area 3: a tall hair spray standing on the shelf, its label the slideshow's.
    QRect can = areaRect(1, 3);
    QLinearGradient metal(can.topLeft(), can.topRight());
    metal.setColorAt(0, QColor(150, 60, 110));
    metal.setColorAt(0.5, QColor(230, 150, 190));
    metal.setColorAt(1, QColor(120, 40, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawRoundedRect(can.adjusted(0, 14, 0, 0), 8, 8);
    p.setBrush(QColor(60, 60, 64));
    p.drawRect(QRect(can.left() + 12, can.top(), can.width() - 24, 16));
    p.save();
    p.translate(can.center());
    p.rotate(-90);
    p.setPen(Qt::white);
    p.setFont(QFont("DejaVu Sans", 11, QFont::Bold));
    p.drawText(QRect(-60, -12, 120, 24), Qt::AlignCenter, "Prezentace");
    p.restore();
    plate(p, areaRect(1, 1), "Vyzkoušet salon");
    plate(p, areaRect(1, 4), "Jak to funguje");
}

void pageScreen(QPainter& p, int screen)
{
    room(p, false);
    client(p);
    switch (screen) {
    case 2:
        heading(p, "Jak to funguje",
                "Vyberete účes z katalogu a otevřete fotografii obličeje. Obličej usadíte do výřezu "
                "účesu: posunete ho, zvětšíte, zrcadlíte, otočíte nebo natočíte hlavu. Pleť se "
                "barevně sladí s modelem a vlasy přebarvíte podle vzorníku. Přechody zahladíte "
                "razítkem, výsledek uložíte nebo vytisknete.");
        plate(p, areaRect(2, 1), "Spustit salon");
        plate(p, areaRect(2, 2), "Video", Rose.darker(130));
        break;
    case 3:
        heading(p, "Program salonu",
                "Salon běží na obrazovce alespoň 800 x 600 bodů. Na datovém disku najde katalog "
                "dámských účesů, melírů a odstínů; fotografii obličeje otevřete z libovolné složky. "
                "Dvě krátká videa ukazují výběr účesu a klasické střihy.");
        plate(p, areaRect(3, 1), "Spustit salon");
        plate(p, areaRect(3, 2), "Videa", Rose.darker(130));
        break;
    case 4:
        heading(p, "Prezentace",
                "Komentovaná ukázka v sedmnácti krocích: fotografie zákaznice, účesy z katalogu, "
                "které se zmenší, oříznou podle vlasů a posadí na hlavu. Tlačítkem Další přejdete "
                "na další krok; klávesa Esc vás vrátí do nabídky.");
        plate(p, areaRect(4, 1), "Spustit prezentaci");
        plate(p, areaRect(4, 2), "Video", Rose.darker(130));
        break;
    case 5: {
        QLinearGradient g(0, 0, 944, 708);
        g.setColorAt(0, QColor(246, 236, 244));
        g.setColorAt(1, QColor(214, 190, 214));
        p.fillRect(QRect(0, 0, 944, 708), g);
        p.setPen(QPen(Gold, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(12, 12, 920, 684));
        p.setPen(Plum);
        p.setFont(QFont("DejaVu Serif", 20, QFont::Bold));
        // At the foot: the photo and the narration take the upper part in every layout.
        p.drawText(QRect(40, 640, 700, 40), Qt::AlignVCenter, "Virtuální salon - prezentace");
        plate(p, areaRect(5, 1), "Další");
        break;
    }
    default: break;
    }
}

// The first polygon of a model's cut-out file ([[[x, y], ...], ...]) as a Qt polygon.
QPolygonF cutout(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::stringstream s;
    s << in.rdbuf();
    std::string text = s.str();
    size_t start = text.find("[[[");
    size_t end = text.find("]]", start == std::string::npos ? 0 : start);
    QPolygonF poly;
    if (start == std::string::npos || end == std::string::npos) return poly;
    const std::string first = text.substr(start, end - start);
    static const std::regex pair(R"(\[\s*(-?[0-9.]+)\s*,\s*(-?[0-9.]+)\s*\])");
    for (auto it = std::sregex_iterator(first.begin(), first.end(), pair); it != std::sregex_iterator(); ++it)
        poly << QPointF(std::stod((*it)[1]), std::stod((*it)[2]));
    return poly;
}

// The sample face set into a model: the face under the cut-out, the model's hair over it.
QImage composed(const std::filesystem::path& modelDir, const QImage& face, const QRectF& faceBox)
{
    QImage model(QString::fromStdString((modelDir / "picture.png").string()));
    QImage matte(QString::fromStdString((modelDir / "hair.png").string()));
    if (model.isNull()) return {};
    model = model.convertToFormat(QImage::Format_ARGB32);
    QImage out = model.copy();
    QPolygonF cut = cutout(modelDir / "cutout.json");
    if (!cut.isEmpty() && !face.isNull() && faceBox.width() > 0) {
        const QRectF box = cut.boundingRect();
        const double scale = box.width() / faceBox.width() * 1.05;
        QPainter p(&out);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        QPainterPath clip;
        clip.addPolygon(cut);
        p.setClipPath(clip);
        const QPointF at = box.center() - faceBox.center() * scale;
        p.drawImage(QRectF(at.x(), at.y(), face.width() * scale, face.height() * scale), face);
        p.setClipping(false);
        if (!matte.isNull()) {
            QImage hair = model.copy();
            QImage grey = matte.convertToFormat(QImage::Format_Grayscale8).scaled(hair.size());
            for (int y = 0; y < hair.height(); ++y) {
                QRgb* row = reinterpret_cast<QRgb*>(hair.scanLine(y));
                const uchar* a = grey.constScanLine(y);
                for (int x = 0; x < hair.width(); ++x) row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), a[x]);
            }
            p.drawImage(0, 0, hair);
        }
    }
    return out;
}

} // namespace

struct PaintingSession::App {
    QGuiApplication app;
    App(int& argc, char** argv) : app(argc, argv) {}
};
PaintingSession::PaintingSession(int& argc, char** argv) : m_app(std::make_unique<App>(argc, argv)) {}
PaintingSession::~PaintingSession() = default;

Bitmap paintBackground(int screen)
{
    QImage img(944, 708, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (screen == 1) menuScreen(p);
    else pageScreen(p, screen);
    p.end();
    return fromQImage(img);
}

std::vector<Bitmap> paintVideo(const VideoScript& script, const std::filesystem::path& modelsDir,
                               const std::filesystem::path& facePhoto, const std::filesystem::path& faceBox,
                               int framesPerModel, int width, int height)
{
    QImage face(QString::fromStdString(facePhoto.string()));
    QRectF box;
    {
        std::ifstream in(faceBox);
        double x = 0, y = 0, w = 0, h = 0;
        if (in >> x >> y >> w >> h) box = QRectF(x, y, w, h);
    }
    std::vector<QImage> stills;
    for (const std::string& m : script.models) stills.push_back(composed(modelsDir / m, face, box));
    std::vector<Bitmap> frames;
    const int total = framesPerModel * int(stills.size());
    for (int f = 0; f < total; ++f) {
        const int k = f / framesPerModel;
        const double t = double(f % framesPerModel) / framesPerModel;
        QImage frame(width, height, QImage::Format_RGB32);
        frame.fill(QColor(246, 236, 244));
        QPainter p(&frame);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setRenderHint(QPainter::Antialiasing);
        const int ph = height - 36;
        const int pw = ph * 512 / 560;
        const QRect place((width - pw) / 2, 4, pw, ph);
        if (!stills[size_t(k)].isNull()) p.drawImage(place, stills[size_t(k)]);
        // The last third of each model's time fades into the next one.
        if (t > 2.0 / 3.0 && k + 1 < int(stills.size()) && !stills[size_t(k + 1)].isNull()) {
            p.setOpacity((t - 2.0 / 3.0) * 3.0);
            p.drawImage(place, stills[size_t(k + 1)]);
            p.setOpacity(1);
        }
        p.fillRect(QRect(0, height - 30, width, 30), Plum);
        p.setPen(Qt::white);
        p.setFont(QFont("DejaVu Sans", 10, QFont::Bold));
        const std::string& caption = k < int(script.captions.size()) ? script.captions[size_t(k)] : script.title;
        p.drawText(QRect(6, height - 30, width - 12, 30), Qt::AlignCenter,
                   QString::fromStdString(f < framesPerModel / 2 ? script.title : caption));
        p.end();
        frames.push_back(fromQImage(frame));
    }
    return frames;
}

} // namespace salon::tools
