// ByteReader: bounds-checked field reads with a sticky truncation flag.
#include "core/util/byte_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace pictra {

std::uint64_t ByteReader::readLe(int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        if (m_pos >= m_data.size()) {
            m_truncated = true;
            return 0;
        }
        value |= static_cast<std::uint64_t>(m_data[m_pos++]) << (8 * i);
    }
    return value;
}

std::uint64_t ByteReader::readBe(int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        if (m_pos >= m_data.size()) {
            m_truncated = true;
            return 0;
        }
        value = (value << 8) | m_data[m_pos++];
    }
    return value;
}

std::uint8_t ByteReader::u8() { return static_cast<std::uint8_t>(readLe(1)); }
std::uint16_t ByteReader::u16() { return static_cast<std::uint16_t>(readLe(2)); }
std::uint32_t ByteReader::u32() { return static_cast<std::uint32_t>(readLe(4)); }
std::uint16_t ByteReader::u16be() { return static_cast<std::uint16_t>(readBe(2)); }
std::uint32_t ByteReader::u32be() { return static_cast<std::uint32_t>(readBe(4)); }
double ByteReader::f64() { return std::bit_cast<double>(readLe(8)); }
float ByteReader::f32() { return std::bit_cast<float>(static_cast<std::uint32_t>(readLe(4))); }

void ByteReader::bytes(MutableByteSpan out)
{
    const std::size_t n = std::min(out.size(), remaining());
    if (n)
        std::memcpy(out.data(), m_data.data() + m_pos, n);
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(n), out.end(), std::uint8_t{0});
    m_pos += n;
    if (n < out.size())
        m_truncated = true;
}

ByteSpan ByteReader::view(std::size_t n)
{
    if (n > remaining()) {
        m_pos = m_data.size();
        m_truncated = true;
        return {};
    }
    ByteSpan out = m_data.subspan(m_pos, n);
    m_pos += n;
    return out;
}

void ByteReader::skip(std::size_t n)
{
    if (n > remaining()) {
        m_pos = m_data.size();
        m_truncated = true;
        return;
    }
    m_pos += n;
}

std::string ByteReader::fixedString(std::size_t width)
{
    ByteSpan field = view(width);
    std::size_t len = 0;
    while (len < field.size() && field[len] != 0)
        ++len;
    return std::string(reinterpret_cast<const char*>(field.data()), len);
}

void ByteReader::seek(std::size_t offset)
{
    if (offset > m_data.size()) {
        m_pos = m_data.size();
        m_truncated = true;
        return;
    }
    m_pos = offset;
}

std::vector<std::uint8_t> zeroPadded(ByteSpan data, std::size_t size)
{
    std::vector<std::uint8_t> out(size, 0);
    std::copy_n(data.begin(), std::min(size, data.size()), out.begin());
    return out;
}

} // namespace pictra
