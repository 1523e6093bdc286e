// Huffman decoding for the JPEG decoder: lookup tables built from a DHT
// table, a bit reader over entropy-coded data that removes stuffed zero
// bytes and stops at markers, and the decoding of one block's coefficients.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <array>
#include <cstdint>
#include <span>

namespace pictra::jpeg {

inline constexpr int kLookaheadBits = 9;

// Codes up to kLookaheadBits long are found with one lookup of the next bits;
// longer ones by the canonical maximum-code-per-length search.
struct HuffmanDecodeTable {
    // (code length << 8) | symbol, or 0 when the code is longer than the lookahead.
    std::array<std::uint16_t, 1 << kLookaheadBits> fast{};
    // Largest code of each length (-1 when none); index 17 is a sentinel.
    std::array<std::int32_t, 18> maxCode{};
    // Symbol index of a code of length L is code + valueOffset[L].
    std::array<std::int32_t, 17> valueOffset{};
    std::array<std::uint8_t, 256> values{};
    // For AC tables: when a run/size code and the coefficient bits after it
    // fit the lookahead together, value · 65536 + run · 256 + bits used;
    // otherwise 0.
    std::array<std::int32_t, 1 << kLookaheadBits> fastAc{};
};

// Builds the lookup tables from the 16 code counts and the symbol values.
// Corrupt when the counts describe more codes than fit their lengths.
Status buildHuffmanDecodeTable(std::span<const std::uint8_t, 16> bits, ByteSpan values,
                               HuffmanDecodeTable& table);

// Reads bits of entropy-coded data, most significant first. Stuffed zero
// bytes (FF 00) are dropped; at a marker (or the end) the reader feeds zero
// bits and remembers how many, so a caller can tell whether it read past
// the real data.
class BitReader {
public:
    explicit BitReader(ByteSpan data);

    // Decodes one Huffman symbol; -1 for a code that is not in the table.
    int decode(const HuffmanDecodeTable& table)
    {
        if (m_count < 32)
            refill();
        const std::uint16_t entry = table.fast[m_acc >> (64 - kLookaheadBits)];
        if (entry != 0) {
            consume(entry >> 8);
            return entry & 0xFF;
        }
        return decodeLong(table);
    }

    // Decodes a run/size symbol and its coefficient in one lookup when the
    // table's fastAc entry allows it: returns the entry (0 when it does not).
    std::int32_t decodeFastAc(const HuffmanDecodeTable& table)
    {
        if (m_count < 32)
            refill();
        const std::int32_t entry = table.fastAc[m_acc >> (64 - kLookaheadBits)];
        if (entry != 0)
            consume(entry & 0xFF);
        return entry;
    }

    // The next `size` bits (1..16) as a signed coefficient difference.
    int receiveExtend(int size)
    {
        if (m_count < 32)
            refill();
        const int v = static_cast<int>(m_acc >> (64 - size));
        consume(size);
        return v < (1 << (size - 1)) ? v - (1 << size) + 1 : v;
    }

    // Drops the buffered bits and moves past the next restart marker.
    void restart();
    // True when more bits were consumed than the data held.
    bool overrun() const { return m_count < m_padBits; }

private:
    void consume(int n)
    {
        m_acc <<= n;
        m_count -= n;
    }
    void refill();
    void refillBytewise();
    int decodeLong(const HuffmanDecodeTable& table);

    const std::uint8_t* m_pos;
    const std::uint8_t* m_end;
    std::uint64_t m_acc = 0;
    int m_count = 0;   // valid bits at the top of m_acc
    int m_padBits = 0; // of which zero bits fed after the data ended
};

// One component's view of the tables during a scan.
struct BlockTables {
    const HuffmanDecodeTable* dc = nullptr;
    const HuffmanDecodeTable* ac = nullptr;
    // Quantisation values in file (zig-zag) order.
    std::array<float, 64> quant{};
};

// Decodes one block into `coef` (all zero on entry), dequantised and stored
// transposed (coef[u * 8 + v] holds horizontal frequency u, vertical v),
// the order the inverse DCT takes. Returns the number of coefficients after
// DC that were set (0 for a DC-only block), or -1 for corrupt data.
int decodeBlock(BitReader& in, const BlockTables& tables, int& predictor, float* coef);

} // namespace pictra::jpeg
