// Field-by-field writing of packed little-endian (or big-endian) records
// into a growing byte vector.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace pictra {

class ByteWriter {
public:
    ByteWriter() = default;
    explicit ByteWriter(std::size_t reserve) { m_bytes.reserve(reserve); }

    void u8(std::uint8_t v) { m_bytes.push_back(v); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void u16be(std::uint16_t v);
    void u32be(std::uint32_t v);
    void f64(double v);
    void f32(float v);
    void bytes(std::span<const std::uint8_t> data);
    // Writes a fixed char field (text or path bytes) verbatim.
    void chars(std::span<const char> field)
    {
        bytes(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(field.data()), field.size()));
    }
    void zeros(std::size_t n) { m_bytes.insert(m_bytes.end(), n, 0); }
    // Writes `text` into a zero-padded field of `width` bytes; longer text is cut
    // so that at least one terminating zero remains.
    void fixedString(std::string_view text, std::size_t width);

    // Overwrites 4 bytes at `offset` (for lengths and offsets known late).
    void patchU32(std::size_t offset, std::uint32_t v);

    std::size_t size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t>& data() const { return m_bytes; }
    std::vector<std::uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace pictra
