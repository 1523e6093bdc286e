// The perceptual hash that recognises a picture again after it was moved,
// renamed, re-encoded or decoded at another size: 64 bits from the lowest
// frequencies of a DCT of the upright picture's 32 × 32 grey.
#pragma once

#include "core/image/image_record.h"

#include <cstdint>
#include <optional>

namespace pictra {

// Side of the grey square the hash is taken from.
inline constexpr int kHashGridSide = 32;
// Bits that may differ between two decodes of the same picture (a re-encode,
// a DCT-reduced decode, the album's store copy) and still call them alike.
inline constexpr int kHashNearDistance = 10;
// Below this largest distance of a coefficient from their median (about one
// grey level of amplitude in the 32 × 32 grey) a picture is flat.
inline constexpr double kFlatHashSpread = 256.0;

// The hash of an upright picture (any size, 1 to 32 bits per pixel): bit
// (v−1)·8 + (u−1) is set when DCT coefficient (u, v), u and v in 1..8, lies
// above the median of those 64. Pictures that look alike give hashes a few
// bits apart; a turned or mirrored one does not. 0 for a record that holds no
// usable picture. A flat picture has no structure to hash and gives a value
// that says nothing.
std::uint64_t perceptualHash(const ImageRecord& upright);

// The hash of a picture that has structure enough to be told by it: nullopt
// for a record without a usable picture, and for a flat one (a plain fill, a
// two-tone split along one axis, a gradient along one axis), whose hash bits
// would only follow noise and so tie unrelated pictures together.
std::optional<std::uint64_t> contentHash(const ImageRecord& upright);

// Bits in which two hashes differ, 0..64.
int hashDistance(std::uint64_t a, std::uint64_t b);

} // namespace pictra
