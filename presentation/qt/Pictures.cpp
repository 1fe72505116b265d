#include "presentation/qt/Pictures.h"

#include "platform/qt/QtImage.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <map>

namespace prevu {

namespace {

constexpr QColor Plum{96, 48, 112};
constexpr QColor Cream{255, 250, 240};

// A hover card: a rounded panel with a title and a line or two of explanation.
QImage card(const QString& title, const QString& text, QColor accent)
{
    QImage img(238, 180, QImage::Format_RGB32);
    img.fill(Cream);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(accent, 3));
    p.setBrush(QColor(255, 255, 255));
    // The panel with its pointer towards the bottom right corner, where balloon 1's anchor is;
    // the speech balloon mask follows the same outline.
    QPainterPath panel;
    panel.addRoundedRect(QRectF(3, 3, 232, 152), 14, 14);
    QPainterPath pointer;
    pointer.moveTo(180, 150);
    pointer.lineTo(235, 177);
    pointer.lineTo(212, 150);
    pointer.closeSubpath();
    p.drawPath(panel.united(pointer));
    p.setPen(accent);
    QFont f("DejaVu Sans", 12, QFont::Bold);
    p.setFont(f);
    p.drawText(QRect(14, 10, 210, 30), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(QFont("DejaVu Sans", 9));
    p.setPen(QColor(40, 30, 50));
    p.drawText(QRect(14, 42, 210, 108), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return img;
}

// A model picture at the balloon's size (unscaled aspect: the balloon sizes are the model's own
// proportions within a few per cent).
QImage hairstyle(const QString& file, int w, int h)
{
    QImage src(":/prevu/" + file);
    if (src.isNull()) return {};
    return src.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

// A mask from a hair matte: black (set) where the hair is, white elsewhere.
QImage hairMask(const QString& file, int w, int h)
{
    QImage matte = hairstyle(file, w, h).convertToFormat(QImage::Format_Grayscale8);
    if (matte.isNull()) return {};
    QImage mask(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) mask.setPixel(x, y, qGray(matte.pixel(x, y)) > 127 ? 0xFF000000u : 0xFFFFFFFFu);
    return mask;
}

// A studio photo: a soft backdrop with the face photo placed at (x, y) scaled by `scale`.
QImage studioPhoto(const QString& file, int w, int h, double scale, int x, int y)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(214, 222, 232));
    g.setColorAt(1, QColor(150, 160, 178));
    p.fillRect(img.rect(), g);
    QImage face(":/prevu/" + file);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(x, y, face.width() * scale, face.height() * scale), face);
    return img;
}

QImage button(const QString& label)
{
    QImage img(200, 23, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 23);
    g.setColorAt(0, QColor(170, 120, 190));
    g.setColorAt(1, Plum);
    p.fillRect(img.rect(), g);
    p.setPen(QColor(255, 255, 255));
    p.setFont(QFont("DejaVu Sans", 8, QFont::Bold));
    p.drawText(img.rect(), Qt::AlignCenter, label);
    return img;
}

QImage information()
{
    QImage img(568, 426, QImage::Format_RGB32);
    img.fill(Cream);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, 568, 54), Plum);
    p.setPen(QColor(255, 255, 255));
    p.setFont(QFont("DejaVu Sans", 16, QFont::Bold));
    p.drawText(QRect(20, 0, 540, 54), Qt::AlignVCenter, "Virtuální salon - informace");
    p.setPen(QColor(40, 30, 50));
    p.setFont(QFont("DejaVu Sans", 10));
    p.drawText(QRect(24, 70, 520, 250), Qt::TextWordWrap,
               "Salon vyzkouší nový účes na vaší vlastní fotografii: vyberete střih z katalogu, "
               "otevřete fotografii obličeje, posunete a zvětšíte ji do výřezu účesu, sladíte "
               "barvu pleti a vlasy přebarvíte podle vzorníku. Výsledek uložíte nebo vytisknete.\n\n"
               "Program salonu potřebuje obrazovku alespoň 800 x 600 bodů a barvy vyšší než 16 bitů. "
               "Při menším rozlišení běží jen tato prezentace a videa.\n\n"
               "Krátká videa níže ukazují jednotlivé kroky práce.");
    return img;
}

