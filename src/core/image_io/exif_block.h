// The raw Exif block of a picture file, whatever its format: the bytes from
// the TIFF header ("II*\0" or "MM\0*") on, for the information bar and the
// date-taken reading to parse.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra {

// The Exif of a file held in memory: a JPEG's APP1 "Exif" segment, a PNG's
// eXIf chunk, a WebP's EXIF chunk (a leading "Exif\0\0" is dropped where a
// writer put one). NotFound when the picture has none or its format carries
// none; Corrupt when the block does not start with a TIFF header;
// Unsupported for a format whose Exif is not read yet.
Result<std::vector<std::uint8_t>> exifBlockOf(ByteSpan file);

// exifBlockOf for the file at `path`; NotFound/IoError/TooLarge when it
// cannot be read (the image-file size cap applies).
Result<std::vector<std::uint8_t>> readExifBlock(const std::string& path);

} // namespace pictra
