// Resetting an album record in place.
#include "core/album/album_record.h"

#include <algorithm>

namespace pictra {

void resetAlbumRecord(AlbumRecord& r)
{
    r.path.fill('\0');
    r.kind = AlbumKind::Album;
    r.hasFocus = 0;
    r.focusIndex = 0;
    r.focusRect = {};
    r.zoom = {};
    r.currentPage = 0;
    r.viewId = 0;
    r.layoutComputed = 0;
    r.columns = 0;
    r.rows = 0;
    r.cells.fill(Rect{});
    r.imageCount = 0;
    std::fill(r.images.begin(), r.images.end(), ImageEntry{});
    r.changed = 0;
    r.changeSerial = 0;
}

} // namespace pictra
