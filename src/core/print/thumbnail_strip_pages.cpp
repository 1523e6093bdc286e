#include "core/print/thumbnail_strip_pages.h"

#include <algorithm>

namespace pictra {

int StripPages::pageCount() const
{
    const int k = std::max(slotCount, 1);
    return std::max((imageCount + k - 1) / k, 1);
}

int StripPages::pageOf(int index) const
{
    return index > 0 ? std::min(index / std::max(slotCount, 1), pageCount() - 1) : 0;
}

int StripPages::imageAt(int page, int slot) const
{
    if (page < 0 || slot < 0 || slot >= slotCount)
        return -1;
    const long long index = static_cast<long long>(page) * slotCount + slot;
    return index < imageCount ? static_cast<int>(index) : -1;
}

std::string StripPages::label(int page) const
{
    return std::to_string(page + 1) + "/" + std::to_string(pageCount());
}

StripTurn StripPages::turn(int page, int requested) const
{
    if (requested == page)
        return {page, page, false};
    if (imageAt(requested, 0) >= 0)
        return {requested, requested, true};
    return {page, std::max(requested - 1, 0), false};
}

} // namespace pictra
