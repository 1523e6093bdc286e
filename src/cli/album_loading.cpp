#include "album_loading.h"

#include "cli_context.h"
#include "core/util/file_io.h"

namespace pictra::cli {

Result<std::unique_ptr<LoadedAlbum>> loadAlbum(const std::string& path)
{
    auto album = std::make_unique<LoadedAlbum>();
    auto bytes = readFile(path);
    if (!bytes) {
        printError("cannot read " + path + ": " + std::string(statusText(bytes.status())));
        return bytes.status();
    }
    album->bytes = std::move(*bytes);
    auto contents = parseAlbumFile(album->bytes);
    if (!contents) {
        printError(path + " is not a readable album: " + std::string(statusText(contents.status())));
        return contents.status();
    }
    album->contents = std::move(*contents);
    return album;
}

} // namespace pictra::cli
