// Finding and editing a window's album record: the working copy while the
// window is the active one, its slot in the table always; and where the
// selected and focused images sit on a record's page.
#pragma once

#include "core/album/album_table.h"
#include "core/album/selection_block.h"

#include <cstdint>
#include <vector>

namespace pictra {

// The freshest record of the window with view `viewId`: the working copy
// when that window is active, else its slot; nullptr when it has none.
const AlbumRecord* windowRecord(const AlbumTable& table, std::uint64_t viewId);

// Applies `edit` to the window's slot and, while the window is active, to
// the working copy too, so both stay the same.
template <typename Edit>
void editWindowRecords(AlbumTable& table, std::uint64_t viewId, Edit edit)
{
    const int slot = findSlot(table, viewId);
    if (slot >= 0)
        edit(table.windowSlots[static_cast<std::size_t>(slot)]);
    if (table.working.viewId == viewId && viewId != 0)
        edit(table.working);
}

// The album position of the entry with `stamp`, or -1.
int indexOfStamp(const AlbumRecord& album, std::int32_t stamp);

// The album position of the focused image, or -1 without a focus or when
// the focus cell is past the last image.
int focusedImage(const AlbumRecord& album);

// The cells of the current page that hold a selected image, in selection order.
std::vector<int> selectedCells(const AlbumRecord& album, const SelectionBlock& selection);

} // namespace pictra
