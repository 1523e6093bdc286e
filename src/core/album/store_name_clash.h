// Store copies are named by the BaseName of their source file, so two
// different files called IMG_1.jpg in two folders would share one copy.
// Every writer of a store copy asks here first whether another source path
// already owns the name, and refuses or asks instead of replacing that copy.
#pragma once

#include "core/album/image_entry.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

// True when the two paths differ but name the same store copy. The same
// path twice is one picture and shares its copy.
bool claimsSameStoreCopy(std::string_view a, std::string_view b);

// The source path other than `sourcePath` that owns the store copy
// `sourcePath` would be written to: an entry of the album (`album`, its live
// entries) or one of `pending` (paths about to join it, such as the earlier
// files of one insertion); nullopt when the name is free or already
// `sourcePath`'s own.
std::optional<std::string> storeNameOwner(std::span<const ImageEntry> album, std::span<const std::string> pending,
                                          std::string_view sourcePath);

// Entries brought from another album, split by whether their store-copy
// name is free in `target`: `kept` may join it, `clashing` (their source
// paths) would show another picture of the target under the same name.
struct StoreNameSplit {
    std::vector<ImageEntry> kept;
    std::vector<std::string> clashing;
};
StoreNameSplit splitByStoreName(std::span<const ImageEntry> target, std::span<const ImageEntry> incoming);

} // namespace pictra
