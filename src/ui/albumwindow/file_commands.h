// The album window's commands that work with image files: input from files
// (the insert dialog, then append), copy and move to another folder, and
// rename, and finding moved originals. In single-image and slide windows copy, move and rename act on
// the window's own picture.
#pragma once

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumWindowHost;
class CChildFrame;

// Runs 32788, 32798, 32799, 32800 or 32870 (元画像を探す) for `frame`, which must be current.
// False for other commands.
bool runFileCommand(AppState& state, AlbumWindowHost& host, CChildFrame& frame, int id);

} // namespace pictra::ui
