// PCX run-length decoding and encoding.
#include "core/codecs/pcx/pcx_rle.h"

#include <algorithm>
#include <cstring>

namespace pictra {

bool PcxRunDecoder::next(std::span<std::uint8_t> line)
{
    if (!m_encoded) {
        if (line.size() > m_data.size() - m_pos)
            return false;
        std::memcpy(line.data(), m_data.data() + m_pos, line.size());
        m_pos += line.size();
        return true;
    }
    std::size_t done = 0;
    while (done < line.size()) {
        if (m_runLeft > 0) {
            const std::size_t n = std::min(m_runLeft, line.size() - done);
            std::fill_n(line.data() + done, n, m_runValue);
            done += n;
            m_runLeft -= n;
            continue;
        }
        if (m_pos >= m_data.size())
            return false;
        const std::uint8_t code = m_data[m_pos++];
        if ((code & 0xC0) != 0xC0) {
            line[done++] = code;
            continue;
        }
        if (m_pos >= m_data.size())
            return false;
        m_runLeft = code & 0x3F;
        m_runValue = m_data[m_pos++];
    }
    return true;
}

void encodePcxLine(std::span<const std::uint8_t> line, ByteWriter& out)
{
    std::size_t i = 0;
    while (i < line.size()) {
        const std::uint8_t value = line[i];
        std::size_t run = 1;
        while (i + run < line.size() && run < 63 && line[i + run] == value)
            ++run;
        if (run > 1 || (value & 0xC0) == 0xC0)
            out.u8(static_cast<std::uint8_t>(0xC0 | run));
        out.u8(value);
        i += run;
    }
}

} // namespace pictra
