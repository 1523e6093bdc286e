// The album the first start opens after pictra-setup installed the samples:
// the installer names it in the registry store, the program takes it once.
#pragma once

#include "core/platform/registry_store.h"

#include <optional>
#include <string>
#include <string_view>

namespace pictra {

inline constexpr std::string_view kFirstAlbumValue = "_firstAlbum";

// The album named by "_firstAlbum", which is removed from the store, so only
// one start opens it. nullopt when no value is there or its file is gone.
std::optional<std::string> takeFirstAlbum(RegistryStore& registry);

} // namespace pictra
