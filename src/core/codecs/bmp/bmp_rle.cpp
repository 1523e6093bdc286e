// RLE8/RLE4 decoding. Codes are byte pairs: (n > 0, v) repeats v n times
// (RLE4: v's two nibbles alternate); (0, 0) ends a line, (0, 1) the picture,
// (0, 2, dx, dy) moves right and down; (0, n >= 3) is followed by n literal
// pixels, padded to an even number of bytes.
#include "core/codecs/bmp/bmp_rle.h"

#include <algorithm>
#include <vector>

namespace pictra {
namespace {

class RleRows {
public:
    RleRows(int width, int height, const RleRowSink& sink)
        : m_row(static_cast<std::size_t>(width), 0), m_height(height), m_sink(sink)
    {
    }

    bool done() const { return m_y >= m_height; }

    void put(std::uint8_t index)
    {
        if (m_x < m_row.size())
            m_row[m_x] = index;
        ++m_x;
    }
    // Moves dx pixels right and dy rows up the picture, keeping the column.
    void delta(std::size_t dx, int dy)
    {
        const std::size_t x = m_x;
        for (int i = 0; i < dy && !done(); ++i)
            nextLine();
        m_x = x + dx;
    }

    void nextLine()
    {
        if (done())
            return;
        m_sink(m_y, m_row);
        std::fill(m_row.begin(), m_row.end(), std::uint8_t{0});
        ++m_y;
        m_x = 0;
    }

    void finish()
    {
        while (!done())
            nextLine();
    }

private:
    std::vector<std::uint8_t> m_row;
    std::size_t m_x = 0;
    int m_y = 0;
    int m_height;
    const RleRowSink& m_sink;
};

std::uint8_t nibbleOrByte(std::uint8_t value, int bits, std::size_t i)
{
    if (bits == 8)
        return value;
    return i % 2 == 0 ? static_cast<std::uint8_t>(value >> 4) : static_cast<std::uint8_t>(value & 0x0F);
}

// Copies n literal pixels; false when the data ends inside them.
bool readLiteral(ByteReader& in, std::size_t n, int bits, RleRows& rows)
{
    const std::size_t bytes = bits == 8 ? n : (n + 1) / 2;
    ByteSpan literal = in.view(bytes);
    if (in.truncated())
        return false;
    for (std::size_t i = 0; i < n; ++i)
        rows.put(nibbleOrByte(literal[bits == 8 ? i : i / 2], bits, i));
    if (bytes % 2 != 0)
        in.skip(1);
    return true;
}

} // namespace

Status decodeBmpRle(ByteSpan data, int width, int height, int bits, const RleRowSink& sink)
{
    ByteReader in(data);
    RleRows rows(width, height, sink);
    while (!rows.done()) {
        const std::uint8_t count = in.u8();
        const std::uint8_t value = in.u8();
        if (in.truncated())
            return Status::Truncated;
        if (count > 0) {
            for (std::size_t i = 0; i < count; ++i)
                rows.put(nibbleOrByte(value, bits, i));
            continue;
        }
        if (value == 0) {
            rows.nextLine();
        } else if (value == 1) {
            rows.finish();
        } else if (value == 2) {
            const std::uint8_t dx = in.u8();
            const std::uint8_t dy = in.u8();
            if (in.truncated())
                return Status::Truncated;
            rows.delta(dx, dy);
        } else if (!readLiteral(in, value, bits, rows)) {
            return Status::Truncated;
        }
    }
    return Status::Ok;
}

} // namespace pictra
