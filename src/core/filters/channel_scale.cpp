// Single-channel scales.
#include "core/filters/channel_scale.h"

#include "core/filters/pixel_rows.h"

namespace pictra {
namespace {

// kOffset: the channel's byte within a blue, green, red pixel.
template <int kOffset>
void scaleRows(ImageRecord& record)
{
    for (int y = 0; y < record.height(); ++y) {
        const std::span<std::uint8_t> row = pixelRow(record, y);
        for (std::size_t i = 0; i < row.size(); i += 3) {
            const std::uint8_t v = row[i + kOffset];
            row[i] = v;
            row[i + 1] = v;
            row[i + 2] = v;
            row[i + kOffset] = 255;
        }
    }
}

} // namespace

Status channelScale(ImageRecord& record, ScaleChannel channel)
{
    if (const Status s = checkPicture24(record); s != Status::Ok)
        return s;
    switch (channel) {
    case ScaleChannel::Blue:
        scaleRows<0>(record);
        break;
    case ScaleChannel::Green:
        scaleRows<1>(record);
        break;
    case ScaleChannel::Red:
        scaleRows<2>(record);
        break;
    }
    return Status::Ok;
}

} // namespace pictra
