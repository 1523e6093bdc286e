// Histogram counting and the limit processing (through per-channel tables).
#include "core/filters/histogram.h"

#include "core/filters/pixel_rows.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace pictra {
namespace {

// Counting into two table sets (even and odd pixels) halves the stalls of
// incrementing the same bin twice in a row, common in flat areas.
struct PartialCounts {
    std::array<HistogramCounts, 2> red{}, green{}, blue{};
};

void countRow(std::span<const std::uint8_t> row, PartialCounts& c)
{
    std::size_t i = 0;
    for (; i + 6 <= row.size(); i += 6) {
        ++c.blue[0][row[i]];
        ++c.green[0][row[i + 1]];
        ++c.red[0][row[i + 2]];
        ++c.blue[1][row[i + 3]];
        ++c.green[1][row[i + 4]];
        ++c.red[1][row[i + 5]];
    }
    if (i < row.size()) {
        ++c.blue[0][row[i]];
        ++c.green[0][row[i + 1]];
        ++c.red[0][row[i + 2]];
    }
}

void merge(const std::array<HistogramCounts, 2>& parts, HistogramCounts& out)
{
    for (std::size_t v = 0; v < out.size(); ++v)
        out[v] = parts[0][v] + parts[1][v];
}

std::int32_t largest(const HistogramCounts& counts)
{
    return *std::max_element(counts.begin(), counts.end());
}

bool validLimit(int limit) { return limit >= 0 && limit <= 255; }

} // namespace

Result<Histogram> countHistogram(const ImageRecord& record)
{
    if (const Status s = checkPicture24(record); s != Status::Ok)
        return s;
    const auto pixels = static_cast<std::int64_t>(record.width()) * record.height();
    if (pixels > std::numeric_limits<std::int32_t>::max())
        return Status::TooLarge;
    PartialCounts partial;
    for (int y = 0; y < record.height(); ++y)
        countRow(pixelRow(record, y), partial);
    Histogram h;
    merge(partial.red, h.red);
    merge(partial.green, h.green);
    merge(partial.blue, h.blue);
    h.peak = std::max({largest(h.red), largest(h.green), largest(h.blue)});
    return h;
}

int cutValue(int v, HistogramMode mode, HistogramLimits limits)
{
    const bool cut = mode == HistogramMode::Cut;
    if (v >= limits.upper)
        v = cut ? 255 : limits.upper;
    if (v < limits.lower)
        v = cut ? 0 : limits.lower;
    return v;
}

Status applyHistogramLimits(ImageRecord& record, HistogramChannel channel, HistogramMode mode,
                            HistogramLimits limits)
{
    if (!validLimit(limits.upper) || !validLimit(limits.lower))
        return Status::InvalidArgument;
    if (const Status s = checkPicture24(record); s != Status::Ok)
        return s;
    ByteTable same{};
    std::iota(same.begin(), same.end(), std::uint8_t{0});
    ByteTable cut{};
    for (int v = 0; v < 256; ++v)
        cut[v] = static_cast<std::uint8_t>(cutValue(v, mode, limits));
    const auto pick = [&](HistogramChannel c) -> const ByteTable& {
        return channel == HistogramChannel::Rgb || channel == c ? cut : same;
    };
    applyChannelTables(record, pick(HistogramChannel::Blue), pick(HistogramChannel::Green),
                       pick(HistogramChannel::Red));
    return Status::Ok;
}

} // namespace pictra
