// JPEG decoding through libjpeg-turbo, the library back end of the JPEG
// codec: baseline, progressive, restart markers, every common sampling,
// greyscale and CMYK, all ending as a 24-bit picture.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

namespace pictra {

// Decodes a whole JPEG file held in memory straight into the record's pixel
// buffer as 24-bit bottom-up rows. Corrupt when libjpeg-turbo cannot read
// it, TooLarge when the picture does not fit record.pixels. Damage libjpeg
// can recover from (a cut-off scan, stray bytes) still decodes, as viewers
// do. On failure the record's headers are cleared.
Status decodeLibraryJpegBytes(ByteSpan data, ImageRecord& record);

} // namespace pictra
