// The few box fields of a HEIF file read before libheif sees it, for checks
// libheif does not make: the item count (a grid of thousands of tiles costs
// thousands of decoder starts) and the canvas of a grid or overlay (libheif
// allocates it from the grid's own header, whatever size the image declares).
#pragma once

#include "core/image/reduce_for_store.h"
#include "core/util/byte_reader.h"

#include <cstdint>
#include <optional>

namespace pictra {

// A 100-megapixel picture (the largest the image buffer takes) in the
// 512 × 512 tiles cameras use is about 400 tiles; with its thumbnail, depth
// and gain-map images it stays well below this.
inline constexpr std::uint32_t kMaxHeifItems = 1024;

// The entry count of the item-information box ('iinf') inside the top-level
// 'meta' box; nullopt when the boxes cannot be found (libheif then reports
// what is wrong with the file).
std::optional<std::uint32_t> heifItemCount(ByteSpan data);

// The canvas a primary item of type 'grid' or 'iovl' is composed on, from
// the item's own header; nullopt for other primary items and for boxes that
// cannot be read (libheif then reports them). Sizes beyond int read as
// INT_MAX, which no buffer takes.
std::optional<PictureSize> heifDerivedCanvas(ByteSpan data);

} // namespace pictra
