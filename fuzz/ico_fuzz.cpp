// Any bytes given to the ICO reader: an error or a whole picture that our writer saves faithfully.
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    salon::fuzz::checkPictureReader(std::span<const uint8_t>(data, size),
                                    [](std::span<const uint8_t> b) { return salon::decodeIco(b); });
    return 0;
}
