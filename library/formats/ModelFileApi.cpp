#include "ModelFileApi.h"

#include "FileBytes.h"
#include "ModelFile.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cstdint>
#include <cctype>
#include <cstring>
#include <stdexcept>

namespace salon {

namespace {

bool endsWithDsl(const std::string& name)
{
    if (name.size() < 3) return false;
    std::string tail = name.substr(name.size() - 3);
    for (char& c : tail) c = char(std::toupper(static_cast<unsigned char>(c)));
    return tail == "DSL";
}

void maskToArray(const dsl::Mask& m, int32_t x, int32_t y, int32_t w, int32_t h, ByteArray2D& out)
{
    // The array's bounds are Longs: a mask whose far edge lies past the last Long cannot be handed
    // out as one, and the file is refused (the caller catches this).
    const int64_t right = int64_t(x) + w - 1, bottom = int64_t(y) + h - 1;
    if (right < INT32_MIN || right > INT32_MAX || bottom < INT32_MIN || bottom > INT32_MAX)
        throw std::out_of_range("a mask reaches past the Long range");
    out.redim(x, int32_t(right), y, int32_t(bottom));
    std::copy(m.bytes.begin(), m.bytes.end(), out.values.begin());
}

void setToArrays(const dsl::PolygonSet& s, LongArray& counts, LongArray& xs, LongArray& ys)
{
    counts.redim(0, int32_t(s.counts.size()) - 1);
    counts.values = s.counts;
    xs.redim(0, int32_t(s.points.size()) - 1);
    ys.redim(0, int32_t(s.points.size()) - 1);
    for (size_t i = 0; i < s.points.size(); ++i) {
        xs.values[i] = s.points[i][0];
        ys.values[i] = s.points[i][1];
    }
}

// Takes `count` elements from index `first` on; a short array is the caller's error.
std::vector<int32_t> take(const LongArray& a, int32_t first, int32_t count)
{
    if (count < 0) throw std::out_of_range("negative count");
    std::vector<int32_t> out(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) out[size_t(i)] = a(first + i);
    return out;
}

dsl::PolygonSet arraysToSet(const LongArray& counts, const LongArray& xs, const LongArray& ys, int32_t polys,
                            int32_t points)
{
    dsl::PolygonSet s;
    s.counts = take(counts, 0, polys);
    auto x = take(xs, 0, points), y = take(ys, 0, points);
    s.points.resize(size_t(points));
    for (size_t i = 0; i < s.points.size(); ++i) s.points[i] = {x[i], y[i]};
    return s;
}

} // namespace

int32_t SuCtiDSL(const std::string& JmeSou, ByteArray2D& BObr1, ByteArray2D& BObr2, ByteArray2D& BTr1,
                 ByteArray2D& BTr2, ByteArray2D& BTr3, LongArray& BPlg1, LongArray& BPbX1, LongArray& BPbY1,
                 LongArray& BPlg2, LongArray& BPbX2, LongArray& BPbY2, std::string& JpObr, LongArray& BRgn,
                 LongArray& BDData)
{
    try {
        if (!endsWithDsl(JmeSou) || !FileExists(JmeSou)) return 0;
        auto native = nativePath(JmeSou);
        if (!native) return 0;
        auto bytes = dsl::readWholeFile(*native);
        if (!bytes) return 0;
        auto parsed = dsl::parse(*bytes, dsl::LibraryMagic, true);
        if (!parsed) return 0;
        const dsl::Model& m = parsed.value();

        BDData.redim(1, 30);
        BDData(1) = m.extended ? 1 : 0;
        BDData(2) = m.faceAngle;
        BDData(3) = m.skinColour;
        BDData(4) = m.hairColour;
        BDData(5) = m.width;
        BDData(6) = m.height;
        BDData(7) = m.mask1.width;
        BDData(8) = m.mask1.height;
        BDData(9) = m.mask1.x;
        BDData(10) = m.mask1.y;
        BDData(11) = m.mask2.width;
        BDData(12) = m.mask2.height;
        BDData(13) = m.mask2.x;
        BDData(14) = m.mask2.y;
        BDData(15) = m.mask3.width;
        BDData(16) = m.mask3.height;
        BDData(17) = m.mask3.x;
        BDData(18) = m.mask3.y;
        BDData(19) = int32_t(m.set1.counts.size());
        BDData(20) = int32_t(m.set1.points.size());
        BDData(21) = int32_t(m.set2.counts.size());
        BDData(22) = int32_t(m.set2.points.size());
        BDData(23) = m.rangeFlag;
        BDData(24) = m.rangeLow;
        BDData(25) = m.rangeHigh;

        const int32_t rb = rowBytes24(m.width);
        BObr1.redim(0, rb - 1, 0, m.height - 1);
        BObr1.values = m.picture1;
        BObr2.redim(0, rb - 1, 0, m.height - 1);
        BObr2.values = m.picture2;
        maskToArray(m.mask1, m.mask1.x, m.mask1.y, m.mask1.width, m.mask1.height, BTr1);
        maskToArray(m.mask2, m.mask2.x, m.mask2.y, m.mask2.width, m.mask2.height, BTr2);
        maskToArray(m.mask3, m.mask2.x, m.mask2.y, m.mask2.width, m.mask2.height, BTr3);
        setToArrays(m.set1, BPlg1, BPbX1, BPbY1);
        setToArrays(m.set2, BPlg2, BPbX2, BPbY2);

        if (m.extended) {
            BDData(26) = m.extra1;
            BDData(27) = m.extra2;
            BDData(28) = int32_t(m.regionData.size());
            // The stored byte count (H51), not one derived from H50: a caller copying a file's
            // fields must see what the file says.
            const size_t at = 9 + 4 * 51 - 1;
            BDData(29) = int32_t(uint32_t((*bytes)[at]) | uint32_t((*bytes)[at + 1]) << 8 |
                                 uint32_t((*bytes)[at + 2]) << 16 | uint32_t((*bytes)[at + 3]) << 24);
            JpObr = m.name;
            BRgn.redim(1, int32_t(m.regionData.size()));
            BRgn.values = m.regionData;
        }
        return 1;
    } catch (...) {
        return 0;
    }
}

int32_t SuPisDSL(Ui& ui, const std::string& JmeSou, const ByteArray2D& BObr1, const ByteArray2D& BObr2,
                 const ByteArray2D& BTr1, const ByteArray2D& BTr2, const ByteArray2D& BTr3, const LongArray& BPlg1,
                 const LongArray& BPbX1, const LongArray& BPbY1, const LongArray& BPlg2, const LongArray& BPbX2,
                 const LongArray& BPbY2, const std::string& JpObr, const LongArray& BRgn, const LongArray& BDData,
                 bool Dotaz, const std::string& question)
{
    try {
        if (!endsWithDsl(JmeSou) || !BDData.has(1) || BDData(1) != 1) return 0;
        auto native = nativePath(JmeSou);
        if (!native) return 0;
        if (Dotaz && FileExists(JmeSou)) {
            MsgAnswer a = ui.message(question.empty() ? std::string(OverwriteQuestionText) : question, MsgButtons::YesNo, MsgIcon::Exclamation, MsgDefault::Second);
            if (a != MsgAnswer::Yes) return 0;
        }

        dsl::Model m;
        m.extended = true;
        m.faceAngle = BDData(2);
        m.skinColour = BDData(3);
        m.hairColour = BDData(4);
        m.width = BDData(5);
        m.height = BDData(6);
        if (m.width < 1 || m.height < 1 || m.width > (1 << 20) || m.height > (1 << 20)) return 0;
        m.bitmapHeader = dsl::standardBitmapHeader(m.width, m.height);
        m.picture1 = BObr1.values;
        m.picture2 = BObr2.values;
        m.mask1 = {BDData(9), BDData(10), BDData(7), BDData(8), BTr1.values};
        m.mask2 = {BDData(13), BDData(14), BDData(11), BDData(12), BTr2.values};
        m.mask3 = {BDData(17), BDData(18), BDData(15), BDData(16), BTr3.values};
        // Mask 3 lies over rectangle 2, and its size field is W3 x H3r: fields that say otherwise
        // would make a file whose blocks do not follow each other, so they are refused.
        if (m.mask3.width != m.mask2.width || m.mask3.height != m.mask2.height || m.mask3.x != m.mask2.x ||
            m.mask3.y != m.mask2.y)
            return 0;
        for (const dsl::Mask* k : {&m.mask1, &m.mask2})
            if (k->width < 0 || k->height < 0 || int64_t(k->width) * k->height > (1 << 28)) return 0;
        m.set1 = arraysToSet(BPlg1, BPbX1, BPbY1, BDData(19), BDData(20));
        m.set2 = arraysToSet(BPlg2, BPbX2, BPbY2, BDData(21), BDData(22));
        m.rangeFlag = BDData(23);
        m.rangeLow = BDData(24);
        m.rangeHigh = BDData(25);
        m.extra1 = BDData(26);
        m.extra2 = BDData(27);
        m.name = JpObr;
        m.regionData = BRgn.values;

        std::vector<uint8_t> file = dsl::serialize(m, dsl::LibraryMagic);
        // The region counts are the caller's (BDData 28, 29), written as given; the whole BRgn is
        // written. A caller whose counts disagree with its array hears about it, and the file
        // still gets its true length.
        auto setLong = [&file](int64_t pos, int32_t v) {
            uint32_t u = uint32_t(v);
            for (int i = 0; i < 4; ++i) file[size_t(pos - 1 + i)] = uint8_t(u >> (8 * i));
        };
        setLong(9 + 4 * 50, BDData(28));
        setLong(9 + 4 * 51, BDData(29));
        const int64_t regionPos = 9 + 4 * 52;
        int32_t h52 = 0;
        for (int i = 0; i < 4; ++i) h52 |= int32_t(uint32_t(file[size_t(regionPos - 1 + i)]) << (8 * i));
        if (int64_t(file.size()) != int64_t(h52) + BDData(29) - 1) ui.message(LengthErrorText);
        return dsl::replaceFile(*native, file) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

} // namespace salon
