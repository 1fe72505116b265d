#include "editor/shell/HelpFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace salon {
namespace {

constexpr char Magic[] = "NPVHAIR TMF";  // 11 characters
constexpr int32_t HeaderBytes = 16;
constexpr int32_t RecordBytes = 12;

void put32(std::vector<uint8_t>& out, size_t at, uint32_t v)
{
    if (out.size() < at + 4) out.resize(at + 4);
    for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (8 * i));
}

std::optional<uint32_t> get32(const std::vector<uint8_t>& in, uint64_t at)
{
    if (at + 4 > in.size()) return std::nullopt;
    return uint32_t(in[at]) | uint32_t(in[at + 1]) << 8 | uint32_t(in[at + 2]) << 16 | uint32_t(in[at + 3]) << 24;
}

bool hasOurHeader(const std::vector<uint8_t>& file)
{
    return file.size() >= size_t(HeaderBytes) && std::memcmp(file.data(), Magic, 11) == 0;
}

} // namespace

std::vector<uint8_t> buildHelpFile(const std::vector<std::string>& pages)
{
    std::vector<uint8_t> out(HeaderBytes + 8 * pages.size(), 0);
    std::memcpy(out.data(), Magic, 11);
    out[11] = 1;
    put32(out, 12, uint32_t(pages.size()));
    for (size_t p = 0; p < pages.size(); ++p) {
        const size_t record = out.size();
        // offset is 1-based: the record starts at position offset, the text at offset + 12.
        const uint32_t offset = uint32_t(record + 1);
        put32(out, HeaderBytes + 8 * p, offset);
        put32(out, HeaderBytes + 8 * p + 4, uint32_t(pages[p].size()));
        out.insert(out.end(), {'P', 'A', 'G', 'E'});
        put32(out, out.size(), uint32_t(p));
        put32(out, out.size(), uint32_t(pages[p].size()));
        out.insert(out.end(), pages[p].begin(), pages[p].end());
    }
    return out;
}

int32_t helpPageCount(const std::vector<uint8_t>& file)
{
    if (hasOurHeader(file)) {
        const auto n = get32(file, 12);
        if (n && *n <= (file.size() - HeaderBytes) / 8) return int32_t(*n);
        return 0;
    }
    int32_t n = 0;
    uint64_t firstText = file.size();
    for (uint64_t at = HeaderBytes; at + 8 <= firstText; at += 8, ++n) {
        const auto off = get32(file, at);
        if (!off || *off < 1) break;
        firstText = std::min<uint64_t>(firstText, *off - 1);
    }
    return n;
}

std::optional<std::string> helpPage(const std::vector<uint8_t>& file, int32_t page)
{
    if (page < 0) return std::nullopt;
    if (hasOurHeader(file) && page >= helpPageCount(file)) return std::nullopt;
    const uint64_t entry = HeaderBytes + 8ull * uint64_t(page);  // 0-based position of 8p + 17
    const auto offset = get32(file, entry);
    const auto length = get32(file, entry + 4);
    if (!offset || !length) return std::nullopt;
    const uint64_t start = uint64_t(*offset) + RecordBytes - 1;  // 1-based offset + 12
    if (*offset < 1 || start > file.size() || *length > file.size() - start) return std::nullopt;
    return std::string(file.begin() + int64_t(start), file.begin() + int64_t(start + *length));
}

std::optional<std::string> readHelpPage(const std::filesystem::path& path, int32_t page)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > (64u << 20)) return std::nullopt;  // a help file is a few kilobytes
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return helpPage(bytes, page);
}

} // namespace salon
