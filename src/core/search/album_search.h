// Searching the entries of an album: the open album (through the temporary
// album file the search command writes) or any album file on disk.
#pragma once

#include "core/album/image_entry.h"
#include "core/search/search_words.h"
#include "core/util/result.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

// The image paths (UTF-8) of the entries that pass the album search's
// pattern test and its word test with dates, in album order.
std::vector<std::string> searchAlbumEntries(std::span<const ImageEntry> entries, std::string_view pattern,
                                            const SearchWords& words);

// The same over an album file's head (readAlbumEntries' failures).
Result<std::vector<std::string>> searchAlbumFile(const std::string& albumPath, std::string_view pattern,
                                                 const SearchWords& words);

} // namespace pictra
