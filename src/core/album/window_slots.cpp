// Window slots of the album table.
#include "core/album/window_slots.h"

#include "core/album/command_target.h"
#include "core/album/page_arithmetic.h"
#include "core/album/window_records.h"
#include "core/util/fixed_text.h"

namespace pictra {

void startAlbumTable(AlbumTable& table, SelectionBlock& selection)
{
    clearSelectionBlock(selection);
    clearAlbumTable(table);
}

void presetGrid(AlbumTable& table, std::uint8_t columns, std::uint8_t rows)
{
    table.working.columns = columns;
    table.working.rows = rows;
    for (AlbumRecord& slot : table.windowSlots) {
        slot.columns = columns;
        slot.rows = rows;
    }
}

bool prepareNewAlbum(AlbumTable& table, std::string_view path, int columns, int rows)
{
    if (table.openCount >= kMaxAlbumWindows)
        return false;
    mirrorToActiveSlot(table);
    AlbumRecord& w = table.working;
    resetAlbumRecord(w);
    setFieldText(w.path, path);
    w.columns = static_cast<std::uint8_t>(clampGridSide(columns));
    w.rows = static_cast<std::uint8_t>(clampGridSide(rows));
    return true;
}

bool prepareImageWindow(AlbumTable& table, AlbumKind kind, const ImageEntry& shown)
{
    if (table.openCount >= kMaxAlbumWindows)
        return false;
    const ImageEntry entry = shown; // often one of the working copy's own entries, reset below
    mirrorToActiveSlot(table);
    const int source = findSlot(table, table.working.viewId);
    AlbumRecord& w = table.working;
    resetAlbumRecord(w);
    w.kind = kind;
    w.path = entry.path;
    w.columns = 1;
    w.rows = 1;
    w.currentPage = source;
    w.imageCount = 1;
    w.images[0] = entry;
    return true;
}

int openWindowSlot(AlbumTable& table, AlbumKind kind, std::uint64_t viewId)
{
    if (table.openCount >= kMaxAlbumWindows || viewId == 0)
        return -1;
    const int slot = table.openCount++;
    AlbumRecord& w = table.working;
    w.kind = kind;
    w.viewId = viewId;
    if (kind == AlbumKind::Album) {
        w.layoutComputed = 0;
        w.hasFocus = 0;
        w.focusIndex = 0;
        w.focusRect = {};
    }
    table.windowSlots[static_cast<std::size_t>(slot)] = w;
    return slot;
}

bool activateWindow(AlbumTable& table, SelectionBlock& selection, std::uint64_t viewId)
{
    const int slot = findSlot(table, viewId);
    if (slot < 0 || table.working.viewId == viewId)
        return false;
    mirrorToActiveSlot(table);
    table.working = table.windowSlots[static_cast<std::size_t>(slot)];
    AlbumRecord& w = table.working;
    if (w.kind != AlbumKind::Album)
        return true;
    // Edits made while the window was in the background (a tool's "追加")
    // may have moved its pictures: the frame goes to its target alone.
    clearSelection(selection);
    settleTarget(w, selection);
    mirrorToActiveSlot(table);
    return true;
}

std::uint64_t findWindow(const AlbumTable& table, AlbumKind kind, std::string_view path)
{
    for (int i = 0; i < table.openCount && i < kMaxAlbumWindows; ++i) {
        const AlbumRecord& slot = table.windowSlots[static_cast<std::size_t>(i)];
        if (slot.kind == kind && fieldText(slot.path) == path)
            return slot.viewId;
    }
    return 0;
}

void showSlideEntry(AlbumTable& table, std::uint64_t slideViewId, const ImageEntry& entry)
{
    editWindowRecords(table, slideViewId, [&](AlbumRecord& rec) { rec.images[0] = entry; });
}

void renameWorkingAlbum(AlbumTable& table, std::string_view path)
{
    editWindowRecords(table, table.working.viewId, [&](AlbumRecord& rec) { setFieldText(rec.path, path); });
}

} // namespace pictra
