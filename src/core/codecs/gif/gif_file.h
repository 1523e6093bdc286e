// GIF files through giflib: the first frame of a still or animated GIF,
// its transparent colour shown as white.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <string>

namespace pictra {

// Reads the first frame of a GIF into the record's buffers as a 24-bit
// picture the size of the GIF's screen (grown to hold the frame), with its
// outline in pixels. Parts the frame leaves uncovered and its transparent
// colour are white. Corrupt for a wrong signature, a frame without colours or
// bad data before the first row; Truncated when the file ends before it;
// Partial when the frame ends or breaks later (rows not read stay white);
// TooLarge (before decoding) when the picture does not fit record.pixels.
// NotFound/IoError for a file that cannot be opened. On failure the
// record's outline and headers are cleared.
Status readGif(const std::string& path, ImageRecord& record);
Status readGifBytes(ByteSpan data, ImageRecord& record);

} // namespace pictra