QImage speechBalloonMask()
{
    QImage img(238, 180, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, 238, 158), 18, 18);
    QPolygonF tail;  // towards the anchor at the bottom right corner
    tail << QPointF(178, 150) << QPointF(237, 179) << QPointF(214, 150);
    path.addPolygon(tail);
    path.setFillRule(Qt::WindingFill);
    p.drawPath(path);
    return img;
}

QImage make(int32_t id)
{
    switch (id) {
    case 10: return hairstyle("bob.png", 209, 254);
    case 11: return hairstyle("bob.png", 300, 364);
    case 12: return hairstyle("long-curls.png", 371, 480);
    case 13: return hairstyle("long-curls.png", 229, 297);
    case 14: return hairstyle("pixie.png", 229, 297);
    case 15: return hairstyle("ombre-waves.png", 229, 297);
    case 16: return hairstyle("fringe-bob.png", 229, 297);
    case 17: return hairMask("bob-hair.png", 209, 254);
    case 18: return hairMask("fringe-bob-hair.png", 229, 297);
    case 19: return card("Video", "Krátký film: jak se s programem pracuje, krok za krokem.", Plum);
    case 20: return card("Katalog účesů", "Dámské účesy, melíry a odstíny: každý střih vyzkoušíte na své fotografii.", Plum);
    case 21: return card("Vaše fotografie", "Otevřete fotografii obličeje (BMP nebo JPG). Velké snímky program nejdřív ořízne.", Plum);
    case 22: return card("Usazení obličeje", "Posun, zvětšení, zrcadlení, otočení a natočení hlavy - šipkami nebo myší.", Plum);
    case 23: return card("Barva pleti a vlasů", "Pleť se sladí s modelem na 100 % nebo 60 %, vlasy přebarvíte ze vzorníku.", Plum);
    case 24: return card("Retuš a tisk", "Razítkem zahladíte přechody, výsledek uložíte jako obrázek nebo vytisknete.", Plum);
    case 25: return card("Informace", "Klepněte: požadavky programu a čtyři krátká videa.", Plum);
    case 26: return card("Virtuální salon", "Najeďte myší na nabídku vlevo nebo na tlačítka.", Plum);
    case 27: return card("Program salonu", "Vyzkoušejte si účes sami: spustí se program salonu.", QColor(150, 40, 60));
    case 28: return card("Ukázka", "Video: celá úprava od fotografie po hotový účes.", QColor(150, 40, 60));
    case 29: return card("Prezentace", "Komentovaná ukázka: fotografie a účesy, které na ni salon posadí.", QColor(150, 40, 60));
    case 30: return card("Jak to funguje", "Stručný přehled nástrojů salonu a spuštění programu.", QColor(150, 40, 60));
    case 31: return card("Vítejte", "Virtuální salon: nový účes dřív, než usednete do křesla.", QColor(150, 40, 60));
    case 46: return button("1  Výběr účesu a fotografie");
    case 47: return button("2  Usazení obličeje");
    case 48: return button("3  Barva pleti a vlasů");
    case 49: return button("4  Retuš, uložení a tisk");
    case 50: return studioPhoto("portrait.jpg", 480, 470, 0.85, 196, 32);
    case 51: return studioPhoto("face.jpg", 440, 410, 0.55, 225, 119);
    case 52: return information();
    default: return {};
    }
}

} // namespace

salon::Bitmap presentationBitmap(int32_t id)
{
    static std::map<int32_t, salon::Bitmap> made;
    auto it = made.find(id);
    if (it == made.end()) it = made.emplace(id, salon::fromQImage(make(id))).first;
    return it->second;
}

PropertyBag balloonSettings(int index)
{
    PropertyBag bag;
    if (index == 0) {
        bag.numbers["BackStyle"] = 1;
    } else {
        bag.pictures["MaskPicture"] = salon::fromQImage(speechBalloonMask());
    }
    return bag;
}

} // namespace prevu
