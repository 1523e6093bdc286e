// The layout of a BMP file as its headers describe it, with every offset
// and count checked against the file.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace pictra {

enum class BmpCompression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, Bitfields = 3, AlphaBitfields = 6 };

struct BmpLayout {
    int width = 0;
    int height = 0; // always positive; topDown tells the row order
    bool topDown = false;
    int bits = 0;
    BmpCompression compression = BmpCompression::Rgb;
    std::array<std::uint32_t, 3> masks{}; // red, green, blue for 16/32-bit pictures
    std::uint32_t alphaMask = 0;          // 16/32-bit pictures that say they carry alpha
    std::array<std::uint8_t, 1024> palette{}; // blue, green, red, 0; missing entries black
    std::uint32_t paletteEntries = 0;         // entries the picture may index (2^bits)
    std::size_t pixelOffset = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
};

// Parses the file and info headers (OS/2 1.x, Windows and OS/2 2.x, whose
// short forms leave the missing fields zero), the masks and the palette.
// Corrupt for a missing "BM", a bad header size or bad dimensions; Unsupported for
// compressions and bit counts we do not read; Truncated when the headers
// or palette run past the end of the data.
Result<BmpLayout> parseBmpLayout(ByteSpan data);

} // namespace pictra
