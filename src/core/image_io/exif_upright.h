// Turning a freshly read picture upright by the orientation in its file's
// Exif block, for the formats whose readers leave that to us (PNG, WebP).
// HEIF, AVIF and JPEG XL decoders apply the file's own transforms, and a
// JPEG reader turns its picture itself: those are never turned again here.
#pragma once

#include "core/image/image_format.h"
#include "core/image/image_record.h"
#include "core/util/result.h"

#include <string>

namespace pictra {

// Turns `record` (just read from `path`, a picture of `format`) upright.
// Returns `loaded` unchanged when nothing is to be done, else the turn's
// failure (TooLarge when the turned picture does not fit).
Status applyExifUpright(const std::string& path, ImageFormat format, ImageRecord& record, Status loaded);

} // namespace pictra
