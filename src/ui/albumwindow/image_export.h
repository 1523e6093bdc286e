// Output of the focused image of the current album as a JPEG, BMP, TIFF,
// PSD, PCX, PNG or WebP file through a save dialog. The format follows the extension
// of the chosen name, whichever output command opened the dialog.
#pragma once

#include <string>

class QWidget;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumWindowHost;

// The folder the save dialog starts in.
std::string exportStartFolder(const AppState& state);

// Carries out output command `command` (cmd::kExportJpeg ... kExportWebp).
// Nothing without a focused image or when the dialog is cancelled; a
// failed save is reported to the user.
void exportFocusedImage(AppState& state, AlbumWindowHost& host, QWidget* parent, int command);

} // namespace pictra::ui
