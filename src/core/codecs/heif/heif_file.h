// HEIC/HEIF and AVIF pictures, read through libheif: the file's primary
// image, upright (its rotation, mirroring and crop applied), 8-bit whatever
// depth it was coded at, alpha laid over white, colours turned to sRGB.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <vector>

namespace pictra {

// Reads the primary image into the record as a 24-bit bottom-up picture.
// TooLarge, before anything is decoded, when the picture (or the coded
// picture before its crop) does not fit the record's buffer cap, or when the
// file holds more items than any camera writes (a grid of thousands of tiles);
// Truncated for a file cut short, Corrupt for damaged data, Unsupported for a
// coding this libheif cannot decode. On failure the record's headers are cleared.
Status readHeif(ByteSpan data, ImageRecord& record);

// The primary image's Exif block, starting at its TIFF header ("II*\0" or
// "MM\0*"). NotFound when the file has none; Corrupt/Truncated/Unsupported
// when the file itself cannot be read, Corrupt for a block that holds no TIFF header.
Result<std::vector<std::uint8_t>> heifExif(ByteSpan data);

} // namespace pictra
