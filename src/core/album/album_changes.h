// Whether an album holds changes its file does not have yet. Every edit of
// an album's entries, texts, order, store copies or saved fields goes through
// markAlbumChanged; a successful save or a discard clears the mark. The mark
// travels with the record, so the working copy and its window slot agree.
#pragma once

#include "core/album/album_record.h"
#include "core/album/album_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra {

// Marks `album` changed and raises its change serial (watchers such as the
// recovery writer compare serials to see a new change).
void markAlbumChanged(AlbumRecord& album);
// Clears the mark after the album was saved to its file or its changes were
// discarded; the serial stays, so it never repeats within a run.
void markAlbumSaved(AlbumRecord& album);
bool albumChanged(const AlbumRecord& album);

// The same for the window with view `viewId`: its slot and, while it is the
// active window, the working copy. Nothing for an unknown view or a window
// that is not an album (single-image and slide windows are never saved).
void markWindowChanged(AlbumTable& table, std::uint64_t viewId);
void markWindowSaved(AlbumTable& table, std::uint64_t viewId);

// Views of the open album windows that hold unsaved changes, in opening order
// (each window's freshest record decides).
std::vector<std::uint64_t> changedAlbumWindows(const AlbumTable& table);

// The title of an album window: the file name ("サンプル.abm"), followed by
// " *" while the album holds unsaved changes. Windows of the other kinds show
// their file name only.
std::string albumWindowTitle(const AlbumRecord& album);

} // namespace pictra
