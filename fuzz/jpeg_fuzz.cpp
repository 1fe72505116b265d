// Any bytes given to our JPEG wrapper: an error (libjpeg's own errors included, which must not end
// the program) or a 24-bit picture that both our writers can save.
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace salon;
    auto picture = decodeJpeg(std::span<const uint8_t>(data, size));
    if (!picture.ok()) return 0;
    const Bitmap& b = picture.value();
    fuzz::checkBitmap(b);
    fuzz::check(b.bitsPerPixel == 24, "a JPEG picture that is not 24-bit");
    fuzz::checkBmpRoundTrip(b);
    if (int64_t(b.width) * b.height <= 256 * 256) {
        auto again = decodeJpeg(encodeJpeg(b, 75));
        fuzz::check(again.ok(), "our own JPEG file does not read back");
        fuzz::check(again.value().width == b.width && again.value().height == b.height,
                    "our own JPEG file reads back at another size");
    }
    return 0;
}
