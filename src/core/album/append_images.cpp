// Appending file paths as album entries.
#include "core/album/append_images.h"

#include "core/album/album_changes.h"
#include "core/album/album_room.h"
#include "core/album/entry_metadata.h"
#include "core/album/identity_stamps.h"
#include "core/album/shared_store_copies.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"

#include <span>

namespace pictra {

Result<AppendResult> appendImages(AlbumRecord& album, const FileNameList& list, std::uint32_t tick, EntryTexts texts,
                                  const MetadataFill& fill)
{
    if (list.empty() || album.kind != AlbumKind::Album || album.imageCount < 0 || album.imageCount > kMaxAlbumImages)
        return Status::InvalidArgument;
    const int first = album.imageCount;
    const RoomCut cut = cutToRoom(first, static_cast<std::size_t>(list.count()));
    if (cut.kept == 0)
        return Status::TooLarge;
    AppendResult result;
    result.firstIndex = first;
    result.appended = static_cast<int>(cut.kept);
    result.dropped = static_cast<int>(cut.leftOut);
    // tick + N + k, bumped past stamps the album already holds.
    const std::vector<std::int32_t> stamps =
        freshStamps(std::span(album.images.data(), static_cast<std::size_t>(first)), SelectionBlock{},
                    tick + static_cast<std::uint32_t>(first), result.appended);
    for (int k = 0; k < result.appended; ++k) {
        const int index = first + k;
        ImageEntry& entry = album.images[static_cast<std::size_t>(index)];
        if (texts == EntryTexts::Clear)
            entry = ImageEntry{};
        setFieldText(entry.path, list.path(k));
        entry.stamp = stamps[static_cast<std::size_t>(k)];
        if (!fileExists(list.path(k))) {
            (void)result.missing.add(list.path(k)); // cannot fail: no more paths than `list` holds
            result.missingIndices.push_back(index);
        } else if (texts == EntryTexts::Clear && fillEntryFromPicture(entry, fill).shortened) {
            result.shortenedTexts.push_back(index);
        }
    }
    album.imageCount = first + result.appended;
    markAlbumChanged(album);
    result.sharingStoreCopy =
        entriesSharingStoreCopy(std::span(album.images.data(), static_cast<std::size_t>(album.imageCount)));
    return result;
}

} // namespace pictra
