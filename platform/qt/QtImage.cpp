#include "platform/qt/QtImage.h"

#include <cstring>

namespace salon {

QImage toQImage(const Bitmap& picture)
{
    if (picture.isNull()) return {};
    const Bitmap rgb = picture.bitsPerPixel == 24 ? Bitmap{} : picture.toRgb24();
    const Bitmap& src = picture.bitsPerPixel == 24 ? picture : rgb;
    if (src.pixels.size() < size_t(src.rowBytes()) * size_t(src.height)) return {};
    // The rows already have the Bitmap's 4-byte padding, which is also what QImage wants.
    QImage view(src.pixels.data(), src.width, src.height, src.rowBytes(), QImage::Format_BGR888);
    return view.copy();
}

Bitmap fromQImage(const QImage& image)
{
    if (image.isNull()) return {};
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    Bitmap out = Bitmap::rgb24(bgr.width(), bgr.height());
    for (int32_t y = 0; y < out.height; ++y) std::memcpy(out.row(y), bgr.constScanLine(y), size_t(out.width) * 3);
    return out;
}

} // namespace salon
