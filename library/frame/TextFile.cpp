#include "TextFile.h"

#include "platform/CodePage.h"

#include <cstdio>
#include <fstream>

namespace pixol {

namespace {

int32_t readLong(std::span<const uint8_t> b, size_t at)
{
    return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24);
}

void putLong(std::vector<uint8_t>& b, size_t at, int32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(uint32_t(v) >> (8 * i));
}

} // namespace

std::optional<TextTable> parseTextFile(std::span<const uint8_t> bytes)
{
    if (bytes.size() < 12 || bytes[0] != 'S' || bytes[1] != 'Y' || bytes[2] != 'T' || bytes[3] != 'X') return std::nullopt;
    int32_t n = readLong(bytes, 8);
    if (n < 1 || n > MaxTexts) return std::nullopt;
    // Both tables must be inside the file for the n entries the count promises.
    if (bytes.size() < 4012 + 4 * size_t(n)) return std::nullopt;
    TextTable table;
    table.positions.resize(size_t(n));
    table.lengths.resize(size_t(n));
    for (int32_t k = 0; k < n; ++k) {
        int32_t pos = readLong(bytes, 12 + 4 * size_t(k));
        int32_t len = readLong(bytes, 4012 + 4 * size_t(k));
        if (len < 0) return std::nullopt;
        if (len > 0 && (pos < 1 || int64_t(pos) - 1 + len > int64_t(bytes.size()))) return std::nullopt;
        table.positions[size_t(k)] = pos;
        table.lengths[size_t(k)] = len;
    }
    return table;
}

std::string textFileName(int32_t language)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", int(language));
    return std::string("Pixol") + digits + ".STX";
}

std::optional<std::vector<uint8_t>> buildTextFile(const std::vector<std::string>& texts)
{
    if (texts.empty() || texts.size() > size_t(MaxTexts)) return std::nullopt;
    std::vector<uint8_t> out(TextTableBytes, 0);
    out[0] = 'S', out[1] = 'Y', out[2] = 'T', out[3] = 'X';
    putLong(out, 8, int32_t(texts.size()));
    for (size_t k = 0; k < texts.size(); ++k) {
        auto bytes = salon::utf8ToCp1250(texts[k]);
        if (!bytes) return std::nullopt;
        putLong(out, 12 + 4 * k, int32_t(out.size() + 1));
        putLong(out, 4012 + 4 * k, int32_t(bytes->size()));
        out.insert(out.end(), bytes->begin(), bytes->end());
    }
    return out;
}

std::string readText(const std::string& nativePath, const TextTable& table, int32_t k)
{
    if (k < 1 || k > table.count()) return "";
    int32_t len = table.lengths[size_t(k - 1)];
    if (len == 0) return "";
    std::ifstream in(nativePath, std::ios::binary);
    if (!in.seekg(std::streamoff(table.positions[size_t(k - 1)]) - 1)) return "";
    std::string bytes(size_t(len), '\0');
    // A file replaced by a shorter one since it was indexed gives "", never a partial read.
    if (!in.read(bytes.data(), len)) return "";
    return salon::cp1250ToUtf8(bytes);
}

} // namespace pixol
