// Removing what an installation made.
#include "core/setup/uninstall.h"

#include "core/setup/install_manifest.h"
#include "core/setup/installation.h"
#include "core/setup/mime_apps.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"

#include <filesystem>
#include <system_error>

namespace pictra {

namespace fs = std::filesystem;

Result<UninstallReport> uninstallPictra(const std::string& installFolder, const DesktopPlaces& places,
                                        RegistryStore& registry)
{
    const std::string recordPath = joinPath(installFolder, kManifestName);
    Result<std::vector<std::uint8_t>> bytes = readFile(recordPath, kMaxManifestBytes);
    if (!bytes)
        return bytes.status() == Status::NotFound ? Status::NotFound : bytes.status();
    Result<InstallManifest> manifest = parseManifest(std::string(bytes->begin(), bytes->end()));
    if (!manifest)
        return Status::Corrupt;

    UninstallReport report;
    for (const ManifestFile& file : manifest->files) {
        Result<ManifestFile> now = describeFile(file.path);
        if (!now)
            continue; // already gone
        if (now->size != file.size || now->mtimeNs != file.mtimeNs) {
            report.keptChanged.push_back(file.path);
            continue;
        }
        std::error_code ec;
        if (fs::remove(file.path, ec))
            ++report.filesRemoved;
        else
            report.failed.push_back(file.path);
    }
    for (const ManifestDefault& d : manifest->defaults) {
        if (Result<std::vector<std::uint8_t>> text = readFile(d.mimeAppsPath, kMaxManifestBytes)) {
            const std::string old(text->begin(), text->end());
            const std::string changed = withoutDefaultApplication(old, d.mimeType, d.desktopId);
            if (changed != old && writeFileAtomic(d.mimeAppsPath, {reinterpret_cast<const std::uint8_t*>(changed.data()),
                                                                    changed.size()}) != Status::Ok)
                report.failed.push_back(d.mimeAppsPath);
        }
    }
    for (const ManifestRegistry& r : manifest->registry) {
        const std::optional<std::string> now = registry.readString(kPictraRegistryKey, r.name);
        if (!now || *now != installFolder)
            continue; // set to another folder since: not ours any more
        const Status s = r.hadPrevious ? registry.writeString(kPictraRegistryKey, r.name, r.previous)
                                       : registry.deleteValue(kPictraRegistryKey, r.name);
        if (s != Status::Ok)
            report.failed.push_back(registry.filePath());
    }
    // The program-folder value is also written by a reinstall into the same
    // folder without a record of the value before: it names this folder.
    if (manifest->registry.empty() && registry.readString(kPictraRegistryKey, kProgramFolderValue) == installFolder)
        if (registry.deleteValue(kPictraRegistryKey, kProgramFolderValue) != Status::Ok)
            report.failed.push_back(registry.filePath());

    (void)runTool({"update-mime-database", places.mimeRoot()}); // a stale cache only delays the change
    (void)runTool({"update-desktop-database", "-q", places.applications()}); // as above

    std::error_code ec;
    fs::remove(recordPath, ec);
    for (auto it = manifest->folders.rbegin(); it != manifest->folders.rend(); ++it)
        fs::remove(*it, ec); // only empty folders go: the user's albums keep theirs
    return report;
}

} // namespace pictra
