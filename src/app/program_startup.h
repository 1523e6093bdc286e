// The first steps of start-up: find the program folder, make sure its tree
// and shipped parameter files exist, and load the settings.
#pragma once

#include "core/app/app_state.h"
#include "core/util/result.h"

#include <string>

namespace pictra {

// Sets state.programFolder (from the registry value "_dir", else the
// per-user data folder), creates what is missing there, and loads
// PARAM/wrk_mode.dat into state.settings with unusable values replaced by
// defaults (the file itself is not rewritten; an unreadable one leaves the
// defaults). Not Ok when the folder cannot be found or set up: the program
// cannot run without it.
Status prepareProgramFolder(AppState& state);

// The same for a folder given: the distribution folder is prepared this way,
// so its sample data is made with the settings a first start has.
Status prepareProgramFolderAt(AppState& state, const std::string& folder);

} // namespace pictra
