// Settling the focus and the frames after an edit.
#include "core/album/command_target.h"

#include "core/album/page_arithmetic.h"
#include "core/album/page_position.h"
#include "core/album/window_records.h"

#include <algorithm>

namespace pictra {

int settleFocus(AlbumRecord& album, int preferred)
{
    if (album.kind != AlbumKind::Album)
        return -1;
    const int count = std::clamp(album.imageCount, 0, kMaxAlbumImages);
    if (count == 0) {
        album.hasFocus = 0;
        album.currentPage = 0;
        album.focusIndex = 0;
        album.focusRect = album.cells[0];
        return -1;
    }
    int index = preferred;
    if (index < 0 || index >= count) {
        const int cell = album.hasFocus ? std::clamp(album.focusIndex, 0, cellsPerPage(album) - 1) : 0;
        index = std::min(pageStart(album) + cell, count - 1);
    }
    const PageFocus at = focusForImage(index, album.columns, album.rows);
    album.hasFocus = 1;
    album.currentPage = at.page;
    album.focusIndex = at.cell;
    album.focusRect = album.cells[static_cast<std::size_t>(std::clamp(at.cell, 0, kMaxPageCells - 1))];
    return index;
}

int settleTarget(AlbumRecord& album, SelectionBlock& selection, int preferred)
{
    if (album.kind != AlbumKind::Album)
        return -1;
    const int target = settleFocus(album, preferred);
    std::erase_if(selection.selection,
                  [&](const ImageEntry& entry) { return indexOfStamp(album, entry.stamp) < 0; });
    if (target < 0) {
        clearSelection(selection);
        return -1;
    }
    const ImageEntry& focused = album.images[static_cast<std::size_t>(target)];
    if (!isSelected(selection, focused.stamp))
        selectOnly(selection, focused);
    return target;
}

std::vector<int> selectedPositions(const AlbumRecord& album, const SelectionBlock& selection)
{
    std::vector<int> positions;
    const int count = std::clamp(album.imageCount, 0, kMaxAlbumImages);
    for (int i = 0; i < count; ++i) {
        if (isSelected(selection, album.images[static_cast<std::size_t>(i)].stamp))
            positions.push_back(i);
    }
    if (positions.empty()) {
        if (const int focused = commandImage(album); focused >= 0 && focused < count)
            positions.push_back(focused);
    }
    return positions;
}

} // namespace pictra
