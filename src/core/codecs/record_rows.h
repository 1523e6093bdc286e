// Row access shared by the image codecs. Records keep their rows bottom-up;
// files mostly store them top-down, so readers and writers count rows from
// the top here:
//
//   file row 0 (top)      -> record.row(H - 1)
//   file row H - 1 (bottom) -> record.row(0)
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace pictra {

// The palette index of pixel x in a packed row of 1, 2, 4 or 8 bits per
// pixel (the leftmost pixel sits in the high bits of a byte).
inline unsigned paletteIndex(const std::uint8_t* row, std::size_t x, int bits)
{
    if (bits == 8)
        return row[x];
    const std::size_t bit = x * static_cast<std::size_t>(bits);
    const unsigned shift = 8 - static_cast<unsigned>(bits) - static_cast<unsigned>(bit % 8);
    return (row[bit / 8] >> shift) & ((1u << bits) - 1);
}

// Row y of the picture counted from the top.
inline std::uint8_t* rowFromTop(ImageRecord& record, int y) { return record.row(record.height() - 1 - y); }
inline const std::uint8_t* rowFromTop(const ImageRecord& record, int y)
{
    return record.row(record.height() - 1 - y);
}

// Ok when writers can take the record: positive size, 1, 4, 8, 24 or
// 32 bits per pixel, rows inside its pixel buffer. InvalidArgument otherwise.
Status checkWritableRecord(const ImageRecord& record);

// Row y from the top of a record that passed checkWritableRecord, as packed
// red, green, blue bytes (3·W of them); indexed pictures go through their
// palette, so a 1-bit picture exports in its two colours.
void rgbRowFromTop(const ImageRecord& record, int y, std::span<std::uint8_t> rgb);

} // namespace pictra
