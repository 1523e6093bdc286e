// Run-length decoding of RLE8 and RLE4 bitmap data into rows of palette
// indices.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <functional>
#include <span>

namespace pictra {

// Called once for every row, in file order (row 0 first), with `width`
// palette indices (one per byte).
using RleRowSink = std::function<void(int fileRow, std::span<const std::uint8_t> indices)>;

// Decodes `data` (the pixel data of the file) as RLE8 (bits 8) or RLE4
// (bits 4). Pixels the codes skip (deltas, early ends of line or picture)
// get index 0; pixels past the right edge are dropped. Every one of the
// `height` rows is handed to `sink` exactly once. Truncated when the data
// ends before the last row.
Status decodeBmpRle(ByteSpan data, int width, int height, int bits, const RleRowSink& sink);

} // namespace pictra
