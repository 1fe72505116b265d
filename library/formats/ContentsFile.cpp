#include "ContentsFile.h"

#include "platform/BinaryFile.h"
#include "platform/CodePage.h"

#include <cstring>

namespace pixol::formats {

namespace {

std::string trimmedText(const salon::ByteReader& in, int64_t pos, int64_t count)
{
    std::string raw = *in.text(pos, count);
    const size_t nul = raw.find('\0');
    if (nul != std::string::npos) raw.resize(nul);
    size_t a = 0, b = raw.size();
    while (a < b && raw[a] == ' ') ++a;
    while (b > a && raw[b - 1] == ' ') --b;
    return salon::cp1250ToUtf8(raw.substr(a, b - a));
}

std::string padded(const std::string& utf8, size_t width)
{
    std::string s = salon::utf8ToCp1250(utf8).value_or(utf8);
    s.resize(width, ' ');
    return s;
}

} // namespace

salon::Result<ContentsHeader> parseContentsHeader(std::span<const uint8_t> head, uint64_t fileLength)
{
    if (head.size() < size_t(ContentsHeaderBytes) || fileLength < uint64_t(ContentsHeaderBytes))
        return salon::Error{"shorter than a contents file header"};
    if (std::memcmp(head.data(), "ISWG", 4) != 0) return salon::Error{"not a contents file"};
    const salon::ByteReader in(head.first(size_t(ContentsHeaderBytes)));
    if (uint64_t(uint32_t(*in.long32(5))) != fileLength || *in.long32(5) < 0)
        return salon::Error{"the length field differs from the file length"};
    ContentsHeader h;
    h.cellWidth = *in.long32(9);
    h.cellHeight = *in.long32(13);
    h.count = *in.long32(17);
    if (h.count < 0 || h.count > ContentsMaxPictures) return salon::Error{"more than 200 pictures"};
    h.title = trimmedText(in, 21, 40);
    h.shortName = trimmedText(in, 61, 12);
    for (int32_t k = 0; k < ContentsMaxPictures; ++k) {
        h.index[size_t(k)] = {*in.long32(73 + 8 * k), *in.long32(77 + 8 * k)};
        if (k >= h.count) continue;
        const auto [pos, len] = h.index[size_t(k)];
        if (pos < 1 || len < 0 || uint64_t(pos) - 1 + uint64_t(len) > fileLength)
            return salon::Error{"picture " + std::to_string(k + 1) + " lies outside the file"};
    }
    return h;
}

std::vector<uint8_t> encodeContentsFile(int32_t cellWidth, int32_t cellHeight, const std::string& title,
                                        const std::string& shortName, const std::vector<std::vector<uint8_t>>& pictures)
{
    salon::ByteWriter w;
    w.text(1, "ISWG");
    w.long32(9, cellWidth);
    w.long32(13, cellHeight);
    w.long32(17, int32_t(pictures.size()));
    w.text(21, padded(title, 40));
    w.text(61, padded(shortName, 12));
    int64_t pos = ContentsHeaderBytes + 1;
    for (size_t k = 0; k < pictures.size() && k < size_t(ContentsMaxPictures); ++k) {
        w.long32(73 + 8 * int64_t(k), int32_t(pos));
        w.long32(77 + 8 * int64_t(k), int32_t(pictures[k].size()));
        w.bytes(pos, pictures[k]);
        pos += int64_t(pictures[k].size());
    }
    w.data().resize(size_t(pos - 1));
    w.long32(5, int32_t(w.data().size()));
    return std::move(w.data());
}

} // namespace pixol::formats
