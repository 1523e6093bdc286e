// The noise filter works row by row with the packed values of the original
// rows below, at and above the current one, so each row can be rewritten in
// place while its neighbours' original values are kept.
#include "core/filters/noise_filter.h"

#include "core/filters/pixel_rows.h"
#include "core/filters/threshold.h"

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

namespace pictra {
namespace {

void order(std::int32_t& a, std::int32_t& b)
{
    const std::int32_t lo = std::min(a, b);
    b = std::max(a, b);
    a = lo;
}

// A 25-comparator sorting network for nine values.
void sortNine(std::array<std::int32_t, 9>& v)
{
    static constexpr std::uint8_t kPairs[25][2] = {
        {0, 3}, {1, 7}, {2, 5}, {4, 8}, {0, 7}, {2, 4}, {3, 8}, {5, 6}, {0, 2},
        {1, 3}, {4, 5}, {7, 8}, {1, 4}, {3, 6}, {5, 7}, {0, 1}, {2, 4}, {3, 5},
        {6, 8}, {2, 3}, {4, 5}, {6, 7}, {1, 2}, {3, 4}, {5, 6}};
    for (const auto& pair : kPairs)
        order(v[pair[0]], v[pair[1]]);
}

void packRow(std::span<const std::uint8_t> row, std::span<std::int32_t> out)
{
    for (std::size_t x = 0; x < out.size(); ++x)
        out[x] = packedValue(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
}

void filterRow(std::uint8_t* row, const std::int32_t* below, const std::int32_t* at,
               const std::int32_t* above, int width)
{
    for (int x = 1; x + 1 < width; ++x) {
        const std::int32_t v = noiseRank({below[x - 1], below[x], below[x + 1], at[x - 1], at[x],
                                          at[x + 1], above[x - 1], above[x], above[x + 1]});
        std::uint8_t* p = row + 3 * static_cast<std::size_t>(x);
        p[0] = static_cast<std::uint8_t>(v >> 16);
        p[1] = static_cast<std::uint8_t>(v >> 8);
        p[2] = static_cast<std::uint8_t>(v);
    }
}

} // namespace

std::int32_t noiseRank(std::array<std::int32_t, 9> values)
{
    sortNine(values);
    int distinct = 1;
    for (int k = 1; k < 9; ++k) {
        if (values[k] != values[k - 1] && ++distinct == 5)
            return values[k];
    }
    return values[8];
}

Status applyNoiseFilter(ImageRecord& record)
{
    if (const Status s = checkPicture24(record); s != Status::Ok)
        return s;
    const int w = record.width();
    const int h = record.height();
    if (w < 3 || h < 3)
        return Status::Ok;
    const auto width = static_cast<std::size_t>(w);
    std::vector<std::int32_t> packed(3 * width);
    std::span<std::int32_t> below(packed.data(), width);
    std::span<std::int32_t> at(packed.data() + width, width);
    std::span<std::int32_t> above(packed.data() + 2 * width, width);
    packRow(pixelRow(record, 0), below);
    packRow(pixelRow(record, 1), at);
    for (int y = 1; y + 1 < h; ++y) {
        packRow(pixelRow(record, y + 1), above);
        filterRow(record.row(y), below.data(), at.data(), above.data(), w);
        std::swap(below, at);   // below := old at
        std::swap(at, above);   // at := old above; above := old below, refilled next
    }
    return Status::Ok;
}

} // namespace pictra
