// Creation and clearing of the album table.
#include "core/album/album_table.h"

namespace pictra {

std::unique_ptr<AlbumTable> makeAlbumTable() { return std::make_unique<AlbumTable>(); }

int findSlot(const AlbumTable& table, std::uint64_t viewId)
{
    if (viewId == 0)
        return -1;
    for (int i = 0; i < table.openCount && i < kMaxAlbumWindows; ++i) {
        if (table.windowSlots[static_cast<std::size_t>(i)].viewId == viewId)
            return i;
    }
    return -1;
}

AlbumRecord* activeSlot(AlbumTable& table)
{
    const int slot = findSlot(table, table.working.viewId);
    return slot < 0 ? nullptr : &table.windowSlots[static_cast<std::size_t>(slot)];
}

void mirrorToActiveSlot(AlbumTable& table)
{
    if (AlbumRecord* slot = activeSlot(table))
        *slot = table.working;
}

void clearAlbumTable(AlbumTable& table)
{
    table.openCount = 0;
    resetAlbumRecord(table.working);
    for (auto& slot : table.windowSlots)
        resetAlbumRecord(slot);
}

} // namespace pictra
