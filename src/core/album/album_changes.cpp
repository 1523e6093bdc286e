// The changed mark of an album record.
#include "core/album/album_changes.h"

namespace pictra {

void markAlbumChanged(AlbumRecord& album)
{
    album.changed = 1;
    ++album.changeSerial;
}

void markAlbumSaved(AlbumRecord& album)
{
    album.changed = 0;
}

bool albumChanged(const AlbumRecord& album)
{
    return album.changed != 0;
}

} // namespace pictra
