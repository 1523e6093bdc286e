// What closing a window leaves behind: its slot leaves the album table, an
// album's store folder is deleted, a single-image window's work file goes.
#pragma once

#include "core/album/album_table.h"
#include "core/util/result.h"

#include <string>
#include <string_view>

namespace pictra {

// Removes slot `index`: later slots move down by one, the freed last slot is
// cleared and the open count drops by one. When the last window goes, the
// whole table (working copy included) is cleared.
void removeWindowSlot(AlbumTable& table, int index);

// Deletes the "*.jpg" files of the album's store folder, then the folder.
// Ok when the folder is gone afterwards (also when it never existed);
// IoError when something stays.
Status deleteStoreFolder(std::string_view programFolder, std::string_view albumPath);

} // namespace pictra
