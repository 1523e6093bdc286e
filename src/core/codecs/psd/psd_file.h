// Photoshop (PSD) files: the merged composite picture of grey, RGB and CMYK
// documents of 8 or 16 bits, stored raw or PackBits-compressed. Layers are not read; the composite is
// what every Photoshop-compatible program saves alongside them.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra {

// Reads a PSD file into the record's buffers as a 24-bit picture with its
// outline in pixels. The path's extension must be "psd" (any case):
// Unsupported otherwise, as for large-document (PSB) files, depths other
// than 8 and 16, colour modes other than grey, RGB and CMYK, fewer channels
// than the mode needs and compressions other than raw and PackBits. NotFound/IoError for a file that
// cannot be opened, Corrupt for a wrong signature or version or bad
// compressed rows, Truncated when the data ends early, TooLarge when the
// picture does not fit record.pixels. On failure the record's outline and
// headers are cleared.
Status readPsd(const std::string& path, ImageRecord& record);
Status readPsdBytes(ByteSpan data, ImageRecord& record);

// Writes the record as a raw three-channel 8-bit RGB PSD (indexed records go
// through their palette). InvalidArgument for a record without a picture,
// TooLarge beyond the format's 30,000 pixels a side, IoError when the file
// cannot be written.
Status writePsd(const std::string& path, const ImageRecord& record);
Result<std::vector<std::uint8_t>> writePsdBytes(const ImageRecord& record);

} // namespace pictra
