// PNG files through libpng: every colour type and depth (palette, grey, grey
// with alpha, RGB, RGBA, 16-bit, interlaced, tRNS) read as a 24-bit picture
// over white; written as 24-bit RGB.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra {

// Reads a PNG into the record's buffers as a 24-bit picture with its outline
// in pixels; an embedded ICC profile (iCCP) turns the colours into sRGB.
// Corrupt for a wrong signature, bad chunks or a file too short to hold the
// picture its header claims (a decompression bomb); Truncated when the data
// ends before the first row; Partial when it ends or breaks later (the rows
// not read are white); TooLarge (before decoding) when the picture does not
// fit record.pixels. NotFound/IoError for a file that cannot be opened. On
// failure the record's outline and headers are cleared.
Status readPng(const std::string& path, ImageRecord& record);
Status readPngBytes(ByteSpan data, ImageRecord& record);

// Writes the record as an 8-bit RGB PNG (indexed records through their
// palette), atomically. InvalidArgument for a record without a picture,
// IoError when the file cannot be written.
Status writePng(const std::string& path, const ImageRecord& record);
Result<std::vector<std::uint8_t>> writePngBytes(const ImageRecord& record);

} // namespace pictra
