// Single-image and slide windows.
#include "ui/albumwindow/special_window.h"

#include "app/app_state.h"
#include "core/album/window_slots.h"
#include "ui/albumwindow/c_child_frame.h"

namespace pictra::ui {

CChildFrame* openSpecialWindow(AppState& state, AlbumWindowHost& host, AlbumKind kind, const ImageEntry& entry)
{
    if (!prepareImageWindow(*state.albums, kind, entry))
        return nullptr;
    return new CChildFrame(state, host, kind);
}

} // namespace pictra::ui
