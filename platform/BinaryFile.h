#pragma once
// Raw little-endian records at 1-based byte positions, as the data files are laid out.
// Reads are checked against the length: a read past the end fails and returns nothing.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace salon {

// Over bytes in memory (the readers load a file whole, then parse it).
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : m_data(data) {}
    uint64_t size() const { return m_data.size(); }
    bool has(int64_t pos, int64_t count) const;  // 1-based pos; count bytes fit
    std::optional<int32_t> long32(int64_t pos) const;
    std::optional<int16_t> short16(int64_t pos) const;
    std::optional<uint8_t> byte(int64_t pos) const;
    std::optional<std::string> text(int64_t pos, int64_t count) const;  // 8-bit characters
    std::optional<std::span<const uint8_t>> bytes(int64_t pos, int64_t count) const;

private:
    std::span<const uint8_t> m_data;
};

// Builds a file in memory; writes past the end grow it with zero bytes.
class ByteWriter {
public:
    void long32(int64_t pos, int32_t value);
    void short16(int64_t pos, int16_t value);
    void bytes(int64_t pos, std::span<const uint8_t> data);
    void text(int64_t pos, std::string_view s);
    const std::vector<uint8_t>& data() const { return m_data; }
    std::vector<uint8_t>& data() { return m_data; }

private:
    void ensure(int64_t end);
    std::vector<uint8_t> m_data;
};

} // namespace salon
