// Interleaved top-down rows into bottom-up 24-bit rows, alpha over white.
#include "core/codecs/interleaved_rows.h"

#include "core/codecs/record_rows.h"

#include <algorithm>

namespace pictra {
namespace {

std::uint8_t onWhite(std::uint32_t colour, std::uint32_t alpha, AlphaKind kind)
{
    const std::uint32_t covered = kind == AlphaKind::Premultiplied ? colour : (colour * alpha + 127) / 255;
    return static_cast<std::uint8_t>(std::min<std::uint32_t>(255, covered + (255 - alpha)));
}

} // namespace

Status storeInterleavedRows(const InterleavedPixels& pixels, ImageRecord& record)
{
    const auto width = static_cast<std::size_t>(record.width());
    const auto height = static_cast<std::size_t>(record.height());
    const auto channels = static_cast<std::size_t>(pixels.channels);
    if (record.width() <= 0 || record.height() <= 0 || pixels.stride < width * channels ||
        pixels.bytes.size() / pixels.stride < height - 1 ||
        pixels.bytes.size() - (height - 1) * pixels.stride < width * channels)
        return Status::InvalidArgument;
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* src = pixels.bytes.data() + y * pixels.stride;
        std::uint8_t* dst = rowFromTop(record, static_cast<int>(y));
        if (pixels.channels == Channels::Rgb) {
            for (std::size_t x = 0; x < width; ++x, src += 3, dst += 3) {
                dst[0] = src[2];
                dst[1] = src[1];
                dst[2] = src[0];
            }
        } else {
            for (std::size_t x = 0; x < width; ++x, src += 4, dst += 3) {
                dst[0] = onWhite(src[2], src[3], pixels.alpha);
                dst[1] = onWhite(src[1], src[3], pixels.alpha);
                dst[2] = onWhite(src[0], src[3], pixels.alpha);
            }
        }
        std::fill(dst, rowFromTop(record, static_cast<int>(y)) + record.stride(), std::uint8_t{0});
    }
    return Status::Ok;
}

} // namespace pictra
