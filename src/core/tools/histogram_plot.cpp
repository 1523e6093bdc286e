// Histogram frame geometry.
#include "core/tools/histogram_plot.h"

#include "core/util/rounding.h"

namespace pictra {

int limitLineX(const Rect& frame, int value)
{
    return frame.left + roundHalfAway(value * (frame.width() / 256.0));
}

std::vector<IntPoint> histogramCurve(const HistogramCounts& counts, std::int32_t peak, const Rect& frame)
{
    if (peak <= 0)
        return {};
    std::array<std::uint32_t, 256> unsignedCounts{};
    for (std::size_t i = 0; i < counts.size(); ++i)
        unsignedCounts[i] = counts[i] > 0 ? static_cast<std::uint32_t>(counts[i]) : 0;
    return histogramPolyline(unsignedCounts, static_cast<std::uint32_t>(peak), frame);
}

} // namespace pictra
