// Flips in place by swapping pixels pairwise from both ends of a row, of the
// row order, or of both at once (the half turn reads one row forwards and
// its mirror row backwards).
#include "core/filters/flip.h"

#include "core/filters/pixel_rows.h"

#include <algorithm>
#include <utility>

namespace pictra {
namespace {

void swapPixel(std::uint8_t* a, std::uint8_t* b)
{
    std::swap(a[0], b[0]);
    std::swap(a[1], b[1]);
    std::swap(a[2], b[2]);
}

// Swaps pixel i of row a with pixel n-1-i of row b for i < count.
void swapMirrored(std::uint8_t* a, std::uint8_t* b, int width, int count)
{
    std::uint8_t* back = b + 3 * static_cast<std::size_t>(width - 1);
    for (int i = 0; i < count; ++i, a += 3, back -= 3)
        swapPixel(a, back);
}

void reverseRow(std::uint8_t* row, int width) { swapMirrored(row, row, width, width / 2); }

void reverseRowOrder(ImageRecord& record)
{
    for (int y = 0, z = record.height() - 1; y < z; ++y, --z) {
        std::span<std::uint8_t> a = pixelRow(record, y);
        std::span<std::uint8_t> b = pixelRow(record, z);
        std::swap_ranges(a.begin(), a.end(), b.begin());
    }
}

void halfTurn(ImageRecord& record)
{
    const int w = record.width();
    int y = 0;
    int z = record.height() - 1;
    for (; y < z; ++y, --z)
        swapMirrored(record.row(y), record.row(z), w, w);
    if (y == z)
        reverseRow(record.row(y), w);
}

} // namespace

Status flipPicture(ImageRecord& record, FlipFlags flags)
{
    if (const Status s = checkPicture24(record); s != Status::Ok)
        return s;
    if (flags.leftRight && flags.upDown) {
        halfTurn(record);
    } else if (flags.leftRight) {
        for (int y = 0; y < record.height(); ++y)
            reverseRow(record.row(y), record.width());
    } else if (flags.upDown) {
        reverseRowOrder(record);
    }
    return Status::Ok;
}

} // namespace pictra
