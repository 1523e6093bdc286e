// Store-copy reduction: point sampling down to fit 640 × 480.
//
// New row y (bottom-up) is old row e·y, new pixel x is old pixel e·x. Each
// new row is assembled in a one-row scratch buffer and copied to its final
// place, which lies at or before the old rows still to be read, so the
// reduction works in place.
#include "core/image/reduce_for_store.h"

#include "core/util/pixel_bytes.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace pictra {
namespace {

constexpr int kStoreWidth = 640;
constexpr int kStoreHeight = 480;

int ceilDiv(int a, int b) { return (a + b - 1) / b; }

void copyPixel(const std::uint8_t* src, int sx, std::uint8_t* dst, int dx, int bits)
{
    if (bits >= 8) {
        const int n = bits / 8;
        std::memcpy(dst + static_cast<std::size_t>(dx) * n, src + static_cast<std::size_t>(sx) * n, n);
        return;
    }
    const int perByte = 8 / bits;
    const int mask = (1 << bits) - 1;
    const int sShift = (perByte - 1 - sx % perByte) * bits;
    const int dShift = (perByte - 1 - dx % perByte) * bits;
    const int value = (src[sx / perByte] >> sShift) & mask;
    dst[dx / perByte] = static_cast<std::uint8_t>(dst[dx / perByte] | (value << dShift));
}

int storeStep(int width, int height) { return std::max(ceilDiv(width, kStoreWidth), ceilDiv(height, kStoreHeight)); }

} // namespace

PictureSize storeSize(int width, int height)
{
    if (width <= kStoreWidth && height <= kStoreHeight)
        return {width, height};
    const int step = storeStep(width, height);
    // A sliver such as 2000 × 1 would sample down to no rows at all; keep one.
    return {std::max(1, width / step), std::max(1, height / step)};
}

bool reduceForStore(ImageRecord& record)
{
    const int width = record.width();
    const int height = record.height();
    const int bits = record.bitCount();
    if (width <= kStoreWidth && height <= kStoreHeight)
        return false;
    if (height <= 0 || record.imageBytes() == 0 || record.imageBytes() > record.pixels.size())
        return false;
    const int step = storeStep(width, height);
    const auto [newWidth, newHeight] = storeSize(width, height);
    const std::size_t oldStride = record.stride();
    const std::size_t newStride = rowBytes(newWidth, bits).value_or(0);
    std::vector<std::uint8_t> scratch(newStride);
    for (int y = 0; y < newHeight; ++y) {
        const std::uint8_t* src = record.pixels.data() + oldStride * static_cast<std::size_t>(y) * step;
        std::fill(scratch.begin(), scratch.end(), std::uint8_t{0});
        for (int x = 0; x < newWidth; ++x)
            copyPixel(src, x * step, scratch.data(), x, bits);
        std::copy(scratch.begin(), scratch.end(), record.pixels.begin() + newStride * static_cast<std::size_t>(y));
    }
    record.infoHeader.width = newWidth;
    record.infoHeader.height = newHeight;
    if (record.infoHeader.sizeImage != 0)
        record.infoHeader.sizeImage = static_cast<std::uint32_t>(record.imageBytes());
    if (record.fileHeader.type == kBitmapType)
        record.fileHeader.size = record.fileHeader.offBits + static_cast<std::uint32_t>(record.imageBytes());
    record.outline = pixelOutline(newWidth, newHeight);
    return true;
}

} // namespace pictra
