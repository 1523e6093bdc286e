// The cell grid of an album page and its hit tests. The grid hangs from the
// anchor point (L, T) and leaves L to the right and bottom:
//
//   (L,T) +------+------+--   cell k = row * columns + column
//         |  0   |  1   |     cell width  = (W - 2L) / columns
//         +------+------+--   cell height = (H - L - T) / rows
//         |  c   | c+1  |     each cell loses the frame gaps at right and bottom
#pragma once

#include "core/album/album_record.h"

#include <array>

namespace pictra {

struct GridInput {
    int width = 0;  // client size of the view
    int height = 0;
    int anchorLeft = 0; // top-left of the anchor frame, client coordinates
    int anchorTop = 0;
    int columns = 1;
    int rows = 1;
    int gapX = 0;   // frame gap left/right
    int gapY = 0;   // frame gap top/bottom
};

// Real: a new window's first grid, real division with every edge truncated.
// Integer: every later grid, whole-pixel cell sizes.
enum class GridDivision { Real, Integer };

using CellRects = std::array<Rect, kMaxPageCells>;

// Rectangles of the columns × rows cells (sides limited to 1..10); the
// cells past columns × rows are zero.
CellRects computeGrid(const GridInput& input, GridDivision division);

// Clicks hit a cell when left <= x <= right and top <= y <= bottom; the
// navigation tip uses the strict inequalities. The first hit cell wins.
enum class HitRule { Inclusive, Strict };

// The cell among the first `cellCount` hit by (x, y), or -1.
int hitTest(const CellRects& cells, int cellCount, int x, int y, HitRule rule);

} // namespace pictra
