// Choice of the file a thumbnail cell shows.
#include "core/album/cell_picture.h"

#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

namespace pictra {

std::string imageFilePath(const ImageEntry& entry) { return storedPathToUtf8(fieldText(entry.path)); }

std::string albumFilePath(const AlbumRecord& album) { return storedPathToUtf8(fieldText(album.path)); }

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
