// Strip pages and their labels.
#include "core/album/strip_pages.h"

#include <algorithm>

namespace pictra {

std::string stripPageLabel(int page, int count, int cellsPerStrip)
{
    const int cells = std::max(cellsPerStrip, 1);
    const int pages = std::max(1, (std::max(count, 0) + cells - 1) / cells);
    return std::to_string(page + 1) + "/" + std::to_string(pages);
}

StripTurn turnStrip(int page, int requested, int count, int cellsPerStrip)
{
    if (requested == page)
        return {page, page, false};
    if (requested >= 0 && static_cast<long long>(requested) * std::max(cellsPerStrip, 1) < count)
        return {requested, requested, true};
    return {page, std::max(requested - 1, 0), false};
}

int stripItem(int page, int cell, int count, int cellsPerStrip)
{
    if (cell < 0 || cell >= cellsPerStrip || page < 0)
        return -1;
    const long long index = static_cast<long long>(page) * cellsPerStrip + cell;
    return index < count ? static_cast<int>(index) : -1;
}

} // namespace pictra
