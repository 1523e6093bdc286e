// The histogram tool's limit state: chosen channel, mode and limits, and the
// limits remembered per channel while the tool is open. Pure rules the
// tool's dialog drives from its edits, sliders and channel list.
#pragma once

#include "core/filters/histogram.h"

#include <array>

namespace pictra {

struct HistogramToolState {
    HistogramChannel channel = HistogramChannel::Rgb;
    HistogramMode mode = HistogramMode::Clamp;
    HistogramLimits limits;                                   // the current U and L
    std::array<HistogramLimits, kHistogramChannels> remembered{}; // per channel, 255/0 at start
};

// U (or L) := value, also remembered for the current channel.
void setUpperLimit(HistogramToolState& state, int upper);
void setLowerLimit(HistogramToolState& state, int lower);

// Switches channel; the current limits become that channel's remembered ones.
void selectChannel(HistogramToolState& state, HistogramChannel channel);

// Where a dragged slider stops: the upper one never below L, the lower one
// never above U.
int upperSliderStop(HistogramLimits limits, int position);
int lowerSliderStop(HistogramLimits limits, int position);

} // namespace pictra
