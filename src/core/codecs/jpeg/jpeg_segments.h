// The decoder's table and frame records and the readers of the segments
// that fill them (DQT, DHT, DRI, SOF, SOS). Each reader gets the segment's
// body, the bytes after its length field.
#pragma once

#include "core/codecs/jpeg/jpeg_huffman_decoder.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pictra::jpeg {

// Table slots the decoder keeps; a file defining more is refused.
inline constexpr std::size_t kMaxQuantSlots = 4;
inline constexpr std::size_t kMaxHuffmanSlots = 4;
inline constexpr int kMaxComponents = 3;

struct QuantSlot {
    std::uint8_t id = 0;
    std::array<std::uint16_t, 64> values{}; // natural order
};

struct HuffmanSlot {
    std::uint8_t tableClass = 0; // 0 DC, 1 AC
    std::uint8_t id = 0;
    HuffmanDecodeTable table;
};

// Tables met so far. Slots are only appended; when two carry the same
// identifier the first one is used.
struct DecoderTables {
    std::vector<QuantSlot> quant;
    std::vector<HuffmanSlot> huffman;
    int restartInterval = 0; // MCUs between restart markers, 0 = none

    const QuantSlot* findQuant(int id) const;
    const HuffmanSlot* findHuffman(int tableClass, int id) const;
};

struct FrameComponent {
    std::uint8_t id = 0;
    int h = 1;
    int v = 1;
    int quantId = 0;
};

struct Frame {
    int width = 0;
    int height = 0;
    int componentCount = 0;
    std::array<FrameComponent, kMaxComponents> components{};
    int hmax = 1;
    int vmax = 1;
};

// Table selectors of each scan position; position i is frame component i.
struct Scan {
    int componentCount = 0;
    std::array<int, kMaxComponents> dcTable{};
    std::array<int, kMaxComponents> acTable{};
};

// Appends the 8-bit quantisation tables of a DQT segment. Unsupported for
// 16-bit tables or too many slots, Corrupt for a partial table.
Status readDqt(ByteSpan body, DecoderTables& tables);
// Appends the Huffman tables of a DHT segment. Corrupt for bad classes,
// identifiers, counts or codes; Unsupported for too many slots.
Status readDht(ByteSpan body, DecoderTables& tables);
// Stores the restart interval.
Status readDri(ByteSpan body, DecoderTables& tables);
// Reads a baseline or extended sequential frame header with 8-bit samples,
// one or three components and sampling factors of 1 or 2.
Status readSof(ByteSpan body, Frame& frame);
// Reads a scan header that covers every frame component, in order, with the
// full spectral range.
Status readSos(ByteSpan body, const Frame& frame, Scan& scan);

} // namespace pictra::jpeg
