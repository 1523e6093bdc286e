// The colour profile of a HEIF image as ICC bytes for convertToSrgb: an
// embedded ICC profile as stored, an nclx description that is not sRGB
// turned into a profile of its primaries and tone curve.
#pragma once

#include "core/colour/rgb_profile.h"

#include <libheif/heif.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace pictra {

// The colour space an nclx description names, or nullopt when the pixels
// are sRGB already (BT.709 or unspecified primaries with an sRGB-like
// curve). HDR curves (PQ, HLG) are taken as the sRGB curve: the picture
// keeps its primaries but is not tone-mapped.
std::optional<RgbColourSpace> nclxColourSpace(const heif_color_profile_nclx& nclx);

// The profile of the decoded image: the handle's ICC profile, else its nclx
// description (or the one the coded stream carries); empty for sRGB.
std::vector<std::uint8_t> heifProfile(const heif_image_handle* handle, const heif_image* image);

} // namespace pictra
