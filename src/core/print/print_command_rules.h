// What the print commands do around their dialogs: the album image a dialog
// opens with, and keeping a running slide show paused while it is open.
#pragma once

#include "core/album/album_record.h"
#include "core/album/slide_show.h"

namespace pictra {

// The image a print dialog starts with: the focused image of an album window,
// the one picture of a single-image or slide window; -1 when there is none.
int printOpeningImage(const AlbumRecord& album);

struct SlidePause {
    SlideState before = SlideState::None;
    bool paused = false; // true when this pause stopped a running show
};

// Pauses a show that runs forward or reverse; any other state stays as it is.
SlidePause pauseSlideShow(SlideShowState& show);
// Puts back the state of before the pause, unless the show was ended or
// changed meanwhile.
void resumeSlideShow(SlideShowState& show, const SlidePause& pause);

} // namespace pictra
