// The library's model reader SuCtiDSL on any bytes as a "JDSL" file. What it reads, SuPisDSL must
// write back so that a second read gives the very same arrays: a model kept for years goes through
// this pair every time it is edited.
#include "fuzz/FuzzSupport.h"

#include "library/formats/ModelFileApi.h"

namespace {

using namespace salon;

struct Arrays {
    ByteArray2D obr1, obr2, tr1, tr2, tr3;
    LongArray plg1, x1, y1, plg2, x2, y2, rgn, data;
    std::string name;

    int32_t read(const std::string& path)
    {
        return SuCtiDSL(path, obr1, obr2, tr1, tr2, tr3, plg1, x1, y1, plg2, x2, y2, name, rgn, data);
    }
    int32_t write(Ui& ui, const std::string& path) const
    {
        return SuPisDSL(ui, path, obr1, obr2, tr1, tr2, tr3, plg1, x1, y1, plg2, x2, y2, name, rgn, data);
    }
};

bool same(const ByteArray2D& a, const ByteArray2D& b)
{
    return a.lower1 == b.lower1 && a.lower2 == b.lower2 && a.count1 == b.count1 && a.count2 == b.count2 &&
           a.values == b.values;
}

bool same(const LongArray& a, const LongArray& b) { return a.lower == b.lower && a.values == b.values; }

bool same(const Arrays& a, const Arrays& b)
{
    return same(a.obr1, b.obr1) && same(a.obr2, b.obr2) && same(a.tr1, b.tr1) && same(a.tr2, b.tr2) &&
           same(a.tr3, b.tr3) && same(a.plg1, b.plg1) && same(a.x1, b.x1) && same(a.y1, b.y1) &&
           same(a.plg2, b.plg2) && same(a.x2, b.x2) && same(a.y2, b.y2) && a.name == b.name && same(a.rgn, b.rgn) &&
           same(a.data, b.data);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    const std::string in = fuzz::writeScratch("in.dsl", bytes).string();
    Arrays first;
    if (first.read(in) != 1) return 0;
    // Only the extended version can be written; the short one is refused until the caller says so.
    if (first.data(1) != 1) return 0;
    ScriptedUi ui;
    const std::string out = (fuzz::scratchDir() / "out.DSL").string();
    std::filesystem::remove(out);
    // Mask 3 lies over rectangle 2; a file whose mask 3 fields say otherwise is read as it is but
    // not written back, since its size field could not follow from them.
    const bool mask3OverRectangle2 = first.data(15) == first.data(11) && first.data(16) == first.data(12) &&
                                     first.data(17) == first.data(13) && first.data(18) == first.data(14);
    if (!mask3OverRectangle2) {
        fuzz::check(first.write(ui, out) == 0, "SuPisDSL wrote mask 3 fields that contradict rectangle 2");
        fuzz::check(!std::filesystem::exists(out), "a refused SuPisDSL left a file");
        return 0;
    }
    fuzz::check(first.write(ui, out) == 1, "SuPisDSL refused arrays that SuCtiDSL gave");
    // The stored region byte count is handed on as the file says it; the writer names a count that
    // disagrees with the region longs it writes, and only such a count.
    const bool countsAgree = int64_t(first.data(29)) == 4 * int64_t(first.data(28));
    fuzz::check(ui.messages.empty() == countsAgree, "SuPisDSL's length message does not follow the region counts");
    Arrays second;
    fuzz::check(second.read(out) == 1, "SuCtiDSL refuses the file SuPisDSL wrote");
    fuzz::check(same(first, second), "a model read, written and read again has changed");
    return 0;
}
