// Rows with alpha over white.
#include "core/codecs/alpha_on_white.h"

namespace pictra {

void rgbaRowOnWhite(const std::uint8_t* rgba, std::uint8_t* bgr, std::size_t width)
{
    for (std::size_t x = 0; x < width; ++x, rgba += 4, bgr += 3) {
        const std::uint8_t alpha = rgba[3];
        bgr[0] = onWhite(rgba[2], alpha, AlphaKind::Straight);
        bgr[1] = onWhite(rgba[1], alpha, AlphaKind::Straight);
        bgr[2] = onWhite(rgba[0], alpha, AlphaKind::Straight);
    }
}

} // namespace pictra
