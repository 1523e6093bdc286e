// RGB adjustment through one table per channel. The table holds exactly the
// per-pixel arithmetic, so results match it byte for byte.
#include "core/filters/rgb_adjust.h"

#include "core/filters/pixel_rows.h"
#include "core/util/rounding.h"

#include <algorithm>

namespace pictra {
namespace {

bool inRange(int percent) { return percent >= kRgbPercentMin && percent <= kRgbPercentMax; }

ByteTable scaleTable(int percent)
{
    const double factor = percent / 100.0 + 1;
    ByteTable table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<std::uint8_t>(std::clamp(truncToward0(c * factor), 0, 255));
    return table;
}

} // namespace

Status adjustRgb(ImageRecord& record, int r, int g, int b)
{
    if (!inRange(r) || !inRange(g) || !inRange(b))
        return Status::InvalidArgument;
    if (const Status s = checkPicture24(record); s != Status::Ok)
        return s;
    if (r == 0 && g == 0 && b == 0)
        return Status::Ok;
    applyChannelTables(record, scaleTable(b), scaleTable(g), scaleTable(r));
    return Status::Ok;
}

} // namespace pictra
