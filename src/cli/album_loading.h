// Reading a whole album file for the commands that look into one (no store
// folder is touched).
#pragma once

#include "core/album/album_file.h"
#include "core/util/result.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pictra::cli {

struct LoadedAlbum {
    std::vector<std::uint8_t> bytes;
    AlbumFileContents contents; // views into bytes
};

// The parsed album; the reason is printed when it cannot be read.
Result<std::unique_ptr<LoadedAlbum>> loadAlbum(const std::string& path);

} // namespace pictra::cli
