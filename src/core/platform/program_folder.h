// Finding the program folder: registry value "_dir", else the per-user data
// folder.
#pragma once

#include "core/platform/registry_store.h"
#include "core/util/result.h"

#include <optional>
#include <string>

namespace pictra {

struct FolderEnvironment {
    std::string xdgDataHome; // $XDG_DATA_HOME ("" when unset)
    std::string home;        // $HOME
};

FolderEnvironment currentFolderEnvironment();

// The program folder for a "_dir" value and an environment, without a
// trailing '/'. A "_dir" that is missing, relative (written on another
// platform) or names the filesystem root is not used; the fallback is
// $XDG_DATA_HOME/pictra, else $HOME/.local/share/pictra. NotFound when no
// usable folder can be named.
Result<std::string> programFolderFrom(const std::optional<std::string>& dirValue, const FolderEnvironment& env);

// programFolderFrom("_dir" of the store, the process environment).
Result<std::string> resolveProgramFolder(const RegistryStore& registry);

} // namespace pictra
