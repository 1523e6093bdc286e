// Whether an album holds changes its file does not have yet. Every edit of
// an album's entries, texts, order, store copies or saved fields goes through
// markAlbumChanged; a successful save or a discard clears the mark. The mark
// travels with the record, so the working copy and its window slot agree.
#pragma once

#include "core/album/album_record.h"

namespace pictra {

// Marks `album` changed and raises its change serial (watchers such as the
// recovery writer compare serials to see a new change).
void markAlbumChanged(AlbumRecord& album);
// Clears the mark after the album was saved to its file or its changes were
// discarded; the serial stays, so it never repeats within a run.
void markAlbumSaved(AlbumRecord& album);
bool albumChanged(const AlbumRecord& album);

} // namespace pictra
