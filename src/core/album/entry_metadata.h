// The rule that fills album entries from their pictures' metadata (the date
// taken, captions other programs wrote) and the way back: an entry's date
// and texts as metadata fields for a sidecar. Entry texts are CP932 in
// fixed fields; metadata texts are UTF-8.
#pragma once

#include "core/album/album_record.h"
#include "core/album/image_entry.h"
#include "core/metadata/metadata_fill.h"
#include "core/metadata/photo_metadata.h"

#include <span>
#include <vector>

namespace pictra {

struct EntryFill {
    bool changed = false;   // the entry's date or a text was set
    bool shortened = false; // a text was cut to its field, or lost characters CP932 has not
    bool undated = false;   // a date was asked for, but the metadata has none
};

// Fills `entry` from `metadata` as `fill` says: summary <- title, memo <-
// description, author <- creator, place <- location, the date <- the date
// taken. Texts become CP932, cut to their field at a character boundary.
EntryFill fillEntry(ImageEntry& entry, const PhotoMetadata& metadata, const MetadataFill& fill);

// The metadata of the picture at `path`: its sidecars' texts before the
// file's own, the file's own date taken before a sidecar's; empty when
// neither can be read.
PhotoMetadata pictureMetadata(const std::string& path);

// fillEntry with the metadata of the entry's own picture.
EntryFill fillEntryFromPicture(ImageEntry& entry, const MetadataFill& fill);

struct FillReport {
    std::vector<int> changed;   // album positions of the entries that took something
    std::vector<int> shortened; // ... of those whose texts were cut
    std::vector<int> undated;   // ... of those whose picture gave no date (when one was asked for)
};

// fillEntryFromPicture for the album positions `indices` (positions outside
// the album are passed over). Marks the album changed when an entry changed.
FillReport fillAlbumEntries(AlbumRecord& album, std::span<const int> indices, const MetadataFill& fill);

// The entry's date and texts as metadata fields (0/0/0: no date).
PhotoMetadata entryMetadata(const ImageEntry& entry);

} // namespace pictra
