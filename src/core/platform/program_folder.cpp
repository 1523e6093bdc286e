// Program folder resolution.
#include "core/platform/program_folder.h"

#include "core/util/paths.h"

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

} // namespace pictra
