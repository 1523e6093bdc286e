// PCX run-length coding. A byte with its two top bits set (0xC0 | n) repeats
// the next byte n times (n up to 63); any other byte stands for itself.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/byte_writer.h"

#include <cstdint>
#include <span>

namespace pictra {

// Decodes a stream of scan lines. Some writers let runs cross from one line
// into the next, so a run left over continues in the next call.
class PcxRunDecoder {
public:
    PcxRunDecoder(ByteSpan data, bool encoded) : m_data(data), m_encoded(encoded) {}

    // Fills `line`; false when the data ends first.
    bool next(std::span<std::uint8_t> line);

private:
    ByteSpan m_data;
    bool m_encoded;
    std::size_t m_pos = 0;
    std::size_t m_runLeft = 0;
    std::uint8_t m_runValue = 0;
};

// Appends `line` encoded; runs never leave the line.
void encodePcxLine(std::span<const std::uint8_t> line, ByteWriter& out);

} // namespace pictra
