// The Exif block (APP1 "Exif\0\0") of a JPEG file's bytes: finding it,
// reading and resetting its orientation, and putting it into another file.
#pragma once

#include "core/util/byte_reader.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pictra {

// Where the whole APP1 segment (marker included) lies in the file.
struct SegmentSpan {
    std::size_t offset = 0;
    std::size_t size = 0;
};

// The Exif segment among the markers before the first SOS; nullopt when
// the file has none or its markers are broken.
std::optional<SegmentSpan> findExifSegment(ByteSpan jpeg);

// The orientation tag of IFD0 in an Exif segment, as stored; nullopt when
// absent.
std::optional<int> exifOrientation(ByteSpan segment);

// The orientation tag of IFD0 in a raw Exif block (from its TIFF header on,
// as PNG and WebP files keep it), as stored; nullopt when absent.
std::optional<int> exifBlockOrientation(ByteSpan tiff);

// The Exif orientation of a whole JPEG file, 1..8 (1 = upright, also for
// files without one or with a value outside 1..8): how the stored rows must
// be turned and mirrored to show the picture upright.
int jpegOrientation(ByteSpan jpeg);
// Sets the orientation tag to `value` in place; false when there is none.
bool setExifOrientation(MutableByteSpan segment, int value);

// `jpeg` with `segment` inserted right after SOI and any Exif segment of
// its own removed; nullopt when `jpeg` does not start with SOI.
std::optional<std::vector<std::uint8_t>> withExifSegment(ByteSpan jpeg, ByteSpan segment);

} // namespace pictra
