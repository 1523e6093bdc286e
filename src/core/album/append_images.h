// The data side of appending images to an album: new entries with fresh
// identity stamps after the album's last image, and the list of those whose
// source file is missing (for the error log). The album window draws them.
#pragma once

#include "core/album/album_record.h"
#include "core/album/file_name_list.h"
#include "core/metadata/metadata_fill.h"
#include "core/util/result.h"

#include <cstdint>
#include <vector>

namespace pictra {

enum class EntryTexts {
    Clear, // new images: everything but path and stamp is zero
    Keep,  // reading an album: the entries already hold their date and texts
};

struct AppendResult {
    int firstIndex = 0;      // index of the first new entry (the old image count)
    int appended = 0;        // entries added
    int dropped = 0;         // paths left out because the album holds 1000 images
    FileNameList missing;    // appended paths whose source file does not exist, in order
    std::vector<int> missingIndices; // their entry indices
    std::vector<int> sharingStoreCopy; // entries of the album sharing a store copy (see shared_store_copies.h)
    std::vector<int> shortenedTexts; // new entries whose texts from their picture had to be cut
};

// Appends the paths of `list` to `album`: entry N + k gets path k and the
// identity stamp tick + N + k. Missing source files stay in the album.
// With EntryTexts::Clear each new entry takes its date and texts from its
// picture's metadata as `fill` says (see entry_metadata.h).
// The album is marked changed (readAlbum clears the mark again).
// InvalidArgument for an empty list or an album record of another kind,
// TooLarge when the album already holds 1000 images (nothing appended).
Result<AppendResult> appendImages(AlbumRecord& album, const FileNameList& list, std::uint32_t tick,
                                  EntryTexts texts = EntryTexts::Clear, const MetadataFill& fill = {});

} // namespace pictra
