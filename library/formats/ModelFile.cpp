// The model file layout, read and written in one place.
//
// The reader trusts nothing in the header: every size is checked for sign and every block for
// lying wholly inside the file before a byte is allocated, so a damaged or hostile file costs at
// most its own length in memory and never reads past its end. Sizes are multiplied in 64 bits.
#include "ModelFile.h"

#include "platform/Numbers.h"

#include <cstring>

namespace salon::dsl {

namespace {

constexpr int64_t FixedPartEnd = 260;   // H62 ends here; the variable part starts at 261
constexpr int32_t ExtendedHeaderPos = 221;
const char* const NotAModel = "Nejedná se o správný typ souboru";

int32_t readLong(std::span<const uint8_t> f, int64_t pos)
{
    const uint8_t* p = f.data() + (pos - 1);
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

void writeLong(std::vector<uint8_t>& f, int64_t pos, int32_t v)
{
    uint8_t* p = f.data() + (pos - 1);
    uint32_t u = uint32_t(v);
    p[0] = uint8_t(u);
    p[1] = uint8_t(u >> 8);
    p[2] = uint8_t(u >> 16);
    p[3] = uint8_t(u >> 24);
}

// A block of `bytes` bytes at 1-based `pos` lies inside a file of `size` bytes.
bool fits(int64_t pos, int64_t bytes, int64_t size)
{
    return pos >= 1 && bytes >= 0 && pos - 1 + bytes <= size;
}

class Reader {
public:
    explicit Reader(std::span<const uint8_t> f) : m_f(f) {}
    int32_t h(int index) const { return readLong(m_f, 9 + 4 * int64_t(index)); }
    int64_t size() const { return int64_t(m_f.size()); }

    bool bytes(int64_t pos, int64_t count, std::vector<uint8_t>& out) const
    {
        if (!fits(pos, count, size())) return false;
        out.assign(m_f.begin() + (pos - 1), m_f.begin() + (pos - 1 + count));
        return true;
    }
    bool longs(int64_t pos, int64_t count, std::vector<int32_t>& out) const
    {
        if (count < 0 || !fits(pos, 4 * count, size())) return false;
        out.resize(size_t(count));
        for (int64_t i = 0; i < count; ++i) out[size_t(i)] = readLong(m_f, pos + 4 * i);
        return true;
    }
    bool mask(int wIndex, Mask& m) const
    {
        m.width = h(wIndex);
        m.height = h(wIndex + 1);
        m.x = h(wIndex + 2);
        m.y = h(wIndex + 3);
        if (m.width < 0 || m.height < 0) return false;
        return bytes(h(wIndex + 4), int64_t(m.width) * m.height, m.bytes);
    }
    bool polygons(int countIndex, PolygonSet& s) const
    {
        int32_t polys = h(countIndex), points = h(countIndex + 1);
        if (polys < 0 || points < 0) return false;
        if (!longs(h(countIndex + 2), polys, s.counts)) return false;
        std::vector<int32_t> flat;
        if (!longs(h(countIndex + 3), 2 * int64_t(points), flat)) return false;
        s.points.resize(size_t(points));
        for (size_t i = 0; i < s.points.size(); ++i) s.points[i] = {flat[2 * i], flat[2 * i + 1]};
        return true;
    }

private:
    std::span<const uint8_t> m_f;
};

} // namespace

std::array<int32_t, 10> standardBitmapHeader(int32_t width, int32_t height)
{
    // biSize, biWidth, biHeight (negative: top-down), biPlanes | biBitCount << 16, biCompression,
    // biSizeImage, 2834 ppm twice (72 dpi), biClrUsed, biClrImportant.
    return {40, width, -height, 1 | (24 << 16), 0, 0, 2834, 2834, 0, 0};
}

Result<Model> parse(std::span<const uint8_t> file, const char* magic, bool checkLength)
{
    if (file.size() < 4 || std::memcmp(file.data(), magic, 4) != 0) return Error{NotAModel};
    if (int64_t(file.size()) < FixedPartEnd) return Error{NotAModel};
    Reader r(file);
    if (checkLength && readLong(file, 5) != int64_t(file.size())) return Error{NotAModel};

    Model m;
    m.faceAngle = r.h(0);
    m.skinColour = r.h(1);
    m.hairColour = r.h(2);
    const int32_t headerPos = r.h(3);
    m.extended = headerPos >= ExtendedHeaderPos;
    if (!fits(headerPos, 40, r.size())) return Error{NotAModel};
    for (int i = 0; i < 10; ++i) m.bitmapHeader[size_t(i)] = readLong(file, headerPos + 4 * int64_t(i));
    m.width = m.bitmapHeader[1];
    m.height = -int64_t(m.bitmapHeader[2]) > INT32_MAX ? 0 : -m.bitmapHeader[2];
    if (m.width < 1 || m.height < 1 || m.width > (INT32_MAX - 3) / 3) return Error{NotAModel};
    const int64_t pictureBytes = int64_t(rowBytes24(m.width)) * m.height;
    if (!r.bytes(r.h(5), pictureBytes, m.picture1) || !r.bytes(r.h(6), pictureBytes, m.picture2))
        return Error{NotAModel};

    if (!r.mask(7, m.mask1) || !r.mask(13, m.mask2)) return Error{NotAModel};
    // Mask 3 keeps its own stored rectangle fields (H19..H22), but every reader takes its bytes
    // over rectangle 2, so that is how many are read.
    m.mask3.width = r.h(19);
    m.mask3.height = r.h(20);
    m.mask3.x = r.h(21);
    m.mask3.y = r.h(22);
    if (!r.bytes(r.h(23), int64_t(m.mask2.width) * m.mask2.height, m.mask3.bytes)) return Error{NotAModel};

    if (!r.polygons(25, m.set1) || !r.polygons(29, m.set2)) return Error{NotAModel};
    m.rangeFlag = r.h(35);
    m.rangeLow = r.h(44);
    m.rangeHigh = r.h(45);

    // The editor never looks at the extended block; only the library's reader (which also checks
    // the stored length) insists that it fits.
    if (m.extended) {
        m.extra1 = r.h(46);
        m.extra2 = r.h(47);
        const int32_t nameLen = r.h(48), regionLongs = r.h(50);
        std::vector<uint8_t> name;
        bool ok = nameLen >= 0 && r.bytes(r.h(49), nameLen, name) && r.longs(r.h(52), regionLongs, m.regionData);
        if (ok) {
            m.name.assign(name.begin(), name.end());
        } else {
            if (checkLength) return Error{NotAModel};
            m.regionData.clear();
        }
    }
    return m;
}

std::vector<uint8_t> serialize(const Model& model, const char* magic)
{
    const int32_t w = model.width, h = model.height;
    const int32_t rb = rowBytes24(w);
    std::array<int32_t, 63> H{};
    H[0] = model.faceAngle;
    H[1] = model.skinColour;
    H[2] = model.hairColour;
    H[3] = ExtendedHeaderPos;
    H[4] = rb * h;
    H[5] = 261;
    H[6] = H[5] + H[4];
    H[7] = model.mask1.width;
    H[8] = model.mask1.height;
    H[9] = model.mask1.x;
    H[10] = model.mask1.y;
    H[11] = H[6] + H[4];
    H[12] = H[7] * H[8];
    H[13] = model.mask2.width;
    H[14] = model.mask2.height;
    H[15] = model.mask2.x;
    H[16] = model.mask2.y;
    H[17] = H[11] + H[12];
    H[18] = H[13] * H[14];
    H[19] = model.mask3.width;
    H[20] = model.mask3.height;
    H[21] = model.mask3.x;
    H[22] = model.mask3.y;
    H[23] = H[17] + H[18];
    // Both readers take mask 3 over rectangle 2, so that is the block written, whatever H19..H22
    // say; sizing it by them would shift everything after it in a file whose fields disagree.
    H[24] = H[18];
    H[25] = int32_t(model.set1.counts.size());
    H[26] = int32_t(model.set1.points.size());
    H[27] = H[23] + H[24];
    H[28] = H[27] + 4 * H[25];
    H[29] = int32_t(model.set2.counts.size());
    H[30] = int32_t(model.set2.points.size());
    H[31] = H[28] + 8 * H[26];
    H[32] = H[31] + 4 * H[29];
    H[35] = model.rangeFlag;
    H[44] = model.rangeLow;
    H[45] = model.rangeHigh;
    H[46] = model.extra1;
    H[47] = model.extra2;
    H[48] = int32_t(model.name.size());
    H[49] = H[32] + 8 * H[30];
    H[50] = int32_t(model.regionData.size());
    H[51] = 4 * H[50];
    H[52] = H[49] + H[48];
    const auto bih = standardBitmapHeader(w, h);
    for (int i = 0; i < 10; ++i) H[size_t(53 + i)] = bih[size_t(i)];

    const int64_t length = int64_t(H[52]) + H[51] - 1;
    std::vector<uint8_t> f(size_t(std::max<int64_t>(length, 280)), 0);
    std::memcpy(f.data(), magic, 4);
    writeLong(f, 5, int32_t(length));
    for (int i = 0; i < 63; ++i) writeLong(f, 9 + 4 * i, H[size_t(i)]);

    // Each block is written at its position with exactly its declared size; a caller's array
    // that is short is padded with zeros, a long one is cut, so blocks never overlap.
    auto put = [&f](int64_t pos, const std::vector<uint8_t>& src, int64_t count) {
        if (count <= 0) return;
        std::memcpy(f.data() + (pos - 1), src.data(), size_t(std::min<int64_t>(count, int64_t(src.size()))));
    };
    put(H[5], model.picture1, H[4]);
    put(H[6], model.picture2, H[4]);
    put(H[11], model.mask1.bytes, H[12]);
    put(H[17], model.mask2.bytes, H[18]);
    put(H[23], model.mask3.bytes, H[24]);
    auto putSet = [&](const PolygonSet& s, int32_t countsPos, int32_t pointsPos) {
        for (size_t i = 0; i < s.counts.size(); ++i) writeLong(f, countsPos + 4 * int64_t(i), s.counts[i]);
        for (size_t i = 0; i < s.points.size(); ++i) {
            writeLong(f, pointsPos + 8 * int64_t(i), s.points[i][0]);
            writeLong(f, pointsPos + 8 * int64_t(i) + 4, s.points[i][1]);
        }
    };
    putSet(model.set1, H[27], H[28]);
    putSet(model.set2, H[31], H[32]);
    std::memcpy(f.data() + (H[49] - 1), model.name.data(), model.name.size());
    for (size_t i = 0; i < model.regionData.size(); ++i) writeLong(f, H[52] + 4 * int64_t(i), model.regionData[i]);
    f.resize(size_t(length));
    return f;
}

} // namespace salon::dsl
