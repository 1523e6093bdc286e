// Window records and page positions of selected and focused images.
#include "core/album/window_records.h"

#include "core/album/page_arithmetic.h"

#include <algorithm>

namespace pictra {

const AlbumRecord* windowRecord(const AlbumTable& table, std::uint64_t viewId)
{
    if (viewId == 0)
        return nullptr;
    if (table.working.viewId == viewId)
        return &table.working;
    const int slot = findSlot(table, viewId);
    return slot < 0 ? nullptr : &table.windowSlots[static_cast<std::size_t>(slot)];
}

int indexOfStamp(const AlbumRecord& album, std::int32_t stamp)
{
    const int count = std::clamp(album.imageCount, 0, kMaxAlbumImages);
    for (int i = 0; i < count; ++i) {
        if (album.images[static_cast<std::size_t>(i)].stamp == stamp)
            return i;
    }
    return -1;
}

int focusedImage(const AlbumRecord& album)
{
    const int index = album.currentPage * cellsPerPage(album.columns, album.rows) + album.focusIndex;
    if (!album.hasFocus || index < 0 || index >= album.imageCount || index >= kMaxAlbumImages)
        return -1;
    return index;
}

std::vector<int> selectedCells(const AlbumRecord& album, const SelectionBlock& selection)
{
    const int cells = cellsPerPage(album.columns, album.rows);
    const int first = album.currentPage * cells;
    std::vector<int> result;
    for (const ImageEntry& entry : selection.selection) {
        const int index = indexOfStamp(album, entry.stamp);
        if (index >= first && index < first + cells)
            result.push_back(index - first);
    }
    return result;
}

} // namespace pictra
