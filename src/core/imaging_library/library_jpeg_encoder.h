// JPEG encoding through libjpeg-turbo, honouring the user's JPEG save
// options: baseline or progressive coding, quality, sampling and comment.
#pragma once

#include "core/image/jpeg_save_options.h"
#include "core/imaging_library/packed_bitmap.h"
#include "core/util/result.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace pictra {

// The whole JPEG file for a bitmap (24-bit, 32-bit or paletted 1/4/8-bit).
// Sampling "４：１：１" is 2x2, "４：２：１" 2x1, "４：４：４" 1x1; a non-empty
// comment becomes a COM segment. Quality outside 1..100 is clamped. The
// failures of checkBitmap; IoError when libjpeg-turbo refuses.
Result<std::vector<std::uint8_t>> encodeLibraryJpegBytes(const BitmapView& bitmap, const JpegSaveOptions& options);

// The JPEG file with a COM segment holding `comment` placed after the SOI
// marker and a leading JFIF segment (unchanged for an empty comment).
std::vector<std::uint8_t> withJpegComment(ByteSpan jpeg, std::string_view comment);

} // namespace pictra
