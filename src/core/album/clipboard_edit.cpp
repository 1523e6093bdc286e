// The image clipboard's operations on an album's entry list.
#include "core/album/clipboard_edit.h"

#include "core/album/album_changes.h"
#include "core/album/album_room.h"
#include "core/album/cell_picture.h"
#include "core/album/identity_stamps.h"
#include "core/album/page_arithmetic.h"
#include "core/album/store_name_clash.h"
#include "core/album/window_records.h"
#include "core/util/paths.h"

#include <algorithm>
#include <span>
#include <vector>

namespace pictra {
namespace {

std::span<const ImageEntry> liveEntries(const AlbumRecord& album)
{
    return {album.images.data(), static_cast<std::size_t>(std::clamp(album.imageCount, 0, kMaxAlbumImages))};
}

void replaceEntries(AlbumRecord& album, const std::vector<ImageEntry>& entries)
{
    const std::size_t old = liveEntries(album).size();
    std::copy(entries.begin(), entries.end(), album.images.begin());
    for (std::size_t i = entries.size(); i < old; ++i)
        album.images[i] = ImageEntry{};
    album.imageCount = static_cast<std::int32_t>(entries.size());
    markAlbumChanged(album);
}

// Puts the focus on album image `index`, or takes it away when the album is empty.
void focusImage(AlbumRecord& album, int index)
{
    if (album.imageCount <= 0) {
        album.hasFocus = 0;
        album.currentPage = 0;
        album.focusIndex = 0;
    } else {
        const PageFocus at = focusForImage(std::clamp(index, 0, album.imageCount - 1), album.columns, album.rows);
        album.hasFocus = 1;
        album.currentPage = at.page;
        album.focusIndex = at.cell;
    }
    album.focusRect = album.cells[static_cast<std::size_t>(std::clamp(album.focusIndex, 0, kMaxPageCells - 1))];
}

void moveSelectionToClipboard(const AlbumRecord& album, SelectionBlock& block)
{
    block.clipboardFilled = true;
    block.clipboard = block.selection;
    block.clipboardAlbum = albumFilePath(album);
    block.selection.clear();
}

} // namespace

bool copySelection(const AlbumRecord& album, SelectionBlock& block)
{
    if (focusedImage(album) < 0)
        return false;
    moveSelectionToClipboard(album, block);
    return true;
}

bool cutSelection(AlbumRecord& album, SelectionBlock& block)
{
    const int focused = focusedImage(album);
    if (focused < 0)
        return false;
    std::vector<ImageEntry> kept;
    int keptBeforeFocus = 0;
    bool focusKept = false;
    const std::span<const ImageEntry> entries = liveEntries(album);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (isSelected(block, entries[i].stamp))
            continue;
        if (static_cast<int>(i) < focused)
            ++keptBeforeFocus;
        else
            focusKept = true;
        kept.push_back(entries[i]);
    }
    replaceEntries(album, kept);
    focusImage(album, focusKept ? keptBeforeFocus : keptBeforeFocus - 1);
    moveSelectionToClipboard(album, block);
    return true;
}

PasteResult pasteClipboard(AlbumRecord& album, SelectionBlock& block, std::uint32_t tick)
{
    PasteResult result;
    if (!block.clipboardFilled || block.clipboard.empty())
        return result;
    const std::span<const ImageEntry> entries = liveEntries(album);
    if (cutToRoom(album.imageCount, block.clipboard.size()).leftOut > 0) {
        result.outcome = PasteOutcome::NoRoom;
        return result;
    }
    std::vector<ImageEntry> pasted = block.clipboard;
    stampNewEntries(pasted, entries, block, tick);
    std::size_t at = 0;
    if (!entries.empty()) {
        const int focused = focusedImage(album);
        at = focused >= 0 ? static_cast<std::size_t>(focused) : entries.size() - 1;
    }
    std::vector<ImageEntry> rebuilt(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(at));
    rebuilt.insert(rebuilt.end(), pasted.begin(), pasted.end());
    rebuilt.insert(rebuilt.end(), entries.begin() + static_cast<std::ptrdiff_t>(at), entries.end());
    replaceEntries(album, rebuilt);
    clearSelectionBlock(block);
    result.outcome = PasteOutcome::Pasted;
    result.at = static_cast<int>(at);
    result.count = static_cast<int>(pasted.size());
    return result;
}

std::optional<std::string> pasteStoreNameClash(const AlbumRecord& album, const SelectionBlock& block)
{
    std::vector<std::string> pending;
    for (const ImageEntry& entry : block.clipboard) {
        std::string image = imageFilePath(entry);
        if (storeNameOwner(liveEntries(album), pending, image))
            return image;
        pending.push_back(std::move(image));
    }
    return std::nullopt;
}

int deleteFocused(AlbumRecord& album, SelectionBlock& block)
{
    const int a = focusedImage(album);
    if (a < 0)
        return -1;
    std::vector<ImageEntry> kept(liveEntries(album).begin(), liveEntries(album).end());
    kept.erase(kept.begin() + a);
    replaceEntries(album, kept);
    focusImage(album, a);
    if (album.imageCount == 0)
        clearSelectionBlock(block);
    else
        selectOnly(block, album.images[static_cast<std::size_t>(focusedImage(album))]);
    return a;
}

std::string detachQuestion(std::string_view imagePath, std::string_view albumPath)
{
    return "「" + std::string(fileNamePart(imagePath)) + "」を「" + std::string(fileNamePart(albumPath)) +
           "」ファイルから切り離します。";
}

} // namespace pictra
