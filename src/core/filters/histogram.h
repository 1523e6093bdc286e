// Channel histograms of a picture and the histogram tool's processing: each
// selected channel byte is cut at an upper and a lower limit.
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

#include <array>
#include <cstdint>

namespace pictra {

using HistogramCounts = std::array<std::int32_t, 256>;

struct Histogram {
    HistogramCounts red{};
    HistogramCounts green{};
    HistogramCounts blue{};
    std::int32_t peak = 0; // the largest count of any bin of the three tables
};

// Counts every pixel's red, green and blue byte. TooLarge for a picture of
// more than INT32_MAX pixels, Unsupported/InvalidArgument for a record that
// is not a sound 24-bit picture.
Result<Histogram> countHistogram(const ImageRecord& record);

// The channels the tool works on, in the order of its channel list.
enum class HistogramChannel { Rgb = 0, Red = 1, Green = 2, Blue = 3 };
inline constexpr int kHistogramChannels = 4;

enum class HistogramMode {
    Clamp = 0, // "処理１": values >= U become U, then values < L become L
    Cut = 1,   // "処理２": values >= U become 255, then values < L become 0
};

struct HistogramLimits {
    int upper = 255; // U, 0..255
    int lower = 0;   // L, 0..255
    friend bool operator==(const HistogramLimits&, const HistogramLimits&) = default;
};

// The new value of one channel byte v under the mode and limits: first the
// upper limit (v >= U), then the lower limit (v < L) on the result.
int cutValue(int v, HistogramMode mode, HistogramLimits limits);

// Applies cutValue to the bytes of the chosen channel (all three for Rgb).
// InvalidArgument for a limit outside 0..255, Unsupported/InvalidArgument
// for a record that is not a sound 24-bit picture; the picture is then unchanged.
Status applyHistogramLimits(ImageRecord& record, HistogramChannel channel, HistogramMode mode,
                            HistogramLimits limits);

} // namespace pictra
