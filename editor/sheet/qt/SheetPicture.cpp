// The contact sheet as a picture: a heading per category and a grid of labelled results.
#include "editor/sheet/ContactSheet.h"

#include "library/formats/FileBytes.h"
#include "library/formats/ModelFile.h"
#include "platform/Paths.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace salon {

namespace {

const char* const Usage =
    "usage: --contact-sheet CATEGORY|all --photo FILE --out FILE.png [--face X,Y,W,H] [--drive D]\n"
    "                       [--columns N] [--scale F] [--swatch K] [--bare]\n"
    "Sets the photo's face into every model of the category (face colour at 100 %) and writes a\n"
    "labelled grid. The face box (hairline to chin, photo pixels) defaults to FILE's .box file,\n"
    "else the face detector places the face.\n"
    "--swatch K recolours the hair with swatch K (0..48) as a click on it would; --bare shows the\n"
    "models without a face.\n";

struct Section {
    std::string heading;
    std::vector<SheetCell> cells;
};

// Names on the drive are 8-bit text of the Central European code page; UTF-8 passes as it is.
QString fromDataText(const std::string& text)
{
    QByteArray bytes = QByteArray::fromStdString(text);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString s = utf8(bytes);
    if (!utf8.hasError()) return s;
    QStringDecoder cp1250("windows-1250");
    return cp1250.isValid() ? cp1250(bytes) : QString::fromLatin1(bytes);
}

QImage toQImage(const Bitmap& b)
{
    QImage img(b.width, b.height, QImage::Format_RGB888);
    for (int y = 0; y < b.height; ++y) {
        const uint8_t* s = b.row(y);
        uchar* d = img.scanLine(y);
        for (int x = 0; x < b.width; ++x) {
            d[3 * x] = s[3 * x + 2];
            d[3 * x + 1] = s[3 * x + 1];
            d[3 * x + 2] = s[3 * x];
        }
    }
    return img;
}

std::string modelName(const std::string& windowsName)
{
    auto native = nativePath(windowsName);
    auto bytes = native ? dsl::readWholeFile(*native) : std::nullopt;
    if (bytes) {
        auto model = dsl::parse(*bytes, dsl::EditorMagic, false);
        if (model && !model.value().name.empty()) return model.value().name;
    }
    size_t cut = windowsName.find_last_of('\\');
    return cut == std::string::npos ? windowsName : windowsName.substr(cut + 1);
}

QImage layOut(const std::vector<Section>& sections, int columns, double scale)
{
    const int cellW = int(512 * scale), cellH = int(560 * scale), labelH = 26, gap = 14, margin = 24, headingH = 44;
    int height = margin;
    for (const Section& s : sections) {
        int rows = (int(s.cells.size()) + columns - 1) / columns;
        height += headingH + rows * (cellH + labelH + gap);
    }
    height += margin - gap;
    const int width = 2 * margin + columns * cellW + (columns - 1) * gap;
    QImage sheet(width, height, QImage::Format_RGB888);
    sheet.fill(QColor(244, 240, 234));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont headingFont("DejaVu Sans", 15, QFont::Bold);
    QFont labelFont("DejaVu Sans", 10);
    int y = margin;
    for (const Section& s : sections) {
        p.setFont(headingFont);
        p.setPen(QColor(70, 52, 44));
        p.drawText(QRect(margin, y, width - 2 * margin, headingH - 10), Qt::AlignLeft | Qt::AlignVCenter,
                   fromDataText(s.heading));
        p.fillRect(QRect(margin, y + headingH - 8, width - 2 * margin, 2), QColor(200, 184, 170));
        y += headingH;
        for (size_t i = 0; i < s.cells.size(); ++i) {
            const SheetCell& c = s.cells[i];
            int col = int(i) % columns, row = int(i) / columns;
            QRect cell(margin + col * (cellW + gap), y + row * (cellH + labelH + gap), cellW, cellH);
            p.fillRect(cell.adjusted(3, 3, 3, 3), QColor(0, 0, 0, 40));
            if (!c.picture.isNull()) {
                QImage img = toQImage(c.picture).scaled(cell.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
                p.fillRect(cell, QColor(255, 255, 255));
                p.drawImage(cell.x() + (cellW - img.width()) / 2, cell.y() + (cellH - img.height()) / 2, img);
            } else {
                p.fillRect(cell, QColor(90, 40, 40));
                p.setPen(Qt::white);
                p.setFont(labelFont);
                p.drawText(cell.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, QString::fromStdString(c.error));
            }
            p.setPen(QColor(60, 50, 46));
            p.setFont(labelFont);
            p.drawText(QRect(cell.x(), cell.bottom() + 4, cellW, labelH - 4), Qt::AlignHCenter | Qt::AlignTop,
                       fromDataText(std::to_string(i + 1) + ". " + c.title));
        }
        y += int((s.cells.size() + size_t(columns) - 1) / size_t(columns)) * (cellH + labelH + gap);
    }
    return sheet;
}

} // namespace

int runContactSheet(int argc, char** argv)
{
    std::string category, photo, out;
    char drive = 'D';
    int columns = 0;
    double scale = 0.46;
    int swatch = -1;
    bool bare = false, haveFace = false;
    FaceBox face;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (a == "--contact-sheet") { const char* v = value(); if (!v) break; category = v; }
        else if (a == "--photo") { const char* v = value(); if (v) photo = v; }
        else if (a == "--out") { const char* v = value(); if (v) out = v; }
        else if (a == "--drive") { const char* v = value(); if (v && *v) drive = char(std::toupper((unsigned char)*v)); }
        else if (a == "--columns") { const char* v = value(); if (v) columns = std::atoi(v); }
        else if (a == "--bare") bare = true;
        else if (a == "--swatch") {
            const char* v = value();
            char* end = nullptr;
            swatch = v ? int(std::strtol(v, &end, 10)) : -1;
            if (!v || *end || swatch < 0 || swatch > 48) { std::fprintf(stderr, "--swatch is a swatch number 0..48\n"); return 2; }
        }
        else if (a == "--scale") { const char* v = value(); if (v) scale = std::clamp(std::atof(v), 0.1, 2.0); }
        else if (a == "--face") {
            const char* v = value();
            haveFace = v && std::sscanf(v, "%d,%d,%d,%d", &face.x, &face.y, &face.w, &face.h) == 4 && face.w > 0 && face.h > 0;
            if (!haveFace) { std::fprintf(stderr, "--face needs X,Y,W,H with a positive width and height\n"); return 2; }
        }
    }
    if (category.empty() || out.empty() || (photo.empty() && !bare)) {
        std::fputs(Usage, stderr);
        return 2;
    }

