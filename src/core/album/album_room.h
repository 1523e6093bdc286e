// How many of the images offered to an album fit before it holds
// kMaxAlbumImages. Every path that adds images cuts its list here first, so
// nothing (no store copy either) is made for an image that is left out.
#pragma once

#include <cstddef>

namespace pictra {

struct RoomCut {
    std::size_t kept = 0;    // the first `kept` offered images fit
    std::size_t leftOut = 0; // the rest do not
};

// `offered` new images for an album that holds `imageCount` (a count out of
// 0..kMaxAlbumImages is taken as the nearer end of that range).
RoomCut cutToRoom(int imageCount, std::size_t offered);

} // namespace pictra
