// The album's room for new images.
#include "core/album/album_room.h"

#include "core/album/image_entry.h"

#include <algorithm>

namespace pictra {

RoomCut cutToRoom(int imageCount, std::size_t offered)
{
    const auto room = static_cast<std::size_t>(kMaxAlbumImages - std::clamp(imageCount, 0, kMaxAlbumImages));
    const std::size_t kept = std::min(room, offered);
    return {kept, offered - kept};
}

} // namespace pictra
