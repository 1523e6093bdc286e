// Running the options sheet and putting confirmed settings into force: the
// settings file, the shared image buffer, every album page and the slide timer.
#pragma once

#include "core/settings/work_mode_settings.h"

class QWidget;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumWindowHost;

// The command "オプション設定": the sheet, modal; on "OK" applyOptions.
void runOptionsSheet(AppState& state, AlbumWindowHost& host, QWidget* parent);

// Writes all 205 bytes of `edited` (atomically; a failure is told and the
// settings still take effect for this run), makes `edited` the settings and
// applies what changed: a new image buffer (when it cannot be had the old one
// stays, with its setting, and the user is told), the new layout in every
// album window with its slider, the slide timer's new period.
void applyOptions(AppState& state, AlbumWindowHost& host, const WorkModeSettings& edited, QWidget* parent);

} // namespace pictra::ui
