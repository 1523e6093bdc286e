// Pictures carry their colours as an ICC profile embedded in the file; the
// program shows, stores and prints sRGB. Every reader hands the profile it
// found to convertToSrgb once, where the pixels leave the reader.
#pragma once

#include "core/image/image_record.h"

#include <cstdint>
#include <span>

namespace pictra {

// Converts the picture in `record` (24-bit, or 8-bit with a palette) from the
// colour space `profile` describes to sRGB, in place. An empty profile, or
// one that cannot be used, leaves the pixels as they are: the picture is
// then taken as sRGB.
void convertToSrgb(std::span<const std::uint8_t> profile, ImageRecord& record);

} // namespace pictra
