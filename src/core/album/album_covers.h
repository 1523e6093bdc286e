// The first pictures of an album, for its icon in a file manager: the store
// copies of its first entries, read without reading the rest of the file.
#pragma once

#include "core/util/result.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace pictra {

// Fills `into` with the bytes at `offset`; false when the source ends first.
using AlbumByteSource = std::function<bool(std::uint64_t offset, std::span<std::uint8_t> into)>;

// The JPEG store copies of the first `count` entries that have one, in
// entry order. Corrupt for a wrong magic, a count outside 0..1000 or a
// negative length; TooLarge for a copy over 10,000,000 bytes; Truncated
// when the source ends inside what the counts promise.
Result<std::vector<std::vector<std::uint8_t>>> readAlbumCovers(const AlbumByteSource& source, int count);

// The same over a file: NotFound or IoError when it cannot be opened.
Result<std::vector<std::vector<std::uint8_t>>> readAlbumCoversFromFile(const std::string& path, int count);

} // namespace pictra
