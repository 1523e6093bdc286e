// After a file moved or got a new name, every album entry that named it is
// pointed at the new path: in the working copy, in every open window's
// record and on the selection list and clipboard. Paths match exactly (two
// names that differ in case are two files here).
#pragma once

#include "core/album/album_table.h"
#include "core/album/selection_block.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

// Repoints the entries, marks every album record that listed the file
// changed (its file still names the old path), and returns the album files
// (album windows only, each once) that list the file, whose store copies
// may need renaming.
// A single-image window's own path follows its picture.
std::vector<std::string> repointEntries(AlbumTable& table, SelectionBlock& block, std::string_view from,
                                        std::string_view to);

// The slots of the open album windows that list `path`, in opening order
// (the active window's freshest entries count).
std::vector<int> albumSlotsListingFile(const AlbumTable& table, std::string_view path);
// Their album files, each once.
std::vector<std::string> albumsListingFile(const AlbumTable& table, std::string_view path);

// Before renaming `from` to `to`: the path of another image of an open
// album listing `from` whose store copy already has the new name (renaming
// the store copy would replace that picture), or nullopt.
std::optional<std::string> storeCopyRenameClash(const AlbumTable& table, std::string_view from,
                                                std::string_view to);

// Gives the album's store copy of `from` the name of `to` (never replacing
// a copy there). Ok also when the names are the same or there is no copy.
bool renameStoreCopy(std::string_view programFolder, std::string_view albumPath, std::string_view from,
                     std::string_view to);

} // namespace pictra
