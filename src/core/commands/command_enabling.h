// Which menu, toolbar and accelerator commands are available, as one pure
// function of the state of the active window. The ui applies the answer to
// every action; a disabled command is never carried out.
#pragma once

#include "core/album/album_record.h"
#include "core/album/slide_show.h"

#include <cstdint>

namespace pictra {

struct WindowState {
    int openWindows = 0;          // album windows of any kind that are open
    bool hasActiveWindow = false; // a window is active (the working copy belongs to it)
    AlbumKind kind = AlbumKind::Album;
    int imageCount = 0;           // images of the active window
    bool focus = false;           // the focus names an image (album), or the focus flag is set
    int pageStart = 0;            // columns × rows × current page
    SlideState slide = SlideState::None;
    bool clipboardFilled = false; // the image clipboard is marked filled and holds an image
};

// The window state as the album table describes it.
WindowState windowStateOf(const AlbumRecord& working, int openWindows, bool hasActiveWindow);

// True when command `id` may run. Commands the rules do not name are always
// available.
bool isCommandEnabled(int id, const WindowState& state);

} // namespace pictra
