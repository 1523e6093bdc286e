// Walking a JPEG's markers up to the first scan.
//
//   FFD8 [FFEn len payload]... FFE1 len "Exif\0\0" TIFF... ... FFDA
#include "core/metadata/jpeg_exif_block.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace pictra {

std::span<const std::uint8_t> jpegExifBlock(std::span<const std::uint8_t> jpeg)
{
    constexpr std::array<std::uint8_t, 6> kExifName = {'E', 'x', 'i', 'f', 0, 0};
    if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        return {};
    std::size_t at = 2;
    while (at + 4 <= jpeg.size()) {
        if (jpeg[at] != 0xFF)
            return {};
        const std::uint8_t marker = jpeg[at + 1];
        if (marker == 0xFF) { // fill byte before a marker
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9)
            return {};
        const std::size_t length = static_cast<std::size_t>(jpeg[at + 2]) << 8 | jpeg[at + 3];
        if (length < 2)
            return {};
        const std::size_t payload = at + 4;
        const std::size_t end = std::min(at + 2 + length, jpeg.size());
        if (marker == 0xE1 && end >= payload + kExifName.size() &&
            std::equal(kExifName.begin(), kExifName.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(payload)))
            return jpeg.subspan(payload + kExifName.size(), end - payload - kExifName.size());
        at += 2 + length;
    }
    return {};
}

} // namespace pictra
