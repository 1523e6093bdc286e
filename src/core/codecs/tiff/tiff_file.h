// TIFF files.
//
// Our own reader takes uncompressed little- and big-endian files with one
// image in strips: RGB with 8-bit samples (extra samples such as alpha are
// skipped), palette pictures of 1, 2, 4 or 8 bits, and CMYK (separated)
// pictures, converted to RGB. Every other variant goes to libtiff. Writing
// produces a baseline RGB TIFF of one strip. Both give or take a 24-bit
// bottom-up record with its outline in pixels.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra {

// Reads a TIFF file into the record's buffers. The path's extension must be
// "tif" or "tiff" (any case): Unsupported otherwise, as for variants
// libtiff does not convert either. NotFound/IoError for a file that cannot
// be opened, Corrupt/Truncated for damaged files,
// TooLarge when the picture does not fit record.pixels. On failure the
// record's outline and headers are cleared.
Status readTiff(const std::string& path, ImageRecord& record);
Status readTiffBytes(ByteSpan data, ImageRecord& record);

// Writes the record as an RGB TIFF: little-endian, one strip of unpadded
// rows from the top, resolution in pixels per centimetre set so the
// picture measures 20 cm across. Indexed records are written through their
// palette. The path's extension must be "tif" or "tiff" (Unsupported otherwise);
// InvalidArgument for a record without a picture, TooLarge beyond 4 GB,
// IoError when the file cannot be written.
Status writeTiff(const std::string& path, const ImageRecord& record);
Result<std::vector<std::uint8_t>> writeTiffBytes(const ImageRecord& record);

} // namespace pictra
