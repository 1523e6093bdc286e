// Which folder the setup dialogs propose: a reinstall goes where the last
// installation is, not to the default folder.
#pragma once

#include "core/platform/registry_store.h"

#include <string>

namespace pictra {

// The folder the program-folder value names when it holds an installation
// record (pictra-setup installed there), else `fallback`.
std::string proposedInstallFolder(const RegistryStore& registry, const std::string& fallback);

} // namespace pictra
