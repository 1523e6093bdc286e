// Reading an album file into the working copy of the album table: the file
// is parsed and checked first, its store copies are written into the
// album's store folder, and only then does the working copy change, so a
// refused file leaves the table (and the window's path) as it was.
#pragma once

#include "core/album/album_table.h"
#include "core/album/file_name_list.h"
#include "core/util/result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

struct AlbumReadReport {
    int imageCount = 0;
    FileNameList missingSources;       // entries whose source file no longer exists (for the error log)
    std::vector<int> missingIndices;   // their entry indices
    std::vector<int> sharingStoreCopy; // entries whose different sources share one store copy
};

// True when an open album window other than the active one keeps its store
// copies in the store folder `albumPath` would use (same BaseName): reading
// or saving under that path would overwrite that window's copies.
bool storeFolderInUse(const AlbumTable& table, std::string_view albumPath);

// Reads `albumPath` into table.working (which must be an empty album) and
// mirrors it into the active slot. Each entry gets a fresh identity stamp
// tick + index; dates and texts are kept. Failures, with the table unchanged:
//   NotFound, NoPermission, IoError   the file cannot be opened or read
//   Corrupt, Truncated, TooLarge      the file is refused (see parseAlbumFile)
//   InvalidArgument                   the working copy is not an empty album,
//                                     or its store folder is in use (see above)
//   DiskFull, NoPermission, IoError   a store copy could not be written (the
//                                     copies written so far are removed)
Result<AlbumReadReport> readAlbum(AlbumTable& table, const std::string& programFolder, const std::string& albumPath,
                                  std::uint32_t tick);

// The same with the file read from `sourceFile` (a copy kept elsewhere, such
// as a recovery copy): the working copy takes `albumPath` as its path and its
// store copies go to that album's store folder. Fails like readAlbum.
Result<AlbumReadReport> readAlbumFrom(AlbumTable& table, const std::string& programFolder,
                                      const std::string& sourceFile, const std::string& albumPath, std::uint32_t tick);

} // namespace pictra
