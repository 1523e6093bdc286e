// Page arithmetic of the album page view.
#include "core/album/page_arithmetic.h"

#include <algorithm>

namespace pictra {

int clampGridSide(int side) { return std::clamp(side, 1, 10); }

int cellsPerPage(int columns, int rows) { return clampGridSide(columns) * clampGridSide(rows); }

int pageCount(int imageCount, int cells)
{
    if (imageCount <= 0 || cells <= 0)
        return 1;
    return (imageCount + cells - 1) / cells;
}

std::string pageLabel(int k, int n) { return std::to_string(k) + "/" + std::to_string(n); }

std::optional<int> navigatePage(int page, int imageCount, int columns, int rows, PageMove move)
{
    const int cells = cellsPerPage(columns, rows);
    switch (move) {
    case PageMove::First:
        return 0;
    case PageMove::Last:
        return imageCount <= 0 ? 0 : (imageCount - 1) / cells;
    case PageMove::Next:
        if ((page + 1) * cells >= imageCount)
            return std::nullopt;
        return page + 1;
    case PageMove::Previous:
        if (page < 1)
            return std::nullopt;
        return page - 1;
    }
    return std::nullopt;
}

PageFocus focusForImage(int index, int columns, int rows)
{
    const int cells = cellsPerPage(columns, rows);
    const int a = std::max(index, 0);
    return {a / cells, a % cells};
}

} // namespace pictra
