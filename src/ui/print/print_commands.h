// The print commands of an album window: the dialog runs modally on the
// current window's record with a running slide show paused meanwhile.
#pragma once

class QWidget;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumWindowHost;

// "通常" (Ctrl+P): CNormalPrintDlg on the working copy.
void runNormalPrint(AppState& state, AlbumWindowHost& host, QWidget* parent);
// "ポスター": CPosterPrintDlg on the working copy.
void runPosterPrint(AppState& state, AlbumWindowHost& host, QWidget* parent);
// "DTP": CDtpPrintDlg on the working copy.
void runDtpPrint(AppState& state, AlbumWindowHost& host, QWidget* parent);

} // namespace pictra::ui
