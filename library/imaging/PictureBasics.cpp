#include "PictureBasics.h"

#include <cstdint>

namespace pixol {

bool pictureSize(salon::Surface& obj, int32_t& width, int32_t& height)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const salon::Bitmap& image = obj.image();
        if (image.width == obj.drawableWidth() && image.height == obj.drawableHeight()) {
            width = image.width;
            height = image.height;
            return true;
        }
        obj.keepImage();
        obj.setSize(obj.width(), obj.height());
    }
    return false;
}

bool clearToSize(salon::Surface& obj, int32_t width, int32_t height)
{
    if (width < 0 || height < 0) return false;
    obj.clearPicture();
    const int32_t frame = 4 * obj.borderStyle();
    if (!obj.setSize(int32_t(int64_t(width) + frame > INT32_MAX ? INT32_MAX : width + frame),
                     int32_t(int64_t(height) + frame > INT32_MAX ? INT32_MAX : height + frame)))
        return false;
    obj.clearPicture();
    return true;
}

bool takeImage(salon::Surface& obj, salon::Bitmap&& image)
{
    const int32_t frame = 4 * obj.borderStyle();
    if (image.isNull() || image.bitsPerPixel != 24 || image.pixels.size() < size_t(image.rowBytes()) * size_t(image.height) ||
        int64_t(image.width) + frame > INT32_MAX || int64_t(image.height) + frame > INT32_MAX)
        return false;
    const int32_t width = image.width + frame, height = image.height + frame;
    salon::Bitmap old = std::move(obj.image());
    // Clearing a null image paints nothing; and resizing keeps an image that already has the new
    // size, so nothing is painted under the one taken either.
    obj.image() = salon::Bitmap{};
    obj.clearPicture();
    obj.image() = std::move(image);
    if (obj.setSize(width, height)) return true;
    obj.image() = std::move(old);
    return false;
}

void persist(salon::Surface& obj)
{
    if (obj.autoRedraw) obj.keepImage();
}

} // namespace pixol
