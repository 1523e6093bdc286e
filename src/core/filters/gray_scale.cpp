// Grey scale through one table indexed by B + G + R (0..765).
#include "core/filters/gray_scale.h"

#include "core/filters/pixel_rows.h"
#include "core/util/rounding.h"

#include <algorithm>
#include <array>

namespace pictra {
namespace {

constexpr int kMaxSum = 3 * 255;

int level(int a, int levels)
{
    switch (levels) {
    case 16:
        return std::min(16 * roundHalfAway(a / 16.0), 255);
    case 2:
        return a <= 85 ? 0 : a < 170 ? 192 : 255;
    default:
        return a;
    }
}

} // namespace

Status grayScale(ImageRecord& record, int levels)
{
    if (levels != 256 && levels != 16 && levels != 2)
        return Status::InvalidArgument;
    if (const Status s = checkPicture24(record); s != Status::Ok)
        return s;
    std::array<std::uint8_t, kMaxSum + 1> table{};
    for (int sum = 0; sum <= kMaxSum; ++sum)
        table[sum] = static_cast<std::uint8_t>(level(sum / 3, levels));
    for (int y = 0; y < record.height(); ++y) {
        const std::span<std::uint8_t> row = pixelRow(record, y);
        for (std::size_t i = 0; i < row.size(); i += 3) {
            const std::uint8_t q = table[row[i] + row[i + 1] + row[i + 2]];
            row[i] = q;
            row[i + 1] = q;
            row[i + 2] = q;
        }
    }
    return Status::Ok;
}

} // namespace pictra
