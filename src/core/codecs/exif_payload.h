// HEIF items and JPEG XL boxes of type "Exif" hold a 4-byte big-endian
// offset, then (after that many bytes) the TIFF header of the Exif block.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <vector>

namespace pictra {

// The Exif block from its TIFF header on. Tolerates the "Exif\0\0" lead that
// some writers put where the offset said the header starts. Corrupt when the
// offset points outside the payload or no TIFF header sits there.
Result<std::vector<std::uint8_t>> exifAfterOffsetHeader(ByteSpan payload);

} // namespace pictra
