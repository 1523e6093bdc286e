// Repointing the installed sample album at the installed pictures.
#include "core/setup/sample_album.h"

#include "core/album/album_file.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

namespace pictra {

// A sample album holds a few small pictures; anything larger is not ours.
constexpr std::size_t kMaxSampleAlbumBytes = 256u << 20;

Result<int> repointSamplePictures(const std::string& albumPath, const std::string& imageFolder)
{
    Result<std::vector<std::uint8_t>> bytes = readFile(albumPath, kMaxSampleAlbumBytes);
    if (!bytes)
        return bytes.status();
    Result<AlbumFileContents> album = parseAlbumFile(*bytes);
    if (!album)
        return album.status();

    int changed = 0;
    for (ImageEntry& entry : album->entries) {
        const std::string installed = joinPath(imageFolder, fileNamePart(fieldText(entry.path)));
        if (installed == fieldText(entry.path) || installed.size() >= kPathBytes || !fileExists(installed))
            continue;
        (void)setFieldText(entry.path, installed); // cannot cut: the length was checked above
        ++changed;
    }
    if (changed == 0)
        return 0;

    const Status written = writeFileAtomic(albumPath, albumFileBytes(album->entries, album->storeCopies));
    if (written != Status::Ok)
        return written;
    return changed;
}

} // namespace pictra
