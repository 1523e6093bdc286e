// Cut, copy, paste and delete in an album window: the core edits the
// working copy, this applies the result to the window (slot, page list,
// information bar, repaint), asks the delete question and carries the store
// copies along when images are pasted into another album.
#pragma once

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumWindowHost;
class CChildFrame;

// Runs cut, copy, paste or delete on `frame`'s album, which must be the
// current one. False for other commands.
bool runClipboardCommand(AppState& state, AlbumWindowHost& host, CChildFrame& frame, int id);

} // namespace pictra::ui
