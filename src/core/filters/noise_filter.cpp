// The noise filter works row by row with the packed values of the original
// rows below, at and above the current one, so each row can be rewritten in
// place while its neighbours' original values are kept.
#include "core/filters/noise_filter.h"

#include "core/filters/pixel_rows.h"
#include "core/filters/threshold.h"

#include <span>
#include <utility>
#include <vector>

namespace pictra {
namespace {

// Compare-exchange without branches (min/max become conditional moves);
// the comparisons of a photo are unpredictable.
inline void order(std::int32_t& a, std::int32_t& b)
{
    const std::int32_t lo = a < b ? a : b;
    const std::int32_t hi = a < b ? b : a;
    a = lo;
    b = hi;
}

// A 25-comparator sorting network for nine values, spelled out so the values
// stay in registers.
void sortNine(std::int32_t& v0, std::int32_t& v1, std::int32_t& v2, std::int32_t& v3, std::int32_t& v4,
              std::int32_t& v5, std::int32_t& v6, std::int32_t& v7, std::int32_t& v8)
{
    order(v0, v3), order(v1, v7), order(v2, v5), order(v4, v8);
    order(v0, v7), order(v2, v4), order(v3, v8), order(v5, v6);
    order(v0, v2), order(v1, v3), order(v4, v5), order(v7, v8);
    order(v1, v4), order(v3, v6), order(v5, v7);
    order(v0, v1), order(v2, v4), order(v3, v5), order(v6, v8);
    order(v2, v3), order(v4, v5), order(v6, v7);
    order(v1, v2), order(v3, v4), order(v5, v6);
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

std::int32_t noiseRank(std::array<std::int32_t, 9> v)
{
    sortNine(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
    // Nine different values (the usual case in a photo): the median.
    if (v[0] < v[1] && v[1] < v[2] && v[2] < v[3] && v[3] < v[4])
        return v[4];
    int distinct = 1;
    for (int k = 1; k < 9; ++k) {
        if (v[k] != v[k - 1] && ++distinct == 5)
            return v[k];
    }
    return v[8];
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
