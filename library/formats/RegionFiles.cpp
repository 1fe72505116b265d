#include "RegionFiles.h"

#include "platform/BinaryFile.h"

#include <algorithm>
#include <cstring>

namespace pixol::formats {

using salon::Error;
using salon::Region;

namespace {

constexpr int32_t HeaderWords = 8;
constexpr int64_t ChunkedFrom = 65000;  // block size from which the original platform built regions in chunks

bool magicIs(std::span<const uint8_t> file, const char* magic)
{
    return file.size() >= 4 && std::memcmp(file.data(), magic, 4) == 0;
}

// The header of a region data block must announce rectangles, and the rectangles it counts must
// lie inside the block's size.
bool headerFits(std::span<const int32_t> block)
{
    if (block.size() < size_t(HeaderWords) || block[0] != 32 || block[1] != 1 || block[2] < 0) return false;
    return 32 + 16 * int64_t(block[2]) <= 4 * int64_t(block.size());
}

std::vector<int32_t> readWords(const salon::ByteReader& in, int64_t pos, int64_t count)
{
    std::vector<int32_t> words(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i) words[size_t(i)] = *in.long32(pos + 4 * i);
    return words;
}

} // namespace

salon::Result<NlgContents> parseNlg(std::span<const uint8_t> file)
{
    const salon::ByteReader in(file);
    if (file.size() < 24 || !magicIs(file, "PLG3")) return Error{"not an NLG file"};
    const int64_t length = int64_t(file.size());
    const int32_t lengthField = *in.long32(5), words = *in.long32(9), bytes = *in.long32(13);
    if (lengthField != length) return Error{"the length field differs from the file length"};
    if (bytes < 32 || int64_t(words) * 4 != bytes || 24 + int64_t(bytes) != length)
        return Error{"the region data size does not fit the file"};
    NlgContents out;
    out.refWidth = *in.long32(17);
    out.refHeight = *in.long32(21);
    out.data = readWords(in, 25, words);
    if (!headerFits(out.data)) return Error{"the region data header is damaged"};
    return out;
}

std::vector<uint8_t> encodeNlg(std::span<const int32_t> data, int32_t refWidth, int32_t refHeight)
{
    const int32_t bytes = int32_t(4 * data.size());
    salon::ByteWriter w;
    w.text(1, "PLG3");
    w.long32(5, 24 + bytes);
    w.long32(9, int32_t(data.size()));
    w.long32(13, bytes);
    w.long32(17, refWidth);
    w.long32(21, refHeight);
    for (size_t i = 0; i < data.size(); ++i) w.long32(25 + 4 * int64_t(i), data[i]);
    w.data().resize(size_t(24 + int64_t(bytes)));  // an empty block still gives the whole file
    return std::move(w.data());
}

salon::Result<NsgContents> parseNsg(std::span<const uint8_t> file)
{
    const salon::ByteReader in(file);
    if (file.size() < 24 || !magicIs(file, "PLG4")) return Error{"not an NSG file"};
    const int64_t length = int64_t(file.size());
    if (*in.long32(5) != length) return Error{"the length field differs from the file length"};
    const int64_t m = *in.long32(9), total = *in.long32(13);
    if (m < 0 || total < 0 || 24 + 12 * m + 4 * total > length) return Error{"the region lists do not fit the file"};
    const int64_t dataPos = 25 + 12 * m;

    // Every region's place is checked before any of them is copied.
    struct Slot {
        int64_t first, words;
    };
    std::vector<Slot> slots(static_cast<size_t>(m));
    for (int64_t k = 0; k < m; ++k) {
        const int64_t first = *in.long32(25 + 4 * k), words = *in.long32(25 + 4 * (m + k)),
                      bytes = *in.long32(25 + 4 * (2 * m + k));
        if (first == 0) {
            if (words != 0 || bytes != 0) return Error{"an empty region has a size"};
            slots[size_t(k)] = {0, 0};
            continue;
        }
        if (first < 1 || words < HeaderWords || bytes != 4 * words || first - 1 + words > total)
            return Error{"a region lies outside the data list"};
        slots[size_t(k)] = {first, words};
    }
    NsgContents out;
    out.refWidth = *in.long32(17);
    out.refHeight = *in.long32(21);
    out.regions.resize(size_t(m));
    for (int64_t k = 0; k < m; ++k) {
        const Slot s = slots[size_t(k)];
        if (s.first != 0) out.regions[size_t(k)] = readWords(in, dataPos + 4 * (s.first - 1), s.words);
    }
    return out;
}

std::vector<uint8_t> encodeNsg(const NsgContents& contents)
{
    const int64_t m = int64_t(contents.regions.size());
    int64_t total = 0;
    for (const auto& r : contents.regions) total += int64_t(r.size());
    salon::ByteWriter w;
    const int64_t length = 24 + 12 * m + 4 * total;
    w.text(1, "PLG4");
    w.long32(5, int32_t(length));
    w.long32(9, int32_t(m));
    w.long32(13, int32_t(total));
    w.long32(17, contents.refWidth);
    w.long32(21, contents.refHeight);
    int64_t next = 1, pos = 25 + 12 * m;
    for (int64_t k = 0; k < m; ++k) {
        const auto& r = contents.regions[size_t(k)];
        const int64_t words = int64_t(r.size());
        w.long32(25 + 4 * k, words ? int32_t(next) : 0);
        w.long32(25 + 4 * (m + k), int32_t(words));
        w.long32(25 + 4 * (2 * m + k), int32_t(4 * words));
        for (int32_t v : r) {
            w.long32(pos, v);
            pos += 4;
        }
        next += words;
    }
    w.data().resize(size_t(length));
    return std::move(w.data());
}

Region regionFromData(std::span<const int32_t> words, int64_t sizeBytes, const Region::Transform& map)
{
    if (sizeBytes < 32 || sizeBytes > 4 * int64_t(words.size()) || words[0] != 32 || words[1] != 1) return Region::invalid();
    const std::span<const int32_t> block = words.first(size_t(sizeBytes / 4));
    if (sizeBytes < ChunkedFrom) return headerFits(block) ? Region::fromData(block, map) : Region::invalid();
    // The chunked build took every whole rectangle the size holds, whatever the header counted;
    // mapping each rectangle on its own, the union of the chunks is the region of all of them.
    std::vector<int32_t> copy(block.begin(), block.end());
    copy[2] = int32_t((sizeBytes - 32) / 16);
    copy[3] = 16 * copy[2];
    return Region::fromData(copy, map);
}

Region::Transform referenceScale(int32_t refWidth, int32_t refHeight, int32_t width, int32_t height)
{
    Region::Transform t;
    if (refWidth != 0 && refHeight != 0 && width != 0 && height != 0) {
        t.m11 = float(double(width) / double(refWidth));
        t.m22 = float(double(height) / double(refHeight));
    }
    return t;
}

} // namespace pixol::formats
