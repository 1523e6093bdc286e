// Images dragged into another album bring their store copies along, so the
// target album can show and save them like its own.
#pragma once

#include "core/album/image_entry.h"

#include <span>
#include <string_view>

namespace pictra {

// Copies the store copy of every entry from the source album's store folder
// to the target's (made when missing), leaving copies already there alone.
// Missing source copies are skipped; nothing is reported.
void copyStoreCopies(std::string_view programFolder, std::string_view fromAlbum, std::string_view toAlbum,
                     std::span<const ImageEntry> entries);

} // namespace pictra
