// An NSG region set file ("PLG4") on any bytes: refused, or regions whose places all lie inside the
// data list; each non-empty one is built or refused on its own, and our writer stores the set back.
#include "fuzz/FuzzSupport.h"

#include "library/formats/RegionFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace pixol::formats;
    const std::span<const uint8_t> bytes(data, size);
    auto file = parseNsg(bytes);
    if (!file.ok()) return 0;
    const NsgContents& f = file.value();
    size_t words = 0;
    for (const auto& block : f.regions) {
        words += block.size();
        salon::fuzz::check(block.empty() || block.size() >= 8, "a region shorter than its header");
        if (!block.empty() && block.size() < 40000) {
            salon::Region r = regionFromData(block, 4 * int64_t(block.size()), referenceScale(f.refWidth, f.refHeight, 50, 40));
            (void)r;
        }
    }
    salon::fuzz::check(24 + 12 * f.regions.size() + 4 * words <= size, "the regions hold more than the file");
    // Written back, the set must read as the same set (the writer packs the data list tightly).
    const auto again = encodeNsg(f);
    auto back = parseNsg(again);
    salon::fuzz::check(back.ok(), "our own NSG file does not read back");
    salon::fuzz::check(back.value().regions == f.regions, "our own NSG file reads back other regions");
    return 0;
}
