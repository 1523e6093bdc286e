// WebP files through libwebp: lossy, lossless, with alpha (shown over white)
// and the first frame of an animation; written lossless or lossy.
#pragma once

#include "core/image/image_record.h"
#include "core/image/reduce_for_store.h"
#include "core/image/webp_save_options.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra {

// The size of the picture (the canvas of an animation) a WebP file holds.
// Corrupt when the data is no WebP, Truncated when it ends inside the header.
Result<PictureSize> webpPictureSize(ByteSpan data);

// Reads a WebP into the record's buffers as a 24-bit picture with its outline
// in pixels: the first frame of an animation; transparent parts over white; an
// embedded ICC profile turns the colours into sRGB. Corrupt for data that is
// no WebP or does not decode, Truncated when it ends early, TooLarge (before
// decoding) when the picture does not fit record.pixels. NotFound/IoError for
// a file that cannot be opened. On failure the record's outline and headers
// are cleared.
Status readWebp(const std::string& path, ImageRecord& record);
Status readWebpBytes(ByteSpan data, ImageRecord& record);

// As readWebpBytes, the picture coming out at `size` (each side at most the
// picture's own). A still picture is scaled by libwebp while it decodes, so
// only `size` is held in memory; an animation's frame is decoded whole and
// then shrunk. InvalidArgument for a size outside 1..the picture's own.
Status readWebpBytesAtSize(ByteSpan data, ImageRecord& record, PictureSize size);

// Writes the record as a WebP, lossless or lossy at options.quality (1..100,
// clamped), atomically. InvalidArgument for a record without a picture,
// TooLarge beyond WebP's 16383 pixels a side, IoError when the file cannot be written.
Status writeWebp(const std::string& path, const ImageRecord& record, const WebpSaveOptions& options);
Result<std::vector<std::uint8_t>> writeWebpBytes(const ImageRecord& record, const WebpSaveOptions& options);

} // namespace pictra
