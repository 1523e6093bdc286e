// The histogram tool's limit rules.
#include "core/filters/histogram_tool_state.h"

#include <algorithm>

namespace pictra {
namespace {

HistogramLimits& rememberedFor(HistogramToolState& state)
{
    return state.remembered[static_cast<std::size_t>(state.channel)];
}

} // namespace

void setUpperLimit(HistogramToolState& state, int upper)
{
    state.limits.upper = upper;
    rememberedFor(state).upper = upper;
}

void setLowerLimit(HistogramToolState& state, int lower)
{
    state.limits.lower = lower;
    rememberedFor(state).lower = lower;
}

void selectChannel(HistogramToolState& state, HistogramChannel channel)
{
    state.channel = channel;
    state.limits = rememberedFor(state);
}

int upperSliderStop(HistogramLimits limits, int position) { return std::max(position, limits.lower); }

int lowerSliderStop(HistogramLimits limits, int position) { return std::min(position, limits.upper); }

} // namespace pictra
