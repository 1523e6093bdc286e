// The rules of an album page view as pure functions over the album table and
// the selection block: clicks, grid changes, page moves, and what follows an
// append or a drop. Each acts on the active window (the working copy, which
// it mirrors into the window's slot) and says what the view must redo.
#pragma once

#include "core/album/album_table.h"
#include "core/album/page_arithmetic.h"
#include "core/album/page_grid.h"
#include "core/album/selection_block.h"

#include <cstdint>
#include <optional>

namespace pictra {

struct ViewChange {
    bool repaint = false;        // draw the page again
    bool selectionFrames = false; // only the selection frames moved
    bool refillPages = false;    // the page combo box lists other pages
    bool refreshInfoBar = false; // show the focused image in the information bar
    friend bool operator==(const ViewChange&, const ViewChange&) = default;
};

struct CellClick {
    int cell = -1; // the hit cell of the page, -1 when no cell was hit
    bool ctrl = false;
};

struct ClickResult {
    int image = -1; // album position of the clicked image (load it for the bar), or -1
    ViewChange change;
};

// A left or right button press. A plain click on an unselected image selects
// it alone, Ctrl+click adds it (never more than 10), a click on a selected
// image keeps the whole selection so it can be dragged. Whatever was hit,
// the focused image joins the selection when there is room.
ClickResult clickCell(AlbumTable& table, SelectionBlock& selection, CellClick click);

// The left button went up without a drag: unless Ctrl is held the focused
// image becomes the only selected one.
ViewChange releaseClick(AlbumTable& table, SelectionBlock& selection, bool ctrl);

// New cell rectangles for the window with view `viewId` (its slot, and the
// working copy while it is active); the focus rectangle follows its cell.
void placeGrid(AlbumTable& table, std::uint64_t viewId, const CellRects& cells);

enum class GridSide { Columns, Rows };

// The slider set one side of the active window's grid to `n` (1..10). The
// focused image stays focused: its page and cell follow the new shape.
ViewChange setGridSide(AlbumTable& table, GridSide side, int n);

// The grid of the window with view `viewId` takes `columns` × `rows` (from
// the settings), keeping its focused image.
ViewChange setGridShape(AlbumTable& table, std::uint64_t viewId, int columns, int rows);

// A page command on the active window: the new page with the focus on its
// first cell and its first image selected; nullopt when the move would pass
// either end (nothing changes; the caller beeps).
std::optional<ViewChange> movePage(AlbumTable& table, SelectionBlock& selection, PageMove move);

// The page combo box chose `page`: the focus cell is kept (the last image
// when the page ends before it) and its image is framed.
ViewChange choosePage(AlbumTable& table, SelectionBlock& selection, int page);

// Images were appended to (or read into) the active window: without a focus
// the first cell takes it and the clipboard mark is cleared; the focused
// image is framed (settleTarget).
ViewChange afterAppend(AlbumTable& table, SelectionBlock& selection);

// Images were dropped into the active window at `landed` (-1: nothing
// landed): the selection and clipboard are emptied, the first dropped image
// takes the focus and the frame.
ViewChange afterDrop(AlbumTable& table, SelectionBlock& selection, int landed);

} // namespace pictra
