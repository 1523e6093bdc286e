// The album window's "ＴＷＡＩＮ" command: runs the scanner import dialog and
// opens or adds the images it hands over in TEMP/scan.dat.
#pragma once

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumWindowHost;
class CChildFrame;

// Runs CTwainDlg modally over `frame` (an album window) with the program's
// SANE scanners.
void runTwainImport(AppState& state, AlbumWindowHost& host, CChildFrame& frame);

// What the album window does with the dialog's result code: nothing for
// -1; else reads and deletes TEMP/scan.dat (nothing when it is missing) and
// opens each image in a single-image window (1) or appends them (2).
void applyTwainResult(AppState& state, AlbumWindowHost& host, CChildFrame& frame, int result);

} // namespace pictra::ui
