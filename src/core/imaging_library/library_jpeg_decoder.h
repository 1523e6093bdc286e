// JPEG decoding through libjpeg-turbo, the library back end of the JPEG
// codec: baseline, progressive, restart markers, every common sampling,
// greyscale and CMYK, all ending as an upright 24-bit picture.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

namespace pictra {

// What the header of a JPEG file says, before any decoding.
struct JpegHeaderInfo {
    int width = 0;  // as stored
    int height = 0; // as stored
    int orientation = 1; // Exif, 1..8
    bool cmyk = false;   // CMYK or YCCK inks
    int uprightWidth() const { return orientation >= 5 ? height : width; }
    int uprightHeight() const { return orientation >= 5 ? width : height; }
};

// Corrupt when libjpeg-turbo cannot read the header, or when the file is far
// too short for the size it claims (so a few bytes never reserve a huge buffer).
Result<JpegHeaderInfo> readLibraryJpegHeader(ByteSpan data);

// The DCT reduction, in eighths, of the smallest of 1/8, 1/4, 1/2 and 1
// that still decodes a width × height picture to at least minWidth ×
// minHeight. The other factors libjpeg offers are no faster than the next
// larger of these.
int jpegScaleEighths(int width, int height, int minWidth, int minHeight);

// Decodes a whole JPEG file held in memory straight into the record's pixel
// buffer as 24-bit bottom-up rows, turned upright by its Exif orientation,
// in sRGB: an embedded ICC profile (APP2) converts the colours, CMYK and
// YCCK inks go through a CMYK profile or the plain ink rule.
// Corrupt when libjpeg-turbo cannot read it, TooLarge when the picture does
// not fit the record's buffer. Stray bytes between segments still give Ok;
// a file that ends (or whose scan breaks off) before the last row gives
// Partial with the picture in the record, the unread part filled, as
// viewers show it. On failure the record's headers are cleared.
Status decodeLibraryJpegBytes(ByteSpan data, ImageRecord& record);

// The same, reduced while decoding to `scaleEighths` (1, 2, 4 or 8) of the size.
Status decodeLibraryJpegScaled(ByteSpan data, ImageRecord& record, int scaleEighths);

} // namespace pictra
