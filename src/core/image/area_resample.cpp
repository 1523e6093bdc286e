// Area averaging. Target row y (bottom-up) averages source rows
// [y·H/h, (y+1)·H/h), so every target row is built from source rows at or
// above its own place in the buffer; building it in a one-row scratch and
// copying it down makes the shrink work in place.
#include "core/image/area_resample.h"

#include "core/util/pixel_bytes.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace pictra {
namespace {

// Source columns [start[x], start[x + 1]) make target column x.
std::vector<int> spans(int from, int to)
{
    std::vector<int> start(static_cast<std::size_t>(to) + 1);
    for (int i = 0; i <= to; ++i)
        start[static_cast<std::size_t>(i)] = static_cast<int>(static_cast<std::int64_t>(i) * from / to);
    return start;
}

} // namespace

bool shrinkByArea(ImageRecord& record, int width, int height)
{
    const int oldWidth = record.width();
    const int oldHeight = record.height();
    if (record.bitCount() != 24 || width < 1 || height < 1 || width > oldWidth || height > oldHeight ||
        record.imageBytes() == 0 || record.imageBytes() > record.pixels.size())
        return false;
    const std::vector<int> columns = spans(oldWidth, width);
    const std::vector<int> rows = spans(oldHeight, height);
    const std::size_t oldStride = record.stride();
    const std::size_t newStride = bitmapRowBytes24(static_cast<std::size_t>(width));
    std::vector<std::uint32_t> sums(static_cast<std::size_t>(oldWidth) * 3);
    std::vector<std::uint8_t> scratch(newStride);
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        const int y0 = rows[static_cast<std::size_t>(y)];
        const int y1 = rows[static_cast<std::size_t>(y) + 1];
        for (int sy = y0; sy < y1; ++sy) {
            const std::uint8_t* src = record.pixels.data() + oldStride * static_cast<std::size_t>(sy);
            for (std::size_t i = 0; i < sums.size(); ++i)
                sums[i] += src[i];
        }
        std::fill(scratch.begin(), scratch.end(), std::uint8_t{0});
        for (int x = 0; x < width; ++x) {
            const int x0 = columns[static_cast<std::size_t>(x)];
            const int x1 = columns[static_cast<std::size_t>(x) + 1];
            const std::uint64_t count = static_cast<std::uint64_t>(x1 - x0) * static_cast<std::uint64_t>(y1 - y0);
            for (int c = 0; c < 3; ++c) {
                std::uint64_t sum = 0;
                for (int sx = x0; sx < x1; ++sx)
                    sum += sums[static_cast<std::size_t>(sx) * 3 + static_cast<std::size_t>(c)];
                scratch[static_cast<std::size_t>(x) * 3 + static_cast<std::size_t>(c)] =
                    static_cast<std::uint8_t>((sum + count / 2) / count);
            }
        }
        std::copy(scratch.begin(), scratch.end(), record.pixels.begin() + newStride * static_cast<std::size_t>(y));
    }
    const BitmapInfoHeader info = record.infoHeader;
    (void)record.setup24(width, height); // smaller than what the buffer holds
    record.infoHeader.xPelsPerMeter = info.xPelsPerMeter;
    record.infoHeader.yPelsPerMeter = info.yPelsPerMeter;
    return true;
}

} // namespace pictra
