// Taking the album the installer left for the first start.
#include "core/startup/first_album.h"

#include "core/util/file_io.h"

namespace pictra {

std::optional<std::string> takeFirstAlbum(RegistryStore& registry)
{
    std::optional<std::string> album = registry.readString(kPictraRegistryKey, kFirstAlbumValue);
    if (!album)
        return std::nullopt;
    // Left behind, it would only open the album again at the next start.
    (void)registry.deleteValue(kPictraRegistryKey, kFirstAlbumValue);
    if (album->empty() || album->front() != '/' || !fileExists(*album))
        return std::nullopt;
    return album;
}

} // namespace pictra
