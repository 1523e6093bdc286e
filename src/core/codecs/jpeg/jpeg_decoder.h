// The program's own baseline JPEG decoder: one interleaved, Huffman-coded
// scan of 8-bit samples (greyscale or YCbCr, sampling factors 1 or 2) into
// a 24-bit bottom-up picture.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <string>

namespace pictra {

// Largest JPEG file decodeJpeg reads.
inline constexpr std::size_t kMaxJpegFileBytes = std::size_t{512} << 20;

// Decodes a file whose name ends in ".jpg" or ".jpeg" (any case); other
// names give Unsupported without touching the file. Otherwise as
// decodeJpegBytes, plus NotFound/IoError/TooLarge from reading the file.
Status decodeJpeg(const std::string& path, ImageRecord& record);

// Decodes a whole JPEG file held in memory into record.pixels (the caller's
// buffer) and fills the record's outline and headers; palette untouched.
// Failures, after which the record's headers are cleared:
// - Corrupt: no SOI at the start or no EOI as the last two bytes, a damaged
//   segment, a missing table, SOF or SOS, a bad Huffman code;
// - Unsupported: an APPn block other than APP0 (Exif files are refused),
//   progressive, lossless, arithmetic-coded or 12-bit frames, 16-bit
//   quantisation tables, more than 4 tables of a kind, 2 or 4 components,
//   sampling factors above 2, a first scan that is not interleaved;
// - Truncated: the entropy-coded data ends before the last block;
// - TooLarge: the picture does not fit record.pixels.
Status decodeJpegBytes(ByteSpan data, ImageRecord& record);

} // namespace pictra
