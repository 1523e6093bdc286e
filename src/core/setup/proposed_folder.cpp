// Proposing the installation folder.
#include "core/setup/proposed_folder.h"

#include "core/setup/install_manifest.h"
#include "core/setup/installation.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"

namespace pictra {

std::string proposedInstallFolder(const RegistryStore& registry, const std::string& fallback)
{
    // A folder the program was pointed at by hand, or one left empty by an
    // uninstall, has no record: the default is as good a proposal.
    const std::optional<std::string> folder = registry.readString(kPictraRegistryKey, kProgramFolderValue);
    if (!folder || folder->empty() || folder->front() != '/' || !fileExists(joinPath(*folder, kManifestName)))
        return fallback;
    return *folder;
}

} // namespace pictra
