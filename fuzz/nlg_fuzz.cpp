// An NLG region file ("PLG3") on any bytes: refused, or a region data block whose region can be
// built at its stored size and scaled, and which our writer stores back byte for byte.
#include "fuzz/FuzzSupport.h"

#include "library/formats/RegionFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace pixol::formats;
    const std::span<const uint8_t> bytes(data, size);
    auto file = parseNlg(bytes);
    if (!file.ok()) return 0;
    const NlgContents& f = file.value();
    salon::fuzz::check(4 * f.data.size() + 24 == size, "the region data does not fill the file");
    const auto again = encodeNlg(f.data, f.refWidth, f.refHeight);
    salon::fuzz::check(std::equal(again.begin(), again.end(), bytes.begin(), bytes.end()),
                       "an accepted file is not written back as it was");
    const int64_t sizeBytes = 4 * int64_t(f.data.size());
    // A damaged header is refused by the parser, so every accepted block makes a region.
    salon::Region r = regionFromData(f.data, sizeBytes, salon::Region::Transform{});
    salon::fuzz::check(r.isValid(), "an accepted file gives no region");
    // The reader only ever scales (a turned map is RgnZapisData's, with the caller's own data).
    const auto scaled = regionFromData(f.data, sizeBytes, referenceScale(f.refWidth, f.refHeight, 37, 23));
    salon::fuzz::check(scaled.isValid(), "an accepted file gives no scaled region");
    return 0;
}
