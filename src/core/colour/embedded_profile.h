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
//
// An RGB profile converts 24-bit pixels or the palette's colours; a grey
// profile converts a picture whose pixels (or palette entries) are all grey.
// A profile lcms2 cannot open, one of another colour space (CMYK on RGB
// pixels, RGB on a picture with colour in a grey profile's place), and one
// that is sRGB already leave every byte as it was.
void convertToSrgb(std::span<const std::uint8_t> profile, ImageRecord& record);

// Fills the record's rows (already set up as a 24-bit picture) from CMYK
// pixels: 4 bytes each, cyan, magenta, yellow, black, as amounts of ink
// (0 = none), `record.width()` to a row with no padding, rows in the record's
// order. Through `profile` when it is a usable CMYK profile, otherwise by
// the plain rule light = (255 − ink)·(255 − black) / 255. Does nothing when
// `ink` is shorter than the picture needs.
void convertCmykToSrgb(std::span<const std::uint8_t> profile, std::span<const std::uint8_t> ink,
                       ImageRecord& record);

} // namespace pictra
