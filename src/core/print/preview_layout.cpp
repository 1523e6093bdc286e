#include "core/print/preview_layout.h"

#include "core/util/rounding.h"

#include <algorithm>

namespace pictra {

namespace {

Rect truncated(const RectD& r)
{
    return {truncToward0(r.left), truncToward0(r.top), truncToward0(r.right), truncToward0(r.bottom)};
}

} // namespace

const PreviewCell* PreviewLayout::cellForEntry(int entry) const
{
    if (cells.empty() || entry < 0)
        return nullptr;
    return &cells[static_cast<std::size_t>(entry % static_cast<int>(cells.size()))];
}

int PreviewLayout::cellAt(int x, int y) const
{
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (cells[k].rect.contains(x, y))
            return static_cast<int>(k);
    }
    return -1;
}

PreviewLayout previewLayout(const Rect& control, const WorkingSheet& sheet)
{
    PreviewLayout layout;
    if (checkLayout(sheet) != LayoutProblem::None)
        return layout;
    const SheetGeometry g = sheetGeometry(sheet);
    const int cx = (control.left + control.right) / 2;
    const int cy = (control.top + control.bottom) / 2;
    const double s = std::min(control.width() / g.width, control.height() / g.height);
    layout.sheet = {truncToward0(cx - g.width * s / 2), truncToward0(cy - g.height * s / 2),
                    truncToward0(cx + g.width * s / 2), truncToward0(cy + g.height * s / 2)};
    // Scale by the sheet's whole-pixel size so a frame without offsets is the sheet.
    const double sx = layout.sheet.width() / g.width;
    const double sy = layout.sheet.height() / g.height;
    const auto toPixels = [&](const RectD& mm) {
        const RectD px{layout.sheet.left + mm.left * sx, layout.sheet.top + mm.top * sy,
                       layout.sheet.left + mm.right * sx, layout.sheet.top + mm.bottom * sy};
        return PreviewCell{px, truncated(px)};
    };
    layout.area = toPixels(g.frame);
    layout.cellsPerSheet = sheet.cellsPerSheet();
    layout.cells.reserve(g.cells.size());
    for (const RectD& cell : g.cells)
        layout.cells.push_back(toPixels(cell));
    return layout;
}

} // namespace pictra
