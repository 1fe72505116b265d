// Any bytes given to the ICO reader: an error or a whole picture that our writer saves faithfully.
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    auto picture = salon::decodeIco(bytes);
    if (picture.ok()) {
        salon::fuzz::checkBitmap(picture.value());
        salon::fuzz::checkBmpRoundTrip(picture.value());
    }
    // The generic loader must agree with the reader it picks.
    auto any = salon::decodePicture(bytes);
    if (any.ok()) salon::fuzz::checkBitmap(any.value());
    return 0;
}
