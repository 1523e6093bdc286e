// Pictures with transparency are shown, stored and printed over white: the
// one rule for putting a colour with an alpha over white, for every reader.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace pictra {

enum class AlphaKind { Straight, Premultiplied };

// One channel over white. A premultiplied colour already holds its covered
// share; the uncovered share (255 - alpha) of white is added.
inline std::uint8_t onWhite(std::uint32_t colour, std::uint32_t alpha, AlphaKind kind)
{
    const std::uint32_t covered = kind == AlphaKind::Premultiplied ? colour : (colour * alpha + 127) / 255;
    return static_cast<std::uint8_t>(std::min<std::uint32_t>(255, covered + (255 - alpha)));
}

// A row of `width` red-green-blue-alpha pixels (straight alpha) as the
// record's blue-green-red pixels over white.
void rgbaRowOnWhite(const std::uint8_t* rgba, std::uint8_t* bgr, std::size_t width);

} // namespace pictra
