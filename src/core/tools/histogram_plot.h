// Where the histogram tool draws inside its histogram frame: the limit
// lines at x = left + value·(width / 256), and its curves through the
// information bar's polyline rule, scaled to the largest bin of the three
// tables (no curve without a positive peak).
#pragma once

#include "core/album/album_record.h"
#include "core/filters/histogram.h"
#include "core/infobar/rgb_histogram.h"

#include <vector>

namespace pictra {

// The x of the vertical line for a limit value 0..255.
int limitLineX(const Rect& frame, int value);

// The 256 points of one channel's curve; empty when the peak is not positive.
std::vector<IntPoint> histogramCurve(const HistogramCounts& counts, std::int32_t peak, const Rect& frame);

} // namespace pictra
