#include "tools/qt/PictureIo.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <cstring>
#include <system_error>

namespace salon::tools {

namespace {

Result<QImage> read(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return Error{path.string() + ": no such file"};
    QImageReader reader(QString::fromStdString(path.string()));
    // A salon's photographs are small; anything beyond this is not a picture we should decode.
    reader.setAllocationLimit(512);
    QImage img = reader.read();
    if (img.isNull()) return Error{path.string() + ": not a readable picture (" + reader.errorString().toStdString() + ")"};
    return img;
}

} // namespace

Result<Bitmap> loadRgbPicture(const std::filesystem::path& path)
{
    auto img = read(path);
    if (!img) return Error{img.error()};
    QImage rgb = img.value().convertToFormat(QImage::Format_RGB888);
    Bitmap b = Bitmap::rgb24(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* s = rgb.constScanLine(y);
        uint8_t* d = b.row(y);
        for (int x = 0; x < rgb.width(); ++x) {
            d[3 * x] = s[3 * x + 2];
            d[3 * x + 1] = s[3 * x + 1];
            d[3 * x + 2] = s[3 * x];
        }
    }
    return b;
}

Result<GreyImage> loadGreyPicture(const std::filesystem::path& path)
{
    auto img = read(path);
    if (!img) return Error{img.error()};
    const QImage& src = img.value();
    GreyImage g{src.width(), src.height(), std::vector<uint8_t>(size_t(src.width()) * size_t(src.height()))};
    if (src.hasAlphaChannel()) {
        QImage a = src.convertToFormat(QImage::Format_Alpha8);
        for (int y = 0; y < a.height(); ++y) std::memcpy(&g.values[size_t(y) * g.width], a.constScanLine(y), size_t(g.width));
    } else {
        QImage a = src.convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < a.height(); ++y) std::memcpy(&g.values[size_t(y) * g.width], a.constScanLine(y), size_t(g.width));
    }
    return g;
}

Result<bool> savePng(const std::filesystem::path& path, const Bitmap& picture)
{
    Bitmap rgb = picture.toRgb24();
    QImage img(rgb.width, rgb.height, QImage::Format_RGB888);
    for (int y = 0; y < rgb.height; ++y) {
        const uint8_t* s = rgb.row(y);
        uchar* d = img.scanLine(y);
        for (int x = 0; x < rgb.width; ++x) {
            d[3 * x] = s[3 * x + 2];
            d[3 * x + 1] = s[3 * x + 1];
            d[3 * x + 2] = s[3 * x];
        }
    }
    std::filesystem::path tmp = path;
    tmp += ".tmp";
    if (!img.save(QString::fromStdString(tmp.string()), "PNG")) return Error{path.string() + ": cannot write"};
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec) return Error{path.string() + ": " + ec.message()};
    return true;
}

} // namespace salon::tools
