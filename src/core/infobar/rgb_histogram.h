// The information bar's RGB histogram: counts of the three channels of a
// 24-bit picture and the polylines that draw them into a box.
#pragma once

#include "core/album/album_record.h"
#include "core/image/image_record.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pictra {

struct RgbHistogram {
    std::array<std::uint32_t, 256> blue{};
    std::array<std::uint32_t, 256> green{};
    std::array<std::uint32_t, 256> red{};
    std::uint32_t largest() const;
};

// Counts a 24-bit picture row by row in storage order, skipping the row
// padding. The pixel data size comes from the file header (size − 4 ×
// palette count − 54), limited to the rows and the buffer that exist. Other
// bit depths count nothing.
RgbHistogram countRgbHistogram(const ImageRecord& image);

struct IntPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const IntPoint&, const IntPoint&) = default;
};

// 256 points per channel inside `box` (device pixels, y downward):
// (left + round(i × width / 256), bottom − round(count[i] × height / M)),
// M the largest count of all three channels, rounding half away from zero.
// Empty when M is 0.
std::vector<IntPoint> histogramPolyline(const std::array<std::uint32_t, 256>& counts, std::uint32_t largest,
                                        const Rect& box);

} // namespace pictra
