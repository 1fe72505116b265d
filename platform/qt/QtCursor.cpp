#include "platform/qt/QtCursor.h"

#include "platform/Numbers.h"

#include <QImage>
#include <QPixmap>

#include <array>

namespace salon {

Qt::CursorShape standardPointer(int32_t number)
{
    static constexpr std::array<Qt::CursorShape, 16> shapes = {
        Qt::ArrowCursor,     Qt::ArrowCursor,    Qt::CrossCursor,      Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor,  Qt::SizeBDiagCursor,  Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor,  Qt::UpArrowCursor,    Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,     Qt::WhatsThisCursor,  Qt::SizeAllCursor};
    return number >= 0 && number < int32_t(shapes.size()) ? shapes[size_t(number)] : Qt::ArrowCursor;
}

QCursor toQCursor(const CursorPicture& cursor)
{
    const Bitmap& image = cursor.image;
    const Bitmap& mask = cursor.mask;
    QImage argb(image.width, image.height, QImage::Format_ARGB32);
    for (int32_t y = 0; y < image.height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int32_t x = 0; x < image.width; ++x) {
            const bool through = x < mask.width && y < mask.height && mask.pixel(x, y) != 0;
            const uint32_t c = image.pixel(x, y);
            out[x] = through ? qRgba(0, 0, 0, 0) : qRgb(redOf(c), greenOf(c), blueOf(c));
        }
    }
    return QCursor(QPixmap::fromImage(argb), cursor.hotX, cursor.hotY);
}

} // namespace salon
