// What the duplicate guard knows a picture's content by: its perceptual hash
// and its look, the picture averaged onto a tiny 40 × 30 RGB grid. The hash
// finds the candidates cheaply; the look tells a re-encode or a smaller copy
// (whose grid differs by noise) from a burst neighbour or a slight crop
// (whose edges have moved), which the hash alone cannot.
#pragma once

#include "core/image/image_record.h"

#include <array>
#include <cstdint>
#include <optional>

namespace pictra {

inline constexpr int kLookWidth = 40;
inline constexpr int kLookHeight = 30;

// R G B per cell, top-down, 0..255.
using PictureLook = std::array<std::uint8_t, kLookWidth * kLookHeight * 3>;

struct PictureContent {
    std::uint64_t hash = 0;
    PictureLook look{};
    friend bool operator==(const PictureContent&, const PictureContent&) = default;
};

// The content of an upright picture; nullopt for a record without a usable
// picture and for a flat one (see contentHash).
std::optional<PictureContent> pictureContent(const ImageRecord& upright);

// How far apart two looks are, as the distance in grid cells their edges
// would have to move to make that difference: the RMS of the grey
// difference (its mean, a brightness change, left out) over the RMS of the
// looks' grey gradient. Noise scores low on a busy picture and a plain one
// alike, a moved edge scores about the distance it moved. 0 for equal looks.
double lookShift(const PictureLook& a, const PictureLook& b);

} // namespace pictra
