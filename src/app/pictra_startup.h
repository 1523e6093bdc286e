// Start-up of the program, in order: removal of a superseded installation,
// program folder and settings, a cleared album table, the main window, the
// start-up picture, the recent albums, the albums restored from recovery
// copies (and the recovery copies kept from then on), the album named on the command line
// (or a first window, unless albums were restored), and the albums that were open at the last exit.
#pragma once

#include "ui/mainframe/splash.h"

#include <memory>
#include <optional>
#include <string>

namespace pictra {

struct AppState;

namespace ui {
class CMainFrame;
class UserPrompts;
}

struct StartOptions {
    int splashMs = ui::kSplashMs;
    std::optional<std::string> album; // an album named on the command line
    ui::UserPrompts* prompts = nullptr; // nullptr: the real dialogs
    std::string programDir;             // where the program (and its manual) is
};

// Runs the start-up; the returned window is shown. Null when the program
// folder could not be prepared: the user was told and the program must end.
std::unique_ptr<ui::CMainFrame> startPictra(AppState& state, const StartOptions& options);

} // namespace pictra
