// Grid computation and hit tests of the album page.
#include "core/album/page_grid.h"

#include "core/album/page_arithmetic.h"
#include "core/util/rounding.h"

namespace pictra {
namespace {

CellRects realGrid(const GridInput& in, int columns, int rows)
{
    const double cellWidth = static_cast<double>(in.width - 2 * in.anchorLeft) / columns;
    const double cellHeight = static_cast<double>(in.height - in.anchorLeft - in.anchorTop) / rows;
    CellRects cells{};
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const double left = in.anchorLeft + c * cellWidth;
            const double top = in.anchorTop + r * cellHeight;
            cells[static_cast<std::size_t>(r * columns + c)] = {
                truncToward0(left), truncToward0(top), truncToward0(left + cellWidth - in.gapX),
                truncToward0(top + cellHeight - in.gapY)};
        }
    }
    return cells;
}

CellRects integerGrid(const GridInput& in, int columns, int rows)
{
    const int cellWidth = (in.width - 2 * in.anchorLeft) / columns;
    const int cellHeight = (in.height - in.anchorLeft - in.anchorTop) / rows;
    CellRects cells{};
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int left = in.anchorLeft + c * cellWidth;
            const int top = in.anchorTop + r * cellHeight;
            cells[static_cast<std::size_t>(r * columns + c)] = {left, top, left + cellWidth - in.gapX,
                                                                top + cellHeight - in.gapY};
        }
    }
    return cells;
}

} // namespace

CellRects computeGrid(const GridInput& input, GridDivision division)
{
    const int columns = clampGridSide(input.columns);
    const int rows = clampGridSide(input.rows);
    return division == GridDivision::Real ? realGrid(input, columns, rows) : integerGrid(input, columns, rows);
}

int hitTest(const CellRects& cells, int cellCount, int x, int y, HitRule rule)
{
    const int count = cellCount < 0 ? 0 : (cellCount > kMaxPageCells ? kMaxPageCells : cellCount);
    for (int k = 0; k < count; ++k) {
        const Rect& r = cells[static_cast<std::size_t>(k)];
        const bool hit = rule == HitRule::Inclusive
                             ? (r.left <= x && x <= r.right && r.top <= y && y <= r.bottom)
                             : (r.left < x && x < r.right && r.top < y && y < r.bottom);
        if (hit)
            return k;
    }
    return -1;
}

} // namespace pictra
