// Where a record's page starts and which image its focus cell points at.
// The page view, the information bar, command enabling and painting all take
// their page size from here, so a grid side stored above 10 counts as 10
// everywhere.
#pragma once

#include "core/album/album_record.h"

namespace pictra {

// Cells on a page of the record's grid (sides limited to 1..10).
int cellsPerPage(const AlbumRecord& album);
// The album position of the first image of the current page.
int pageStart(const AlbumRecord& album);

// The image a command of the window acts on (export, print, delete, the
// information bar): the focused image of an album window, the one image of
// a single-image or slide window; -1 when there is none.
int commandImage(const AlbumRecord& album);

} // namespace pictra
