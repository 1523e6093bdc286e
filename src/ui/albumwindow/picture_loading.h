// Loading a picture into the program's shared image record, the one picture
// the information bar, the slide window and the single-image window show.
#pragma once

#include "core/util/result.h"

#include <string>

namespace pictra {
struct AlbumRecord;
struct AppState;
struct ImageRecord;
}

namespace pictra::ui {

// The shared record, its buffers made on first use from the image-buffer setting.
ImageRecord& sharedRecord(AppState& state);

// Loads `path` (by extension) into the shared record. False when nothing
// was loaded (the record's headers are then clear); failures are silent.
// A damaged file's readable part counts as loaded.
bool loadShared(AppState& state, const std::string& path);
// The same, saying why nothing was loaded (NotFound for an empty path).
Status loadSharedStatus(AppState& state, const std::string& path);

// The file album image `index` is drawn from in a cell of `album`'s page
// (store copy or the image's own file), "" for none.
std::string cellPictureFor(const AppState& state, const AlbumRecord& album, int index);
// The same for the focused image.
std::string focusedPicturePath(const AppState& state, const AlbumRecord& album);

} // namespace pictra::ui
