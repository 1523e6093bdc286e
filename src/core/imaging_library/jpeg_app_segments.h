// Finding application segments (Exif, Adobe, ICC) in the header of a JPEG file
// held in memory, without decoding it.
#pragma once

#include "core/util/byte_reader.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace pictra {

// True when the data starts with a JPEG start-of-image marker.
bool looksLikeJpeg(ByteSpan jpeg);

// The payload (from "Exif\0\0" on) of the first APP1 segment that holds
// Exif data, among the segments before the first scan.
std::optional<ByteSpan> exifSegment(ByteSpan jpeg);

// The bytes after "Exif\0\0" of that segment (the TIFF header on), up to the
// segment's end or the end of `jpeg`, whichever comes first: a file cut inside
// or right after its Exif still gives it. Empty when there is none.
ByteSpan jpegExifBlock(ByteSpan jpeg);

// The payloads of every segment with this marker whose payload starts with
// `signature`, in file order, among the segments before the first scan.
std::vector<ByteSpan> appSegments(ByteSpan jpeg, std::uint8_t marker, std::string_view signature);

// The transform byte of the Adobe APP14 segment (0 = no colour transform,
// 1 = YCbCr, 2 = YCCK), or nullopt when the file has no such segment.
std::optional<int> adobeTransform(ByteSpan jpeg);

} // namespace pictra
