// Clicks, grid changes, page moves and the aftermath of appends and drops.
#include "core/album/page_view_rules.h"

#include "core/album/command_target.h"
#include "core/album/page_position.h"
#include "core/album/window_records.h"

#include <algorithm>

namespace pictra {
namespace {

Rect cellRect(const AlbumRecord& album, int cell)
{
    return album.cells[static_cast<std::size_t>(std::clamp(cell, 0, kMaxPageCells - 1))];
}

void focusCell(AlbumRecord& album, int cell)
{
    album.hasFocus = 1;
    album.focusIndex = cell;
    album.focusRect = cellRect(album, cell);
}

void selectFirstOfPage(const AlbumRecord& album, SelectionBlock& selection)
{
    const int first = pageStart(album);
    if (first < album.imageCount)
        selectOnly(selection, album.images[static_cast<std::size_t>(first)]);
    else
        clearSelection(selection);
}

// Gives `album` a new grid shape with the focused image on the page and cell
// it lands on.
void reshape(AlbumRecord& album, int columns, int rows)
{
    const int focused = pageStart(album) + album.focusIndex;
    const PageFocus keep = focusForImage(focused, columns, rows);
    album.columns = static_cast<std::uint8_t>(clampGridSide(columns));
    album.rows = static_cast<std::uint8_t>(clampGridSide(rows));
    album.currentPage = keep.page;
    album.focusIndex = keep.cell;
}

} // namespace

ClickResult clickCell(AlbumTable& table, SelectionBlock& selection, CellClick click)
{
    AlbumRecord& w = table.working;
    ClickResult result;
    const int first = pageStart(w);
    if (click.cell >= 0 && click.cell < cellsPerPage(w) && first + click.cell < w.imageCount) {
        result.image = first + click.cell;
        const ImageEntry& entry = w.images[static_cast<std::size_t>(result.image)];
        if (!isSelected(selection, entry.stamp) && w.hasFocus && !click.ctrl)
            clearSelection(selection);
        focusCell(w, click.cell);
        mirrorToActiveSlot(table);
        result.change.refreshInfoBar = true;
    }
    const int focused = focusedImage(w);
    if (focused >= 0)
        addToSelection(selection, w.images[static_cast<std::size_t>(focused)]);
    result.change.selectionFrames = true;
    return result;
}

ViewChange releaseClick(AlbumTable& table, SelectionBlock& selection, bool ctrl)
{
    const AlbumRecord& w = table.working;
    const int focused = focusedImage(w);
    if (ctrl || focused < 0)
        return {};
    selectOnly(selection, w.images[static_cast<std::size_t>(focused)]);
    return {.selectionFrames = true};
}

void placeGrid(AlbumTable& table, std::uint64_t viewId, const CellRects& cells)
{
    editWindowRecords(table, viewId, [&](AlbumRecord& rec) {
        rec.cells = cells;
        rec.layoutComputed = 1;
        rec.focusRect = cellRect(rec, rec.focusIndex);
    });
}

ViewChange setGridSide(AlbumTable& table, GridSide side, int n)
{
    const AlbumRecord& w = table.working;
    const int columns = side == GridSide::Columns ? n : w.columns;
    const int rows = side == GridSide::Rows ? n : w.rows;
    return setGridShape(table, w.viewId, columns, rows);
}

ViewChange setGridShape(AlbumTable& table, std::uint64_t viewId, int columns, int rows)
{
    // The active window's working copy is the freshest record: reshape it
    // and copy it into the slot, so a slot that lagged behind cannot differ.
    if (table.working.viewId == viewId && viewId != 0) {
        reshape(table.working, columns, rows);
        mirrorToActiveSlot(table);
    } else {
        editWindowRecords(table, viewId, [&](AlbumRecord& rec) { reshape(rec, columns, rows); });
    }
    return {.repaint = true, .refillPages = true};
}

std::optional<ViewChange> movePage(AlbumTable& table, SelectionBlock& selection, PageMove move)
{
    AlbumRecord& w = table.working;
    const std::optional<int> page = navigatePage(w.currentPage, w.imageCount, w.columns, w.rows, move);
    if (!page)
        return std::nullopt;
    w.currentPage = *page;
    focusCell(w, 0);
    mirrorToActiveSlot(table);
    selectFirstOfPage(w, selection);
    return ViewChange{.repaint = true, .refillPages = true, .refreshInfoBar = true};
}

ViewChange choosePage(AlbumTable& table, SelectionBlock& selection, int page)
{
    AlbumRecord& w = table.working;
    w.currentPage = std::clamp(page, 0, pageCount(w.imageCount, cellsPerPage(w)) - 1);
    // The focus cell is kept; on a short last page it falls back onto the last image.
    settleTarget(w, selection);
    mirrorToActiveSlot(table);
    return {.repaint = true, .refreshInfoBar = true};
}

ViewChange afterAppend(AlbumTable& table, SelectionBlock& selection)
{
    AlbumRecord& w = table.working;
    if (!w.hasFocus) {
        focusCell(w, 0);
        selection.clipboardFilled = false;
    }
    settleTarget(w, selection);
    mirrorToActiveSlot(table);
    return {.repaint = true, .refillPages = true, .refreshInfoBar = true};
}

ViewChange afterDrop(AlbumTable& table, SelectionBlock& selection, int landed)
{
    AlbumRecord& w = table.working;
    clearSelectionBlock(selection);
    settleTarget(w, selection, landed);
    mirrorToActiveSlot(table);
    return {.repaint = true, .refillPages = true, .refreshInfoBar = true};
}

} // namespace pictra
