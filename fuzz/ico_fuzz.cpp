// Any bytes given to the ICO reader: an error or a whole picture that our writer saves faithfully.
// The cursor reader on the same bytes: an error, or the icon reader's picture with a mask of its
// size and a hot spot on it.
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    salon::fuzz::checkPictureReader(bytes, [](std::span<const uint8_t> b) { return salon::decodeIco(b); });
    const auto cursor = salon::decodeCursor(bytes);
    if (cursor.ok()) {
        const salon::CursorPicture& c = cursor.value();
        salon::fuzz::check(c.mask.width == c.image.width && c.mask.height == c.image.height, "cursor mask size");
        salon::fuzz::check(c.hotX >= 0 && c.hotY >= 0 && c.hotX < c.image.width && c.hotY < c.image.height,
                           "cursor hot spot off the picture");
        const auto icon = salon::decodeIco(bytes);
        salon::fuzz::check(icon.ok() && icon.value() == c.image, "cursor picture differs from the icon reader's");
    }
    return 0;
}
