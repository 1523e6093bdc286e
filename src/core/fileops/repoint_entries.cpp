// Following moved and renamed files in the open albums.
#include "core/fileops/repoint_entries.h"

#include "core/album/album_changes.h"
#include "core/album/cell_picture.h"
#include "core/album/store_name_clash.h"
#include "core/album/window_records.h"
#include "core/fileops/file_transfer.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <algorithm>
#include <span>

namespace pictra {
namespace {

std::span<ImageEntry> live(AlbumRecord& album)
{
    return {album.images.data(), static_cast<std::size_t>(std::clamp(album.imageCount, 0, kMaxAlbumImages))};
}

std::span<const ImageEntry> live(const AlbumRecord& album)
{
    return {album.images.data(), static_cast<std::size_t>(std::clamp(album.imageCount, 0, kMaxAlbumImages))};
}

bool repointList(std::span<ImageEntry> entries, std::string_view from, std::string_view to)
{
    bool any = false;
    for (ImageEntry& entry : entries) {
        if (imageFilePath(entry) == from) {
            setFieldText(entry.path, to);
            any = true;
        }
    }
    return any;
}

bool listsFile(const AlbumRecord& album, std::string_view path)
{
    const std::span<const ImageEntry> entries = live(album);
    return std::any_of(entries.begin(), entries.end(), [&](const ImageEntry& e) { return imageFilePath(e) == path; });
}

void repointRecord(AlbumRecord& album, std::string_view from, std::string_view to, std::vector<std::string>* albums)
{
    if (album.kind == AlbumKind::SingleImage && albumFilePath(album) == from)
        setFieldText(album.path, to);
    if (!repointList(live(album), from, to) || album.kind != AlbumKind::Album)
        return;
    markAlbumChanged(album); // the album file still names the old path
    if (!albums)
        return;
    const std::string path = albumFilePath(album);
    if (std::find(albums->begin(), albums->end(), path) == albums->end())
        albums->push_back(path);
}

} // namespace

std::vector<std::string> repointEntries(AlbumTable& table, SelectionBlock& block, std::string_view from,
                                        std::string_view to)
{
    std::vector<std::string> albums;
    repointRecord(table.working, from, to, &albums);
    for (int i = 0; i < std::clamp(table.openCount, 0, kMaxAlbumWindows); ++i)
        repointRecord(table.windowSlots[static_cast<std::size_t>(i)], from, to, &albums);
    repointList(block.selection, from, to);
    repointList(block.clipboard, from, to);
    return albums;
}

std::vector<int> albumSlotsListingFile(const AlbumTable& table, std::string_view path)
{
    std::vector<int> slots;
    for (int i = 0; i < std::clamp(table.openCount, 0, kMaxAlbumWindows); ++i) {
        const AlbumRecord* album = windowRecord(table, table.windowSlots[static_cast<std::size_t>(i)].viewId);
        if (album && album->kind == AlbumKind::Album && listsFile(*album, path))
            slots.push_back(i);
    }
    return slots;
}

std::vector<std::string> albumsListingFile(const AlbumTable& table, std::string_view path)
{
    std::vector<std::string> albums;
    for (const int slot : albumSlotsListingFile(table, path)) {
        std::string file = albumFilePath(table.windowSlots[static_cast<std::size_t>(slot)]);
        if (std::find(albums.begin(), albums.end(), file) == albums.end())
            albums.push_back(std::move(file));
    }
    return albums;
}

std::optional<std::string> storeCopyRenameClash(const AlbumTable& table, std::string_view from,
                                                std::string_view to)
{
    auto check = [&](const AlbumRecord& album) -> std::optional<std::string> {
        if (album.kind != AlbumKind::Album || !listsFile(album, from))
            return std::nullopt;
        for (const ImageEntry& entry : live(album)) {
            const std::string path = imageFilePath(entry);
            if (path != from && claimsSameStoreCopy(path, to))
                return path;
        }
        return std::nullopt;
    };
    if (auto clash = check(table.working))
        return clash;
    for (int i = 0; i < std::clamp(table.openCount, 0, kMaxAlbumWindows); ++i) {
        if (auto clash = check(table.windowSlots[static_cast<std::size_t>(i)]))
            return clash;
    }
    return std::nullopt;
}

bool renameStoreCopy(std::string_view programFolder, std::string_view albumPath, std::string_view from,
                     std::string_view to)
{
    const std::string oldCopy = storeCopyPath(programFolder, albumPath, from);
    const std::string newCopy = storeCopyPath(programFolder, albumPath, to);
    if (oldCopy == newCopy || !fileExists(oldCopy))
        return true;
    return renameFile(oldCopy, newCopy, Overwrite::Refuse) == FileOutcome::Done;
}

} // namespace pictra
