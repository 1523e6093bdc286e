// Removing an installation: exactly what its record lists. A file the user
// changed since it was installed (an edited sample album, changed settings)
// stays, and so does every file the record does not name.
#pragma once

#include "core/platform/registry_store.h"
#include "core/setup/desktop_places.h"
#include "core/util/result.h"

#include <string>
#include <vector>

namespace pictra {

struct UninstallReport {
    int filesRemoved = 0;
    std::vector<std::string> keptChanged; // files changed since installation, left in place
    std::vector<std::string> failed;      // files that could not be removed
};

// Reads the record in `installFolder` and removes what it lists, the menu
// entries, the file type and thumbnailer, the default association (when it
// is still ours) and the program-folder value (when it still names this
// folder). NotFound when the folder holds no record; Corrupt when the record
// cannot be read (then nothing is removed).
Result<UninstallReport> uninstallPictra(const std::string& installFolder, const DesktopPlaces& places,
                                        RegistryStore& registry);

// Removes the folders an installation made (`folders` in the order made),
// innermost first, each only when nothing is left in it but the indexes
// update-mime-database and update-desktop-database derived from files
// since removed. A folder holding anyone's file stays.
void removeMadeFolders(const std::vector<std::string>& folders, const DesktopPlaces& places);

} // namespace pictra
