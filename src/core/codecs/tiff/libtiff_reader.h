// TIFF files our own reader does not take (LZW, Deflate, PackBits, JPEG,
// tiles, 16-bit samples, grey, grey with alpha, planar, several pages),
// read through libtiff: the first page, as an upright 24-bit picture with
// any alpha composited on white.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

namespace pictra {

// Corrupt when libtiff cannot read the file, Unsupported for a variant its
// RGBA reader does not convert, TooLarge when the picture exceeds the
// record's buffer cap. On failure the record's headers are cleared.
Status decodeTiffWithLibtiff(ByteSpan data, ImageRecord& record);

} // namespace pictra
