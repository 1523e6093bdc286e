// The files through which the search commands and the search dialog hand
// over their data, in the program folder's TEMP: "_serch.abm", the open
// album's head for the album search, and "serch.dat", the chosen results
// (a name-list file).
#pragma once

#include "core/album/file_name_list.h"
#include "core/album/image_entry.h"
#include "core/util/result.h"

#include <span>
#include <string>
#include <string_view>

namespace pictra {

inline constexpr std::string_view kSearchAlbumFile = "_serch.abm";
inline constexpr std::string_view kSearchResultFile = "serch.dat";

// Writes TEMP/_serch.abm: the album magic, the count and the entries, no
// store copies.
Status writeSearchAlbum(const std::string& programFolder, std::span<const ImageEntry> entries);

struct HandOverReport {
    int written = 0;
    int tooLong = 0;      // paths that do not fit a 360-byte field, left out
    int beyondLimit = 0;  // paths beyond the list's 1000, left out
};

// Writes TEMP/serch.dat with the paths that fit, at most 1000, and says
// what was left out. The write's failure otherwise.
Result<HandOverReport> writeSearchResults(const std::string& programFolder, std::span<const std::string> paths);

// Reads TEMP/serch.dat and deletes it. NotFound when there is none; a
// damaged file is refused (and deleted all the same).
Result<FileNameList> takeSearchResults(const std::string& programFolder);

} // namespace pictra
