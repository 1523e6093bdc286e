#include "core/print/print_command_rules.h"

#include "core/album/window_records.h"

namespace pictra {

int printOpeningImage(const AlbumRecord& album)
{
    if (album.kind == AlbumKind::Album)
        return focusedImage(album);
    return album.imageCount >= 1 ? 0 : -1;
}

SlidePause pauseSlideShow(SlideShowState& show)
{
    SlidePause pause{show.state, false};
    if (show.state == SlideState::Forward || show.state == SlideState::Reverse) {
        show.state = SlideState::Paused;
        pause.paused = true;
    }
    return pause;
}

void resumeSlideShow(SlideShowState& show, const SlidePause& pause)
{
    if (pause.paused && show.state == SlideState::Paused)
        show.state = pause.before;
}

} // namespace pictra