    // Labels need fonts, and fonts need a GUI application; without a display it works offscreen.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int appArgc = 1;
        static char appName[] = "contact-sheet";
        static char* appArgv[] = {appName, nullptr};
        app = std::make_unique<QGuiApplication>(appArgc, appArgv);
    }

    auto catalogue = readCatalogue(drive);
    if (!catalogue) { std::fprintf(stderr, "%s\n", catalogue.error().c_str()); return 1; }
    std::vector<int> chosen;
    if (category == "all") {
        for (size_t k = 0; k < catalogue.value().size(); ++k) chosen.push_back(int(k));
    } else {
        char* end = nullptr;
        long k = std::strtol(category.c_str(), &end, 10);
        if (*end || k < 0 || k >= long(catalogue.value().size())) {
            std::fprintf(stderr, "no category %s: the drive has %zu (0 to %zu, or all)\n", category.c_str(),
                         catalogue.value().size(), catalogue.value().size() - 1);
            return 2;
        }
        chosen.push_back(int(k));
    }

    PreparedPhoto prepared;
    if (!bare) {
        // Native paths and the data drive's own ("D:\\photos\\face.jpg") both name the photo.
        const auto native = nativePath(photo);
        auto p = preparePhoto(native ? *native : std::filesystem::path(photo), haveFace ? &face : nullptr,
                              std::filesystem::temp_directory_path());
        if (!p) { std::fprintf(stderr, "%s\n", p.error().c_str()); return 1; }
        prepared = p.value();
    }

    std::vector<Section> sections;
    int failed = 0, total = 0;
    for (int k : chosen) {
        const CatalogueCategory& c = catalogue.value()[size_t(k)];
        Section s;
        s.heading = std::to_string(k) + "  " + c.name;
        for (int32_t item = 1; item <= c.count; ++item) {
            std::string path = catalogueModelPath(drive, c, item);
            SheetCell cell;
            cell.title = modelName(path);
            auto result = renderFaceIntoModel(path, prepared, !bare, swatch);
            if (result) cell.picture = std::move(result.value());
            else { cell.error = result.error(); ++failed; std::fprintf(stderr, "%s\n", cell.error.c_str()); }
            ++total;
            s.cells.push_back(std::move(cell));
        }
        sections.push_back(std::move(s));
    }
    if (columns <= 0) columns = chosen.size() > 1 ? 6 : 4;
    QImage sheet = layOut(sections, columns, scale);
    if (!sheet.save(QString::fromStdString(out), "PNG")) {
        std::fprintf(stderr, "%s: cannot be written\n", out.c_str());
        return 1;
    }
    std::printf("%s: %d models, %d failed\n", out.c_str(), total, failed);
    return failed ? 1 : 0;
}

} // namespace salon
