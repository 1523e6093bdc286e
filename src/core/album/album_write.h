// Writing an album record to its file (save and save-as). The file is built
// in a temporary file beside the target and renamed over it, so a failed or
// interrupted save leaves the old album intact.
#pragma once

#include "core/album/album_record.h"
#include "core/album/album_table.h"
#include "core/util/result.h"

#include <string>
#include <vector>

namespace pictra {

struct AlbumWriteReport {
    // Entries whose store copy was missing or unreadable; written with length 0.
    std::vector<int> missingStoreCopies;
};

// The entries of `album` whose store copy in the store folder of
// `storePath` is missing, unreadable or over the size a file may hold: a
// save would write them without a picture, so the user is asked first.
std::vector<int> entriesWithoutStoreCopy(const AlbumRecord& album, const std::string& programFolder,
                                         const std::string& storePath);

// Writes `album` to `targetPath`, taking the store copies from the store
// folder of `storePath` (the album's path before a save-as; the target
// itself for a plain save). When the two store folders differ (save-as to
// another base name), the copies move into the target's store folder after
// the file is in place, and the old folder is removed once empty.
// Failures leave the target and the store copies untouched:
//   InvalidArgument                    bad image count or a target without a base name
//   NoPermission, DiskFull, IoError    the file or store folder cannot be written
Result<AlbumWriteReport> writeAlbum(const AlbumRecord& album, const std::string& programFolder,
                                    const std::string& targetPath, const std::string& storePath);

// Writes `album` as a complete album file at `targetPath` (atomically), taking
// the store copies from the store folder of `storePath`, and leaves every
// store folder as it is: for copies of an album kept elsewhere than its own
// file. Fails like writeAlbum.
Result<AlbumWriteReport> writeAlbumCopy(const AlbumRecord& album, const std::string& programFolder,
                                        const std::string& targetPath, const std::string& storePath);

// Save of the active album (the working copy): writeAlbum, and only when the
// file is in place the album's changed mark is cleared (working copy and
// slot). A failed save keeps the mark and returns writeAlbum's failure.
Result<AlbumWriteReport> saveWorkingAlbum(AlbumTable& table, const std::string& programFolder,
                                          const std::string& targetPath, const std::string& storePath);

} // namespace pictra
