// The page loop of a print job: which print-list entries go on which page,
// into which frame, and whether a cell border is drawn around them.
#pragma once

#include "core/print/paper_layout.h"

#include <vector>

namespace pictra {

enum class PrintRange { All, DisplayedSheet }; // "全て", "表示ページのみ"

struct PagePicture {
    int entry = 0;          // index into the print list, 0-based
    PaperCorners frame{};   // where it is fitted, 0.1 mm
    bool border = false;    // grid cells get their four edges drawn first
};

struct PrintPage {
    std::vector<PagePicture> pictures;
};

// The sheet holding list entry `entry` and the last sheet of a list of
// `count` entries (0 for an empty list).
int sheetOfEntry(int entry, int cellsPerSheet);
int lastSheet(int count, int cellsPerSheet);

// The pages for `count` list entries on `sheet` (laid out as `layout`): every
// sheet, or only sheet `displayed` (a sheet past the end gives no page).
std::vector<PrintPage> planPrintPages(const WorkingSheet& sheet, const PaperLayout& layout, int count,
                                      PrintRange range, int displayed);

} // namespace pictra
