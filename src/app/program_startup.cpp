// Program folder and settings at start.
#include "app/program_startup.h"

#include "core/platform/program_folder.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_sanitize.h"
#include "core/startup/program_folder_setup.h"

namespace pictra {

Status prepareProgramFolder(AppState& state)
{
    auto folder = resolveProgramFolder(state.registry);
    if (!folder) {
        state.settings = defaultWorkModeSettings();
        return folder.status();
    }
    return prepareProgramFolderAt(state, *folder);
}

Status prepareProgramFolderAt(AppState& state, const std::string& folder)
{
    state.settings = defaultWorkModeSettings();
    state.programFolder = folder;
    const Status ensured = ensureProgramFolder(state.programFolder);
    if (ensured != Status::Ok)
        return ensured;
    // An unreadable settings file leaves the defaults in use; the next save rewrites it.
    if (auto stored = loadSettings(state.programFolder))
        state.settings = sanitizeSettings(*stored);
    return Status::Ok;
}

} // namespace pictra
