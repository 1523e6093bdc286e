// The number of items a HEIF file declares, read from its box headers before
// libheif sees the file: a grid of thousands of tiles costs thousands of
// decoder starts, so such a file is refused without being parsed.
#pragma once

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

} // namespace pictra
