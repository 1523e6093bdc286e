// Store copies are named after the BaseName of their source, so two entries
// whose different source files share a BaseName ("a/IMG_1.jpg",
// "b/IMG_1.jpg") share one store copy and one of them shows the other's
// picture. This finds such entries so the window can warn.
#pragma once

#include "core/album/image_entry.h"

#include <span>
#include <vector>

namespace pictra {

// Indices (ascending) of the entries whose BaseName equals that of an entry
// with a different path. Entries with the same path do not count: they are
// the same picture.
std::vector<int> entriesSharingStoreCopy(std::span<const ImageEntry> entries);

} // namespace pictra
