#include "resbitmaps/SuObrTR.h"

#include "platform/PictureFile.h"

// The BMP files drawn at build time, embedded by the generated assembly (Embedded.S): for each id a
// start and an end symbol around the whole file.
#define PIKVALT_EMBEDDED(id)                                 \
    extern "C" const uint8_t pikvalt_bmp_##id[];             \
    extern "C" const uint8_t pikvalt_bmp_##id##_end[];
PIKVALT_EMBEDDED(10)
PIKVALT_EMBEDDED(11)
PIKVALT_EMBEDDED(12)
PIKVALT_EMBEDDED(13)
PIKVALT_EMBEDDED(14)
PIKVALT_EMBEDDED(15)
PIKVALT_EMBEDDED(16)
PIKVALT_EMBEDDED(17)
PIKVALT_EMBEDDED(18)
PIKVALT_EMBEDDED(19)
PIKVALT_EMBEDDED(20)
PIKVALT_EMBEDDED(21)
#undef PIKVALT_EMBEDDED

namespace pikvalt {

namespace {

constexpr size_t FileHeaderBytes = 14;

std::span<const uint8_t> embeddedFile(int32_t id)
{
#define PIKVALT_CASE(n) \
    case n: return {pikvalt_bmp_##n, size_t(pikvalt_bmp_##n##_end - pikvalt_bmp_##n)};
    switch (id) {
        PIKVALT_CASE(10)
        PIKVALT_CASE(11)
        PIKVALT_CASE(12)
        PIKVALT_CASE(13)
        PIKVALT_CASE(14)
        PIKVALT_CASE(15)
        PIKVALT_CASE(16)
        PIKVALT_CASE(17)
        PIKVALT_CASE(18)
        PIKVALT_CASE(19)
        PIKVALT_CASE(20)
        PIKVALT_CASE(21)
    default: return {};
    }
#undef PIKVALT_CASE
}

} // namespace

std::span<const uint8_t> resourceData(int32_t id)
{
    const auto file = embeddedFile(id);
    if (file.size() <= FileHeaderBytes) return {};
    return file.subspan(FileHeaderBytes);
}

salon::Bitmap SuObrTR::LtRscB(int32_t Ag1) const
{
    try {
        const auto file = embeddedFile(Ag1);
        if (file.empty()) return {};
        auto picture = salon::decodeBmp(file);
        if (!picture.ok()) return {};
        return std::move(picture.value());
    } catch (...) {
        return {};  // out of memory: the empty picture, as for an unknown id
    }
}

} // namespace pikvalt
