// ByteWriter: packed field writes.
#include "core/util/byte_writer.h"

#include <algorithm>
#include <bit>

namespace pictra {

void ByteWriter::u16(std::uint16_t v)
{
    m_bytes.push_back(static_cast<std::uint8_t>(v));
    m_bytes.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::u32(std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void ByteWriter::u16be(std::uint16_t v)
{
    m_bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    m_bytes.push_back(static_cast<std::uint8_t>(v));
}

void ByteWriter::u32be(std::uint32_t v)
{
    for (int i = 3; i >= 0; --i)
        m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void ByteWriter::f64(double v)
{
    const auto bits = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        m_bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

void ByteWriter::f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }

void ByteWriter::bytes(std::span<const std::uint8_t> data)
{
    m_bytes.insert(m_bytes.end(), data.begin(), data.end());
}

void ByteWriter::fixedString(std::string_view text, std::size_t width)
{
    if (width == 0)
        return;
    const std::size_t n = std::min(text.size(), width - 1);
    m_bytes.insert(m_bytes.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n));
    zeros(width - n);
}

void ByteWriter::patchU32(std::size_t offset, std::uint32_t v)
{
    if (offset + 4 > m_bytes.size())
        return;
    for (int i = 0; i < 4; ++i)
        m_bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace pictra
