// The contact sheet as a picture: a heading per category and a grid of labelled results.
#include "editor/sheet/ContactSheet.h"
#include "editor/sheet/SheetRequest.h"

#include "library/formats/FileBytes.h"
#include "library/formats/ModelFile.h"
#include "platform/OutputPath.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace salon {

namespace {

const char* const Usage =
    "usage: dslsheet --contact-sheet CATEGORY|all --photo FILE --out FILE.png [--face X,Y,W,H]\n"
    "                [--drive D] [--columns N] [--scale F] [--swatch K] [--bare]\n"
    "       (frizet01 --contact-sheet takes the same options)\n"
    "Sets the photo's face into every model of the category (face colour at 100 %) and writes a\n"
    "labelled grid. The face box (hairline to chin, photo pixels) defaults to FILE's .box file,\n"
    "else the face detector places the face.\n"
    "--columns is 1..100, --scale (of each 512 x 560 cell) 0.1..2; FILE.png goes through the drive\n"
    "table like the photo, into a folder that exists.\n"
    "--swatch K recolours the hair with swatch K (0..48) as a click on it would; --bare shows the\n"
    "models without a face. A category whose contents file is missing or damaged is left out and\n"
    "named on stderr; the exit status is then 1. --help prints this text, dslsheet --version the\n"
    "version number.\n";

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

QString labelOf(size_t index, const SheetCell& c) { return fromDataText(std::to_string(index + 1) + ". " + c.title); }

// The labels' font: the label font, smaller - down to 7 points - until every label fits its cell,
// one size for the whole sheet. A label that does not fit even then is cut short with an ellipsis:
// centred wider than its cell it would lose both ends.
QFont labelFontFor(const std::vector<Section>& sections, int cellWidth)
{
    QFont font("DejaVu Sans", 10);
    auto allFit = [&] {
        const QFontMetrics m(font);
        for (const Section& s : sections)
            for (size_t i = 0; i < s.cells.size(); ++i)
                if (m.horizontalAdvance(labelOf(i, s.cells[i])) > cellWidth) return false;
        return true;
    };
    while (font.pointSize() > 7 && !allFit()) font.setPointSize(font.pointSize() - 1);
    return font;
}

QImage layOut(const std::vector<Section>& sections, int columns, double scale, SheetSize size)
{
    const SheetGeometry g = sheetGeometry(scale);
    const int cellW = g.cellW, cellH = g.cellH, labelH = g.LabelH, gap = g.Gap, margin = g.Margin, headingH = g.HeadingH;
    const int width = size.width, height = size.height;
    QImage sheet(width, height, QImage::Format_RGB888);
    sheet.fill(QColor(244, 240, 234));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont headingFont("DejaVu Sans", 15, QFont::Bold);
    const QFont labelFont = labelFontFor(sections, cellW);
    const QFontMetrics labelMetrics(labelFont);
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
                       labelMetrics.elidedText(labelOf(i, c), Qt::ElideRight, cellW));
        }
        y += int((s.cells.size() + size_t(columns) - 1) / size_t(columns)) * (cellH + labelH + gap);
    }
    return sheet;
}

} // namespace

namespace {

// The PNG bytes of the sheet; written in one piece beside the target and renamed over it, so a
// failure on the way leaves an existing sheet as it was.
Result<bool> savePng(const QImage& sheet, const std::filesystem::path& target)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (sheet.isNull() || !sheet.save(&buffer, "PNG")) return Error{target.string() + ": the sheet cannot be encoded"};
    return writeFileAtomically(target, std::span(reinterpret_cast<const uint8_t*>(png.constData()), size_t(png.size())));
}

// The files the sheet is made from, none of which it may be written over.
std::vector<std::filesystem::path> sheetInputs(char drive, const std::vector<CatalogueCategory>& catalogue,
                                               const std::vector<int>& chosen, const std::string& photo)
{
    std::vector<std::filesystem::path> inputs;
    auto add = [&inputs](const std::string& name) {
        if (auto native = nativePath(name)) inputs.push_back(*native);
    };
    if (!photo.empty()) add(photo);
    add(std::string(1, drive) + ":\\dslob00.aob");
    for (int k : chosen) {
        const CatalogueCategory& c = catalogue[size_t(k)];
        add(c.contents);
        for (int32_t item = 1; item <= c.count; ++item) add(catalogueModelPath(drive, c, item));
    }
    return inputs;
}

} // namespace

