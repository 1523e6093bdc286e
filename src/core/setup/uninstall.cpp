// Removing what an installation made.
#include "core/setup/uninstall.h"

#include "core/setup/install_manifest.h"
#include "core/setup/installation.h"
#include "core/setup/mime_apps.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace pictra {
namespace {

namespace fs = std::filesystem;

// What update-mime-database writes beside packages/ from the packages in it.
constexpr std::array<std::string_view, 12> kMimeIndexes = {
    "XMLnamespaces", "aliases", "generic-icons", "globs", "globs2", "icons",
    "magic", "mime.cache", "subclasses", "treemagic", "types", "version",
};
// What update-desktop-database writes beside the entries.
constexpr std::string_view kDesktopIndex = "mimeinfo.cache";

bool onlyRegularFilesEndingXml(const fs::path& folder)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (!it->is_regular_file(ec) || it->path().extension() != ".xml")
            return false;
    return !ec;
}

// A database folder with no package left holds only what the tool derived
// from packages since gone: those files go, a file of anyone else stays.
void removeMimeDatabase(const std::string& mimeRoot, const std::string& mimePackages)
{
    std::error_code ec;
    if (fs::exists(mimePackages, ec) || ec)
        return; // other packages still feed the database
    for (std::string_view name : kMimeIndexes)
        fs::remove(fs::path(mimeRoot) / name, ec);
    for (fs::directory_iterator it(mimeRoot, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError) && onlyRegularFilesEndingXml(it->path()))
            fs::remove_all(it->path(), typeError); // one media type's generated descriptions
    }
}

// A value the installation wrote is still its own when it names the
// installation folder or a file in it.
bool namesFolder(const std::optional<std::string>& value, const std::string& folder)
{
    return value && (*value == folder || value->starts_with(folder + "/"));
}

} // namespace

void removeMadeFolders(const std::vector<std::string>& folders, const DesktopPlaces& places)
{
    std::error_code ec;
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
        if (*it == places.mimeRoot())
            removeMimeDatabase(places.mimeRoot(), places.mimePackages());
        if (*it == places.applications() && fs::is_regular_file(fs::path(*it) / kDesktopIndex, ec)) {
            const auto entries = std::distance(fs::directory_iterator(*it, ec), fs::directory_iterator());
            if (!ec && entries == 1)
                fs::remove(fs::path(*it) / kDesktopIndex, ec);
        }
        fs::remove(*it, ec); // only an empty folder goes: the user's albums keep theirs
    }
}

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
        if (!namesFolder(registry.readString(kPictraRegistryKey, r.name), installFolder))
            continue; // set to another folder since: not ours any more
        const Status s = r.hadPrevious ? registry.writeString(kPictraRegistryKey, r.name, r.previous)
                                       : registry.deleteValue(kPictraRegistryKey, r.name);
        if (s != Status::Ok)
            report.failed.push_back(registry.filePath());
    }
    // The program-folder value is also written by a reinstall into the same
    // folder without a record of the value before: it names this folder.
    const bool folderValueRecorded = std::any_of(manifest->registry.begin(), manifest->registry.end(),
                                                 [](const ManifestRegistry& r) { return r.name == kProgramFolderValue; });
    if (!folderValueRecorded && registry.readString(kPictraRegistryKey, kProgramFolderValue) == installFolder)
        if (registry.deleteValue(kPictraRegistryKey, kProgramFolderValue) != Status::Ok)
            report.failed.push_back(registry.filePath());

    (void)runTool({"update-mime-database", places.mimeRoot()}); // a stale cache only delays the change
    (void)runTool({"update-desktop-database", "-q", places.applications()}); // as above

    std::error_code ec;
    fs::remove(recordPath, ec);
    removeMadeFolders(manifest->folders, places);
    return report;
}

} // namespace pictra
