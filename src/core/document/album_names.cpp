// Untitled album names and store-folder clashes.
#include "core/document/album_names.h"

#include "core/util/paths.h"
#include "core/util/program_subfolders.h"

namespace pictra {

std::string untitledAlbumPath(std::string_view programFolder, int openCount,
                              std::span<const std::string> openPaths)
{
    const std::string user = joinPath(programFolder, kUserFolder);
    for (int n = openCount + 1;; ++n) {
        std::string candidate = joinPath(user, std::string(kUntitledPrefix) + "-" + std::to_string(n) + ".abm");
        // The same base name means the same store folder, and the same path too.
        if (!sharesStoreFolder(candidate, openPaths))
            return candidate;
    }
}

bool sharesStoreFolder(std::string_view path, std::span<const std::string> otherPaths)
{
    const std::string base = BaseName(path);
    for (const std::string& other : otherPaths) {
        if (BaseName(other) == base)
            return true;
    }
    return false;
}

bool isUntitledAlbum(std::string_view path)
{
    return path.empty() || BaseName(path).starts_with(kUntitledPrefix);
}

} // namespace pictra
