// Palette expansion into 24-bit rows.
#include "core/tools/picture24.h"

#include "core/util/pixel_bytes.h"

#include <vector>

namespace pictra {

Status convertTo24(ImageRecord& record)
{
    const int bits = record.bitCount();
    const int w = record.width();
    const int h = record.height();
    if (w <= 0 || h <= 0)
        return Status::InvalidArgument;
    if (bits == 24)
        return record.imageBytes() != 0 && record.imageBytes() <= record.pixels.size() ? Status::Ok
                                                                                         : Status::InvalidArgument;
    if (bits != 1 && bits != 4 && bits != 8)
        return Status::Unsupported;
    const std::size_t oldBytes = record.imageBytes();
    if (oldBytes == 0 || oldBytes > record.pixels.size())
        return Status::InvalidArgument;
    const std::size_t oldStride = record.stride();
    const auto newBytes = pixelBytes(w, h, 24, 4, record.pixels.size());
    if (!newBytes)
        return Status::TooLarge;
    const std::vector<std::uint8_t> old(record.pixels.begin(), record.pixels.begin() + static_cast<std::ptrdiff_t>(oldBytes));
    const std::vector<std::uint8_t> palette(record.palette.begin(), record.palette.end());
    const Outline outline = record.outline;
    const BitmapInfoHeader oldInfo = record.infoHeader;
    if (const Status s = record.setup24(w, h); s != Status::Ok)
        return s;
    record.outline = outline;
    record.infoHeader.xPelsPerMeter = oldInfo.xPelsPerMeter;
    record.infoHeader.yPelsPerMeter = oldInfo.yPelsPerMeter;
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    const std::size_t entries = palette.size() / 4;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* src = old.data() + oldStride * static_cast<std::size_t>(y);
        std::uint8_t* dst = record.row(y);
        for (int x = 0; x < w; ++x) {
            const int shift = 8 - bits * (x % perByte + 1);
            const std::size_t index = (src[x / perByte] >> shift) & mask;
            const std::uint8_t* entry = index < entries ? palette.data() + index * 4 : nullptr;
            for (int c = 0; c < 3; ++c)
                dst[x * 3 + c] = entry ? entry[c] : 0;
        }
        for (std::size_t p = static_cast<std::size_t>(w) * 3; p < record.stride(); ++p)
            dst[p] = 0;
    }
    return Status::Ok;
}

} // namespace pictra
