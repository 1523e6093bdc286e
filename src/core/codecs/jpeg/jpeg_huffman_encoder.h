// Huffman coding for the encoder: code tables built from a DHT table, a
// bit writer that stuffs a zero byte after every 0xFF, and the coding of
// one quantised block.
#pragma once

#include "core/codecs/jpeg/jpeg_tables.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pictra::jpeg {

// Code and code length per symbol (length 0: the symbol has no code).
struct HuffmanEncodeTable {
    std::array<std::uint16_t, 256> code{};
    std::array<std::uint8_t, 256> length{};
};

HuffmanEncodeTable makeHuffmanEncodeTable(const HuffmanSpec& spec);

// Appends entropy-coded bytes to a vector. Callers reserve room with
// ensureRoom before each MCU so put never checks capacity.
class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : m_out(out), m_pos(out.size()) {}

    // Makes room for `bytes` more output bytes.
    void ensureRoom(std::size_t bytes)
    {
        if (m_out.size() - m_pos < bytes)
            m_out.resize(m_pos + bytes + m_out.size() / 2);
    }

    // Writes the low `length` bits of `bits` (length 1..32), most significant first.
    void put(std::uint32_t bits, int length)
    {
        m_acc = (m_acc << length) | (bits & ((std::uint64_t{1} << length) - 1));
        m_count += length;
        if (m_count >= 32)
            flushBytes();
    }

    // Completes the last byte with 1-bits and trims the vector to the data.
    void finish();

private:
    void flushBytes();

    std::vector<std::uint8_t>& m_out;
    std::size_t m_pos;
    std::uint64_t m_acc = 0;
    int m_count = 0;
};

// Most bytes one block can take (every code the longest, every byte stuffed).
inline constexpr std::size_t kMaxBlockBytes = 2 * (64 * 27 / 8 + 8);

// Codes one block given in file order: the DC difference to `predictor`
// (which becomes the block's DC), then the AC run/size symbols, ZRL for
// runs of 16 zeros, and EOB unless coefficient 63 is nonzero.
void encodeBlock(BitWriter& out, const std::int16_t* zigzag, int& predictor, const HuffmanEncodeTable& dc,
                 const HuffmanEncodeTable& ac);

} // namespace pictra::jpeg
