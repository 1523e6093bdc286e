// The slide show on screen.
#include "ui/albumwindow/slide_show_runner.h"

#include "app/app_state.h"
#include "ui/albumwindow/album_window_host.h"

namespace pictra::ui {

void slideShowTick(AppState&, AlbumWindowHost&) {}

void runSlideCommand(AppState&, AlbumWindowHost&, SlideCommand) {}

} // namespace pictra::ui
