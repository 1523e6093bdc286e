// Putting a library's decoded picture, interleaved 8-bit RGB or RGBA rows
// from the top, into a record's bottom-up 24-bit rows; alpha is laid over
// white, as the program shows every transparent picture.
#pragma once

#include "core/image/image_record.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace pictra {

enum class Channels { Rgb = 3, Rgba = 4 };
enum class AlphaKind { Straight, Premultiplied };

struct InterleavedPixels {
    std::span<const std::uint8_t> bytes; // height rows of `stride` bytes, the top row first
    std::size_t stride = 0;
    Channels channels = Channels::Rgb;
    AlphaKind alpha = AlphaKind::Straight;
};

// Copies the pixels into the record, which setup24 has sized to the same
// width and height; pads each row with zeros. InvalidArgument when the rows
// do not cover width × height pixels.
Status storeInterleavedRows(const InterleavedPixels& pixels, ImageRecord& record);

} // namespace pictra
