#include "platform/BinaryFile.h"

#include <cstring>

namespace salon {

bool ByteReader::has(int64_t pos, int64_t count) const
{
    // Written so that no sum can overflow, whatever a damaged record claims.
    if (pos < 1 || count < 0) return false;
    uint64_t start = uint64_t(pos - 1);
    return start <= m_data.size() && uint64_t(count) <= m_data.size() - start;
}

std::optional<int32_t> ByteReader::long32(int64_t pos) const
{
    if (!has(pos, 4)) return std::nullopt;
    const uint8_t* p = m_data.data() + (pos - 1);
    return int32_t(uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24));
}

std::optional<int16_t> ByteReader::short16(int64_t pos) const
{
    if (!has(pos, 2)) return std::nullopt;
    const uint8_t* p = m_data.data() + (pos - 1);
    return int16_t(uint16_t(p[0] | (p[1] << 8)));
}

std::optional<uint8_t> ByteReader::byte(int64_t pos) const
{
    if (!has(pos, 1)) return std::nullopt;
    return m_data[size_t(pos - 1)];
}

std::optional<std::string> ByteReader::text(int64_t pos, int64_t count) const
{
    if (!has(pos, count)) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(m_data.data() + (pos - 1)), size_t(count));
}

std::optional<std::span<const uint8_t>> ByteReader::bytes(int64_t pos, int64_t count) const
{
    if (!has(pos, count)) return std::nullopt;
    return m_data.subspan(size_t(pos - 1), size_t(count));
}

void ByteWriter::ensure(int64_t end)
{
    if (end > int64_t(m_data.size())) m_data.resize(size_t(end), 0);
}

void ByteWriter::long32(int64_t pos, int32_t value)
{
    if (pos < 1) return;
    ensure(pos - 1 + 4);
    uint32_t v = uint32_t(value);
    uint8_t* p = m_data.data() + (pos - 1);
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

void ByteWriter::short16(int64_t pos, int16_t value)
{
    if (pos < 1) return;
    ensure(pos - 1 + 2);
    uint16_t v = uint16_t(value);
    m_data[size_t(pos - 1)] = uint8_t(v);
    m_data[size_t(pos)] = uint8_t(v >> 8);
}

void ByteWriter::bytes(int64_t pos, std::span<const uint8_t> data)
{
    if (pos < 1) return;
    ensure(pos - 1 + int64_t(data.size()));
    if (!data.empty()) std::memcpy(m_data.data() + (pos - 1), data.data(), data.size());
}

void ByteWriter::text(int64_t pos, std::string_view s)
{
    bytes(pos, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(s.data()), s.size()));
}

} // namespace salon
