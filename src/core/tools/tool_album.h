// The album a single-image window's picture came from, for the tools that
// renew its store copy ("変更") or add the edited picture to it ("追加").
#pragma once

#include "core/album/album_table.h"

#include <string_view>

namespace pictra {

// The slot of the open album window that lists `picturePath`: the slot the
// single-image record remembers (its page field) when that one still does,
// else the first album window that does; -1 when none lists it (the window
// came from a search result, or the album was closed), so no store copy is
// renewed in an album the picture is not in.
int sourceAlbumSlot(const AlbumTable& table, int rememberedSlot, std::string_view picturePath);

} // namespace pictra
