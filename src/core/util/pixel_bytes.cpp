// Checked arithmetic for row and picture sizes.
#include "core/util/pixel_bytes.h"

namespace pictra {

std::optional<std::size_t> rowBytes(std::int64_t width, int bitsPerPixel, int align)
{
    if (width < 0 || bitsPerPixel <= 0 || bitsPerPixel > 64 || align <= 0)
        return std::nullopt;
    // Widths beyond 2^40 are nonsense for any picture and keep the bit count in range.
    if (width > (std::int64_t{1} << 40))
        return std::nullopt;
    const std::uint64_t bits = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitsPerPixel);
    const std::uint64_t bytes = (bits + 7) / 8;
    const std::uint64_t a = static_cast<std::uint64_t>(align);
    const std::uint64_t padded = (bytes + a - 1) / a * a;
    if (padded > SIZE_MAX)
        return std::nullopt;
    return static_cast<std::size_t>(padded);
}

std::optional<std::size_t> pixelBytes(std::int64_t width, std::int64_t height, int bitsPerPixel,
                                      int align, std::size_t limit)
{
    if (height < 0)
        return std::nullopt;
    const auto row = rowBytes(width, bitsPerPixel, align);
    if (!row)
        return std::nullopt;
    const auto h = static_cast<std::uint64_t>(height);
    if (*row != 0 && h > SIZE_MAX / *row)
        return std::nullopt;
    const std::size_t total = *row * static_cast<std::size_t>(h);
    if (total > limit)
        return std::nullopt;
    return total;
}

} // namespace pictra
