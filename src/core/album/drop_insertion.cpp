// Insertion positions of move and copy drops.
#include "core/album/drop_insertion.h"

#include "core/album/album_changes.h"
#include "core/album/album_room.h"
#include "core/album/identity_stamps.h"

#include <algorithm>
#include <vector>

namespace pictra {
namespace {

std::span<ImageEntry> albumEntries(AlbumRecord& album)
{
    const int count = std::clamp(album.imageCount, 0, kMaxAlbumImages);
    return {album.images.data(), static_cast<std::size_t>(count)};
}

const ImageEntry* findByStamp(std::span<const ImageEntry> entries, std::int32_t stamp)
{
    auto it = std::find_if(entries.begin(), entries.end(), [stamp](const ImageEntry& e) { return e.stamp == stamp; });
    return it == entries.end() ? nullptr : &*it;
}

// Replaces the album's list with `kept` plus `inserted` (fresh stamps) at `target`.
int rebuild(AlbumRecord& album, const std::vector<ImageEntry>& kept, std::vector<ImageEntry> inserted, int target,
            std::uint32_t stamp)
{
    inserted.resize(cutToRoom(static_cast<int>(kept.size()), inserted.size()).kept);
    if (inserted.empty())
        return -1;
    stampNewEntries(inserted, kept, SelectionBlock{}, stamp);
    const std::size_t at = std::min(static_cast<std::size_t>(std::max(target, 0)), kept.size());
    std::vector<ImageEntry> result;
    result.reserve(kept.size() + inserted.size());
    result.insert(result.end(), kept.begin(), kept.begin() + static_cast<std::ptrdiff_t>(at));
    result.insert(result.end(), inserted.begin(), inserted.end());
    result.insert(result.end(), kept.begin() + static_cast<std::ptrdiff_t>(at), kept.end());
    const std::size_t oldCount = albumEntries(album).size();
    std::copy(result.begin(), result.end(), album.images.begin());
    for (std::size_t i = result.size(); i < oldCount; ++i)
        album.images[i] = ImageEntry{};
    album.imageCount = static_cast<std::int32_t>(result.size());
    markAlbumChanged(album);
    return static_cast<int>(at);
}

} // namespace

int dropWithinAlbum(AlbumRecord& album, std::span<const ImageEntry> selection, int target, DropKind kind,
                    std::uint32_t stamp)
{
    const std::span<ImageEntry> entries = albumEntries(album);
    std::vector<ImageEntry> dropped;
    for (const ImageEntry& chosen : selection) {
        const ImageEntry* own = findByStamp(entries, chosen.stamp);
        if (own)
            dropped.push_back(*own);
        else if (kind == DropKind::Copy)
            dropped.push_back(chosen);
    }
    std::vector<ImageEntry> kept;
    for (const ImageEntry& e : entries) {
        if (kind == DropKind::Copy || !findByStamp(selection, e.stamp))
            kept.push_back(e);
    }
    return rebuild(album, kept, std::move(dropped), target, stamp);
}

int insertEntryCopies(AlbumRecord& album, std::span<const ImageEntry> entries, int target, std::uint32_t stamp)
{
    const std::span<ImageEntry> own = albumEntries(album);
    return rebuild(album, std::vector<ImageEntry>(own.begin(), own.end()),
                   std::vector<ImageEntry>(entries.begin(), entries.end()), target, stamp);
}

} // namespace pictra
