// Opening the windows an album window starts itself: a single-image window
// showing one image, and the slide window of a slide show.
#pragma once

#include "core/album/album_record.h"

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumWindowHost;
class CChildFrame;

// Opens a window of `kind` (SingleImage or SlideShow) for `entry`: one
// column, one row, page 0, the entry as its only image and its path as the
// record's path. The new window becomes the active one. nullptr when ten
// windows are already open.
CChildFrame* openSpecialWindow(AppState& state, AlbumWindowHost& host, AlbumKind kind, const ImageEntry& entry);

} // namespace pictra::ui
