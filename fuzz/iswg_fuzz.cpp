// A picture contents file ("ISWG") on any bytes: refused, or a header whose every used index entry
// lies inside the file; each picture it points at decodes or is refused, and never reads outside.
#include "fuzz/FuzzSupport.h"

#include "library/formats/ContentsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace pixol::formats;
    const std::span<const uint8_t> bytes(data, size);
    auto header = parseContentsHeader(bytes, size);
    if (!header.ok()) return 0;
    const ContentsHeader& h = header.value();
    salon::fuzz::check(h.count >= 0 && h.count <= ContentsMaxPictures, "a count outside 0..200");
    for (int32_t k = 0; k < h.count; ++k) {
        const auto e = h.index[size_t(k)];
        salon::fuzz::check(e.position >= 1 && e.length >= 0 && uint64_t(e.position) - 1 + uint64_t(e.length) <= size,
                           "an index entry outside the file");
        auto picture = salon::decodePicture(bytes.subspan(size_t(e.position - 1), size_t(e.length)));
        if (picture.ok()) salon::fuzz::checkBitmap(picture.value());
    }
    return 0;
}
