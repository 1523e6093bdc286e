// Program folder resolution and first-start set-up.
#include "core/platform/program_folder.h"

#include "core/platform/program_paths.h"
#include "core/settings/last_used_folder.h"
#include "core/settings/recent_album_list.h"
#include "core/settings/settings_file.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <array>
#include <cstdlib>

namespace pictra {
namespace {

// "/a/b//" -> "/a/b"; "/" stays "/".
std::string withoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool usableFolder(const std::string& path) { return !path.empty() && path.front() == '/' && path != "/"; }

Status writeIfMissing(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    return fileExists(path) ? Status::Ok : writeFileAtomic(path, bytes);
}

} // namespace

FolderEnvironment currentFolderEnvironment()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    return {data ? data : "", home ? home : ""};
}

Result<std::string> programFolderFrom(const std::optional<std::string>& dirValue, const FolderEnvironment& env)
{
    if (dirValue) {
        std::string dir = withoutTrailingSlash(*dirValue);
        if (usableFolder(dir))
            return dir;
    }
    // A relative $XDG_DATA_HOME is invalid and ignored.
    std::string data = withoutTrailingSlash(env.xdgDataHome);
    if (!usableFolder(data)) {
        const std::string home = withoutTrailingSlash(env.home);
        if (!usableFolder(home))
            return Status::NotFound;
        data = joinPath(home, ".local/share");
    }
    return joinPath(data, "pictra");
}

Result<std::string> resolveProgramFolder(const RegistryStore& registry)
{
    return programFolderFrom(registry.readString(kPictraRegistryKey, "_dir"), currentFolderEnvironment());
}

Status ensureProgramFolder(const std::string& folder)
{
    const std::array<std::string_view, 5> subfolders{kParamFolder, kTempFolder, kUserFolder, kStoreRootFolder,
                                                     kImageFolder};
    for (const std::string_view sub : subfolders) {
        if (!makeFolders(joinPath(folder, sub)))
            return Status::NoPermission;
    }
    Status status = writeIfMissing(paramFilePath(folder, kWorkModeFile), encodeSettings(defaultWorkModeSettings()));
    if (status == Status::Ok)
        status = writeIfMissing(paramFilePath(folder, kRecentListFile), encodeRecentAlbumList(RecentAlbumList{}));
    if (status == Status::Ok) {
        LastUsedFolder folders;
        setFieldText(folders.albumFolder, joinPath(folder, kUserFolder) + "/");
        setFieldText(folders.imageFolder, joinPath(folder, kImageFolder) + "/");
        status = writeIfMissing(paramFilePath(folder, kLastFolderFile), encodeLastUsedFolder(folders));
    }
    return status;
}

} // namespace pictra
