// Two-level conversion and the packed-value range of a picture.
#include "core/filters/threshold.h"

#include "core/filters/pixel_rows.h"

#include <algorithm>
#include <cstring>

namespace pictra {

Result<PackedRange> packedRange(const ImageRecord& record)
{
    if (const Status s = checkPicture24(record); s != Status::Ok)
        return s;
    PackedRange range{kMaxPackedValue, 0};
    for (int y = 0; y < record.height(); ++y) {
        const std::span<const std::uint8_t> row = pixelRow(record, y);
        for (std::size_t i = 0; i < row.size(); i += 3) {
            const std::int32_t v = packedValue(row[i], row[i + 1], row[i + 2]);
            range.vmin = std::min(range.vmin, v);
            range.vmax = std::max(range.vmax, v);
        }
    }
    return range;
}

Status applyThreshold(ImageRecord& record, std::int32_t threshold)
{
    if (threshold < 0 || threshold > kMaxPackedValue)
        return Status::InvalidArgument;
    if (const Status s = checkPicture24(record); s != Status::Ok)
        return s;
    for (int y = 0; y < record.height(); ++y) {
        const std::span<std::uint8_t> row = pixelRow(record, y);
        for (std::size_t i = 0; i < row.size(); i += 3) {
            const bool white = packedValue(row[i], row[i + 1], row[i + 2]) >= threshold;
            const std::uint8_t q = white ? 255 : 0;
            row[i] = q;
            row[i + 1] = q;
            row[i + 2] = q;
        }
    }
    return Status::Ok;
}

} // namespace pictra