int runContactSheet(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--help") {
            std::fputs(Usage, stdout);
            return 0;
        }
    auto request = parseSheetRequest(argc, argv);
    if (!request) {
        std::fprintf(stderr, "%s\n%s", request.error().c_str(), Usage);
        return 2;
    }
    SheetRequest& r = request.value();

    // Labels need fonts, and fonts need a GUI application; without a display it works offscreen.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int appArgc = 1;
        static char appName[] = "contact-sheet";
        static char* appArgv[] = {appName, nullptr};
        app = std::make_unique<QGuiApplication>(appArgc, appArgv);
    }

    auto catalogue = readCatalogue(r.drive);
    if (!catalogue) { std::fprintf(stderr, "%s\n", catalogue.error().c_str()); return 1; }
    std::vector<int> chosen;
    if (r.category == "all") {
        for (size_t k = 0; k < catalogue.value().size(); ++k) chosen.push_back(int(k));
    } else {
        int32_t k = -1;
        if (auto [end, ec] = std::from_chars(r.category.data(), r.category.data() + r.category.size(), k);
            ec != std::errc() || end != r.category.data() + r.category.size() || k < 0 ||
            k >= int32_t(catalogue.value().size())) {
            std::fprintf(stderr, "no category %s: the drive has %zu (0 to %zu, or all)\n", r.category.c_str(),
                         catalogue.value().size(), catalogue.value().size() - 1);
            return 2;
        }
        chosen.push_back(k);
    }

    // Native paths and the data drive's own ("D:\\photos\\face.jpg") both name the photo.
    const auto nativePhoto = nativePath(r.photo);
    const std::filesystem::path photoPath = nativePhoto ? *nativePhoto : std::filesystem::path(r.photo);
    auto target = outputPath(r.out, sheetInputs(r.drive, catalogue.value(), chosen, r.bare ? "" : r.photo));
    if (!target) { std::fprintf(stderr, "%s\n", target.error().c_str()); return 1; }
    if (r.columns == 0) r.columns = chosen.size() > 1 ? 6 : 4;
    std::vector<int32_t> cellCounts;
    for (int k : chosen) cellCounts.push_back(catalogue.value()[size_t(k)].count);
    auto size = sheetSize(cellCounts, r.columns, r.scale);
    if (!size) { std::fprintf(stderr, "%s\n", size.error().c_str()); return 2; }

    PreparedPhoto prepared;
    if (!r.bare) {
        auto p = preparePhoto(photoPath, r.haveFace ? &r.face : nullptr, std::filesystem::temp_directory_path());
        if (!p) { std::fprintf(stderr, "%s\n", p.error().c_str()); return 1; }
        prepared = p.value();
    }

    std::vector<Section> sections;
    int failed = 0, total = 0;
    for (int k : chosen) {
        const CatalogueCategory& c = catalogue.value()[size_t(k)];
        Section s;
        s.heading = std::to_string(k) + "  " + c.name;
        // A category the editor could not open is left out of the sheet, and said so.
        if (!c.problem.empty()) {
            std::fprintf(stderr, "category %d left out: %s\n", k, c.problem.c_str());
            ++failed;
        }
        for (int32_t item = 1; item <= c.count; ++item) {
            std::string path = catalogueModelPath(r.drive, c, item);
            SheetCell cell;
            cell.title = modelName(path);
            auto result = renderFaceIntoModel(path, prepared, !r.bare, r.swatch);
            if (result) cell.picture = std::move(result.value());
            else { cell.error = result.error(); ++failed; std::fprintf(stderr, "%s\n", cell.error.c_str()); }
            ++total;
            s.cells.push_back(std::move(cell));
        }
        sections.push_back(std::move(s));
    }
    QImage sheet = layOut(sections, r.columns, r.scale, size.value());
    if (auto saved = savePng(sheet, target.value()); !saved) {
        std::fprintf(stderr, "%s\n", saved.error().c_str());
        return 1;
    }
    std::printf("%s: %d models, %d failed\n", target.value().string().c_str(), total, failed);
    return failed ? 1 : 0;
}

} // namespace salon
