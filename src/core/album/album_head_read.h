// Reading only the head of an album file (magic, N, entries) from disk, for
// the callers that need the entries' paths and texts but not the store
// copies: the search, which meets many album files, and the open preview.
#pragma once

#include "core/album/image_entry.h"
#include "core/util/result.h"

#include <string>
#include <vector>

namespace pictra {

// The album's entries, with the checks of parseAlbumHead. Reads at most the
// head's own length, however long the file. NotFound, NoPermission or
// IoError when the file cannot be opened or read.
Result<std::vector<ImageEntry>> readAlbumEntries(const std::string& path);

} // namespace pictra
