#include "core/print/sheet_geometry.h"

namespace pictra {

SheetGeometry sheetGeometry(const WorkingSheet& sheet)
{
    SheetGeometry g;
    g.width = sheet.width;
    g.height = sheet.height;
    if (checkLayout(sheet) != LayoutProblem::None)
        return g;
    g.frame = {static_cast<double>(sheet.offsetLeft), static_cast<double>(sheet.offsetTop),
               static_cast<double>(sheet.width) - sheet.offsetLeft,
               static_cast<double>(sheet.height) - sheet.offsetTop};
    if (!sheet.several)
        return g;
    g.across = sheet.across;
    g.down = sheet.down;
    // The gaps lie only between cells, so the last column and row end on the frame.
    const double cw = (g.frame.width() - (sheet.across - 1) * static_cast<double>(sheet.gapX)) / sheet.across;
    const double ch = (g.frame.height() - (sheet.down - 1) * static_cast<double>(sheet.gapY)) / sheet.down;
    g.cells.reserve(static_cast<std::size_t>(sheet.across * sheet.down));
    for (int i = 0; i < sheet.down; ++i) {
        for (int j = 0; j < sheet.across; ++j) {
            const double left = g.frame.left + j * (cw + sheet.gapX);
            const double top = g.frame.top + i * (ch + sheet.gapY);
            g.cells.push_back({left, top, left + cw, top + ch});
        }
    }
    return g;
}

} // namespace pictra
