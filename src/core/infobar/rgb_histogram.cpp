// RGB histogram counts and polylines.
#include "core/infobar/rgb_histogram.h"

#include "core/util/rounding.h"

#include <algorithm>

namespace pictra {

std::uint32_t RgbHistogram::largest() const
{
    const auto top = [](const std::array<std::uint32_t, 256>& c) { return *std::max_element(c.begin(), c.end()); };
    return std::max({top(blue), top(green), top(red)});
}

RgbHistogram countRgbHistogram(const ImageRecord& image)
{
    RgbHistogram h;
    const BitmapInfoHeader& info = image.infoHeader;
    if (info.bitCount != 24 || info.width <= 0 || info.height == 0)
        return h;
    const std::size_t stride = image.stride();
    const std::size_t rows = static_cast<std::size_t>(info.height < 0 ? -std::int64_t{info.height} : info.height);
    // The header's own idea of the pixel bytes, never beyond what exists.
    const std::int64_t stated = std::int64_t{image.fileHeader.size} - 4 * std::int64_t{info.clrUsed} - 54;
    std::size_t bytes = stated > 0 ? static_cast<std::size_t>(stated) : 0;
    bytes = std::min({bytes, stride * rows, image.pixels.size()});
    const std::size_t rowPixels = static_cast<std::size_t>(info.width);
    for (std::size_t offset = 0; offset < bytes; offset += stride) {
        const std::size_t pixelsHere = std::min(rowPixels, (bytes - offset) / 3);
        const std::uint8_t* p = image.pixels.data() + offset;
        for (std::size_t x = 0; x < pixelsHere; ++x, p += 3) {
            ++h.blue[p[0]];
            ++h.green[p[1]];
            ++h.red[p[2]];
        }
    }
    return h;
}

std::vector<IntPoint> histogramPolyline(const std::array<std::uint32_t, 256>& counts, std::uint32_t largest,
                                        const Rect& box)
{
    std::vector<IntPoint> points;
    if (largest == 0)
        return points;
    const double sx = box.width() / 256.0;
    const double sy = static_cast<double>(box.height()) / largest;
    points.reserve(counts.size());
    for (std::size_t i = 0; i < counts.size(); ++i)
        points.push_back({box.left + roundHalfAway(static_cast<double>(i) * sx),
                          box.bottom - roundHalfAway(counts[i] * sy)});
    return points;
}

} // namespace pictra
