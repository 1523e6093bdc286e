// The embedded copies of an album file, for the open dialog's preview: an
// index of where each entry's block lies, and the extraction of one page of
// them into scratch files named by entry index (so two images with the same
// file name each show their own copy).
#pragma once

#include "core/util/result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

// The scratch folder of the open dialog's strip, inside the program folder's TEMP.
inline constexpr std::string_view kAlbumPreviewFolder = "preview";

struct AlbumPreviewIndex {
    std::string albumPath;
    std::vector<std::uint64_t> offsets; // of each block's bytes in the file
    std::vector<std::uint32_t> lengths; // 0 for an entry without a copy
    int count() const { return static_cast<int>(offsets.size()); }
};

// Reads the head (readAlbumEntries' checks and failures) and walks the
// blocks. A block whose length is negative, above the copy limit or past
// the end of the file ends the index there: the entries before it keep
// their copies.
Result<AlbumPreviewIndex> indexAlbumPreviews(const std::string& albumPath);

// Writes the copies of entries first .. first + n - 1 (those that exist) as
// folder/<index>.jpg, creating the folder. Returns one path per written
// entry, "" where the entry has no copy or it could not be read or written.
std::vector<std::string> extractAlbumPreviews(const AlbumPreviewIndex& index, int first, int n,
                                              const std::string& folder);

// Deletes the scratch files extractAlbumPreviews writes ("<digits>.jpg") in
// the folder, and nothing else.
void clearAlbumPreviews(const std::string& folder);

} // namespace pictra
