#include "core/print/print_pages.h"

#include <algorithm>

namespace pictra {

int sheetOfEntry(int entry, int cellsPerSheet)
{
    return cellsPerSheet > 0 && entry > 0 ? entry / cellsPerSheet : 0;
}

int lastSheet(int count, int cellsPerSheet)
{
    return sheetOfEntry(count - 1, cellsPerSheet);
}

std::vector<PrintPage> planPrintPages(const WorkingSheet& sheet, const PaperLayout& layout, int count,
                                      PrintRange range, int displayed)
{
    std::vector<PrintPage> pages;
    const bool grid = sheet.several && !layout.cells.empty();
    const int perSheet = grid ? static_cast<int>(layout.cells.size()) : 1;
    if (count <= 0)
        return pages;
    const int last = lastSheet(count, perSheet);
    const int first = range == PrintRange::All ? 0 : displayed;
    const int end = range == PrintRange::All ? last : std::min(displayed, last);
    for (int p = std::max(first, 0); p <= end; ++p) {
        PrintPage page;
        for (int k = 0; k < perSheet && p * perSheet + k < count; ++k) {
            const PaperCorners& frame = grid ? layout.cells[static_cast<std::size_t>(k)] : layout.frame;
            page.pictures.push_back({p * perSheet + k, frame, grid});
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

} // namespace pictra
