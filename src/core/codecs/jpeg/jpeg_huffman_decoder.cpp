// Huffman table building, the bit reader and block decoding.
#include "core/codecs/jpeg/jpeg_huffman_decoder.h"

#include "core/codecs/jpeg/jpeg_markers.h"
#include "core/codecs/jpeg/jpeg_tables.h"

#include <algorithm>
#include <cstring>

namespace pictra::jpeg {
namespace {

void fillFastAc(HuffmanDecodeTable& table)
{
    for (int bits = 0; bits < (1 << kLookaheadBits); ++bits) {
        const std::uint16_t entry = table.fast[static_cast<std::size_t>(bits)];
        const int codeLength = entry >> 8;
        const int run = (entry >> 4) & 15;
        const int size = entry & 15;
        if (entry == 0 || size == 0 || codeLength + size > kLookaheadBits)
            continue;
        const int used = codeLength + size;
        int value = (bits >> (kLookaheadBits - used)) & ((1 << size) - 1);
        if (value < (1 << (size - 1)))
            value = value - (1 << size) + 1;
        table.fastAc[static_cast<std::size_t>(bits)] = value * 65536 + run * 256 + used;
    }
}

} // namespace

Status buildHuffmanDecodeTable(std::span<const std::uint8_t, 16> bits, ByteSpan values,
                               HuffmanDecodeTable& table)
{
    table = HuffmanDecodeTable{};
    if (values.size() > table.values.size())
        return Status::Corrupt;
    std::copy(values.begin(), values.end(), table.values.begin());
    // Canonical codes: counted upward within a length, shifted left by one
    // at each new length.
    std::int32_t code = 0;
    int index = 0;
    for (int length = 1; length <= 16; ++length) {
        const int count = bits[static_cast<std::size_t>(length - 1)];
        table.valueOffset[static_cast<std::size_t>(length)] = index - code;
        for (int i = 0; i < count; ++i, ++index, ++code) {
            if (code >= (1 << length) || static_cast<std::size_t>(index) >= values.size())
                return Status::Corrupt;
            if (length <= kLookaheadBits) {
                const int shift = kLookaheadBits - length;
                const auto entry = static_cast<std::uint16_t>((length << 8) | values[static_cast<std::size_t>(index)]);
                std::fill_n(table.fast.begin() + (code << shift), 1 << shift, entry);
            }
        }
        table.maxCode[static_cast<std::size_t>(length)] = count > 0 ? code - 1 : -1;
        code <<= 1;
    }
    table.maxCode[17] = INT32_MAX;
    fillFastAc(table);
    return Status::Ok;
}

BitReader::BitReader(ByteSpan data) : m_pos(data.data()), m_end(data.data() + data.size()) {}

void BitReader::refill()
{
    // Fast path: the next 8 bytes hold no 0xFF, so no stuffing and no marker.
    if (m_end - m_pos >= 8) {
        std::uint64_t word;
        std::memcpy(&word, m_pos, sizeof word);
        word = __builtin_bswap64(word);
        const std::uint64_t inverted = ~word;
        const bool hasFF = ((inverted - 0x0101010101010101ULL) & ~inverted & 0x8080808080808080ULL) != 0;
        if (!hasFF) {
            const int take = (64 - m_count) / 8;
            m_acc |= (word >> (64 - 8 * take)) << (64 - 8 * take - m_count);
            m_pos += take;
            m_count += 8 * take;
            return;
        }
    }
    refillBytewise();
}

void BitReader::refillBytewise()
{
    while (m_count <= 56) {
        std::uint64_t byte = 0;
        if (m_pos < m_end && *m_pos != kMarkerPrefix) {
            byte = *m_pos++;
        } else if (m_pos + 1 < m_end && m_pos[1] == 0x00) {
            byte = kMarkerPrefix;
            m_pos += 2;
        } else {
            m_padBits += 8; // a marker or the end: feed zeros, stay put
        }
        m_acc |= byte << (56 - m_count);
        m_count += 8;
    }
}

int BitReader::decodeLong(const HuffmanDecodeTable& table)
{
    const auto code16 = static_cast<std::int32_t>(m_acc >> 48);
    int length = kLookaheadBits + 1;
    std::int32_t code = code16 >> (16 - length);
    while (code > table.maxCode[static_cast<std::size_t>(length)]) {
        ++length;
        if (length > 16)
            return -1;
        code = code16 >> (16 - length);
    }
    consume(length);
    const std::int32_t index = code + table.valueOffset[static_cast<std::size_t>(length)];
    if (index < 0 || index >= 256)
        return -1;
    return table.values[static_cast<std::size_t>(index)];
}

void BitReader::restart()
{
    m_acc = 0;
    m_count = 0;
    m_padBits = 0;
    while (m_pos + 1 < m_end && !(m_pos[0] == kMarkerPrefix && isRestart(m_pos[1])))
        ++m_pos;
    if (m_pos + 1 < m_end)
        m_pos += 2;
    else
        m_pos = m_end;
}

int decodeBlock(BitReader& in, const BlockTables& tables, int& predictor, float* coef)
{
    const int dcSize = in.decode(*tables.dc);
    if (dcSize < 0 || dcSize > 15)
        return -1;
    if (dcSize > 0)
        predictor = static_cast<std::int16_t>(predictor + in.receiveExtend(dcSize));
    coef[0] = static_cast<float>(predictor) * tables.quant[0];
    int set = 0;
    for (int k = 1; k < 64;) {
        if (const std::int32_t fast = in.decodeFastAc(*tables.ac); fast != 0) {
            k += (fast >> 8) & 0xFF;
            if (k > 63)
                return -1;
            coef[kTransposedZigzag[static_cast<std::size_t>(k)]] =
                static_cast<float>(fast >> 16) * tables.quant[static_cast<std::size_t>(k)];
            ++k;
            ++set;
            continue;
        }
        const int rs = in.decode(*tables.ac);
        if (rs < 0)
            return -1;
        const int size = rs & 15;
        const int run = rs >> 4;
        if (size == 0) {
            if (run != 15)
                break; // end of block
            k += 16;
            continue;
        }
        k += run;
        if (k > 63)
            return -1;
        coef[kTransposedZigzag[static_cast<std::size_t>(k)]] =
            static_cast<float>(in.receiveExtend(size)) * tables.quant[static_cast<std::size_t>(k)];
        ++k;
        ++set;
    }
    return set;
}

} // namespace pictra::jpeg
