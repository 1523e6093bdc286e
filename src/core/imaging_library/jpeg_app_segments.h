// Finding application segments (Exif, Adobe) in the header of a JPEG file
// held in memory, without decoding it.
#pragma once

#include "core/util/byte_reader.h"

#include <optional>

namespace pictra {

// True when the data starts with a JPEG start-of-image marker.
bool looksLikeJpeg(ByteSpan jpeg);

// The payload (from "Exif\0\0" on) of the first APP1 segment that holds
// Exif data, among the segments before the first scan.
std::optional<ByteSpan> exifSegment(ByteSpan jpeg);

// The transform byte of the Adobe APP14 segment (0 = no colour transform,
// 1 = YCbCr, 2 = YCCK), or nullopt when the file has no such segment.
std::optional<int> adobeTransform(ByteSpan jpeg);

} // namespace pictra
