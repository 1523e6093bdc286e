// The slide show on screen: one step of the running show on each timeout of
// the host's slide timer, and the commands that start, turn, pause and end it.
#pragma once

#include "core/album/slide_show.h"

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumWindowHost;

// One timer tick: shows the next image of the owner album in the slide window
// and restarts the timer with the slide interval. Does nothing unless a show
// runs forward or backward; ends the show when its owner window is gone.
void slideShowTick(AppState& state, AlbumWindowHost& host);

// Carries out a slide-show command for the current album window.
void runSlideCommand(AppState& state, AlbumWindowHost& host, SlideCommand command);

} // namespace pictra::ui
