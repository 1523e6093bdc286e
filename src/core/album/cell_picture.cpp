// Choice of the file a thumbnail cell shows.
#include "core/album/cell_picture.h"

#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <algorithm>

namespace pictra {

std::string imageFilePath(const ImageEntry& entry) { return storedPathToUtf8(fieldText(entry.path)); }

std::string albumFilePath(const AlbumRecord& album) { return storedPathToUtf8(fieldText(album.path)); }

std::vector<std::string> imageFilePaths(const AlbumRecord& album, std::span<const int> indices)
{
    std::vector<std::string> paths;
    for (const int index : indices) {
        if (index >= 0 && index < std::min(album.imageCount, kMaxAlbumImages))
            paths.push_back(imageFilePath(album.images[static_cast<std::size_t>(index)]));
    }
    return paths;
}

std::string cellPicturePath(std::string_view programFolder, std::string_view albumPath, std::string_view imagePath,
                            int cellsPerPage, DisplayMethod method)
{
    if (imagePath.empty())
        return {};
    const std::string source(imagePath);
    if (cellsPerPage <= 1 || method == DisplayMethod::Quality)
        return source;
    if (!fileExists(source))
        return {};
    return storeCopyPath(programFolder, albumPath, imagePath);
}

} // namespace pictra
