// Overflow-checked picture sizes. Every codec sizes its rows and buffers here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace pictra {

// Bytes of one row of `width` pixels of `bitsPerPixel`, padded to `align`
// bytes (4 for bitmaps, 1 for packed rows); nullopt on overflow or bad input.
std::optional<std::size_t> rowBytes(std::int64_t width, int bitsPerPixel, int align = 4);

// Bytes of a whole picture: rowBytes × height; nullopt on overflow, a
// negative size or a result above `limit`.
std::optional<std::size_t> pixelBytes(std::int64_t width, std::int64_t height, int bitsPerPixel,
                                      int align = 4, std::size_t limit = SIZE_MAX);

// The padded row length of a 24-bit bitmap row, 4·⌈3W/4⌉, for widths already
// known to be sane (the caller checked them with pixelBytes).
constexpr std::size_t bitmapRowBytes24(std::size_t width) { return (width * 3 + 3) / 4 * 4; }

} // namespace pictra
