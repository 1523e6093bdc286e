// The commands "検索" and "ファイルから検索": the temporary album for the
// album search, the search dialog, then opening or adding what it chose.
#pragma once

namespace pictra {
struct AppState;
}

class QWidget;

namespace pictra::ui {

class AlbumWindowHost;
class CChildFrame;

// `mode` is cmd::kSearch (the album of `albumFrame`, which must then be
// given) or cmd::kSearchFromFile. `albumFrame`: the active album window, or
// nullptr when the active window is no album window (nothing can be added).
void runSearchCommand(AppState& state, AlbumWindowHost& host, QWidget* parent, int mode, CChildFrame* albumFrame);

// Carries out what the dialog handed over (1 open, 2 add; anything else
// nothing): reads the result file and deletes it, then opens each path in
// its own single-image window or appends them to `albumFrame`'s album.
void applySearchResult(AppState& state, AlbumWindowHost& host, QWidget* parent, int handOver, CChildFrame* albumFrame);

} // namespace pictra::ui
