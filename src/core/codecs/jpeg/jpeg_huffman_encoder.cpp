// Huffman code tables, the bit writer and block coding.
#include "core/codecs/jpeg/jpeg_huffman_encoder.h"

#include <bit>
#include <cstdlib>

namespace pictra::jpeg {
namespace {

constexpr std::uint8_t kEob = 0x00;
constexpr std::uint8_t kZrl = 0xF0;

int bitSize(int value)
{
    return static_cast<int>(std::bit_width(static_cast<unsigned>(std::abs(value))));
}

// The low `size` bits that follow a size category: the value itself, or
// value − 1 for a negative value.
std::uint32_t extraBits(int value) { return static_cast<std::uint32_t>(value < 0 ? value - 1 : value); }

} // namespace

HuffmanEncodeTable makeHuffmanEncodeTable(const HuffmanSpec& spec)
{
    HuffmanEncodeTable table;
    std::uint32_t code = 0;
    int index = 0;
    for (int length = 1; length <= 16; ++length) {
        for (int i = 0; i < spec.bits[static_cast<std::size_t>(length - 1)]; ++i, ++index, ++code) {
            const std::uint8_t symbol = spec.values[index];
            table.code[symbol] = static_cast<std::uint16_t>(code);
            table.length[symbol] = static_cast<std::uint8_t>(length);
        }
        code <<= 1;
    }
    return table;
}

void BitWriter::flushBytes()
{
    std::uint8_t* out = m_out.data();
    while (m_count >= 8) {
        m_count -= 8;
        const auto byte = static_cast<std::uint8_t>(m_acc >> m_count);
        out[m_pos++] = byte;
        if (byte == 0xFF)
            out[m_pos++] = 0x00;
    }
}

void BitWriter::finish()
{
    const int pad = (8 - m_count % 8) % 8;
    if (pad > 0)
        put((1u << pad) - 1, pad);
    flushBytes();
    m_out.resize(m_pos);
}

void encodeBlock(BitWriter& out, const std::int16_t* zigzag, int& predictor, const HuffmanEncodeTable& dc,
                 const HuffmanEncodeTable& ac)
{
    const int diff = zigzag[0] - predictor;
    predictor = zigzag[0];
    const int dcSize = bitSize(diff);
    out.put((std::uint32_t{dc.code[static_cast<std::size_t>(dcSize)]} << dcSize) | (extraBits(diff) & ((1u << dcSize) - 1)),
            dc.length[static_cast<std::size_t>(dcSize)] + dcSize);
    int run = 0;
    for (int k = 1; k < 64; ++k) {
        const int value = zigzag[k];
        if (value == 0) {
            ++run;
            continue;
        }
        for (; run > 15; run -= 16)
            out.put(ac.code[kZrl], ac.length[kZrl]);
        const int size = bitSize(value);
        const auto symbol = static_cast<std::size_t>((run << 4) | size);
        out.put((std::uint32_t{ac.code[symbol]} << size) | (extraBits(value) & ((1u << size) - 1)),
                ac.length[symbol] + size);
        run = 0;
    }
    if (run > 0)
        out.put(ac.code[kEob], ac.length[kEob]);
}

} // namespace pictra::jpeg
