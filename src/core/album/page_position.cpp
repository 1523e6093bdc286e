// Page positions of a record.
#include "core/album/page_position.h"

#include "core/album/page_arithmetic.h"
#include "core/album/window_records.h"

#include <algorithm>

namespace pictra {

int cellsPerPage(const AlbumRecord& album) { return cellsPerPage(album.columns, album.rows); }

int pageStart(const AlbumRecord& album) { return std::max(album.currentPage, 0) * cellsPerPage(album); }

int commandImage(const AlbumRecord& album)
{
    if (album.kind == AlbumKind::Album)
        return focusedImage(album);
    return album.imageCount > 0 ? 0 : -1;
}

} // namespace pictra
