// Creation and clearing of the album table.
#include "core/album/album_table.h"

namespace pictra {

std::unique_ptr<AlbumTable> makeAlbumTable() { return std::make_unique<AlbumTable>(); }

void clearAlbumTable(AlbumTable& table)
{
    table.openCount = 0;
    resetAlbumRecord(table.working);
    for (auto& slot : table.windowSlots)
        resetAlbumRecord(slot);
}

} // namespace pictra
