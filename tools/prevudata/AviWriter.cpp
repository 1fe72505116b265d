#include "tools/prevudata/AviWriter.h"

#include <cstring>
#include <string_view>

namespace salon::tools {

namespace {

class Out {
public:
    std::vector<uint8_t> bytes;
    void u32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(v >> (8 * i)));
    }
    void u16(uint16_t v)
    {
        bytes.push_back(uint8_t(v));
        bytes.push_back(uint8_t(v >> 8));
    }
    void fourcc(std::string_view c) { bytes.insert(bytes.end(), c.begin(), c.begin() + 4); }
    // Starts a chunk or list; returns where its size goes.
    size_t open(std::string_view id, std::string_view listType = {})
    {
        fourcc(id);
        size_t at = bytes.size();
        u32(0);
        if (!listType.empty()) fourcc(listType);
        return at;
    }
    void close(size_t sizeAt)
    {
        const uint32_t size = uint32_t(bytes.size() - sizeAt - 4);
        for (int i = 0; i < 4; ++i) bytes[sizeAt + size_t(i)] = uint8_t(size >> (8 * i));
        if (size % 2) bytes.push_back(0);
    }
};

uint32_t u32At(std::span<const uint8_t> b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
bool idAt(std::span<const uint8_t> b, size_t at, std::string_view id)
{
    return at + 4 <= b.size() && std::memcmp(b.data() + at, id.data(), 4) == 0;
}

} // namespace

Result<std::vector<uint8_t>> encodeMjpegAvi(const AviVideo& video)
{
    if (video.width <= 0 || video.height <= 0 || video.framesPerSecond <= 0 || video.jpegFrames.empty())
        return Error{"an AVI needs a size, a frame rate and at least one frame"};
    size_t largest = 0;
    for (const auto& f : video.jpegFrames) {
        if (f.size() < 4 || f[0] != 0xFF || f[1] != 0xD8) return Error{"a frame is not a JPEG stream"};
        largest = std::max(largest, f.size());
    }
    const uint32_t frames = uint32_t(video.jpegFrames.size());
    const uint32_t usPerFrame = uint32_t(1000000 / video.framesPerSecond);

    Out o;
    size_t riff = o.open("RIFF", "AVI ");
    size_t hdrl = o.open("LIST", "hdrl");
    size_t avih = o.open("avih");
    o.u32(usPerFrame);
    o.u32(uint32_t(largest * size_t(video.framesPerSecond)));  // max bytes per second
    o.u32(0);                                                    // padding granularity
    o.u32(0x10);                                                 // AVIF_HASINDEX
    o.u32(frames);
    o.u32(0);                                                    // initial frames
    o.u32(1);                                                    // streams
    o.u32(uint32_t(largest));
    o.u32(uint32_t(video.width));
    o.u32(uint32_t(video.height));
    for (int i = 0; i < 4; ++i) o.u32(0);
    o.close(avih);
    size_t strl = o.open("LIST", "strl");
    size_t strh = o.open("strh");
    o.fourcc("vids");
    o.fourcc("MJPG");
    o.u32(0);   // flags
    o.u16(0);   // priority
    o.u16(0);   // language
    o.u32(0);   // initial frames
    o.u32(1);   // scale
    o.u32(uint32_t(video.framesPerSecond));  // rate: rate / scale frames a second
    o.u32(0);   // start
    o.u32(frames);
    o.u32(uint32_t(largest));
    o.u32(0xFFFFFFFFu);  // quality: default
    o.u32(0);   // sample size: varies
    o.u16(0);
    o.u16(0);
    o.u16(uint16_t(video.width));
    o.u16(uint16_t(video.height));
    o.close(strh);
    size_t strf = o.open("strf");
    o.u32(40);
    o.u32(uint32_t(video.width));
    o.u32(uint32_t(video.height));
    o.u16(1);
    o.u16(24);
    o.fourcc("MJPG");
    o.u32(uint32_t(video.width * video.height * 3));
    for (int i = 0; i < 4; ++i) o.u32(0);
    o.close(strf);
    o.close(strl);
    o.close(hdrl);

    size_t movi = o.open("LIST", "movi");
    const size_t moviId = movi + 4;  // the "movi" code, where index offsets count from
    std::vector<std::pair<uint32_t, uint32_t>> index;
    for (const auto& f : video.jpegFrames) {
        index.emplace_back(uint32_t(o.bytes.size() - moviId), uint32_t(f.size()));
        size_t chunk = o.open("00dc");
        o.bytes.insert(o.bytes.end(), f.begin(), f.end());
        o.close(chunk);
    }
    o.close(movi);
    size_t idx1 = o.open("idx1");
    for (auto [offset, size] : index) {
        o.fourcc("00dc");
        o.u32(0x10);  // AVIIF_KEYFRAME
        o.u32(offset);
        o.u32(size);
    }
    o.close(idx1);
    o.close(riff);
    return std::move(o.bytes);
}

Result<AviSummary> readMjpegAvi(std::span<const uint8_t> b)
{
    if (b.size() < 12 || !idAt(b, 0, "RIFF") || !idAt(b, 8, "AVI ")) return Error{"not an AVI file"};
    if (u32At(b, 4) + 8ull != b.size()) return Error{"RIFF size does not match the file"};
    AviSummary s;
    size_t moviId = 0;
    bool haveHeader = false, haveIndex = false;
    std::span<const uint8_t> index;
    // Walk the top-level chunks, descending into the header lists.
    std::vector<std::pair<size_t, size_t>> ranges{{12, b.size()}};
    while (!ranges.empty()) {
        auto [at, end] = ranges.back();
        ranges.pop_back();
        while (at + 8 <= end) {
            const uint32_t size = u32At(b, at + 4);
            if (at + 8 + uint64_t(size) > end) return Error{"a chunk runs past its parent"};
            if (idAt(b, at, "LIST")) {
                if (size < 4) return Error{"a list without a type"};
                if (idAt(b, at + 8, "movi")) moviId = at + 8;
                else ranges.emplace_back(at + 12, at + 8 + size);
            } else if (idAt(b, at, "avih")) {
                if (size < 40) return Error{"short main header"};
                s.microsecondsPerFrame = int32_t(u32At(b, at + 8));
                s.frames = int32_t(u32At(b, at + 24));
                s.width = int32_t(u32At(b, at + 40));
                s.height = int32_t(u32At(b, at + 44));
                haveHeader = true;
            } else if (idAt(b, at, "idx1")) {
                index = b.subspan(at + 8, size);
                haveIndex = true;
            }
            at += 8 + size + (size % 2);
        }
    }
    if (!haveHeader || !haveIndex || moviId == 0) return Error{"header, frames or index missing"};
    for (size_t e = 0; e + 16 <= index.size(); e += 16) {
        const size_t chunk = moviId + u32At(index, e + 8);
        const uint32_t size = u32At(index, e + 12);
        if (chunk + 8 + uint64_t(size) > b.size() || !idAt(b, chunk, "00dc") || u32At(b, chunk + 4) != size)
            return Error{"an index entry does not point at its frame"};
        s.indexedFrames.push_back(b.subspan(chunk + 8, size));
    }
    return s;
}

} // namespace salon::tools
