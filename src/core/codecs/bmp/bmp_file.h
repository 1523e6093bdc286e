// Windows bitmap (BMP) files.
//
// Reading accepts the 12-byte OS/2 core header, the 40-byte header and the
// larger V4/V5 headers; 1, 2, 4, 8, 16, 24 and 32 bits per pixel,
// uncompressed, RLE8, RLE4 and BITFIELDS; bottom-up and top-down rows;
// palettes shorter than 2^bits; and the file header's pixel offset. Every
// picture ends as a bottom-up 24-bit record, except 1-bit pictures, which
// stay 1-bit with their two-entry palette. The outline is in millimetres
// when the file gives a resolution (pixels per metre), else in pixels.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra {

// Reads a BMP file into the record's buffers. NotFound/IoError for a file
// that cannot be opened; Corrupt for a broken header, Truncated when the
// pixels end early, Unsupported for JPEG/PNG-in-BMP and unknown bit counts,
// TooLarge when the picture does not fit record.pixels. On failure the
// record's outline and headers are cleared.
Status readBmp(const std::string& path, ImageRecord& record);
Status readBmpBytes(ByteSpan data, ImageRecord& record);

// Writes the record as it is: its bit count, resolution and palette, rows
// bottom-up. The file header's size and pixel offset and the info header's
// image size are computed from the record. InvalidArgument for a record
// that holds no writable picture; IoError when the file cannot be written.
Status writeBmp(const std::string& path, const ImageRecord& record);
Result<std::vector<std::uint8_t>> writeBmpBytes(const ImageRecord& record);

} // namespace pictra
