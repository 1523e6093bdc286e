// Field-by-field reading of little-endian (or big-endian) packed records.
// Reads past the end return zeros and set a sticky truncated() flag, so a
// parser can read a whole record and check once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pictra {

using ByteSpan = std::span<const std::uint8_t>;
using MutableByteSpan = std::span<std::uint8_t>;

class ByteReader {
public:
    explicit ByteReader(ByteSpan data) : m_data(data) {}

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::uint16_t u16be();
    std::uint32_t u32be();
    double f64();
    float f32();

    // Copies exactly out.size() bytes (zeros past the end).
    void bytes(MutableByteSpan out);
    // Copies a fixed char field (text or path bytes) verbatim.
    void chars(std::span<char> out)
    {
        bytes(MutableByteSpan(reinterpret_cast<std::uint8_t*>(out.data()), out.size()));
    }
    // A view of the next n bytes, or an empty span (and truncated) if fewer remain.
    ByteSpan view(std::size_t n);
    void skip(std::size_t n);
    // Reads a zero-padded text field of `width` bytes, up to its first zero byte.
    std::string fixedString(std::size_t width);

    void seek(std::size_t offset);
    std::size_t position() const { return m_pos; }
    std::size_t remaining() const { return m_pos < m_data.size() ? m_data.size() - m_pos : 0; }
    std::size_t size() const { return m_data.size(); }
    bool truncated() const { return m_truncated; }

private:
    std::uint64_t readLe(int bytes);
    std::uint64_t readBe(int bytes);

    ByteSpan m_data;
    std::size_t m_pos = 0;
    bool m_truncated = false;
};

// The first `size` bytes of `data`, zero-filled when it is shorter: how a
// fixed-size record is read from a short file (a field cut in the middle
// keeps the bytes that are there).
std::vector<std::uint8_t> zeroPadded(ByteSpan data, std::size_t size);

} // namespace pictra
