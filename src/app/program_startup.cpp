// Program folder and settings at start.
#include "app/program_startup.h"

#include "core/platform/program_folder.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_sanitize.h"
#include "core/startup/program_folder_setup.h"

namespace pictra {

Status prepareProgramFolder(AppState& state)
{
    state.settings = defaultWorkModeSettings();
    auto folder = resolveProgramFolder(state.registry);
    if (!folder)
        return folder.status();
    state.programFolder = *folder;
    const Status ensured = ensureProgramFolder(state.programFolder);
    auto stored = loadSettings(state.programFolder);
    if (stored)
        state.settings = sanitizeSettings(*stored);
    return ensured != Status::Ok ? ensured : stored.status();
}

} // namespace pictra
