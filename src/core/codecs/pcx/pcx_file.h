// ZSoft PCX files: 256-colour pictures (one 8-bit plane, the palette after
// the pixels behind the marker byte 0x0C) and true-colour pictures (three
// 8-bit planes per line: red, green, blue; a fourth plane is skipped), run-
// length encoded. Reading gives a 24-bit bottom-up record, writing takes one
// and writes a three-plane file.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra {

// Reads a PCX file into the record's buffers, outline in pixels.
// NotFound/IoError for a file that cannot be opened; Corrupt for a bad
// header or a 256-colour file without its palette; Unsupported for 1-, 2- and
// 4-bit pictures; Truncated when the pixel data ends early; TooLarge when
// the picture does not fit record.pixels. On failure the record's outline
// and headers are cleared.
Status readPcx(const std::string& path, ImageRecord& record);
Status readPcxBytes(ByteSpan data, ImageRecord& record);

// Writes the record as a 24-bit three-plane PCX (indexed records go through
// their palette), resolution from the record's when it has one, else
// 72 dpi. InvalidArgument for a record without a picture, TooLarge beyond
// 65,534 × 65,535 pixels, IoError when the file cannot be written.
Status writePcx(const std::string& path, const ImageRecord& record);
Result<std::vector<std::uint8_t>> writePcxBytes(const ImageRecord& record);

} // namespace pictra
