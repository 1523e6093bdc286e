// The raw Exif block (TIFF header onwards) of a JPEG file's first bytes,
// found even when the file is cut inside or right after that block.
#pragma once

#include <cstdint>
#include <span>

namespace pictra {

// The bytes after "Exif\0\0" of the first APP1 Exif segment before the
// picture data, up to the segment's end or the end of `jpeg`, whichever
// comes first; empty when `jpeg` is no JPEG or has no such segment.
std::span<const std::uint8_t> jpegExifBlock(std::span<const std::uint8_t> jpeg);

} // namespace pictra
