// Names of album documents: the untitled "新規-n.abm" names and the rule that
// two open windows never share a store folder (closing one would delete the
// other's copies).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace pictra {

// Prefix of untitled album names (paths are UTF-8).
inline constexpr std::string_view kUntitledPrefix = "新規";

// programFolder/USER/新規-n.abm with the smallest n ≥ openCount + 1 whose path
// and store folder no open album uses (`openPaths` are the open albums' paths).
std::string untitledAlbumPath(std::string_view programFolder, int openCount,
                              std::span<const std::string> openPaths);

// True when the album at `path` would use the same store folder as one of
// `otherPaths` (the same base name): opening or saving it there would mix
// and later delete that album's copies.
bool sharesStoreFolder(std::string_view path, std::span<const std::string> otherPaths);

// True for an album that has never been given a name (empty path or a base
// name beginning with "新規"); saving it asks for a name.
bool isUntitledAlbum(std::string_view path);

} // namespace pictra
