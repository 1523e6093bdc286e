// Single-image and slide windows.
#include "ui/albumwindow/special_window.h"

#include "app/app_state.h"
#include "ui/albumwindow/c_child_frame.h"

namespace pictra::ui {

CChildFrame* openSpecialWindow(AppState& state, AlbumWindowHost& host, AlbumKind kind, const ImageEntry& entry)
{
    AlbumTable& table = *state.albums;
    if (table.openCount >= kMaxAlbumWindows)
        return nullptr;
    mirrorToActiveSlot(table);
    // The new window remembers the slot of the album it came from.
    const int source = findSlot(table, table.working.viewId);
    AlbumRecord& slot = table.windowSlots[static_cast<std::size_t>(table.openCount)];
    resetAlbumRecord(slot);
    slot.kind = kind;
    slot.path = entry.path;
    slot.columns = 1;
    slot.rows = 1;
    slot.currentPage = source;
    slot.imageCount = 1;
    slot.images[0] = entry;
    table.working = slot;
    return new CChildFrame(state, host, kind);
}

} // namespace pictra::ui
