// Page arithmetic of the album page view: how many pages an album has, their
// "n/m" labels, which image a cell shows, page navigation and keeping the
// focused image when the grid changes shape.
#pragma once

#include <optional>
#include <string>

namespace pictra {

// Cells per page for a grid; sides are limited to 1..10, so at most 100.
int cellsPerPage(int columns, int rows);
// Limits a column or row count to 1..10.
int clampGridSide(int side);

// Pages of an album of `imageCount` images: at least 1 (an empty album has one page).
int pageCount(int imageCount, int cellsPerPage);
// The label of page `k` (counted from 1) of `n` pages, for example "2/5".
std::string pageLabel(int k, int n);

enum class PageMove { First, Last, Next, Previous };

// The page after a navigation command, or nullopt when the move would pass
// either end (the caller beeps and changes nothing).
std::optional<int> navigatePage(int page, int imageCount, int columns, int rows, PageMove move);

struct PageFocus {
    int page = 0;
    int cell = 0;
    friend bool operator==(const PageFocus&, const PageFocus&) = default;
};

// Page and cell of album image `index` in a columns × rows grid; used to keep
// the focused image in view when the grid changes.
PageFocus focusForImage(int index, int columns, int rows);

} // namespace pictra
